#ifndef QUARVEL_PROFILS_H
#define QUARVEL_PROFILS_H

#include <array>

#include "viewer/panneau.h"

class QChart;
class QLineSeries;
struct Dose;
struct Fantome;

// The dose along the three lines through a voxel, along x, y and z, each
// over bands in the colours of the media it crosses. Its CSV gives every
// voxel of the three lines: axis, centre (cm), dose, uncertainty, medium.
class PanneauProfils : public PanneauExportable
{
    Q_OBJECT

public:
    explicit PanneauProfils(Choix choisir, QWidget *parent = nullptr);

    // The dose over the phantom, or none; both outlive what is shown. The
    // highest dose tops the dose axis of the three.
    void montrer(const Fantome *fantome, const Dose *dose, const QString &dossier);
    // The three lines through this voxel.
    void suivre(const std::array<int, 3> &voxel);

    std::array<QChart *, 3> graphiques; // along x, y, z
    std::array<QLineSeries *, 3> courbes;

protected:
    QByteArray texteCsv() const override;

private:
    qint64 voxelSur(int axe, int k) const;
    void peindreBandes(int axe);

    std::array<int, 3> voxel{};
};

#endif
