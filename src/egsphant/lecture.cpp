// The egsphant reader. The file is read in large blocks and parsed in place;
// the density map, most of the text, repeats a few texts, so each distinct
// text is converted once and voxels keep its place in a table.
#include "egsphant/lecture.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>

#include "egsphant/egsphant.h"
#include "egsphant/reels.h"

namespace {

// A density text with its blank, up to 16 bytes, held as two machine words
// so that finding it again at a place of the text costs two comparisons.
struct TexteDensite
{
    TexteDensite() = default;
    explicit TexteDensite(std::string_view mot)
    {
        if (mot.size() + 1 > 16)
            return; // too long for the short way; compared as text
        char octets[16] = {};
        std::memcpy(octets, mot.data(), mot.size());
        octets[mot.size()] = ' ';
        longueur = int(mot.size()) + 1;
        a = huitOctets(octets);
        masque = longueur >= 8 ? ~quint64(0) : (quint64(1) << (8 * longueur)) - 1;
        a &= masque;
        b = longueur > 8 ? huitOctets(octets + longueur - 8) : 0;
    }

    // How many times, up to n, this text follows itself from p on; p moves
    // past them. Only where 16 bytes can be read: the rest goes the long way.
    template <bool court>
    qint64 repetitions(const char *&p, const char *fin, qint64 n) const
    {
        qint64 compte = 0;
        while (compte < n && fin - p >= 16) {
            const qint64 sures = std::min<qint64>(n - compte, (fin - p - 16) / longueur + 1);
            qint64 i = 0;
            for (; i < sures; ++i, p += longueur) {
                const quint64 w = huitOctets(p);
                if (court ? (w & masque) != a : (w != a || huitOctets(p + longueur - 8) != b))
                    break;
            }
            compte += i;
            if (i < sures)
                break;
        }
        return compte;
    }

    bool memeQue(const TexteDensite &autre) const
    {
        return longueur == autre.longueur && a == autre.a && b == autre.b;
    }

    int longueur = 0; // with the blank; 0 for none or too long
    quint64 a = 0, b = 0, masque = 0;
    quint16 place = 0;
    float valeur = 0;
};

class Analyse
{
public:
    Analyse(Lecteur &l, qint64 texteMax, Fantome &f) : l(l), texteMax(texteMax), f(f) {}

    void lire()
    {
        lireMilieux();
        lireComptes();
        for (int a = 0; a < 3; ++a)
            lireBornes(a);
        finDeLigne();
        lireCarteMilieux();
        lireCarteDensites();
        if (l.finitSurUnMot())
            f.notes << QCoreApplication::translate(
                "egsphant", "le fichier finit sur sa dernière densité, sans fin de ligne : s'il a été coupé, cette "
                            "densité est fausse");
    }

private:
    [[noreturn]] void echec(const QString &quoi) { l.echec(quoi); }
    double reel(const QString &quoi) { return l.reel(quoi); }
    qint64 entier(const QString &quoi) { return l.entier(quoi); }

    void lireMilieux()
    {
        const qint64 n = entier("nombre de milieux");
        if (n < 1 || n > nombreMilieuxMax)
            echec(QString("%1 milieux annoncés, de 1 à %2 attendus").arg(n).arg(nombreMilieuxMax));
        finDeLigne();
        const auto premiere = l.ligneSuivante(ligneEnteteMax);
        if (!premiere)
            echec("fin du fichier ; attendu : nom du milieu 1");
        // All names on one line, each a word, when that line holds as many
        // words as there are media and the densities follow it.
        const QStringList mots = QString::fromLatin1(premiere->data(), qsizetype(premiere->size()))
                                     .replace('\t', ' ')
                                     .split(' ', Qt::SkipEmptyParts);
        double d = 0;
        if (n > 1 && mots.size() == n) {
            const std::string_view suivante = l.apercuLigne();
            const size_t debut = suivante.find_first_not_of(" \t");
            const std::string_view premierMot =
                debut == std::string_view::npos ? std::string_view() : suivante.substr(debut, suivante.find_first_of(" \t", debut) - debut);
            if (lireNombre(premierMot, d))
                f.noms = mots;
        }
        if (f.noms.isEmpty()) {
            f.noms << QString::fromLatin1(premiere->data(), qsizetype(premiere->size()));
            for (qint64 i = 1; i < n; ++i) {
                const auto nom = l.ligneSuivante(ligneEnteteMax);
                if (!nom)
                    echec(QString("fin du fichier ; attendu : nom du milieu %1").arg(i + 1));
                f.noms << QString::fromLatin1(nom->data(), qsizetype(nom->size()));
            }
        }
        for (qint64 i = 0; i < n; ++i)
            f.densites.push_back(reel(QString("densité du milieu %1").arg(i + 1)));
    }

