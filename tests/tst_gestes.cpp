// Ordinary gestures in the window that once gave a wrong phantom without a
// word, one scenario each, through the real widgets: a picture replaced, the
// wheel over the table, a pick in the density box, levels left at the
// default, the status line, and the dialogs and fields.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include "phantom/construction.h"
#include "window/traduction.h"
#include "fenetre.h"
#include "outils.h"

namespace {

// Catalogue order as in the real files: the first medium, the one a fresh row shows, is silver.
const QByteArray pegs = " MEDIUM=AG                      ,STERNCID=AG\n COMP,RHO= 1.0500E+01,NE= 1\n"
                        " MEDIUM=AIR                     ,STERNCID=AIR\n MIXT,RHO= 1.2048E-03,NE= 4\n"
                        " MEDIUM=EAU                     ,STERNCID=EAU\n COMP,RHO= 1.0000E+00,NE= 2\n"
                        " MEDIUM=OS                      ,STERNCID=OS\n COMP,RHO= 1.8500E+00,NE= 2\n";

// A picture of two rows, one column per level.
bool ecrireImage(const QString &chemin, const QVector<int> &niveaux)
{
    QImage image(int(niveaux.size()), 2, QImage::Format_RGB32);
    for (int x = 0; x < niveaux.size(); ++x)
        for (int y = 0; y < 2; ++y)
            image.setPixel(x, y, qRgb(niveaux[x], niveaux[x], niveaux[x]));
    return image.save(chemin, "BMP");
}

// Picks a catalogue medium in a row's name box, with the keyboard, as a user does.
void choisirMilieu(const Interface &f, int niveau, const QString &nom)
{
    QComboBox *boite = ligne(f, niveau)->comboNom;
    const int k = boite->findText(nom + ' ', Qt::MatchStartsWith);
    QVERIFY(k >= 0);
    if (boite->currentIndex() == k)
        QTest::keyClick(boite, k > 0 ? Qt::Key_Up : Qt::Key_Down);
    while (boite->currentIndex() < k)
        QTest::keyClick(boite, Qt::Key_Down);
    while (boite->currentIndex() > k)
        QTest::keyClick(boite, Qt::Key_Up);
}

// One step of the wheel, down, over the middle of a widget.
void roulette(QWidget *cible)
{
    const QPointF centre(cible->width() / 2.0, cible->height() / 2.0);
    QWheelEvent roue(centre, cible->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(cible, &roue);
}

} // namespace

class TestGestes : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }

    void construire(Fenetre &w, const QString &sortie)
    {
        champNomme(w.f, "fichierEgsphant")->setText(d(sortie));
        w.f.evalue();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QVERIFY(ecrireFichier(d("cat.pegs4dat"), pegs));
        QVector<int> quarante;
        for (int g = 0; g < 40; ++g)
            quarante << 6 * g;
        QVERIFY(ecrireImage(d("quatre.bmp"), {255, 200, 88, 0}) && ecrireImage(d("deux.bmp"), {255, 0, 0, 255})
                && ecrireImage(d("yz88.bmp"), {88, 255}) && ecrireImage(d("bords.bmp"), {255, 200, 130, 128, 64, 60, 0})
                && ecrireImage(d("yz250.bmp"), {250, 0}) && ecrireImage(d("quarante.bmp"), quarante));
    }

    // A picture replaced takes its levels out of the table, their choices
    // kept for their return; the "Fond" mark on a removed level goes to the
    // first row, and a build whose background no ticked picture holds is refused.
    void imageRemplacee()
    {
        Fenetre w;
        w.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        w.lancer(&Interface::selectXY, d("quatre.bmp"));
        choisirMilieu(w.f, 200, "EAU");
        ligne(w.f, 88)->choixFond->click();
        w.lancer(&Interface::selectXY, d("deux.bmp"));
        QCOMPARE(w.f.niveauxGris, QVector<int>({255, 0}));
        QVERIFY(ligne(w.f, 255)->choixFond->isChecked());
        QCOMPARE(etatDe(w.f)->text(), "XY : deux.bmp, 4 × 2, 2 niveaux ; 2 niveaux de l'image remplacée retirés du "
                                   "tableau (leurs choix reviendront avec eux) ; le fond passe au niveau 255 : le "
                                   "niveau 88 n'est plus dans les images");
        w.lancer(&Interface::selectXY, d("quatre.bmp"));
        QCOMPARE(ligne(w.f, 200)->comboNom->currentText().trimmed(), QString("EAU"));

        // 88 held by the YZ picture only; once YZ is unticked, a background on 88 fills nothing it shows.
        w.lancer(&Interface::selectXY, d("deux.bmp"));
        w.lancer(&Interface::selectYZ, d("yz88.bmp"));
        QCOMPARE(w.f.niveauxGris, QVector<int>({255, 88, 0}));
        ligne(w.f, 88)->choixFond->click();
        cocheNommee(w.f, "choixYZ")->setChecked(false);
        champNomme(w.f, "champDimZ")->setText("1");
        construire(w, "fond.egsphant");
        QCOMPARE(etatDe(w.f)->text(), QString("Fond : le niveau de gris 88 n'est dans aucune image cochée ; marquer le "
                                           "fond sur une ligne des images cochées, ou cocher l'image qui le contient"));
        QVERIFY(!QFileInfo::exists(d("fond.egsphant")));
    }

    // The wheel over a box scrolls the table and leaves the medium; a pick
    // in the density box leaves the name; a density typed with a comma is
    // the same file as with a full stop.
    void moletteEtDensite()
    {
        Fenetre w;
        w.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        w.lancer(&Interface::selectXY, d("quarante.bmp"));
        w.f.resize(w.f.sizeHint());
        w.f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.f));
        QScrollBar *defilement = tableMateriaux(w.f)->verticalScrollBar();
        QVERIFY(defilement->maximum() > 0);
        QComboBox *nom = lignesTable(w.f).at(1).comboNom;
        for (int pas = 0; pas < 10; ++pas)
            roulette(nom);
        QCOMPARE(nom->currentText().trimmed(), QString("AG"));
        QVERIFY(defilement->value() > 0);

        choisirMilieu(w.f, 0, "OS");
        QComboBox *densite = ligne(w.f, 0)->comboDensite;
        QCOMPARE(densite->count(), 1);
        QCOMPARE(densite->currentText(), QString("1.85"));
        QVERIFY(QMetaObject::invokeMethod(densite, "activated", Q_ARG(int, 0)));
        QCOMPARE(ligne(w.f, 0)->comboNom->currentText().trimmed(), QString("OS"));

        champNomme(w.f, "champDimZ")->setText("1");
        QByteArray fichiers[2];
        for (const QString texte : {"1,92", "1.92"}) {
            taper(densite, texte);
            QCOMPARE(ligne(w.f, 0)->comboNom->currentText().trimmed(), QString("OS"));
            construire(w, "densite.egsphant");
            fichiers[texte.contains(',')] = lire(d("densite.egsphant"));
        }
        QVERIFY(fichiers[0].contains(" 1.92000 "));
        QCOMPARE(fichiers[1], fichiers[0]);
    }

    // After a build, one note lists the levels nobody chose a medium for and
    // one names a medium with no voxel; "Compléter" then gives each unset
    // level its nearest set level's medium, the phantom of the same choices by hand.
    void defautsEtCompleter()
    {
        // The same start in two windows: 250 only in the unticked YZ picture, PLOMB typed for it.
        Fenetre a, b;
        for (Fenetre *w : {&a, &b}) {
            w->lancer(&Interface::selectMat, d("cat.pegs4dat"));
            w->lancer(&Interface::selectXY, d("bords.bmp"));
            w->lancer(&Interface::selectYZ, d("yz250.bmp"));
            cocheNommee(w->f, "choixYZ")->setChecked(false);
            champNomme(w->f, "champDimZ")->setText("1");
            taper(ligne(w->f, 250)->comboNom, "PLOMB");
            taper(ligne(w->f, 250)->comboDensite, "11.35");
        }
        choisirMilieu(a.f, 255, "OS");
        choisirMilieu(a.f, 128, "EAU");
        choisirMilieu(a.f, 0, "AIR");
        construire(a, "defauts.egsphant");
        QCOMPARE(etatDe(a.f)->text().split('\n').mid(1, 2),
                 QStringList({"Attention : 4 niveaux de gris laissés sans choix au premier milieu du catalogue, AG : "
                              "200, 130, 64, 60",
                              "Attention : milieu sans aucun voxel dans le fichier : PLOMB"}));

        bouton(a.f, "Compléter")->click();
        QCOMPARE(etatDe(a.f)->text(), QString("Compléter : 4 niveaux réglés sur le niveau choisi le plus proche"));
        construire(a, "complete.egsphant");
        QVERIFY2(!etatDe(a.f)->text().contains("sans choix") && !etatDe(a.f)->text().contains("sans aucun voxel"),
                 qPrintable(etatDe(a.f)->text()));

        // By hand: 200 nearer 250, 130 nearer 128, 64 halfway between 0 and 128 (the lower wins), 60 nearer 0.
        const QMap<int, QString> parLaMain{{255, "OS"}, {130, "EAU"}, {128, "EAU"}, {64, "AIR"}, {60, "AIR"}, {0, "AIR"}};
        for (auto it = parLaMain.begin(); it != parLaMain.end(); ++it)
            choisirMilieu(b.f, it.key(), it.value());
        taper(ligne(b.f, 200)->comboNom, "PLOMB");
        taper(ligne(b.f, 200)->comboDensite, "11.35");
        construire(b, "main.egsphant");
        QVERIFY2(QFileInfo::exists(d("main.egsphant")), qPrintable(etatDe(b.f)->text()));
        QCOMPARE(lire(d("complete.egsphant")), lire(d("main.egsphant")));
    }

    // Each action says what it did; the status area keeps its height; the
    // pictures grow with the window; the empty table shows its headers whole.
    void statutEtDisposition()
    {
        Fenetre w;
        w.f.resize(w.f.sizeHint());
        w.f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.f));
        QTableWidget *table = tableMateriaux(w.f);
        for (int c = 0; c < table->columnCount(); ++c)
            QVERIFY2(table->columnWidth(c) >= table->horizontalHeader()->sectionSizeHint(c),
                     qPrintable(table->horizontalHeaderItem(c)->text()));
        QVERIFY(table->columnViewportPosition(3) + table->columnWidth(3) <= table->viewport()->width());
        QVERIFY(!table->horizontalScrollBar()->isVisible());

        w.lancer(&Interface::selectXY, d("quatre.bmp"));
        QCOMPARE(etatDe(w.f)->text(), QString("XY : quatre.bmp, 4 × 2, 4 niveaux"));
        const QPoint place = bouton(w.f, "Egsphant")->mapTo(&w.f, QPoint());
        etatDe(w.f)->setText(QStringList(12, "Attention : une note parmi d'autres").join('\n'));
        QTest::qWait(20);
        QCOMPARE(bouton(w.f, "Egsphant")->mapTo(&w.f, QPoint()), place); // no button moves

        const int avant = imageNommee(w.f, "infoXY")->pixmap().width();
        QVERIFY(avant >= 204);
        w.f.resize(w.f.size() + QSize(300, 300));
        QTRY_VERIFY(imageNommee(w.f, "infoXY")->pixmap().width() > avant + 100);
    }

    // Dialogs and fields: Qt's buttons in French, ".txt" added to a table's
    // name, a refused count echoed as typed, memory told in Go.
    void dialoguesEtChamps()
    {
        QVERIFY(installerTraductionQt());
        QDialogButtonBox boutons(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
        QCOMPARE(boutons.button(QDialogButtonBox::Cancel)->text(), QString("Annuler"));

        Fenetre w;
        w.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        w.lancer(&Interface::selectXY, d("quatre.bmp"));
        w.reponses << d("choix");
        bouton(w.f, "Enregistrer la table…")->click();
        QVERIFY(QFileInfo::exists(d("choix.txt")));
        QVERIFY(!QFileInfo::exists(d("choix")));

        champNomme(w.f, "champDimZ")->setText("abc");
        construire(w, "comptes.egsphant");
        QCOMPARE(etatDe(w.f)->text(),
                 QString("Nombre de voxels invalide : « abc » en Z (chaque compte doit être un entier "
                         "positif, au plus 2147483647)."));
        // Digit groups aside, whatever blank the French locale puts between them.
        const QString memoire = refusComptes(100000, 100000, 100000).remove(QRegularExpression("(?<=\\d)\\s(?=\\d)",
            QRegularExpression::UseUnicodePropertiesOption));
        QVERIFY2(memoire.contains(QRegularExpression("soit 1000000,0 Go .* au plus [0-9]+,[0-9] Go")), qPrintable(memoire));
    }
};

QTEST_MAIN(TestGestes)
#include "tst_gestes.moc"
