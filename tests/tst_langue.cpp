// The language the programs speak: chosen from the locale, English beside
// French in the programs and the viewer, and never in the files written.
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "langue/langue.h"
#include "outils.h"
#include "seriect.h"
#include "fenetre.h"
#include "viewer/fenetrevue.h"

namespace {

QProcessEnvironment environnement(const QStringList &variables)
{
    QProcessEnvironment e;
    for (const QString &v : variables)
        e.insert(v.section('=', 0, 0), v.section('=', 1));
    return e;
}

// The application's translators removed, then the language of these variables installed.
void parler(const QProcessEnvironment &e)
{
    for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    installerLangue(e);
}

// A program's status and output under these variables only (no display, no Qt platform set).
Resultat executer(const QString &programme, const QStringList &arguments, const QStringList &variables)
{
    QProcess p;
    QProcessEnvironment e = environnement(variables);
    e.insert("PATH", qEnvironmentVariable("PATH"));
    p.setProcessEnvironment(e);
    p.start(programme, arguments);
    if (!p.waitForFinished(60000))
        return {-1, "", "pas fini"};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const QByteArray pegs = " MEDIUM=AIR521ICRU              ,STERNCID=AIR521ICRU\n"
                        " MIXT,RHO= 1.2048E-03,NE= 4,GASP= 1.0000E+00, IUNRST=0\n"
                        " MEDIUM=EAU,STERNCID=EAU\n"
                        " COMP,RHO= 1.0000E+00,NE= 2\n";

const QByteArray rampe = "min -1000\nAIR -900 0.001 0.101\nLUNG -600 0.2 0.5\nEAU 200 0.9 1.3\nOS 2000 1.5 2.4\n";

} // namespace

class TestLangue : public QObject
{
    Q_OBJECT

private slots:
    void choix_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<bool>("francais");
        QTest::newRow("rien") << QStringList{} << true;
        QTest::newRow("C") << QStringList{"LANG=C"} << true;
        QTest::newRow("C.UTF-8") << QStringList{"LC_ALL=C.UTF-8"} << true;
        QTest::newRow("POSIX") << QStringList{"LANG=POSIX"} << true;
        QTest::newRow("fr_FR") << QStringList{"LANG=fr_FR.UTF-8"} << true;
        QTest::newRow("fr_CA") << QStringList{"LANG=fr_CA.UTF-8"} << true;
        QTest::newRow("fr_BE@euro") << QStringList{"LANG=fr_BE@euro"} << true;
        QTest::newRow("en_US") << QStringList{"LANG=en_US.UTF-8"} << false;
        QTest::newRow("de_DE") << QStringList{"LANG=de_DE.UTF-8"} << false;
        QTest::newRow("frr, pas fr") << QStringList{"LANG=frr_DE.UTF-8"} << false;
        QTest::newRow("LANGUAGE=fr") << QStringList{"LANGUAGE=fr", "LANG=en_US.UTF-8"} << true;
        QTest::newRow("LANGUAGE=en:fr") << QStringList{"LANGUAGE=en:fr", "LANG=fr_FR.UTF-8"} << false;
        QTest::newRow("LANGUAGE vide") << QStringList{"LANGUAGE=", "LANG=en_US.UTF-8"} << false;
        QTest::newRow("LC_ALL avant LANG") << QStringList{"LC_ALL=en_GB.UTF-8", "LANG=fr_FR.UTF-8"} << false;
        QTest::newRow("LC_MESSAGES avant LANG") << QStringList{"LC_MESSAGES=fr_FR.UTF-8", "LANG=en_US.UTF-8"} << true;
        QTest::newRow("LC_ALL avant LC_MESSAGES") << QStringList{"LC_ALL=C", "LC_MESSAGES=en_US.UTF-8"} << true;
    }
    void choix()
    {
        QFETCH(QStringList, variables);
        QFETCH(bool, francais);
        QCOMPARE(langueChoisie(environnement(variables)) == Langue::Francais, francais);
    }

