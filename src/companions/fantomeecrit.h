#ifndef QUARVEL_FANTOMEECRIT_H
#define QUARVEL_FANTOMEECRIT_H

#include <QList>
#include <QString>

#include <vector>

#include "companions/rampe.h"
#include "model/materiau.h"
#include "egsphant/egsphant.h"

// What the files written beside a phantom need of it, kept once the phantom
// is written: the window writes them later, from the last phantom.
struct FantomeEcrit
{
    QString chemin; // absolute
    Geometrie geometrie;
    int dim[3] = {0, 0, 0};
    QList<MilieuRampe> milieux;          // the phantom's media, in its order
    std::vector<DensiteMilieu> densites; // the distinct densities its voxels hold, with their media
    bool catalogue = false;              // a PEGS4 file was loaded
};

// The phantom's media, numbered as numerosMilieux numbers the records. A
// medium's PEGS4 density is that of the catalogue's first medium of its
// name (blanks around ignored), the one DOSXYZnrc and egs++ take.
QList<MilieuRampe> milieuxRampe(const QList<Materiau> &materiaux, const QList<Milieu> &catalogue);

// The written phantom of these records and grid.
FantomeEcrit decrireFantome(const QString &chemin, const QList<Materiau> &materiaux, const Grille &grille,
                            const Geometrie &geometrie, const QList<Milieu> &catalogue);

// Why no egs++ ramp can be made for these media, or an empty text; asked
// before a build as well, so that nothing is written in vain.
QString refusCatalogueEgspp(const QList<MilieuRampe> &milieux, bool catalogue);

#endif
