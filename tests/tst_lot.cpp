// The batch command: its options, its refusals, and the same file as the window.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <iomanip>
#include <locale>
#include <sstream>

#include "batch/lot.h"
#include "window/interface.h"
#include "widgets.h"
#include "outils.h"

namespace {

using Pixels = QVector<QVector<int>>; // grey levels [row][column]

const Pixels pixelsXY = {{255, 255, 100, 100}, {255, 100, 100, 30}, {255, 255, 255, 30}}; // 4 × 3
const Pixels pixelsYZ = {{255, 100, 255}, {30, 30, 100}};                                 // 3 × 2
const Pixels pixelsXZ = {{100, 100, 255, 255}, {30, 255, 255, 100}};                      // 4 × 2

// Names padded as PEGS4 files have them; " EAU   " and "EAU" both trim to EAU.
const QByteArray pegsEssai = " MEDIUM=AIR521ICRU              ,STERNCID=AIR521ICRU\n"
                             " MIXT,RHO= 1.2048E-03,NE= 4,GASP= 1.0000E+00, IUNRST=0\n"
                             " 1.0 2.0 3.0\n"
                             " MEDIUM= EAU   ,STERNCID=EAU\n"
                             " COMP,RHO= 1.23456789E+00,NE= 2\n"
                             " MEDIUM=EAU,STERNCID=EAU\n"
                             " COMP,RHO= 2.0000E+00,NE= 2\n"
                             " MEDIUM=OS  ,STERNCID=OS\n"
                             " COMP,RHO= 1.8500E+00,NE= 2\n";

QImage image(const Pixels &pixels)
{
    QImage im(int(pixels[0].size()), int(pixels.size()), QImage::Format_RGB32);
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            im.setPixel(x, y, qRgb(pixels[y][x], pixels[y][x], pixels[y][x]));
    return im;
}

int niveau(const Pixels &p, int colonne, int rangee)
{
    return rangee < p.size() && colonne < p[rangee].size() ? p[rangee][colonne] : -1;
}

QString reel(double v)
{
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s << std::showpoint << std::setprecision(6) << v; // %#.6g
    return QString::fromStdString(s.str());
}

struct Milieu_
{
    QByteArray nom;
    double densite;
};

// The distinct media of the records: the first record of each name, blanks
// around it ignored, and each record's medium (0-based).
QList<int> premiersMilieux(const QList<Milieu_> &milieux, QList<int> *milieuDe = nullptr)
{
    QList<int> premiers;
    for (int k = 0; k < milieux.size(); ++k) {
        int m = 0;
        while (m < premiers.size() && milieux[premiers[m]].nom.trimmed() != milieux[k].nom.trimmed())
            ++m;
        if (m == premiers.size())
            premiers << k;
        if (milieuDe)
            *milieuDe << m;
    }
    return premiers;
}

// The phantom text from first principles; cles[z][y][x] = '1' + k stands for
// record k, written with its medium's key and its own density.
QByteArray fantome(const QList<Milieu_> &milieux, const QList<QStringList> &cles, const double taille[3],
                   const double origine[3])
{
    const int dims[3] = {int(cles[0][0].size()), int(cles[0].size()), int(cles.size())};
    QList<int> milieuDe;
    const QList<int> premiers = premiersMilieux(milieux, &milieuDe);
    QByteArray t = QByteArray::number(premiers.size()) + "\n";
    for (int k : premiers)
        t += milieux[k].nom + "\n";
    for (int k : premiers)
        t += reel(milieux[k].densite).toLatin1() + " ";
    t += QString::asprintf("\n%4d %4d %4d\n", dims[0], dims[1], dims[2]).toLatin1();
    for (int a = 0; a < 3; ++a) {
        for (int i = 0; i <= dims[a]; ++i)
            t += reel(origine[a] + i * taille[a]).toLatin1() + " ";
        t += "\n";
    }
    for (bool densites : {false, true}) {
        for (const QStringList &tranche : cles) {
            for (const QString &ligne : tranche) {
                for (QChar c : ligne) {
                    if (densites)
                        t += reel(milieux[c.unicode() - '1'].densite).toLatin1() + ' ';
                    else
                        t += char('1' + milieuDe[c.unicode() - '1']);
                }
                t += "\n";
            }
            t += "\n";
        }
    }
    return t;
}

} // namespace
Q_DECLARE_METATYPE(Milieu_)
namespace {

const double tailleDefaut[3] = {1.0, 1.0, 1.0};
const double origineDefaut[3] = {-15.0, -15.0, 0.0};

} // namespace

