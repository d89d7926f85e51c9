#include "egsphant/egsphant.h"

#include <QBuffer>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <future>
#include <system_error>
#include <vector>
#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#endif

#include "media/materiaux.h"
#include "media/nom.h"
#include "model/ligne.h"
#include "model/partage.h"
#include "model/suite.h"
#include "io/fichierentier.h"
#include "streams/gzip.h"
#include "egsphant/reel.h"

namespace {

// Collects the text in a large block and hands it to the device block by
// block: a call per number would cost more than the bytes themselves. The
// device writes one block on a second thread while the next one is filled,
// so making the text and moving it to the disk overlap.
class Tampon
{
public:
    explicit Tampon(QIODevice &sortie, const Progression *progression = nullptr)
        : sortie(sortie), blocs{std::vector<char>(4 << 20), std::vector<char>(4 << 20)}, progression(progression) {}
    ~Tampon()
    {
        if (ecriture.valid())
            ecriture.wait();
    }

    // Room for at least n more bytes (n at most the block size).
    char *place(qint64 n)
    {
        if (utilise + n > taille())
            vider();
        return bloc() + utilise;
    }
    qint64 libre() const { return taille() - utilise; }
    void avancer(qint64 n) { utilise += n; }
    void ajouter(const char *texte, qint64 n)
    {
        if (n <= taille()) {
            std::memcpy(place(n), texte, n);
            utilise += n;
            return;
        }
        // Larger than a block (a very long name): everything before it goes
        // first, then the piece itself, straight from where it lies.
        vider();
        attendre();
        if (!ecrire(texte, n))
            ok = false;
        verifier();
    }
    void ajouter(char c) { *place(1) = c; ++utilise; }
    void ajouterEntier(qint64 valeur, int largeur = 0)
    {
        char texte[32];
        const int n = std::snprintf(texte, sizeof texte, "%*lld", largeur, static_cast<long long>(valeur));
        ajouter(texte, n);
    }
    void ajouterReel(double valeur) { avancer(formatReel(valeur, place(longueurReelMax))); }

    // Hands the current block to the writing thread and switches to the other one.
    void vider()
    {
        attendre();
        verifier();
        if (utilise > 0 && ok) {
            const char *debut = bloc();
            const qint64 n = utilise;
            try {
                ecriture = std::async(std::launch::async, [this, debut, n] { return ecrire(debut, n); });
            } catch (const std::system_error &) {
                ok = ecrire(debut, n); // no thread to be had: write it here
            }
            courant ^= 1;
            envoyes += n;
        }
        utilise = 0;
        if (progression && *progression && !(*progression)(envoyes)) {
            ok = false;
            throw Arret{};
        }
    }

    // Thrown when progression asks to stop: the rest of the text is not made.
    struct Arret
    {
    };

    // Everything written, or false.
    bool terminer()
    {
        vider();
        attendre();
        return ok;
    }

    // Thrown as soon as a block is known not to have been written: the rest
    // of the text is not worth making.
    struct Echec
    {
    };

private:
    char *bloc() { return blocs[courant].data(); }
    qint64 taille() const { return qint64(blocs[courant].size()); }

    void attendre()
    {
        if (ecriture.valid())
            ok = ecriture.get() && ok;
    }
    void verifier()
    {
        if (!ok)
            throw Echec{};
    }

    bool ecrire(const char *debut, qint64 n) { return sortie.write(debut, n) == n; }

