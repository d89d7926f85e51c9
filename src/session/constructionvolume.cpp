#include "session/constructionvolume.h"

#include "phantom/construction.h"
#include "session/session.h"
#include "volume/volume.h"

void comptesVolume(const Session &session, qint64 comptes[3])
{
    const Volume *volume = session.volume().volume.get();
    for (int a = 0; a < 3; ++a)
        comptes[a] = volume ? volume->comptes[a] : 0;
}

QString remplirVolume(const Session &session, Grille &grille, const QList<Materiau> &materiaux)
{
    QString erreur;
    if (const Volume *volume = session.volume().volume.get())
        construireVolume(grille, *volume, materiaux, &erreur);
    return erreur;
}
