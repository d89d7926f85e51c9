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
