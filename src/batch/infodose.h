#ifndef QUARVEL_INFODOSE_H
#define QUARVEL_INFODOSE_H

#include <QString>

struct Fantome;

// quarvel-phantom --info PHANTOM --dose DOSE [--dvh FILE.csv]: reads the
// dose over the phantom and gives its table per medium in *table, tab-
// separated: number, name, voxels, volume (cm³), mean and highest dose, D98,
// D50, D2 and the uncertainty (%) of the high doses; numbers with six
// significant digits, "-" where there is none. With cheminHdv, also writes
// the cumulative dose-volume histogram there, whole or not at all. False
// with one French line in *erreur.
bool infoDose(const Fantome &fantome, const QString &cheminDose, const QString &cheminHdv, QString &table,
              QString *erreur);

#endif
