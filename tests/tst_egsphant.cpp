// The phantom file, byte for byte, and how writing it fails safely.
#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>

#include "egsphant/egsphant.h"
#include "egsphant/reel.h"
#include "outils.h"

namespace {

QList<Materiau> milieux(const QList<QPair<QString, double>> &noms)
{
    QList<Materiau> liste;
    for (const auto &m : noms) {
        liste << Materiau(0, m.first, m.second);
        liste.last().numero = liste.size();
    }
    return liste;
}

// A grid from its voxel values, listed [z][y][x].
Grille grille(int x, int y, int z, const std::vector<quint8> &voxels)
{
    Grille g;
    g.dimX = x;
    g.dimY = y;
    g.dimZ = z;
    g.voxels = voxels;
    return g;
}

} // namespace

class TestEgsphant : public QObject
{
    Q_OBJECT

private slots:
    void reels_data()
    {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("1") << 1.0 << QByteArray("1.00000");
        QTest::newRow("-15") << -15.0 << QByteArray("-15.0000");
        QTest::newRow("0") << 0.0 << QByteArray("0.00000");
        QTest::newRow("0.0012") << 0.0012 << QByteArray("0.00120000");
        QTest::newRow("0.5") << 0.5 << QByteArray("0.500000");
        QTest::newRow("100000") << 100000.0 << QByteArray("100000.");
        QTest::newRow("999999.5") << 999999.5 << QByteArray("1.00000e+06");
        QTest::newRow("1e6") << 1e6 << QByteArray("1.00000e+06");
        QTest::newRow("1e-5") << 1e-5 << QByteArray("1.00000e-05");
        QTest::newRow("0.0001") << 0.0001 << QByteArray("0.000100000");
        QTest::newRow("-1e-300") << -1e-300 << QByteArray("-1.00000e-300");
        QTest::newRow("0.0012048") << 0.0012048 << QByteArray("0.00120480");
        QTest::newRow("123456789") << 123456789.0 << QByteArray("1.23457e+08");
    }

    void reels()
    {
        QFETCH(double, valeur);
        QFETCH(QByteArray, attendu);
        char texte[longueurReelMax];
        QCOMPARE(QByteArray(texte, formatReel(valeur, texte)), attendu);
    }

    // Compared with the C library's own %#.6g, which the test runs in the "C" locale.
    void reelsCommeLaBibliothequeC()
    {
        QVERIFY(std::setlocale(LC_NUMERIC, "C"));
        QRandomGenerator hasard(20261207);
        for (int i = 0; i < 200000; ++i) {
            const double mantisse = hasard.generateDouble() * 20 - 10;
            const double valeur = std::ldexp(mantisse, int(hasard.bounded(-60, 60)));
            char attendu[64], texte[longueurReelMax];
            std::snprintf(attendu, sizeof attendu, "%#.6g", valeur);
            QCOMPARE(QByteArray(texte, formatReel(valeur, texte)), QByteArray(attendu));
        }
    }

    void exempleComplet()
    {
        const QList<Materiau> m = milieux({{"AIR", 0.0012}, {"EAU", 1.0}});
        const QByteArray attendu = "2\n"
                                   "AIR\n"
                                   "EAU\n"
                                   "0.00120000 1.00000 \n"
                                   "   3    2    1\n"
                                   "-15.0000 -14.0000 -13.0000 -12.0000 \n"
                                   "-15.0000 -14.0000 -13.0000 \n"
                                   "0.00000 1.00000 \n"
                                   "121\n"
                                   "221\n"
                                   "\n"
                                   "0.00120000 1.00000 0.00120000 \n"
                                   "1.00000 1.00000 0.00120000 \n"
                                   "\n";
        QCOMPARE(texte(m, grille(3, 2, 1, {0, 1, 0, 1, 1, 0})), attendu);
    }

