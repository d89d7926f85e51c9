#include "io/fichierentier.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// The rights of the file being replaced, or those a new file gets here.
QFileDevice::Permissions droits(const QString &cible)
{
    if (QFileInfo::exists(cible))
        return QFile::permissions(cible);
    const mode_t masque = umask(0);
    umask(masque);
    const mode_t mode = 0666 & ~masque;
    QFileDevice::Permissions p;
    const QPair<mode_t, QFileDevice::Permission> bits[] = {
        {S_IRUSR, QFileDevice::ReadOwner}, {S_IWUSR, QFileDevice::WriteOwner},
        {S_IRGRP, QFileDevice::ReadGroup}, {S_IWGRP, QFileDevice::WriteGroup},
        {S_IROTH, QFileDevice::ReadOther}, {S_IWOTH, QFileDevice::WriteOther}};
    for (const auto &b : bits)
        if (mode & b.first)
            p |= b.second;
    if (p & QFileDevice::ReadOwner)
        p |= QFileDevice::ReadUser;
    if (p & QFileDevice::WriteOwner)
        p |= QFileDevice::WriteUser;
    return p;
}

// The temporary file beside the target: "." + name + ".XXXXXX".
constexpr int suffixeTemporaire = 8;

// Sets aside the disk's room for octets bytes without changing the file's
// size, so that the file holds only what has been written. A disk without
// that much room, or a file system that cannot reserve, writes as usual.
void reserverPlace(QFile &fichier, qint64 octets)
{
#ifdef FALLOC_FL_KEEP_SIZE
    if (octets > 0)
        (void)fallocate(fichier.handle(), FALLOC_FL_KEEP_SIZE, 0, off_t(octets));
#else
    (void)fichier;
    (void)octets;
#endif
}

// Gives back the room reserved beyond what was written: a truncation to the
// file's own size frees the blocks past its end.
void rendrePlace(QFile &fichier, qint64 reserve)
{
    const qint64 ecrits = fichier.size();
    if (reserve > ecrits && ftruncate(fichier.handle(), off_t(ecrits)) != 0)
        return; // the blocks stay taken until the file goes: its bytes are whole
}

} // namespace

QString cheminCible(const QString &nomFich, QString *raison)
{
    *raison = QString();
    if (nomFich.isEmpty()) {
        *raison = QCoreApplication::translate("io", "aucun nom de fichier");
        return QString();
    }
    // The system's names are bytes: a name that does not survive the trip
    // (a byte that was not UTF-8 arrives as U+FFFD) would be written under
    // another name.
    const QByteArray octets = QFile::encodeName(nomFich);
    if (nomFich.contains(QChar::ReplacementCharacter) || QFile::decodeName(octets) != nomFich
        || octets.contains('\0')) {
        *raison = QCoreApplication::translate("io", "le chemin n'est pas un texte UTF-8 valide");
        return QString();
    }
    // A chain of links is followed to its end, so the file it names is
    // replaced and every link kept.
    QString chemin = QFileInfo(nomFich).absoluteFilePath();
    for (int liens = 0; QFileInfo(chemin).isSymLink(); ++liens) {
        if (liens == 40) {
            *raison = QCoreApplication::translate("io", "trop de liens symboliques à suivre (boucle ?)");
            return QString();
        }
        chemin = QFileInfo(chemin).symLinkTarget();
    }
    const QFileInfo cible(chemin);
    const QByteArray nom = QFile::encodeName(cible.fileName());
    const QByteArray dossier = QFile::encodeName(cible.absolutePath());
    long nomMax = pathconf(dossier.constData(), _PC_NAME_MAX);
    if (nomMax <= 0)
        nomMax = NAME_MAX;
    if (nom.size() + suffixeTemporaire > nomMax || dossier.size() + nom.size() + suffixeTemporaire + 2 > PATH_MAX) {
        *raison = QCoreApplication::translate("io", "nom trop long pour le système de fichiers (%1 octets, au plus %2)")
                      .arg(nom.size())
                      .arg(nomMax - suffixeTemporaire);
        return QString();
    }
    struct stat etat;
    if (lstat(QFile::encodeName(chemin).constData(), &etat) == 0) {
        const char *genre = S_ISDIR(etat.st_mode)    ? QT_TRANSLATE_NOOP("io", "c'est un dossier")
                            : S_ISCHR(etat.st_mode)  ? QT_TRANSLATE_NOOP("io", "c'est un périphérique")
                            : S_ISBLK(etat.st_mode)  ? QT_TRANSLATE_NOOP("io", "c'est un périphérique")
                            : S_ISFIFO(etat.st_mode) ? QT_TRANSLATE_NOOP("io", "c'est un tube")
                            : S_ISSOCK(etat.st_mode) ? QT_TRANSLATE_NOOP("io", "c'est une socket")
                                                     : nullptr;
        if (genre) {
            *raison = QCoreApplication::translate("io",
                "%1, pas un fichier ordinaire").arg(QCoreApplication::translate("io", genre));
            return QString();
        }
        // Replacing goes through the folder's rights; the file's own say
        // whether its owner lets it change.
        if (!(etat.st_mode & S_IWUSR) || access(QFile::encodeName(chemin).constData(), W_OK) != 0) {
            *raison = QCoreApplication::translate("io", "le fichier existant est protégé en écriture");
            return QString();
        }
    }
    return chemin;
}

