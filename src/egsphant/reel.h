#ifndef QUARVEL_REEL_H
#define QUARVEL_REEL_H

// Longest text formatReel writes, with room to spare ("-1.00000e+308").
constexpr int longueurReelMax = 24;

// Writes v as the C format "%#.6g" would in the "C" locale (six significant
// digits, trailing zeros and the point kept, a full stop whatever the
// machine's settings) into out, which holds longueurReelMax bytes. Returns the
// length written; no terminating zero.
int formatReel(double v, char *out);

#endif