    // Each voxel takes at least a key and a one-character density with its blank.
    void lireComptes() { l.comptes(f.dim, texteMax, 3); }

    void lireBornes(int a)
    {
        const char axe = "XYZ"[a];
        // Grown as the numbers arrive rather than sized from the count.
        for (int i = 0; i <= f.dim[a]; ++i)
            f.bornes[a].push_back(reel(QString("limite %1 des voxels selon %2").arg(i + 1).arg(axe)));
    }

    // Nothing but blanks may follow on the current line.
    void finDeLigne()
    {
        const auto reste = l.ligneSuivante(ligneEnteteMax);
        if (reste && reste->find_first_not_of(" \t\r\f") != std::string_view::npos)
            throw Echec{QString("ligne %1 : texte inattendu en fin de ligne : %2")
                            .arg(l.ligne - 1)
                            .arg(cite(reste->substr(reste->find_first_not_of(" \t\r\f"), 20)))};
    }

    void lireCarteMilieux()
    {
        const qint64 voxels = f.nombreVoxels();
        f.milieux.reset(static_cast<quint8 *>(allouer(voxels)));
        // Key -> medium (0-based); 0xff for a character that names none.
        quint8 table[256];
        std::memset(table, 0xff, sizeof table);
        for (int m = 0; m < f.noms.size(); ++m)
            table[quint8(cleMilieux[m + 1])] = quint8(m);
        const int dimX = f.dim[0];
        quint8 *sortie = f.milieux.get();
        for (int z = 0; z < f.dim[2]; ++z) {
            for (int y = 0; y < f.dim[1]; ++y) {
                std::optional<std::string_view> rangee;
                do {
                    rangee = l.ligneSuivante(qint64(dimX) + 1024);
                    if (!rangee)
                        echec(QString("fin du fichier ; attendu : rangée %1 de la coupe %2 de la carte des milieux "
                                      "(%3 caractères)")
                                  .arg(y + 1)
                                  .arg(z + 1)
                                  .arg(dimX));
                    // Blank lines between slices, as many as there are.
                } while (y == 0 && rangee->find_first_not_of(" \t\r") == std::string_view::npos);
                std::string_view r = *rangee;
                while (!r.empty() && (r.back() == ' ' || r.back() == '\t' || r.back() == '\r'))
                    r.remove_suffix(1);
                if (qint64(r.size()) != dimX)
                    throw Echec{QString("ligne %1 : %2 caractères, %3 attendus").arg(l.ligne - 1).arg(r.size()).arg(dimX)};
                quint8 mauvais = 0;
                for (int x = 0; x < dimX; ++x) {
                    const quint8 m = table[quint8(r[size_t(x)])];
                    sortie[x] = m;
                    mauvais |= m;
                }
                if (mauvais & 0x80) {
                    int x = 0;
                    while (table[quint8(r[size_t(x)])] != 0xff)
                        ++x;
                    const char c = r[size_t(x)];
                    throw Echec{QString("ligne %1, colonne %2 : clé de milieu %3 inconnue, %4 à %5 attendues "
                                        "(%6 milieux)")
                                    .arg(l.ligne - 1)
                                    .arg(x + 1)
                                    .arg(cite(std::string_view(&c, 1)))
                                    .arg(cleMilieux[1])
                                    .arg(cleMilieux[f.noms.size()])
                                    .arg(f.noms.size())};
                }
                sortie += dimX;
            }
        }
    }

    // Voxels keep places in the table of distinct texts until there are too
    // many of them to number in two bytes; then every voxel's value is
    // stored as a float, widened in place in the same block.
    void passerAuxValeurs(qint64 remplis)
    {
        auto *places = static_cast<quint16 *>(f.densitesVoxels.get());
        auto *valeurs = static_cast<float *>(f.densitesVoxels.get());
        // From the end: value v covers places 2v and 2v + 1, already moved.
        for (qint64 v = remplis - 1; v >= 0; --v)
            valeurs[v] = float(f.valeursDensite[places[v]]);
        f.densitesDirectes = true;
        f.valeursDensite.clear();
        f.valeursDensite.shrink_to_fit();
        connus.clear();
    }

