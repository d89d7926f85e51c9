#ifndef QUARVEL_ECRITURE_H
#define QUARVEL_ECRITURE_H

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "companions/dosxyz.h"
#include "egsphant/egsphant.h"

class Session;
struct FantomeEcrit;

// The last step of the pipeline as the batch command runs it: the phantom,
// its summary and notes, then the files asked beside it. It says nothing
// itself: it returns the lines, for the caller to print.

// What to write: the phantom's file and the files beside it.
struct DemandeEcriture
{
    QString fichier;
    std::optional<QString> egsinp, egspp;
    ParametresDosxyz dosxyz;
    QString complement; // said after the summary, on its line
    QStringList notes;  // said last, each after "Note : "
    // The progress of a long write, given a way to count the text's exact
    // size; none shows no progress.
    std::function<Progression(const std::function<qint64()> &taille)> suivi;
    std::function<void()> finSuivi; // once the write ends, whatever its outcome
};

// A line for the user: on standard output what was written, on standard
// error (note) what the user should know of it.
struct LigneCompteRendu
{
    bool note = false;
    QString texte;
};

// The lines in their order, then the refusal that ends them, if any: why
// nothing was written, or why the last file beside the phantom was not
// (the phantom stays written).
struct Ecriture
{
    QList<LigneCompteRendu> lignes;
    QString refus;
};

// The DOSXYZnrc input and the egs++ geometry of a written phantom, as the
// window's buttons and the batch command's options write them: true with
// the line that says so in texte, or false with why.
bool ecrireEntree(const QString &chemin, const FantomeEcrit &fantome, const ParametresDosxyz &parametres,
                  QString &texte);
bool ecrireGeometrie(const QString &chemin, const FantomeEcrit &fantome, QString &texte);

// Refused before any grid, so that nothing is written in vain: an egs++
// geometry needs each medium in the catalogue, for its ramp's densities.
QString refusCompagnons(const Session &session, const DemandeEcriture &demande);

// Writes the grid with the session's records, then the files beside it.
Ecriture ecrireFantome(const Session &session, const DemandeEcriture &demande, const Grille &grille,
                       const Geometrie &geometrie);

// The planes' or the volume's whole pipeline: the records checked, the
// files beside refused early, the grid (a volume's memory let go once its
// voxels are in it), then the write.
Ecriture construireEtEcrire(Session &session, const DemandeEcriture &demande);

#endif
