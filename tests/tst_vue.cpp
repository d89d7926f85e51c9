// The viewer as a user sees it, offscreen: colours, readout, sliders,
// legend, export, and the main window's "Voir" button.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "egsphant/lecture.h"
#include "viewer/couleurs.h"
#include "viewer/fenetrevue.h"
#include "window/interface.h"

namespace {

// 3 × 2 × 2 voxels; x widths 1, 3, 1 cm, so the middle column is three
// times as wide; medium 2 (EAU) appears at two densities.
const QByteArray texteFantome = "3\nAIR\nEAU\nOS\n0.0012 1.0 1.85\n3 2 2\n"
                                "0 1 4 5\n0 2 4\n-1 0 1\n"
                                "121\n331\n\n213\n111\n\n"
                                "0.0012 1.0 0.0012\n1.85 1.85 0.0012\n\n"
                                "1.05 0.0012 1.85\n0.0012 0.0012 0.0012\n\n";

QString ecrire(const QTemporaryDir &dossier, const QString &nom, const QByteArray &texte)
{
    QFile f(dossier.filePath(nom));
    return f.open(QIODevice::WriteOnly) && f.write(texte) == texte.size() ? f.fileName() : QString();
}

QRgb pixel(VueCoupe *vue, const QPoint &point)
{
    return vue->grab().toImage().pixel(point);
}

} // namespace

class TestVue : public QObject
{
    Q_OBJECT

private slots:
    void couleurEtLecture()
    {
        QTemporaryDir dossier;
        const QString chemin = ecrire(dossier, "petit.egsphant", texteFantome);
        FenetreVue fenetre;
        fenetre.resize(900, 760);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        QVERIFY(fenetre.ouvrir(chemin));
        QVERIFY2(fenetre.windowTitle().contains("petit.egsphant"), qPrintable(fenetre.windowTitle()));

        // XY at the second slice (z from 0 to 1 cm): voxel (1, 0) is '1'
        // (AIR), voxel (0, 0) is '2' (EAU) at 1.05.
        VueCoupe *xy = fenetre.vues[0];
        fenetre.curseurs[0]->setValue(1);
        QCOMPARE(fenetre.positions[0]->text(), QString("z = 0.5 cm (coupe 2 / 2)"));
        const QRect eau = xy->rectangleVoxel(0, 0), air = xy->rectangleVoxel(1, 0);
        QVERIFY(!eau.isEmpty() && !air.isEmpty());
        QVERIFY2(qAbs(air.width() - 3 * eau.width()) <= 2, "uneven widths drawn uneven");
        QVERIFY2(qAbs(eau.height() - 2 * eau.width()) <= 2, "true proportions");
        QCOMPARE(pixel(xy, eau.center()), couleurMilieu(1));
        QCOMPARE(pixel(xy, air.center()), couleurMilieu(0));
        QVERIFY(couleurMilieu(0) != couleurMilieu(1));

        QTest::mouseMove(xy, eau.center());
        QTRY_COMPARE(fenetre.lecture->text(),
                     QString("Voxel (i, j, k) = (1, 1, 2)   centre (x, y, z) = (0.5, 1, 0.5) cm   "
                             "milieu 2 « EAU »   densité 1.05 g/cm³"));

        // Density colouring: the scale runs from the least to the most dense.
        fenetre.choixColoration->setCurrentIndex(1);
        QCOMPARE(fenetre.echelleMin->text(), QString("0.0012"));
        QCOMPARE(fenetre.echelleMax->text(), QString("1.85"));
        QCOMPARE(pixel(xy, eau.center()), couleurDensite((1.05 - 0.0012) / (1.85 - 0.0012)));
        QCOMPARE(pixel(xy, xy->rectangleVoxel(2, 0).center()), couleurDensite(1.0));

        // A click moves the two other views to that voxel.
        QTest::mouseClick(xy, Qt::LeftButton, {}, xy->rectangleVoxel(2, 1).center());
        QCOMPARE(fenetre.curseurs[1]->value(), 1); // XZ, at y
        QCOMPARE(fenetre.curseurs[2]->value(), 2); // YZ, at x
        QCOMPARE(fenetre.positions[2]->text(), QString("x = 4.5 cm (coupe 3 / 3)"));

        // Legend of EAU, by hand: (2, 1, 1) 3 × 2 × 1 cm³ at 1.0 and
        // (1, 1, 2) 1 × 2 × 1 cm³ at 1.05.
        QCOMPARE(fenetre.legende->rowCount(), 3);
        QStringList eauLigne;
        for (int c = 0; c < fenetre.legende->columnCount(); ++c)
            eauLigne << fenetre.legende->item(1, c)->text();
        QCOMPARE(eauLigne, QStringList({"2", "2", "EAU", "", "2", "8", "8.1"}));
        QCOMPARE(fenetre.legende->item(1, 3)->background().color().rgb(), couleurMilieu(1));
    }