    QIODevice &sortie;
    std::vector<char> blocs[2];
    int courant = 0;
    qint64 utilise = 0;
    std::future<bool> ecriture;
    bool ok = true;
    const Progression *progression;
    qint64 envoyes = 0;
};

// Each medium's density text with its trailing blank, formatted once: the
// density map repeats these few texts for every voxel. Slots are padded so a
// fixed-size copy moves any of them.
constexpr int largeurCase = 32;
static_assert(longueurReelMax + 1 <= largeurCase, "a density text must fit its slot");

struct TextesDensite
{
    std::vector<char> cases;
    std::vector<int> longueurs;
};

TextesDensite textesValeurs(const std::vector<double> &densites)
{
    TextesDensite textes;
    textes.cases.assign(densites.size() * largeurCase, ' ');
    for (double densite : densites) {
        char *c = textes.cases.data() + textes.longueurs.size() * largeurCase;
        const int n = formatReel(densite, c);
        c[n] = ' ';
        textes.longueurs.push_back(n + 1);
    }
    return textes;
}

TextesDensite textesDensite(const QList<Materiau> &materiaux)
{
    std::vector<double> densites;
    for (const Materiau &m : materiaux)
        densites.push_back(m.densite);
    return textesValeurs(densites);
}

// The media of the file: each distinct name once, as its first record spells
// it, and the key character of every record's medium.
struct Milieux
{
    std::vector<int> premiers; // first record of each medium
    std::array<char, 256> cles{};
};

Milieux milieuxDuFichier(const QList<Materiau> &materiaux)
{
    Milieux milieux;
    const std::vector<int> numeros = numerosMilieux(materiaux);
    for (size_t k = 0; k < numeros.size() && k < milieux.cles.size(); ++k) {
        if (numeros[k] > int(milieux.premiers.size()))
            milieux.premiers.push_back(int(k));
        milieux.cles[k] = cleMilieux[numeros[k]];
    }
    return milieux;
}

void ecrireEntete(Tampon &t, const QList<Materiau> &materiaux, const Milieux &milieux, const TextesDensite &textes,
                  const Grille &grille, const Geometrie &geometrie)
{
    t.ajouterEntier(qint64(milieux.premiers.size()));
    t.ajouter('\n');
    for (int k : milieux.premiers) {
        const QByteArray nom = materiaux[k].nom.toLatin1();
        t.ajouter(nom.constData(), nom.size());
        t.ajouter('\n');
    }
    // Each medium's density is its first record's; the density map keeps every record's own.
    for (int k : milieux.premiers)
        t.ajouter(textes.cases.data() + size_t(k) * largeurCase, textes.longueurs[size_t(k)]);
    t.ajouter('\n');
    const int dims[3] = {grille.dimX, grille.dimY, grille.dimZ};
    for (int axe = 0; axe < 3; ++axe) {
        if (axe > 0)
            t.ajouter(' ');
        t.ajouterEntier(dims[axe], 4);
    }
    t.ajouter('\n');
    for (int axe = 0; axe < 3; ++axe) {
        for (qint64 i = 0; i <= dims[axe]; ++i) {
            t.ajouterReel(geometrie.borne(axe, i));
            t.ajouter(' ');
        }
        t.ajouter('\n');
    }
}

// Where the run of equal voxels that starts at debut ends, when it is at
// least 8 voxels long; debut itself for a shorter run, which is not worth a
// bulk copy.
qint64 finDeSuite(const quint8 *v, qint64 debut, qint64 n)
{
    const qint64 longueur = longueurSuite(v + debut, n - debut);
    return longueur >= 8 ? debut + longueur : debut;
}

void ecrireCarteMilieux(Tampon &t, const Grille &grille, const std::array<char, 256> &cles)
{
    for (int z = 0; z < grille.dimZ; ++z) {
        for (int y = 0; y < grille.dimY; ++y) {
            const quint8 *voxel = grille.ligne(z, y);
            for (qint64 x = 0; x < grille.dimX;) {
                char *out = t.place(1);
                const qint64 n = std::min<qint64>(grille.dimX - x, t.libre());
                // A run of equal voxels is one fill; other voxels go eight at a time.
                const quint8 *v = voxel + x;
                for (qint64 i = 0; i < n;) {
                    if (const qint64 fin = finDeSuite(v, i, n); fin > i) {
                        std::memset(out + i, cles[v[i]], size_t(fin - i));
                        i = fin;
                        continue;
                    }
                    for (const qint64 fin = std::min(n, i + 8); i < fin; ++i)
                        out[i] = cles[v[i]];
                }
                t.avancer(n);
                x += n;
            }
            t.ajouter('\n');
        }
        t.ajouter('\n');
    }
}

void ecrireCarteDensites(Tampon &t, const Grille &grille, const TextesDensite &textes)
{
    const char *cases = textes.cases.data();
    const int *longueurs = textes.longueurs.data();
    // Each record's text repeated: a run of equal voxels, the common case,
    // becomes a few long copies instead of one copy per voxel.
    constexpr qint64 fois = 64;
    std::vector<std::vector<char>> suites(textes.longueurs.size());
    for (size_t k = 0; k < suites.size(); ++k)
        for (qint64 i = 0; i < fois; ++i)
            suites[k].insert(suites[k].end(), cases + k * largeurCase, cases + k * largeurCase + longueurs[k]);
    for (int z = 0; z < grille.dimZ; ++z) {
        for (int y = 0; y < grille.dimY; ++y) {
            const quint8 *voxel = grille.ligne(z, y);
            for (qint64 x = 0; x < grille.dimX;) {
                char *debut = t.place(largeurCase);
                const qint64 n = std::min<qint64>(grille.dimX - x, t.libre() / largeurCase);
                const quint8 *v = voxel + x;
                char *out = debut;
                for (qint64 i = 0; i < n;) {
                    if (const qint64 fin = finDeSuite(v, i, n); fin > i) {
                        const int k = v[i];
                        for (qint64 reste = fin - i; reste > 0; reste -= fois) {
                            const qint64 octets = std::min(reste, fois) * longueurs[k];
                            std::memcpy(out, suites[size_t(k)].data(), size_t(octets));
                            out += octets;
                        }
                        i = fin;
                        continue;
                    }
                    for (const qint64 fin = std::min(n, i + 8); i < fin; ++i) {
                        const int k = v[i];
                        std::memcpy(out, cases + k * largeurCase, largeurCase);
                        out += longueurs[k];
                    }
                }
                t.avancer(out - debut);
                x += n;
            }
            t.ajouter('\n');
        }
        t.ajouter('\n');
    }
}

// Fills the density map row by row: texte(premier, n, out) writes the texts
// of n voxels from the grid's voxel premier on (each at most largeurCase
// bytes) and returns their length.
template <typename Texte>
void ecrireParLignes(Tampon &t, const Grille &grille, Texte texte)
{
    for (int z = 0; z < grille.dimZ; ++z) {
        for (int y = 0; y < grille.dimY; ++y) {
            const qint64 ligne = (qint64(z) * grille.dimY + y) * grille.dimX;
            for (qint64 x = 0; x < grille.dimX;) {
                char *debut = t.place(largeurCase);
                const qint64 n = std::min<qint64>(grille.dimX - x, t.libre() / largeurCase);
                t.avancer(texte(ligne + x, n, debut));
                x += n;
            }
            t.ajouter('\n');
        }
        t.ajouter('\n');
    }
}

// The density map of a grid whose voxels carry their own densities: a copy
// of a text formatted once per table entry, or the digits of each code.
void ecrireDensitesVoxels(Tampon &t, const Grille &grille)
{
    const DensitesVoxels &d = grille.densites;
    if (!d.nombres.empty()) {
        const TextesDensite textes = textesValeurs(d.table);
        const char *cases = textes.cases.data();
        const int *longueurs = textes.longueurs.data();
        ecrireParLignes(t, grille, [&](qint64 premier, qint64 n, char *out) {
            const qint16 *nombre = d.nombres.data() + premier;
            char *p = out;
            for (qint64 i = 0; i < n; ++i) {
                const qint64 k = qint64(nombre[i]) - d.premier;
                std::memcpy(p, cases + k * largeurCase, largeurCase);
                p += longueurs[k];
            }
            return qint64(p - out);
        });
        return;
    }
    // Neighbours often share a density: the last text is kept.
    char dernier[largeurCase];
    quint32 codeDernier = 0;
    int longueurDernier = 0;
    ecrireParLignes(t, grille, [&](qint64 premier, qint64 n, char *out) {
        const quint32 *code = d.codes.data() + premier;
        char *p = out;
        for (qint64 i = 0; i < n; ++i) {
            if (code[i] != codeDernier || longueurDernier == 0) {
                codeDernier = code[i];
                longueurDernier = formatCode(code[i], dernier);
                dernier[longueurDernier++] = ' ';
            }
            std::memcpy(p, dernier, largeurCase);
            p += longueurDernier;
        }
        return qint64(p - out);
    });
}

// The whole text, for media and a grid already found writable. *arrete
// tells a stop asked by progression from a failed write.
bool ecrireTexte(QIODevice &sortie, const QList<Materiau> &materiaux, const Grille &grille,
                 const Geometrie &geometrie, const Progression *progression = nullptr, bool *arrete = nullptr)
{
    const TextesDensite textes = textesDensite(materiaux);
    const Milieux milieux = milieuxDuFichier(materiaux);
    Tampon t(sortie, progression);
    try {
        ecrireEntete(t, materiaux, milieux, textes, grille, geometrie);
        ecrireCarteMilieux(t, grille, milieux.cles);
        if (grille.densites.vide())
            ecrireCarteDensites(t, grille, textes);
        else
            ecrireDensitesVoxels(t, grille);
        return t.terminer();
    } catch (const Tampon::Arret &) {
        if (arrete)
            *arrete = true;
        return false;
    } catch (const Tampon::Echec &) {
        return false;
    }
}

// How many voxels hold each record, counted in four tables so that
// consecutive equal voxels do not wait on one another.
std::array<qint64, 256> histogramme(const quint8 *v, qint64 n)
{
    std::array<qint64, 256> total{};
    // 32-bit counters, emptied before they can overflow.
    constexpr qint64 morceau = qint64(1) << 30;
    for (qint64 debut = 0; debut < n; debut += morceau) {
        quint32 comptes[4][256] = {};
        const qint64 fin = std::min(n, debut + morceau);
        qint64 i = debut;
        for (; i + 4 <= fin; i += 4) {
            ++comptes[0][v[i]];
            ++comptes[1][v[i + 1]];
            ++comptes[2][v[i + 2]];
            ++comptes[3][v[i + 3]];
        }
        for (; i < fin; ++i)
            ++comptes[0][v[i]];
        for (int k = 0; k < 256; ++k)
            total[size_t(k)] += qint64(comptes[0][k]) + comptes[1][k] + comptes[2][k] + comptes[3][k];
    }
    return total;
}

// The same for grids of at most 16 records (every voxel below nombre), the
// usual case, several times faster: 16 voxels at a time, one comparison per
// record, on a piece of the grid small enough to stay in the cache while
// every record is counted.
std::array<qint64, 256> histogrammePeuDeMilieux(const quint8 *v, qint64 n, int nombre)
{
#if defined(__SSE2__) && defined(__x86_64__)
    std::array<qint64, 256> total{};
    constexpr qint64 piece = 255 * 16; // a byte counter per lane takes 255 steps
    const qint64 entier = n / 16 * 16;
    for (qint64 debut = 0; debut < entier; debut += piece) {
        const qint64 fin = std::min(entier, debut + piece);
        // The last record's count is what the others leave.
        for (int k = 0; k + 1 < nombre; ++k) {
            const __m128i valeur = _mm_set1_epi8(char(k));
            __m128i compte = _mm_setzero_si128();
            for (qint64 i = debut; i < fin; i += 16) {
                const __m128i seize = _mm_loadu_si128(reinterpret_cast<const __m128i *>(v + i));
                compte = _mm_sub_epi8(compte, _mm_cmpeq_epi8(seize, valeur));
            }
            const __m128i sommes = _mm_sad_epu8(compte, _mm_setzero_si128());
            total[size_t(k)] += _mm_cvtsi128_si64(sommes) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sommes, sommes));
        }
    }
    for (qint64 i = entier; i < n; ++i)
        if (v[i] + 1 < nombre)
            ++total[v[i]];
    qint64 autres = 0;
    for (int k = 0; k + 1 < nombre; ++k)
        autres += total[size_t(k)];
    if (nombre > 0)
        total[size_t(nombre - 1)] = n - autres;
    return total;
