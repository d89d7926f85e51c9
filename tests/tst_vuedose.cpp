// A dose in the viewer as a user sees it, offscreen: the wash, the isodose
// lines, the maximum, the reference and levels typed, the readout, the
// profiles and histograms and their exports, a grid that does not fit.
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "outils.h"
#include "viewer/couleurs.h"
#include "viewer/couleursdose.h"
#include "viewer/fenetrevue.h"
#include "viewer/histogrammes.h"
#include "viewer/profils.h"

namespace {

// Four voxels of 1 cm along x: EAU, EAU, OS, EAU.
const QByteArray texteFantome = "2\nEAU\nOS\n1.0 1.85\n4 1 1\n0 1 2 3 4\n0 1\n0 1\n1121\n\n1.0 1.0 1.85 1.0\n";
// Doses 10, 8, 2, 0.5: at the default levels (9.5, 8, 5, 2 and 1 of a
// maximum of 10) the 95 % line runs between voxels 1 and 2, the 80 % and
// 50 % between 2 and 3, the 20 % and 10 % between 3 and 4; voxel 4, at 5 %,
// is under the wash.
const QByteArray texteDose = "4 1 1\n0 1 2 3 4\n0 1\n0 1\n10 8 2 0.5\n0.05 0.1 0.3 0.9\n";

struct Vue
{
    QTemporaryDir dossier;
    FenetreVue fenetre;
    QString fantome, dose;

    Vue()
    {
        fantome = dossier.filePath("barre.egsphant");
        dose = dossier.filePath("barre.3ddose");
        ecrireFichier(fantome, texteFantome);
        ecrireFichier(dose, texteDose);
        fenetre.show();
    }
    VueCoupe *xy() { return fenetre.vues[0]; }
    QRgb centre(int x) { return xy()->grab().toImage().pixel(xy()->rectangleVoxel(x, 0).center()); }
    // The colours drawn across the edge before voxel x, two pixels each side.
    QSet<QRgb> bord(int x)
    {
        const QImage image = xy()->grab().toImage();
        const QRect r = xy()->rectangleVoxel(x, 0);
        QSet<QRgb> couleurs;
        for (int px = r.left() - 2; px <= r.left() + 2; ++px)
            couleurs << image.pixel(px, r.center().y());
        return couleurs;
    }
    void taper(QLineEdit *champ, const QString &texte)
    {
        champ->setText(texte);
        emit champ->editingFinished();
    }
};

} // namespace

