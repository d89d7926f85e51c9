#include "companions/dosxyz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#include <charconv>
#include <climits>

#include "model/ligne.h"
#include "model/nombre.h"
#include "io/fichierentier.h"
#include "streams/gzip.h"
#include "egsphant/reel.h"

namespace {

// DOSXYZnrc reads 80 characters of title.
constexpr int longueurTitre = 80;
// RANMAR's seeds, DOSXYZnrc's default generator.
constexpr int grainesMax[2] = {31328, 30081};

const char *const blocTransport = " #########################\n"
                                  " :Start MC Transport Parameter:\n"
                                  "\n"
                                  " Global ECUT= 0.7\n"
                                  " Global PCUT= 0.01\n"
                                  " Global SMAX= 5\n"
                                  " ESTEPE= 0.25\n"
                                  " XIMAX= 0.5\n"
                                  " Boundary crossing algorithm= PRESTA-I\n"
                                  " Skin depth for BCA= 0\n"
                                  " Electron-step algorithm= PRESTA-II\n"
                                  " Spin effects= Off\n"
                                  " Brems angular sampling= Simple\n"
                                  " Brems cross sections= BH\n"
                                  " Bound Compton scattering= Off\n"
                                  " Compton cross sections= default\n"
                                  " Pair angular sampling= Simple\n"
                                  " Pair cross sections= BH\n"
                                  " Photoelectron angular sampling= Off\n"
                                  " Rayleigh scattering= Off\n"
                                  " Atomic relaxations= Off\n"
                                  " Electron impact ionization= Off\n"
                                  " Photon cross sections= xcom\n"
                                  " Photon cross-sections output= Off\n"
                                  "\n"
                                  " :Stop MC Transport Parameter:\n"
                                  " #########################\n";

struct Particule
{
    const char *nom;
    int iqin;
    const char *pluriel;
};
const Particule particules[] = {{"photon", 0, "photons"}, {"electron", -1, "électrons"}, {"positron", 1, "positrons"}};

QByteArray nombre(double v)
{
    char texte[32];
    return QByteArray(texte, int(std::to_chars(texte, texte + sizeof texte, v).ptr - texte));
}

// A boundary as the phantom file writes it, in its shortest form.
QByteArray borne(const Geometrie &geometrie, int axe, int i)
{
    char texte[longueurReelMax];
    const int n = formatReel(geometrie.borne(axe, i), texte);
    double v = 0;
    std::from_chars(texte, texte + n, v);
    return nombre(v);
}

QString lireGraines(const QString &texte, int graines[2])
{
    const QStringList parties = texte.split(',');
    if (parties.size() != 2)
        return QCoreApplication::translate(
            "companions", "graines « %1 » : deux entiers séparés par une virgule sont attendus")
            .arg(extrait(texte));
    for (int i = 0; i < 2; ++i) {
        bool ok = false;
        graines[i] = parties[i].trimmed().toInt(&ok, 10);
        if (!ok || graines[i] < 1 || graines[i] > grainesMax[i])
            return QCoreApplication::translate("companions", "graine « %1 » : un entier de 1 à %2 est attendu")
                .arg(extrait(parties[i]))
                .arg(grainesMax[i]);
    }
    return QString();
}

QString refusTitre(const QString &titre)
{
    if (surUneLigne(titre) != titre)
        return QCoreApplication::translate("companions", "titre sur plusieurs lignes : DOSXYZnrc n'en lit qu'une");
    if (const qsizetype n = titre.toUtf8().size(); n > longueurTitre)
        return QCoreApplication::translate("companions", "titre de %1 octets : DOSXYZnrc n'en lit que %2")
            .arg(n)
            .arg(longueurTitre);
    return QString();
}

// "tete.egsphant : photons de 1.25 MeV, faisceau parallèle selon +z", cut
// to the length DOSXYZnrc reads.
QString titreParDefaut(const QString &nomFantome, const ParametresDosxyz &parametres)
{
    QString pluriel;
    for (const Particule &p : particules)
        if (p.iqin == parametres.iqin)
            pluriel = p.pluriel;
    QString titre = QString("%1 : %2 de %3 MeV, faisceau parallèle selon +z")
                        .arg(surUneLigne(nomFantome), pluriel, QString::fromLatin1(nombre(parametres.energie)));
    while (titre.toUtf8().size() > longueurTitre || (!titre.isEmpty() && titre.back().isHighSurrogate()))
        titre.chop(1);
    return titre;
}

} // namespace