    void export_()
    {
        QTemporaryDir dossier;
        FenetreVue fenetre;
        fenetre.resize(900, 760);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        QVERIFY(fenetre.ouvrir(ecrire(dossier, "petit.egsphant", texteFantome)));
        QString titre;
        fenetre.choisirEnregistrement = [&](QWidget *, const QString &t, const QString &, const QString &) {
            titre = t;
            return dossier.filePath("coupe");
        };
        fenetre.exporterImage();
        QCOMPARE(titre, QString("Exporter l'image de la coupe XY"));
        const QImage image(dossier.filePath("coupe.png"));
        QVERIFY2(!image.isNull(), qPrintable(fenetre.etat->text()));
        QCOMPARE(image.size(), fenetre.vues[0]->image().size());
        const QRect eau = fenetre.vues[0]->rectangleVoxel(0, 0).translated(-fenetre.vues[0]->rectangleVoxel(0, 0).topLeft());
        QCOMPARE(image.pixel(eau.center()), fenetre.vues[0]->image().pixel(eau.center()));
        QVERIFY(fenetre.etat->text().contains("coupe.png"));

        // An unreadable file leaves the phantom shown and says why.
        QVERIFY(!fenetre.ouvrir(ecrire(dossier, "casse.egsphant", texteFantome.left(60))));
        QVERIFY2(fenetre.etat->text().contains("casse.egsphant") && fenetre.etat->text().contains("ligne "),
                 qPrintable(fenetre.etat->text()));
        QVERIFY(fenetre.windowTitle().contains("petit.egsphant"));
    }

    void boutonVoir()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        QGroupBox *config = nullptr;
        QPushButton *voir = nullptr;
        for (QGroupBox *groupe : fenetre.findChildren<QGroupBox *>())
            if (groupe->title() == "Configuration")
                config = groupe;
        QVERIFY(config);
        auto *grille = qobject_cast<QGridLayout *>(config->layout());
        QVERIFY(grille && grille->itemAtPosition(5, 3));
        voir = qobject_cast<QPushButton *>(grille->itemAtPosition(5, 3)->widget());
        QVERIFY(voir);
        QCOMPARE(voir->text(), QString("Voir"));
        // The rest of row 5 holds the axes' captions only.
        for (int c = 0; c < 3; ++c) {
            QLayoutItem *item = grille->itemAtPosition(5, c);
            QVERIFY(!item || qobject_cast<QLabel *>(item->widget()));
        }

        fenetre.fichierEgsphant->setText(dossier.filePath("absent.egsphant"));
        voir->click();
        QVERIFY2(fenetre.etat->text().startsWith("Aucun fantôme à voir"), qPrintable(fenetre.etat->text()));
        QVERIFY(!fenetre.findChild<FenetreVue *>());

        const QString casse = ecrire(dossier, "casse.egsphant", texteFantome.left(60));
        fenetre.fichierEgsphant->setText(casse);
        voir->click();
        QVERIFY2(fenetre.etat->text().contains("ligne "), qPrintable(fenetre.etat->text()));
        QVERIFY(!fenetre.findChild<FenetreVue *>());

        const QString chemin = ecrire(dossier, "petit.egsphant", texteFantome);
        fenetre.fichierEgsphant->setText(chemin);
        voir->click();
        auto *vue = fenetre.findChild<FenetreVue *>();
        QVERIFY(vue && vue->isVisible() && vue->isWindow());
        QCOMPARE(vue->fichier(), chemin);
        voir->click();
        QCOMPARE(fenetre.findChildren<FenetreVue *>().size(), 1);
    }

    // After "Egsphant", the phantom just written, even once the output
    // field names a file that does not exist.
    void voirLeFantomeEcrit()
    {
        QTemporaryDir dossier;
        Interface fenetre;
        *fenetre.milieux << Milieu{"AIR", 0.0012} << Milieu{"EAU", 1.0};
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(qRgb(200, 200, 200));
        image.setPixel(1, 0, qRgb(0, 0, 0));
        QVERIFY(image.save(dossier.filePath("xy.bmp"), "BMP"));
        fenetre.choisirFichier = [&](QWidget *, const QString &, const QString &, const QString &) {
            return dossier.filePath("xy.bmp");
        };
        fenetre.selectXY();
        fenetre.champDimZ->setText("2");
        fenetre.fichierEgsphant->setText(dossier.filePath("ecrit.egsphant"));
        fenetre.evalue();
        QVERIFY2(QFile::exists(dossier.filePath("ecrit.egsphant")), qPrintable(fenetre.etat->text()));
        fenetre.fichierEgsphant->setText(dossier.filePath("autre.egsphant"));
        for (QPushButton *bouton : fenetre.findChildren<QPushButton *>())
            if (bouton->text() == "Voir")
                bouton->click();
        auto *vue = fenetre.findChild<FenetreVue *>();
        QVERIFY(vue);
        QCOMPARE(vue->fichier(), QFileInfo(dossier.filePath("ecrit.egsphant")).absoluteFilePath());
        QCOMPARE(vue->curseurs[0]->maximum(), 1); // two slices along z
        QVERIFY(vue->windowTitle().contains("ecrit.egsphant"));
    }
};

QTEST_MAIN(TestVue)
#include "tst_vue.moc"
