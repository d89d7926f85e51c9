#include "companions/egspp.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include "model/ligne.h"
#include "io/fichierentier.h"

namespace {

bool ecrireTexte(const QString &nom, const QByteArray &texte, QString *raison)
{
    return ecrireFichierEntier(nom, [&](QIODevice &sortie) { return sortie.write(texte) == texte.size(); }, raison);
}

// Why egs++ would not read this path from its input as written, or an
// empty text: its input ends a value at the line's end and a comment at "#".
QString refusChemin(const QString &chemin)
{
    if (surUneLigne(chemin) != chemin || chemin.contains('#'))
        return QCoreApplication::translate("companions",
            "le chemin « %1 » contient un saut de ligne ou un « # », qu'egs++ ne lit pas dans un nom "
            "de fichier")
            .arg(extrait(chemin));
    return QString();
}

} // namespace

QString nomGeometrieEgspp(const QString &chemin)
{
    return chemin.endsWith(".geom") ? chemin : chemin + ".geom";
}

QString nomRampeEgspp(const QString &cheminGeometrie)
{
    return nomGeometrieEgspp(cheminGeometrie).chopped(5) + ".ramp";
}

QByteArray texteGeometrieEgspp(const QString &cheminFantome, const QString &cheminRampe)
{
    return ":start geometry definition:\n"
           "    :start geometry:\n"
           "        name          = fantome\n"
           "        library       = egs_ndgeometry\n"
           "        type          = EGS_XYZGeometry\n"
           "        egsphant file = "
           + QFile::encodeName(QFileInfo(cheminFantome).absoluteFilePath())
           + "\n"
             "        ct ramp       = "
           + QFile::encodeName(QFileInfo(cheminRampe).absoluteFilePath())
           + "\n"
             "    :stop geometry:\n"
             "\n"
             "    simulation geometry = fantome\n"
             ":stop geometry definition:\n";
}

bool ecrireGeometrieEgspp(const QString &cheminGeometrie, const FantomeEcrit &fantome, QString *erreur,
                          int *lignes)
{
    const QString geometrie = nomGeometrieEgspp(cheminGeometrie);
    const QString rampe = nomRampeEgspp(geometrie);
    QString raison = refusCatalogueEgspp(fantome.milieux, fantome.catalogue);
    for (const QString &chemin : {fantome.chemin, QFileInfo(rampe).absoluteFilePath()})
        if (raison.isEmpty())
            raison = refusChemin(chemin);
    for (const QString &chemin : {geometrie, rampe})
        if (raison.isEmpty() && QFileInfo(chemin).absoluteFilePath() == fantome.chemin)
            raison = QCoreApplication::translate("companions", "ce fichier est le fantôme lui-même");
    QByteArray texte;
    if (raison.isEmpty())
        texteRampe(fantome.milieux, fantome.densites, texte, &raison);
    QString echec = geometrie;
    if (raison.isEmpty()) {
        if (lignes)
            *lignes = int(texte.count('\n'));
        if (!ecrireTexte(rampe, texte, &raison))
            echec = rampe;
        else
            ecrireTexte(geometrie, texteGeometrieEgspp(fantome.chemin, rampe), &raison);
    }
    if (raison.isEmpty())
        return true;
    *erreur =
        QCoreApplication::translate("companions", "Géométrie egs++ « %1 » non écrite : %2").arg(extrait(echec), raison);
    return false;
}

QString resumeGeometrieEgspp(const QString &cheminGeometrie, int lignes)
{
    return QCoreApplication::translate("companions", "Géométrie egs++ écrite dans « %1 », sa rampe dans « %2 » (%3)")
        .arg(extrait(QFileInfo(nomGeometrieEgspp(cheminGeometrie)).absoluteFilePath()),
            extrait(QFileInfo(nomRampeEgspp(cheminGeometrie)).absoluteFilePath()),
            lignes == 1 ? QCoreApplication::translate("companions", "1 ligne")
                        : QCoreApplication::translate("companions", "%1 lignes").arg(lignes));
}