QString refusPlace(const QString &cible, qint64 octets)
{
    struct statvfs disque;
    const QByteArray dossier = QFile::encodeName(QFileInfo(cible).absolutePath());
    if (statvfs(dossier.constData(), &disque) != 0)
        return QString(); // the writing will say what is wrong with the folder
    const qint64 libre = qint64(disque.f_bavail) * qint64(disque.f_frsize);
    if (octets <= libre)
        return QString();
    const auto mo = [](qint64 n) { return QString::number((n + (1 << 20) - 1) >> 20); };
    return QCoreApplication::translate("io",
        "place insuffisante sur le disque : le fichier fera au moins %1 Mo, il en reste %2 Mo")
        .arg(mo(octets), mo(libre));
}

bool ecrireFichierEntier(const QString &nomFich, const std::function<bool(QIODevice &)> &ecrire, QString *raison,
                         qint64 octetsMax)
{
    const QString chemin = cheminCible(nomFich, raison);
    if (chemin.isEmpty())
        return false;
    const QFileInfo cible(chemin);
    QTemporaryFile temporaire(cible.absolutePath() + "/." + cible.fileName() + ".XXXXXX");
    if (!temporaire.open()) {
        *raison = QCoreApplication::translate("io",
            "impossible de le créer (dossier absent ou accès refusé : %1)").arg(temporaire.errorString());
        return false;
    }
    reserverPlace(temporaire, octetsMax);
    if (!ecrire(temporaire) || !temporaire.flush()) {
        *raison = QCoreApplication::translate("io", "erreur d'écriture (disque plein ?)");
        return false;
    }
    rendrePlace(temporaire, octetsMax);
    temporaire.setPermissions(droits(cible.absoluteFilePath()));
    temporaire.close();
    if (temporaire.error() != QFileDevice::NoError) {
        *raison = QCoreApplication::translate("io", "erreur d'écriture (disque plein ?)");
        return false;
    }
    // Asked again just before the rename: what lies at the target may have
    // changed while the text was written.
    if (cheminCible(nomFich, raison) != chemin) {
        if (raison->isEmpty())
            *raison = QCoreApplication::translate("io", "la cible a changé pendant l'écriture");
        return false;
    }
    if (std::rename(QFile::encodeName(temporaire.fileName()).constData(),
                    QFile::encodeName(cible.absoluteFilePath()).constData())
        != 0) {
        *raison = QCoreApplication::translate("io",
            "impossible de remplacer le fichier existant (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    temporaire.setAutoRemove(false);
    return true;
}
