// The window with a CT series: its folder and series chosen, the ramp table,
// the box and sizes, the middle slice, and the same file as quarvel-phantom.
#include <QCheckBox>
#include <QComboBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QWheelEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "images/apercu.h"
#include "scanner/apercuct.h"
#include "scanner/rampe.h"
#include "scanner/volumect.h"
#include "window/interface.h"
#include "widgets.h"
#include "outils.h"
#include "seriect.h"
#include "structuresrt.h"

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

// A body on every slice, a rod over the bone insert on two of them, the
// couch below the body; no edge through a voxel centre.
StructuresEssai jeuFenetre()
{
    StructuresEssai jeu;
    RegionEssai corps{1, "BODY", "EXTERNAL", "0\\255\\0", {}};
    RegionEssai tige{2, "TIGE OS", "ORGAN", "255\\0\\0", {}};
    RegionEssai table{3, "TABLE", "SUPPORT", "", {}};
    for (double z : {100.0, 104.0, 108.0, 112.0, 116.0}) {
        corps.contours.push_back(rectangle(-9.5, 9.5, -8.5, 8.5, z));
        table.contours.push_back(rectangle(-12, 12, 8.9, 12.5, z));
    }
    for (double z : {104.0, 108.0})
        tige.contours.push_back(rectangle(0.5, 7.5, -3.3, 3.3, z));
    jeu.regions = {corps, tige, table};
    return jeu;
}

// One row of the structures table as the test fills it: region, medium,
// density as typed, outside or not.
struct ChoixFenetre
{
    int ligne;
    QString milieu, densite;
    bool exterieur = false;
};

QTableWidget *tableStructures(Interface &f)
{
    return f.findChild<QTableWidget *>("tableStructures");
}

void remplirStructures(Interface &f, const QList<ChoixFenetre> &choix)
{
    QTableWidget *t = tableStructures(f);
    for (const ChoixFenetre &c : choix) {
        t->item(c.ligne, 1)->setCheckState(Qt::Checked);
        qobject_cast<QComboBox *>(t->cellWidget(c.ligne, 2))->setEditText(c.milieu);
        t->item(c.ligne, 3)->setText(c.densite);
        if (c.exterieur)
            t->item(c.ligne, 4)->setCheckState(Qt::Checked);
    }
}

