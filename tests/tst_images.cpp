// The plane slots as a user drives them: pictures, sizes, inventory, the
// material table and the size check before a build.
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include "images/chargement.h"
#include "images/compatibilite.h"
#include "model/niveaugris.h"
#include "window/interface.h"
#include "widgets.h"

namespace {

struct PlanFenetre
{
    QLineEdit *fichier;
    QLabel *info;
    QCheckBox *choix;
    void (Interface::*slot)();
};

PlanFenetre plan(Interface &f, const QString &nom)
{
    if (nom == "XY")
        return {champNomme(f, "fichierXY"), imageNommee(f, "infoXY"), cocheNommee(f, "choixXY"), &Interface::selectXY};
    if (nom == "YZ")
        return {champNomme(f, "fichierYZ"), imageNommee(f, "infoYZ"), cocheNommee(f, "choixYZ"), &Interface::selectYZ};
    return {champNomme(f, "fichierXZ"), imageNommee(f, "infoXZ"), cocheNommee(f, "choixXZ"), &Interface::selectXZ};
}

QStringList champsDim(const Interface &f)
{
    return {champNomme(f, "champDimX")->text(), champNomme(f, "champDimY")->text(), champNomme(f, "champDimZ")->text()};
}

QStringList articles(const QComboBox *box)
{
    QStringList textes;
    for (int i = 0; i < box->count(); ++i)
        textes << box->itemText(i);
    return textes;
}

QImage bande(const QVector<QRgb> &couleurs, int hauteur = 2)
{
    QImage image(int(couleurs.size()), hauteur, QImage::Format_RGB32);
    for (int x = 0; x < couleurs.size(); ++x)
        for (int y = 0; y < hauteur; ++y)
            image.setPixel(x, y, couleurs[x]);
    return image;
}

QImage gris(const QVector<int> &niveaux)
{
    QVector<QRgb> couleurs;
    for (int g : niveaux)
        couleurs << qRgb(g, g, g);
    return bande(couleurs);
}

// The colour of the first pixel of grey level g, rows top to bottom.
QRgb couleurDe(const QImage &image, int g)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (niveauGrisPixel(image.pixel(x, y)) == g)
                return image.pixel(x, y) | 0xff000000u;
    return 0;
}

