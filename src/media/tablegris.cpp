#include "media/tablegris.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QRegularExpression>

#include "media/materiaux.h"
#include "media/nom.h"
#include "model/ligne.h"
#include "model/densite.h"
#include "model/nombre.h"
#include "io/fichierentier.h"
#include "io/textelignes.h"

namespace {

// A table has at most 256 entries and their comments; anything far larger is
// not one, and a device that never ends must not hang the reader.
constexpr qint64 tailleMaxTable = 1 << 20;

// "N" or "N-M", 0 <= N <= M <= niveauMax.
bool lireNiveaux(const QString &texte, int &premier, int &dernier)
{
    static const QRegularExpression forme("^([0-9]{1,5})(?:-([0-9]{1,5}))?$");
    const QRegularExpressionMatch m = forme.match(texte);
    if (!m.hasMatch())
        return false;
    premier = m.captured(1).toInt();
    dernier = m.captured(2).isEmpty() ? premier : m.captured(2).toInt();
    return premier <= dernier && dernier <= niveauMax;
}

// "LEVELS NAME [DENSITY]": the levels and their choice, or why not.
QString lireEntree(int numero, const QStringList &champs, const QList<Milieu> &catalogue, int &premier, int &dernier,
                   ChoixNiveau &choix)
{
    if (!lireNiveaux(champs[0], premier, dernier))
        return refusLigne(numero, QCoreApplication::translate("media",
            "« %1 » n'est ni un niveau de gris N ni une plage N-M "
            "(0 ≤ N ≤ M ≤ %2)").arg(extrait(champs[0])).arg(niveauMax));
    if (champs.size() < 2)
        return refusLigne(numero, QCoreApplication::translate("media",
            "nom de milieu manquant après « %1 »").arg(extrait(champs[0])));
    if (champs.size() > 3)
        return refusLigne(numero, QCoreApplication::translate("media",
            "trop de champs à partir de « %1 » ; une entrée s'écrit "
            "NIVEAUX NOM [DENSITE]").arg(extrait(champs[3])));
    const QString &nom = champs[1];
    if (const QString refus = refusNom(nom); !refus.isEmpty())
        return refusLigne(numero, refus);
    if (champs.size() == 3) {
        double densite = 0.0;
        if (!lireReel(champs[2], densite) || !(densite > 0.0))
            return refusLigne(numero, QCoreApplication::translate("media",
                "densité « %1 » invalide : un nombre supérieur à 0, "
                "écrit avec un point, est attendu").arg(extrait(champs[2])));
        // The catalogue pads its names with blanks; a row reads them back padded.
        choix.nom = nom;
        for (const Milieu &milieu : catalogue)
            if (milieu.nom.trimmed() == nom) {
                choix.nom = milieu.nom;
                break;
            }
        choix.texteDensite = champs[2];
        return QString();
    }
    const Milieu *milieu = trouverMilieu(catalogue, nom);
    if (!milieu)
        return refusLigne(numero, QCoreApplication::translate("media",
            "aucun milieu « %1 » dans le catalogue : donner sa densité "
            "(NIVEAUX NOM DENSITE), ou le fichier PEGS4 qui le contient")
                                      .arg(extrait(nom)));
    choix = {milieu->nom, texteDensite(milieu->densite)};
    return QString();
}

} // namespace

const Milieu *trouverMilieu(const QList<Milieu> &catalogue, const QString &nom)
{
    const QString cherche = nom.trimmed();
    if (cherche.isEmpty())
        return nullptr;
    for (const Milieu &milieu : catalogue)
        if (milieu.nom.trimmed() == cherche)
            return &milieu;
    for (const Milieu &milieu : catalogue)
        if (milieu.nom.trimmed().compare(cherche, Qt::CaseInsensitive) == 0)
            return &milieu;
    return nullptr;
}