void cliquer(Interface &f, const QString &texte)
{
    for (QPushButton *b : f.findChildren<QPushButton *>())
        if (b->text() == texte)
            b->click();
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
        QVERIFY2(etatDe(f)->text().startsWith("Fantôme écrit"), qPrintable(etatDe(f)->text()));
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
        QVERIFY2(etatDe(f)->text().startsWith("Géométrie egs++ écrite"), qPrintable(etatDe(f)->text()));
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

    // A structure set chosen: the table's choices give the batch command's
    // file, byte for byte, and its summary of each structure's voxels.
    void structures_data()
    {
        QTest::addColumn<QList<ChoixFenetre>>("choix");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("tailles");
        const QList<ChoixFenetre> dehorsEtCt = {{0, "AIR521ICRU", "", true}, {1, "ICRPBONE521ICRU", "ct"}};
        const QStringList dehorsEtCtLot = {"--outside", "BODY=AIR521ICRU", "--structure", "TIGE OS=ICRPBONE521ICRU:ct"};
        QTest::newRow("extérieur, densité du scanner") << dehorsEtCt << dehorsEtCtLot << QStringList();
        QTest::newRow("voxels plus gros") << dehorsEtCt << dehorsEtCtLot << QStringList{"0.4", "0.5", "0.8"};
        // The later row wins where they overlap, as the later option does.
        QTest::newRow("virgule, deux régions")
            << QList<ChoixFenetre>{{2, "ICRUTISSUE521ICRU", "1,05", true}, {0, "LUNG521ICRU", " ct "},
                                   {1, "PLASTIQUE", "2.5"}}
            << QStringList{"--outside", "TABLE=ICRUTISSUE521ICRU:1.05", "--structure", "BODY=LUNG521ICRU:ct",
                           "--structure", "TIGE OS=PLASTIQUE:2.5"}
            << QStringList();
    }
    void structures()
    {
        QFETCH(QList<ChoixFenetre>, choix);
        QFETCH(QStringList, options);
        QFETCH(QStringList, tailles);
        QVERIFY(ecrireFichier(d("rs.dcm"), octetsStructures(jeuFenetre())));
        Interface f;
        ouvrir(f);
        f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("rs.dcm"); };
        cliquer(f, "Structures…");
        QCOMPARE(etatDe(f)->text(), QString("Structures « %1 » : 3 régions").arg(d("rs.dcm")));
        QCOMPARE(tableStructures(f)->rowCount(), 3);
        QCOMPARE(tableStructures(f)->item(1, 1)->text(), QString("TIGE OS"));
        QCOMPARE(tableStructures(f)->item(0, 0)->background().color(), QColor(0, 255, 0));
        remplirStructures(f, choix);
        QStringList cadre;
        if (!tailles.isEmpty()) {
            QLineEdit *champs[3] = {champNomme(f, "tailleX"), champNomme(f, "tailleY"), champNomme(f, "tailleZ")};
            for (int a = 0; a < 3; ++a)
                champs[a]->setText(tailles[a]);
            cadre = QStringList{"--size", tailles.join(',')};
        }
        champNomme(f, "fichierEgsphant")->setText(d("fenetre.egsphant"));
        f.evalue();
        QVERIFY2(etatDe(f)->text().startsWith("Fantôme écrit"), qPrintable(etatDe(f)->text()));
        const Resultat r = lancer(QStringList{"--ct", serie, "--series", uid, "--pegs", d("essai.pegs4dat"),
                                              "--structures", d("rs.dcm"), "-o", d("lot.egsphant")}
                                  + options + cadre);
        QCOMPARE(r.statut, 0);
        QCOMPARE(lire(d("fenetre.egsphant")), lire(d("lot.egsphant")));
        const QString resume = QRegularExpression("structures : [^\n]*").match(r.sortie).captured();
        QVERIFY2(resume.contains(" voxels") && etatDe(f)->text().contains(resume), qPrintable(etatDe(f)->text()));
    }

    // A PEGS4 file read after the structure set: every medium box offers
    // its media at once, a medium already typed stays chosen, and the build
    // gives the batch command's file.
    void structuresPuisCatalogue_data()
    {
        QTest::addColumn<bool>("avant");           // a catalogue read before the CT too
        QTest::addColumn<QList<ChoixFenetre>>("choix");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("sans choix") << false << QList<ChoixFenetre>() << QStringList();
        QTest::newRow("milieu tapé avant") << false << QList<ChoixFenetre>{{1, "ICRPBONE521ICRU", "ct"}}
                                           << QStringList{"--structure", "TIGE OS=ICRPBONE521ICRU:ct"};
        QTest::newRow("deuxième catalogue")
            << true << QList<ChoixFenetre>{{0, "AIR521ICRU", "", true}, {1, "LUNG521ICRU", ""}}
            << QStringList{"--outside", "BODY=AIR521ICRU", "--structure", "TIGE OS=LUNG521ICRU"};
    }
    void structuresPuisCatalogue()
    {
        QFETCH(bool, avant);
        QFETCH(QList<ChoixFenetre>, choix);
        QFETCH(QStringList, options);
        QVERIFY(ecrireFichier(d("rs.dcm"), octetsStructures(jeuFenetre())));
        Interface f;
        if (avant) {
            champNomme(f, "fichierPegs")->setText(d("essai.pegs4dat"));
            f.analyseFichierPegs();
        }
        f.choisirDossier = [this](QWidget *, const QString &, const QString &) { return serie; };
        f.choisirSerie = [](QWidget *, const QStringList &) { return 1; };
        f.selectScanner();
        f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("rs.dcm"); };
        cliquer(f, "Structures…");
        remplirStructures(f, choix);
        const int lus = f.sessionEnCours().catalogue().size();
        champNomme(f, "fichierPegs")->setText(d("essai.pegs4dat"));
        f.analyseFichierPegs();
        QTableWidget *t = tableStructures(f);
        for (int k = 0; k < t->rowCount(); ++k) {
            const auto *milieu = qobject_cast<QComboBox *>(t->cellWidget(k, 2));
            QCOMPARE(milieu->count(), lus + 4);
            QCOMPARE(milieu->itemText(lus + 3).trimmed(), QString("ICRPBONE521ICRU"));
            const auto donne = std::find_if(choix.begin(), choix.end(), [k](const ChoixFenetre &c) { return c.ligne == k; });
            QCOMPARE(milieu->currentText(), donne == choix.end() ? QString() : donne->milieu);
        }
        champNomme(f, "fichierEgsphant")->setText(d("fenetre.egsphant"));
        f.evalue();
        QVERIFY2(etatDe(f)->text().startsWith("Fantôme écrit"), qPrintable(etatDe(f)->text()));
        const Resultat r = lancer(QStringList{"--ct", serie, "--series", uid, "--pegs", d("essai.pegs4dat"),
                                              "--structures", d("rs.dcm"), "-o", d("lot.egsphant")}
                                  + options);
        QCOMPARE(r.statut, 0);
        QCOMPARE(lire(d("fenetre.egsphant")), lire(d("lot.egsphant")));
    }

    // The table's choices saved in a table file and loaded in another
    // window; a faulty file, a medium unknown, a set of another frame of
    // reference refused in the status line, one line, nothing written.
    void choixStructures()
    {
        QVERIFY(ecrireFichier(d("rs.dcm"), octetsStructures(jeuFenetre())));
        Interface f;
        ouvrir(f);
        f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("rs.dcm"); };
        cliquer(f, "Structures…");
        remplirStructures(f, {{0, "AIR521ICRU", "", true}, {1, "ICRPBONE521ICRU", "1,9"}});
        // Ticking another outside clears the first.
        tableStructures(f)->item(2, 4)->setCheckState(Qt::Checked);
        QCOMPARE(tableStructures(f)->item(0, 4)->checkState(), Qt::Unchecked);
        tableStructures(f)->item(0, 4)->setCheckState(Qt::Checked);
        f.choisirFichierEnregistrement = [this](QWidget *, const QString &, const QString &, const QString &) {
            return d("choix.txt");
        };
        cliquer(f, "Enregistrer les choix…");
        QCOMPARE(etatDe(f)->text(), QString("Choix des structures écrits dans « %1 »").arg(d("choix.txt")));
        const QByteArray texte = lire(d("choix.txt"));
        QVERIFY2(texte.endsWith("\nexterieur AIR521ICRU - BODY\ninterieur ICRPBONE521ICRU 1.9 TIGE OS\n"), texte);

        Interface g;
        ouvrir(g);
        g.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("rs.dcm"); };
        cliquer(g, "Structures…");
        g.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("choix.txt"); };
        cliquer(g, "Charger les choix…");
        QTableWidget *t = tableStructures(g);
        QCOMPARE(t->item(0, 4)->checkState(), Qt::Checked);
        QCOMPARE(t->item(1, 1)->checkState(), Qt::Checked);
        QCOMPARE(t->item(2, 1)->checkState(), Qt::Unchecked);
        QCOMPARE(qobject_cast<QComboBox *>(t->cellWidget(1, 2))->currentText(), QString("ICRPBONE521ICRU"));
        QCOMPARE(t->item(1, 3)->text(), QString("1.9"));

        QVERIFY(ecrireFichier(d("faux.txt"), texte + "interieur AIR521ICRU ct PAS LA\n"));
        g.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("faux.txt"); };
        cliquer(g, "Charger les choix…");
        QCOMPARE(etatDe(g)->text(),
                 QString("Choix des structures « %1 » : ligne 7 : aucune région « PAS LA »").arg(d("faux.txt")));
        qobject_cast<QComboBox *>(t->cellWidget(1, 2))->setEditText("INCONNU");
        t->item(1, 3)->setText("");
        champNomme(g, "fichierEgsphant")->setText(d("refus.egsphant"));
        g.evalue();
        QCOMPARE(etatDe(g)->text(),
                 QString("Structure « TIGE OS=INCONNU » : aucun milieu « INCONNU » dans le catalogue"));
        QVERIFY(!QFile::exists(d("refus.egsphant")));

        StructuresEssai ailleurs = jeuFenetre();
        ailleurs.referentiel = "1.2.3.4";
        QVERIFY(ecrireFichier(d("ailleurs.dcm"), octetsStructures(ailleurs)));
        g.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("ailleurs.dcm"); };
        cliquer(g, "Structures…");
        QCOMPARE(etatDe(g)->text(),
                 QString("Structures « %1 » : (3006,0010) FrameOfReferenceUID « 1.2.3.4 », la série est "
                         "dans « 1.2.826.0.1.3680043.2.1125.22.7 »")
                         .arg(d("ailleurs.dcm")));
    }

    // The slider and the wheel step through the slices; the box (on the
    // slices it takes) and the regions' contours follow the slice shown, in its pixels.
    void coupeSuivie()
    {
        QVERIFY(ecrireFichier(d("rs.dcm"), octetsStructures(jeuFenetre())));
        Interface f;
        ouvrir(f);
        QCOMPARE(nomme<QSlider>(f, "curseurCoupe")->value(), 2);
        QCOMPARE(etiquetteNommee(f, "tailleImageXY")->text(),
                 QString("Coupe 3/5, z = 10.8 cm : 12 × 10, niveau 40 HU, largeur 400 HU"));
        f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("rs.dcm"); };
        cliquer(f, "Structures…");
        auto formes = [&f] {
            QStringList t;
            for (const TraceImage &trace : imageNommee(f, "infoXY")->contoursMontres()) {
                const QRectF b = trace.points.boundingRect();
                t << QString("%1 %2,%3 %4,%5").arg(trace.couleur.name()).arg(b.left()).arg(b.top()).arg(b.right()).arg(b.bottom());
            }
            return t.join(" ; ");
        };
        // In pixels from the CT's first boundary (-12, -12.5 mm) at 2 × 2.5 mm: the body, the rod, the couch.
        QCOMPARE(formes(), QString("#00ff00 1.25,1.6 10.75,8.4 ; #ff0000 6.25,3.68 9.75,6.32 ; #00ffff 0,8.56 12,10"));
        champNomme(f, "tailleX")->setText("0.4");
        auto molette = [&f](int angle) {
            QWheelEvent cran(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, angle), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(imageNommee(f, "infoXY"), &cran);
        };
        molette(-120);
        QCOMPARE(nomme<QSlider>(f, "curseurCoupe")->value(), 1);
        QVERIFY(etiquetteNommee(f, "tailleImageXY")->text().startsWith("Coupe 2/5, z = 10.4 cm :"));
        QCOMPARE(formes(), QString("#00ff00 1.25,1.6 10.75,8.4 ; #ff0000 6.25,3.68 9.75,6.32 ; #00ffff 0,8.56 12,10"));
        QCOMPARE(imageNommee(f, "infoXY")->cadreMontre(), QRect(0, 0, 12, 10));
        nomme<QSlider>(f, "curseurCoupe")->setValue(4);
        QVERIFY(etiquetteNommee(f, "tailleImageXY")->text().startsWith("Coupe 5/5, z = 11.6 cm :"));
        QCOMPARE(formes(), QString("#00ff00 1.25,1.6 10.75,8.4 ; #00ffff 0,8.56 12,10"));
        QCOMPARE(imageNommee(f, "infoXY")->cadreMontre(), QRect(0, 0, 12, 10));
        QCOMPARE(imageNommee(f, "infoXY")->montree(), coupeAxialeCT(*f.sessionEnCours().scanner(), 4));
        // A box ending at 10.6 cm takes the first two slices: drawn on those only.
        champNomme(f, "boiteMax2")->setText("10.6");
        QCOMPARE(champNomme(f, "champDimZ")->text(), QString("2"));
        QCOMPARE(imageNommee(f, "infoXY")->cadreMontre(), QRect());
        nomme<QSlider>(f, "curseurCoupe")->setValue(1);
        QCOMPARE(imageNommee(f, "infoXY")->cadreMontre(), QRect(0, 0, 12, 10));
        nomme<QSlider>(f, "curseurCoupe")->setValue(4);
        // The wheel stops at the last slice.
        molette(240);
        QCOMPARE(nomme<QSlider>(f, "curseurCoupe")->value(), 4);
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
        QTest::addColumn<QString>("attendu");    // counts ; box x from, to, y from, to ; the note under it
        QTest::newRow("tout le CT") << QStringList() << "12 10 5 ; 0 12 0 10";
        QTest::newRow("boîte hors du CT")
            << QStringList{"origineX", "-3"}
            << "12 10 5 ; 0 12 0 10 ; Boîte selon X : de -3 à 1.2 cm demandés, ramenée au scanner : de -1.2 à 1.2 cm";
        QTest::newRow("taille d'un seul voxel")
            << QStringList{"tailleY", "5"} << "12 1 5 ; 0 12 0 10 ; Taille selon Y : 5 cm, un seul voxel de 2.5 cm dans la boîte";
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
        const QHash<QString, QLineEdit *> champs{
                {"origineX", champNomme(f, "origineX")},   {"origineY", champNomme(f, "origineY")},
                {"boiteMax1", champNomme(f, "boiteMax1")}, {"tailleX", champNomme(f, "tailleX")},
                {"tailleY", champNomme(f, "tailleY")},     {"tailleZ", champNomme(f, "tailleZ")}};
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
        const double pixels = double(vue.width() - 2 * cadreApercu) / f.sessionEnCours().scanner()->axes[0].compte;
        auto voxel = [&](int p) { return QString::number(qRound((p - cadreApercu) / pixels)); };
        const QString boite = trace.isNull() ? QString("sans boîte")
                                             : QStringList{voxel(trace.left()), voxel(trace.right() + 1),
                                                           voxel(trace.top()), voxel(trace.bottom() + 1)}
                                                   .join(' ');
        const auto *note = f.findChild<QLabel *>("noteCadre");
        QCOMPARE(QString("%1 %2 %3 ; %4")
                         .arg(champNomme(f, "champDimX")->text(), champNomme(f, "champDimY")->text(),
                              champNomme(f, "champDimZ")->text(), boite)
                     + (note->isHidden() ? QString() : " ; " + note->text()),
                 attendu);
    }

    // The box typed, then the planes and the CT again: the fields come back
    // as the user left them (six digits at most, the exact number behind,
    // a refused text as typed), and "Egsphant" writes quarvel-phantom's file
    // of that box, or refuses the first text that is no number.
    void cadreParSource_data()
    {
        QTest::addColumn<QStringList>("saisies"); // field, text
        QTest::addColumn<QString>("montre");      // the fields typed, as shown on return
        QTest::addColumn<QString>("attendu");     // --crop of the same box, or the refusal
        QTest::newRow("jusqu'à X") << QStringList{"boiteMax0", "0,5"} << "0.5" << "-1.2,0.5,-1.25,1.25,9.8,11.8";
        QTest::newRow("plus de six chiffres")
            << QStringList{"boiteMax1", "1.23456789", "origineY", "-1.0987654321"} << "1.23457 -1.09877"
            << "-1.2,1.2,-1.0987654321,1.23456789,9.8,11.8";
        QTest::newRow("jusqu'à Z refusé") << QStringList{"boiteMax2", "abc"} << "abc"
                                          << "Jusqu'à Z : « abc » n'est pas un nombre.";
        QTest::newRow("X avant Y") << QStringList{"origineY", "q", "boiteMax0", "z"} << "q z"
                                   << "Jusqu'à X : « z » n'est pas un nombre.";
    }
    void cadreParSource()
    {
        QFETCH(QStringList, saisies);
        QFETCH(QString, montre);
        QFETCH(QString, attendu);
        Interface f;
        ouvrir(f);
        for (int i = 0; i + 1 < saisies.size(); i += 2) {
            champNomme(f, qPrintable(saisies[i]))->clear();
            QTest::keyClicks(champNomme(f, qPrintable(saisies[i])), saisies[i + 1]);
        }
        cocheNommee(f, "choixScanner")->setChecked(false);
        QVERIFY(!champNomme(f, "boiteMax0")->isEnabled() && champNomme(f, "boiteMax0")->text().isEmpty());
        QCOMPARE(champNomme(f, "origineY")->text(), QString("-15.0"));
        cocheNommee(f, "choixScanner")->setChecked(true);
        QStringList vus;
        for (int i = 0; i + 1 < saisies.size(); i += 2)
            vus << champNomme(f, qPrintable(saisies[i]))->text();
        QCOMPARE(vus.join(' '), montre);
        QVERIFY(champNomme(f, "boiteMax0")->isEnabled());

        QFile::remove(d("fenetre.egsphant"));
        champNomme(f, "fichierEgsphant")->setText(d("fenetre.egsphant"));
        f.evalue();
        if (!attendu.startsWith('-')) {
            QCOMPARE(etatDe(f)->text(), attendu);
            QVERIFY(!QFile::exists(d("fenetre.egsphant")));
            return;
        }
        QVERIFY2(etatDe(f)->text().startsWith("Fantôme écrit"), qPrintable(etatDe(f)->text()));
        const Resultat r = lancer({"--ct", serie, "--series", uid, "--pegs", d("essai.pegs4dat"), "--crop", attendu,
                                   "-o", d("lot.egsphant")});
        QCOMPARE(r.statut, 0);
        QCOMPARE(lire(d("fenetre.egsphant")), lire(d("lot.egsphant")));
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
            // A set of many regions: its table scrolls inside its panel.
            StructuresEssai jeu = jeuFenetre();
            for (int k = 4; k <= 20; ++k)
                jeu.regions.push_back(RegionEssai{k, "ORGANE " + std::to_string(k), "ORGAN", "0\\0\\255", {}});
            QVERIFY(ecrireFichier(d("nombreuses.dcm"), octetsStructures(jeu)));
            f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) {
                return d("nombreuses.dcm");
            };
            cliquer(f, "Structures…");
            QCOMPARE(tableStructures(f)->rowCount(), 20);
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
            QVERIFY(tableNommee(f, "tableRampe")->columnViewportPosition(c)
                            + tableNommee(f, "tableRampe")->columnWidth(c)
                    <= tableNommee(f, "tableRampe")->viewport()->width());
        QCOMPARE(tableStructures(f)->isVisible(), ct);
        QCOMPARE(tableStructures(f)->verticalScrollBar()->isVisible(), ct);
    }

    // The CT's row shows the folder read and offers its tick; a folder
    // refused leaves the row as it was.
    void rangeeScanner()
    {
        Interface f;
        QVERIFY(!cocheNommee(f, "choixScanner")->isEnabled());
        ouvrir(f);
        QCOMPARE(champNomme(f, "fichierScanner")->text(), serie);
        QVERIFY(cocheNommee(f, "choixScanner")->isEnabled() && cocheNommee(f, "choixScanner")->isChecked());
        const QString vide = d("sans coupes");
        QDir().mkpath(vide);
        f.choisirDossier = [vide](QWidget *, const QString &, const QString &) { return vide; };
        f.selectScanner();
        QVERIFY(!etatDe(f)->text().isEmpty());
        QCOMPARE(champNomme(f, "fichierScanner")->text(), serie);
        QVERIFY(cocheNommee(f, "choixScanner")->isEnabled());
    }

    // The ramp as typed, a row just added and a refused text included, is
    // found again after a switch to the planes and back; the build names the empty row.
    void rampeGardee()
    {
        Interface f;
        ouvrir(f);
        tableNommee(f, "tableRampe")->item(2, 1)->setText("1OO");
        tableNommee(f, "tableRampe")->setCurrentCell(0, 0);
        cliquer(f, "Ajouter");
        cocheNommee(f, "choixScanner")->setChecked(false);
        QVERIFY(!tableNommee(f, "tableRampe")->isVisibleTo(&f));
        cocheNommee(f, "choixScanner")->setChecked(true);
        QCOMPARE(tableNommee(f, "tableRampe")->rowCount(), 5);
        const QTableWidgetItem *ajoutee = tableNommee(f, "tableRampe")->item(1, 0);
        QVERIFY(!ajoutee || ajoutee->text().isEmpty());
        QCOMPARE(tableNommee(f, "tableRampe")->item(3, 1)->text(), QString("1OO"));
        champNomme(f, "fichierEgsphant")->setText(d("ajoutee.egsphant"));
        f.evalue();
        QVERIFY2(etatDe(f)->text().startsWith("Rampe, ligne 2 du tableau : nom de milieu vide"),
                 qPrintable(etatDe(f)->text()));
        QVERIFY(!QFile::exists(d("ajoutee.egsphant")));
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
        QCOMPARE(etatDe(f)->text(), QString("Rampe, ligne 2 du tableau : HU_MAX -960 ne dépasse pas celui de la ligne "
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
