// The batch command's CT build: the same library calls as the window's, so
// both give the same file.
#include "batch/ct.h"

#include <cmath>
#include <ostream>

#include "egsphant/egsphant.h"
#include "media/pegs.h"
#include "model/ligne.h"
#include "model/nombre.h"
#include "phantom/construction.h"
#include "phantom/verifications.h"
#include "scanner/cadre.h"
#include "scanner/fantomect.h"
#include "scanner/rampe.h"
#include "scanner/serie.h"
#include "scanner/volumect.h"

namespace {

// n numbers separated by commas.
std::optional<QString> nombres(const QString &option, const QString &texte, int n, double *valeurs,
                               const char *forme)
{
    const QStringList parties = texte.split(',');
    if (parties.size() != n)
        return QString("%1 attend %2, pas « %3 »").arg(option, forme, extrait(texte));
    for (int i = 0; i < n; ++i)
        if (!lireReel(parties[i], valeurs[i]))
            return QString("%1 « %2 » : « %3 » n'est pas un nombre").arg(option, extrait(texte), extrait(parties[i]));
    return std::nullopt;
}

std::optional<QString> lireCadre(const DemandeCT &demande, std::optional<Boite> &boite,
                                 std::optional<std::array<double, 3>> &tailles)
{
    if (demande.boite) {
        double v[6];
        if (auto refus = nombres("--crop", *demande.boite, 6, v, "six valeurs X0,X1,Y0,Y1,Z0,Z1 (cm)"))
            return refus;
        boite = Boite{{v[0], v[2], v[4]}, {v[1], v[3], v[5]}};
    }
    if (demande.tailles) {
        std::array<double, 3> t;
        if (auto refus = nombres("--size", *demande.tailles, 3, t.data(), "trois valeurs SX,SY,SZ (cm)"))
            return refus;
        tailles = t;
    }
    return std::nullopt;
}

std::optional<QString> lireCatalogue(const std::optional<QString> &pegs, QList<Milieu> &catalogue)
{
    QString erreur;
    // The per-medium trace is for the window's console, not for scripts.
    std::ostream rien(nullptr);
    if (pegs && !lireFichierPegs(*pegs, catalogue, rien, &erreur))
        return erreur;
    return std::nullopt;
}

QString nombreHU(double v)
{
    return QString::number(v, 'g', 6);
}

} // namespace

std::optional<QString> preparerCT(const DemandeCT &demande, QList<Milieu> &catalogue, QList<Materiau> &materiaux,
                                  Grille &grille, Geometrie &geometrie, QString *plageHU, QStringList *notes)
{
    std::optional<Boite> boite;
    std::optional<std::array<double, 3>> tailles;
    if (auto refus = lireCadre(demande, boite, tailles))
        return refus;
    if (auto refus = lireCatalogue(demande.pegs, catalogue))
        return refus;
    Rampe rampe;
    QString erreur;
    if (demande.rampe ? !chargerRampe(*demande.rampe, rampe, &erreur) : !rampeParDefaut(catalogue, rampe, &erreur))
        return erreur;
    materiaux = materiauxRampe(rampe, catalogue);
    numeroterMateriaux(materiaux);
    if (const QString refus = refusMateriaux(materiaux); !refus.isEmpty())
        return refus;

    VolumeCT ct;
    SerieCT lue;
    if (!lireSerieCT(demande.dossier, demande.serie.value_or(QString()), ct, &erreur, &lue))
        return erreur;
    if (notes)
        *notes = ct.notes;
    AxeCadre cadre[3];
    if (const QString refus = cadrer(ct.axes, boite, tailles, cadre); !refus.isEmpty())
        return refus;
    const qint64 comptes[3] = {cadre[0].compte, cadre[1].compte, cadre[2].compte};
    for (int a = 0; a < 3; ++a) {
        geometrie.taille[a] = cadre[a].taille;
        geometrie.origine[a] = cadre[a].origine;
        geometrie.bornes[a] = cadre[a].bornes;
    }
    // Without records: each voxel's own density text may be the shortest.
    if (const QString refus = refusAvantGrille(demande.fichier, {}, geometrie, comptes); !refus.isEmpty())
        return refus;
    if (plageHU)
        *plageHU = QString("HU lus de %1 à %2%3").arg(nombreHU(ct.huMin), nombreHU(ct.huMax), imagesEcartees(lue));
    if (!construireFantomeCT(std::move(ct), cadre, rampe, grille, geometrie, &erreur))
        return erreur;
    return std::nullopt;
}

std::optional<QString> listeSeries(const QString &dossier, QByteArray &texte)
{
    QList<SerieCT> series;
    QString erreur;
    if (!listerSeriesCT(dossier, series, &erreur))
        return erreur;
    auto nombre = [](double v) { return std::isfinite(v) ? QString::number(v, 'g', 6) : QString(); };
    for (const SerieCT &s : series) {
        const QString espacement = std::isfinite(s.espacement[0]) && std::isfinite(s.espacement[1])
                                       ? nombre(s.espacement[0]) + "," + nombre(s.espacement[1])
                                       : QString();
        const QStringList champs = {surUneLigne(s.uid), surUneLigne(s.numero), surUneLigne(s.description),
                                    QString::number(s.coupes), espacement, nombre(s.pasMin), nombre(s.pasMax),
                                    nombre(s.inclinaison), surUneLigne(s.fichier)};
        texte += champs.join('\t').toUtf8() + '\n';
    }
    return std::nullopt;
}

std::optional<QString> modeleRampe(const QString &pegs, QByteArray &texte)
{
    QList<Milieu> catalogue;
    if (auto refus = lireCatalogue(pegs, catalogue))
        return refus;
    Rampe rampe;
    QString erreur;
    if (!rampeParDefaut(catalogue, rampe, &erreur))
        return erreur;
    texte = texteRampe(rampe);
    return std::nullopt;
}
