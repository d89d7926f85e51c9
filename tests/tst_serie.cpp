// CT series read from DICOM files that ITK's GDCM writer made: the order of
// the slices, the HU, the geometry, the series chosen, and the refusals.
#include <QTemporaryDir>
#include <QtTest>

#include "scanner/serie.h"
#include "scanner/volumect.h"
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
};

QTEST_GUILESS_MAIN(TestSerie)
#include "tst_serie.moc"
