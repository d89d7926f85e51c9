// The structures table's choices: as options for the pipeline, and as a
// table file in the ramp's manner.
#include "structures/table.h"

#include <QCoreApplication>
#include <QIODevice>

#include "io/fichierentier.h"
#include "io/textelignes.h"
#include "media/nom.h"
#include "model/ligne.h"
#include "model/nombre.h"

namespace {

// A table file has a line per region; anything far larger is not one.
constexpr qint64 tailleMaxTable = 1 << 20;

// "NAME=MEDIUM[:DENSITY]" as --structure reads it; a decimal comma typed in
// the window reads as a full stop.
QString texteChoix(const QString &nom, const LigneStructure &ligne)
{
    const QString densite = avecPointDecimal(ligne.densite.trimmed());
    return nom + '=' + ligne.milieu.trimmed() + (densite.isEmpty() ? QString() : ':' + densite);
}

// The row named by words, joined as the file's blanks split them.
int ligneNommee(const JeuStructures &jeu, const QStringList &mots)
{
    const QString nom = mots.join(' ');
    for (int k = 0; k < jeu.regions.size(); ++k)
        if (jeu.regions[k].nom.simplified() == nom)
            return k;
    return -1;
}

QString lireLigne(const QStringList &mots, const JeuStructures &jeu, TableStructures &table, QList<bool> &nommees)
{
    if (mots.size() < 4 || (mots[0] != "interieur" && mots[0] != "exterieur"))
        return QCoreApplication::translate("structures",
            "une ligne s'écrit interieur|exterieur MILIEU DENSITE NOM (DENSITE : un nombre, « ct » ou « - »)");
    if (const QString refus = refusNom(mots[1]); !refus.isEmpty())
        return refus;
    double valeur = 0.0;
    if (mots[2] != "-" && mots[2] != "ct" && !lireReel(mots[2], valeur))
        return QCoreApplication::translate("structures", "densité « %1 » : un nombre avec un point, « ct » ou « - »")
            .arg(extrait(mots[2]));
    const int k = ligneNommee(jeu, mots.mid(3));
    if (k < 0)
        return QCoreApplication::translate("structures", "aucune région « %1 »").arg(extrait(mots.mid(3).join(' ')));
    if (nommees[k])
        return QCoreApplication::translate("structures", "région « %1 » déjà nommée").arg(extrait(jeu.regions[k].nom));
    if (mots[0] == "exterieur") {
        if (table.exterieur >= 0)
            return QCoreApplication::translate("structures", "un seul extérieur, déjà « %1 »")
                .arg(extrait(jeu.regions[table.exterieur].nom));
        table.exterieur = k;
    }
    nommees[k] = true;
    table.lignes[k] = {true, mots[1], mots[2] == "-" ? QString() : mots[2]};
    return QString();
}

} // namespace

DemandeStructures demandeDuTableau(const QString &fichier, const JeuStructures &jeu, const TableStructures &table)
{
    DemandeStructures demande{fichier, std::nullopt, {}, QCoreApplication::translate("structures", "Extérieur"),
                              QCoreApplication::translate("structures", "Structure")};
    for (int k = 0; k < table.lignes.size() && k < jeu.regions.size(); ++k) {
        if (!table.lignes[k].cochee)
            continue;
        const QString texte = texteChoix(jeu.regions[k].nom, table.lignes[k]);
        if (k == table.exterieur)
            demande.exterieur = texte;
        else
            demande.interieurs << texte;
    }
    return demande;
}

QByteArray texteTableStructures(const JeuStructures &jeu, const TableStructures &table)
{
    QString t = "# Choix des structures : les régions cochées et leur milieu, une ligne chacune.\n"
                "# interieur|exterieur MILIEU DENSITE NOM : « exterieur » donne le milieu hors de la région ;\n"
                "# DENSITE en g/cm3 avec un point, « ct » pour celle de la rampe, « - » pour celle du catalogue ;\n"
                "# NOM va jusqu'au bout de la ligne.\n";
    for (int k = 0; k < table.lignes.size() && k < jeu.regions.size(); ++k) {
        const LigneStructure &l = table.lignes[k];
        if (!l.cochee)
            continue;
        const QString densite = avecPointDecimal(l.densite.trimmed());
        t += QString("%1 %2 %3 %4\n")
                 .arg(k == table.exterieur ? "exterieur" : "interieur", l.milieu.trimmed(),
                      densite.isEmpty() ? "-" : densite, jeu.regions[k].nom.simplified());
    }
    return t.toUtf8();
}

bool lireTableStructures(QByteArrayView contenu, const JeuStructures &jeu, TableStructures &table, QString *erreur)
{
    TableStructures lue;
    lue.lignes.resize(jeu.regions.size());
    QList<bool> nommees(jeu.regions.size(), false);
    const QString refus = parcourirLignes(contenu, [&](int numero, const QStringList &mots) -> QString {
        const QString r = lireLigne(mots, jeu, lue, nommees);
        return r.isEmpty() ? r : refusLigne(numero, r);
    });
    if (!refus.isEmpty()) {
        if (erreur)
            *erreur = refus;
        return false;
    }
    table = lue;
    return true;
}

bool chargerTableStructures(const QString &chemin, const JeuStructures &jeu, TableStructures &table, QString *erreur)
{
    QByteArray contenu;
    QString raison = lireTexteCourt(chemin, tailleMaxTable,
                                    QCoreApplication::translate("structures", "un choix de structures"), contenu);
    if (raison.isEmpty() && lireTableStructures(contenu, jeu, table, &raison))
        return true;
    if (erreur)
        *erreur = QCoreApplication::translate("structures", "Choix des structures « %1 » : %2").arg(extrait(chemin), raison);
    return false;
}

bool enregistrerTableStructures(const QString &chemin, const JeuStructures &jeu, const TableStructures &table,
                                QString *erreur)
{
    const QByteArray texte = texteTableStructures(jeu, table);
    QString raison;
    if (ecrireFichierEntier(chemin, [&texte](QIODevice &sortie) { return sortie.write(texte) == texte.size(); },
                            &raison))
        return true;
    if (erreur)
        *erreur = QCoreApplication::translate("structures", "Choix des structures « %1 » non écrit : %2")
                      .arg(extrait(chemin), raison);
    return false;
}
