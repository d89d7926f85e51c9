#ifndef QUARVEL_TABLEGRIS_H
#define QUARVEL_TABLEGRIS_H

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

#include "model/materiau.h"
#include "model/niveaugris.h"

// What a table row holds for a grey level: the name and the density text,
// as the row's two boxes show them. The build reads the density from the
// text, so a level given the same two texts gives the same bytes.
struct ChoixNiveau
{
    QString nom;
    QString texteDensite;
};

// A grey-level table once read and its names found in the catalogue: the
// choice of every level it covers (0 to niveauMax: a label volume's values
// go beyond a picture's 255) and the level it marks as background (-1 when
// it marks none).
struct TableGris
{
    std::vector<std::optional<ChoixNiveau>> choix = std::vector<std::optional<ChoixNiveau>>(niveauMax + 1);
    int fond = -1;
};

// The catalogue medium a name stands for: outer blanks ignored, the first
// medium of the exact name, else the first one whatever the case. nullptr
// when the catalogue holds no such medium.
const Milieu *trouverMilieu(const QList<Milieu> &catalogue, const QString &nom);

// Reads table text (UTF-8): "#" comments, blank lines, "LEVELS NAME
// [DENSITY]" entries and one "fond LEVEL" line. A NAME without DENSITY takes
// the catalogue's name and density; with one, the name as written (in the
// catalogue's spelling when only the catalogue's padding blanks differ).
// False, with "ligne N : why" in *erreur, for the first faulty line; table
// is then left as it was.
bool lireTableGris(QByteArrayView contenu, const QList<Milieu> &catalogue, TableGris &table, QString *erreur);

// The same for a file; the message names the file.
bool chargerTableGris(const QString &chemin, const QList<Milieu> &catalogue, TableGris &table, QString *erreur);

// One row of the window's table as it stands.
struct LigneNiveau
{
    int niveau = 0;
    ChoixNiveau choix;
};

// The text of a table that gives these rows back: "LEVEL NAME" for a row on
// a catalogue medium at its catalogue density, "LEVEL NAME DENSITY"
// otherwise, then "fond LEVEL" (none when fond < 0). False, with why in
// *erreur, when a row could not be read back the same: a blank name or one
// of several words, or a density that the build would refuse.
bool texteTableGris(const QList<LigneNiveau> &lignes, int fond, const QList<Milieu> &catalogue, QByteArray &texte,
                    QString *erreur);

// Writes that text whole or not at all.
bool enregistrerTableGris(const QString &chemin, const QList<LigneNiveau> &lignes, int fond,
                          const QList<Milieu> &catalogue, QString *erreur);

#endif
