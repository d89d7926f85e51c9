#ifndef QUARVEL_REELRAPIDE_H
#define QUARVEL_REELRAPIDE_H

#include <QtGlobal>

#include <cstring>

// Blanks between numbers, as a table: one load a byte.
struct TableBlancs
{
    bool blanc[256] = {};
    constexpr TableBlancs()
    {
        for (const unsigned char c : {' ', '\n', '\r', '\t', '\f', '\v'})
            blanc[c] = true;
    }
};
inline constexpr TableBlancs tableBlancs;

inline bool blanc(char c)
{
    return tableBlancs.blanc[static_cast<unsigned char>(c)];
}

inline quint64 huitOctets(const char *p)
{
    quint64 w;
    std::memcpy(&w, p, 8);
    return w;
}

// Eight digits known to be digits, the first in the lowest byte, as their
// number: pairs, then fours, then the eight, each by one product.
inline quint64 valeurHuitChiffres(quint64 v)
{
    v = (v & 0x0F0F0F0F0F0F0F0Full) * 2561 >> 8;
    v = (v & 0x00FF00FF00FF00FFull) * 6553601 >> 16;
    return (v & 0x0000FFFF0000FFFFull) * 42949672960001ull >> 32;
}

// Eight decimal digits at p, as their number; false if one is not a digit.
inline bool huitChiffres(const char *p, quint64 &valeur)
{
    const quint64 v = huitOctets(p);
    if (((v & 0xF0F0F0F0F0F0F0F0ull) | (((v + 0x0606060606060606ull) & 0xF0F0F0F0F0F0F0F0ull) >> 4))
        != 0x3333333333333333ull)
        return false;
    valeur = valeurHuitChiffres(v);
    return true;
}

inline constexpr double puissancesDix[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// m / 10^d, m below 2^53, d at most 14, to the float of the double nearest
// it: a product by the inverse, within two units of the last place of that
// double, then the division itself only within 16 units of the middle of
// two floats, where rounding the product may go the other way.
inline double valeurFixe(quint64 m, int d)
{
    static constexpr double inverses[15] = {1,    1e-1, 1e-2, 1e-3,  1e-4,  1e-5,  1e-6, 1e-7,
                                            1e-8, 1e-9, 1e-10, 1e-11, 1e-12, 1e-13, 1e-14};
    const double v = double(m) * inverses[d];
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    const qint64 ecart = qint64(bits & 0x1fffffff) - 0x10000000;
    return ecart >= -16 && ecart <= 16 ? double(m) / puissancesDix[d] : v;
}

// Reads from p, at a word or a blank, the reals of the one form this
// project writes densities in, a value per voxel ("1.02345", "0.00163700"):
// one to seven digits, a point, more digits, fifteen in all at most; up to
// max of them, into sortie, each the float of the library's double. Stops
// before a word of another form, and where fewer than 80 bytes are left
// before fin; p and lignes move past what was taken. Returns the count taken.
qint64 reelsFixes(const char *&p, const char *fin, float *sortie, qint64 max, qint64 &lignes);
// The same with registers no wider than registres allows (0: 64 bytes at a
// time only, 1: SSSE3, 2: AVX2, runs of one form too) and the processor
// has: each way tested.
qint64 reelsFixes(const char *&p, const char *fin, float *sortie, qint64 max, qint64 &lignes, int registres);

// The words of [p, fin): the runs of bytes between blanks.
qint64 compterMots(const char *p, const char *fin);
// The same with registers no wider than registres allows (0: a byte at a
// time, 2: AVX2) and the processor has: each way tested.
qint64 compterMots(const char *p, const char *fin, int registres);

// Reads at p a real of the plain forms EGSnrc's codes write (digits, a
// point, an exponent with E or D), ending at fin or at a blank, without a
// library call: the text's digits as an integer, divided by an exact power
// of ten, within two units of the last place of a double. Kept to the cases
// where the float of it is the float of the exact value: false, p left as it
// was, for any other form or near the middle of two floats, for the careful
// way to read.
inline bool reelRapide(const char *&p, const char *fin, double &valeur)
{
    const auto &puissances = puissancesDix;
    const char *q = p;
    const bool negatif = q < fin && *q == '-';
    q += negatif;
    // Digits past the eighteenth only move the point: the integer holds them all below 2^64.
    constexpr quint64 plein = 1000000000000000000ull;
    quint64 mantisse = 0;
    int exposant = 0;
    const char *debut = q;
    for (; q < fin && unsigned(*q - '0') < 10; ++q) {
        if (mantisse < plein)
            mantisse = mantisse * 10 + unsigned(*q - '0');
        else
            ++exposant;
    }
    bool unChiffre = q > debut;
    if (q < fin && *q == '.') {
        debut = ++q;
        // Eight digits at a time while the integer has room for them.
        quint64 huit;
        while (fin - q >= 8 && mantisse < 100000000000ull && huitChiffres(q, huit)) {
            mantisse = mantisse * 100000000 + huit;
            exposant -= 8;
            q += 8;
        }
        for (; q < fin && unsigned(*q - '0') < 10; ++q)
            if (mantisse < plein) {
                mantisse = mantisse * 10 + unsigned(*q - '0');
                --exposant;
            }
        unChiffre |= q > debut;
    }
    if (!unChiffre)
        return false;
    if (q < fin && ((*q | 0x20) == 'e' || (*q | 0x20) == 'd')) {
        ++q;
        const bool moins = q < fin && *q == '-';
        q += q < fin && (*q == '-' || *q == '+');
        int e = 0, n = 0;
        for (; q < fin && unsigned(*q - '0') < 10 && n < 5; ++q, ++n)
            e = e * 10 + (*q - '0');
        if (n == 0)
            return false;
        exposant += moins ? -e : e;
    }
    if (q < fin && !blanc(*q))
        return false;
    double v = 0;
    if (mantisse != 0) {
        if (exposant < -44 || exposant > 22)
            return false;
        v = double(mantisse);
        if (exposant >= 0)
            v *= puissances[exposant];
        else if (exposant >= -22)
            v /= puissances[-exposant];
        else
            v = v / 1e22 / puissances[-exposant - 22];
        // Normal floats only, and not within 16 units of a double of the
        // middle of two floats, where rounding the double may go the other way.
        if (!(v >= 1.2e-38 && v <= 3.4e38))
            return false;
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        const qint64 ecart = qint64(bits & 0x1fffffff) - 0x10000000;
        if (ecart >= -16 && ecart <= 16)
            return false;
    }
    valeur = negatif ? -v : v;
    p = q;
    return true;
}

#endif
