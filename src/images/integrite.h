#ifndef QUARVEL_INTEGRITE_H
#define QUARVEL_INTEGRITE_H

#include <QString>

// Bytes that an uncompressed BMP's header announces (pixel offset + rows) and
// bytes the file holds; both 0 when the file is not one or its size cannot be
// told. Qt's reader stops at the end of a cut file without reporting anything
// and hands back a partly blank picture, so the loader compares the two.
struct TailleBmp
{
    qint64 annoncee = 0;
    qint64 reelle = 0;
};

TailleBmp tailleBmp(const QString &chemin);

#endif
