#ifndef QUARVEL_SOURCE_H
#define QUARVEL_SOURCE_H

#include <QString>
#include <QtGlobal>

// Bytes of a file read block by block, plain or decompressed on the way.
class Source
{
public:
    virtual ~Source() = default;
    // Up to n bytes into destination; 0 at the end; -1 on failure, with the
    // reason in French in *erreur.
    virtual qint64 lire(char *destination, qint64 n, QString *erreur) = 0;
};

#endif