#else
    Q_UNUSED(nombre);
    return histogramme(v, n);
#endif
}

// The highest record a voxel of the grid names.
int plusGrandVoxel(const Grille &grille)
{
    const qint64 n = grille.nombreVoxels();
    const int pieces = nombrePieces(n);
    std::vector<quint8> parPiece(size_t(pieces), 0);
    enPieces(n, pieces, [&](qint64 debut, qint64 fin, int p) {
        parPiece[size_t(p)] = *std::max_element(grille.voxels.begin() + debut, grille.voxels.begin() + fin);
    });
    return *std::max_element(parPiece.begin(), parPiece.end());
}

// Why the grid's own densities cannot be written, or an empty text.
QString refusDensitesVoxels(const Grille &grille)
{
    const DensitesVoxels &d = grille.densites;
    if (d.vide())
        return QString();
    const qint64 n = qint64(d.nombres.size() + d.codes.size());
    if ((!d.nombres.empty() && !d.codes.empty()) || n != grille.nombreVoxels())
        return QString("Densités par voxel incomplètes : %1 pour %2 voxels.").arg(n).arg(grille.nombreVoxels());
    for (double densite : d.table)
        if (!(std::isfinite(densite) && densite > 0.0))
            return QString("Densité invalide dans la table des voxels : %1.").arg(densite);
    if (!d.nombres.empty()) {
        // A plain loop, which the compiler does many numbers at a time.
        qint16 bas = d.nombres.front(), haut = bas;
        for (const qint16 nombre : d.nombres) {
            bas = std::min(bas, nombre);
            haut = std::max(haut, nombre);
        }
        if (bas < d.premier || haut - qint64(d.premier) >= qint64(d.table.size()))
            return QString("Nombres CT de %1 à %2 hors de la table des densités (%3 à %4).")
                .arg(bas)
                .arg(haut)
                .arg(d.premier)
                .arg(qint64(d.premier) + qint64(d.table.size()) - 1);
    }
    return QString();
}

