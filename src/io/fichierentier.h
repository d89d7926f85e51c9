#ifndef QUARVEL_FICHIERENTIER_H
#define QUARVEL_FICHIERENTIER_H

#include <QString>
#include <functional>

class QIODevice;

// The file that writing to nomFich replaces: the end of its chain of links,
// as an absolute path. Empty, with *raison in French, when nothing may be
// written there: no name, a path that is not valid UTF-8, a name too long
// for the file system (the temporary name beside it counts), a folder, a
// device, a pipe or a socket, or an existing file its owner may not write.
QString cheminCible(const QString &nomFich, QString *raison);

// Why a file of at least octets bytes cannot be written at cible (a path
// from cheminCible), or an empty text: the free space of its file system.
QString refusPlace(const QString &cible, qint64 octets);

// Writes a file whole or not at all: ecrire fills a temporary file in the
// target's folder, which then replaces the target in one rename. When
// anything fails, the temporary file goes, the earlier file stays as it was,
// and *raison says why in French. The data is left to the system's own
// write-back, as a copy would be, rather than forced to the disk.
// octetsMax, a bound the caller knows on the file's size, has that room set
// aside on the disk before a byte is written, which spares the file system
// most of its work per block; what the file does not use is given back.
bool ecrireFichierEntier(const QString &nomFich, const std::function<bool(QIODevice &)> &ecrire, QString *raison,
                         qint64 octetsMax = -1);

#endif
