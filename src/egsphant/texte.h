#ifndef QUARVEL_TEXTE_H
#define QUARVEL_TEXTE_H

// What the readers of EGSnrc's text files share: the text a block at a time,
// words and lines in it, free-format numbers and the refusals they throw.

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <cstring>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "egsphant/lecture.h"
#include "streams/anticipation.h"

// A refusal, thrown from deep in the parse and caught once at the top.
struct Echec
{
    QString message;
};

constexpr qint64 tailleBloc = 2 << 20;
constexpr qint64 ligneEnteteMax = 1 << 20; // a header line longer than this is not one
constexpr int jetonMax = 64;              // nor a number longer than this

// A large block, not zeroed: its pages cost nothing until written, and are asked in 2 MB pages.
void *allouer(qint64 octets);

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
            lisible = debut;
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
            lisible = long_.data();
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

    // True when the text ends on the byte just read, a word's last: every
    // writer ends its last line, a file cut short does not.
    bool finitSurUnMot()
    {
        if (p < fin || remplir(p))
            return false;
        return p > lisible && !estBlanc(p[-1]);
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

    [[noreturn]] void echec(const QString &quoi) const { throw Echec{QString("ligne %1 : %2").arg(ligne).arg(quoi)}; }

    // The next word, or a refusal naming what was expected at the end of the text.
    std::string_view jetonAttendu(const QString &quoi)
    {
        const std::string_view mot = jeton();
        if (mot.empty())
            echec(QCoreApplication::translate("egsphant", "fin du fichier ; attendu : %1").arg(quoi));
        return mot;
    }

    double reel(const QString &quoi);
    qint64 entier(const QString &quoi);

    // The three voxel counts, each from 1 up, refused before any memory is
    // taken for them when the text cannot hold octetsParVoxel bytes a voxel.
    void comptes(int dim[3], qint64 texteMax, int octetsParVoxel);

private:
    LectureAnticipee anticipation;
    LectureAnticipee::Bloc tenu;
    std::vector<char> long_;
    const char *lisible = nullptr; // where the bytes readable before p begin
};

// A real in free format: C or Fortran notation ("1.5", "1.5E+00", "1.5D+00").
bool lireNombre(std::string_view texte, double &valeur);

// A word of the file quoted in a message.
QString cite(std::string_view texte);

// "(x, y, z)", indices from 1, of voxel v of a grid of these counts.
QString nomVoxel(qint64 v, const int dim[3]);

// Opens a file, plain or gzip-compressed (known by its first bytes), and
// hands its text to analyser with the most text the file can hold, so counts
// can be checked before anything is allocated for them. False with the
// reason in French in *erreur when the file cannot be opened, analyser
// throws an Echec, suivi stops the read, or memory runs out (memoire said).
bool lireTexte(const QString &chemin, QString *erreur, const SuiviLecture &suivi, const QString &memoire,
               const std::function<void(Lecteur &, qint64 texteMax)> &analyser);

#endif
