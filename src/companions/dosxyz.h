#ifndef QUARVEL_DOSXYZ_H
#define QUARVEL_DOSXYZ_H

#include <QByteArray>
#include <QString>

#include "companions/fantomeecrit.h"

// The choices of a DOSXYZnrc run as typed, in the batch command's options
// or the window's form; the defaults are those of an empty field.
struct ChoixDosxyz
{
    QString titre;                // empty: made from the phantom's name
    QString particule = "photon"; // photon, electron or positron
    QString energie = "1.25";     // MeV
    QString histoires = "1000000";
    QString graines = "33,97";
};

// The same choices, read.
struct ParametresDosxyz
{
    QString titre;
    int iqin = 0; // DOSXYZnrc's charge: 0 photons, -1 electrons, 1 positrons
    double energie = 1.25;
    qint64 histoires = 1000000;
    int graines[2] = {33, 97};
};

// Reads choix into parametres. Why they cannot be, in French, or an empty
// text: the title must fit DOSXYZnrc's 80 characters on one line, the
// energy be above 0, the histories a whole number DOSXYZnrc counts, the two
// seeds within those of its random number generator.
QString lireChoixDosxyz(const ChoixDosxyz &choix, ParametresDosxyz &parametres);

// Why DOSXYZnrc cannot run on this phantom file, or an empty text: it reads
// plain text only.
QString refusFantomeDosxyz(const QString &cheminFantome);

// The input's name as DOSXYZnrc finds it: "-i NAME" reads NAME.egsinp, so
// the suffix is added when missing.
QString nomEntreeDosxyz(const QString &chemin);

// The input text for the phantom: its records as DOSXYZnrc reads them, the
// phantom named relative to the input's folder, a parallel beam along +z
// over the phantom's x-y extent, then the transport block.
QByteArray texteEntreeDosxyz(const QString &cheminEntree, const FantomeEcrit &fantome,
                             const ParametresDosxyz &parametres);

// Writes that text to nomEntreeDosxyz(cheminEntree), whole or not at all.
// False, with the reason in French in *erreur, for a compressed phantom or
// a failed write.
bool ecrireEntreeDosxyz(const QString &cheminEntree, const FantomeEcrit &fantome,
                        const ParametresDosxyz &parametres, QString *erreur);

// « Entrée DOSXYZnrc écrite dans « chemin » », with the absolute path.
QString resumeEntreeDosxyz(const QString &cheminEntree);

#endif
