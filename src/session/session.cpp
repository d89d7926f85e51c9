#include "session/session.h"

#include "session/saisie.h"

void Session::changerSource(SourceFantome nouvelle)
{
    if (nouvelle == enCours)
        return;
    enCours = nouvelle;
    emit sourceChangee(nouvelle);
}

void Session::choisirPlan(PlanImage p, const QString &chemin, const QImage &image)
{
    plans[int(p)].chemin = chemin;
    plans[int(p)].image = image;
    emit planChange(p);
}

void Session::cocherPlan(PlanImage p, bool coche)
{
    if (plans[int(p)].coche == coche)
        return;
    plans[int(p)].coche = coche;
    emit planChange(p);
}

void Session::inventorierPlan(PlanImage p)
{
    niveauxPlans.remplacer(p, plans[int(p)].image);
}

void Session::choisirVolume(std::shared_ptr<const Volume> volume, const QString &chemin, bool fichier,
                            const QHash<int, QRgb> &couleurs)
{
    volumeLu = {std::move(volume), chemin, fichier, couleurs};
    emit volumeChange();
}

void Session::montrerNiveaux(const QVector<int> &niveaux)
{
    niveauxMontres = niveaux;
    emit niveauxChanges();
}

void Session::choisirScanner(std::shared_ptr<const VolumeCT> ct)
{
    serieCT = std::move(ct);
    emit scannerChange();
}

QRgb Session::couleur(int niveau) const
{
    switch (enCours) {
    case SourceFantome::Plans: return niveauxPlans.couleur(niveau);
    case SourceFantome::Volume: return volumeLu.couleurs.value(niveau, qRgb(niveau, niveau, niveau));
    case SourceFantome::Scanner: break;
    }
    return qRgb(niveau, niveau, niveau);
}

void Session::ajouterMilieux(const QList<Milieu> &lus)
{
    milieux << lus;
    emit catalogueChange();
}

void Session::changerGeometrie(const GeometrieSource &geometrie)
{
    changerGeometrie(enCours, geometrie);
}

void Session::changerGeometrie(SourceFantome source, const GeometrieSource &geometrie)
{
    geometries[int(source)] = geometrie;
    emit geometrieChangee(source);
}

void Session::saisirNombre(int champ, const QString &texte)
{
    GeometrieSource &nombres = geometries[int(enCours)];
    Geometrie &g = nombres.geometrie;
    double *reels[12] = {&g.taille[0],       &g.taille[1],       &g.taille[2],       &g.origine[0],
                         &g.origine[1],      &g.origine[2],      nullptr,            nullptr,
                         nullptr,            &nombres.jusqua[0], &nombres.jusqua[1], &nombres.jusqua[2]};
    const QString refus = reels[champ] ? lireReelSaisi(champ, texte, *reels[champ])
                                       : lireCompteSaisi(champ - 6, texte, nombres.comptes[champ - 6]);
    nombres.refuses[champ] = refus.isEmpty() ? std::nullopt : std::optional<QString>(texte);
}
