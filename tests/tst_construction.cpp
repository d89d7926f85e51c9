// From the material table to the phantom file, through the window's slots.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <iostream>
#include <sstream>
#include <sys/stat.h>

#include "model/niveaugris.h"
#include "window/interface.h"
#include "widgets.h"
#include "outils.h"

namespace {

using Pixels = QVector<QVector<int>>; // grey levels, row by row

QString ecrireImage(const QTemporaryDir &dossier, const QString &nom, const Pixels &rangees)
{
    QImage image(rangees.value(0).size(), rangees.size(), QImage::Format_RGB32);
    for (int r = 0; r < rangees.size(); ++r)
        for (int c = 0; c < rangees[r].size(); ++c)
            image.setPixel(c, r, qRgb(rangees[r][c], rangees[r][c], rangees[r][c]));
    const QString chemin = dossier.filePath(nom);
    return image.save(chemin, "BMP") ? chemin : QString();
}

// Runs a slot with the file chooser answering the given path.
void choisir(Interface &fenetre, void (Interface::*slot)(), const QString &chemin)
{
    fenetre.choisirFichier = [chemin](QWidget *, const QString &, const QString &, const QString &) {
        return chemin;
    };
    (fenetre.*slot)();
}

// Picks catalogue entry k in a row's name box as a user would; the density follows.
void choisirMilieu(Interface &fenetre, int rangee, int k)
{
    QComboBox *nom = lignesTable(fenetre).at(rangee).comboNom;
    nom->setCurrentIndex(k);
    emit nom->activated(k);
}

// The medium map of an egsphant file, one entry per line (slice ends included).
QList<QByteArray> carteMilieux(const QString &chemin)
{
    const QList<QByteArray> lignes = lire(chemin).split('\n');
    const int n = lignes.value(0).toInt();
    const QList<QByteArray> comptes = lignes.value(n + 2).simplified().split(' ');
    if (comptes.size() != 3)
        return {};
    const int dimY = comptes[1].toInt(), dimZ = comptes[2].toInt();
    return lignes.mid(n + 6, dimZ * (dimY + 1));
}

// Catches what a call writes on standard output.
class CaptureSortie
{
public:
    CaptureSortie() : ancien(std::cout.rdbuf(flux.rdbuf())) {}
    ~CaptureSortie() { std::cout.rdbuf(ancien); }
    std::string texte() const { return flux.str(); }

private:
    std::ostringstream flux;
    std::streambuf *ancien;
};

// The status line says that sortie was written, with its media and counts, then its size.
bool ditEcrit(const Interface &fenetre, const QString &sortie, const QString &contenu)
{
    const QString premiere = etatDe(fenetre)->text().section('\n', 0, 0);
    return premiere.startsWith(QString("Fantôme écrit dans « %1 » : %2, ").arg(sortie, contenu))
           && QRegularExpression(", [0-9,]+ (octets|ko|Mo|Go)$").match(premiere).hasMatch();
}

void catalogue(Interface &fenetre)
{
    *fenetre.milieux << Milieu{"AIR", 0.0012} << Milieu{"EAU", 1.0} << Milieu{"OS", 1.85};
}

// A window with the test catalogue, one XY picture chosen, one slice, and
// the output file named nom in dossier; returns the output path.
QString fenetreXY(Interface &fenetre, const QTemporaryDir &dossier, const Pixels &pixels,
                  const QString &nom = "fantome.egsphant")
{
    catalogue(fenetre);
    choisir(fenetre, &Interface::selectXY, ecrireImage(dossier, "xy.bmp", pixels));
    champNomme(fenetre, "champDimZ")->setText("1");
    champNomme(fenetre, "fichierEgsphant")->setText(dossier.filePath(nom));
    return dossier.filePath(nom);
}

} // namespace

