#ifndef QUARVEL_INFO_H
#define QUARVEL_INFO_H

#include <QStringList>
#include <iosfwd>

// True when the command line asks for --info rather than a build.
bool demandeInfo(const QStringList &arguments);

// quarvel-phantom --info FILE: reads a phantom (.gz too) and prints one
// tab-separated line per medium: number, name, voxels, volume (cm³), mass (g).
// A file that cannot be read: its French reason on erreurs, status 1.
int executerInfo(const QStringList &arguments, std::ostream &sortie, std::ostream &erreurs);

#endif
