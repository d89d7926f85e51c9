#include "egsphant/reel.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

int copier(const char *texte, char *out)
{
    const int n = int(std::strlen(texte));
    std::memcpy(out, texte, n);
    return n;
}

} // namespace

int formatReel(double v, char *out)
{
    if (std::isnan(v))
        return copier(std::signbit(v) ? "-nan" : "nan", out);
    if (std::isinf(v))
        return copier(v < 0 ? "-inf" : "inf", out);

    // The decimal exponent after rounding to six digits decides the notation,
    // as it does for %g.
    char *const fin = out + longueurReelMax;
    const std::to_chars_result sci = std::to_chars(out, fin, v, std::chars_format::scientific, 5);
    const char *e = static_cast<const char *>(std::memchr(out, 'e', sci.ptr - out));
    int exposant = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), sci.ptr, exposant);
    if (exposant < -4 || exposant >= 6)
        return int(sci.ptr - out);

    const int decimales = 5 - exposant;
    char *p = std::to_chars(out, fin, v, std::chars_format::fixed, decimales).ptr;
    if (decimales == 0)
        *p++ = '.';
    return int(p - out);
}

namespace {

// A code: the exponent, offset to stay positive, above the six digits.
constexpr int decalageExposant = 512;
constexpr quint32 unMillion = 1000000;

int exposantCode(quint32 code)
{
    return int(code / unMillion) - decalageExposant;
}

// The six digits and exponent of v from one product by an exact power of
// ten, when v lies where the powers are exact and its seventh digit is
// clearly not a tie: a product rounds only in its last bit, far below the
// margin, so the digits are those of exact decimal rounding. False otherwise.
bool codeRapide(double v, quint32 &code)
{
    static const double puissances[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!(v >= 1e-15 && v < 1e15))
        return false;
    int exposant = int(std::floor(std::log10(v)));
    for (int essai = 0; essai < 2; ++essai) {
        const int k = 5 - exposant;
        const double m = k >= 0 ? v * puissances[k] : v / puissances[-k];
        if (m < 99999.5) {
            --exposant;
            continue;
        }
        if (m >= 999999.5) {
            ++exposant;
            continue;
        }
        const double entier = std::floor(m);
        const double fraction = m - entier;
        if (std::abs(fraction - 0.5) < 1e-6)
            return false;
        quint32 chiffres = quint32(entier) + (fraction > 0.5 ? 1 : 0);
        if (chiffres == unMillion) {
            chiffres = 100000;
            ++exposant;
        }
        code = quint32(exposant + decalageExposant) * unMillion + chiffres;
        return true;
    }
    return false;
}

} // namespace

quint32 codeReel(double v)
{
    quint32 code = 0;
    if (codeRapide(v, code))
        return code;
    // The digits formatReel would write, taken from the same rounding.
    char texte[longueurReelMax];
    const char *fin = std::to_chars(texte, texte + longueurReelMax, v, std::chars_format::scientific, 5).ptr;
    quint32 chiffres = quint32(texte[0] - '0');
    for (int i = 2; i < 7; ++i)
        chiffres = chiffres * 10 + quint32(texte[i] - '0');
    int exposant = 0;
    std::from_chars(texte + (texte[8] == '+' ? 9 : 8), fin, exposant);
    return quint32(exposant + decalageExposant) * unMillion + chiffres;
}

int formatCode(quint32 code, char *out)
{
    const int exposant = exposantCode(code);
    char chiffres[6];
    for (quint32 c = code % unMillion, i = 6; i-- > 0; c /= 10)
        chiffres[i] = char('0' + c % 10);
    char *p = out;
    if (exposant < -4 || exposant >= 6) {
        *p++ = chiffres[0];
        *p++ = '.';
        std::memcpy(p, chiffres + 1, 5);
        p += 5;
        *p++ = 'e';
        *p++ = exposant < 0 ? '-' : '+';
        const int e = std::abs(exposant);
        if (e >= 100)
            *p++ = char('0' + e / 100);
        *p++ = char('0' + e / 10 % 10);
        *p++ = char('0' + e % 10);
    } else if (exposant >= 0) {
        std::memcpy(p, chiffres, size_t(exposant) + 1);
        p += exposant + 1;
        *p++ = '.';
        std::memcpy(p, chiffres + exposant + 1, size_t(5 - exposant));
        p += 5 - exposant;
    } else {
        *p++ = '0';
        *p++ = '.';
        for (int i = -1; i > exposant; --i)
            *p++ = '0';
        std::memcpy(p, chiffres, 6);
        p += 6;
    }
    return int(p - out);
}

int longueurCode(quint32 code)
{
    const int exposant = exposantCode(code);
    if (exposant < -4 || exposant >= 6)
        return std::abs(exposant) >= 100 ? 12 : 11;
    return exposant >= 0 ? 7 : 7 - exposant;
}