    // Records of one name share a medium: listed once, as its first record
    // spells it, with its first record's density; the density map keeps each
    // record's own density.
    void milieuxPartages_data()
    {
        QTest::addColumn<QList<Materiau>>("materiaux");
        QTest::addColumn<QByteArray>("attendu");
        const QByteArray bornes = "   3    1    1\n-15.0000 -14.0000 -13.0000 -12.0000 \n-15.0000 -14.0000 \n"
                                  "0.00000 1.00000 \n";
        QTest::newRow("deux niveaux, un milieu du catalogue")
            << QList<Materiau>{{255, "EAU   ", 1.0}, {100, "EAU   ", 1.0}, {30, "OS", 1.85}}
            << "2\nEAU   \nOS\n1.00000 1.85000 \n" + bornes + "112\n\n1.00000 1.00000 1.85000 \n\n";
        QTest::newRow("un milieu, deux densités, blancs autour ignorés")
            << QList<Materiau>{{255, "OS", 1.85}, {100, " EAU", 1.0}, {30, "EAU ", 1.5}}
            << "2\nOS\n EAU\n1.85000 1.00000 \n" + bornes + "122\n\n1.85000 1.00000 1.50000 \n\n";
        QTest::newRow("la casse distingue")
            << QList<Materiau>{{255, "Eau", 1.0}, {100, "EAU", 1.0}, {30, "Eau", 2.0}}
            << "2\nEau\nEAU\n1.00000 1.00000 \n" + bornes + "121\n\n1.00000 1.00000 2.00000 \n\n";
    }

    void milieuxPartages()
    {
        QFETCH(QList<Materiau>, materiaux);
        QFETCH(QByteArray, attendu);
        QCOMPARE(texte(materiaux, grille(3, 1, 1, {0, 1, 2})), attendu);
    }

    // The 61-media limit counts names, not grey levels.
    void deuxCentsNiveauxQuatreMilieux()
    {
        QList<Materiau> materiaux;
        std::vector<quint8> voxels;
        for (int g = 0; g < 200; ++g) {
            materiaux << Materiau(g, QString("M%1").arg(g % 4), 1.0 + g % 4);
            voxels.push_back(quint8(g));
        }
        const QList<QByteArray> lignes = texte(materiaux, grille(200, 1, 1, voxels)).split('\n');
        QCOMPARE(lignes.mid(0, 6), QList<QByteArray>({"4", "M0", "M1", "M2", "M3", "1.00000 2.00000 3.00000 4.00000 "}));
        QByteArray carte;
        for (int g = 0; g < 200; ++g)
            carte += char('1' + g % 4);
        QCOMPARE(lignes.value(10), carte);
    }

