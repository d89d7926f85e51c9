// The batch command's CT options read, the series listed and the default
// ramp printed; the build itself is the session's.
#include "batch/ct.h"

#include <cmath>
#include <ostream>

#include "media/pegs.h"
#include "model/ligne.h"
#include "model/nombre.h"
#include "scanner/cadre.h"
#include "scanner/rampe.h"
#include "scanner/serie.h"
#include <QCoreApplication>

namespace {

// n numbers separated by commas.
std::optional<QString> nombres(const QString &option, const QString &texte, int n, double *valeurs,
                               const char *forme)
{
    const QStringList parties = texte.split(',');
    if (parties.size() != n)
        return QCoreApplication::translate("batch", "%1 attend %2, pas « %3 »").arg(option, QCoreApplication::translate("batch", forme), extrait(texte));
    for (int i = 0; i < n; ++i)
        if (!lireReel(parties[i], valeurs[i]))
            return QCoreApplication::translate("batch", "%1 « %2 » : « %3 » n'est pas un nombre").arg(option, extrait(texte), extrait(parties[i]));
    return std::nullopt;
}

} // namespace

std::optional<QString> lireCadreCT(const std::optional<QString> &texteBoite, const std::optional<QString> &texteTailles,
                                   std::optional<Boite> &boite, std::optional<std::array<double, 3>> &tailles)
{
    if (texteBoite) {
        double v[6];
        if (auto refus = nombres("--crop", *texteBoite, 6, v, QT_TRANSLATE_NOOP("batch", "six valeurs X0,X1,Y0,Y1,Z0,Z1 (cm)")))
            return refus;
        boite = Boite{{v[0], v[2], v[4]}, {v[1], v[3], v[5]}};
    }
    if (texteTailles) {
        std::array<double, 3> t;
        if (auto refus = nombres("--size", *texteTailles, 3, t.data(), QT_TRANSLATE_NOOP("batch", "trois valeurs SX,SY,SZ (cm)")))
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
