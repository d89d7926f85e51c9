// The window with a CT series: its folder and series chosen, the ramp table,
// the box and sizes, the middle slice, and the same file as quarvel-phantom.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "images/apercu.h"
#include "scanner/rampe.h"
#include "scanner/volumect.h"
#include "window/interface.h"
#include "widgets.h"
#include "outils.h"
#include "seriect.h"

namespace {

SerieEssai cylindreEssai(const std::string &uid, int coupes)
{
    SerieEssai s;
    s.uid = uid;
    s.coupes = coupes;
    s.prefixe = QString::fromStdString(uid).right(1);
    s.hu = [s](int c, int r, int) { return cylindre(s.premier[0] + c * s.pas[0], s.premier[1] + r * s.pas[1]); };
    return s;
}

} // namespace

class TestFenetreCT : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }
    QString serie, uid;

    // A window with the catalogue read and the folder chosen; the second series asked for.
    void ouvrir(Interface &f, QStringList *proposees = nullptr)
    {
        champNomme(f, "fichierPegs")->setText(d("essai.pegs4dat"));
        f.analyseFichierPegs();
        f.choisirDossier = [this](QWidget *, const QString &, const QString &) { return serie; };
        f.choisirSerie = [proposees](QWidget *, const QStringList &series) {
            if (proposees)
                *proposees = series;
            return 1;
        };
        f.selectScanner();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QVERIFY(ecrireFichier(d("essai.pegs4dat"), pegsRampe));
        serie = d("serie");
        QDir().mkpath(serie);
        uid = "1.2.826.0.1.3680043.2.1125.22.7";
        QVERIFY(ecrireSerie(serie, cylindreEssai("1.2.826.0.1.3680043.2.1125.22.8", 6)));
        QVERIFY(ecrireSerie(serie, cylindreEssai(uid.toStdString(), 5)));
    }

    // The series chosen from the list, the default ramp, the slice; then
    // "Egsphant" gives quarvel-phantom's file, at the CT's voxels and coarser.
    void memeFichier()
    {
        Interface f;
        QStringList proposees;
        ouvrir(f, &proposees);
        QCOMPARE(proposees.size(), 2);
        // The same facts as --list-series: spacing, steps, tilt, first file.
        QVERIFY2(proposees[1].contains(" : 5 coupes, pixels de 2 × 2.5 mm, pas selon z de 4 à 4 mm, inclinaison 0°, « ")
                     && proposees[1].endsWith(QString(" » (%1)").arg(uid)), qPrintable(proposees[1]));
        QVERIFY(cocheNommee(f, "choixScanner")->isChecked());
        QVERIFY(!cocheNommee(f, "choixXY")->isEnabled() && !imageNommee(f, "infoYZ")->parentWidget()->isEnabled());
        QCOMPARE(imageNommee(f, "infoXY")->pixmap().isNull(), false);
        QVERIFY(!tableMateriaux(f)->isVisibleTo(&f));
        QCOMPARE(tableNommee(f, "tableRampe")->rowCount(), 4);
        QCOMPARE(tableNommee(f, "tableRampe")->item(2, 0)->text(), QString("ICRUTISSUE521ICRU"));
        QCOMPARE(champNomme(f, "origineX")->text(), QString("-1.2"));
        QCOMPARE(champNomme(f, "boiteMax2")->text(), QString("11.8"));
        QCOMPARE(champNomme(f, "tailleY")->text(), QString("0.25"));

        const QString pegs = d("essai.pegs4dat");
        champNomme(f, "fichierEgsphant")->setText(d("fenetre.egsphant"));
        f.evalue();
        QVERIFY2(f.etat->text().startsWith("Fantôme écrit"), qPrintable(f.etat->text()));
        Resultat r = lancer({"--ct", serie, "--series", uid, "--pegs", pegs, "-o", d("lot.egsphant"), "--egspp", d("lot")});
        QCOMPARE(r.statut, 0);
        QCOMPARE(lire(d("fenetre.egsphant")), lire(d("lot.egsphant")));
        QVERIFY(lire(d("fenetre.egsphant")).startsWith("4\nAIR521ICRU"));
        // The egs++ ramp of the CT's own densities, the same from the window.
        f.choisirFichierEnregistrement = [&](QWidget *, const QString &, const QString &, const QString &) {
            return d("fenetre.geom");
        };
        for (QPushButton *b : f.findChildren<QPushButton *>())
            if (b->text() == "Géométrie egs++…")
                b->click();
        QVERIFY2(f.etat->text().startsWith("Géométrie egs++ écrite"), qPrintable(f.etat->text()));
        QCOMPARE(lire(d("fenetre.ramp")), lire(d("lot.ramp")));

        champNomme(f, "origineX")->setText("-0,5");
        champNomme(f, "boiteMax0")->setText("0.5");
        champNomme(f, "tailleX")->setText("0.4");
        champNomme(f, "tailleZ")->setText("0.8");
        f.evalue();
        r = lancer({"--ct", serie, "--series", uid, "--pegs", pegs, "--crop", "-0.5,0.5,-1.25,1.25,9.8,11.8", "--size",
                    "0.4,0.25,0.8", "-o", d("lot.egsphant")});
        QCOMPARE(r.statut, 0);
        QCOMPARE(lire(d("fenetre.egsphant")), lire(d("lot.egsphant")));
        QVERIFY(lire(d("fenetre.egsphant")).contains("\n   3   10    2\n"));
        QCOMPARE(champNomme(f, "champDimX")->text(), QString("3"));

        // Unticked: the planes come back as they were.
        cocheNommee(f, "choixScanner")->setChecked(false);
        QVERIFY(cocheNommee(f, "choixXY")->isEnabled() && imageNommee(f, "infoYZ")->parentWidget()->isEnabled());
        QVERIFY(tableMateriaux(f)->isVisibleTo(&f));
        QCOMPARE(champNomme(f, "tailleX")->text(), QString("1.0"));
        QCOMPARE(champNomme(f, "origineX")->text(), QString("-15.0"));
    }

    // A catalogue read after the CT fills the empty ramp table with the default ramp.
    void catalogueApres()
    {
        Interface f;
        f.choisirDossier = [this](QWidget *, const QString &, const QString &) { return serie; };
        f.choisirSerie = [](QWidget *, const QStringList &) { return 0; };
        f.selectScanner();
        QCOMPARE(tableNommee(f, "tableRampe")->rowCount(), 0);
        champNomme(f, "fichierPegs")->setText(d("essai.pegs4dat"));
        f.analyseFichierPegs();
        QCOMPARE(tableNommee(f, "tableRampe")->rowCount(), 4);
        QCOMPARE(tableNommee(f, "tableRampe")->item(3, 0)->text(), QString("ICRPBONE521ICRU"));
    }

    // One source at a time: a folder of slices takes the CT's place, the CT
    // ticked again takes the slices' place.
    void sources()
    {
        Interface f;
        ouvrir(f);
        const QString coupes = d("coupes");
        QDir().mkpath(coupes);
        QImage coupe(4, 3, QImage::Format_Grayscale8);
        coupe.fill(100);
        QVERIFY(coupe.save(coupes + "/c1.png") && coupe.save(coupes + "/c2.png"));
        f.choisirDossier = [coupes](QWidget *, const QString &, const QString &) { return coupes; };
        f.selectCoupes();
        QVERIFY(cocheNommee(f, "choixVolume")->isChecked() && !cocheNommee(f, "choixScanner")->isChecked());
        QVERIFY(tableMateriaux(f)->isVisibleTo(&f) && !tableNommee(f, "tableRampe")->isVisibleTo(&f));
        QCOMPARE(tableMateriaux(f)->rowCount(), 1);
        cocheNommee(f, "choixScanner")->setChecked(true);
        QVERIFY(!cocheNommee(f, "choixVolume")->isChecked());
        QVERIFY(!tableMateriaux(f)->isVisibleTo(&f) && tableNommee(f, "tableRampe")->isVisibleTo(&f));
        QCOMPARE(champNomme(f, "champDimZ")->text(), QString("5"));
    }

    // Three 512-pixel pictures, then slices or the CT in their place: the
    // window still fits 1280 × 800, every button and ramp column in view.
    // Typing in the box's fields: the counts the build will give, and the
    // box drawn over the slice, found back in CT voxels from its pixels.
    void cadreSuivi_data()
    {
        QTest::addColumn<QStringList>("saisies"); // field, text
        QTest::addColumn<QString>("attendu");    // counts ; box x from, to, y from, to
        QTest::newRow("tout le CT") << QStringList() << "12 10 5 ; 0 12 0 10";
        QTest::newRow("origine X") << QStringList{"origineX", "-0,5"} << "9 10 5 ; 3 12 0 10";
        QTest::newRow("jusqu'à Y") << QStringList{"boiteMax1", "0"} << "12 5 5 ; 0 12 0 5";
        QTest::newRow("taille X") << QStringList{"tailleX", "0.4"} << "6 10 5 ; 0 12 0 10";
        QTest::newRow("taille Z") << QStringList{"tailleZ", "0.8"} << "12 10 2 ; 0 12 0 10";
        QTest::newRow("boîte puis taille")
            << QStringList{"origineY", "0.1", "tailleY", "0.5"} << "12 2 5 ; 0 12 5 10";
        QTest::newRow("pas un nombre") << QStringList{"tailleX", "abc"} << "12 10 5 ; sans boîte";
    }
    void cadreSuivi()
    {
        QFETCH(QStringList, saisies);
        QFETCH(QString, attendu);
        Interface f;
        ouvrir(f);
        const QHash<QString, QLineEdit *> champs{{"origineX", champNomme(f, "origineX")}, {"origineY", champNomme(f, "origineY")},
                                                 {"boiteMax1", champNomme(f, "boiteMax1")}, {"tailleX", champNomme(f, "tailleX")},
                                                 {"tailleY", champNomme(f, "tailleY")}, {"tailleZ", champNomme(f, "tailleZ")}};
        for (int i = 0; i + 1 < saisies.size(); i += 2) {
            champs[saisies[i]]->clear();
            QTest::keyClicks(champs[saisies[i]], saisies[i + 1]);
        }
        const QImage vue = imageNommee(f, "infoXY")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        QRect trace;
        for (int y = 0; y < vue.height(); ++y)
            for (int x = 0; x < vue.width(); ++x)
                if (vue.pixel(x, y) == qRgb(255, 200, 0))
                    trace |= QRect(x, y, 1, 1);
        const double pixels = double(vue.width() - 2 * cadreApercu) / f.scanner->axes[0].compte;
        auto voxel = [&](int p) { return QString::number(qRound((p - cadreApercu) / pixels)); };
        const QString boite = trace.isNull() ? QString("sans boîte")
                                             : QStringList{voxel(trace.left()), voxel(trace.right() + 1),
                                                           voxel(trace.top()), voxel(trace.bottom() + 1)}
                                                   .join(' ');
        QCOMPARE(QString("%1 %2 %3 ; %4").arg(champNomme(f, "champDimX")->text(), champNomme(f, "champDimY")->text(), champNomme(f, "champDimZ")->text(), boite),
                 attendu);
    }

    void tientDansLEcran_data()
    {
        QTest::addColumn<bool>("ct");
        QTest::newRow("coupes") << false;
        QTest::newRow("scanner") << true;
    }
    void tientDansLEcran()
    {
        QFETCH(bool, ct);
        QImage grande(512, 512, QImage::Format_Grayscale8), coupe(64, 64, QImage::Format_Grayscale8);
        grande.fill(90);
        coupe.fill(30);
        QDir().mkpath(d("grandes"));
        QVERIFY(grande.save(d("grande.bmp")) && coupe.save(d("grandes/c1.png")) && coupe.save(d("grandes/c2.png")));
        Interface f;
        ouvrir(f);
        f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("grande.bmp"); };
        f.selectXY();
        f.selectYZ();
        f.selectXZ();
        if (ct) {
            cocheNommee(f, "choixScanner")->setChecked(true);
        } else {
            f.choisirDossier = [this](QWidget *, const QString &, const QString &) { return d("grandes"); };
            f.selectCoupes();
        }
        const QSize taille = f.sizeHint();
        QVERIFY2(taille.width() <= 1280 && taille.height() <= 800,
                 qPrintable(QString("%1 × %2").arg(taille.width()).arg(taille.height())));
        f.resize(taille);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        for (QPushButton *b : f.findChildren<QPushButton *>())
            if (b->isVisible())
                QVERIFY2(f.rect().contains(QRect(b->mapTo(&f, QPoint()), b->size())), qPrintable(b->text()));
        QCOMPARE(tableNommee(f, "tableRampe")->isVisible(), ct);
        for (int c = 0; ct && c < 4; ++c)
            QVERIFY(tableNommee(f, "tableRampe")->columnViewportPosition(c) + tableNommee(f, "tableRampe")->columnWidth(c)
                    <= tableNommee(f, "tableRampe")->viewport()->width());
    }

    // The ramp table read with the file's rules, saved and loaded back; a
    // faulty row refused with its number, nothing written.
    void tableRampe()
    {
        Interface f;
        ouvrir(f);
        tableNommee(f, "tableRampe")->item(1, 1)->setText("-960");
        champNomme(f, "fichierEgsphant")->setText(d("refus.egsphant"));
        f.evalue();
        QCOMPARE(f.etat->text(), QString("Rampe, ligne 2 du tableau : HU_MAX -960 ne dépasse pas celui de la ligne "
                                         "précédente (-950) ; les HU_MAX doivent croître strictement"));
        QVERIFY(!QFile::exists(d("refus.egsphant")));
        tableNommee(f, "tableRampe")->item(1, 1)->setText("-700");
        tableNommee(f, "tableRampe")->setCurrentCell(3, 0);
        tableNommee(f, "tableRampe")->removeRow(3);
        champNomme(f, "rampeMin")->setText("-1000,5");
        f.choisirFichierEnregistrement = [this](QWidget *, const QString &, const QString &, const QString &) {
            return d("rampe.txt");
        };
        for (QPushButton *b : f.findChildren<QPushButton *>())
            if (b->text() == "Enregistrer la rampe…")
                b->click();
        Rampe lue;
        QString erreur;
        QVERIFY2(chargerRampe(d("rampe.txt"), lue, &erreur), qPrintable(erreur));
        QCOMPARE(lue.huMin, -1000.5);
        QCOMPARE(lue.paliers.size(), 3);
        QCOMPARE(lue.paliers[2].densiteMax, 1.101);

        Interface g;
        ouvrir(g);
        g.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("rampe.txt"); };
        for (QPushButton *b : g.findChildren<QPushButton *>())
            if (b->text() == "Charger la rampe…")
                b->click();
        QCOMPARE(tableNommee(g, "tableRampe")->rowCount(), 3);
        QCOMPARE(champNomme(g, "rampeMin")->text(), QString("-1000.5"));
        QCOMPARE(tableNommee(g, "tableRampe")->item(1, 1)->text(), QString("-700"));
    }
};

QTEST_MAIN(TestFenetreCT)
#include "tst_fenetrect.moc"