// The density map's text bytes of a grid whose voxels carry their own densities.
qint64 octetsDensitesVoxels(const DensitesVoxels &d)
{
    qint64 octets = 0;
    if (!d.nombres.empty()) {
        std::vector<qint64> comptes(d.table.size(), 0);
        for (qint16 nombre : d.nombres)
            ++comptes[size_t(nombre - d.premier)];
        char texte[longueurReelMax];
        for (size_t k = 0; k < comptes.size(); ++k)
            if (comptes[k])
                octets += comptes[k] * (formatReel(d.table[k], texte) + 1);
        return octets;
    }
    for (quint32 code : d.codes)
        octets += longueurCode(code) + 1;
    return octets;
}

// The text's bytes but for the density map's numbers: the header, the
// medium map, and each map's line breaks.
qint64 octetsHorsDensites(const QList<Materiau> &materiaux, const TextesDensite &textes, const Grille &grille,
                          const Geometrie &geometrie)
{
    // The header as it is written: a few dozen kilobytes at most.
    QBuffer entete;
    entete.open(QIODevice::WriteOnly);
    {
        Tampon t(entete);
        ecrireEntete(t, materiaux, milieuxDuFichier(materiaux), textes, grille, geometrie);
        t.terminer();
    }
    // Each map: a line break after every row, one more after every slice.
    const qint64 sauts = (qint64(grille.dimY) + 1) * grille.dimZ;
    return entete.size() + grille.nombreVoxels() + 2 * sauts;
}

