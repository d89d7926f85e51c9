// The .3ddose reader. Doses and uncertainties, most of the text, come as
// long runs of numbers on few lines: each block is parsed in two halves on
// two threads, and a word the quick way refuses goes through the careful
// one, which words the refusal.
#include "dose/dose.h"

#include <cmath>
#include <future>
#include <vector>

#include "egsphant/reelrapide.h"
#include "egsphant/texte.h"

namespace {

enum class Genre { dose, incertitude };

template <Genre genre>
bool valide(double v)
{
    return genre == Genre::dose ? v >= 0 && std::isfinite(v) : v >= 0 && v <= 1;
}

// How far a piece of text went: values taken, lines passed, where it stopped.
struct Morceau
{
    qint64 valeurs = 0;
    qint64 lignes = 0;
    const char *fin = nullptr;
};

// The values of [p, bout), bout a blank or the text's end, up to max of
// them; stops before the first word the quick way cannot take.
template <Genre genre>
Morceau analyserMorceau(const char *p, const char *bout, float *sortie, qint64 max)
{
    Morceau m;
    while (m.valeurs < max) {
        // DOSXYZnrc pads its numbers with spaces: eight at a time.
        while (bout - p >= 8 && huitOctets(p) == 0x2020202020202020ull)
            p += 8;
        while (p < bout && blanc(*p))
            m.lignes += *p++ == '\n';
        if (p == bout)
            break;
        const char *debut = p;
        double v = 0;
        if (!reelRapide(p, bout, v)) {
            const char *q = p;
            while (q < bout && !blanc(*q))
                ++q;
            if (!lireNombre(std::string_view(p, size_t(q - p)), v))
                break;
            p = q;
        }
        if (!valide<genre>(v)) {
            p = debut;
            break;
        }
        sortie[m.valeurs++] = float(v);
    }
    m.fin = p;
    return m;
}

// Below this, a second thread costs more than it saves.
constexpr qint64 morceauParallele = 1 << 18;

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
            l.echec(QString("valeur en trop après les %1 incertitudes : %2").arg(voxels).arg(cite(l.jeton().substr(0, 20))));
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
        const qint64 n = d.nombreVoxels();
        for (qint64 v = 0; v < n;) {
            if (!l.sauterBlancs())
                l.echec(QString("fin du fichier ; attendu : %1 du voxel %2").arg(nom<genre>(), nomVoxel(v, d.dim)));
            // The words that end in this block: up to its last blank.
            const char *bout = l.fin;
            if (!l.epuise)
                while (bout > l.p && !blanc(bout[-1]))
                    --bout;
            qint64 pris = 0;
            if (bout > l.p)
                pris = analyser<genre>(bout, sortie + v, n - v);
            if (pris == 0) {
                valeurAttentive<genre>(sortie, v);
                pris = 1;
            }
            v += pris;
        }
    }

    // The quick way over [l.p, bout), in two halves when it is long and the
    // values cannot run out within it; l.p moves past what was taken.
    template <Genre genre>
    qint64 analyser(const char *bout, float *sortie, qint64 max)
    {
        const char *milieu = l.p + (bout - l.p) / 2;
        while (milieu < bout && !blanc(*milieu))
            ++milieu;
        if (bout - l.p < morceauParallele || max <= (bout - l.p) / 2 + 1 || milieu == bout) {
            const Morceau m = analyserMorceau<genre>(l.p, bout, sortie, max);
            avancer(m);
            return m.valeurs;
        }
        std::vector<float> seconde(size_t((bout - milieu) / 2 + 1));
        auto tache = std::async(std::launch::async, [&] {
            return analyserMorceau<genre>(milieu, bout, seconde.data(), qint64(seconde.size()));
        });
        const Morceau premier = analyserMorceau<genre>(l.p, milieu, sortie, max);
        const Morceau second = tache.get();
        avancer(premier);
        if (premier.fin != milieu)
            return premier.valeurs; // the first half stopped at a word of its own
        std::copy(seconde.begin(), seconde.begin() + second.valeurs, sortie + premier.valeurs);
        avancer(second);
        return premier.valeurs + second.valeurs;
    }

    void avancer(const Morceau &m)
    {
        l.p = m.fin;
        l.ligne += m.lignes;
    }

    // One word the careful way: taken if it is good after all (cut across
    // two blocks), refused with its line and voxel otherwise.
    template <Genre genre>
    void valeurAttentive(float *sortie, qint64 v)
    {
        const std::string_view mot = l.jetonAttendu(QString("%1 du voxel %2").arg(nom<genre>(), nomVoxel(v, d.dim)));
        double valeur = 0;
        if (!lireNombre(mot, valeur))
            l.echec(cite(mot) + QString(" n'est pas un nombre (%1 du voxel %2)").arg(nom<genre>(), nomVoxel(v, d.dim)));
        if (!valide<genre>(valeur))
            l.echec(genre == Genre::dose
                        ? QString("dose négative du voxel %1 : %2").arg(nomVoxel(v, d.dim), cite(mot))
                        : QString("incertitude du voxel %1 hors de 0 à 1 : %2").arg(nomVoxel(v, d.dim), cite(mot)));
        sortie[v] = float(valeur);
    }

    template <Genre genre>
    static QString nom()
    {
        return genre == Genre::dose ? "dose" : "incertitude";
    }

    Lecteur &l;
    const qint64 texteMax;
    Dose &d;
};

} // namespace

bool lireDose(const QString &chemin, Dose &dose, QString *erreur, const SuiviLecture &suivi)
{
    dose = Dose();
    const bool lu = lireTexte(chemin, erreur, suivi, "mémoire insuffisante pour lire cette dose",
                              [&](Lecteur &lecteur, qint64 texteMax) { AnalyseDose(lecteur, texteMax, dose).lire(); });
    if (!lu)
        dose = Dose();
    return lu;
}
