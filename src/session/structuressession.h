#ifndef QUARVEL_STRUCTURESSESSION_H
#define QUARVEL_STRUCTURESSESSION_H

#include <QList>
#include <QString>

#include "model/materiau.h"
#include "structures/structures.h"
#include "structures/table.h"

struct StructuresCT;
struct VolumeCT;

// The RT Structure Set chosen for the CT: its file (empty: none), the set
// read, and each region's choices as typed, a medium or density the build
// refuses staying as typed until it is mended.
struct StructuresSession
{
    QString fichier;
    JeuStructures jeu;
    TableStructures choix;
};

// The choices read against the catalogue, as the pipeline takes them, or
// the refusal, a series they cannot lie on (ct, of FrameOfReferenceUID
// referentiel) included. No set: no structures and no refusal.
QString lireStructuresSession(const StructuresSession &choisies, const QList<Milieu> &catalogue, const VolumeCT &ct,
                              const QString &referentiel, StructuresCT &structures);

#endif
