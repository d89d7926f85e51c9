// CT series read from DICOM files that ITK's GDCM writer made: the order of
// the slices, the HU, the geometry, the series chosen, and the refusals.
#include <QTemporaryDir>
#include <QtTest>

#include <iomanip>
#include <locale>
#include <sstream>

#include "scanner/apercuct.h"
#include "scanner/serie.h"
#include "scanner/volumect.h"
#include "outils.h"
#include "seriect.h"

namespace {

// The cylinder, its corner pixel marking the slice: -1000 + z there.
SerieEssai cylindreEssai()
{
    SerieEssai s;
    s.hu = [s](int c, int r, int z) { return c == 0 && r == 0 ? -1000 + z : cylindre(s.premier[0] + c * s.pas[0],
                                                                                      s.premier[1] + r * s.pas[1]); };
    return s;
}

// %#.6g from the C library.
QByteArray reel(double v)
{
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s << std::showpoint << std::setprecision(6) << v;
    return QByteArray::fromStdString(s.str());
}

const QByteArray rampeEssai = "min -1000\nAIR -900 0.001 0.101\nLUNG -600 0.2 0.5\nEAU 200 0.9 1.3\nOS 2000 1.5 2.4\n";

// The phantom of cylindreEssai() through rampeEssai, worked out by hand:
// each HU's medium key and density text.
QByteArray fantomeAttendu()
{
    const SerieEssai s = cylindreEssai();
    QByteArray t = "4\nAIR\nLUNG\nEAU\nOS\n0.00100000 0.200000 0.900000 1.50000 \n  12   10    5\n";
    const int n[3] = {12, 10, 5};
    const double origine[3] = {-1.2, -1.25, 9.8}, taille[3] = {0.2, 0.25, 0.4};
    for (int a = 0; a < 3; ++a) {
        for (int i = 0; i <= n[a]; ++i)
            t += reel(origine[a] + i * taille[a]) + " ";
        t += "\n";
    }
    auto voxel = [](int hu) -> std::pair<char, QByteArray> {
        switch (hu) {
        case -700: return {'2', "0.400000"};
        case 0: return {'3', "1.20000"};
        case 1000: return {'4', "1.90000"};
        default: return {'1', reel(0.001 * (hu + 1001))}; // the air, its marked corner -1000 + z
        }
    };
    for (bool densites : {false, true})
        for (int z = 0; z < 5; ++z) {
            for (int y = 0; y < 10; ++y) {
                for (int x = 0; x < 12; ++x)
                    t += densites ? voxel(s.hu(x, y, z)).second + " " : QByteArray(1, voxel(s.hu(x, y, z)).first);
                t += "\n";
            }
            t += "\n";
        }
    return t;
}

} // namespace

class TestSerie : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir racine;
    int numero = 0;
    QString nouveauDossier()
    {
        const QString d = racine.filePath(QString::number(++numero));
        QDir().mkpath(d);
        return d;
    }

