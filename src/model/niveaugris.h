#ifndef QUARVEL_NIVEAUGRIS_H
#define QUARVEL_NIVEAUGRIS_H

#include <QRgb>

// Grey level of a pixel, 0..255. The weights add up to 32, so a pure grey v
// gives v back; alpha plays no part. The inventory and the grid builders
// both use this one function, so their levels compare exactly.
constexpr int niveauGrisPixel(QRgb pixel)
{
    return (11 * int((pixel >> 16) & 0xff) + 16 * int((pixel >> 8) & 0xff) + 5 * int(pixel & 0xff)) >> 5;
}

// The highest level a record or a table entry may carry: a label volume's
// values run from 0 to here, a picture's grey levels stop at 255.
constexpr int niveauMax = 65535;

#endif