class TestVueDose : public QObject
{
    Q_OBJECT

private slots:
    void lavisEtIsodoses()
    {
        Vue v;
        QVERIFY(QTest::qWaitForWindowExposed(&v.fenetre));
        QVERIFY(v.fenetre.ouvrir(v.fantome));
        QVERIFY2(v.fenetre.ouvrirDose(v.dose), qPrintable(v.fenetre.etat->text()));
        QCOMPARE(v.fenetre.etat->text(), "Dose « " + v.dose + " » : 4 × 1 × 1 voxels, maximum 10");
        QCOMPARE(v.fenetre.maximumDose->text(),
                 QString("Maximum 10 ± 5 % au voxel (1, 1, 1), EAU ; souvent un voxel d'air bruité : "
                         "la référence peut être une autre dose."));
        QCOMPARE(v.fenetre.echelleDose->text(), QString("10"));
        QVERIFY(v.fenetre.onglets->isTabEnabled(3));

        v.fenetre.opaciteDose->setValue(100);
        QCOMPARE(v.centre(0), couleurDose(1.0));
        QCOMPARE(v.centre(1), couleurDose(0.8));
        QCOMPARE(v.centre(3), couleurMilieu("EAU"));
        v.fenetre.opaciteDose->setValue(0);
        QCOMPARE(v.centre(0), couleurMilieu("EAU"));
        QCOMPARE(v.centre(2), couleurMilieu("OS"));
        // The last line drawn on an edge shows: 50 % over 80 %, 10 % over 20 %.
        QVERIFY(v.bord(1).contains(couleurDose(0.95)));
        QVERIFY(v.bord(2).contains(couleurDose(0.5)));
        QVERIFY(v.bord(3).contains(couleurDose(0.1)));
        QVERIFY(!v.bord(3).contains(couleurDose(0.5)));

        // Levels typed: one line at 50 %, between voxels 2 and 3 only.
        v.taper(v.fenetre.niveauxDose, "50");
        QVERIFY(!v.bord(1).contains(couleurDose(0.95)));
        QVERIFY(!v.bord(3).contains(couleurDose(0.1)));
        QVERIFY(v.bord(2).contains(couleurDose(0.5)));
        v.taper(v.fenetre.niveauxDose, "50 x");
        QCOMPARE(v.fenetre.etat->text(), QString("Isodose « x » refusée : un pourcentage au-dessus de 0 attendu"));
        QVERIFY(v.bord(2).contains(couleurDose(0.5)));

        // A reference of 4: voxel 3 (dose 2) is then at 50 %, drawn where it was 20 %.
        v.taper(v.fenetre.niveauxDose, "95 80 50 20 10");
        v.taper(v.fenetre.referenceDose, "4,0");
        QCOMPARE(v.fenetre.echelleDose->text(), QString("4"));
        v.fenetre.opaciteDose->setValue(100);
        QCOMPARE(v.centre(2), couleurDose(0.5));
        QCOMPARE(v.centre(1), couleurDose(1.0));
        v.taper(v.fenetre.referenceDose, "abc");
        QCOMPARE(v.fenetre.etat->text(), QString("Référence « abc » refusée : une dose au-dessus de 0 attendue"));
        QCOMPARE(v.fenetre.echelleDose->text(), QString("4"));
        v.taper(v.fenetre.referenceDose, "");
        QCOMPARE(v.fenetre.echelleDose->text(), QString("10"));

        // The status line's long refusals may have moved the views: pointed once laid out again.
        QTest::qWait(50);
        QTest::mouseMove(v.xy(), v.xy()->rectangleVoxel(2, 0).center());
        QTRY_VERIFY2(v.fenetre.lecture->text().endsWith("densité 1.85 g/cm³   dose 2 ± 30 % (20 % de la référence)"),
                     qPrintable(v.fenetre.lecture->text()));
    }

    // The panels follow the cursor; their CSV are what a script reads, the
    // histograms' the very bytes of quarvel-phantom --dvh.
    void panneaux()
    {
        Vue v;
        QVERIFY(v.fenetre.ouvrir(v.fantome));
        QVERIFY(v.fenetre.ouvrirDose(v.dose));
        QTest::mouseMove(v.xy(), v.xy()->rectangleVoxel(3, 0).center());
        QTRY_COMPARE(v.fenetre.profils->courbes[0]->points(),
                     QList<QPointF>({{0, 10}, {1, 10}, {1, 8}, {2, 8}, {2, 2}, {3, 2}, {3, 0.5}, {4, 0.5}}));
        QCOMPARE(v.fenetre.profils->courbes[2]->points(), QList<QPointF>({{0, 0.5}, {1, 0.5}}));
        QCOMPARE(v.fenetre.histogrammes->repere->points().first().x(), 0.5);
        // EAU has 10, 8 and 0.5; OS 2. At 5 (k = 100), two thirds of EAU.
        QCOMPARE(v.fenetre.histogrammes->courbes.size(), 2);
        QCOMPARE(v.fenetre.histogrammes->courbes[0]->name(), QString("EAU"));
        QCOMPARE(v.fenetre.histogrammes->courbes[0]->at(100), QPointF(5, 200.0 / 3));
        QCOMPARE(v.fenetre.histogrammes->courbes[1]->at(40), QPointF(2, 100));
        QCOMPARE(v.fenetre.histogrammes->courbes[1]->at(41), QPointF(2.05, 0));

        QString suggestion;
        QString cible;
        v.fenetre.choisirEnregistrement = [&](QWidget *, const QString &, const QString &depart, const QString &) {
            suggestion = depart;
            return cible;
        };
        const auto cliquer = [](QWidget *panneau, const QString &texte) {
            for (QPushButton *bouton : panneau->findChildren<QPushButton *>())
                if (bouton->text() == texte)
                    bouton->click();
        };
        cible = v.dossier.filePath("hdv");
        cliquer(v.fenetre.histogrammes, "Exporter CSV…");
        QCOMPARE(suggestion, v.dossier.path() + "/histogrammes.csv");
        QCOMPARE(v.fenetre.etat->text(), "Histogrammes enregistrés dans « " + cible + ".csv »");
        const Resultat r = lancer({"--info", v.fantome, "--dose", v.dose, "--dvh", v.dossier.filePath("lot.csv")});
        QCOMPARE(r.statut, statutLotReussi);
        QCOMPARE(lire(cible + ".csv"), lire(v.dossier.filePath("lot.csv")));

        cible = v.dossier.filePath("profils.csv");
        cliquer(v.fenetre.profils, "Exporter CSV…");
        QCOMPARE(lire(cible), QByteArray("axe,position_cm,dose,incertitude,milieu\n"
                                         "x,0.5,10,0.05,EAU\nx,1.5,8,0.1,EAU\nx,2.5,2,0.3,OS\nx,3.5,0.5,0.9,EAU\n"
                                         "y,0.5,0.5,0.9,EAU\nz,0.5,0.5,0.9,EAU\n"));
        cible = v.dossier.filePath("profils.png");
        v.fenetre.onglets->setCurrentWidget(v.fenetre.profils);
        cliquer(v.fenetre.profils, "Exporter PNG…");
        QVERIFY2(!QImage(cible).isNull(), qPrintable(v.fenetre.etat->text()));
    }

