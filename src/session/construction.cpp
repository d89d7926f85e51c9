#include "session/construction.h"

#include <QCoreApplication>
#include <climits>

#include "egsphant/egsphant.h"
#include "media/materiaux.h"
#include "phantom/compterendu.h"
#include "phantom/construction.h"
#include "phantom/verifications.h"
#include "session/constructionplans.h"
#include "session/constructionvolume.h"
#include "session/session.h"

QString materiauxLignes(const QList<LigneNiveau> &lignes, int fond, QList<Materiau> &materiaux)
{
    for (const LigneNiveau &ligne : lignes) {
        double densite = 0.0;
        if (const QString refus = refusChoix(ligne.niveau, ligne.choix.nom, ligne.choix.texteDensite, &densite);
            !refus.isEmpty())
            return refus;
        enregistrerChoix(materiaux, ligne.niveau, ligne.choix.nom, densite);
    }
    placerFond(materiaux, fond);
    return QString();
}

QString refusFond(int fond, const QVector<int> &niveaux)
{
    if (fond < 0 || niveaux.isEmpty() || niveaux.contains(fond))
        return QString();
    return QCoreApplication::translate("session", "Fond : le niveau de gris %1 n'est dans aucune image cochée ; marquer "
                                                  "le fond sur une ligne des images cochées, ou cocher l'image qui le "
                                                  "contient")
        .arg(fond);
}

QString verifierMateriaux(QList<Materiau> &materiaux)
{
    numeroterMateriaux(materiaux);
    return refusMateriaux(materiaux);
}

QString refusComptesLus(const qint64 comptes[3])
{
    if (const QString refus = refusComptes(comptes[0], comptes[1], comptes[2]); !refus.isEmpty())
        return refus;
    for (int axe = 0; axe < 3; ++axe)
        if (comptes[axe] > INT_MAX)
            return QCoreApplication::translate("session", "Compte de voxels trop grand : %1 (au plus %2 par axe)")
                .arg(comptes[axe])
                .arg(INT_MAX);
    return QString();
}

QString comptesSource(const Session &session, qint64 comptes[3])
{
    if (session.source() == SourceFantome::Volume) {
        comptesVolume(session, comptes);
        return QString();
    }
    return comptesPlans(session, comptes);
}

QString construireGrille(const Session &session, const QString &fichier, QList<Materiau> &materiaux,
                         Grille &grille, Geometrie &geometrie)
{
    if (const QString refus = verifierMateriaux(materiaux); !refus.isEmpty())
        return refus;
    qint64 comptes[3] = {0, 0, 0};
    if (const QString refus = comptesSource(session, comptes); !refus.isEmpty())
        return refus;
    geometrie = session.geometrie().geometrie;
    if (const QString refus = refusAvantGrille(fichier, materiaux, geometrie, comptes); !refus.isEmpty())
        return refus;
    if (session.source() == SourceFantome::Volume)
        return remplirVolume(session, grille, materiaux);
    QString erreur;
    if (!initialiserGrille(grille, int(comptes[0]), int(comptes[1]), int(comptes[2]), &erreur))
        return erreur;
    remplirPlans(session, grille, materiaux);
    return QString();
}

QStringList notesFantome(const Session &session, const QString &fichier, const QList<Materiau> &materiaux,
                         const QList<Milieu> &catalogue, const Grille &grille)
{
    return notesChoix(materiaux, session.choix().niveauxChoisis(), catalogue, grille)
           + notesLecteurs(fichier, materiaux, grille.dimX, grille.dimY, grille.dimZ, catalogue);
}
