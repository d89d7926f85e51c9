#ifndef QUARVEL_FLUXZLIB_H
#define QUARVEL_FLUXZLIB_H

#include <QString>

// Where a MetaImage file keeps its voxels as one zlib stream: the file, the
// stream's first byte and length, and whether its numbers are big-endian.
// MetaIO leaves the end of its buffer as it was when a stream gives fewer
// bytes than the voxels need: such a stream is inflated here instead, once.
struct FluxZlib
{
    QString fichier;
    qint64 debut = -1;
    qint64 longueur = 0;
    bool grosBoutiste = false;
};

// Inflates the stream into voxels, which must take exactly octets bytes:
// false for a stream that gives fewer or more, or is damaged. Numbers of
// octetsParValeur bytes are put in this machine's order.
bool inflerFlux(const FluxZlib &flux, char *voxels, qint64 octets, int octetsParValeur);

#endif