qint64 plusLongTexte(const TextesDensite &textes)
{
    return textes.longueurs.empty() ? 0 : *std::max_element(textes.longueurs.begin(), textes.longueurs.end());
}

// A bound on the text's size, for media and a grid found writable, that
// costs no walk through the voxels of a grid of records or of CT numbers:
// every density as long as the longest.
qint64 tailleTexteMajoree(const QList<Materiau> &materiaux, const Grille &grille, const Geometrie &geometrie)
{
    const TextesDensite textes = textesDensite(materiaux);
    const DensitesVoxels &d = grille.densites;
    qint64 densites = 0;
    if (d.vide())
        densites = grille.nombreVoxels() * plusLongTexte(textes);
    else if (!d.nombres.empty())
        densites = grille.nombreVoxels() * plusLongTexte(textesValeurs(d.table));
    else
        densites = octetsDensitesVoxels(d);
    return octetsHorsDensites(materiaux, textes, grille, geometrie) + densites;
}

// Why the boundaries, as printed, would not rise strictly along each axis
// (a voxel of width 0, or a number that is not one), or an empty text.
QString refusBornes(const Grille &grille, const Geometrie &geometrie)
{
    const int dims[3] = {grille.dimX, grille.dimY, grille.dimZ};
    char texte[longueurReelMax];
    for (int axe = 0; axe < 3; ++axe) {
        double precedente = -HUGE_VAL;
        QByteArray precedent;
        for (qint64 i = 0; i <= dims[axe]; ++i) {
            const int n = formatReel(geometrie.origine[axe] + double(i) * geometrie.taille[axe], texte);
            double imprimee = NAN;
            std::from_chars(texte, texte + n, imprimee);
            if (!std::isfinite(imprimee))
                return QString("Borne des voxels selon %1 : « %2 », un nombre fini est attendu.")
                    .arg(QChar('x' + axe))
                    .arg(QString::fromLatin1(texte, n));
            if (!(imprimee > precedente))
                return QString("Bornes des voxels selon %1 : « %2 » après « %3 », elles doivent croître strictement "
                               "telles qu'écrites.")
                    .arg(QChar('x' + axe))
                    .arg(QString::fromLatin1(texte, n), QString::fromLatin1(precedent));
            precedente = imprimee;
            precedent = QByteArray(texte, n);
        }
    }
    return QString();
}

} // namespace

