// The structure options read against the set: which region, which medium,
// which density; their records; the summary of what they gave.
#include "structures/structures.h"

#include <QCoreApplication>

#include "media/nom.h"
#include "media/tablegris.h"
#include "model/ligne.h"
#include "model/nombre.h"

namespace {

// The one region named nom, or why not.
QString trouverRegion(const JeuStructures &jeu, const QString &nom, int &region)
{
    region = -1;
    QStringList noms;
    for (int k = 0; k < jeu.regions.size(); ++k) {
        noms << jeu.regions[k].nom;
        if (jeu.regions[k].nom != nom)
            continue;
        if (region >= 0)
            return QCoreApplication::translate("structures", "deux régions s'appellent « %1 » (ROINumber %2 et %3)")
                .arg(extrait(nom), QString::number(jeu.regions[region].numero), QString::number(jeu.regions[k].numero));
        region = k;
    }
    if (region < 0)
        return QCoreApplication::translate("structures", "aucune région « %1 » (régions : %2)")
            .arg(extrait(nom), extrait(noms.join(", ")));
    return QString();
}

QString lireChoix(const QString &option, const QString &texte, const JeuStructures &jeu, const QList<Milieu> &catalogue,
                  ChoixStructure &choix)
{
    choix.texte = option + ' ' + texte;
    const qsizetype egal = texte.lastIndexOf('=');
    if (egal < 0)
        return QCoreApplication::translate("structures", "%1 attend NOM=MILIEU[:DENSITE], pas « %2 »")
            .arg(option, extrait(texte));
    QString milieu = texte.mid(egal + 1);
    std::optional<QString> densite;
    if (const qsizetype deuxPoints = milieu.lastIndexOf(':'); deuxPoints >= 0) {
        densite = milieu.mid(deuxPoints + 1).trimmed();
        milieu.truncate(deuxPoints);
    }
    milieu = milieu.trimmed();
    const auto refus = [&](const QString &pourquoi) { return QString("%1 « %2 » : %3").arg(option, extrait(texte), pourquoi); };
    if (const QString r = trouverRegion(jeu, texte.left(egal), choix.region); !r.isEmpty())
        return refus(r);
    if (const QString &r = jeu.regions[choix.region].refus; !r.isEmpty())
        return refus(QCoreApplication::translate("structures", "région « %1 » : %2")
                         .arg(extrait(jeu.regions[choix.region].nom), r));
    if (milieu.isEmpty())
        return refus(QCoreApplication::translate("structures", "nom de milieu vide"));
    if (const QString r = refusNom(milieu); !r.isEmpty())
        return refus(r);
    const Milieu *duCatalogue = trouverMilieu(catalogue, milieu);
    choix.milieu = duCatalogue ? duCatalogue->nom : milieu;
    if (densite && *densite != "ct") {
        double valeur = 0.0;
        if (!lireReel(*densite, valeur) || !(valeur > 0.0))
            return refus(QCoreApplication::translate(
                "structures", "densité « %1 » : un nombre au-dessus de 0 (g/cm³) ou « ct » est attendu")
                             .arg(extrait(*densite)));
        choix.densite = valeur;
        choix.densiteMilieu = valeur;
        return QString();
    }
    if (!duCatalogue)
        return refus(catalogue.isEmpty()
                         ? QCoreApplication::translate("structures",
                               "sans densité donnée, le milieu se cherche dans un catalogue : donner --pegs FICHIER "
                               "ou NOM=MILIEU:DENSITE")
                         : QCoreApplication::translate("structures", "aucun milieu « %1 » dans le catalogue")
                               .arg(extrait(milieu)));
    choix.densiteMilieu = duCatalogue->densite;
    if (!densite)
        choix.densite = duCatalogue->densite;
    return QString();
}

} // namespace

QString lireChoixStructures(const DemandeStructures &demande, const JeuStructures &jeu, const QList<Milieu> &catalogue,
                            QList<ChoixStructure> &choix)
{
    QList<std::pair<bool, QString>> options;
    if (demande.exterieur)
        options << std::pair{true, *demande.exterieur};
    for (const QString &texte : demande.interieurs)
        options << std::pair{false, texte};
    QList<ChoixStructure> lus;
    for (const auto &[exterieur, texte] : options) {
        ChoixStructure c;
        const QString &mot = exterieur ? demande.motExterieur : demande.motInterieur;
        if (const QString refus = lireChoix(mot, texte, jeu, catalogue, c); !refus.isEmpty())
            return refus;
        c.exterieur = exterieur;
        lus << c;
    }
    choix = lus;
    return QString();
}

QString refusReferentiel(const DemandeStructures &demande, const JeuStructures &jeu,
                         const QList<ChoixStructure> &choix, const QString &referentiel)
{
    if (referentiel.isEmpty())
        return QCoreApplication::translate("structures",
            "Structures « %1 » : la série n'a pas de (0020,0052) FrameOfReferenceUID où poser leurs contours")
            .arg(extrait(demande.fichier));
    if (!jeu.referentiels.contains(referentiel))
        return QCoreApplication::translate(
            "structures", "Structures « %1 » : (3006,0010) FrameOfReferenceUID « %2 », la série est dans « %3 »")
            .arg(extrait(demande.fichier), extrait(jeu.referentiels.join(", ")), extrait(referentiel));
    for (const ChoixStructure &c : choix)
        if (const RegionRT &r = jeu.regions[c.region]; r.referentiel != referentiel)
            return QCoreApplication::translate("structures",
                "Structures « %1 » : région « %2 » dans le repère « %3 » ((3006,0024)), la série dans « %4 »")
                .arg(extrait(demande.fichier), extrait(r.nom), extrait(r.referentiel), extrait(referentiel));
    return QString();
}

void ajouterMateriauxStructures(const QList<ChoixStructure> &choix, QList<Materiau> &materiaux)
{
    // After the ramp's lines: a level no ramp line has.
    int niveau = 0;
    for (const Materiau &m : materiaux)
        niveau = std::max(niveau, m.niveauGris + 1);
    for (const ChoixStructure &c : choix)
        materiaux << Materiau(niveau++, c.milieu, c.densiteMilieu);
}

QString resumeStructures(const JeuStructures &jeu, const QList<ChoixStructure> &choix, const std::vector<qint64> &voxels)
{
    QStringList parties;
    for (int k = 0; k < choix.size(); ++k) {
        const ChoixStructure &c = choix[k];
        parties << QCoreApplication::translate("structures", "%1« %2 » %3 : %4 voxels")
                       .arg(c.exterieur ? QCoreApplication::translate("structures", "hors de ") : "",
                           extrait(jeu.regions[c.region].nom), extrait(c.milieu.trimmed()),
                           QString::number(voxels[size_t(k)]));
    }
    return QCoreApplication::translate("structures", "structures : %1").arg(parties.join(", "));
}