class TestLot : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }
    // "@/x" in an argument stands for the test folder.
    QStringList chemins(QStringList arguments) const
    {
        for (QString &a : arguments)
            a.replace("@/", dossier.path() + "/");
        return arguments;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QVERIFY(image(pixelsXY).save(d("xy.bmp"), "BMP"));
        QVERIFY(image(pixelsYZ).save(d("yz.bmp"), "BMP"));
        QVERIFY(image(pixelsXZ).save(d("xz.bmp"), "BMP"));
        QVERIFY(image({{7, 8}, {9, 10}}).save(d("autre.bmp"), "BMP"));
        QVERIFY(image({{255, 255, 255, 255, 255}, {0, 0, 0, 0, 0}}).save(d("large.bmp"), "BMP"));
        QVector<int> niveaux62;
        for (int g = 0; g < 62; ++g)
            niveaux62 << g * 4;
        QVERIFY(image({niveaux62}).save(d("62.bmp"), "BMP"));
        QVERIFY(image(Pixels(30, QVector<int>(40, 90))).save(d("grande.bmp"), "BMP"));
        const QByteArray grande = lire(d("grande.bmp"));
        QVERIFY(ecrireFichier(d("coupee.bmp"), grande.left(grande.size() / 2)));
        QVERIFY(ecrireFichier(d("texte.bmp"), "pas une image\n"));
        QVERIFY(ecrireFichier(d("cat.pegs4dat"), pegsEssai));
        QVERIFY(ecrireFichier(d("vide.pegs4dat"), "rien ici\n"));
        QVERIFY(ecrireFichier(d("table.txt"), "# tissus\r\n0-99 OS\r\n100-200\tGel 1.5 # gel\r\n250-255 EAU\r\n"));
        QVERIFY(ecrireFichier(d("autres.txt"), "0-20 Plomb 11.3\n100 Gel 1.5\nfond 7\n"));
        QVERIFY(ecrireFichier(d("fond.txt"), "30 OS\nfond 30\n"));
        QVERIFY(ecrireFichier(d("inconnu.txt"), "255 EAU\n30 PLOMB\n"));
        QVERIFY(ecrireFichier(d("recouvre.txt"), "0-100 EAU\n\n100-255 OS\n"));
    }

    // One plane, stretched along its missing axis: media per level, geometry, defaults.
    void unPlan_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<Milieu_>>("milieux");
        QTest::addColumn<QList<QStringList>>("cles");
        QTest::addColumn<QVector<double>>("geometrie");
        QTest::addColumn<QString>("parDefaut"); // the levels given no medium, as the note lists them
        const Milieu_ air{"AIR521ICRU              ", 0.0012048}, eau{" EAU   ", 1.23457}, os{"OS  ", 1.85};
        const QVector<double> defaut = {1, 1, 1, -15, -15, 0};
        const QStringList xy = {"1122", "1223", "1113"};
        QTest::newRow("premier milieu par défaut")
            << QStringList{"--xy", "@/xy.bmp", "--counts", "4,3,2"} << QList<Milieu_>{air, air, air}
            << QList<QStringList>{xy, xy} << defaut << QString("255, 100, 30");
        QTest::newRow("nom rogné, blancs gardés, densité à six chiffres")
            << QStringList{"--xy", "@/xy.bmp", "--counts", "4,3,1", "--medium", "100=EAU", "--medium", "30= OS"}
            << QList<Milieu_>{air, eau, os} << QList<QStringList>{xy} << defaut << QString("255");
        QTest::newRow("nom et densité tels quels, niveaux du plus clair au plus foncé")
            << QStringList{"--medium", "30=Mon milieu :2.5", "--xy", "@/xy.bmp", "--medium=255=OS:1e-3", "--counts", "4,3,1"}
            << QList<Milieu_>{{"OS", 0.001}, air, {"Mon milieu ", 2.5}} << QList<QStringList>{xy} << defaut << QString("100");
        QTest::newRow("comptes au-delà de l'image, géométrie donnée")
            << QStringList{"--xy", "@/xy.bmp", "--counts", "5,4,1", "--size", "0.5,0.25,2", "--origin=-1,0,3.5"}
            << QList<Milieu_>{air, air, air} << QList<QStringList>{{"11221", "12231", "11131", "11111"}}
            << QVector<double>{0.5, 0.25, 2, -1, 0, 3.5} << QString("255, 100, 30");
        QTest::newRow("deux niveaux, un milieu du catalogue")
            << QStringList{"--xy", "@/xy.bmp", "--counts", "4,3,1", "--medium", "255=EAU", "--medium", "100=EAU"}
            << QList<Milieu_>{eau, eau, air} << QList<QStringList>{xy} << defaut << QString("30");
        QTest::newRow("un milieu, deux densités")
            << QStringList{"--xy", "@/xy.bmp", "--counts", "4,3,1", "--medium", "255=Gel:1", "--medium", "30=Gel:1.5"}
            << QList<Milieu_>{{"Gel", 1.0}, air, {"Gel", 1.5}} << QList<QStringList>{xy} << defaut << QString("100");
        QTest::newRow("fond choisi") // level 30's record goes first
            << QStringList{"--xy", "@/xy.bmp", "--counts", "4,3,1", "--medium", "30=OS", "--background", "30"}
            << QList<Milieu_>{os, air, air} << QList<QStringList>{{"2233", "2331", "2221"}} << defaut << QString("255, 100");
        // A table: entries for the images' levels, --medium first, --background over fond.
        const QStringList xy1 = {"--xy", "@/xy.bmp", "--counts", "4,3,1"};
        QTest::newRow("table") << xy1 + QStringList{"--table", "@/table.txt"} << QList<Milieu_>{eau, {"Gel", 1.5}, os}
                               << QList<QStringList>{xy} << defaut << QString("");
        QTest::newRow("table, --medium l'emporte")
            << xy1 + QStringList{"--medium", "100=OS", "--table", "@/table.txt"} << QList<Milieu_>{eau, os, os}
            << QList<QStringList>{xy} << defaut << QString("");
        QTest::newRow("table, autres niveaux ignorés, fond absent ignoré")
            << xy1 + QStringList{"--table", "@/autres.txt"} << QList<Milieu_>{air, {"Gel", 1.5}, air}
            << QList<QStringList>{xy} << defaut << QString("255, 30");
        QTest::newRow("table, fond") << xy1 + QStringList{"--table", "@/fond.txt"} << QList<Milieu_>{os, air, air}
                                     << QList<QStringList>{{"2233", "2331", "2221"}} << defaut << QString("255, 100");
        QTest::newRow("table, --background l'emporte sur fond")
            << xy1 + QStringList{"--table", "@/fond.txt", "--background", "100"} << QList<Milieu_>{air, air, os}
            << QList<QStringList>{{"2211", "2113", "2223"}} << defaut << QString("255, 100");
        QTest::newRow("plan YZ") << QStringList{"--yz", "@/yz.bmp", "--counts", "2,3,2", "--medium", "30=OS"}
                                 << QList<Milieu_>{air, air, os} << QList<QStringList>{{"11", "22", "11"}, {"33", "33", "22"}}
                                 << defaut << QString("255, 100");
        QTest::newRow("plan XZ") << QStringList{"--xz", "@/xz.bmp", "--counts", "4,2,2", "--medium", "100=EAU"}
                                 << QList<Milieu_>{air, eau, air} << QList<QStringList>{{"2211", "2211"}, {"3112", "3112"}}
                                 << defaut << QString("255, 30");
    }
    void unPlan()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<Milieu_>, milieux);
        QFETCH(QList<QStringList>, cles);
        QFETCH(QVector<double>, geometrie);
        QFETCH(QString, parDefaut);
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier.path()));
        QFile::remove("test.egsphant");
        const Resultat r = lancer(chemins(arguments) << "--pegs" << d("cat.pegs4dat"));
        QDir::setCurrent(ancien);
        // One note for the levels given no medium, then one per name with blanks or
        // missing from the catalogue; nothing else.
        QStringList notes = r.erreurs.split('\n', Qt::SkipEmptyParts);
        if (!parDefaut.isEmpty()) {
            const int n = int(parDefaut.count(',')) + 1;
            QCOMPARE(notes.value(0), QString("Attention : %1 sans choix au premier milieu du catalogue, AIR521ICRU : %2")
                                         .arg(n > 1 ? QString("%1 niveaux de gris laissés").arg(n)
                                                    : QString("le niveau de gris laissé"),
                                              parDefaut));
            notes.removeFirst();
        }
        for (const QString &note : notes)
            QVERIFY2(note.startsWith("Attention : le milieu « ")
                         && (note.contains(" blanc ;") || note.contains(" n'est pas dans le fichier PEGS4 chargé ;")),
                     qPrintable(note));
        QCOMPARE(r.statut, 0);
        const int n = premiersMilieux(milieux).size();
        QCOMPARE(r.sortie, QString("Fantôme écrit dans « %1 » : %2 %3, %4 × %5 × %6 voxels\n")
                               .arg(d("test.egsphant"))
                               .arg(n)
                               .arg(n == 1 ? "milieu" : "milieux")
                               .arg(cles[0][0].size())
                               .arg(cles[0].size())
                               .arg(cles.size()));
        QCOMPARE(lire(d("test.egsphant")), fantome(milieux, cles, geometrie.constData(), geometrie.constData() + 3));
    }

    // Two or three planes: counts from the image check, voxels where all agree.
    void plusieursPlans_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Pixels>("a");
        QTest::addColumn<Pixels>("b");
        QTest::addColumn<QVector<int>>("niveaux");
        QTest::newRow("XY XZ") << QStringList{"--xz", "@/xz.bmp", "--xy", "@/xy.bmp"} << pixelsXZ << pixelsXZ
                               << QVector<int>{255, 100, 30};
        QTest::newRow("XY YZ") << QStringList{"--xy", "@/xy.bmp", "--yz", "@/yz.bmp"} << pixelsYZ << pixelsYZ
                               << QVector<int>{255, 100, 30};
        QTest::newRow("XY YZ XZ") << QStringList{"--xy", "@/xy.bmp", "--yz", "@/yz.bmp", "--xz", "@/xz.bmp"}
                                  << pixelsXZ << pixelsYZ << QVector<int>{255, 100, 30};
    }
    void plusieursPlans()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Pixels, a);
        QFETCH(Pixels, b);
        QFETCH(QVector<int>, niveaux);
        const QList<Milieu_> milieux = {{"AIR", 0.5}, {"EAU", 1.0}, {"OS", 2.0}};
        QList<QStringList> cles(2, QStringList(3, QString(4, '1')));
        for (int z = 0; z < 2; ++z)
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 4; ++x)
                    if (niveau(pixelsXY, x, y) == niveau(a, x, z) && niveau(a, x, z) == niveau(b, y, z))
                        cles[z][y][x] = QChar(char('1' + niveaux.indexOf(niveau(b, y, z))));
        const Resultat r = lancer(chemins(arguments) << "-o" << d("plans.egsphant") << "--medium" << "255=AIR:0.5"
                                                     << "--medium" << "100=EAU:1" << "--medium" << "30=OS:2");
        // A medium that no voxel takes, where the images never agree on its level, is named.
        const QString toutes = cles[0].join("") + cles[1].join("");
        QStringList vides;
        for (int k = 0; k < 3; ++k)
            if (!toutes.contains(QChar(char('1' + k))))
                vides << milieux[k].nom;
        QCOMPARE(r.erreurs, vides.isEmpty() ? QString()
                                            : QString("Attention : milieu%1 sans aucun voxel dans le fichier : %2\n")
                                                  .arg(vides.size() > 1 ? "x" : "", vides.join(", ")));
        QCOMPARE(r.statut, 0);
        QVERIFY(r.sortie.contains("3 milieux, 4 × 3 × 2 voxels"));
        QCOMPARE(lire(d("plans.egsphant")), fantome(milieux, cles, tailleDefaut, origineDefaut));
    }

    // Each refusal: its status, one line on stderr, no file, an earlier file untouched.
    void refus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("message");
        const QStringList xy = {"--pegs", "@/cat.pegs4dat", "--xy", "@/xy.bmp"};
        const QStringList xy1 = xy + QStringList{"--counts", "4,3,1"};
        QTest::newRow("image absente") << QStringList{"--xy", "@/absente.bmp", "--counts", "1,1,1", "--medium", "1=A:1"}
                                       << 1 << "Image introuvable : \"" + d("absente.bmp") + "\"";
        QTest::newRow("BMP coupé") << QStringList{"--pegs", "@/cat.pegs4dat", "--xy", "@/coupee.bmp", "--counts", "1,1,1"}
                                   << 1 << "Fichier \"" + d("coupee.bmp") + "\" : image incomplète ou corrompue";
        QTest::newRow("pas une image") << QStringList{"--pegs", "@/cat.pegs4dat", "--xz", "@/texte.bmp", "--counts", "1,1,1"}
                                       << 1 << "Image illisible (format inconnu ou fichier abîmé) : \"" + d("texte.bmp") + "\"";
        QTest::newRow("pegs absent") << QStringList{"--pegs", "@/absent.pegs4dat", "--xy", "@/xy.bmp", "--counts", "4,3,1"}
                                     << 1 << "Impossible d'ouvrir le fichier \"" + d("absent.pegs4dat") + "\"";
        QTest::newRow("pegs sans milieu") << QStringList{"--pegs", "@/vide.pegs4dat", "--xy", "@/xy.bmp", "--counts", "4,3,1"}
                                          << 1 << "Aucun milieu dans le fichier \"" + d("vide.pegs4dat") + "\"";
        QTest::newRow("compte négatif") << xy + QStringList{"--counts", "4,-3,1"} << 1
                                        << "Nombre de voxels invalide : 4 × -3 × 1 (chaque compte doit être un entier positif).";
        QTest::newRow("compte non entier") << xy + QStringList{"--counts", "4,3,1.5"} << 1
                                           << "--counts « 4,3,1.5 » : « 1.5 » n'est pas un nombre entier";
        QTest::newRow("deux comptes") << xy + QStringList{"--counts", "4,3"} << 1
                                      << "--counts attend trois valeurs séparées par des virgules, pas « 4,3 »";
        QTest::newRow("compte au-delà d'un int") << xy + QStringList{"--counts", "3000000000,1,1"} << 1 << "trop grand";
        QTest::newRow("taille non numérique") << xy1 + QStringList{"--size", "1,x,1"} << 1
                                              << "--size « 1,x,1 » : « x » n'est pas un nombre";
        QTest::newRow("origine à deux valeurs") << xy1 + QStringList{"--origin", "0,0"} << 1
                                                << "--origin attend trois valeurs séparées par des virgules, pas « 0,0 »";
        QTest::newRow("niveau 65536") << xy1 + QStringList{"--medium", "65536=OS"} << 1
                                      << "--medium « 65536=OS » : le niveau de gris doit être un entier de 0 à 65535";
        QTest::newRow("niveau 256, absent des images") << xy1 + QStringList{"--medium", "256=OS"} << 1
                                                       << "--medium « 256=OS » : le niveau de gris 256 n'apparaît dans "
                                                          "aucune image";
        QTest::newRow("niveau non entier") << xy1 + QStringList{"--medium", "x=OS"} << 1
                                           << "--medium « x=OS » : le niveau de gris doit être un entier de 0 à 65535";
        QTest::newRow("niveau absent des images") << xy1 + QStringList{"--medium", "7=OS"} << 1
                                                  << "--medium « 7=OS » : le niveau de gris 7 n'apparaît dans aucune image";
        QTest::newRow("niveau donné deux fois") << xy1 + QStringList{"--medium", "30=OS", "--medium", "030=EAU"} << 1
                                                << "Le niveau de gris 30 reçoit deux milieux : « 30=OS » et « 030=EAU »";
        QTest::newRow("nom hors catalogue") << xy1 + QStringList{"--medium", "30=PLOMB"} << 1
                                            << "--medium « 30=PLOMB » : aucun milieu « PLOMB » dans « " + d("cat.pegs4dat") + " »";
        QTest::newRow("densité non numérique") << xy1 + QStringList{"--medium", "30=OS:dense"} << 1
                                               << "--medium « 30=OS:dense » : Niveau de gris 30 : densité « dense » invalide";
        QTest::newRow("densité nulle") << xy1 + QStringList{"--medium", "30=OS:0"} << 1
                                       << "--medium « 30=OS:0 » : Niveau de gris 30 : densité « 0 » invalide";
        QTest::newRow("densité négative") << xy1 + QStringList{"--medium", "100=EAU:-1.5"} << 1
                                          << "--medium « 100=EAU:-1.5 » : Niveau de gris 100 : densité « -1.5 » invalide";
        QTest::newRow("nom vide avec densité") << xy1 + QStringList{"--medium", "30= :1"} << 1
                                               << "--medium « 30= :1 » : nom de milieu vide";
        QTest::newRow("fond absent des images") << xy1 + QStringList{"--background", "7"} << 1
                                                << "--background « 7 » : le fond doit être un des niveaux de gris des images (255, 100, 30)";
        QTest::newRow("fond non entier") << xy1 + QStringList{"--background", "clair"} << 1
                                         << "--background « clair » : le fond doit être un des niveaux";
        QTest::newRow("table, nom inconnu") << xy1 + QStringList{"--table", "@/inconnu.txt"} << 1
                                            << "Table « " + d("inconnu.txt") + " » : ligne 2 : aucun milieu « PLOMB » dans le catalogue";
        QTest::newRow("table, recouvrement") << xy1 + QStringList{"--table", "@/recouvre.txt"} << 1
                                             << "Table « " + d("recouvre.txt") + " » : lignes 1 et 3 : les niveaux se recouvrent (100)";
        QTest::newRow("table absente") << xy1 + QStringList{"--table", "@/absente.txt"} << 1
                                       << "Table « " + d("absente.txt") + " » : fichier introuvable";
        QTest::newRow("table, un dossier") << xy1 + QStringList{"--table", "@/"} << 1 << "fichier introuvable";
        QTest::newRow("sans catalogue") << QStringList{"--xy", "@/xy.bmp", "--counts", "4,3,1", "--medium", "30=OS:2"}
                                        << 1 << "Le niveau de gris 255 n'a pas de milieu";
        QTest::newRow("un plan sans comptes") << xy << 1 << "selon Z : donner les trois comptes avec --counts NX,NY,NZ";
        QTest::newRow("plan YZ sans comptes") << QStringList{"--pegs", "@/cat.pegs4dat", "--yz", "@/yz.bmp"} << 1
                                              << "selon X : donner";
        QStringList soixanteDeux = {"--xy", "@/62.bmp", "--counts", "62,1,1"};
        for (int g = 0; g < 62; ++g)
            soixanteDeux << "--medium" << QString("%1=M%2:1").arg(g * 4).arg(g);
        QTest::newRow("62 noms distincts") << soixanteDeux << 1
                                           << "Trop de milieux : 62, le fichier egsphant en accepte au plus 61.";
        QTest::newRow("images incompatibles") << xy + QStringList{"--xz", "@/large.bmp"} << 1 << "Image incompatible : XZ fait 5 × 2 pixels, 4 × 2 attendus";
        QTest::newRow("plusieurs plans sans XY")
            << QStringList{"--pegs", "@/cat.pegs4dat", "--xz", "@/xz.bmp", "--yz", "@/yz.bmp"} << 1
            << "Avec plusieurs plans, l'image du plan XY est nécessaire : donner --xy IMAGE";
        QTest::newRow("dossier de sortie absent") << xy1 + QStringList{"-o", "@/absent/x.egsphant"} << 1
                                                  << "Fichier \"" + d("absent/x.egsphant") + "\" non écrit : impossible de le créer";
        QTest::newRow("option inconnue") << xy1 + QStringList{"--couleur", "rouge"} << 2
                                         << "Option inconnue : « --couleur » (voir quarvel-phantom --help)";
        QTest::newRow("valeur manquante") << QStringList{"--xy", "--counts", "1,1,1"} << 2
                                          << "Valeur manquante après « --xy » (voir quarvel-phantom --help)";
        QTest::newRow("aucun plan") << QStringList{"--pegs", "@/cat.pegs4dat"} << 2 << "Aucun plan";
        QTest::newRow("comptes et plusieurs plans") << xy1 + QStringList{"--yz", "@/yz.bmp"} << 2 << "--counts ne s'emploie";
        QTest::newRow("option donnée deux fois") << xy1 + QStringList{"--xy", "@/xy.bmp"} << 2
                                                 << "Option « --xy » donnée deux fois";
        QTest::newRow("argument en trop") << xy1 + QStringList{"reste"} << 2 << "Argument inattendu : « reste »";
    }
    void refus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, statut);
        QFETCH(QString, message);
        const QString sortie = d("refus.egsphant");
        for (bool existant : {false, true}) {
            QFile::remove(sortie);
            if (existant)
                QVERIFY(ecrireFichier(sortie, "ANCIEN"));
            QStringList args = chemins(arguments);
            if (!args.contains("-o"))
                args << "-o" << sortie;
            const Resultat r = lancer(args);
            QCOMPARE(r.statut, statut);
            QCOMPARE(r.sortie, QString());
            QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
            QVERIFY(r.erreurs.endsWith('\n') && r.erreurs.count('\n') == 1);
            QCOMPARE(lire(sortie), existant ? QByteArray("ANCIEN") : QByteArray("ABSENT"));
        }
        QVERIFY(!QFileInfo::exists(d("absent")));
    }

    // 62 grey levels at the catalogue's first medium are one medium, not a refusal.
    void niveauxParDefautUnSeulMilieu()
    {
        const Resultat r = lancer(chemins({"--pegs", "@/cat.pegs4dat", "--xy", "@/62.bmp", "--counts", "62,1,1",
                                           "-o", "@/62.egsphant"}));
        QCOMPARE(r.statut, 0);
        QCOMPARE(lire(d("62.egsphant")).split('\n').mid(0, 3),
                 QList<QByteArray>({"1", "AIR521ICRU              ", "0.00120480 "}));
        QCOMPARE(lire(d("62.egsphant")).split('\n').value(7), QByteArray(62, '1'));
    }

    // Limits of the stock readers: one note per limit on stderr, the file written, status 0.
    void notesDesLecteurs()
    {
        QStringList args = {"--xy", "@/xy.bmp", "--counts", "1030,129,1", "-o", "@/notes.egsphant",
                            "--medium", "255=Tissu mou adulte (ICRU 44):1.05", "--medium", "100=EAU:1", "--medium", "30=OS:2"};
        const Resultat r = lancer(chemins(args));
        QCOMPARE(r.statut, 0);
        QVERIFY(QFileInfo::exists(d("notes.egsphant")));
        QCOMPARE(r.erreurs.split('\n'),
                 QStringList({"Attention : 1030 voxels en X ; DOSXYZnrc n'en accepte que 128 sans recompilation ($IMAX)",
                              "Attention : 129 voxels en Y ; DOSXYZnrc n'en accepte que 128 sans recompilation ($JMAX)",
                              "Attention : lignes de 1030 voxels en X ; les anciens lecteurs egs++ n'en lisent que 1023 "
                              "par ligne (employer un EGSnrc récent, ou au plus 1023 voxels en X)",
                              "Attention : le milieu « Tissu mou adulte (ICRU 44) » contient un blanc ; egs++ et egs_brachy "
                              "lisent les noms comme des mots (renommer le milieu sans blanc, ici et dans le fichier PEGS4)",
                              "Attention : le milieu « Tissu mou adulte (ICRU 44) » compte 26 caractères ; DOSXYZnrc n'en lit "
                              "que 24 (choisir un nom plus court, ici et dans le fichier PEGS4)",
                              ""}));

        // 22 media: the stock DOSXYZnrc takes 20.
        QVector<int> niveaux;
        for (int g = 0; g < 22; ++g)
            niveaux << g;
        QVERIFY(image({niveaux}).save(d("22.bmp"), "BMP"));
        args = QStringList{"--xy", "@/22.bmp", "--counts", "22,1,1", "-o", "@/22.egsphant"};
        for (int g = 0; g < 22; ++g)
            args << "--medium" << QString("%1=M%1:1").arg(g);
        const Resultat r22 = lancer(chemins(args));
        QCOMPARE(r22.statut, 0);
        QCOMPARE(r22.erreurs, QString("Attention : 22 milieux ; DOSXYZnrc n'en accepte que 20 sans recompilation ($MXMED)\n"));
        QVERIFY(r22.sortie.contains(": 22 milieux, 22 × 1 × 1 voxels"));
    }

    // A grid far beyond the machine is refused at once, before any allocation.
    void comptesEnormes()
    {
        QElapsedTimer chrono;
        chrono.start();
        const Resultat r = lancer(chemins({"--pegs", "@/cat.pegs4dat", "--xy", "@/xy.bmp", "--counts",
                                           "100000,100000,100000", "-o", "@/enorme.egsphant"}));
        QVERIFY(chrono.elapsed() < 2000);
        QCOMPARE(r.statut, 1);
        QVERIFY2(r.erreurs.startsWith("Grille trop grande : 100000 × 100000 × 100000 voxels"), qPrintable(r.erreurs));
        QVERIFY(!QFileInfo::exists(d("enorme.egsphant")));
    }

    void aide()
    {
        for (const QString option : {"-h", "--help"}) {
            const Resultat r = lancer({"--xy", "@/xy.bmp", option, "--inconnue"});
            QCOMPARE(r.statut, 0);
            QCOMPARE(r.erreurs, QString());
            QCOMPARE(r.sortie, aideLot());
            for (const char *mot : {"--pegs", "--xy", "--yz", "--xz", "--medium NIVEAU=NOM[:DENSITE]", "--size",
                                    "--origin", "--counts", "--background NIVEAU", "-o, --output", "-h, --help", "Exemples", "test.egsphant",
                                    "-15.0,-15.0,0.0", "1.0,1.0,1.0"})
                QVERIFY2(r.sortie.contains(mot), mot);
        }
    }

    // The real executable: statuses, messages on stderr, the same file as in-process.
    void executable()
    {
        const auto lancerExe = [this](const QStringList &arguments, QByteArray *erreurs) {
            QProcess p;
            p.start(QUARVEL_PHANTOM, chemins(arguments));
            if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
                return -1;
            *erreurs = p.readAllStandardError();
            return p.exitCode();
        };
        QByteArray erreurs;
        QCOMPARE(lancerExe({"--xy", "@/absente.bmp", "--counts", "1,1,1", "--medium", "1=A:1", "-o", "@/exe.egsphant"}, &erreurs), 1);
        QCOMPARE(erreurs, ("Image introuvable : \"" + d("absente.bmp") + "\"\n").toUtf8());
        QCOMPARE(lancerExe({"--xy"}, &erreurs), 2);
        QCOMPARE(erreurs, QByteArray("Valeur manquante après « --xy » (voir quarvel-phantom --help)\n"));
        QVERIFY(!QFileInfo::exists(d("exe.egsphant")));
        const QStringList args = {"--pegs", "@/cat.pegs4dat", "--xy", "@/xy.bmp", "--counts", "4,3,2", "--medium", "30=OS"};
        QCOMPARE(lancerExe(args + QStringList{"-o", "@/exe.egsphant"}, &erreurs), 0);
        QCOMPARE(erreurs, QString("Attention : 2 niveaux de gris laissés sans choix au premier milieu du catalogue, "
                                  "AIR521ICRU : 255, 100\n").toUtf8());
        QCOMPARE(lancer(chemins(args + QStringList{"-o", "@/dedans.egsphant"})).statut, 0);
        QCOMPARE(lire(d("exe.egsphant")), lire(d("dedans.egsphant")));
    }

    // The window and the command, given the same choices, write the same bytes.
    void memeFichierQueLaFenetre_data()
    {
        QTest::addColumn<QStringList>("plans");
        QTest::addColumn<QStringList>("comptes");
        QTest::addColumn<int>("fond"); // -1: the first row, left as it is
        QTest::newRow("extrusion XZ") << QStringList{"XZ"} << QStringList{"4", "3", "2"} << -1;
        QTest::newRow("trois plans") << QStringList{"XY", "YZ", "XZ"} << QStringList() << -1;
        QTest::newRow("trois plans, fond choisi") << QStringList{"XY", "YZ", "XZ"} << QStringList() << 30;
    }
    void memeFichierQueLaFenetre()
    {
        QFETCH(QStringList, plans);
        QFETCH(QStringList, comptes);
        QFETCH(int, fond);
        const QString pegs = QUARVEL_SHARED_DATA "/521icru.pegs4dat";
        if (!QFileInfo::exists(pegs))
            QSKIP("../shared/data/521icru.pegs4dat is absent: no real catalogue to build with");

        Interface f;
        QStringList reponses = {pegs};
        for (const QString &p : plans)
            reponses << d(p.toLower() + ".bmp");
        f.choisirFichier = [&reponses](QWidget *, const QString &, const QString &, const QString &) {
            return reponses.takeFirst();
        };
        f.selectMat();
        for (const QString &p : plans)
            (f.*(p == "XY" ? &Interface::selectXY : p == "YZ" ? &Interface::selectYZ : &Interface::selectXZ))();
        QCOMPARE(tableMateriaux(f)->rowCount(), 3);
        // Level 100 picks a catalogue medium, level 30 gets a typed name and density.
        for (int i = 0; i < 3; ++i) {
            const LigneTable &ligne = lignesTable(f).at(i);
            if (f.niveauxGris[i] == 100) {
                const int k = ligne.comboNom->findText("ICRPBONE521ICRU", Qt::MatchStartsWith);
                QVERIFY(k > 0);
                ligne.comboNom->setCurrentIndex(k);
                emit ligne.comboNom->activated(k);
            } else if (f.niveauxGris[i] == 30) {
                ligne.comboNom->setCurrentText("Gel ");
                ligne.comboDensite->setCurrentText("1.07");
            }
            if (f.niveauxGris[i] == fond)
                ligne.choixFond->click();
        }
        if (!comptes.isEmpty()) {
            champNomme(f, "champDimX")->setText(comptes[0]);
            champNomme(f, "champDimY")->setText(comptes[1]);
            champNomme(f, "champDimZ")->setText(comptes[2]);
        }
        champNomme(f, "tailleX")->setText("0.2");
        champNomme(f, "origineZ")->setText("-2.5");
        champNomme(f, "fichierEgsphant")->setText(d("fenetre.egsphant"));
        f.evalue();
        QVERIFY2(QFileInfo::exists(d("fenetre.egsphant")), qPrintable(etatDe(f)->text()));

        QStringList args = {"--pegs", pegs, "--medium", "100=ICRPBONE521ICRU", "--medium", "30=Gel :1.07",
                            "--size", "0.2,1.0,1.0", "--origin", "-15.0,-15.0,-2.5", "-o", d("lot.egsphant")};
        for (const QString &p : plans)
            args << "--" + p.toLower() << d(p.toLower() + ".bmp");
        if (!comptes.isEmpty())
            args << "--counts" << comptes.join(',');
        if (fond >= 0)
            args << "--background" << QString::number(fond);
        const Resultat r = lancer(args);
        // The window's notes, under its summary: 255 left at the default, the typed name the catalogue lacks.
        QVERIFY2(r.erreurs.startsWith("Attention : le niveau de gris laissé sans choix au premier milieu du catalogue, "
                                      "AG521ICRU : 255\n")
                     && r.erreurs.contains("\nAttention : le milieu « Gel » n'est pas dans le fichier PEGS4 chargé"),
                 qPrintable(r.erreurs));
        QCOMPARE(r.erreurs, etatDe(f)->text().section('\n', 1) + '\n');
        QCOMPARE(r.statut, 0);
        const QByteArray fichier = lire(d("lot.egsphant"));
        // The catalogue's name with its blanks, the typed one as typed.
        QVERIFY(QRegularExpression(fond < 0 ? "\nICRPBONE521ICRU +\nGel \n" : "^3\nGel \nAG521ICRU +\nICRPBONE521ICRU +\n")
                    .match(QString::fromLatin1(fichier))
                    .hasMatch());
        QCOMPARE(fichier, lire(d("fenetre.egsphant")));
    }
};

QTEST_MAIN(TestLot)
#include "tst_lot.moc"
