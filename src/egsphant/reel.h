#ifndef QUARVEL_REEL_H
#define QUARVEL_REEL_H

#include <QtGlobal>

// Longest text formatReel writes, with room to spare ("-1.00000e+308").
constexpr int longueurReelMax = 24;

// Writes v as the C format "%#.6g" would in the "C" locale (six significant
// digits, trailing zeros and the point kept, a full stop whatever the
// machine's settings) into out, which holds longueurReelMax bytes. Returns the
// length written; no terminating zero.
int formatReel(double v, char *out);

// A finite v above 0 as formatReel writes it, in 32 bits: its six
// significant digits and its decimal exponent. Codes sort as their values.
quint32 codeReel(double v);

// Writes the text of a code as formatReel writes its value into out
// (longueurReelMax bytes): digits only, no formatting of a double.
int formatCode(quint32 code, char *out);

// The length of that text.
int longueurCode(quint32 code);

#endif