    // Every entry translated, none left over from a text the code no longer says.
    void traductionsFinies_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::newRow("anglais") << "quarvel_en.ts";
        QTest::newRow("pluriels français") << "quarvel_fr.ts";
    }
    void traductionsFinies()
    {
        QFETCH(QString, fichier);
        QFile f(QUARVEL_SOURCE_DIR "/translations/" + fichier);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        QXmlStreamReader xml(&f);
        int messages = 0;
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("message"))
                ++messages;
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value("type").toString();
                QVERIFY2(type.isEmpty(), qPrintable(type + " : " + source));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 0);
    }

    void programmes_data()
    {
        QTest::addColumn<QString>("programme");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("langue");
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("debut");
        const QString vue = QUARVEL_VIEW, fenetre = QUARVEL_TOOLKIT, lot = QUARVEL_PHANTOM;
        QTest::newRow("vue --help C") << vue << QStringList{"--help"} << "C" << 0 << "Usage : quarvel-view [FICHIER";
        QTest::newRow("vue --help fr") << vue << QStringList{"--help"} << "fr_FR.UTF-8" << 0 << "Usage : quarvel-view [FICHIER";
        QTest::newRow("vue --help en") << vue << QStringList{"--help"} << "en_US.UTF-8" << 0 << "Usage: quarvel-view [FILE";
        QTest::newRow("vue refus fr") << vue << QStringList{"--doses"} << "fr_FR.UTF-8" << 2 << "Usage : quarvel-view [FICHIER";
        QTest::newRow("vue refus en") << vue << QStringList{"--doses"} << "en_US.UTF-8" << 2 << "Usage: quarvel-view [FILE";
        QTest::newRow("fenêtre --help fr") << fenetre << QStringList{"--help"} << "fr_FR.UTF-8" << 0
                                          << "Usage : quarvel-toolkit [FICHIER.pegs4dat";
        QTest::newRow("fenêtre --help en") << fenetre << QStringList{"--help"} << "de_DE.UTF-8" << 0
                                          << "Usage: quarvel-toolkit [FILE.pegs4dat";
        QTest::newRow("fenêtre deux fichiers en") << fenetre << QStringList{"a.pegs4dat", "b.pegs4dat"} << "en_US.UTF-8"
                                                 << 2 << "Usage: quarvel-toolkit";
        QTest::newRow("fenêtre option inconnue fr") << fenetre << QStringList{"-x"} << "C" << 2 << "Usage : quarvel-toolkit";
        QTest::newRow("fenêtre --version en") << fenetre << QStringList{"--version"} << "en_US.UTF-8" << 0
                                             << "quarvel-toolkit (Quarvel Toolkit) ";
        QTest::newRow("lot --help fr") << lot << QStringList{"--help"} << "C" << 0
                                      << "Usage : quarvel-phantom [options]\nConstruit un fantôme EGSnrc";
        QTest::newRow("lot --help en") << lot << QStringList{"--help"} << "en_US.UTF-8" << 0
                                      << "Usage: quarvel-phantom [options]\nBuilds an EGSnrc phantom";
        QTest::newRow("lot refus en") << lot << QStringList{"--pegs", "a.pegs4dat"} << "en_GB.UTF-8" << 2
                                     << "No plane: give at least one image with --xy, --yz or --xz, or a volume with "
                                        "--volume (see quarvel-phantom --help)\n";
    }
    // Answered with no display and no Qt platform: one line on stderr for a refusal.
    void programmes()
    {
        QFETCH(QString, programme);
        QFETCH(QStringList, arguments);
        QFETCH(QString, langue);
        QFETCH(int, statut);
        QFETCH(QString, debut);
        const Resultat r = executer(programme, arguments, {"LANG=" + langue});
        QCOMPARE(r.statut, statut);
        const QString texte = statut == 0 ? r.sortie : r.erreurs;
        QVERIFY2(texte.startsWith(debut), qPrintable(texte));
        QCOMPARE(statut == 0 ? r.erreurs : r.sortie, QString());
        if (statut != 0)
            QCOMPARE(texte.count('\n'), 1);
    }

    // The viewer's labels in each language; the English words do not widen the window.
    void vue()
    {
        parler(environnement({"LANG=fr_FR.UTF-8"}));
        FenetreVue francaise;
        QCOMPARE(francaise.etat->text(), QString("Aucun fantôme ouvert."));
        const int largeurFrancaise = francaise.minimumSizeHint().width();
        QVERIFY(!francaise.ouvrir("/absent.egsphant"));
        QVERIFY2(francaise.etat->text().endsWith("illisible : fichier absent"), qPrintable(francaise.etat->text()));
        parler(environnement({"LANG=en_US.UTF-8"}));
        FenetreVue anglaise;
        QCOMPARE(anglaise.etat->text(), QString("No phantom open."));
        const QTabWidget *onglets = anglaise.findChild<QTabWidget *>();
        QVERIFY(onglets);
        QCOMPARE(onglets->tabText(0), QString("Legend"));
        // The reader's refusal too, built in its library.
        QVERIFY(!anglaise.ouvrir("/absent.egsphant"));
        QVERIFY2(anglaise.etat->text().endsWith("unreadable: file missing"), qPrintable(anglaise.etat->text()));
        QVERIFY2(anglaise.minimumSizeHint().width() <= largeurFrancaise,
                 qPrintable(QString("%1 > %2").arg(anglaise.minimumSizeHint().width()).arg(largeurFrancaise)));
        parler(environnement({}));
        QCOMPARE(FenetreVue().etat->text(), QString("Aucun fantôme ouvert."));
    }

    // The window's button, plane count and refusal in each language; the
    // English labels still fit a 1280-pixel screen.
    void fenetre_data()
    {
        QTest::addColumn<QString>("langue");
        QTest::addColumn<int>("niveaux");
        QTest::addColumn<QString>("voir");
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("refus");
        const QString vide = "Aucun fantôme à voir : le nom du fichier de sortie est vide.";
        QTest::newRow("C, 1 niveau") << "C" << 1 << "Voir" << "XY : xy.bmp, 3 × 2, 1 niveau" << vide;
        QTest::newRow("fr, 2 niveaux") << "fr_FR.UTF-8" << 2 << "Voir" << "XY : xy.bmp, 3 × 2, 2 niveaux" << vide;
        const QString empty = "No phantom to view: the output file name is empty.";
        QTest::newRow("en, 1 niveau") << "en_US.UTF-8" << 1 << "View" << "XY: xy.bmp, 3 × 2, 1 grey level" << empty;
        QTest::newRow("en, 2 niveaux") << "en_GB.UTF-8" << 2 << "View" << "XY: xy.bmp, 3 × 2, 2 grey levels" << empty;
    }
    void fenetre()
    {
        QFETCH(QString, langue);
        QFETCH(int, niveaux);
        QFETCH(QString, voir);
        QFETCH(QString, plan);
        QFETCH(QString, refus);
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(qRgb(255, 255, 255));
        if (niveaux > 1)
            image.setPixel(1, 1, qRgb(0, 0, 0));
        QVERIFY(image.save(dossier.filePath("xy.bmp"), "BMP"));
        parler(environnement({"LANG=" + langue}));
        Fenetre f;
        QPushButton *boutonVoir = bouton(f.f, voir);
        QVERIFY2(boutonVoir, qPrintable(voir));
        f.lancer(&Interface::selectXY, dossier.filePath("xy.bmp"));
        QCOMPARE(etatDe(f.f)->text(), plan);
        champNomme(f.f, "fichierEgsphant")->clear();
        boutonVoir->click();
        QCOMPARE(etatDe(f.f)->text(), refus);
        QVERIFY2(f.f.sizeHint().width() <= 1280, qPrintable(QString::number(f.f.sizeHint().width())));
        parler(environnement({}));
    }

    // The default ramp of a real catalogue, written on stdout: the same bytes whatever the language.
    void rampeIdentique()
    {
        const QString catalogue = QUARVEL_SHARED_DATA "/521icru.pegs4dat";
        if (!QFile::exists(catalogue))
            QSKIP("521icru.pegs4dat absent : ../shared n'est pas à côté du projet");
        QString premiere;
        for (const QString langue : {"C", "fr_FR.UTF-8", "en_US.UTF-8"}) {
            const Resultat r = executer(QUARVEL_PHANTOM, {"--pegs", catalogue, "--ramp-template"}, {"LANG=" + langue});
            QVERIFY2(r.statut == 0 && !r.sortie.isEmpty(), qPrintable(r.erreurs));
            if (premiere.isEmpty())
                premiere = r.sortie;
            QCOMPARE(r.sortie, premiere);
        }
    }

    // Phantom, DOSXYZnrc input and egs++ geometry: the same bytes whatever the language.
    void fichiersIdentiques()
    {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const auto d = [&](const QString &nom) { return dossier.filePath(nom); };
        QImage plan(3, 2, QImage::Format_RGB32);
        plan.fill(qRgb(255, 255, 255));
        plan.setPixel(1, 1, qRgb(0, 0, 0));
        QVERIFY(plan.save(d("xy.bmp"), "BMP"));
        QVERIFY(ecrireFichier(d("cat.pegs4dat"), pegs));
        QMap<QString, QByteArray> premiers;
        for (const QString langue : {"C", "fr_FR.UTF-8", "en_US.UTF-8", "de_DE.UTF-8"}) {
            // One folder for all: the geometry names the phantom's path.
            const QString sous = dossier.path();
            const Resultat r = executer(QUARVEL_PHANTOM,
                                        {"--pegs", d("cat.pegs4dat"), "--xy", d("xy.bmp"), "--counts", "3,2,2",
                                         "--medium", "255=AIR521ICRU", "--medium", "0=EAU", "--size", "0.5,0.5,1.5",
                                         "-o", sous + "/p.egsphant", "--egsinp", sous + "/p.egsinp", "--egspp",
                                         sous + "/p.geom"},
                                        {"LANG=" + langue});
            QVERIFY2(r.statut == 0, qPrintable(r.erreurs));
            QMap<QString, QByteArray> fichiers;
            for (const QString nom : {"p.egsphant", "p.egsinp", "p.geom"}) {
                fichiers[nom] = lire(sous + '/' + nom);
                QVERIFY2(fichiers[nom] != "ABSENT", qPrintable(nom));
            }
            if (premiers.isEmpty())
                premiers = fichiers;
            for (auto i = fichiers.cbegin(); i != fichiers.cend(); ++i)
                QVERIFY2(i.value() == premiers.value(i.key()), qPrintable(langue + " : " + i.key()));
        }
    }

    // Refusals built in the CT and volume libraries, through the real program, in each language.
    void refusLibrairies_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("langue");
        QTest::addColumn<QString>("attendu");
        const QString ct = "--ct", volume = "--volume";
        QTest::newRow("CT fr") << ct << "fr_FR.UTF-8" << "toutes les coupes sont à la même position (5 coupes)";
        QTest::newRow("CT en") << ct << "en_US.UTF-8" << "all the slices are at the same position (5 slices)";
        QTest::newRow("volume C") << volume << "C" << "sizes : 2 nombres pour dimension 3";
        QTest::newRow("volume en") << volume << "de_DE.UTF-8" << "sizes: 2 numbers for dimension 3";
    }
    void refusLibrairies()
    {
        QFETCH(QString, entree);
        QFETCH(QString, langue);
        QFETCH(QString, attendu);
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString fichier = dossier.filePath(entree == "--ct" ? "serie" : "v.nrrd");
        SerieEssai serie;
        serie.hu = [&](int c, int r, int) { return cylindre(-11 + 2.0 * c, -11.25 + 2.5 * r); };
        if (entree == "--ct")
            QVERIFY(QDir().mkpath(fichier) && ecrireSerie(fichier, serie, [&](int, CoupeEssai &coupe) { coupe.position[2] = serie.premier[2]; }));
        else
            QVERIFY(ecrireFichier(fichier, "NRRD0004\ntype: uchar\ndimension: 3\nsizes: 2 2\nencoding: raw\n\n"));
        QVERIFY(ecrireFichier(dossier.filePath("rampe.txt"), rampe));
        const QStringList options = entree == "--ct" ? QStringList{"--ramp", dossier.filePath("rampe.txt")}
                                                      : QStringList{"--size", "0.1,0.1,0.1"};
        const Resultat r = executer(QUARVEL_PHANTOM, QStringList{entree, fichier, "-o", dossier.filePath("p.egsphant")}
                                                      + options, {"LANG=" + langue});
        QVERIFY2(r.statut != 0 && r.erreurs.count('\n') == 1, qPrintable(r.erreurs));
        QVERIFY2(r.erreurs.trimmed().endsWith(attendu), qPrintable(r.erreurs));
        QVERIFY(!QFile::exists(dossier.filePath("p.egsphant")));
    }

    // A phantom built from a CT series: the same bytes whatever the language.
    void fantomeCTIdentique()
    {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        SerieEssai serie;
        serie.hu = [&](int c, int r, int) { return cylindre(-11 + 2.0 * c, -11.25 + 2.5 * r); };
        QVERIFY(QDir().mkpath(dossier.filePath("serie")) && ecrireSerie(dossier.filePath("serie"), serie));
        QVERIFY(ecrireFichier(dossier.filePath("rampe.txt"), rampe));
        QByteArray premier;
        for (const QString langue : {"C", "fr_FR.UTF-8", "en_US.UTF-8"}) {
            const QString sortie = dossier.filePath("p.egsphant");
            const Resultat r = executer(QUARVEL_PHANTOM, {"--ct", dossier.filePath("serie"), "--ramp",
                                                          dossier.filePath("rampe.txt"), "-o", sortie},
                                        {"LANG=" + langue});
            QVERIFY2(r.statut == 0, qPrintable(r.erreurs));
            const QByteArray octets = lire(sortie);
            QVERIFY(octets.size() > 1000);
            if (premier.isEmpty())
                premier = octets;
            QVERIFY2(octets == premier, qPrintable(langue));
            QVERIFY(QFile::remove(sortie));
        }
    }
};

QTEST_MAIN(TestLangue)
#include "tst_langue.moc"
