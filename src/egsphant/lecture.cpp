// The egsphant reader. The file is read in large blocks and parsed in place;
// the density map, most of the text, repeats a few texts, so each distinct
// text is converted once and voxels keep its place in a table.
#include "egsphant/lecture.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <optional>
#include <string_view>

#include "streams/anticipation.h"
#include "streams/decompression.h"
#include "egsphant/egsphant.h"
#include "io/grandespages.h"

namespace {

// A refusal, thrown from deep in the parse and caught once at the top.
struct Echec
{
    QString message;
};

class SourceFichier : public Source
{
public:
    explicit SourceFichier(QFile &fichier) : fichier(fichier) {}
    qint64 lire(char *destination, qint64 n, QString *erreur) override
    {
        const qint64 lu = fichier.read(destination, n);
        if (lu < 0)
            *erreur = QString("erreur de lecture : %1").arg(fichier.errorString());
        return lu;
    }

private:
    QFile &fichier;
};

// The bytes of the file gone through the source so far, taken on the thread
// that reads the file and read by the parse to tell its progress.
class SourceComptee : public Source
{
public:
    SourceComptee(Source &source, QFile &fichier) : source(source), fichier(fichier) {}
    qint64 lire(char *destination, qint64 n, QString *erreur) override
    {
        const qint64 lu = source.lire(destination, n, erreur);
        lus = fichier.pos();
        return lu;
    }

    std::atomic<qint64> lus{0};

private:
    Source &source;
    QFile &fichier;
};

constexpr qint64 tailleBloc = 2 << 20;
constexpr qint64 ligneEnteteMax = 1 << 20; // a header line longer than this is not one
constexpr int jetonMax = 64;              // nor a number longer than this

// A large block, not zeroed: its pages cost nothing until written, and are asked in 2 MB pages.
void *allouer(qint64 octets)
{
    void *bloc = std::malloc(size_t(std::max<qint64>(octets, 1)));
    if (!bloc)
        throw std::bad_alloc();
    demanderGrandesPages(bloc, size_t(octets));
    return bloc;
}

inline bool estBlanc(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\v';
}

// The text, a block at a time, with the line number of the read position.
class Lecteur
{
public:
    explicit Lecteur(Source &source) : anticipation(source, tailleBloc) {}
    ~Lecteur() { anticipation.rendre(tenu); }

    const char *p = nullptr;
    const char *fin = nullptr;
    qint64 ligne = 1;
    bool epuise = false;
    std::function<void()> aChaqueBloc; // may stop the read by throwing

    // Brings the next block in after [garder, fin), which stays readable
    // just before it; p moves with the kept bytes. False when the text has
    // ended (p and fin then stay as they were).
    bool remplir(const char *garder)
    {
        if (epuise)
            return false;
        LectureAnticipee::Bloc bloc;
        QString erreur;
        if (!anticipation.suivant(bloc, &erreur))
            throw Echec{QString("ligne %1 : %2").arg(ligne).arg(erreur)};
        if (bloc.taille == 0) {
            anticipation.rendre(bloc);
            epuise = true;
            return false;
        }
        const qint64 garde = fin - garder;
        const qint64 decalage = p - garder;
        if (garde <= LectureAnticipee::marge) {
            char *debut = bloc.debut - garde;
            if (garde > 0)
                std::memcpy(debut, garder, size_t(garde));
            anticipation.rendre(tenu);
            tenu = bloc;
            long_.clear();
            p = debut + decalage;
            fin = bloc.debut + bloc.taille;
        } else {
            // A line longer than the room before a block: joined apart.
            std::vector<char> joint(size_t(garde + bloc.taille));
            std::memcpy(joint.data(), garder, size_t(garde));
            std::memcpy(joint.data() + garde, bloc.debut, size_t(bloc.taille));
            anticipation.rendre(tenu);
            anticipation.rendre(bloc);
            tenu = LectureAnticipee::Bloc();
            long_.swap(joint);
            p = long_.data() + decalage;
            fin = long_.data() + long_.size();
        }
        if (aChaqueBloc)
            aChaqueBloc();
        return true;
    }

    // Skips blanks, counting lines; false at the end of the text.
    bool sauterBlancs()
    {
        for (;;) {
            while (p < fin && estBlanc(*p))
                ligne += *p++ == '\n';
            if (p < fin)
                return true;
            if (!remplir(fin))
                return false;
        }
    }