QString refusEcriture(const QList<Materiau> &materiaux, const Grille &grille)
{
    if (materiaux.size() > 256)
        return QString("Trop de matériaux : %1, un par niveau de gris au plus (256).").arg(materiaux.size());
    if (const int n = nombreMilieux(materiaux); n > nombreMilieuxMax)
        return QString("Trop de milieux : %1, le fichier egsphant en accepte au plus %2.").arg(n).arg(nombreMilieuxMax);
    if (const QString refus = refusNoms(materiaux); !refus.isEmpty())
        return refus;
    for (const Materiau &m : materiaux)
        if (!std::isfinite(m.densite))
            return QString("Densité invalide pour le milieu \"%1\" : %2.").arg(extrait(m.nom)).arg(m.densite);
    if (grille.dimX < 0 || grille.dimY < 0 || grille.dimZ < 0
        || qint64(grille.voxels.size()) < grille.nombreVoxels())
        return QString("Grille incomplète : %1 voxels pour %2 × %3 × %4.")
            .arg(grille.voxels.size())
            .arg(grille.dimX)
            .arg(grille.dimY)
            .arg(grille.dimZ);
    if (grille.nombreVoxels() > 0) {
        const int plusGrand = plusGrandVoxel(grille);
        if (plusGrand >= materiaux.size())
            return QString("La grille désigne le milieu %1 mais la liste n'en compte que %2.")
                .arg(plusGrand + 1)
                .arg(materiaux.size());
    }
    return refusDensitesVoxels(grille);
}