QString lireChoixDosxyz(const ChoixDosxyz &choix, ParametresDosxyz &parametres)
{
    parametres.titre = choix.titre.trimmed();
    if (const QString refus = refusTitre(parametres.titre); !refus.isEmpty())
        return refus;
    const Particule *particule = nullptr;
    for (const Particule &p : particules)
        if (choix.particule.trimmed() == p.nom)
            particule = &p;
    if (!particule)
        return QCoreApplication::translate("companions", "particule « %1 » : photon, electron ou positron est attendu")
            .arg(extrait(choix.particule));
    parametres.iqin = particule->iqin;
    if (!lireReelVirgule(choix.energie, parametres.energie) || parametres.energie <= 0)
        return QCoreApplication::translate("companions", "énergie « %1 » : un nombre de MeV supérieur à 0 est attendu")
            .arg(extrait(choix.energie));
    bool ok = false;
    parametres.histoires = choix.histoires.trimmed().toLongLong(&ok, 10);
    if (!ok || parametres.histoires < 1 || parametres.histoires > INT_MAX)
        return QCoreApplication::translate("companions", "histoires « %1 » : un entier de 1 à %2 est attendu")
            .arg(extrait(choix.histoires))
            .arg(INT_MAX);
    return lireGraines(choix.graines, parametres.graines);
}

QString refusFantomeDosxyz(const QString &cheminFantome)
{
    if (!nomCompresse(cheminFantome))
        return QString();
    return QCoreApplication::translate("companions",
        "le fantôme « %1 » est compressé : DOSXYZnrc ne lit que le texte non compressé (écrire le "
        "fantôme sans .gz, ou le décompresser avec gunzip)")
        .arg(extrait(QFileInfo(cheminFantome).fileName()));
}

QString nomEntreeDosxyz(const QString &chemin)
{
    return chemin.endsWith(".egsinp") ? chemin : chemin + ".egsinp";
}

QByteArray texteEntreeDosxyz(const QString &cheminEntree, const FantomeEcrit &fantome,
                             const ParametresDosxyz &parametres)
{
    const QString nomFantome = QDir(QFileInfo(cheminEntree).absolutePath()).relativeFilePath(fantome.chemin);
    const QString titre = parametres.titre.isEmpty() ? titreParDefaut(nomFantome, parametres) : parametres.titre;
    const Geometrie &g = fantome.geometrie;
    QByteArray t = titre.toUtf8() + "\n0\n" + QFile::encodeName(nomFantome) + "\n0.7, 0.01, 0\n0, 0, 0\n";
    t += QByteArray::number(parametres.iqin) + ", 0, " + borne(g, 0, 0) + ", " + borne(g, 0, fantome.dim[0]) + ", "
         + borne(g, 1, 0) + ", " + borne(g, 1, fantome.dim[1]) + ", 90, 90, 0\n";
    t += "0, 0\n" + nombre(parametres.energie) + "\n";
    t += QByteArray::number(parametres.histoires) + ", 0, 500.0, " + QByteArray::number(parametres.graines[0]) + ", "
         + QByteArray::number(parametres.graines[1]) + ", 100.0, 0, 0, 0, 0, , 0, 0, 0, 0, 0, 0\n";
    return t + blocTransport;
}

bool ecrireEntreeDosxyz(const QString &cheminEntree, const FantomeEcrit &fantome,
                        const ParametresDosxyz &parametres, QString *erreur)
{
    const QString nom = nomEntreeDosxyz(cheminEntree);
    QString raison = refusFantomeDosxyz(fantome.chemin);
    if (raison.isEmpty() && QFileInfo(nom).absoluteFilePath() == fantome.chemin)
        raison = QCoreApplication::translate("companions", "ce fichier est le fantôme lui-même");
    const QString nomFantome = QDir(QFileInfo(nom).absolutePath()).relativeFilePath(fantome.chemin);
    if (raison.isEmpty() && surUneLigne(nomFantome) != nomFantome)
        raison = QCoreApplication::translate(
            "companions", "le nom du fantôme tient sur plusieurs lignes : DOSXYZnrc le lit sur une seule");
    if (raison.isEmpty()) {
        const QByteArray texte = texteEntreeDosxyz(nom, fantome, parametres);
        if (!ecrireFichierEntier(nom, [&](QIODevice &sortie) { return sortie.write(texte) == texte.size(); }, &raison)
            && raison.isEmpty())
            raison = QCoreApplication::translate("companions", "erreur d'écriture");
    }
    if (!raison.isEmpty())
        *erreur = QCoreApplication::translate("companions", "Entrée DOSXYZnrc « %1 » non écrite : %2")
                      .arg(extrait(nom), raison);
    return raison.isEmpty();
}

QString resumeEntreeDosxyz(const QString &cheminEntree)
{
    return QCoreApplication::translate("companions", "Entrée DOSXYZnrc écrite dans « %1 »")
        .arg(extrait(QFileInfo(nomEntreeDosxyz(cheminEntree)).absoluteFilePath()));
}