    // A grid that is not the phantom's leaves the phantom as it was; a dose
    // alone gets an empty grid; a new phantom lets the dose go.
    void grilles()
    {
        Vue v;
        QVERIFY(v.fenetre.ouvrir(v.fantome));
        const QString autre = v.dossier.filePath("autre.3ddose");
        QVERIFY(ecrireFichier(autre, "4 1 1\n0 1 2 3 4.5\n0 1\n0 1\n1 1 1 1\n"));
        QVERIFY(!v.fenetre.ouvrirDose(autre));
        QCOMPARE(v.fenetre.etat->text(), "Dose « " + autre + " » refusée : la limite 5 des voxels selon X est 4.5 cm "
                                                              "dans la dose, 4 cm dans le fantôme");
        QVERIFY(!v.fenetre.onglets->isTabEnabled(1));
        QVERIFY(!v.fenetre.ouvrirDose(v.dossier.filePath("absente.3ddose")));
        QVERIFY(v.fenetre.etat->text().endsWith("illisible : fichier absent"));

        FenetreVue seule;
        QVERIFY(seule.ouvrirDose(autre));
        QCOMPARE(seule.legende->item(0, 2)->text(), QString("VIDE"));
        QVERIFY(seule.maximumDose->text().startsWith("Maximum 1 au voxel (1, 1, 1), VIDE"));
        QVERIFY(seule.onglets->isTabEnabled(2));
        // Another dose alone takes the place of the first, whatever its grid.
        QVERIFY(seule.ouvrirDose(v.dose));
        QVERIFY(seule.maximumDose->text().startsWith("Maximum 10 ± 5 % au voxel (1, 1, 1), VIDE"));
        QVERIFY(seule.ouvrir(v.fantome));
        QVERIFY(!seule.onglets->isTabEnabled(2));
        QVERIFY(seule.ouvrirDose(v.dose));
    }

    // quarvel-view's command line: a wrong one is refused before any window.
    void commande_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("deux fantômes") << QStringList{"a.egsphant", "b.egsphant"};
        QTest::newRow("deux doses") << QStringList{"a.egsphant", "--dose", "a.3ddose", "--dose", "b.3ddose"};
        QTest::newRow("dose sans fichier") << QStringList{"a.egsphant", "--dose"};
        QTest::newRow("option inconnue") << QStringList{"--doses", "a.3ddose"};
    }

    void commande()
    {
        QFETCH(QStringList, arguments);
        QProcess vue;
        vue.start(QUARVEL_VIEW, arguments);
        QVERIFY(vue.waitForFinished(20000));
        QCOMPARE(vue.exitCode(), 2);
        // Qt may say a word of its own first, on a machine without a session.
        const QByteArray erreurs = vue.readAllStandardError();
        QVERIFY2(erreurs.endsWith("\nUsage : quarvel-view [FICHIER.egsphant] [--dose FICHIER.3ddose]\n")
                     || erreurs == "Usage : quarvel-view [FICHIER.egsphant] [--dose FICHIER.3ddose]\n",
                 erreurs.constData());
    }
};

QTEST_MAIN(TestVueDose)
#include "tst_vuedose.moc"
