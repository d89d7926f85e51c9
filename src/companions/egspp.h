#ifndef QUARVEL_EGSPP_H
#define QUARVEL_EGSPP_H

#include <QByteArray>
#include <QString>

#include "companions/fantomeecrit.h"

// The geometry's name as written: the suffix .geom is added when missing.
QString nomGeometrieEgspp(const QString &chemin);

// The ramp beside the geometry: FICHIER.geom gives FICHIER.ramp.
QString nomRampeEgspp(const QString &cheminGeometrie);

// The egs++ geometry block: one EGS_XYZGeometry named fantome that reads the
// phantom file through the ramp, set as the simulation geometry. Paths are
// absolute: egs++ applications run in a folder of their own.
QByteArray texteGeometrieEgspp(const QString &cheminFantome, const QString &cheminRampe);

// Writes the geometry and its ramp (nomGeometrieEgspp(cheminGeometrie) and
// its nomRampeEgspp), each whole or not at all, the ramp first. False, with
// the reason in French in *erreur, when no ramp can be made or a write
// fails; *lignes gets the ramp's line count.
bool ecrireGeometrieEgspp(const QString &cheminGeometrie, const FantomeEcrit &fantome, QString *erreur,
                          int *lignes = nullptr);

// « Géométrie egs++ écrite dans « x.geom », sa rampe dans « x.ramp » (N lignes) ».
QString resumeGeometrieEgspp(const QString &cheminGeometrie, int lignes);

#endif