bool ecrireEgsphant(QIODevice &sortie, const QList<Materiau> &materiaux, const Grille &grille,
                    const Geometrie &geometrie, QString *erreur)
{
    QString refus = refusEcriture(materiaux, grille);
    if (refus.isEmpty())
        refus = refusBornes(grille, geometrie);
    if (!refus.isEmpty()) {
        if (erreur)
            *erreur = refus;
        return false;
    }
    if (!ecrireTexte(sortie, materiaux, grille, geometrie)) {
        if (erreur)
            *erreur = QString("erreur d'écriture : %1").arg(sortie.errorString());
        return false;
    }
    return true;
}

std::array<qint64, 256> comptesVoxels(const Grille &grille, int nombreRecords)
{
    const qint64 n = grille.nombreVoxels();
    const int pieces = nombrePieces(n);
    std::vector<std::array<qint64, 256>> parPiece(static_cast<size_t>(pieces));
    enPieces(n, pieces, [&](qint64 debut, qint64 fin, int p) {
        const quint8 *v = grille.voxels.data() + debut;
        parPiece[size_t(p)] = nombreRecords <= 16 ? histogrammePeuDeMilieux(v, fin - debut, nombreRecords)
                                                  : histogramme(v, fin - debut);
    });
    std::array<qint64, 256> total{};
    for (const auto &comptes : parPiece)
        for (size_t k = 0; k < total.size(); ++k)
            total[k] += comptes[k];
    return total;
}

qint64 tailleTexteEgsphant(const QList<Materiau> &materiaux, const Grille &grille, const Geometrie &geometrie)
{
    // No voxel is read beyond the grid, and no record beyond 256.
    if (grille.dimX < 0 || grille.dimY < 0 || grille.dimZ < 0 || materiaux.size() > 256
        || qint64(grille.voxels.size()) < grille.nombreVoxels())
        return 0;
    if (!refusDensitesVoxels(grille).isEmpty())
        return 0;
    const TextesDensite textes = textesDensite(materiaux);
    qint64 densites = 0;
    if (!grille.densites.vide()) {
        densites = octetsDensitesVoxels(grille.densites);
    } else if (grille.nombreVoxels() > 0) {
        const std::array<qint64, 256> comptes = comptesVoxels(grille, int(materiaux.size()));
        for (size_t k = 0; k < textes.longueurs.size(); ++k)
            densites += comptes[k] * textes.longueurs[k];
    }
    return octetsHorsDensites(materiaux, textes, grille, geometrie) + densites;
}

bool enregistrerEgsphant(const QString &nomFich, const QList<Materiau> &materiaux, const Grille &grille,
                         const Geometrie &geometrie, QString *erreur, const Progression &progression)
{
    QString raison = refusEcriture(materiaux, grille);
    if (raison.isEmpty())
        raison = refusBornes(grille, geometrie);
    bool arrete = false;
    if (raison.isEmpty()) {
        // A compressed file's size is not known before it is written.
        const qint64 auPlus = nomCompresse(nomFich) ? -1 : tailleTexteMajoree(materiaux, grille, geometrie);
        ecrireFichierEntier(
            nomFich,
            [&](QIODevice &fichier) {
                if (!nomCompresse(nomFich))
                    return ecrireTexte(fichier, materiaux, grille, geometrie, &progression, &arrete);
                CompressionGzip gzip(fichier);
                return ecrireTexte(gzip, materiaux, grille, geometrie, &progression, &arrete) && gzip.terminer();
            },
            &raison, auPlus);
        if (arrete)
            raison = "écriture annulée";
    }
    if (!raison.isEmpty() && erreur)
        *erreur = QString("Fichier \"%1\" non écrit : %2").arg(extrait(nomFich), raison);
    return raison.isEmpty();
}