class TestConstruction : public QObject
{
    Q_OBJECT

private slots:
    void extrusion_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("compte");   // the count that no image gives
        QTest::addColumn<QString>("trace");
        QTest::addColumn<QList<QByteArray>>("carte");
        // Image rows 200 0 200 / 0 0 200; 200 is recorded first (EAU, 1), 0 next (OS, 2).
        QTest::newRow("XY, repete selon z") << "XY" << "4" << "3 2 4\n"
            << QList<QByteArray>{"121", "221", "", "121", "221", "", "121", "221", "", "121", "221", ""};
        QTest::newRow("XZ, repete selon y") << "XZ" << "2" << "3 2 2\n"
            << QList<QByteArray>{"121", "121", "", "221", "221", ""};
        QTest::newRow("YZ, repete selon x") << "YZ" << "2" << "2 3 2\n"
            << QList<QByteArray>{"11", "22", "11", "", "22", "22", "11", ""};
    }

    void extrusion()
    {
        QFETCH(QString, plan);
        QFETCH(QString, compte);
        QFETCH(QString, trace);
        QFETCH(QList<QByteArray>, carte);
        QTemporaryDir dossier;
        Interface fenetre;
        catalogue(fenetre);
        const QString image = ecrireImage(dossier, "plan.bmp", {{200, 0, 200}, {0, 0, 200}});
        if (plan == "XY") {
            choisir(fenetre, &Interface::selectXY, image);
            champNomme(fenetre, "champDimZ")->setText(compte);
        } else if (plan == "XZ") {
            choisir(fenetre, &Interface::selectXZ, image);
            champNomme(fenetre, "champDimY")->setText(compte);
        } else {
            choisir(fenetre, &Interface::selectYZ, image);
            champNomme(fenetre, "champDimX")->setText(compte);
        }
        choisirMilieu(fenetre, 0, 1);
        choisirMilieu(fenetre, 1, 2);
        const QString sortie = dossier.filePath("fantome.egsphant");
        champNomme(fenetre, "fichierEgsphant")->setText(sortie);
        CaptureSortie capture;
        fenetre.evalue();
        QCOMPARE(QString::fromStdString(capture.texte()), "EAU\nOS\n" + trace);
        QVERIFY2(ditEcrit(fenetre, sortie, "2 milieux"), qPrintable(etatDe(fenetre)->text()));
        QCOMPARE(carteMilieux(sortie), carte);
    }

    // Every state of the boxes that calls for the intersection, against a
    // voxel-by-voxel reading of the images as the rule states it.
    void intersection_data()
    {
        QTest::addColumn<bool>("xy");
        QTest::addColumn<bool>("xz");
        QTest::addColumn<bool>("yz");
        QTest::newRow("XY XZ YZ") << true << true << true;
        QTest::newRow("XY XZ") << true << true << false;
        QTest::newRow("XY YZ") << true << false << true;
        QTest::newRow("XZ YZ") << false << true << true;
    }

    void intersection()
    {
        QFETCH(bool, xy);
        QFETCH(bool, xz);
        QFETCH(bool, yz);
        QTemporaryDir dossier;
        Interface fenetre;
        catalogue(fenetre);
        // All three 3 x 3 so that every state passes the size check.
        const Pixels pixelsXY{{255, 255, 0}, {255, 128, 0}, {0, 255, 255}};
        const Pixels pixelsXZ{{255, 128, 0}, {255, 255, 255}, {128, 0, 255}};
        const Pixels pixelsYZ{{255, 255, 128}, {0, 255, 255}, {255, 0, 128}};
        choisir(fenetre, &Interface::selectXY, ecrireImage(dossier, "xy.bmp", pixelsXY));
        choisir(fenetre, &Interface::selectXZ, ecrireImage(dossier, "xz.bmp", pixelsXZ));
        choisir(fenetre, &Interface::selectYZ, ecrireImage(dossier, "yz.bmp", pixelsYZ));
        QCOMPARE(fenetre.niveauxGris, QVector<int>({255, 128, 0}));
        choisirMilieu(fenetre, 1, 1); // 128: EAU, number 2
        choisirMilieu(fenetre, 2, 2); // 0: OS, number 3
        cocheNommee(fenetre, "choixXY")->setChecked(xy);
        cocheNommee(fenetre, "choixXZ")->setChecked(xz);
        cocheNommee(fenetre, "choixYZ")->setChecked(yz);
        const QString sortie = dossier.filePath("fantome.egsphant");
        champNomme(fenetre, "fichierEgsphant")->setText(sortie);
        fenetre.evalue();

        const Pixels &a = xz ? pixelsXZ : pixelsYZ;
        const Pixels &b = yz ? pixelsYZ : pixelsXZ;
        const QMap<int, char> numero{{255, '1'}, {128, '2'}, {0, '3'}};
        QList<QByteArray> attendu;
        for (int z = 0; z < 3; ++z) {
            for (int y = 0; y < 3; ++y) {
                QByteArray rangee;
                for (int x = 0; x < 3; ++x) {
                    const int g = a[z][x];
                    rangee += g == b[z][y] && g == pixelsXY[y][x] ? numero[g] : '1';
                }
                attendu << rangee;
            }
            attendu << QByteArray();
        }
        QCOMPARE(carteMilieux(sortie), attendu);
        QVERIFY2(ditEcrit(fenetre, sortie, "3 milieux, 3 × 3 × 3 voxels"), qPrintable(etatDe(fenetre)->text()));
        QCOMPARE(fenetre.dimX * 100 + fenetre.dimY * 10 + fenetre.dimZ, 333);
    }

    // Records set by hand: a level with no record and a level recorded twice.
    void recherchesDeMateriaux()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        const QString image = ecrireImage(dossier, "xy.bmp", {{10, 20, 30}});
        choisir(fenetre, &Interface::selectXY, image);
        champNomme(fenetre, "champDimZ")->setText("1");
        fenetre.materiaux << Materiau(20, "A", 1.0) << Materiau(30, "B", 2.0) << Materiau(20, "C", 3.0);
        const QString sortie = dossier.filePath("fantome.egsphant");
        QVERIFY(QMetaObject::invokeMethod(&fenetre, "constructionEgsphant", Q_ARG(QString, sortie)));
        QCOMPARE(carteMilieux(sortie), QList<QByteArray>({"112", ""}));
        QCOMPARE(fenetre.materiaux[2].numero, 3);
    }

    void commandeEgsphant()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        const QString sortie = fenetreXY(fenetre, dossier, {{200, 0}});
        lignesTable(fenetre).at(0).comboNom->setEditText("  EAU");
        lignesTable(fenetre).at(0).comboDensite->setEditText("2.5E-01");
        lignesTable(fenetre).at(1).comboNom->setEditText("OS");
        lignesTable(fenetre).at(1).comboDensite->setEditText("abc");
        {
            // A density that is not a number is refused, naming the level: no file.
            CaptureSortie capture;
            fenetre.evalue();
            QCOMPARE(capture.texte(), std::string("  EAU\nOS\n"));
            QCOMPARE(etatDe(fenetre)->text(), QString("Niveau de gris 0 : densité « abc » invalide"));
            QVERIFY(!QFileInfo::exists(sortie));
        }
        lignesTable(fenetre).at(1).comboDensite->setEditText(" 1.5e0");
        CaptureSortie capture;
        fenetre.evalue();
        QCOMPARE(capture.texte(), std::string("  EAU\nOS\n2 1 1\n"));
        QCOMPARE(fenetre.materiaux.size(), 2);
        QCOMPARE(fenetre.materiaux[0].niveauGris, 200);
        QCOMPARE(fenetre.materiaux[0].nom, QString("  EAU"));
        QCOMPARE(fenetre.materiaux[0].densite, 0.25);
        QCOMPARE(fenetre.materiaux[1].densite, 1.5);
        QVERIFY2(ditEcrit(fenetre, sortie, "2 milieux, 2 × 1 × 1 voxels"), qPrintable(etatDe(fenetre)->text()));
        // The leading blanks are kept in the file and noted as a reader's limit.
        QCOMPARE(etatDe(fenetre)->text().section('\n', 1),
                 QString("Attention : le milieu «   EAU » commence par un blanc ; egs++ et egs_brachy lisent les noms "
                         "comme des mots et le perdent (ôter le blanc, ici et dans le fichier PEGS4)"));
        QCOMPARE(lire(sortie).split('\n').mid(0, 4),
                 QList<QByteArray>({"2", "  EAU", "OS", "0.250000 1.50000 "}));
    }

    // A medium changed in the table and written again reaches the new file;
    // a level from a newly chosen image is appended after the others.
    void choixActuelsUtilises()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        const QString sortie = fenetreXY(fenetre, dossier, {{200, 0}});
        choisirMilieu(fenetre, 0, 1);
        fenetre.evalue();
        QCOMPARE(lire(sortie).split('\n').mid(0, 4),
                 QList<QByteArray>({"2", "EAU", "AIR", "1.00000 0.00120000 "}));

        choisirMilieu(fenetre, 0, 2);
        fenetre.evalue();
        QCOMPARE(fenetre.materiaux.size(), 2);
        QCOMPARE(fenetre.materiaux[0].nom + fenetre.materiaux[1].nom, QString("OSAIR"));
        QCOMPARE(lire(sortie).split('\n').mid(0, 4),
                 QList<QByteArray>({"2", "OS", "AIR", "1.85000 0.00120000 "}));

        choisir(fenetre, &Interface::selectXY, ecrireImage(dossier, "xy2.bmp", {{200, 100}}));
        champNomme(fenetre, "champDimZ")->setText("1");
        fenetre.evalue();
        // The replaced picture's level 0 left the table; 200 kept its choice,
        // the new level took the catalogue's first medium.
        QCOMPARE(fenetre.niveauxGris, QVector<int>({200, 100}));
        QCOMPARE(fenetre.materiaux.size(), 2);
        QCOMPARE(fenetre.materiaux[1].niveauGris, 100);
        QCOMPARE(fenetre.materiaux[1].nom, QString("AIR"));
        QCOMPARE(lire(sortie).split('\n').mid(0, 4),
                 QList<QByteArray>({"2", "OS", "AIR", "1.85000 0.00120000 "}));
    }

    // Nothing sound to write: no file, the earlier file untouched, and the reason in the status line.
    void refus_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("motif");
        QTest::newRow("aucun materiau") << "vide" << "Aucun matériau";
        QTest::newRow("compte nul") << "z0" << "invalide";
        QTest::newRow("compte non numerique") << "zabc" << "invalide";
        QTest::newRow("compte negatif") << "z-3" << "invalide";
        QTest::newRow("grille trop grande") << "enorme" << "trop grande";
        QTest::newRow("images incompatibles") << "incompatibles" << "Image incompatible : YZ fait 3 × 1 pixels, 1 × 1 attendus";
        QTest::newRow("62 noms distincts") << "62" << "Trop de milieux : 62, le fichier egsphant en accepte au plus 61.";
        QTest::newRow("nom vide") << "nom vide" << "Niveau de gris 0 : aucun milieu choisi";
        QTest::newRow("densité nulle") << "densité 0" << "Niveau de gris 200 : densité « 0 » invalide";
        QTest::newRow("densité vide") << "densité vide" << "Niveau de gris 200 : densité «  » invalide";
        QTest::newRow("taille non numerique") << "taille" << "Taille Y : « 1,2,3 » n'est pas un nombre.";
        QTest::newRow("origine vide") << "origine" << "Origine Z : champ vide, un nombre est attendu.";
        QTest::newRow("nom de sortie vide") << "sortie" << "aucun nom de fichier";
        QTest::newRow("aucune case") << "aucune" << " badX  badY  badZ Image incompatible : aucun plan coché";
        QTest::newRow("sortie sur un tube") << "tube" << "non écrit : c'est un tube, pas un fichier ordinaire";
    }

    void refus()
    {
        QFETCH(QString, cas);
        QFETCH(QString, motif);
        QTemporaryDir dossier;
        Interface fenetre;
        const QString sortie = fenetreXY(fenetre, dossier, {{200, 0}});
        QFile ancien(sortie);
        QVERIFY(ancien.open(QIODevice::WriteOnly) && ancien.write("ancien") == 6);
        ancien.close();

        if (cas.startsWith('z'))
            champNomme(fenetre, "champDimZ")->setText(cas.mid(1));
        if (cas == "enorme") {
            champNomme(fenetre, "champDimX")->setText("2000000000");
            champNomme(fenetre, "champDimY")->setText("2000000000");
            champNomme(fenetre, "champDimZ")->setText("2000000000");
        }
        if (cas == "incompatibles") {
            choisir(fenetre, &Interface::selectYZ, ecrireImage(dossier, "yz.bmp", {{0, 0, 0}}));
        }
        if (cas == "taille")
            champNomme(fenetre, "tailleY")->setText("1,2,3");
        if (cas == "origine")
            champNomme(fenetre, "origineZ")->clear();
        if (cas == "sortie")
            champNomme(fenetre, "fichierEgsphant")->clear();
        if (cas == "aucune")
            cocheNommee(fenetre, "choixXY")->setChecked(false);
        if (cas == "tube") {
            QCOMPARE(mkfifo(QFile::encodeName(dossier.filePath("tube")).constData(), 0600), 0);
            champNomme(fenetre, "fichierEgsphant")->setText(dossier.filePath("tube"));
        }
        if (cas == "62") {
            // Levels 0, 4, ..., 244, among them the picture's 0 and 200: 62 rows, each its own name.
            QVector<int> niveaux;
            for (int g = 0; g < 62; ++g)
                niveaux << 4 * g;
            choisir(fenetre, &Interface::selectXY, ecrireImage(dossier, "62.bmp", {niveaux}));
            champNomme(fenetre, "champDimZ")->setText("1");
            for (int i = 0; i < tableMateriaux(fenetre)->rowCount(); ++i)
                lignesTable(fenetre).at(i).comboNom->setEditText(QString("M%1").arg(i));
        }
        if (cas == "nom vide")
            lignesTable(fenetre).at(1).comboNom->setEditText("   ");
        if (cas.startsWith("densité"))
            lignesTable(fenetre).at(0).comboDensite->setEditText(cas == "densité 0" ? "0" : "");
        if (cas == "vide")
            QVERIFY(QMetaObject::invokeMethod(&fenetre, "constructionEgsphant", Q_ARG(QString, sortie)));
        else
            fenetre.evalue();
        QVERIFY2(etatDe(fenetre)->text().contains(motif), qPrintable(etatDe(fenetre)->text()));
        QCOMPARE(lire(sortie), QByteArray("ancien"));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).filter("egsphant"),
                 QStringList({"fantome.egsphant"}));
    }

    // The build uses the pictures as they were chosen: a file removed or
    // changed since gives the phantom of the picture shown all the same.
    void imagesDejaLues_data()
    {
        QTest::addColumn<bool>("remplacee"); // the file replaced by another picture, else removed
        QTest::newRow("image disparue") << false;
        QTest::newRow("image remplacée") << true;
    }
    void imagesDejaLues()
    {
        QFETCH(bool, remplacee);
        QTemporaryDir dossier;
        Interface fenetre;
        const QString avant = fenetreXY(fenetre, dossier, {{200, 0}, {0, 200}}, "avant.egsphant");
        const QString image = champNomme(fenetre, "fichierXY")->text();
        fenetre.evalue();
        QVERIFY(QFile::remove(image));
        if (remplacee)
            QVERIFY(!ecrireImage(dossier, "xy.bmp", {{0, 0}, {0, 0}}).isEmpty());
        champNomme(fenetre, "fichierEgsphant")->setText(dossier.filePath("apres.egsphant"));
        fenetre.evalue();
        QVERIFY2(etatDe(fenetre)->text().startsWith("Fantôme écrit"), qPrintable(etatDe(fenetre)->text()));
        QVERIFY(lire(avant).size() > 100);
        QCOMPARE(lire(dossier.filePath("apres.egsphant")), lire(avant));
    }

    void dossierDeSortieAbsent()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        const QString sortie = fenetreXY(fenetre, dossier, {{200, 0}}, "absent/fantome.egsphant");
        fenetre.evalue();
        QVERIFY2(etatDe(fenetre)->text().contains(sortie), qPrintable(etatDe(fenetre)->text()));
        QVERIFY(!QFileInfo::exists(dossier.filePath("absent")));
    }

    // Every grey level left at the catalogue's first medium: one medium, not 62.
    void niveauxParDefautUnSeulMilieu()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        QVector<int> niveaux;
        for (int g = 0; g < 62; ++g)
            niveaux << 4 * g;
        const QString sortie = fenetreXY(fenetre, dossier, {niveaux});
        fenetre.evalue();
        const QList<QByteArray> lignes = lire(sortie).split('\n');
        QCOMPARE(lignes.mid(0, 4), QList<QByteArray>({"1", "AIR", "0.00120000 ", "  62    1    1"}));
        QCOMPARE(carteMilieux(sortie), QList<QByteArray>({QByteArray(62, '1'), ""}));
    }

    // The "Fond" column: one mark at a time, on the first row until the user
    // moves it; the marked row's medium fills the voxels that get no other.
    void fondChoisi()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        catalogue(fenetre);
        const Pixels xy{{255, 255, 0}, {255, 128, 0}, {0, 255, 255}};
        const Pixels xz{{255, 128, 0}, {255, 255, 255}, {128, 0, 255}};
        choisir(fenetre, &Interface::selectXY, ecrireImage(dossier, "xy.bmp", xy));
        choisir(fenetre, &Interface::selectXZ, ecrireImage(dossier, "xz.bmp", xz));
        QCOMPARE(tableMateriaux(fenetre)->horizontalHeaderItem(3)->text(), QString("Fond"));
        QVERIFY(lignesTable(fenetre).at(0).choixFond->isChecked());
        choisirMilieu(fenetre, 1, 1); // 128: EAU
        choisirMilieu(fenetre, 2, 2); // 0: OS
        const QString sortie = dossier.filePath("fantome.egsphant");
        champNomme(fenetre, "fichierEgsphant")->setText(sortie);

        QTest::mouseClick(lignesTable(fenetre).at(2).choixFond, Qt::LeftButton);
        QVERIFY(lignesTable(fenetre).at(2).choixFond->isChecked());
        QVERIFY(!lignesTable(fenetre).at(0).choixFond->isChecked());
        fenetre.evalue();
        // OS first, then AIR and EAU in row order; disagreeing voxels are OS.
        QCOMPARE(lire(sortie).split('\n').mid(0, 5),
                 QList<QByteArray>({"3", "OS", "AIR", "EAU", "1.85000 0.00120000 1.00000 "}));
        const QMap<int, char> cle{{0, '1'}, {255, '2'}, {128, '3'}};
        QList<QByteArray> attendu;
        for (int z = 0; z < 3; ++z) {
            for (int y = 0; y < 3; ++y) {
                QByteArray rangee;
                for (int x = 0; x < 3; ++x)
                    rangee += xz[z][x] == xz[z][y] && xz[z][x] == xy[y][x] ? cle[xz[z][x]] : '1';
                attendu << rangee;
            }
            attendu << QByteArray();
        }
        QCOMPARE(carteMilieux(sortie), attendu);
    }

    // Images chosen before the catalogue: the rows' boxes are empty. The build
    // is refused, or the rows offer the catalogue; never a file with empty names.
    void imagesAvantLeCatalogue()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        choisir(fenetre, &Interface::selectXY, ecrireImage(dossier, "xy.bmp", {{200, 0}}));
        champNomme(fenetre, "champDimZ")->setText("1");
        QFile pegs(dossier.filePath("cat.pegs4dat"));
        QVERIFY(pegs.open(QIODevice::WriteOnly));
        pegs.write(" MEDIUM=EAU ,STERNCID=EAU\n COMP,RHO= 1.0E+00,NE= 2\n");
        pegs.close();
        choisir(fenetre, &Interface::selectMat, pegs.fileName());
        const QString sortie = dossier.filePath("fantome.egsphant");
        champNomme(fenetre, "fichierEgsphant")->setText(sortie);
        fenetre.evalue();
        // The catalogue reached the rows when it was read.
        QVERIFY2(QFileInfo::exists(sortie), qPrintable(etatDe(fenetre)->text()));
        QCOMPARE(lire(sortie).split('\n').mid(0, 3), QList<QByteArray>({"1", "EAU ", "1.00000 "}));
    }

    // A decimal comma in the size and origin fields is the same number as with a full stop.
    void virguleDecimale_data()
    {
        QTest::addColumn<QString>("taille");
        QTest::addColumn<QString>("origine");
        QTest::addColumn<QString>("tailleAvecPoint");
        QTest::addColumn<QString>("origineAvecPoint");
        QTest::newRow("0,5 et -7,5") << "0,5" << "-7,5" << "0.5" << "-7.5";
        QTest::newRow("blancs et exposant") << " 2,5e-1 " << "-1,0" << "0.25" << "-1";
    }
    void virguleDecimale()
    {
        QFETCH(QString, taille);
        QFETCH(QString, origine);
        QFETCH(QString, tailleAvecPoint);
        QFETCH(QString, origineAvecPoint);
        QTemporaryDir dossier;
        QByteArray fichiers[2];
        for (int essai = 0; essai < 2; ++essai) {
            Interface fenetre;
            const QString sortie = fenetreXY(fenetre, dossier, {{200, 0}}, QString("f%1.egsphant").arg(essai));
            champNomme(fenetre, "tailleY")->setText(essai ? tailleAvecPoint : taille);
            champNomme(fenetre, "origineZ")->setText(essai ? origineAvecPoint : origine);
            fenetre.evalue();
            QVERIFY2(ditEcrit(fenetre, sortie, "1 milieu, 2 × 1 × 1 voxels"), qPrintable(etatDe(fenetre)->text()));
            fichiers[essai] = lire(sortie);
        }
        QCOMPARE(fichiers[0], fichiers[1]);
    }

    // Limits of the stock readers are noted after the line that says what was written.
    void notesDesLecteurs()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        const QString sortie = fenetreXY(fenetre, dossier, {{200, 0}});
        champNomme(fenetre, "champDimZ")->setText("130");
        fenetre.evalue();
        QVERIFY2(ditEcrit(fenetre, sortie, "1 milieu, 2 × 1 × 130 voxels"), qPrintable(etatDe(fenetre)->text()));
        // After the note on the levels nobody chose a medium for.
        QCOMPARE(etatDe(fenetre)->text().section('\n', 2),
                 QString("Attention : 130 voxels en Z ; DOSXYZnrc n'en accepte que 128 sans recompilation ($KMAX)"));
    }

    // Counts larger than the picture: the voxels beyond it keep the first medium.
    void horsDeLImage()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        const QString sortie = fenetreXY(fenetre, dossier, {{0, 200}});
        choisirMilieu(fenetre, 0, 1);
        choisirMilieu(fenetre, 1, 2);
        champNomme(fenetre, "champDimX")->setText("3");
        champNomme(fenetre, "champDimY")->setText("2");
        fenetre.evalue();
        QCOMPARE(carteMilieux(sortie), QList<QByteArray>({"211", "111", ""}));
    }

    // As a user works: the real catalogue, an XY picture, a slice count typed,
    // media picked in the table's boxes, then "Egsphant".
    void deBoutEnBout()
    {
        const QString pegs = QStringLiteral(QUARVEL_SHARED_DATA "/521icru.pegs4dat");
        if (!QFile::exists(pegs))
            QSKIP("../shared/data/521icru.pegs4dat is absent: the real catalogue is not in this checkout");
        QTemporaryDir dossier;
        Interface fenetre;
        choisir(fenetre, &Interface::selectMat, pegs);
        choisir(fenetre, &Interface::selectXY, ecrireImage(dossier, "xy.bmp", {{255, 0}, {128, 255}}));
        champNomme(fenetre, "champDimZ")->setText("2");
        champNomme(fenetre, "tailleZ")->setText("0.5");
        choisirMilieu(fenetre, 0, 1);  // 255: AIR521ICRU
        choisirMilieu(fenetre, 1, 11); // 128: H2O521ICRU
        choisirMilieu(fenetre, 2, 13); // 0: ICRPBONE521ICRU
        const QString sortie = dossier.filePath("patient.egsphant");
        champNomme(fenetre, "fichierEgsphant")->setText(sortie);
        fenetre.evalue();
        const QByteArray attendu = "3\n"
                                   "AIR521ICRU              \n"
                                   "H2O521ICRU              \n"
                                   "ICRPBONE521ICRU         \n"
                                   "0.00120480 1.00000 1.85000 \n"
                                   "   2    2    2\n"
                                   "-15.0000 -14.0000 -13.0000 \n"
                                   "-15.0000 -14.0000 -13.0000 \n"
                                   "0.00000 0.500000 1.00000 \n"
                                   "13\n21\n\n13\n21\n\n"
                                   "0.00120480 1.85000 \n1.00000 0.00120480 \n\n"
                                   "0.00120480 1.85000 \n1.00000 0.00120480 \n\n";
        QCOMPARE(lire(sortie), attendu);
    }
};

QTEST_MAIN(TestConstruction)
#include "tst_construction.moc"