    void grillesVides_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("z");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("aucun milieu, comptes nuls")
            << 0 << 0 << 0 << QByteArray("0\n\n   0    0    0\n-15.0000 \n-15.0000 \n0.00000 \n");
        QTest::newRow("dimZ nul") << 2 << 1 << 0
                                  << QByteArray("1\nEAU\n1.00000 \n   2    1    0\n-15.0000 -14.0000 -13.0000 \n"
                                                "-15.0000 -14.0000 \n0.00000 \n");
        QTest::newRow("dimX nul") << 0 << 2 << 1
                                  << QByteArray("1\nEAU\n1.00000 \n   0    2    1\n-15.0000 \n"
                                                "-15.0000 -14.0000 -13.0000 \n0.00000 1.00000 \n"
                                                "\n\n\n\n\n\n");
    }

    void grillesVides()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, z);
        QFETCH(QByteArray, attendu);
        const QList<Materiau> m = x + y + z == 0 ? QList<Materiau>() : milieux({{"EAU", 1.0}});
        QCOMPARE(texte(m, grille(x, y, z, {})), attendu);
    }

    void douzeMilieuxUnCaractereParVoxel()
    {
        QList<QPair<QString, double>> noms;
        for (int i = 1; i <= 12; ++i)
            noms << qMakePair(QString("M%1 ").arg(i), double(i));
        const QByteArray octets = texte(milieux(noms), grille(12, 1, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        const QList<QByteArray> lignes = octets.split('\n');
        QCOMPARE(lignes.value(0), QByteArray("12"));
        QCOMPARE(lignes.value(1), QByteArray("M1 "));
        QCOMPARE(lignes.value(12), QByteArray("M12 "));
        QCOMPARE(lignes.value(13), QByteArray("1.00000 2.00000 3.00000 4.00000 5.00000 6.00000 7.00000 "
                                              "8.00000 9.00000 10.0000 11.0000 12.0000 "));
        QCOMPARE(lignes.value(14), QByteArray("  12    1    1"));
        QCOMPARE(lignes.value(18), QByteArray("123456789ABC"));
        QCOMPARE(lignes.value(19), QByteArray());
    }

    void cleDesMilieux()
    {
        // Medium numbers past 9 are letters; the 61st medium is the last one the key can write.
        QList<QPair<QString, double>> noms;
        for (int i = 0; i < 61; ++i)
            noms << qMakePair(QString::number(i), 1.0);
        const QList<QByteArray> lignes = texte(milieux(noms), grille(5, 1, 1, {9, 10, 35, 36, 60})).split('\n');
        QCOMPARE(lignes.value(67), QByteArray("ABabz"));
    }

    void refusAuDelaDe61Milieux()
    {
        QList<QPair<QString, double>> noms;
        for (int i = 0; i < 62; ++i)
            noms << qMakePair(QString::number(i), 1.0);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("trop.egsphant");
        QString erreur;
        QVERIFY(!enregistrerEgsphant(chemin, milieux(noms), grille(1, 1, 1, {0}), Geometrie(), &erreur));
        QVERIFY2(erreur.contains("62") && erreur.contains("61"), qPrintable(erreur));
        QVERIFY(!QFile::exists(chemin));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList());
    }

    void grilleTropPetiteRefusee()
    {
        QString erreur;
        QByteArray octets;
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QVERIFY(!ecrireEgsphant(tampon, milieux({{"EAU", 1.0}}), grille(2, 2, 2, {0, 0, 0}), Geometrie(), &erreur));
        QVERIFY(!erreur.isEmpty());
        QVERIFY(octets.isEmpty());
        QVERIFY(!ecrireEgsphant(tampon, milieux({{"EAU", 1.0}}), grille(2, 1, 1, {0, 1}), Geometrie(), &erreur));
        QVERIFY(octets.isEmpty());
        // A density typed as "nan" or "inf" would make a file no reader can use.
        for (const char *texte : {"nan", "inf", "-inf"}) {
            QVERIFY(!ecrireEgsphant(tampon, milieux({{"EAU", QString(texte).toDouble()}}), grille(1, 1, 1, {0}),
                                    Geometrie(), &erreur));
            QVERIFY2(erreur.contains("EAU"), qPrintable(erreur));
        }
        QVERIFY(octets.isEmpty());
    }

    void dossierAbsent()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("absent/sous/fantome.egsphant");
        QString erreur;
        QVERIFY(!enregistrerEgsphant(chemin, milieux({{"EAU", 1.0}}), grille(1, 1, 1, {0}), Geometrie(), &erreur));
        QVERIFY2(erreur.contains(chemin), qPrintable(erreur));
        QVERIFY(!QFileInfo::exists(dossier.filePath("absent")));
    }

    // A write that fails half way (here: the file size limit of the process)
    // leaves the earlier file whole and no temporary file behind.
    void echecEnCoursDEcriture()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("fantome.egsphant");
        QVERIFY(enregistrerEgsphant(chemin, milieux({{"EAU", 1.0}}), grille(1, 1, 1, {0}), Geometrie(), nullptr));
        const QByteArray avant = lire(chemin);

        rlimit ancienne;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &ancienne), 0);
        rlimit limite = ancienne;
        limite.rlim_cur = 4096;
        const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
        QString erreur;
        const bool ecrit = enregistrerEgsphant(chemin, milieux({{"EAU", 1.0}, {"OS", 1.85}}),
                                               grille(100, 100, 10, std::vector<quint8>(100000, 1)), Geometrie(),
                                               &erreur);
        setrlimit(RLIMIT_FSIZE, &ancienne);
        std::signal(SIGXFSZ, signalAvant);

        QVERIFY(!ecrit);
        QVERIFY2(erreur.contains(chemin) && erreur.contains("disque plein"), qPrintable(erreur));
        QCOMPARE(lire(chemin), avant);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList({"fantome.egsphant"}));
    }

    // Replacing a file keeps what the user set on it: its rights, and a link
    // that points to it; a folder in the way is refused.
    void remplacementDUnFichierExistant()
    {
        QTemporaryDir dossier;
        const QList<Materiau> m = milieux({{"EAU", 1.0}});
        const QString vrai = dossier.filePath("vrai.egsphant");
        const QString lien = dossier.filePath("lien.egsphant");
        QVERIFY(enregistrerEgsphant(vrai, m, grille(1, 1, 1, {0}), Geometrie(), nullptr));
        const auto droits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                            | QFileDevice::WriteUser | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(vrai, droits));
        QVERIFY(QFile::link(vrai, lien));
        QVERIFY(enregistrerEgsphant(lien, m, grille(2, 1, 1, {0, 0}), Geometrie(), nullptr));
        QVERIFY(QFileInfo(lien).isSymLink());
        QCOMPARE(lire(vrai), texte(m, grille(2, 1, 1, {0, 0})));
        QCOMPARE(QFile::permissions(vrai), droits);

        QString erreur;
        QVERIFY(QDir(dossier.path()).mkdir("dossier.egsphant"));
        QVERIFY(!enregistrerEgsphant(dossier.filePath("dossier.egsphant"), m, grille(1, 1, 1, {0}), Geometrie(),
                                     &erreur));
        QVERIFY2(erreur.contains("dossier.egsphant"), qPrintable(erreur));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({"lien.egsphant", "vrai.egsphant"}));
    }

    void secondeEcritureRemplaceLaPremiere()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("fantome.egsphant");
        const QList<Materiau> m = milieux({{"AIR", 0.0012}, {"EAU", 1.0}});
        QVERIFY(enregistrerEgsphant(chemin, m, grille(4, 3, 2, std::vector<quint8>(24, 1)), Geometrie(), nullptr));
        QVERIFY(enregistrerEgsphant(chemin, m, grille(1, 1, 1, {0}), Geometrie(), nullptr));
        QCOMPARE(lire(chemin), texte(m, grille(1, 1, 1, {0})));
        QCOMPARE(lire(chemin), QByteArray("2\nAIR\nEAU\n0.00120000 1.00000 \n   1    1    1\n"
                                          "-15.0000 -14.0000 \n-15.0000 -14.0000 \n0.00000 1.00000 \n"
                                          "1\n\n0.00120000 \n\n"));
    }

    // Room is set aside for the longest density at every voxel: what the
    // text does not use goes back to the disk.
    void placeRendue()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("fantome.egsphant");
        const QList<Materiau> m = milieux({{"AIR", 0.0012048}, {"EAU", 1.0}});
        std::vector<quint8> voxels(1 << 20, 1);
        voxels[0] = 0;
        const Grille g = grille(1024, 512, 2, voxels);
        QVERIFY(enregistrerEgsphant(chemin, m, g, Geometrie(), nullptr));
        const QByteArray attendu = texte(m, g);
        QCOMPARE(lire(chemin), attendu);
        struct stat etat;
        QCOMPARE(stat(QFile::encodeName(chemin).constData(), &etat), 0);
        // Whole blocks of the file system, and no more than one beyond the text.
        QVERIFY2(qint64(etat.st_blocks) * 512 <= attendu.size() + qint64(etat.st_blksize),
                 qPrintable(QString("%1 octets occupés pour %2").arg(qint64(etat.st_blocks) * 512).arg(attendu.size())));
    }

    void grandsComptesEtDensites()
    {
        std::vector<quint8> voxels(10000, 0);
        voxels[1] = 1;
        const QList<QByteArray> lignes =
            texte(milieux({{"A", 100000.0}, {"B", 0.00001}}), grille(10000, 1, 1, voxels)).split('\n');
        QCOMPARE(lignes.value(3), QByteArray("100000. 1.00000e-05 "));
        QCOMPARE(lignes.value(4), QByteArray("10000    1    1"));
        QVERIFY(lignes.value(5).endsWith("9985.00 "));
        QCOMPARE(lignes.value(8).left(4), QByteArray("1211"));
        QCOMPARE(lignes.value(10).left(28), QByteArray("100000. 1.00000e-05 100000. "));
    }

    // Runs of equal voxels of every length around the sizes the writer
    // copies in bulk, next to single voxels, give the same maps as voxel
    // by voxel.
    void suitesDeVoxels()
    {
        const QList<Materiau> m = milieux({{"AIR", 0.0012048}, {"EAU", 1.0}, {"OS", 1.85e-5}});
        std::vector<quint8> voxels;
        for (int longueur : {1, 2, 7, 8, 9, 15, 16, 17, 63, 64, 65, 128, 129, 200, 3, 1})
            voxels.insert(voxels.end(), size_t(longueur), quint8(voxels.size() % 3));
        const int dimX = 97;
        const int dimY = int(voxels.size() / dimX);
        voxels.resize(size_t(dimX * dimY * 2), 1);
        QByteArray cartes, densites;
        for (int ligne = 0; ligne < dimY * 2; ++ligne) {
            for (int x = 0; x < dimX; ++x) {
                const int k = voxels[size_t(ligne * dimX + x)];
                char reel[32];
                std::snprintf(reel, sizeof reel, "%#.6g ", m[k].densite);
                cartes += char('1' + k);
                densites += reel;
            }
            cartes += '\n';
            densites += '\n';
            if (ligne % dimY == dimY - 1) {
                cartes += '\n';
                densites += '\n';
            }
        }
        QVERIFY(texte(m, grille(dimX, dimY, 2, voxels)).endsWith(cartes + densites));
    }
};

QTEST_GUILESS_MAIN(TestEgsphant)
#include "tst_egsphant.moc"
