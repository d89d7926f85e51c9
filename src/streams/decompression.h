#ifndef QUARVEL_DECOMPRESSION_H
#define QUARVEL_DECOMPRESSION_H

#include <QtGlobal>
#include <memory>

#include "streams/source.h"

class QIODevice;

// A gzip file starts with these two bytes, whatever its name.
bool commenceCommeGzip(const char *debut, qint64 n);

// Deflate never makes a text more than about 1032 times smaller: the most
// text a gzip file of n bytes can hold, so a header count can be checked
// before anything is allocated for it.
qint64 texteMaxGzip(qint64 octetsCompresses);

// The text of a gzip file (one member or several after each other), inflated
// block by block as it is read; the checksums are verified.
std::unique_ptr<Source> sourceGzip(QIODevice &fichier);

#endif
