// The dose per medium of a phantom, for scripts: its table and its histogram.
#include "batch/infodose.h"

#include <QCoreApplication>
#include <QIODevice>

#include "dose/bilandose.h"
#include "dose/dose.h"
#include "dose/superposition.h"
#include "egsphant/lecture.h"
#include "io/fichierentier.h"
#include "model/ligne.h"

namespace {

QString ligneTable(int numero, const QString &nom, const BilanDoseMilieu &b)
{
    QStringList champs{QString::number(numero), nom, QString::number(b.voxels)};
    if (b.voxels == 0)
        return (champs + QStringList(7, "-")).join('\t') + '\n';
    for (double v : {b.volume, b.moyenne, b.maximum, b.d98, b.d50, b.d2})
        champs << nombreDose(v);
    champs << (b.incertitude ? nombreDose(*b.incertitude) : QString("-"));
    return champs.join('\t') + '\n';
}

} // namespace

bool infoDose(const Fantome &fantome, const QString &cheminDose, const QString &cheminHdv, QString &table,
              QString *erreur)
{
    Dose dose;
    QString raison;
    if (!lireDose(cheminDose, dose, &raison)) {
        *erreur = QCoreApplication::translate("batch", "Dose « %1 » illisible : %2").arg(extrait(cheminDose), raison);
        return false;
    }
    raison = refusSuperposition(dose, fantome);
    if (!raison.isEmpty()) {
        *erreur = QCoreApplication::translate("batch", "Dose « %1 » refusée : %2").arg(extrait(cheminDose), raison);
        return false;
    }
    const std::vector<BilanDoseMilieu> bilan = bilanDose(fantome, dose);
    table = "milieu\tnom\tvoxels\tvolume_cm3\tdose_moyenne\tdose_max\tD98\tD50\tD2\tincertitude\n";
    for (size_t m = 0; m < bilan.size(); ++m)
        table += ligneTable(int(m) + 1, fantome.noms[qsizetype(m)].trimmed(), bilan[m]);
    if (cheminHdv.isEmpty())
        return true;
    const QByteArray hdv = texteHistogrammeCumule(fantome, dose);
    const auto ecrire = [&](QIODevice &sortie) { return sortie.write(hdv) == hdv.size(); };
    if (!ecrireFichierEntier(cheminHdv, ecrire, &raison)) {
        *erreur = QCoreApplication::translate("batch", "Histogramme « %1 » non écrit : %2").arg(extrait(cheminHdv), raison);
        return false;
    }
    return true;
}