    // The density of a text not seen just before: from the table of the
    // distinct texts, or converted and added to it.
    void valeurDe(std::string_view mot, qint64 v, TexteDensite &t)
    {
        const QByteArray cle = QByteArray::fromRawData(mot.data(), qsizetype(mot.size()));
        const auto connu = connus.constFind(cle);
        if (connu != connus.constEnd()) {
            t.place = *connu;
            t.valeur = float(f.valeursDensite[*connu]);
            return;
        }
        double d = 0;
        if (!lireNombre(mot, d))
            echec(cite(mot) + " n'est pas un nombre (densité du voxel " + nomVoxel(v) + ")");
        t.valeur = float(d);
        if (f.densitesDirectes)
            return;
        // Texts that seldom repeat, a density per voxel as a CT gives, gain
        // nothing from the table: floats from early on, read the quick way.
        const qint64 distincts = qint64(f.valeursDensite.size());
        if (distincts > std::numeric_limits<quint16>::max() || (distincts >= 4096 && 8 * distincts > v)) {
            passerAuxValeurs(v);
            return;
        }
        t.place = quint16(f.valeursDensite.size());
        connus.insert(QByteArray(mot.data(), qsizetype(mot.size())), t.place);
        f.valeursDensite.push_back(d);
    }

    void lireCarteDensites()
    {
        const qint64 voxels = f.nombreVoxels();
        // Room for the float values a file of many distinct texts needs;
        // pages untouched while places of two bytes are enough cost nothing.
        f.densitesVoxels.reset(allouer(voxels * qint64(sizeof(float))));
        auto *places = static_cast<quint16 *>(f.densitesVoxels.get());
        auto *valeurs = static_cast<float *>(f.densitesVoxels.get());

        TexteDensite precedent;         // the text of the voxel before
        TexteDensite recents[8];         // the last few different ones
        int nombreRecents = 0, prochainRecent = 0;
        for (qint64 v = 0; v < voxels;) {
            // The usual case: the same text as the voxel before, then a blank.
            if (precedent.longueur > 0) {
                const qint64 n = precedent.longueur <= 8 ? precedent.repetitions<true>(l.p, l.fin, voxels - v)
                                                         : precedent.repetitions<false>(l.p, l.fin, voxels - v);
                if (f.densitesDirectes)
                    std::fill(valeurs + v, valeurs + v + n, precedent.valeur);
                else
                    std::fill(places + v, places + v + n, precedent.place);
                v += n;
                if (v == voxels)
                    break;
            }
            const std::string_view mot = l.jeton();
            if (mot.empty())
                echec(QString("fin du fichier ; attendu : densité du voxel %1").arg(nomVoxel(v)));
            // The blank after it goes too, so the next voxel can take the
            // short way above.
            if (l.p < l.fin && *l.p == ' ')
                ++l.p;
            TexteDensite t(mot);
            if (!(t.longueur > 0 && t.memeQue(precedent))) {
                int r = 0;
                while (r < nombreRecents && !(t.longueur > 0 && t.memeQue(recents[r])))
                    ++r;
                if (r < nombreRecents) {
                    t = recents[r];
                } else {
                    const bool directes = f.densitesDirectes;
                    valeurDe(mot, v, t);
                    if (f.densitesDirectes != directes)
                        nombreRecents = 0; // their places mean nothing now
                    if (t.longueur > 0) {
                        recents[prochainRecent] = t;
                        prochainRecent = (prochainRecent + 1) % 8;
                        nombreRecents = std::min(nombreRecents + 1, 8);
                    }
                }
            } else {
                t = precedent;
            }
            if (f.densitesDirectes) {
                valeurs[v] = t.valeur;
                // Texts too many to table: the rest, each its own value, the quick way.
                lireDirectes(valeurs, v + 1);
                return;
            }
            places[v] = t.place;
            ++v;
            precedent = t;
        }
    }

    void lireDirectes(float *valeurs, qint64 debut)
    {
        const auto quoi = [&](qint64 k) { return "densité du voxel " + nomVoxel(debut + k); };
        const auto attentif = [&](qint64 k) {
            const std::string_view mot = l.jetonAttendu(quoi(k));
            double d = 0;
            if (!lireNombre(mot, d))
                echec(cite(mot) + " n'est pas un nombre (" + quoi(k) + ")");
            valeurs[debut + k] = float(d);
        };
        lireReels<true>(l, valeurs + debut, f.nombreVoxels() - debut, ToutReel(), attentif, quoi);
    }

    QString nomVoxel(qint64 v) const { return ::nomVoxel(v, f.dim); }

    Lecteur &l;
    const qint64 texteMax;
    Fantome &f;
    QHash<QByteArray, quint16> connus;
};

} // namespace

bool lireEgsphant(const QString &chemin, Fantome &fantome, QString *erreur, const SuiviLecture &suivi)
{
    fantome = Fantome();
    const bool lu = lireTexte(chemin, erreur, suivi, "mémoire insuffisante pour lire ce fantôme",
                              [&](Lecteur &lecteur, qint64 texteMax) { Analyse(lecteur, texteMax, fantome).lire(); });
    if (!lu)
        fantome = Fantome();
    return lu;
}
