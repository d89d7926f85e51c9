// The table of a phantom's media, for scripts, and the dose they receive.
#include "batch/info.h"

#include <QCoreApplication>
#include <QCommandLineParser>

#include <ostream>

#include "batch/infodose.h"
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

// --info FILE, with --dose and --dvh beside it and nothing else, each once.
bool lireOptionsInfo(const QStringList &arguments, QString &chemin, QString &dose, QString &hdv)
{
    QCommandLineParser analyseur;
    analyseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    analyseur.addOptions({{"info", "", "FICHIER"}, {"dose", "", "FICHIER"}, {"dvh", "", "FICHIER"}});
    if (!analyseur.parse(QStringList{"quarvel-phantom"} + arguments) || !analyseur.positionalArguments().isEmpty())
        return false;
    for (const char *nom : {"info", "dose", "dvh"})
        if (analyseur.values(nom).size() > 1 || analyseur.value(nom).startsWith("--"))
            return false;
    chemin = analyseur.value("info");
    dose = analyseur.value("dose");
    hdv = analyseur.value("dvh");
    return !chemin.isEmpty() && (hdv.isEmpty() || !dose.isEmpty());
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
    QString chemin, cheminDose, cheminHdv;
    if (!lireOptionsInfo(arguments, chemin, cheminDose, cheminHdv)) {
        ecrire(erreurs, QCoreApplication::translate("batch", "--info s'emploie seul, ou avec --dose et --dvh : quarvel-phantom --info FICHIER "
                        "[--dose DOSE.3ddose [--dvh HDV.csv]] (voir quarvel-phantom --help)\n"));
        return statutLotUsage;
    }
    Fantome fantome;
    QString erreur;
    if (!lireEgsphant(chemin, fantome, &erreur)) {
        ecrire(erreurs, QCoreApplication::translate("batch", "Fichier « %1 » illisible : %2\n").arg(extrait(chemin), erreur));
        return statutLotRefus;
    }
    // Notes on stderr: stdout is the table a script reads.
    for (const QString &note : fantome.notes)
        ecrire(erreurs, ligneNote(note) + '\n');
    const std::vector<BilanMilieu> bilan = bilanMilieux(fantome);
    QString table = "milieu\tnom\tvoxels\tvolume_cm3\tmasse_g\n";
    for (size_t m = 0; m < bilan.size(); ++m)
        table += QString::number(m + 1) + '\t' + fantome.noms[qsizetype(m)].trimmed() + '\t'
                 + QString::number(bilan[m].voxels) + '\t' + QString::asprintf("%g", bilan[m].volume) + '\t'
                 + QString::asprintf("%g", bilan[m].masse) + '\n';
    if (cheminDose.isEmpty()) {
        ecrire(sortie, table);
        return statutLotReussi;
    }
    QString tableDose;
    if (!infoDose(fantome, cheminDose, cheminHdv, tableDose, &erreur)) {
        ecrire(erreurs, erreur + '\n');
        return statutLotRefus;
    }
    ecrire(sortie, table + '\n' + tableDose);
    return statutLotReussi;
}
