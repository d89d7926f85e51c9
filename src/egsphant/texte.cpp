// The text of an EGSnrc file read a block at a time, plain or gzip-compressed.
#include "egsphant/texte.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <charconv>
#include <cmath>
#include <limits>
#include <new>

#include "io/grandespages.h"
#include "streams/decompression.h"

namespace {

class SourceFichier : public Source
{
public:
    explicit SourceFichier(QFile &fichier) : fichier(fichier) {}
    qint64 lire(char *destination, qint64 n, QString *erreur) override
    {
        const qint64 lu = fichier.read(destination, n);
        if (lu < 0)
            *erreur = QCoreApplication::translate("egsphant", "erreur de lecture : %1").arg(fichier.errorString());
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

} // namespace

void *allouer(qint64 octets)
{
    void *bloc = std::malloc(size_t(std::max<qint64>(octets, 1)));
    if (!bloc)
        throw std::bad_alloc();
    demanderGrandesPages(bloc, size_t(octets));
    return bloc;
}

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

QString nomVoxel(qint64 v, const int dim[3])
{
    const qint64 x = v % dim[0];
    const qint64 y = v / dim[0] % dim[1];
    const qint64 z = v / dim[0] / dim[1];
    return QString("(%1, %2, %3)").arg(x + 1).arg(y + 1).arg(z + 1);
}

double Lecteur::reel(const QString &quoi)
{
    const std::string_view mot = jetonAttendu(quoi);
    double v = 0;
    if (!lireNombre(mot, v))
        echec(QCoreApplication::translate("egsphant", "%1 n'est pas un nombre (%2)").arg(cite(mot), quoi));
    return v;
}

qint64 Lecteur::entier(const QString &quoi)
{
    const std::string_view mot = jetonAttendu(quoi);
    qint64 v = 0;
    const auto r = std::from_chars(mot.data(), mot.data() + mot.size(), v);
    if (r.ec != std::errc() || r.ptr != mot.data() + mot.size())
        echec(QCoreApplication::translate("egsphant", "%1 n'est pas un nombre entier (%2)").arg(cite(mot), quoi));
    return v;
}

void Lecteur::comptes(int dim[3], qint64 texteMax, int octetsParVoxel)
{
    sauterBlancs();
    const qint64 ligneComptes = ligne;
    qint64 n[3];
    const char *axes = "XYZ";
    for (int a = 0; a < 3; ++a) {
        n[a] = entier(QCoreApplication::translate("egsphant", "nombre de voxels selon %1").arg(axes[a]));
        if (n[a] < 1 || n[a] > std::numeric_limits<int>::max())
            echec(QCoreApplication::translate("egsphant",
                "%1 voxels selon %2, au moins 1 attendu").arg(n[a]).arg(axes[a]));
    }
    const long double voxels = (long double)n[0] * n[1] * n[2];
    if (octetsParVoxel * voxels > texteMax)
        throw Echec{QCoreApplication::translate("egsphant",
            "ligne %1 : %2 × %3 × %4 voxels annoncés, le fichier ne peut pas les contenir "
            "(%5 octets de texte au plus)")
                        .arg(ligneComptes)
                        .arg(n[0])
                        .arg(n[1])
                        .arg(n[2])
                        .arg(texteMax)};
    for (int a = 0; a < 3; ++a)
        dim[a] = int(n[a]);
}

bool lireTexte(const QString &chemin, QString *erreur, const SuiviLecture &suivi, const QString &memoire,
               const std::function<void(Lecteur &, qint64 texteMax)> &analyser)
{
    QFile fichier(chemin);
    const QFileInfo info(chemin);
    if (!info.exists() || info.isDir()) {
        if (erreur)
            *erreur = info.isDir() ? QCoreApplication::translate("egsphant", "c'est un dossier, pas un fichier") : QCoreApplication::translate("egsphant",
                "fichier absent");
        return false;
    }
    // A pipe or a device would be read without end, or its size could not bound the counts.
    if (!info.isFile()) {
        if (erreur)
            *erreur = QCoreApplication::translate("egsphant",
                "ce n'est pas un fichier ordinaire (tube, périphérique ou prise)");
        return false;
    }
    if (!fichier.open(QIODevice::ReadOnly)) {
        if (erreur)
            *erreur = QCoreApplication::translate("egsphant",
                "impossible d'ouvrir le fichier (%1)").arg(fichier.errorString());
        return false;
    }
    const QByteArray debut = fichier.peek(2);
    const bool gzip = commenceCommeGzip(debut.constData(), debut.size());
    SourceFichier brut(fichier);
    std::unique_ptr<Source> decompresse = gzip ? sourceGzip(fichier) : nullptr;
    Source &source = gzip ? *decompresse : static_cast<Source &>(brut);
    const qint64 taille = fichier.size();
    SourceComptee comptee(source, fichier);
    Lecteur lecteur(comptee);
    if (suivi)
        lecteur.aChaqueBloc = [&] {
            if (!suivi(comptee.lus, taille))
                throw Echec{QCoreApplication::translate("egsphant", "lecture arrêtée")};
        };
    try {
        analyser(lecteur, gzip ? texteMaxGzip(taille) : taille);
        // The rest of a compressed file is read so its checksum is checked.
        while (gzip && lecteur.remplir(lecteur.fin))
            ;
    } catch (const Echec &echec) {
        if (erreur)
            *erreur = echec.message;
        return false;
    } catch (const std::bad_alloc &) {
        if (erreur)
            *erreur = memoire;
        return false;
    }
    return true;
}
