#include "phantom/fichierentier.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

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

} // namespace

bool ecrireFichierEntier(const QString &nomFich, const std::function<bool(QIODevice &)> &ecrire, QString *raison)
{
    if (nomFich.isEmpty()) {
        *raison = "aucun nom de fichier";
        return false;
    }
    // A link is followed, so the file it names is replaced and the link kept.
    const QFileInfo lien(nomFich);
    const QFileInfo cible(lien.isSymLink() ? lien.symLinkTarget() : lien.absoluteFilePath());
    if (cible.isDir()) {
        *raison = "c'est un dossier";
        return false;
    }
    QTemporaryFile temporaire(cible.absolutePath() + "/." + cible.fileName() + ".XXXXXX");
    if (!temporaire.open()) {
        *raison = QString("impossible de le créer (dossier absent ou accès refusé : %1)").arg(temporaire.errorString());
        return false;
    }
    if (!ecrire(temporaire) || !temporaire.flush()) {
        *raison = "erreur d'écriture (disque plein ?)";
        return false;
    }
    temporaire.setPermissions(droits(cible.absoluteFilePath()));
    temporaire.close();
    if (temporaire.error() != QFileDevice::NoError) {
        *raison = "erreur d'écriture (disque plein ?)";
        return false;
    }
    if (std::rename(QFile::encodeName(temporaire.fileName()).constData(),
                    QFile::encodeName(cible.absoluteFilePath()).constData())
        != 0) {
        *raison = QString("impossible de remplacer le fichier existant (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    temporaire.setAutoRemove(false);
    return true;
}
