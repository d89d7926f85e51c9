#ifndef QUARVEL_FICHIERENTIER_H
#define QUARVEL_FICHIERENTIER_H

#include <QString>
#include <functional>

class QIODevice;

// Writes a file whole or not at all: ecrire fills a temporary file in the
// target's folder, which then replaces the target in one rename. When
// anything fails, the temporary file goes, the earlier file stays as it was,
// and *raison says why in French. The data is left to the system's own
// write-back, as a copy would be, rather than forced to the disk.
bool ecrireFichierEntier(const QString &nomFich, const std::function<bool(QIODevice &)> &ecrire, QString *raison);

#endif
