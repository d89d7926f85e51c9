// The viewer as a user sees it, offscreen: colours, readout, sliders,
// legend, export, a stopped open, and the main window's "Voir" button.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "egsphant/lecture.h"
#include "viewer/couleurs.h"
#include "viewer/fenetrevue.h"
#include "window/interface.h"
#include "widgets.h"

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

// One medium in a slice of n × m voxels of dx × dy cm.
QByteArray tranche(int n, int m = 1, double dx = 1, double dy = 1)
{
    QByteArray texte = QByteArray("1\nEAU\n1.0\n") + QByteArray::number(n) + ' ' + QByteArray::number(m) + " 1\n";
    for (const auto [compte, pas] : {std::pair(n, dx), std::pair(m, dy), std::pair(1, 1.0)}) {
        for (int i = 0; i <= compte; ++i)
            texte += QByteArray::number(i * pas) + ' ';
        texte += '\n';
    }
    return texte + (QByteArray(n, '1') + '\n').repeated(m) + '\n' + QByteArray("1.0 ").repeated(qsizetype(n) * m) + '\n';
}

void montrer(FenetreVue &fenetre)
{
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
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
        montrer(fenetre);
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
        QCOMPARE(pixel(xy, eau.center()), couleurMilieu("EAU"));
        // A line across AIR marks the YZ slice (x, the middle column), until the box hides it.
        const auto rangeeAir = [&] {
            QSet<QRgb> couleurs;
            for (int x = air.left(); x <= air.right(); ++x)
                couleurs << pixel(xy, {x, air.center().y()});
            return couleurs;
        };
        QCOMPARE(rangeeAir().size(), 2);
        fenetre.reperes->click();
        QCOMPARE(rangeeAir(), QSet<QRgb>{couleurMilieu("AIR")});

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
        QCOMPARE(fenetre.legende->item(1, 3)->background().color().rgb(), couleurMilieu("EAU"));
    }

    // The density scale is the open phantom's, found when the density
    // colours are asked, before or after it opens, and after another phantom.
    void echelleDensites_data()
    {
        QTest::addColumn<bool>("densiteAvant");
        QTest::addColumn<bool>("parVoxel");
        QTest::newRow("densités choisies avant, une par voxel") << true << true;
        QTest::newRow("densités choisies après, une par voxel") << false << true;
        QTest::newRow("densités choisies avant, quelques-unes") << true << false;
    }

    void echelleDensites()
    {
        QFETCH(bool, densiteAvant);
        QFETCH(bool, parVoxel);
        // 64 × 64 × 2 voxels, each its own density from 0.5 to about 1.32
        // when parVoxel: the reader keeps them as floats.
        QByteArray texte = "1\nEAU\n1.0\n64 64 2\n";
        for (const int compte : {64, 64, 2}) {
            for (int i = 0; i <= compte; ++i)
                texte += QByteArray::number(i) + ' ';
            texte += '\n';
        }
        texte += ((QByteArray(64, '1') + '\n').repeated(64) + '\n').repeated(2);
        for (int v = 0; v < 2 * 64 * 64; ++v)
            texte += parVoxel ? QByteArray::number(0.5 + v * 1e-4, 'f', 4) + ' ' : QByteArray(v % 2 ? "0.75 " : "1.5 ");
        QTemporaryDir dossier;
        FenetreVue fenetre;
        montrer(fenetre);
        QVERIFY(fenetre.ouvrir(ecrire(dossier, "petit.egsphant", texteFantome)));
        fenetre.choixColoration->setCurrentIndex(densiteAvant ? 1 : 0);
        const QString autre = ecrire(dossier, "autre.egsphant", texte);
        Fantome lu;
        QVERIFY(lireEgsphant(autre, lu, nullptr));
        QCOMPARE(lu.densitesDirectes, parVoxel);
        QVERIFY(fenetre.ouvrir(autre));
        fenetre.choixColoration->setCurrentIndex(1);
        QCOMPARE(fenetre.echelleMin->text(), QString(parVoxel ? "0.5" : "0.75"));
        QCOMPARE(fenetre.echelleMax->text(), QString(parVoxel ? "1.3191" : "1.5"));
        // The first voxel (the least dense, or the densest) at its end of the scale.
        VueCoupe *xy = fenetre.vues[0];
        fenetre.curseurs[0]->setValue(0);
        QCOMPARE(pixel(xy, xy->rectangleVoxel(0, 0).center()), couleurDensite(parVoxel ? 0.0 : 1.0));
    }

    // A medium keeps its colour whatever its place among the media of a file.
    void memeNomMemeCouleur()
    {
        QTemporaryDir dossier;
        FenetreVue fenetre;
        montrer(fenetre);
        QVERIFY(fenetre.ouvrir(ecrire(dossier, "petit.egsphant", texteFantome)));
        const QRgb eau = pixel(fenetre.vues[0], fenetre.vues[0]->rectangleVoxel(0, 0).center());
        QCOMPARE(fenetre.legende->item(1, 3)->background().color().rgb(), eau);
        // EAU second of three, then first of two, padded, keyed "1".
        QVERIFY(fenetre.ouvrir(ecrire(dossier, "autre.egsphant",
                                      "2\n  EAU   \nOS\n1.0 1.85\n1 1 1\n0 1\n0 1\n0 1\n1\n\n1.0\n")));
        QCOMPARE(pixel(fenetre.vues[0], fenetre.vues[0]->rectangleVoxel(0, 0).center()), eau);
        QCOMPARE(fenetre.legende->item(0, 3)->background().color().rgb(), eau);
        QVERIFY(fenetre.legende->item(1, 3)->background().color().rgb() != eau);
    }

    // Colours told apart by eye: a CT's default media far apart in hue, and
    // any media of one phantom apart by the "redmean" RGB distance, whatever
    // their names: a family's several names, names a letter apart, many media.
    void couleursDistinctes_data()
    {
        QTest::addColumn<QStringList>("noms");
        QTest::addColumn<bool>("ct");
        QTest::newRow("scanner, catalogue 521icru")
            << QStringList{"AIR521ICRU", "LUNG521ICRU", "ICRUTISSUE521ICRU", "ICRPBONE521ICRU"} << true;
        QTest::newRow("scanner, catalogue 700icru")
            << QStringList{"AIR700ICRU", "LUNG700ICRU", "ICRUTISSUE700ICRU", "ICRPBONE700ICRU"} << true;
        QTest::newRow("une famille") << QStringList{"ICRPBONE521ICRU", "ICRPBONE700ICRU", "BONE", "ICRUTISSUE", "TISSUE"}
                                     << false;
        QTest::newRow("scanner et structures")
            << QStringList{"AIR521ICRU", "LUNG521ICRU", "ICRUTISSUE521ICRU", "ICRPBONE521ICRU", "TITANE", "PLASTIQUE",
                           "EAU", "AIR"} << false;
        QStringList lettres, nombreux;
        for (char c = 'A'; c <= 'H'; ++c)
            lettres << QString("MILIEU%1").arg(c);
        for (int k = 0; k < 12; ++k)
            nombreux << QString("M%1").arg(k);
        QTest::newRow("une lettre d'écart") << lettres << false;
        QTest::newRow("douze milieux") << nombreux << false;
    }
    void couleursDistinctes()
    {
        QFETCH(QStringList, noms);
        QFETCH(bool, ct);
        const std::vector<QRgb> couleurs = couleursMilieux(noms);
        QCOMPARE(couleurs.size(), size_t(noms.size()));
        // 0 for one colour, about 765 from black to white; 100 is a glance apart.
        const auto ecart = [](QRgb a, QRgb b) {
            const double r = (qRed(a) + qRed(b)) / 2.0, dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b),
                         db = qBlue(a) - qBlue(b);
            return std::sqrt((2 + r / 256) * dr * dr + 4 * dg * dg + (2 + (255 - r) / 256) * db * db);
        };
        for (size_t i = 0; i < couleurs.size(); ++i)
            for (size_t j = i + 1; j < couleurs.size(); ++j) {
                QVERIFY2(ecart(couleurs[i], couleurs[j]) >= 100,
                         qPrintable(QString("%1 et %2 : %3").arg(noms[int(i)], noms[int(j)]).arg(ecart(couleurs[i], couleurs[j]))));
                if (ct) {
                    const int d = std::abs(QColor(couleurs[i]).hsvHue() - QColor(couleurs[j]).hsvHue());
                    QVERIFY2(std::min(d, 360 - d) >= 50, qPrintable(noms[int(i)] + " et " + noms[int(j)]));
                }
            }
        // A phantom's first medium, and any medium apart from the others, keeps its own colour.
        QCOMPARE(couleurs[0], couleurMilieu(noms[0]));
    }

    // The exported XY slice: the narrowest voxel a whole number of pixels,
    // the least that makes the longer side 512 or more, true proportions.
    void export__data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<QSize>("taille");
        // 5 × 4 cm, narrowest voxel 1 cm: 103 px a cm, as 102 give 510.
        QTest::newRow("voxels inégaux") << texteFantome << QSize(515, 412);
        QTest::newRow("plus grand que 512") << tranche(600) << QSize(600, 1);
        QTest::newRow("petit") << tranche(10, 4) << QSize(520, 208);
        // 40 × 10 narrowest voxels: 13 px would give 32.5 px a 0.25 cm voxel, 14 give 35.
        QTest::newRow("0,1 × 0,25 cm") << tranche(40, 4, 0.1, 0.25) << QSize(560, 140);
    }

    void export_()
    {
        QFETCH(QByteArray, texte);
        QFETCH(QSize, taille);
        QTemporaryDir dossier;
        FenetreVue fenetre;
        montrer(fenetre);
        QVERIFY(fenetre.ouvrir(ecrire(dossier, "coupe.egsphant", texte)));
        QString titre;
        fenetre.choisirEnregistrement = [&](QWidget *, const QString &t, const QString &, const QString &) {
            titre = t;
            return dossier.filePath("coupe");
        };
        fenetre.exporterImage();
        QCOMPARE(titre, QString("Exporter l'image de la coupe XY"));
        const QImage image(dossier.filePath("coupe.png"));
        QVERIFY2(!image.isNull(), qPrintable(fenetre.etat->text()));
        QCOMPARE(image.size(), taille);
        QVERIFY(fenetre.etat->text().endsWith(QString("coupe.png » (%1 × %2 pixels)").arg(taille.width()).arg(taille.height())));
        // Voxel edges where the widths put them, 103 px a cm: EAU, AIR (3 cm), OS.
        const QRgb eau = couleurMilieu("EAU"), air = couleurMilieu("AIR");
        if (texte == texteFantome)
            QCOMPARE(QList<QRgb>({image.pixel(102, 0), image.pixel(103, 0), image.pixel(411, 0), image.pixel(412, 0)}),
                     QList<QRgb>({eau, air, air, couleurMilieu("OS")}));
    }

    // A long open stopped from its progress dialog, by its button or by
    // Escape, leaves the phantom shown; so does a file that cannot be read.
    void ouvertureArretee_data()
    {
        QTest::addColumn<bool>("echap");
        QTest::newRow("Annuler") << false;
        QTest::newRow("Échap") << true;
    }

    void ouvertureArretee()
    {
        QFETCH(bool, echap);
        QTemporaryDir dossier;
        FenetreVue fenetre;
        montrer(fenetre);
        QVERIFY(fenetre.ouvrir(ecrire(dossier, "petit.egsphant", texteFantome)));
        const QString gros = ecrire(dossier, "gros.egsphant", tranche(1024, 4096)); // 21 MB, ten blocks
        fenetre.attenteSuivi = 0;
        QString libelle;
        int atteint = -1;
        QTimer minuteur;
        minuteur.setInterval(0);
        connect(&minuteur, &QTimer::timeout, this, [&] {
            auto *suivi = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
            if (!suivi || !suivi->isVisible())
                return;
            libelle = suivi->labelText() + " | " + suivi->findChild<QPushButton *>()->text();
            atteint = suivi->value();
            echap ? QTest::keyClick(suivi, Qt::Key_Escape) : suivi->findChild<QPushButton *>()->click();
            minuteur.stop();
        });
        minuteur.start();
        QVERIFY(!fenetre.ouvrir(gros));
        QCOMPARE(libelle, QString("Lecture de « gros.egsphant »… | Annuler"));
        QVERIFY2(atteint >= 0 && atteint < 1000, qPrintable(QString::number(atteint)));
        QCOMPARE(fenetre.etat->text(), QString("Ouverture de « %1 » annulée.").arg(gros));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(fenetre.windowTitle().contains("petit.egsphant"));
        QVERIFY2(fenetre.ouvrir(gros), qPrintable(fenetre.etat->text())); // it was whole

        QVERIFY(!fenetre.ouvrir(ecrire(dossier, "casse.egsphant", texteFantome.left(60))));
        QVERIFY2(fenetre.etat->text().contains("casse.egsphant") && fenetre.etat->text().contains("ligne "),
                 qPrintable(fenetre.etat->text()));
        QVERIFY(fenetre.windowTitle().contains("gros.egsphant"));
        // Cut inside its last density: shown, with the doubt beside it.
        QVERIFY(fenetre.ouvrir(ecrire(dossier, "coupe.egsphant", texteFantome.chopped(4))));
        QVERIFY2(fenetre.etat->text().endsWith(" voxels, 3 milieux\nNote : le fichier finit sur sa dernière densité, "
                                               "sans fin de ligne : s'il a été coupé, cette densité est fausse"),
                 qPrintable(fenetre.etat->text()));
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

        champNomme(fenetre, "fichierEgsphant")->setText(dossier.filePath("absent.egsphant"));
        voir->click();
        QVERIFY2(etatDe(fenetre)->text().startsWith("Aucun fantôme à voir"), qPrintable(etatDe(fenetre)->text()));
        QVERIFY(!fenetre.findChild<FenetreVue *>());

        const QString casse = ecrire(dossier, "casse.egsphant", texteFantome.left(60));
        champNomme(fenetre, "fichierEgsphant")->setText(casse);
        voir->click();
        QVERIFY2(etatDe(fenetre)->text().contains("ligne "), qPrintable(etatDe(fenetre)->text()));
        QVERIFY(!fenetre.findChild<FenetreVue *>());

        const QString chemin = ecrire(dossier, "petit.egsphant", texteFantome);
        champNomme(fenetre, "fichierEgsphant")->setText(chemin);
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
        fenetre.sessionEnCours().catalogue() << Milieu{"AIR", 0.0012} << Milieu{"EAU", 1.0};
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(qRgb(200, 200, 200));
        image.setPixel(1, 0, qRgb(0, 0, 0));
        QVERIFY(image.save(dossier.filePath("xy.bmp"), "BMP"));
        fenetre.choisirFichier = [&](QWidget *, const QString &, const QString &, const QString &) {
            return dossier.filePath("xy.bmp");
        };
        fenetre.selectXY();
        champNomme(fenetre, "champDimZ")->setText("2");
        champNomme(fenetre, "fichierEgsphant")->setText(dossier.filePath("ecrit.egsphant"));
        fenetre.evalue();
        QVERIFY2(QFile::exists(dossier.filePath("ecrit.egsphant")), qPrintable(etatDe(fenetre)->text()));
        champNomme(fenetre, "fichierEgsphant")->setText(dossier.filePath("autre.egsphant"));
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
