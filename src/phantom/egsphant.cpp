#include "phantom/egsphant.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <future>
#include <system_error>
#include <vector>

#include "media/materiaux.h"
#include "media/nom.h"
#include "model/ligne.h"
#include "phantom/fichierentier.h"
#include "phantom/reel.h"

namespace {

// Collects the text in a large block and hands it to the device block by
// block: a call per number would cost more than the bytes themselves. The
// device writes one block on a second thread while the next one is filled,
// so making the text and moving it to the disk overlap.
class Tampon
{
public:
    explicit Tampon(QIODevice &sortie) : sortie(sortie), blocs{std::vector<char>(4 << 20), std::vector<char>(4 << 20)} {}
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
        }
        utilise = 0;
    }

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

TextesDensite textesDensite(const QList<Materiau> &materiaux)
{
    TextesDensite textes;
    textes.cases.assign(size_t(materiaux.size()) * largeurCase, ' ');
    for (const Materiau &m : materiaux) {
        char *c = textes.cases.data() + textes.longueurs.size() * largeurCase;
        const int n = formatReel(m.densite, c);
        c[n] = ' ';
        textes.longueurs.push_back(n + 1);
    }
    return textes;
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
        // Each boundary from its own index, not by repeated addition, so no error accumulates.
        for (qint64 i = 0; i <= dims[axe]; ++i) {
            t.ajouterReel(geometrie.origine[axe] + double(i) * geometrie.taille[axe]);
            t.ajouter(' ');
        }
        t.ajouter('\n');
    }
}

void ecrireCarteMilieux(Tampon &t, const Grille &grille, const std::array<char, 256> &cles)
{
    for (int z = 0; z < grille.dimZ; ++z) {
        for (int y = 0; y < grille.dimY; ++y) {
            const quint8 *voxel = grille.ligne(z, y);
            for (qint64 x = 0; x < grille.dimX;) {
                char *out = t.place(1);
                const qint64 n = std::min<qint64>(grille.dimX - x, t.libre());
                for (qint64 i = 0; i < n; ++i)
                    out[i] = cles[voxel[x + i]];
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
    for (int z = 0; z < grille.dimZ; ++z) {
        for (int y = 0; y < grille.dimY; ++y) {
            const quint8 *voxel = grille.ligne(z, y);
            for (qint64 x = 0; x < grille.dimX;) {
                char *debut = t.place(largeurCase);
                const qint64 n = std::min<qint64>(grille.dimX - x, t.libre() / largeurCase);
                char *out = debut;
                for (qint64 i = 0; i < n; ++i) {
                    const int k = voxel[x + i];
                    std::memcpy(out, cases + k * largeurCase, largeurCase);
                    out += longueurs[k];
                }
                t.avancer(out - debut);
                x += n;
            }
            t.ajouter('\n');
        }
        t.ajouter('\n');
    }
}

// The whole text, for media and a grid already found writable.
bool ecrireTexte(QIODevice &sortie, const QList<Materiau> &materiaux, const Grille &grille,
                 const Geometrie &geometrie)
{
    const TextesDensite textes = textesDensite(materiaux);
    const Milieux milieux = milieuxDuFichier(materiaux);
    Tampon t(sortie);
    try {
        ecrireEntete(t, materiaux, milieux, textes, grille, geometrie);
        ecrireCarteMilieux(t, grille, milieux.cles);
        ecrireCarteDensites(t, grille, textes);
        return t.terminer();
    } catch (const Tampon::Echec &) {
        return false;
    }
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
            return QString("Densité invalide pour le milieu \"%1\" : %2.").arg(surUneLigne(m.nom)).arg(m.densite);
    if (grille.dimX < 0 || grille.dimY < 0 || grille.dimZ < 0
        || qint64(grille.voxels.size()) < grille.nombreVoxels())
        return QString("Grille incomplète : %1 voxels pour %2 × %3 × %4.")
            .arg(grille.voxels.size())
            .arg(grille.dimX)
            .arg(grille.dimY)
            .arg(grille.dimZ);
    if (grille.nombreVoxels() > 0) {
        const auto fin = grille.voxels.begin() + grille.nombreVoxels();
        const int plusGrand = *std::max_element(grille.voxels.begin(), fin);
        if (plusGrand >= materiaux.size())
            return QString("La grille désigne le milieu %1 mais la liste n'en compte que %2.")
                .arg(plusGrand + 1)
                .arg(materiaux.size());
    }
    return QString();
}

bool ecrireEgsphant(QIODevice &sortie, const QList<Materiau> &materiaux, const Grille &grille,
                    const Geometrie &geometrie, QString *erreur)
{
    const QString refus = refusEcriture(materiaux, grille);
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

bool enregistrerEgsphant(const QString &nomFich, const QList<Materiau> &materiaux, const Grille &grille,
                         const Geometrie &geometrie, QString *erreur)
{
    QString raison = refusEcriture(materiaux, grille);
    if (raison.isEmpty()) {
        ecrireFichierEntier(
            nomFich, [&](QIODevice &fichier) { return ecrireTexte(fichier, materiaux, grille, geometrie); },
            &raison);
    }
    if (!raison.isEmpty() && erreur)
        *erreur = QString("Fichier \"%1\" non écrit : %2").arg(surUneLigne(nomFich), raison);
    return raison.isEmpty();
}