QImage uni(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(qRgb(90, 90, 90));
    return image;
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dossier;
    int compteur = 0;

    // Writes the picture under a fresh name; empty when it could not be saved.
    QString ecrire(const QImage &image, const char *format = "BMP", const QString &suffixe = ".bmp")
    {
        const QString chemin = dossier.filePath(QString("image%1%2").arg(++compteur).arg(suffixe));
        return image.save(chemin, format) ? chemin : QString();
    }

    // Answers the next choosers with the given path and notes what was asked.
    static void repondre(Interface &f, const QString &chemin, QStringList *questions = nullptr)
    {
        f.choisirFichier = [chemin, questions](QWidget *, const QString &titre, const QString &dossier,
                                               const QString &filtre) {
            if (questions)
                *questions << titre + "|" + dossier + "|" + filtre;
            return chemin;
        };
    }

    bool choisirImage(Interface &f, const QString &nomPlan, const QImage &image)
    {
        const QString chemin = ecrire(image);
        if (chemin.isEmpty())
            return false;
        repondre(f, chemin);
        (f.*plan(f, nomPlan).slot)();
        return champNomme(f, "fichierXY")->text() == chemin || champNomme(f, "fichierYZ")->text() == chemin
               || champNomme(f, "fichierXZ")->text() == chemin;
    }

    static QList<Milieu> catalogue()
    {
        return {{"AIR", 0.00120479}, {"H2O  ", 1.0}, {"ICRUTISSUE", 1.06}};
    }

    static QComboBox *boite(Interface &f, int ligne, int colonne)
    {
        return qobject_cast<QComboBox *>(tableMateriaux(f)->cellWidget(ligne, colonne));
    }

private slots:
    void initTestCase() { QVERIFY(dossier.isValid()); }

    void imageChoisie_data()
    {
        QTest::addColumn<QString>("nomPlan");
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("suffixe");
        QTest::addColumn<QVector<int>>("niveaux");
        QTest::newRow("gris XY") << "XY" << gris({0, 128, 255}) << QByteArray("BMP") << ".bmp" << QVector<int>{255, 128, 0};
        QTest::newRow("couleurs YZ") << "YZ" << bande({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)})
                                     << QByteArray("BMP") << ".bmp" << QVector<int>{255, 127, 87, 39};
        QImage palette(3, 2, QImage::Format_Indexed8);
        palette.setColorTable({qRgb(30, 30, 30), qRgb(0, 0, 255), qRgb(200, 200, 200)});
        for (int x = 0; x < 3; ++x)
            for (int y = 0; y < 2; ++y)
                palette.setPixel(x, y, uint(x));
        QTest::newRow("palette XZ") << "XZ" << palette << QByteArray("BMP") << ".bmp" << QVector<int>{200, 39, 30};
        QTest::newRow("png") << "XY" << gris({64, 32, 64}) << QByteArray("PNG") << ".png" << QVector<int>{64, 32};
        QTest::newRow("png nomme bmp") << "XZ" << gris({9, 250}) << QByteArray("PNG") << ".bmp" << QVector<int>{250, 9};
    }

    void imageChoisie()
    {
        QFETCH(QString, nomPlan);
        QFETCH(QImage, image);
        QFETCH(QByteArray, format);
        QFETCH(QString, suffixe);
        QFETCH(QVector<int>, niveaux);
        const QString chemin = ecrire(image, format.constData(), suffixe);
        QVERIFY(!chemin.isEmpty());
        Interface f;
        QStringList questions;
        repondre(f, chemin, &questions);
        const PlanFenetre p = plan(f, nomPlan);
        (f.*p.slot)();

        QCOMPARE(questions.size(), 1);
        QVERIFY2(questions[0].startsWith("Open File|.|Images (*.bmp);;Toutes les images lisibles ("), qPrintable(questions[0]));
        QCOMPARE(p.fichier->text(), chemin);
        QVERIFY(p.choix->isChecked());
        QVERIFY(p.info->text().isEmpty());
        // A small picture grows by a whole factor, each pixel a sharp square, inside a frame.
        const QImage vue = p.info->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        const int facteur = 200 / std::max(image.width(), image.height());
        QCOMPARE(vue.size(), QSize(image.width() * facteur + 4, image.height() * facteur + 4));
        QCOMPARE(vue.pixel(0, 0), qRgb(64, 64, 64));
        QCOMPARE(vue.pixel(1, 1), qRgb(255, 255, 255));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                for (QPoint coin : {QPoint(0, 0), QPoint(facteur - 1, facteur - 1)})
                    QCOMPARE(vue.pixel(2 + x * facteur + coin.x(), 2 + y * facteur + coin.y()),
                             image.pixel(x, y) | 0xff000000u);
        const QLabel *legende = p.info == imageNommee(f, "infoXY")   ? etiquetteNommee(f, "tailleImageXY")
                                : p.info == imageNommee(f, "infoYZ") ? etiquetteNommee(f, "tailleImageYZ")
                                                                     : etiquetteNommee(f, "tailleImageXZ");
        QCOMPARE(legende->text(), QString("%1 × %2 pixels").arg(image.width()).arg(image.height()));
        QCOMPARE(f.niveauxGris, niveaux);
        QCOMPARE(tableMateriaux(f)->rowCount(), niveaux.size());
        for (int i = 0; i < niveaux.size(); ++i) {
            auto *echantillon = qobject_cast<QLabel *>(tableMateriaux(f)->cellWidget(i, 0));
            QVERIFY(echantillon);
            const QImage vu = echantillon->pixmap().toImage();
            QCOMPARE(vu.size(), QSize(20, 20));
            // The level's colour in the picture, inside a border.
            QCOMPARE(vu.pixel(13, 6), couleurDe(image, niveaux[i]));
            QCOMPARE(vu.pixel(0, 6), qRgb(64, 64, 64));
            QCOMPARE(vu.pixel(1, 6), qRgb(255, 255, 255));
            QCOMPARE(tableMateriaux(f)->verticalHeaderItem(i)->text(), QString::number(niveaux[i]));
        }
        QCOMPARE(f.dimX + f.dimY + f.dimZ, 0);
    }

    void inventaireCumule()
    {
        Interface f;
        QVERIFY(choisirImage(f, "XY", gris({0, 128, 255})));
        QVERIFY(choisirImage(f, "YZ", bande({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)})));
        const QVector<int> union_{255, 128, 127, 87, 39, 0};
        QCOMPARE(f.niveauxGris, union_);
        QCOMPARE(tableMateriaux(f)->rowCount(), union_.size());

        // The same picture again, on another plane: nothing new.
        repondre(f, champNomme(f, "fichierXY")->text());
        f.selectXZ();
        QCOMPARE(f.niveauxGris, union_);

        // Replacing XY: its levels stay, for the XZ picture holds them too.
        QVERIFY(choisirImage(f, "XY", gris({60})));
        QCOMPARE(f.niveauxGris, QVector<int>({255, 128, 127, 87, 60, 39, 0}));
        QCOMPARE(tableMateriaux(f)->rowCount(), 7);
        QCOMPARE(lignesTable(f).size(), 7);
    }

    void champsDeTaille_data()
    {
        QTest::addColumn<QString>("nomPlan");
        QTest::addColumn<QStringList>("champs");
        QTest::newRow("XY") << "XY" << QStringList{"30", "20", "0"};
        QTest::newRow("YZ") << "YZ" << QStringList{"0", "30", "20"};
        QTest::newRow("XZ") << "XZ" << QStringList{"30", "0", "20"};
    }

    void champsDeTaille()
    {
        QFETCH(QString, nomPlan);
        QFETCH(QStringList, champs);
        Interface f;
        QVERIFY(choisirImage(f, nomPlan, uni(30, 20)));
        QCOMPARE(champsDim(f), champs);
        QCOMPARE(f.dimX + f.dimY + f.dimZ, 0);
    }

    // Every picture fits the same 200-pixel box, its ratio kept, and the box never moves.
    void apercu_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QSize>("vue"); // the picture shown, frame aside
        QTest::newRow("40 × 5, agrandie 5 fois") << QSize(40, 5) << QSize(200, 25);
        QTest::newRow("7 × 3, agrandie 28 fois") << QSize(7, 3) << QSize(196, 84);
        QTest::newRow("1 × 1") << QSize(1, 1) << QSize(200, 200);
        QTest::newRow("200 × 200") << QSize(200, 200) << QSize(200, 200);
        QTest::newRow("512 × 256") << QSize(512, 256) << QSize(200, 100);
        QTest::newRow("256 × 512") << QSize(256, 512) << QSize(100, 200);
        QTest::newRow("3000 × 2, un pixel de haut") << QSize(3000, 2) << QSize(200, 1);
    }
    void apercu()
    {
        QFETCH(QSize, image);
        QFETCH(QSize, vue);
        Interface f;
        const QSize boite = imageNommee(f, "infoXZ")->size();
        QVERIFY(choisirImage(f, "XZ", uni(image.width(), image.height())));
        QCOMPARE(imageNommee(f, "infoXZ")->pixmap().size(), vue + QSize(4, 4));
        QCOMPARE(imageNommee(f, "infoXZ")->size(), boite);
        QCOMPARE(imageNommee(f, "infoXZ")->size(), QSize(204, 204));
    }

    void champPartage()
    {
        Interface f;
        QVERIFY(choisirImage(f, "XY", uni(30, 20)));
        QVERIFY(choisirImage(f, "YZ", uni(25, 15)));
        QCOMPARE(champsDim(f), QStringList({"30", "25", "15"}));
        QVERIFY(choisirImage(f, "XZ", uni(40, 12)));
        QCOMPARE(champsDim(f), QStringList({"40", "25", "12"}));
    }

    void lignesDuTableau()
    {
        Interface f;
        *f.milieux = catalogue();
        QVERIFY(choisirImage(f, "XY", gris({0, 128, 255})));
        QCOMPARE(lignesTable(f).size(), 3);
        for (int i = 0; i < 3; ++i) {
            QComboBox *nom = boite(f, i, 1);
            QComboBox *densite = boite(f, i, 2);
            QVERIFY(nom && densite);
            QCOMPARE(lignesTable(f).at(i).comboNom, nom);
            QCOMPARE(lignesTable(f).at(i).comboDensite, densite);
            QVERIFY(nom->isEditable() && densite->isEditable());
            QCOMPARE(articles(nom), QStringList({"AIR", "H2O  ", "ICRUTISSUE"}));
            // The density box offers the chosen medium's density, no other.
            QCOMPARE(articles(densite), QStringList({"0.00120479"}));
            QCOMPARE(nom->currentIndex(), 0);
            QCOMPARE(densite->currentIndex(), 0);
        }
    }

    void couplageNomDensite()
    {
        Interface f;
        *f.milieux = catalogue();
        QVERIFY(choisirImage(f, "XY", gris({0, 255})));

        // Arrow key on a name box, as a user picks the next medium.
        QTest::keyClick(boite(f, 0, 1), Qt::Key_Down);
        QCOMPARE(boite(f, 0, 1)->currentText(), QString("H2O  "));
        QCOMPARE(boite(f, 0, 2)->currentText(), QString("1"));
        QCOMPARE(boite(f, 1, 1)->currentIndex(), 0);
        QCOMPARE(boite(f, 1, 2)->currentIndex(), 0);

        // A name picked in the other row brings its density, and only there.
        boite(f, 1, 1)->setCurrentIndex(2);
        QVERIFY(QMetaObject::invokeMethod(boite(f, 1, 1), "activated", Q_ARG(int, 2)));
        QCOMPARE(boite(f, 1, 2)->currentText(), QString("1.06"));
        QCOMPARE(boite(f, 0, 1)->currentIndex(), 1);
        QCOMPARE(articles(boite(f, 0, 2)), QStringList({"1"}));

        // A new picture adds a row on the first medium; the others keep what the user chose.
        QVERIFY(choisirImage(f, "YZ", gris({100})));
        QCOMPARE(tableMateriaux(f)->rowCount(), 3);
        QCOMPARE(lignesTable(f).size(), 3);
        const QStringList noms{"H2O  ", "AIR", "ICRUTISSUE"}, densites{"1", "0.00120479", "1.06"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(lignesTable(f).at(i).comboNom, boite(f, i, 1));
            QCOMPARE(boite(f, i, 1)->currentText(), noms[i]);
            QCOMPARE(boite(f, i, 2)->currentText(), densites[i]);
        }
    }

    void catalogueLuApresLesImages()
    {
        Interface f;
        QVERIFY(choisirImage(f, "XY", gris({0, 255})));
        QCOMPARE(boite(f, 0, 1)->count(), 0);
        *f.milieux = catalogue();
        QCOMPARE(boite(f, 0, 1)->count(), 0);
        QCOMPARE(boite(f, 1, 2)->count(), 0);
        QVERIFY(choisirImage(f, "XZ", gris({0})));
        QCOMPARE(articles(boite(f, 1, 1)), QStringList({"AIR", "H2O  ", "ICRUTISSUE"}));
        QCOMPARE(articles(boite(f, 0, 2)), QStringList({"0.00120479"}));
    }

    void choixSansImage_data()
    {
        QTest::addColumn<QString>("reponse");
        QTest::newRow("annule") << QString();
        QTest::newRow("pas une image") << "texte";
        QTest::newRow("introuvable") << dossier.filePath("absent.bmp");
        QTest::newRow("bmp tronque") << "tronque";
        QTest::newRow("tube") << "tube"; // would block a reader for ever
    }

    void choixSansImage()
    {
        QFETCH(QString, reponse);
        if (reponse == "texte") {
            reponse = dossier.filePath("texte.bmp");
            QFile texte(reponse);
            QVERIFY(texte.open(QIODevice::WriteOnly));
            texte.write("ceci n'est pas une image\n");
        }
        if (reponse == "tube") {
            reponse = dossier.filePath("tube.bmp");
            QCOMPARE(mkfifo(QFile::encodeName(reponse).constData(), 0600), 0);
        }
        if (reponse == "tronque") {
            // Qt's reader takes a cut BMP without complaint; the loader must not.
            reponse = dossier.filePath("tronque.bmp");
            QImage entiere(64, 64, QImage::Format_RGB32);
            entiere.fill(qRgb(90, 90, 90));
            QVERIFY(entiere.save(reponse, "BMP"));
            QFile fichier(reponse);
            QVERIFY(fichier.resize(fichier.size() / 2));
            QVERIFY(!QImage(reponse).isNull());
        }
        Interface f;
        *f.milieux = catalogue();
        QVERIFY(choisirImage(f, "XY", gris({0, 128, 255})));
        QVERIFY(choisirImage(f, "YZ", uni(7, 5)));
        QTest::keyClick(boite(f, 2, 1), Qt::Key_Down);
        QTest::keyClick(boite(f, 2, 1), Qt::Key_Down);
        QCOMPARE(boite(f, 2, 2)->currentText(), QString("1.06"));
        cocheNommee(f, "choixYZ")->setChecked(false);
        etatDe(f)->setText("avant");

        const QStringList chemins{champNomme(f, "fichierXY")->text(), champNomme(f, "fichierYZ")->text(),
                                  champNomme(f, "fichierXZ")->text()};
        const QStringList champs = champsDim(f);
        const QImage imageXY = imageNommee(f, "infoXY")->pixmap().toImage();
        const QVector<int> niveaux = f.niveauxGris;
        const QList<LigneTable> lignes = lignesTable(f);

        repondre(f, reponse);
        f.selectXY();
        f.selectYZ();
        f.selectXZ();

        QCOMPARE(QStringList({champNomme(f, "fichierXY")->text(), champNomme(f, "fichierYZ")->text(),
                              champNomme(f, "fichierXZ")->text()}),
                 chemins);
        QCOMPARE(champsDim(f), champs);
        QCOMPARE(imageNommee(f, "infoXY")->pixmap().toImage(), imageXY);
        QCOMPARE(imageNommee(f, "infoXZ")->text(), QString("XZ"));
        QVERIFY(imageNommee(f, "infoXZ")->pixmap().isNull());
        QCOMPARE(f.niveauxGris, niveaux);
        QCOMPARE(tableMateriaux(f)->rowCount(), 4);
        QCOMPARE(lignesTable(f).size(), lignes.size());
        for (int i = 0; i < lignes.size(); ++i) {
            QCOMPARE(lignesTable(f).at(i).comboNom, lignes[i].comboNom);
            QCOMPARE(boite(f, i, 1), lignes[i].comboNom);
        }
        QCOMPARE(boite(f, 2, 1)->currentText(), QString("ICRUTISSUE"));
        QCOMPARE(boite(f, 2, 2)->currentText(), QString("1.06"));
        QVERIFY(cocheNommee(f, "choixXY")->isChecked());
        QVERIFY(!cocheNommee(f, "choixYZ")->isChecked());
        QVERIFY(!cocheNommee(f, "choixXZ")->isChecked());
        if (reponse.isEmpty()) {
            QCOMPARE(etatDe(f)->text(), QString("avant"));
        } else {
            QString message;
            QVERIFY(chargerImage(reponse, &message).isNull());
            QCOMPARE(etatDe(f)->text(), message);
            QVERIFY(etatDe(f)->text().contains(reponse));
        }
    }

    void verdicts_data()
    {
        QTest::addColumn<QSize>("xy");
        QTest::addColumn<QSize>("xz");
        QTest::addColumn<QSize>("yz");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QVector<int>>("dims");
        const QSize sans;
        QTest::newRow("XY XZ") << QSize(200, 100) << QSize(200, 50) << sans
                               << "Image compatible : 200 100 50" << QVector<int>{200, 100, 50};
        QTest::newRow("XY XZ largeurs") << QSize(200, 100) << QSize(180, 50) << sans
                                        << "Image incompatible : XZ fait 180 × 50 pixels, 200 × 50 attendus" << QVector<int>{};
        QTest::newRow("XY YZ") << QSize(100, 80) << sans << QSize(80, 30)
                               << "Image compatible : 100 80 30" << QVector<int>{100, 80, 30};
        QTest::newRow("XY YZ Y") << QSize(100, 80) << sans << QSize(81, 30)
                                 << "Image incompatible : YZ fait 81 × 30 pixels, 80 × 30 attendus" << QVector<int>{};
        QTest::newRow("trois") << QSize(100, 80) << QSize(100, 30) << QSize(80, 30)
                               << "Image compatible : 100 80 30" << QVector<int>{100, 80, 30};
        QTest::newRow("trois Z") << QSize(100, 80) << QSize(100, 30) << QSize(80, 31)
                                 << "Image incompatible : YZ fait 80 × 31 pixels, 80 × 30 attendus" << QVector<int>{};
        QTest::newRow("XZ YZ") << sans << QSize(60, 40) << QSize(50, 40)
                               << "Image compatible : 60 50 40" << QVector<int>{60, 50, 40};
        QTest::newRow("XY seul") << QSize(100, 80) << sans << sans
                                 << " badZ Image incompatible : aucune image cochée ne donne l'axe Z" << QVector<int>{};
        QTest::newRow("XZ seul") << sans << QSize(60, 40) << sans
                                 << " badY Image incompatible : aucune image cochée ne donne l'axe Y" << QVector<int>{};
        QTest::newRow("YZ seul") << sans << sans << QSize(50, 20)
                                 << " badX Image incompatible : aucune image cochée ne donne l'axe X" << QVector<int>{};
        QTest::newRow("aucun") << sans << sans << sans
                               << " badX  badY  badZ Image incompatible : aucun plan coché" << QVector<int>{};
    }

    void verdicts()
    {
        QFETCH(QSize, xy);
        QFETCH(QSize, xz);
        QFETCH(QSize, yz);
        QFETCH(QString, message);
        QFETCH(QVector<int>, dims);

        auto taille = [](QSize s) { return s.isValid() ? std::optional<QSize>(s) : std::nullopt; };
        const VerdictImages verdict = verifierImages(taille(xy), taille(xz), taille(yz));
        QCOMPARE(verdict.message, message);
        QCOMPARE(verdict.compatible, !dims.isEmpty());

        Interface f;
        f.dimX = f.dimY = f.dimZ = 7;
        champNomme(f, "champDimX")->setText("a");
        const QVector<QPair<QSize, PlanFenetre>> plans{{xy, plan(f, "XY")}, {xz, plan(f, "XZ")}, {yz, plan(f, "YZ")}};
        for (const auto &[s, p] : plans) {
            if (s.isValid()) {
                p.fichier->setText(ecrire(uni(s.width(), s.height())));
                QVERIFY(!p.fichier->text().isEmpty());
                p.choix->setChecked(true);
            }
        }
        QCOMPARE(f.validationImage(), !dims.isEmpty());
        QCOMPARE(etatDe(f)->text(), message);
        QCOMPARE(QVector<int>({f.dimX, f.dimY, f.dimZ}), (dims.isEmpty() ? QVector<int>({7, 7, 7}) : dims));
        QCOMPARE(champsDim(f), QStringList({"a", "0", "0"}));
    }

    void planIgnore()
    {
        Interface f;
        QVERIFY(choisirImage(f, "XY", uni(100, 80)));
        QVERIFY(choisirImage(f, "XZ", uni(100, 30)));
        QVERIFY(choisirImage(f, "YZ", uni(55, 44)));
        cocheNommee(f, "choixYZ")->setChecked(false);
        QVERIFY(f.validationImage());
        QCOMPARE(etatDe(f)->text(), QString("Image compatible : 100 80 30"));
        QCOMPARE(QVector<int>({f.dimX, f.dimY, f.dimZ}), QVector<int>({100, 80, 30}));

        cocheNommee(f, "choixYZ")->setChecked(true);
        QVERIFY(!f.validationImage());
        QCOMPARE(etatDe(f)->text(), QString("Image incompatible : YZ fait 55 × 44 pixels, 80 × 30 attendus"));
        QCOMPARE(QVector<int>({f.dimX, f.dimY, f.dimZ}), QVector<int>({100, 80, 30}));

        // A ticked plane whose file no longer loads counts as absent.
        cocheNommee(f, "choixYZ")->setChecked(false);
        champNomme(f, "fichierXY")->setText(dossier.filePath("disparu.bmp"));
        QVERIFY(!f.validationImage());
        QCOMPARE(etatDe(f)->text(), " badY Image incompatible : XY : Image introuvable : \""
                                            + dossier.filePath("disparu.bmp")
                                            + "\" ; aucune image cochée ne donne l'axe Y");
    }

    void dialogueReel()
    {
        const QString chemin = ecrire(gris({20, 40}));
        QVERIFY(!chemin.isEmpty());
        Interface f;
        QString titre;
        QStringList filtres;
        int essais = 0;
        bool resteOuvert = false;
        QTimer minuteur;
        minuteur.setInterval(20);
        connect(&minuteur, &QTimer::timeout, this, [&] {
            ++essais;
            auto *dialogue = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialogue)
                return;
            minuteur.stop();
            titre = dialogue->windowTitle();
            filtres = dialogue->nameFilters();
            // Typed text would race the completer, which changes folder as
            // the path grows; selectFile sets the whole path at once. It
            // leaves alone a name box that has the focus, as a user's typing.
            if (auto *saisie = dialogue->findChild<QLineEdit *>("fileNameEdit"))
                saisie->clearFocus();
            dialogue->selectFile(chemin);
            static_cast<QDialog *>(dialogue)->accept();
            // A dialog that refused the path would wait forever: close it and fail.
            if (dialogue->isVisible()) {
                resteOuvert = true;
                dialogue->reject();
            }
        });
        minuteur.start();
        f.selectXY();
        minuteur.stop();
        QVERIFY2(!titre.isEmpty(), qPrintable(QString("aucun dialogue en %1 essais").arg(essais)));
        QVERIFY2(!resteOuvert, "le dialogue est resté ouvert après l'acceptation");
        QCOMPARE(titre, QString("Open File"));
        // BMP first, as always; then every format Qt reads, PNG and JPEG among them.
        QCOMPARE(filtres.size(), 2);
        QCOMPARE(filtres[0], QString("Images (*.bmp)"));
        QVERIFY2(filtres[1].startsWith("Toutes les images lisibles (") && filtres[1].contains("*.png")
                     && filtres[1].contains("*.jpg"),
                 qPrintable(filtres[1]));
        QCOMPARE(QFileInfo(champNomme(f, "fichierXY")->text()).canonicalFilePath(),
                 QFileInfo(chemin).canonicalFilePath());
        QCOMPARE(f.niveauxGris, QVector<int>({40, 20}));
        QVERIFY(cocheNommee(f, "choixXY")->isChecked());
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