    // The next word, or an empty view at the end of the text. A word longer
    // than any number comes back cut, for the caller to refuse.
    std::string_view jeton()
    {
        if (!sauterBlancs())
            return {};
        for (;;) {
            const char *q = p;
            while (q < fin && !estBlanc(*q) && q - p <= jetonMax)
                ++q;
            if (q < fin || q - p > jetonMax || epuise) {
                std::string_view mot(p, size_t(q - p));
                p = q;
                return mot;
            }
            remplir(p); // the word may go on in the next block
        }
    }

    // The next line without its end (LF or CRLF), or nothing at the end of
    // the text. A line longer than longueurMax is refused.
    std::optional<std::string_view> ligneSuivante(qint64 longueurMax)
    {
        for (qint64 cherche = 0;;) {
            const char *nl = static_cast<const char *>(std::memchr(p + cherche, '\n', size_t(fin - p - cherche)));
            if (nl || epuise) {
                if (!nl && p == fin)
                    return std::nullopt;
                const char *bout = nl ? nl : fin;
                std::string_view texte(p, size_t(bout - p));
                if (!texte.empty() && texte.back() == '\r')
                    texte.remove_suffix(1);
                if (qint64(texte.size()) > longueurMax)
                    throw Echec{QString("ligne %1 : ligne trop longue (%2 caractères au moins)").arg(ligne).arg(texte.size())};
                p = nl ? nl + 1 : fin;
                ++ligne;
                return texte;
            }
            cherche = fin - p;
            if (cherche > longueurMax + 2)
                throw Echec{QString("ligne %1 : ligne trop longue (%2 caractères au moins)").arg(ligne).arg(cherche)};
            remplir(p);
        }
    }

    // The next line, seen but left unread.
    std::string_view apercuLigne()
    {
        const qint64 numero = ligne;
        const auto texte = ligneSuivante(ligneEnteteMax);
        if (!texte)
            return {};
        p = texte->data();
        ligne = numero;
        return *texte;
    }

private:
    LectureAnticipee anticipation;
    LectureAnticipee::Bloc tenu;
    std::vector<char> long_;
};

// A real in free format: C or Fortran notation ("1.5", "1.5E+00", "1.5D+00").
bool lireNombre(std::string_view texte, double &valeur)
{
    if (texte.empty() || texte.size() > size_t(jetonMax))
        return false;
    char copie[jetonMax + 1];
    const char *debut = texte.data();
    if (texte.front() == '+' || texte.find_first_of("dD") != std::string_view::npos) {
        size_t n = 0;
        for (size_t i = texte.front() == '+' ? 1 : 0; i < texte.size(); ++i)
            copie[n++] = texte[i] == 'd' || texte[i] == 'D' ? 'e' : texte[i];
        texte = std::string_view(copie, n);
        debut = copie;
    }
    const auto r = std::from_chars(debut, debut + texte.size(), valeur);
    return r.ec == std::errc() && r.ptr == debut + texte.size() && std::isfinite(valeur);
}

QString cite(std::string_view texte)
{
    return "« " + QString::fromLatin1(texte.data(), qsizetype(texte.size())) + " »";
}

inline quint64 huitOctets(const char *p)
{
    quint64 w;
    std::memcpy(&w, p, 8);
    return w;
}

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
    }

