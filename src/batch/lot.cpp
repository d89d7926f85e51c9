// The batch command: its options fill a session and run the session's
// pipeline, the one the window runs, so both give the same file.
#include "batch/lot.h"
#include "batch/info.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QImage>

#include <algorithm>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <ostream>

#include "batch/avancement.h"
#include "batch/ct.h"
#include "companions/dosxyz.h"
#include "egsphant/egsphant.h"
#include "images/chargement.h"
#include "images/inventaire.h"
#include "media/materiaux.h"
#include "media/tablegris.h"
#include "model/densite.h"
#include "model/ligne.h"
#include "model/niveaugris.h"
#include "model/nombre.h"
#include "phantom/construction.h"
#include "session/construction.h"
#include "session/demandect.h"
#include "session/ecriture.h"
#include "session/lignes.h"
#include "session/session.h"
#include "structures/structures.h"
#include "volume/volume.h"

namespace {

// The planes in the order the window's count fields are filled.
enum Plan { XY, YZ, XZ, nombrePlans };

const QString fichierParDefaut = "test.egsphant";

struct Options
{
    bool aide = false;
    std::optional<QString> pegs;
    std::optional<QString> images[nombrePlans];
    std::optional<QString> volume;
    QStringList milieux;
    std::optional<QString> taille, origine, comptes, sortie, fond, table;
    // The files written beside the phantom, and the run the DOSXYZnrc input sets.
    std::optional<QString> egsinp, egspp;
    ChoixDosxyz dosxyz;
    QStringList optionsDosxyz; // those of the run given, which need --egsinp
    // A CT in place of the planes.
    std::optional<QString> ct, serie, rampe, boite;
    bool modeleRampe = false;
    bool listeSeries = false;
    // An RT Structure Set beside the CT, and the media its regions set.
    std::optional<QString> structures, exterieur;
    QStringList interieurs;
    bool listeStructures = false;
};

// A grey level's medium from --medium; no density means the catalogue's.
// The density is kept as text, as the window's density box holds it.
struct Affectation
{
    QString texte;
    QString nom;
    std::optional<QString> texteDensite;
};

// A refusal: what to say and the exit status it calls for.
struct Refus
{
    QString message;
    int statut = statutLotRefus;
};

void ecrireLigne(std::ostream &flux, const QString &texte)
{
    // Whatever the user typed, one line.
    const QByteArray octets = surUneLigne(texte).toUtf8();
    flux.write(octets.constData(), octets.size());
    flux.put('\n');
    flux.flush();
}

Refus usage(const QString &message)
{
    return {message + QCoreApplication::translate("batch", " (voir quarvel-phantom --help)"), statutLotUsage};
}

// The options of the build, all with a value but -h. --info is read apart.
QList<QCommandLineOption> definitionsOptions()
{
    return {{{"h", "help"}, ""},
            {"pegs", "", "FICHIER"},
            {"xy", "", "IMAGE"},
            {"yz", "", "IMAGE"},
            {"xz", "", "IMAGE"},
            {"volume", "", "CHEMIN"},
            {"medium", "", "NIVEAU=NOM[:DENSITE]"},
            {"table", "", "FICHIER"},
            {"background", "", "NIVEAU"},
            {"size", "", "SX,SY,SZ"},
            {"origin", "", "OX,OY,OZ"},
            {"counts", "", "NX,NY,NZ"},
            {{"o", "output"}, "", "FICHIER"},
            {"egsinp", "", "FICHIER"},
            {"title", "", "TEXTE"},
            {"particle", "", "PARTICULE"},
            {"energy", "", "MEV"},
            {"histories", "", "N"},
            {"seeds", "", "N1,N2"},
            {"egspp", "", "FICHIER"},
            {"ct", "", "DOSSIER"},
            {"series", "", "UID"},
            {"ramp", "", "FICHIER"},
            {"crop", "", "X0,X1,Y0,Y1,Z0,Z1"},
            {"ramp-template", ""},
            {"list-series", ""},
            {"structures", "", "FICHIER"},
            {"structure", "", "NOM=MILIEU[:DENSITE]"},
            {"outside", "", "NOM=MILIEU[:DENSITE]"},
            {"list-structures", ""}};
}

QString nomOption(const QString &nom)
{
    return (nom.size() == 1 ? "-" : "--") + nom;
}

// A value that is itself an option means the value was forgotten: "--xy
// --counts ..." is refused, while "-15,..." stays a value (an origin may be
// negative). Names the option as typed.
std::optional<Refus> valeurOubliee(const QCommandLineParser &analyseur, const QList<QCommandLineOption> &definitions,
                                   const QStringList &arguments)
{
    for (const QCommandLineOption &definition : definitions)
        for (const QString &valeur : analyseur.values(definition.names().first()))
            if (valeur.startsWith("--")) {
                const qsizetype k = arguments.indexOf(valeur);
                return usage(QCoreApplication::translate("batch", "Valeur manquante après « %1 »").arg(extrait(k > 0 ? arguments[k - 1] : valeur)));
            }
    return std::nullopt;
}

std::optional<Refus> lireOptions(const QStringList &arguments, Options &options)
{
    const QList<QCommandLineOption> definitions = definitionsOptions();
    QCommandLineParser analyseur;
    analyseur.addOptions(definitions);
    const bool lu = analyseur.parse(QStringList{"quarvel-phantom"} + arguments);
    if (analyseur.isSet("help")) {
        options.aide = true;
        return std::nullopt;
    }
    if (!analyseur.unknownOptionNames().isEmpty())
        return usage(QCoreApplication::translate("batch", "Option inconnue : « %1 »").arg(extrait(nomOption(analyseur.unknownOptionNames().first()))));
    if (!lu) // the only other failure: the last option lacks its value
        return usage(QCoreApplication::translate("batch", "Valeur manquante après « %1 »").arg(extrait(arguments.last())));
    if (auto refus = valeurOubliee(analyseur, definitions, arguments))
        return refus;
    if (!analyseur.positionalArguments().isEmpty())
        return usage(QCoreApplication::translate("batch", "Argument inattendu : « %1 »").arg(extrait(analyseur.positionalArguments().first())));

    const auto valeur = [&](const QString &nom) -> std::optional<QString> {
        if (!analyseur.isSet(nom))
            return std::nullopt;
        return analyseur.value(nom);
    };
    for (const QCommandLineOption &definition : definitions) {
        const QString nom = definition.names().last();
        if (nom != "medium" && nom != "structure" && analyseur.values(nom).size() > 1)
            return usage(QCoreApplication::translate("batch", "Option « %1 » donnée deux fois").arg(nomOption(nom)));
    }
    options.pegs = valeur("pegs");
    options.images[XY] = valeur("xy");
    options.images[YZ] = valeur("yz");
    options.images[XZ] = valeur("xz");
    options.volume = valeur("volume");
    options.milieux = analyseur.values("medium");
    options.table = valeur("table");
    options.fond = valeur("background");
    options.taille = valeur("size");
    options.origine = valeur("origin");
    options.comptes = valeur("counts");
    options.sortie = valeur("output");
    options.egsinp = valeur("egsinp");
    options.egspp = valeur("egspp");
    const std::pair<const char *, QString *> dosxyz[] = {{"title", &options.dosxyz.titre},
                                                         {"particle", &options.dosxyz.particule},
                                                         {"energy", &options.dosxyz.energie},
                                                         {"histories", &options.dosxyz.histoires},
                                                         {"seeds", &options.dosxyz.graines}};
    for (const auto &[nom, champ] : dosxyz)
        if (analyseur.isSet(nom)) {
            *champ = analyseur.value(nom);
            options.optionsDosxyz << nomOption(nom);
        }
    options.ct = valeur("ct");
    options.serie = valeur("series");
    options.rampe = valeur("ramp");
    options.boite = valeur("crop");
    options.modeleRampe = analyseur.isSet("ramp-template");
    options.listeSeries = analyseur.isSet("list-series");
    options.structures = valeur("structures");
    options.exterieur = valeur("outside");
    options.interieurs = analyseur.values("structure");
    options.listeStructures = analyseur.isSet("list-structures");
    return std::nullopt;
}

// Three values separated by commas, each read by lire (false when it is not
// what genre says it must be).
template <typename T, typename Lire>
std::optional<Refus> troisValeurs(const QString &option, const QString &texte, T valeurs[3], Lire lire,
                                  const char *genre)
{
    const QStringList parties = texte.split(',');
    if (parties.size() != 3)
        return Refus{QCoreApplication::translate("batch", "%1 attend trois valeurs séparées par des virgules, pas « %2 »").arg(option, extrait(texte))};
    for (int i = 0; i < 3; ++i)
        if (!lire(parties[i], valeurs[i]))
            return Refus{QCoreApplication::translate("batch", "%1 « %2 » : « %3 » n'est pas %4").arg(option, extrait(texte), extrait(parties[i]), QCoreApplication::translate("batch", genre))};
    return std::nullopt;
}

bool lireEntier(const QString &texte, qint64 &valeur)
{
    bool ok = false;
    valeur = texte.toLongLong(&ok, 10);
    return ok;
}

std::optional<Refus> lireAffectation(const QString &texte, int &niveau, Affectation &affectation)
{
    const qsizetype egal = texte.indexOf('=');
    if (egal < 0)
        return Refus{QCoreApplication::translate("batch", "--medium attend NIVEAU=NOM[:DENSITE], pas « %1 »").arg(extrait(texte))};
    bool ok = false;
    niveau = texte.left(egal).toInt(&ok, 10);
    if (!ok || niveau < 0 || niveau > niveauMax)
        return Refus{QCoreApplication::translate("batch", "--medium « %1 » : le niveau de gris doit être un entier de 0 à %2")
                         .arg(extrait(texte))
                         .arg(niveauMax)};
    QString nom = texte.mid(egal + 1);
    // The last colon: a density never holds one.
    const qsizetype deuxPoints = nom.lastIndexOf(':');
    if (deuxPoints >= 0) {
        affectation.texteDensite = nom.mid(deuxPoints + 1);
        nom.truncate(deuxPoints);
    }
    if (nom.trimmed().isEmpty())
        return Refus{QCoreApplication::translate("batch", "--medium « %1 » : nom de milieu vide").arg(extrait(texte))};
    if (affectation.texteDensite) {
        const QString refus = refusChoix(niveau, nom, *affectation.texteDensite, nullptr);
        if (!refus.isEmpty())
            return Refus{QCoreApplication::translate("batch", "--medium « %1 » : %2").arg(extrait(texte), refus)};
    }
    affectation.texte = texte;
    affectation.nom = nom;
    return std::nullopt;
}

// Geometry and counts as typed; the counts stay 0 when not given.
std::optional<Refus> lireNombres(const Options &options, Geometrie &geometrie, qint64 comptes[3])
{
    if (options.taille)
        if (auto refus = troisValeurs("--size", *options.taille, geometrie.taille, lireReel, QT_TRANSLATE_NOOP("batch", "un nombre")))
            return refus;
    if (options.origine)
        if (auto refus = troisValeurs("--origin", *options.origine, geometrie.origine, lireReel, QT_TRANSLATE_NOOP("batch", "un nombre")))
            return refus;
    if (options.comptes)
        if (auto refus = troisValeurs("--counts", *options.comptes, comptes, lireEntier, QT_TRANSLATE_NOOP("batch", "un nombre entier")))
            return refus;
    return std::nullopt;
}

std::optional<Refus> lireAffectations(const Options &options, std::map<int, Affectation> &affectations)
{
    for (const QString &texte : options.milieux) {
        int niveau = 0;
        Affectation affectation;
        if (auto refus = lireAffectation(texte, niveau, affectation))
            return refus;
        if (affectations.count(niveau))
            return Refus{QCoreApplication::translate("batch", "Le niveau de gris %1 reçoit deux milieux : « %2 » et « %3 »")
                             .arg(niveau)
                             .arg(extrait(affectations[niveau].texte), extrait(texte))};
        affectations[niveau] = affectation;
    }
    return std::nullopt;
}

// Gives every assignment without a density the catalogue's name and density.
std::optional<Refus> chercherDansCatalogue(const Options &options, const QList<Milieu> &catalogue,
                                           std::map<int, Affectation> &affectations)
{
    for (auto &[niveau, affectation] : affectations) {
        if (affectation.texteDensite)
            continue;
        const Milieu *trouve = nullptr;
        for (const Milieu &milieu : catalogue)
            if (!trouve && milieu.nom.trimmed() == affectation.nom.trimmed())
                trouve = &milieu;
        if (!trouve)
            return Refus{options.pegs ? QCoreApplication::translate("batch", "--medium « %1 » : aucun milieu « %2 » dans « %3 »")
                                            .arg(extrait(affectation.texte), extrait(affectation.nom.trimmed()), extrait(*options.pegs))
                                      : QCoreApplication::translate("batch", "--medium « %1 » : sans densité, le milieu se cherche dans un "
                                                "catalogue : donner --pegs FICHIER ou NOM:DENSITE")
                                            .arg(extrait(affectation.texte))};
        // Picking the name in the table brings the name as the catalogue
        // has it and the density as its box shows it.
        affectation.nom = trouve->nom;
        affectation.texteDensite = texteDensite(trouve->densite);
    }
    return std::nullopt;
}

// Where the levels come from, as the refusals name them.
struct Source
{
    const char *absent;   // after "le niveau de gris N"
    const char *niveaux;  // after "le fond doit être"
};
const Source sourceImages = {QT_TRANSLATE_NOOP("batch", "n'apparaît dans aucune image"),
                              QT_TRANSLATE_NOOP("batch", "un des niveaux de gris des images")};
const Source sourceVolume = {QT_TRANSLATE_NOOP("batch", "n'est pas une valeur du volume"),
                              QT_TRANSLATE_NOOP("batch", "une des valeurs du volume")};

QString listeNiveaux(const QVector<int> &niveaux)
{
    QStringList textes;
    for (int niveau : niveaux)
        textes << QString::number(niveau);
    return textes.join(", ");
}

// What the command reads before any picture: numbers, --medium, the
// catalogue and the table.
struct Entrees
{
    Geometrie geometrie;
    qint64 comptes[3] = {0, 0, 0}; // 0 where --counts does not give them
    std::map<int, Affectation> affectations;
    QList<Milieu> catalogue;
    TableGris table;
};

// The --medium levels must be the source's, and a level that none sets
// needs the table's medium or the catalogue's first, as its row in the
// window would show.
std::optional<Refus> verifierAffectations(const Options &options, const Entrees &entrees,
                                          const QVector<int> &niveaux, const Source &source)
{
    for (const auto &[niveau, affectation] : entrees.affectations)
        if (!niveaux.contains(niveau))
            return Refus{QCoreApplication::translate("batch", "--medium « %1 » : le niveau de gris %2 %3")
                             .arg(extrait(affectation.texte))
                             .arg(niveau)
                             .arg(QCoreApplication::translate("batch", source.absent))};
    if (!entrees.catalogue.isEmpty())
        return std::nullopt;
    for (int niveau : niveaux)
        if (!entrees.affectations.count(niveau) && !(options.table && entrees.table.choix[size_t(niveau)]))
            return Refus{QCoreApplication::translate("batch", "Le niveau de gris %1 n'a pas de milieu : donner --medium %1=NOM:DENSITE, "
                                 "ou --pegs FICHIER pour le premier milieu du catalogue")
                             .arg(niveau)};
    return std::nullopt;
}

// --background LEVEL: that level's row is the one marked "Fond"; without
// it, the table's fond line when the source holds that level.
std::optional<Refus> lireFond(const Options &options, const QVector<int> &niveaux, const Source &source,
                              ChoixNiveaux &choix)
{
    if (!options.fond)
        return std::nullopt;
    bool ok = false;
    const int niveau = options.fond->toInt(&ok, 10);
    if (!ok || !niveaux.contains(niveau))
        return Refus{QCoreApplication::translate("batch", "--background « %1 » : le fond doit être %2 (%3)")
                         .arg(extrait(*options.fond), QCoreApplication::translate("batch", source.niveaux), listeNiveaux(niveaux))};
    choix.retenirFond(niveau);
    return std::nullopt;
}

// With one plane and no --counts: what the window's count fields show once
// the image is chosen.
std::optional<Refus> comptesDuPlan(const bool donnes[], const QImage images[], qint64 comptes[3])
{
    // The axes along an image's width and height, plane by plane.
    const int axes[nombrePlans][2] = {{0, 1}, {1, 2}, {0, 2}};
    for (int p = 0; p < nombrePlans; ++p) {
        if (donnes[p]) {
            comptes[axes[p][0]] = images[p].width();
            comptes[axes[p][1]] = images[p].height();
        }
    }
    for (int axe = 0; axe < 3; ++axe)
        if (comptes[axe] == 0)
            return Refus{QCoreApplication::translate("batch", "Une seule image ne donne pas le nombre de voxels selon %1 : "
                                 "donner les trois comptes avec --counts NX,NY,NZ")
                             .arg(QChar('X' + axe))};
    return std::nullopt;
}

std::optional<Refus> lireEntrees(const Options &options, Entrees &entrees)
{
    if (auto refus = lireNombres(options, entrees.geometrie, entrees.comptes))
        return refus;
    if (auto refus = lireAffectations(options, entrees.affectations))
        return refus;
    if (auto refus = lireCatalogue(options.pegs, entrees.catalogue))
        return Refus{*refus};
    if (auto refus = chercherDansCatalogue(options, entrees.catalogue, entrees.affectations))
        return refus;
    QString erreur;
    if (options.table && !chargerTableGris(*options.table, entrees.catalogue, entrees.table, &erreur))
        return Refus{erreur};
    return std::nullopt;
}

std::optional<Refus> lireImages(const Options &options, const bool donnes[], QImage images[], QVector<int> &niveaux)
{
    for (int p = 0; p < nombrePlans; ++p) {
        if (!donnes[p])
            continue;
        QString erreur;
        images[p] = chargerImage(*options.images[p], &erreur);
        if (images[p].isNull())
            return Refus{erreur};
        ajouterNiveauxGris(images[p], niveaux);
    }
    return std::nullopt;
}

// The source's levels and the options' choices in the session, as the
// window's table puts them: a --medium is the user's choice for its level,
// the table serves the levels none sets; then the session's records.
std::optional<Refus> choisirNiveaux(const Options &options, const Entrees &entrees, const QVector<int> &niveaux,
                                    const Source &source, Session &session)
{
    if (auto refus = verifierAffectations(options, entrees, niveaux, source))
        return refus;
    session.catalogue() = entrees.catalogue;
    session.montrerNiveaux(niveaux);
    for (const auto &[niveau, affectation] : entrees.affectations) {
        session.choix().retenir(niveau, ChoixNiveau{affectation.nom, *affectation.texteDensite});
        session.choix().marquerChoisi(niveau);
    }
    if (options.table)
        session.choix().chargerTable(entrees.table);
    if (auto refus = lireFond(options, niveaux, source, session.choix()))
        return refus;
    if (const QString refus = materiauxChoix(session); !refus.isEmpty())
        return Refus{refus};
    return std::nullopt;
}

std::optional<Refus> verifierComptes(const qint64 comptes[3])
{
    if (const QString refus = refusComptesLus(comptes); !refus.isEmpty())
        return Refus{refus};
    return std::nullopt;
}

// The DOSXYZnrc input's choices and its phantom, checked before the build
// so that a refusal leaves nothing written.
std::optional<Refus> lireDosxyz(const Options &options, ParametresDosxyz &parametres)
{
    if (!options.egsinp) {
        if (!options.optionsDosxyz.isEmpty())
            return usage(QCoreApplication::translate("batch", "%1 ne s'emploie qu'avec --egsinp FICHIER").arg(options.optionsDosxyz.first()));
        return std::nullopt;
    }
    QString refus = lireChoixDosxyz(options.dosxyz, parametres);
    if (refus.isEmpty())
        refus = refusFantomeDosxyz(options.sortie.value_or(fichierParDefaut));
    if (!refus.isEmpty())
        return Refus{QCoreApplication::translate("batch", "Entrée DOSXYZnrc : ") + refus};
    return std::nullopt;
}

// What the planes and a volume read alike: the DOSXYZnrc input's choices
// first, then the media, sizes and origin.
std::optional<Refus> lireChoix(const Options &options, Entrees &entrees, ParametresDosxyz &dosxyz)
{
    if (auto refus = lireDosxyz(options, dosxyz))
        return refus;
    return lireEntrees(options, entrees);
}

// The phantom's file and the files asked beside it; on a terminal, the
// write's progress on erreurs, cleared once the write ends.
DemandeEcriture demandeEcriture(const Options &options, const ParametresDosxyz &dosxyz, std::ostream &erreurs,
                                bool avancement)
{
    DemandeEcriture demande;
    demande.fichier = options.sortie.value_or(fichierParDefaut);
    demande.egsinp = options.egsinp;
    demande.egspp = options.egspp;
    demande.dosxyz = dosxyz;
    if (avancement) {
        demande.suivi = [&erreurs](const std::function<qint64()> &taille) { return avancementTerminal(erreurs, taille); };
        demande.finSuivi = [&erreurs] { effacerAvancement(erreurs); };
    }
    return demande;
}

// What the pipeline says, in its order; its refusal is said last, by the caller.
std::optional<Refus> dire(const Ecriture &ecriture, std::ostream &sortie, std::ostream &erreurs)
{
    for (const LigneCompteRendu &ligne : ecriture.lignes)
        ecrireLigne(ligne.note ? erreurs : sortie, ligne.texte);
    if (ecriture.refus.isEmpty())
        return std::nullopt;
    return Refus{ecriture.refus};
}

// The build from a label volume: its values are the levels, its counts
// the grid's, and its file's geometry holds unless --size or --origin
// gives another.
std::optional<Refus> construireDepuisVolume(const Options &options, std::ostream &sortie, std::ostream &erreurs,
                                            bool avancement)
{
    Entrees entrees;
    ParametresDosxyz dosxyz;
    if (auto refus = lireChoix(options, entrees, dosxyz))
        return refus;
    auto volume = std::make_shared<Volume>();
    QString erreur;
    if (!chargerVolume(*options.volume, *volume, &erreur))
        return Refus{erreur};
    GeometrieSource nombres;
    nombres.geometrie = entrees.geometrie;
    for (int axe = 0; axe < 3; ++axe) {
        if (volume->geometrieConnue && !options.taille)
            nombres.geometrie.taille[axe] = volume->taille[axe];
        if (volume->geometrieConnue && !options.origine)
            nombres.geometrie.origine[axe] = volume->origine[axe];
        nombres.comptes[axe] = volume->comptes[axe];
    }
    Session session;
    session.changerSource(SourceFantome::Volume);
    // The session holds the only reference: the build lets its memory go.
    session.choisirVolume(std::move(volume), *options.volume, !QFileInfo(*options.volume).isDir());
    session.changerGeometrie(nombres);
    if (auto refus = choisirNiveaux(options, entrees, session.volume().volume->valeurs, sourceVolume, session))
        return refus;
    if (auto refus = verifierComptes(nombres.comptes))
        return refus;
    return dire(construireEtEcrire(session, demandeEcriture(options, dosxyz, erreurs, avancement)), sortie, erreurs);
}

// The options of the planes' build that a CT replaces, the first one given.
std::optional<QString> optionDesPlans(const Options &options)
{
    const std::pair<bool, const char *> options_[] = {
        {options.images[XY].has_value(), "--xy"}, {options.images[YZ].has_value(), "--yz"},
        {options.images[XZ].has_value(), "--xz"}, {options.volume.has_value(), "--volume"},
        {options.comptes.has_value(), "--counts"},
        {options.origine.has_value(), "--origin"}, {options.table.has_value(), "--table"},
        {!options.milieux.isEmpty(), "--medium"}, {options.fond.has_value(), "--background"}};
    for (const auto &[donnee, nom] : options_)
        if (donnee)
            return QString(nom);
    return std::nullopt;
}

// --ct: the series, the ramp, the box and sizes give the voxels, their
// geometry and their media.
std::optional<Refus> construireCT(const Options &options, std::ostream &sortie, std::ostream &erreurs, bool avancement)
{
    if (const auto option = optionDesPlans(options))
        return usage(QCoreApplication::translate("batch", "--ct ne s'emploie pas avec %1 : le scanner donne les voxels, leur géométrie et, par la "
                             "rampe, leurs milieux").arg(*option));
    ParametresDosxyz dosxyz;
    if (auto refus = lireDosxyz(options, dosxyz))
        return refus;
    if ((options.exterieur || !options.interieurs.isEmpty()) && !options.structures)
        return usage(QCoreApplication::translate("batch", "--structure et --outside nomment des régions d'un RT Structure Set : donner --structures FICHIER"));
    DemandeCT demande{*options.ct, options.serie.value_or(QString()), options.rampe, std::nullopt, std::nullopt,
                      {options.structures.value_or(QString()), options.exterieur, options.interieurs}};
    if (auto refus = lireCadreCT(options.boite, options.taille, demande.boite, demande.tailles))
        return Refus{*refus};
    Session session;
    session.changerSource(SourceFantome::Scanner);
    if (auto refus = lireCatalogue(options.pegs, session.catalogue()))
        return Refus{*refus};
    return dire(construireEtEcrireCT(session, demande, demandeEcriture(options, dosxyz, erreurs, avancement)), sortie,
                erreurs);
}

// --ramp-template: the default ramp of the --pegs catalogue, printed.
std::optional<Refus> ecrireModeleRampe(const Options &options, std::ostream &sortie)
{
    if (!options.pegs)
        return usage(QCoreApplication::translate("batch", "--ramp-template donne la rampe par défaut d'un catalogue : donner --pegs FICHIER"));
    if (optionDesPlans(options) || options.ct || options.serie || options.rampe || options.boite || options.taille
        || options.sortie || options.structures || options.exterieur || !options.interieurs.isEmpty())
        return usage(QCoreApplication::translate("batch", "--ramp-template ne s'emploie qu'avec --pegs FICHIER"));
    QByteArray texte;
    if (auto refus = modeleRampe(*options.pegs, texte))
        return Refus{*refus};
    sortie.write(texte.constData(), texte.size());
    sortie.flush();
    return std::nullopt;
}

// --list-series: the CT series of the --ct folder, one line each.
std::optional<Refus> ecrireListeSeries(const Options &options, std::ostream &sortie)
{
    if (!options.ct || optionDesPlans(options) || options.serie || options.rampe || options.boite || options.taille ||
        options.sortie || options.pegs || options.egsinp || options.egspp || options.modeleRampe ||
        options.structures || options.exterieur || !options.interieurs.isEmpty() || options.listeStructures)
        return usage(QCoreApplication::translate("batch", "--list-series ne s'emploie qu'avec --ct DOSSIER, seule"));
    QByteArray texte;
    if (auto refus = listeSeries(*options.ct, texte))
        return Refus{*refus};
    sortie.write(texte.constData(), texte.size());
    sortie.flush();
    return std::nullopt;
}

// --list-structures: the regions of the --structures file, one line each.
std::optional<Refus> ecrireListeStructures(const Options &options, std::ostream &sortie)
{
    if (!options.structures)
        return usage(QCoreApplication::translate("batch", "--list-structures donne les régions d'un RT Structure Set : donner --structures FICHIER"));
    if (optionDesPlans(options) || options.ct || options.serie || options.rampe || options.boite || options.taille
        || options.sortie || options.pegs || options.exterieur || !options.interieurs.isEmpty() || options.modeleRampe)
        return usage(QCoreApplication::translate("batch", "--list-structures ne s'emploie qu'avec --structures FICHIER"));
    JeuStructures jeu;
    QString erreur;
    if (!lireStructures(*options.structures, jeu, &erreur))
        return Refus{erreur};
    const QByteArray texte = lignesStructures(jeu).toUtf8();
    sortie.write(texte.constData(), texte.size());
    sortie.flush();
    return std::nullopt;
}

// The command once its options are read; refusals come before any grid is
// allocated or any file is opened.
std::optional<Refus> construire(const Options &options, std::ostream &sortie, std::ostream &erreurs,
                                bool avancement)
{
    if (options.listeSeries)
        return ecrireListeSeries(options, sortie);
    if (options.listeStructures)
        return ecrireListeStructures(options, sortie);
    if (options.modeleRampe)
        return ecrireModeleRampe(options, sortie);
    if (options.ct)
        return construireCT(options, sortie, erreurs, avancement);
    if (options.serie || options.rampe || options.boite)
        return usage(QCoreApplication::translate("batch", "--series, --ramp et --crop ne s'emploient qu'avec --ct DOSSIER"));
    if (options.structures || options.exterieur || !options.interieurs.isEmpty())
        return usage(QCoreApplication::translate("batch", "--structures, --structure et --outside ne s'emploient qu'avec --ct DOSSIER"));
    bool donnes[nombrePlans];
    int nombreDonnes = 0;
    for (int p = 0; p < nombrePlans; ++p) {
        donnes[p] = options.images[p].has_value();
        nombreDonnes += donnes[p];
    }
    if (options.volume && (nombreDonnes > 0 || options.comptes))
        return usage(QCoreApplication::translate("batch", "--volume ne se combine ni avec --xy, --yz, --xz ni avec --counts : le volume donne les "
                     "voxels et leurs comptes"));
    if (options.volume)
        return construireDepuisVolume(options, sortie, erreurs, avancement);
    if (nombreDonnes == 0)
        return usage(QCoreApplication::translate("batch", "Aucun plan : donner au moins une image avec --xy, --yz ou --xz, ou un volume avec --volume"));
    if (nombreDonnes > 1 && options.comptes)
        return usage(QCoreApplication::translate("batch", "--counts ne s'emploie qu'avec un seul plan : avec plusieurs, les comptes viennent des images"));

    Entrees entrees;
    ParametresDosxyz dosxyz;
    if (auto refus = lireChoix(options, entrees, dosxyz))
        return refus;
    if (nombreDonnes > 1 && !donnes[XY])
        return Refus{QCoreApplication::translate("batch", "Avec plusieurs plans, l'image du plan XY est nécessaire : donner --xy IMAGE")};
    QImage images[nombrePlans];
    QVector<int> niveaux;
    if (auto refus = lireImages(options, donnes, images, niveaux))
        return refus;
    Session session;
    const PlanImage plans[nombrePlans] = {PlanImage::XY, PlanImage::YZ, PlanImage::XZ};
    for (int p = 0; p < nombrePlans; ++p) {
        session.choisirPlan(plans[p], options.images[p].value_or(QString()), images[p]);
        session.cocherPlan(plans[p], donnes[p]);
    }
    if (auto refus = choisirNiveaux(options, entrees, niveaux, sourceImages, session))
        return refus;
    // With several planes, the session takes the counts the pictures agree on.
    GeometrieSource nombres;
    nombres.geometrie = entrees.geometrie;
    std::copy(entrees.comptes, entrees.comptes + 3, nombres.comptes);
    if (nombreDonnes == 1) {
        if (!options.comptes)
            if (auto refus = comptesDuPlan(donnes, images, nombres.comptes))
                return refus;
        if (auto refus = verifierComptes(nombres.comptes))
            return refus;
    }
    session.changerGeometrie(nombres);
    return dire(construireEtEcrire(session, demandeEcriture(options, dosxyz, erreurs, avancement)), sortie, erreurs);
}

} // namespace

int executerLot(const QStringList &arguments, std::ostream &sortie, std::ostream &erreurs, bool avancement)
{
    if (demandeInfo(arguments))
        return executerInfo(arguments, sortie, erreurs);
    Options options;
    std::optional<Refus> refus = lireOptions(arguments, options);
    if (!refus && options.aide) {
        const QString aide = aideLot();
        const QByteArray octets = aide.toUtf8();
        sortie.write(octets.constData(), octets.size());
        sortie.flush();
        return statutLotReussi;
    }
    if (!refus) {
        try {
            refus = construire(options, sortie, erreurs, avancement);
        } catch (const std::bad_alloc &) {
            refus = Refus{QCoreApplication::translate("batch", "Mémoire insuffisante pour construire ce fantôme")};
        }
    }
    if (refus) {
        ecrireLigne(erreurs, refus->message);
        return refus->statut;
    }
    return statutLotReussi;
}
