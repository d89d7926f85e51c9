#ifndef QUARVEL_REELS_H
#define QUARVEL_REELS_H

// Long runs of reals, a value per voxel, read the quick way: each block
// parsed in two halves on two threads, and any word the quick way does not
// take handed to the careful way of the reader, which words the refusal.

#include <QCoreApplication>
#include <QSemaphore>
#include <QString>
#include <QThreadPool>

#include <string_view>
#include <type_traits>

#include "egsphant/reelrapide.h"
#include "egsphant/texte.h"

// How far a piece of text went: values taken, lines passed, where it stopped.
struct Morceau
{
    qint64 valeurs = 0;
    qint64 lignes = 0;
    const char *fin = nullptr;
};

// Any real will do: the values of the fixed form are taken unchecked.
struct ToutReel
{
    bool operator()(double) const { return true; }
};

// The values of [p, bout), bout a blank or the text's end, up to max of
// them; stops before the first word that is not a number or not valide.
// fixe: the words are mostly in the one form of this project's densities,
// worth reading many at a time, and any value will do; when a try takes
// none, the next few words go the general way before another.
template <bool fixe, typename Valide>
Morceau analyserMorceau(const char *p, const char *bout, float *sortie, qint64 max, Valide valide)
{
    static_assert(!fixe || std::is_same_v<Valide, ToutReel>, "the fixed form takes any value");
    Morceau m;
    int attente = 0; // words to read the general way before trying the fixed form again
    while (m.valeurs < max) {
        if (fixe && --attente < 0) {
            const qint64 fixes = reelsFixes(p, bout, sortie + m.valeurs, max - m.valeurs, m.lignes);
            m.valeurs += fixes;
            if (m.valeurs == max)
                break;
            attente = fixes == 0 ? 16 : 0;
        }
        // Numbers padded with spaces: eight at a time.
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
        if (!valide(v)) {
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

// The thread of the second half of each block, started once for the whole
// read: one a block cost a fresh stack each time.
struct SecondeMoitie
{
    QThreadPool fil;

    SecondeMoitie()
    {
        fil.setMaxThreadCount(1);
        fil.setExpiryTimeout(-1);
    }
};

// The quick way over [l.p, bout), in two halves when it is long and the
// values cannot run out within it, the second half's on the second thread;
// l.p and l.ligne move past what was taken. The first half's words, counted
// first, place the second half's values straight after theirs: nothing is
// copied after, and the fresh pages of the values are met on both threads.
template <bool fixe, typename Valide>
qint64 analyserBloc(Lecteur &l, const char *bout, float *sortie, qint64 max, Valide valide, SecondeMoitie &moitie)
{
    const auto avancer = [&l](const Morceau &m) {
        l.p = m.fin;
        l.ligne += m.lignes;
    };
    const char *milieu = l.p + (bout - l.p) / 2;
    while (milieu < bout && !blanc(*milieu))
        ++milieu;
    const bool seul = bout - l.p < morceauParallele || max <= (bout - l.p) / 2 + 1 || milieu == bout;
    const qint64 mots = seul ? 0 : compterMots(l.p, milieu);
    if (seul || mots >= max) {
        const Morceau m = analyserMorceau<fixe>(l.p, bout, sortie, max, valide);
        avancer(m);
        return m.valeurs;
    }
    Morceau second;
    QSemaphore fait;
    moitie.fil.start([&] {
        second = analyserMorceau<fixe>(milieu, bout, sortie + mots, max - mots, valide);
        fait.release();
    });
    const Morceau premier = analyserMorceau<fixe>(l.p, milieu, sortie, max, valide);
    fait.acquire();
    avancer(premier);
    if (premier.fin != milieu || premier.valeurs != mots)
        return premier.valeurs; // the first half stopped at a word of its own
    avancer(second);
    return premier.valeurs + second.valeurs;
}

// Reads n values into sortie from the reader's place. attentif(v) reads
// value v the careful way, storing it or throwing; manque(v) names value v
// for the refusal at the end of the text. fixe as for analyserMorceau.
template <bool fixe = false, typename Valide, typename Attentif, typename Manque>
void lireReels(Lecteur &l, float *sortie, qint64 n, Valide valide, Attentif attentif, Manque manque)
{
    SecondeMoitie moitie;
    for (qint64 v = 0; v < n;) {
        if (!l.sauterBlancs())
            l.echec(QCoreApplication::translate("egsphant", "fin du fichier ; attendu : %1").arg(manque(v)));
        // The words that end in this block: up to its last blank.
        const char *bout = l.fin;
        if (!l.epuise)
            while (bout > l.p && !blanc(bout[-1]))
                --bout;
        qint64 pris = bout > l.p ? analyserBloc<fixe>(l, bout, sortie + v, n - v, valide, moitie) : 0;
        if (pris == 0) {
            attentif(v);
            pris = 1;
        }
        v += pris;
    }
}

#endif
