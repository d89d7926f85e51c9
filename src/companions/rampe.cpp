#include "companions/rampe.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "model/ligne.h"
#include "egsphant/reel.h"

namespace {

// One interval of the ramp: the medium of the densities from bas to haut.
struct Plage
{
    int milieu;
    float bas;
    float haut;
};

QByteArray texteDouble(double v)
{
    char texte[32];
    return QByteArray(texte, int(std::to_chars(texte, texte + sizeof texte, v).ptr - texte));
}

QString texteFloat(float v)
{
    char texte[32];
    return QString::fromLatin1(texte, int(std::to_chars(texte, texte + sizeof texte, v).ptr - texte));
}

// The shortest round figure strictly between bas and haut, read as a double
// (egs++ reads the ramp so) and, whenever a float fits between them, as a
// float too, so the edge never lands on a density.
QByteArray bordEntre(float bas, double haut)
{
    const bool flottantEntre = double(std::nextafter(bas, HUGE_VALF)) < haut;
    const double milieu = double(bas) + (haut - double(bas)) / 2;
    char texte[40];
    for (int chiffres = 1; chiffres <= 17; ++chiffres) {
        char *fin = std::to_chars(texte, texte + sizeof texte, milieu, std::chars_format::general, chiffres).ptr;
        double d = 0;
        float f = 0;
        std::from_chars(texte, fin, d);
        std::from_chars(texte, fin, f);
        if (double(bas) < d && d < haut && (!flottantEntre || (bas < f && double(f) < haut)))
            return QByteArray(texte, int(fin - texte));
    }
    return texteDouble(milieu);
}

// Sorted by density, then medium, with repeats removed.
void trier(std::vector<DensiteMilieu> &densites)
{
    const auto avant = [](const DensiteMilieu &a, const DensiteMilieu &b) {
        return a.densite < b.densite || (a.densite == b.densite && a.milieu < b.milieu);
    };
    const auto egales = [](const DensiteMilieu &a, const DensiteMilieu &b) {
        return a.densite == b.densite && a.milieu == b.milieu;
    };
    std::sort(densites.begin(), densites.end(), avant);
    densites.erase(std::unique(densites.begin(), densites.end(), egales), densites.end());
}

QString nomMilieu(const QList<MilieuRampe> &milieux, int milieu)
{
    return extrait(milieux[milieu].nom.trimmed());
}

bool plages(const QList<MilieuRampe> &milieux, const std::vector<DensiteMilieu> &densites,
            std::vector<Plage> &resultat, QString *refus)
{
    for (size_t k = 0; k < densites.size(); ++k) {
        const DensiteMilieu &d = densites[k];
        if (k > 0 && densites[k - 1].densite == d.densite) {
            *refus = QCoreApplication::translate("companions",
                "les milieux « %1 » et « %2 » ont la même densité %3 g/cm³ : egs++ donne un milieu "
                "par densité, aucune rampe ne les sépare (décaler l'un d'eux de 0.001 g/cm³)")
                         .arg(nomMilieu(milieux, densites[k - 1].milieu), nomMilieu(milieux, d.milieu),
                             texteFloat(d.densite));
            return false;
        }
        if (!resultat.empty() && resultat.back().milieu == d.milieu)
            resultat.back().haut = d.densite;
        else
            resultat.push_back({d.milieu, d.densite, d.densite});
    }
    if (!densites.empty() && !std::isfinite(densites.back().densite)) {
        *refus = QCoreApplication::translate(
            "companions", "une densité dépasse ce qu'egs++ lit (un nombre flottant de 32 bits)");
        return false;
    }
    return true;
}

} // namespace

QString refusMilieuxRampe(const QList<MilieuRampe> &milieux)
{
    for (const MilieuRampe &milieu : milieux) {
        const QString nom = milieu.nom.trimmed();
        if (nom.contains(' ') || nom.contains('\t'))
            return QCoreApplication::translate(
                "companions", "le milieu « %1 » contient un blanc : egs++ lit les noms de la rampe comme des mots")
                .arg(extrait(nom));
        if (!milieu.densitePegs)
            return QCoreApplication::translate("companions",
                "le milieu « %1 » n'est pas dans le fichier PEGS4 chargé : la rampe d'egs++ demande "
                "sa densité PEGS4 (rho_default)")
                .arg(extrait(nom));
    }
    return QString();
}

float densiteLue(double densite)
{
    char texte[longueurReelMax];
    const int n = formatReel(densite, texte);
    float f = 0;
    if (std::from_chars(texte, texte + n, f).ec == std::errc::result_out_of_range)
        f = densite > 1 ? HUGE_VALF : 0.0f;
    return f;
}

bool texteRampe(const QList<MilieuRampe> &milieux, std::vector<DensiteMilieu> densites, QByteArray &texte,
                QString *refus)
{
    *refus = refusMilieuxRampe(milieux);
    if (!refus->isEmpty())
        return false;
    trier(densites);
    std::vector<Plage> liste;
    if (!plages(milieux, densites, liste, refus))
        return false;
    texte.clear();
    QByteArray bas = "0";
    for (size_t k = 0; k < liste.size(); ++k) {
        const Plage &plage = liste[k];
        // Above the last density, any round figure well clear of it.
        const QByteArray haut = k + 1 < liste.size() ? bordEntre(plage.haut, liste[k + 1].bas)
                                                     : bordEntre(plage.haut, 2 * double(plage.haut) + 1);
        texte += milieux[plage.milieu].nom.trimmed().toLatin1() + ' ' + bas + ' ' + haut + ' '
                 + texteDouble(*milieux[plage.milieu].densitePegs) + '\n';
        bas = haut;
    }
    return true;
}