bool lireTableGris(QByteArrayView contenu, const QList<Milieu> &catalogue, TableGris &table, QString *erreur)
{
    TableGris lue;
    std::vector<int> ligneDe(size_t(niveauMax) + 1, 0);
    int ligneFond = 0;
    const QString refus = parcourirLignes(contenu, [&](int numero, const QStringList &champs) -> QString {
        if (champs[0] == "fond") {
            int niveau = 0, dernier = 0;
            if (champs.size() != 2 || !lireNiveaux(champs[1], niveau, dernier) || dernier != niveau)
                return refusLigne(numero, QCoreApplication::translate("media",
                    "« fond » attend un seul niveau de gris, de 0 à %1").arg(niveauMax));
            if (ligneFond)
                return QCoreApplication::translate("media",
                    "lignes %1 et %2 : deux lignes « fond »").arg(ligneFond).arg(numero);
            ligneFond = numero;
            lue.fond = niveau;
            return QString();
        }
        int premier = 0, dernier = 0;
        ChoixNiveau choix;
        if (const QString refus = lireEntree(numero, champs, catalogue, premier, dernier, choix); !refus.isEmpty())
            return refus;
        for (int niveau = premier; niveau <= dernier; ++niveau) {
            if (ligneDe[size_t(niveau)])
                return QCoreApplication::translate("media", "lignes %1 et %2 : les niveaux se recouvrent (%3)")
                    .arg(ligneDe[size_t(niveau)])
                    .arg(numero)
                    .arg(niveau);
            ligneDe[size_t(niveau)] = numero;
            lue.choix[size_t(niveau)] = choix;
        }
        return QString();
    });
    if (!refus.isEmpty()) {
        if (erreur)
            *erreur = refus;
        return false;
    }
    table = lue;
    return true;
}

bool chargerTableGris(const QString &chemin, const QList<Milieu> &catalogue, TableGris &table, QString *erreur)
{
    QByteArray contenu;
    QString raison = lireTexteCourt(chemin, tailleMaxTable, QCoreApplication::translate("media",
        "une table de niveaux de gris"), contenu);
    if (raison.isEmpty() && lireTableGris(contenu, catalogue, table, &raison))
        return true;
    if (erreur)
        *erreur = QCoreApplication::translate("media", "Table « %1 » : %2").arg(extrait(chemin), raison);
    return false;
}

bool texteTableGris(const QList<LigneNiveau> &lignes, int fond, const QList<Milieu> &catalogue, QByteArray &texte,
                    QString *erreur)
{
    QString t = "# Table de niveaux de gris : NIVEAUX NOM [DENSITE] par ligne, puis fond NIVEAU\n";
    for (const LigneNiveau &ligne : lignes) {
        const QString nom = ligne.choix.nom.trimmed();
        QString raison = refusChoix(ligne.niveau, ligne.choix.nom, ligne.choix.texteDensite, nullptr);
        if (raison.isEmpty() && (nom.contains(' ') || nom.contains('\t')))
            raison = QCoreApplication::translate("media",
                "Niveau de gris %1 : le nom « %2 » compte plusieurs mots ; une table n'en garde "
                "qu'un").arg(ligne.niveau).arg(extrait(nom));
        if (raison.isEmpty() && nom.contains('#'))
            raison = QCoreApplication::translate("media",
                "Niveau de gris %1 : le nom « %2 » contient « # », qui ouvre un commentaire dans "
                "une table").arg(ligne.niveau).arg(extrait(nom));
        if (!raison.isEmpty()) {
            if (erreur)
                *erreur = raison;
            return false;
        }
        // The density line is left out only when reading the line back gives
        // this very name and a density that the build reads as this one.
        const Milieu *milieu = trouverMilieu(catalogue, nom);
        double ici = 0.0, la = 0.0;
        const bool duCatalogue = milieu && milieu->nom == ligne.choix.nom
                                 && lireReel(ligne.choix.texteDensite, ici)
                                 && lireReel(texteDensite(milieu->densite), la) && ici == la;
        t += QString::number(ligne.niveau) + ' ' + nom;
        if (!duCatalogue)
            t += ' ' + ligne.choix.texteDensite.trimmed();
        t += '\n';
    }
    if (fond >= 0)
        t += QString("fond %1\n").arg(fond);
    texte = t.toUtf8();
    return true;
}

bool enregistrerTableGris(const QString &chemin, const QList<LigneNiveau> &lignes, int fond,
                          const QList<Milieu> &catalogue, QString *erreur)
{
    QByteArray texte;
    if (!texteTableGris(lignes, fond, catalogue, texte, erreur))
        return false;
    QString raison;
    if (ecrireFichierEntier(chemin, [&texte](QIODevice &sortie) { return sortie.write(texte) == texte.size(); },
                            &raison))
        return true;
    if (erreur)
        *erreur = QCoreApplication::translate("media", "Table « %1 » non écrite : %2").arg(extrait(chemin), raison);
    return false;
}
