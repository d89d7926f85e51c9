// The table of a phantom's media, for scripts.
#include "batch/info.h"

#include <ostream>

#include "batch/lot.h"
#include "egsphant/bilan.h"
#include "egsphant/lecture.h"
#include "model/ligne.h"

namespace {

void ecrire(std::ostream &flux, const QString &texte)
{
    const QByteArray octets = texte.toUtf8();
    flux.write(octets.constData(), octets.size());
    flux.flush();
}

} // namespace

bool demandeInfo(const QStringList &arguments)
{
    for (const QString &argument : arguments)
        if (argument == "--info" || argument.startsWith("--info="))
            return true;
    return false;
}

int executerInfo(const QStringList &arguments, std::ostream &sortie, std::ostream &erreurs)
{
    QString chemin;
    if (arguments.size() == 1 && arguments[0].startsWith("--info="))
        chemin = arguments[0].mid(7);
    else if (arguments.size() == 2 && arguments[0] == "--info")
        chemin = arguments[1];
    else {
        ecrire(erreurs, "--info s'emploie seul : quarvel-phantom --info FICHIER (voir quarvel-phantom --help)\n");
        return statutLotUsage;
    }
    Fantome fantome;
    QString erreur;
    if (!lireEgsphant(chemin, fantome, &erreur)) {
        ecrire(erreurs, QString("Fichier « %1 » illisible : %2\n").arg(extrait(chemin), erreur));
        return statutLotRefus;
    }
    const std::vector<BilanMilieu> bilan = bilanMilieux(fantome);
    QString table = "milieu\tnom\tvoxels\tvolume_cm3\tmasse_g\n";
    for (size_t m = 0; m < bilan.size(); ++m)
        table += QString::number(m + 1) + '\t' + fantome.noms[qsizetype(m)].trimmed() + '\t'
                 + QString::number(bilan[m].voxels) + '\t' + QString::asprintf("%g", bilan[m].volume) + '\t'
                 + QString::asprintf("%g", bilan[m].masse) + '\n';
    ecrire(sortie, table);
    return statutLotReussi;
}