private:
    [[noreturn]] void echec(const QString &quoi) { throw Echec{QString("ligne %1 : %2").arg(l.ligne).arg(quoi)}; }

    std::string_view jetonAttendu(const QString &quoi)
    {
        const std::string_view mot = l.jeton();
        if (mot.empty())
            echec("fin du fichier ; attendu : " + quoi);
        return mot;
    }

    double reel(const QString &quoi)
    {
        const std::string_view mot = jetonAttendu(quoi);
        double v = 0;
        if (!lireNombre(mot, v))
            echec(cite(mot) + " n'est pas un nombre (" + quoi + ")");
        return v;
    }

    qint64 entier(const QString &quoi)
    {
        const std::string_view mot = jetonAttendu(quoi);
        qint64 v = 0;
        const auto r = std::from_chars(mot.data(), mot.data() + mot.size(), v);
        if (r.ec != std::errc() || r.ptr != mot.data() + mot.size())
            echec(cite(mot) + " n'est pas un nombre entier (" + quoi + ")");
        return v;
    }

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

    void lireComptes()
    {
        l.sauterBlancs();
        const qint64 ligneComptes = l.ligne;
        qint64 n[3];
        const char *axes = "XYZ";
        for (int a = 0; a < 3; ++a) {
            n[a] = entier(QString("nombre de voxels selon %1").arg(axes[a]));
            if (n[a] < 1 || n[a] > std::numeric_limits<int>::max())
                echec(QString("%1 voxels selon %2, au moins 1 attendu").arg(n[a]).arg(axes[a]));
        }
        // Each voxel takes at least a key and a one-character density with
        // its blank: a count the text cannot hold is refused before any
        // memory is taken for it.
        const long double voxels = (long double)n[0] * n[1] * n[2];
        if (3 * voxels > texteMax)
            throw Echec{QString("ligne %1 : %2 × %3 × %4 voxels annoncés, le fichier ne peut pas les contenir "
                                "(%5 octets de texte au plus)")
                            .arg(ligneComptes)
                            .arg(n[0])
                            .arg(n[1])
                            .arg(n[2])
                            .arg(texteMax)};
        for (int a = 0; a < 3; ++a)
            f.dim[a] = int(n[a]);
    }

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
        if (f.valeursDensite.size() > std::numeric_limits<quint16>::max()) {
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
            if (f.densitesDirectes)
                valeurs[v] = t.valeur;
            else
                places[v] = t.place;
            ++v;
            precedent = t;
        }
    }

    QString nomVoxel(qint64 v) const
    {
        const qint64 x = v % f.dim[0];
        const qint64 y = v / f.dim[0] % f.dim[1];
        const qint64 z = v / f.dim[0] / f.dim[1];
        return QString("(%1, %2, %3)").arg(x + 1).arg(y + 1).arg(z + 1);
    }

    Lecteur &l;
    const qint64 texteMax;
    Fantome &f;
    QHash<QByteArray, quint16> connus;
};

} // namespace

bool lireEgsphant(const QString &chemin, Fantome &fantome, QString *erreur, const SuiviLecture &suivi)
{
    fantome = Fantome();
    QFile fichier(chemin);
    const QFileInfo info(chemin);
    if (!info.exists() || info.isDir()) {
        if (erreur)
            *erreur = info.isDir() ? "c'est un dossier, pas un fichier" : "fichier absent";
        return false;
    }
    // A pipe or a device would be read without end, or its size could not bound the counts.
    if (!info.isFile()) {
        if (erreur)
            *erreur = "ce n'est pas un fichier ordinaire (tube, périphérique ou prise)";
        return false;
    }
    if (!fichier.open(QIODevice::ReadOnly)) {
        if (erreur)
            *erreur = QString("impossible d'ouvrir le fichier (%1)").arg(fichier.errorString());
        return false;
    }
    const QByteArray debut = fichier.peek(2);
    const bool gzip = commenceCommeGzip(debut.constData(), debut.size());
    SourceFichier brut(fichier);
    std::unique_ptr<Source> decompresse = gzip ? sourceGzip(fichier) : nullptr;
    Source &source = gzip ? *decompresse : static_cast<Source &>(brut);
    const qint64 taille = fichier.size();
    const qint64 texteMax = gzip ? texteMaxGzip(taille) : taille;
    SourceComptee comptee(source, fichier);
    Lecteur lecteur(comptee);
    if (suivi)
        lecteur.aChaqueBloc = [&] {
            if (!suivi(comptee.lus, taille))
                throw Echec{"lecture arrêtée"};
        };
    try {
        Analyse(lecteur, texteMax, fantome).lire();
        // The rest of a compressed file is read so its checksum is checked.
        while (gzip && lecteur.remplir(lecteur.fin))
            ;
    } catch (const Echec &echec) {
        fantome = Fantome();
        if (erreur)
            *erreur = echec.message;
        return false;
    } catch (const std::bad_alloc &) {
        fantome = Fantome();
        if (erreur)
            *erreur = "mémoire insuffisante pour lire ce fantôme";
        return false;
    }
    return true;
}
