// The session without its window: each source keeps its own choices, a
// switch says so once, the planes' levels follow their pictures, and the
// CT's pipeline builds or refuses.
#include <QSignalSpy>
#include <QtTest>

#include "egsphant/egsphant.h"
#include "scanner/rampe.h"
#include "scanner/volumect.h"
#include "session/constructionct.h"
#include "session/niveauxplans.h"
#include "session/session.h"

using BoiteDemandee = std::optional<Boite>;
using TaillesDemandees = std::optional<std::array<double, 3>>;

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    // Whatever one source sets, loads or marks, another source never sees;
    // coming back finds it as it was left.
    void choixParSource_data()
    {
        QTest::addColumn<int>("autre");
        QTest::newRow("volume") << int(SourceFantome::Volume);
        QTest::newRow("scanner") << int(SourceFantome::Scanner);
    }
    void choixParSource()
    {
        QFETCH(int, autre);
        Session session;
        TableGris table;
        table.choix[80] = ChoixNiveau{"LUNG", "0.26"};
        table.fond = 80;
        session.choix().retenir(0, {"LUNG", "0.26"});
        session.choix().marquerChoisi(0);
        session.choix().chargerTable(table);
        session.choix().retenirFond(0);

        session.changerSource(SourceFantome(autre));
        const ChoixNiveaux &neuf = session.choix();
        QVERIFY(!neuf.retenu(0) && !neuf.choisi(0) && !neuf.choixTable(80));
        QCOMPARE(neuf.fond(), -1);
        QCOMPARE(neuf.fondTable(), -1);
        session.choix().retenir(0, {"AIR", "0.0012048"});

        session.changerSource(SourceFantome::Plans);
        QCOMPARE(session.choix().retenu(0)->nom, QString("LUNG"));
        QVERIFY(session.choix().choisi(0) && !session.choix().choisi(80));
        QCOMPARE(session.choix().choixTable(80)->texteDensite, QString("0.26"));
        QVERIFY(!session.choix().choixTable(7) && !session.choix().choixTable(-1));
        QCOMPARE(session.choix().fond(), 0);
        QCOMPARE(session.choix().fondTable(), 80);
    }

    void changementSignale()
    {
        Session session;
        QSignalSpy changements(&session, &Session::sourceChangee);
        session.changerSource(SourceFantome::Plans);
        session.changerSource(SourceFantome::Scanner);
        session.changerSource(SourceFantome::Scanner);
        QCOMPARE(changements.size(), 1);
        QCOMPARE(changements[0][0].value<SourceFantome>(), SourceFantome::Scanner);
        QCOMPARE(session.source(), SourceFantome::Scanner);
    }

    // A picture replaced takes away the levels no other picture holds; a
    // level that comes back takes the colour of the picture that brings it.
    void niveauxDesPlans()
    {
        auto image = [](QVector<QRgb> pixels) {
            QImage i(int(pixels.size()), 1, QImage::Format_RGB32);
            for (int x = 0; x < i.width(); ++x)
                i.setPixel(x, 0, pixels[x]);
            return i;
        };
        NiveauxPlans plans;
        plans.remplacer(PlanImage::XY, image({qRgb(10, 10, 10), qRgb(200, 200, 200)}));
        plans.remplacer(PlanImage::YZ, image({qRgb(10, 10, 10), qRgb(0, 80, 0)}));
        const int vert = plans.duPlan(PlanImage::YZ)[0]; // the green pixel's level, darker than 200
        QCOMPARE(plans.tous(), QVector<int>({200, vert, 10}));
        QCOMPARE(plans.coches(false, true, false), QVector<int>({vert, 10}));
        QCOMPARE(plans.couleur(vert), qRgb(0, 80, 0));
        plans.remplacer(PlanImage::YZ, image({qRgb(120, 120, 120)}));
        QCOMPARE(plans.tous(), QVector<int>({200, 120, 10}));
        QCOMPARE(plans.duPlan(PlanImage::YZ), QVector<int>({120}));
        QCOMPARE(plans.couleur(vert), qRgb(vert, vert, vert));
        plans.remplacer(PlanImage::XZ, image({qRgb(80, 40, 30)}));
        QCOMPARE(plans.tous().size(), 4);
        QCOMPARE(plans.couleur(plans.duPlan(PlanImage::XZ)[0]), qRgb(80, 40, 30));
    }

    // A 4 × 2 × 1 CT of air, lung, water and bone along x, read with a ramp
    // of those four lines: a grid whose voxels carry their densities, in the
    // box widened to the CT's voxels, at the sizes asked, with the notes the
    // user is shown; or the refusal.
    void pipelineCT_data()
    {
        QTest::addColumn<BoiteDemandee>("boite");
        QTest::addColumn<TaillesDemandees>("tailles");
        QTest::addColumn<QString>("attendu"); // counts, sizes, origin; or the refusal's start
        QTest::addColumn<QStringList>("notes");
        QTest::newRow("ses voxels") << BoiteDemandee() << TaillesDemandees()
                                    << "densités ; 4 2 1 ; 0.5 0.5 1 ; -1 0 2" << QStringList();
        QTest::newRow("boite") << BoiteDemandee(Boite{{0.2, 0.2, 2}, {0.8, 1, 3}})
                               << TaillesDemandees() << "densités ; 2 2 1 ; 0.5 0.5 1 ; 0 0 2" << QStringList();
        QTest::newRow("voxels doubles") << BoiteDemandee()
                                        << TaillesDemandees({1, 0.5, 1})
                                        << "densités ; 2 2 1 ; 1 0.5 1 ; -1 0 2" << QStringList();
        QTest::newRow("hors du CT") << BoiteDemandee(Boite{{5, 5, 5}, {6, 6, 6}})
                                    << TaillesDemandees() << "Boîte" << QStringList();
        QTest::newRow("boite ramenee au CT")
            << BoiteDemandee(Boite{{-3, 0.2, 1}, {0.8, 1, 3.0000000001}}) << TaillesDemandees()
            << "densités ; 4 2 1 ; 0.5 0.5 1 ; -1 0 2"
            << QStringList{"Boîte selon X : de -3 à 0.8 cm demandés, ramenée au scanner : de -1 à 1 cm",
                           "Boîte selon Z : de 1 à 3 cm demandés, ramenée au scanner : de 2 à 3 cm"};
        QTest::newRow("un seul voxel")
            << BoiteDemandee() << TaillesDemandees({0.5, 1.5, 5})
            << "densités ; 4 1 1 ; 0.5 1 1 ; -1 0 2"
            << QStringList{"Taille selon Y : 1.5 cm, un seul voxel de 1 cm dans la boîte"};
    }
    void pipelineCT()
    {
        QFETCH(BoiteDemandee, boite);
        QFETCH(TaillesDemandees, tailles);
        QFETCH(QString, attendu);
        QFETCH(QStringList, notes);
        Rampe rampe;
        QString erreur;
        QVERIFY2(lireRampe("min -1024\nAIR -950 0.001 0.044\nLUNG -700 0.044 0.302\nWATER 125 0.302 1.101\n"
                           "BONE 2000 1.101 2.088\n",
                           rampe, &erreur),
                 qPrintable(erreur));
        QList<Materiau> materiaux;
        QCOMPARE(materiauxCT(rampe, {{"WATER", 1.0}}, StructuresCT(), materiaux), QString());
        QCOMPARE(materiaux.size(), 4);
        VolumeCT ct;
        ct.axes[0] = {4, 0.5, -1};
        ct.axes[1] = {2, 0.5, 0};
        ct.axes[2] = {1, 1, 2};
        ct.entiers = {-1000, -500, 0, 1000, -1000, -500, 0, 1000};
        Grille grille;
        Geometrie geometrie;
        AxeCadre cadre[3];
        QStringList notesVues;
        const QString refus =
            construireGrilleCT(ct, boite, tailles, rampe, StructuresCT(), "ct.egsphant", grille, geometrie, cadre, &notesVues);
        if (!refus.isEmpty()) {
            QVERIFY2(refus.startsWith(attendu), qPrintable(refus));
            QCOMPARE(grille.nombreVoxels(), 0);
            return;
        }
        const QString vu = QString("%1 ; %2 %3 %4 ; %5 %6 %7 ; %8 %9 %10")
                               .arg(grille.densites.vide() ? "sans densités" : "densités")
                               .arg(grille.dimX).arg(grille.dimY).arg(grille.dimZ)
                               .arg(geometrie.taille[0]).arg(geometrie.taille[1]).arg(geometrie.taille[2])
                               .arg(geometrie.origine[0]).arg(geometrie.origine[1]).arg(geometrie.origine[2]);
        QCOMPARE(vu, attendu);
        QCOMPARE(notesVues, notes);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
