// The .3ddose reader. Doses and uncertainties, most of the text, come as
// long runs of numbers on few lines, read the quick way (egsphant/reels.h).
#include "dose/dose.h"

#include <QCoreApplication>
#include <cmath>
#include <vector>

#include "egsphant/reels.h"

namespace {

enum class Genre { dose, incertitude };

template <Genre genre>
bool valide(double v)
{
    return genre == Genre::dose ? v >= 0 && std::isfinite(v) : v >= 0 && v <= 1;
}

class AnalyseDose
{
public:
    AnalyseDose(Lecteur &l, qint64 texteMax, Dose &d) : l(l), texteMax(texteMax), d(d) {}

    void lire()
    {
        // Each dose takes at least a digit and its blank.
        l.comptes(d.dim, texteMax, 2);
        for (int a = 0; a < 3; ++a)
            lireBornes(a);
        const qint64 voxels = d.nombreVoxels();
        d.doses.reset(static_cast<float *>(allouer(voxels * qint64(sizeof(float)))));
        lireValeurs<Genre::dose>(d.doses.get());
        if (!l.sauterBlancs())
            return; // no uncertainties: egs++ may leave them out
        d.incertitudes.reset(static_cast<float *>(allouer(voxels * qint64(sizeof(float)))));
        lireValeurs<Genre::incertitude>(d.incertitudes.get());
        if (l.sauterBlancs())
            l.echec(QCoreApplication::translate("dose", "valeur en trop après les %1 incertitudes : %2")
                        .arg(voxels)
                        .arg(cite(l.jeton().substr(0, 20))));
    }

private:
    void lireBornes(int a)
    {
        const char axe = "XYZ"[a];
        // Grown as the numbers arrive rather than sized from the count.
        for (int i = 0; i <= d.dim[a]; ++i) {
            const double b = l.reel(QString("limite %1 des voxels selon %2").arg(i + 1).arg(axe));
            if (i > 0 && !(b > d.bornes[a].back()))
                l.echec(QString("la limite %1 des voxels selon %2 (%3 cm) ne dépasse pas la précédente (%4 cm)")
                            .arg(i + 1)
                            .arg(axe)
                            .arg(b)
                            .arg(d.bornes[a].back()));
            d.bornes[a].push_back(b);
        }
    }

    template <Genre genre>
    void lireValeurs(float *sortie)
    {
        lireReels(
            l, sortie, d.nombreVoxels(), valide<genre>, [&](qint64 v) { valeurAttentive<genre>(sortie, v); },
            [&](qint64 v) { return QCoreApplication::translate("dose",
                "%1 du voxel %2").arg(nom<genre>(), nomVoxel(v, d.dim)); });
    }

    // One word the careful way: taken if it is good after all (cut across
    // two blocks), refused with its line and voxel otherwise.
    template <Genre genre>
    void valeurAttentive(float *sortie, qint64 v)
    {
        const std::string_view mot = l.jetonAttendu(QCoreApplication::translate("dose",
            "%1 du voxel %2").arg(nom<genre>(), nomVoxel(v, d.dim)));
        double valeur = 0;
        if (!lireNombre(mot, valeur))
            l.echec(QCoreApplication::translate("dose", "%1 n'est pas un nombre (%2 du voxel %3)")
                        .arg(cite(mot), nom<genre>(), nomVoxel(v, d.dim)));
        if (!valide<genre>(valeur))
            l.echec(genre == Genre::dose
                        ? QCoreApplication::translate("dose",
                            "dose négative du voxel %1 : %2").arg(nomVoxel(v, d.dim), cite(mot))
                        : QCoreApplication::translate("dose",
                            "incertitude du voxel %1 hors de 0 à 1 : %2").arg(nomVoxel(v, d.dim), cite(mot)));
        sortie[v] = float(valeur);
    }

    template <Genre genre>
    static QString nom()
    {
        return genre == Genre::dose ? QCoreApplication::translate("dose", "dose")
                                    : QCoreApplication::translate("dose", "incertitude");
    }

    Lecteur &l;
    const qint64 texteMax;
    Dose &d;
};

} // namespace

bool lireDose(const QString &chemin, Dose &dose, QString *erreur, const SuiviLecture &suivi)
{
    dose = Dose();
    const bool lu = lireTexte(chemin, erreur, suivi, QCoreApplication::translate("dose",
        "mémoire insuffisante pour lire cette dose"),
                              [&](Lecteur &lecteur, qint64 texteMax) { AnalyseDose(lecteur, texteMax, dose).lire(); });
    if (!lu)
        dose = Dose();
    return lu;
}
