#ifndef QUARVEL_DEMANDECT_H
#define QUARVEL_DEMANDECT_H

#include <QString>
#include <array>
#include <optional>

#include "scanner/cadre.h"
#include "session/ecriture.h"
#include "structures/structures.h"

class Session;

// A CT asked by its folder rather than read beforehand, as the batch
// command asks it: the series is read between the ramp and the build, and
// its voxels go into the builder without a copy.
struct DemandeCT
{
    QString dossier;
    QString serie;                // its UID; empty for the folder's only series
    std::optional<QString> rampe; // the ramp's file; none: the catalogue's default ramp
    std::optional<Boite> boite;
    std::optional<std::array<double, 3>> tailles; // cm; none: the CT's own
    DemandeStructures structures;
};

// The ramp, the structures and their records (into the session's, with the
// session's catalogue), the series, then the grid in the box and at the
// sizes asked, and its write: the summary tells the HU read and the voxels
// each structure gave its medium, and the reader's and the box's notes
// follow it.
Ecriture construireEtEcrireCT(Session &session, const DemandeCT &demande, DemandeEcriture ecriture);

#endif
