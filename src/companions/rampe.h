#ifndef QUARVEL_RAMPE_EGSPP_H
#define QUARVEL_RAMPE_EGSPP_H

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// One density of a phantom as egs++ reads it from the file, a 32-bit float,
// and the medium (0-based, in the phantom's list) of the voxels that hold it.
// A phantom from planes has one pair per record; a phantom whose voxels each
// have their own density has as many pairs as distinct densities.
struct DensiteMilieu
{
    float densite = 0.0f;
    int milieu = 0;
};

// A medium of the ramp: its name as egs++ reads it (one word) and its
// density in the PEGS4 file, when the catalogue has it. egs++ scales that
// density by rho / rho_default, so rho_default must be exactly it.
struct MilieuRampe
{
    QString nom;
    std::optional<double> densitePegs;
};

// The density egs++ reads for a voxel whose density the phantom writer
// writes from densite: its six-digit text read as a float.
float densiteLue(double densite);

// Why these media cannot be named in a ramp, or an empty text: egs++ reads
// each name as one word and needs each medium's PEGS4 density.
QString refusMilieuxRampe(const QList<MilieuRampe> &milieux);

// The "ct ramp" text that gives every density of densites (in any order,
// repeats allowed) its medium: one line "NOM rho_min rho_max rho_default"
// per run of neighbouring densities of one medium, each edge strictly
// between the floats it separates. False, with *refus in French, when two
// media hold the same density (no ramp tells them apart) or the media are
// refused above.
bool texteRampe(const QList<MilieuRampe> &milieux, std::vector<DensiteMilieu> densites, QByteArray &texte,
                QString *refus);

#endif