private slots:
    // Axial as written, and with the rows running towards -x: each
    // voxel where its physical position puts it, slices in order of position.
    void lecture_data()
    {
        QTest::addColumn<bool>("inverse");
        QTest::newRow("axial") << false;
        QTest::newRow("x inversé") << true;
    }
    void lecture()
    {
        QFETCH(bool, inverse);
        SerieEssai s = cylindreEssai();
        const auto physique = s.hu;
        if (inverse) {
            // Column c lies at x = 11 - 2c: the same pixels, mirrored in the file.
            s.hu = [physique, s](int c, int r, int z) { return physique(s.colonnes - 1 - c, r, z); };
            s.premier[0] = -s.premier[0];
        }
        const QString dossier = nouveauDossier();
        QVERIFY(ecrireSerie(dossier, s, [inverse](int, CoupeEssai &c) {
            if (inverse)
                c.orientation = "-1\\0\\0\\0\\1\\0";
        }));
        VolumeCT ct;
        QString erreur;
        SerieCT lue;
        QVERIFY2(lireSerieCT(dossier, QString(), ct, &erreur, &lue), qPrintable(erreur));
        QCOMPARE(lue.uid, QString::fromStdString(s.uid));
        QCOMPARE(lue.coupes, 5);
        const double tailles[3] = {0.2, 0.25, 0.4}, origines[3] = {-1.2, -1.25, 9.8};
        for (int a = 0; a < 3; ++a) {
            QCOMPARE(ct.axes[a].taille, tailles[a]);
            QCOMPARE(ct.axes[a].origine, origines[a]);
        }
        QCOMPARE(ct.axes[0].compte, 12);
        QCOMPARE(ct.huMin, -1000.0);
        QCOMPARE(ct.huMax, 1000.0);
        QVERIFY(ct.reels.empty());
        int differents = 0;
        for (int z = 0; z < 5; ++z)
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 12; ++x)
                    differents += ct.hu((z * 10 + y) * 12 + x) != physique(x, y, z);
        QCOMPARE(differents, 0);
        // Through the CT window of level 40, width 400: water grey, bone white, lung and air black.
        const QImage coupe = coupeAxialeCT(ct, 2);
        QCOMPARE(coupe.size(), QSize(12, 10));
        // (h + 160) / 400 of 255: 102 for water.
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x) {
                const int h = physique(x, y, 2);
                QCOMPARE(qGray(coupe.pixel(x, y)), h < -160 ? 0 : h == 0 ? 102 : 255);
            }
    }

    // HU that are not whole (Rescale Slope 0.5) are kept as they are, and
    // the phantom's densities come from them.
    void demiHU()
    {
        SerieEssai s = cylindreEssai();
        s.demiHU = true;
        const QString dossier = nouveauDossier();
        QVERIFY(ecrireSerie(dossier, s));
        VolumeCT ct;
        QString erreur;
        QVERIFY2(lireSerieCT(dossier, QString(), ct, &erreur), qPrintable(erreur));
        QVERIFY(ct.entiers.empty());
        QCOMPARE(ct.huMax, 1000.5);
        int differents = 0;
        for (int z = 0; z < 5; ++z)
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 12; ++x)
                    differents += ct.hu((z * 10 + y) * 12 + x) != s.hu(x, y, z) + 0.5;
        QCOMPARE(differents, 0);
        const QString rampe = racine.filePath("rampe.txt"), fichier = racine.filePath("demi.egsphant");
        QVERIFY(ecrireFichier(rampe, rampeEssai));
        QCOMPARE(lancer({"--ct", dossier, "--ramp", rampe, "-o", fichier}).statut, 0);
        // Water at 0.5 HU: 0.9 + 0.4 × 600.5 / 800.
        QVERIFY(lire(fichier).contains(" 1.20025 1.20025 "));
    }

    // The series with the most slices unless another is named; its list.
    void choix()
    {
        const QString dossier = nouveauDossier();
        SerieEssai grande = cylindreEssai(), petite = cylindreEssai();
        petite.uid = "1.2.826.0.1.3680043.2.1125.22.2";
        petite.description = "Petite";
        petite.coupes = 3;
        petite.hu = [](int, int, int) { return 40; };
        petite.prefixe = "P";
        QVERIFY(ecrireSerie(dossier, petite) && ecrireSerie(dossier, grande));
        QList<SerieCT> series;
        QString erreur;
        QVERIFY(listerSeriesCT(dossier, series, &erreur));
        QCOMPARE(series.size(), 2);
        QCOMPARE(series[0].coupes, 5);
        QCOMPARE(series[1].description, QString("Petite"));
        VolumeCT ct;
        QVERIFY(lireSerieCT(dossier, QString::fromStdString(petite.uid), ct, &erreur));
        QCOMPARE(ct.axes[2].compte, 3);
        QCOMPARE(ct.huMax, 40.0);
        QVERIFY(!lireSerieCT(dossier, "1.2.3", ct, &erreur));
        QCOMPARE(erreur, QString("Série CT de « %1 » : aucune série CT d'UID « 1.2.3 » (séries CT : %2, %3)")
                             .arg(dossier, series[0].uid, series[1].uid));
    }

    void refus_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<QString>("message"); // %1, %2...: the files of slices 1, 2...
        QTest::newRow("pas de CT") << 0 << "Dossier « @ » : aucune série CT (fichiers DICOM de modalité CT)";
        QTest::newRow("espacement") << 1 << "Série CT de « @ » : espacement inégal des coupes : 5 mm entre les coupes 2 "
                                            "et 3 (« %2 » et « %3 »), 4 mm en moyenne";
        QTest::newRow("inclinaison") << 2 << "Série CT de « @ » : statif incliné de 15° (« %3 ») : rééchantillonner "
                                             "d'abord la série en coupes droites";
        QTest::newRow("de biais") << 3 << "Série CT de « @ » : coupes décalées de biais (statif incliné) : "
                                          "rééchantillonner d'abord la série en coupes droites";
        QTest::newRow("oblique") << 4 << "Série CT de « @ » : orientation oblique : rééchantillonner d'abord la série "
                                         "sur des axes x, y, z";
        QTest::newRow("tailles") << 5 << "Série CT de « @ » : coupes de tailles différentes : « %1 » a 12 × 10 pixels, "
                                         "« %2 » 11 × 10";
        QTest::newRow("vide") << 6 << "Dossier « @ » : aucune série CT (fichiers DICOM de modalité CT)";
    }
    void refus()
    {
        QFETCH(int, cas);
        QFETCH(QString, message);
        const QString dossier = nouveauDossier();
        QStringList fichiers;
        if (cas != 6)
            QVERIFY(ecrireSerie(dossier, cylindreEssai(), [cas](int z, CoupeEssai &c) {
                if (cas == 0)
                    c.modalite = "MR";
                if (cas == 1 && z == 2)
                    c.position[2] += 1.0;
                if (cas == 2 && z == 2)
                    c.inclinaison = "15";
                if (cas == 3)
                    c.position[1] += 2.0 * z;
                if (cas == 4)
                    c.orientation = "0.8\\0.6\\0\\-0.6\\0.8\\0";
                if (cas == 5 && z == 1)
                    c.colonnes = 11;
            }, &fichiers));
        message.replace("@", dossier);
        for (int i = fichiers.size() - 1; i >= 0; --i)
            message.replace(QString("%%1").arg(i + 1), fichiers[i]);
        VolumeCT ct;
        QString erreur;
        QVERIFY(!lireSerieCT(dossier, QString(), ct, &erreur));
        QCOMPARE(erreur, message);
        QCOMPARE(ct.nombreVoxels(), 0);
    }

    // quarvel-phantom --ct: the whole file, the HU in the summary, the
    // reader's view of it; coarser voxels; a ramp template.
    void commande()
    {
        const QString dossier = nouveauDossier();
        QVERIFY(ecrireSerie(dossier, cylindreEssai()));
        const QString rampe = racine.filePath("rampe.txt"), fichier = racine.filePath("ct.egsphant");
        QVERIFY(ecrireFichier(rampe, rampeEssai));
        Resultat r = lancer({"--ct", dossier, "--ramp", rampe, "-o", fichier});
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.sortie, QString("Fantôme écrit dans « %1 » : 4 milieux, 12 × 10 × 5 voxels, HU lus de -1000 à 1000\n")
                               .arg(fichier));
        QCOMPARE(lire(fichier), fantomeAttendu());
        // Water: 5 slices of the pixels whose centre lies in the cylinder and in neither insert.
        int eau = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x)
                eau += cylindreEssai().hu(x, y, 0) == 0;
        r = lancer({"--info", fichier});
        QVERIFY2(r.sortie.contains(QString("\n3\tEAU\t%1\t").arg(5 * eau)), qPrintable(r.sortie));

        r = lancer({"--ct", dossier, "--ramp", rampe, "--crop", "-0.5,0.5,-9,9,10,11", "--size", "0.4,1,0.8", "-o",
                    fichier});
        QCOMPARE(r.statut, 0);
        QVERIFY2(r.sortie.contains(" : 4 milieux, 3 × 2 × 1 voxels, HU lus de -1000 à 1000"), qPrintable(r.sortie));
        QVERIFY(lire(fichier).contains("\n   3    2    1\n-0.600000 -0.200000 0.200000 0.600000 \n-1.25000 0.00000 1.25000 \n"
                                       "9.80000 11.0000 \n"));
    }

    void commandeRefusee_data()
    {
        QTest::addColumn<QStringList>("arguments"); // @ the series, R a ramp
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("message");
        const QString avec = "--ct ne s'emploie pas avec %1 : le scanner donne les voxels, leur géométrie et, par la "
                             "rampe, leurs milieux (voir quarvel-phantom --help)";
        QTest::newRow("plan") << QStringList{"--ct", "@", "--xy", "a.bmp"} << 2 << avec.arg("--xy");
        QTest::newRow("comptes") << QStringList{"--ct", "@", "--counts", "1,2,3"} << 2 << avec.arg("--counts");
        QTest::newRow("origine") << QStringList{"--ct", "@", "--origin", "1,2,3"} << 2 << avec.arg("--origin");
        QTest::newRow("table") << QStringList{"--ct", "@", "--table", "t.txt"} << 2 << avec.arg("--table");
        QTest::newRow("volume") << QStringList{"--ct", "@", "--volume", "v.nrrd"} << 2 << avec.arg("--volume");
        QTest::newRow("egs++ sans catalogue") << QStringList{"--ct", "@", "--ramp", "R", "--egspp", "g"} << 1
                                              << "Géométrie egs++ : aucun fichier PEGS4 chargé : la rampe d'egs++ prend "
                                                 "la densité de chaque milieu dans ce fichier";
        QTest::newRow("sans --ct") << QStringList{"--xy", "a.bmp", "--ramp", "R"} << 2
                                   << "--series, --ramp et --crop ne s'emploient qu'avec --ct DOSSIER (voir quarvel-phantom --help)";
        QTest::newRow("rampe") << QStringList{"--ct", "@", "--ramp", "R"} << 1
                               << "Rampe « R » : ligne 3 : HU_MAX -950 ne dépasse pas celui de la ligne précédente "
                                  "(-900) ; les HU_MAX doivent croître strictement";
        QTest::newRow("sans catalogue") << QStringList{"--ct", "@"} << 1
                                        << "La rampe par défaut nomme ses milieux d'après un catalogue : donner le "
                                           "fichier PEGS4, ou une rampe";
        QTest::newRow("boîte") << QStringList{"--ct", "@", "--ramp", "R", "--crop", "1,2,3"} << 1
                               << "--crop attend six valeurs X0,X1,Y0,Y1,Z0,Z1 (cm), pas « 1,2,3 »";
        QTest::newRow("trop fin") << QStringList{"--ct", "@", "--ramp", "R", "--size", "0.1,1,1"} << 1
                                  << "Taille selon X : 0.1 cm, plus petite que les voxels du scanner (0.2 cm)";
        QTest::newRow("modèle") << QStringList{"--ramp-template"} << 2
                                << "--ramp-template donne la rampe par défaut d'un catalogue : donner --pegs FICHIER "
                                   "(voir quarvel-phantom --help)";
    }
    void commandeRefusee()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, statut);
        QFETCH(QString, message);
        const QString dossier = nouveauDossier(), rampe = racine.filePath("rampe.txt");
        QVERIFY(ecrireSerie(dossier, cylindreEssai()));
        const bool mauvaise = QString(QTest::currentDataTag()) == "rampe";
        QVERIFY(ecrireFichier(rampe, mauvaise ? "min -1000\nAIR -900 0.001 0.1\nLUNG -950 0.2 0.5\n" : rampeEssai));
        const QString fichier = racine.filePath("refuse.egsphant");
        QVERIFY(ecrireFichier(fichier, "avant"));
        for (QString &a : arguments)
            a = a == "@" ? dossier : a == "R" ? rampe : a;
        message.replace("« R »", QString("« %1 »").arg(rampe));
        const Resultat r = lancer(arguments << "-o" << fichier);
        QCOMPARE(r.statut, statut);
        QCOMPARE(r.erreurs, message + "\n");
        QCOMPARE(lire(fichier), QByteArray("avant"));
    }

    void modeleRampe()
    {
        const QString pegs = QUARVEL_SHARED_DATA "/521icru.pegs4dat";
        if (!QFile::exists(pegs))
            QSKIP("../shared/data/521icru.pegs4dat absent : la rampe par défaut se prend dans ce catalogue");
        const Resultat r = lancer({"--pegs", pegs, "--ramp-template"});
        QCOMPARE(r.statut, 0);
        const QStringList lignes = r.sortie.split('\n').filter(QRegularExpression("^[^#]"));
        QCOMPARE(lignes, QStringList({"min -1024", "AIR521ICRU           -950     0.001     0.044",
                                      "LUNG521ICRU          -700     0.044     0.302",
                                      "ICRUTISSUE521ICRU     125     0.302     1.101",
                                      "ICRPBONE521ICRU      2000     1.101     2.088"}));
    }
};

QTEST_GUILESS_MAIN(TestSerie)
#include "tst_serie.moc"
