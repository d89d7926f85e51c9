// A label volume in the window, through its real widgets: it takes the planes'
// place, builds quarvel-phantom's file, and gives the planes back when unticked.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "fenetre.h"
#include "outils.h"
#include "volumeitk.h"

namespace {

const QByteArray pegs = " MEDIUM=AG                      ,STERNCID=AG\n COMP,RHO= 1.0500E+01,NE= 1\n"
                        " MEDIUM=EAU                     ,STERNCID=EAU\n COMP,RHO= 1.0000E+00,NE= 2\n";

// 4 × 3 × 2 voxels, three values in turn, beyond a byte's range.
int valeur(int x, int y, int z) { return QVector<int>{300, 7, 0}[(x + y + z) % 3]; }

// Voxels of 2, 3 and 5 mm, the first centred at (10, -20, 30) mm, unless told otherwise.
bool ecrireVolume(const QString &chemin, std::array<double, 3> pas = {2, 3, 5},
                  std::array<double, 3> centre = {10, -20, 30})
{
    return ecrireEtiquettes(chemin, {4, 3, 2}, pas, centre, valeur);
}

// What the window shows that a volume may change; the volume's own path and
// tick aside when avecVolume is false.
QStringList vue(const Interface &f, bool avecVolume = true)
{
    QStringList textes;
    for (QLineEdit *champ : f.findChildren<QLineEdit *>())
        if ((avecVolume || champ != champNomme(f, "fichierVolume")) && !tableMateriaux(f)->isAncestorOf(champ))
            textes << champ->text() + (champ->isEnabled() ? "" : " (grisé)");
    for (QCheckBox *choix : f.findChildren<QCheckBox *>())
        if (avecVolume || choix != cocheNommee(f, "choixVolume"))
            textes << QString("%1 %2").arg(choix->isChecked()).arg(choix->isEnabled());
    for (const LigneTable &l : lignesTable(f))
        textes << QString("%1 %2 %3 %4").arg(l.niveauGris).arg(l.comboNom->currentText(), l.comboDensite->currentText())
                      .arg(l.choixFond->isChecked());
    return textes << QString::number(imageNommee(f, "infoXY")->montree().width());
}

// The colour of a row's swatch, at its centre.
QRgb echantillon(const Interface &f, int niveau)
{
    const int i = int(f.sessionEnCours().niveaux().indexOf(niveau));
    return static_cast<QLabel *>(tableMateriaux(f)->cellWidget(i, 0))->pixmap().toImage().pixel(10, 10);
}

} // namespace

class TestFenetreVolume : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }

    // Builds in the window, then with quarvel-phantom: the same bytes.
    void memeFichier(Fenetre &w, const QStringList &arguments)
    {
        champNomme(w.f, "fichierEgsphant")->setText(d("fenetre.egsphant"));
        w.f.evalue();
        QVERIFY2(QFileInfo::exists(d("fenetre.egsphant")), qPrintable(etatDe(w.f)->text()));
        const Resultat r = lancer(QStringList{"--pegs", d("cat.pegs4dat"), "-o", d("lot.egsphant")} + arguments);
        QVERIFY2(r.statut == 0, qPrintable(r.erreurs));
        QCOMPARE(lire(d("fenetre.egsphant")), lire(d("lot.egsphant")));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QVERIFY(ecrireFichier(d("cat.pegs4dat"), pegs));
        QVERIFY(ecrireVolume(d("tete.seg.nrrd")));
        QVERIFY(QDir(dossier.path()).mkdir("coupes"));
        for (int z : {0, 1}) { // "c10" before "c2" letter by letter, after it naturally
            QImage coupe(4, 3, QImage::Format_RGB32);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 4; ++x) {
                    const int gris = valeur(x, y, z) / 2;
                    coupe.setPixel(x, y, qRgb(gris, gris, gris));
                }
            QVERIFY(coupe.save(d(z ? "coupes/c10.png" : "coupes/c2.png")));
        }
        QVERIFY(ecrireFichier(d("texte.nrrd"), "pas un volume\n"));
        QVERIFY(QDir(dossier.path()).mkdir("vide"));
        // Its second x boundary at 0, which a field's six digits would miss.
        QVERIFY(ecrireVolume(d("fin.nrrd"), {0.9765625, 2, 3}, {-1.46484375, 11, 31.5}));
    }

    void fichierVolume()
    {
        Fenetre w;
        w.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        w.lancer(&Interface::selectXY, d("coupes/c2.png"));
        champNomme(w.f, "tailleX")->setText("0.5");
        champNomme(w.f, "fichierEgsphant")->setText(d("fenetre.egsphant"));
        const QStringList plans = vue(w.f, false);
        w.cliquer("Volume…", d("tete.seg.nrrd"));
        QCOMPARE(etatDe(w.f)->text(), QString("Volume : tete.seg.nrrd, 4 × 3 × 2, 3 valeurs"));
        QCOMPARE(w.f.sessionEnCours().niveaux(), QVector<int>({300, 7, 0}));
        QVERIFY(cocheNommee(w.f, "choixVolume")->isChecked() && !cocheNommee(w.f, "choixXY")->isChecked()
                && !cocheNommee(w.f, "choixXY")->isEnabled());
        // The box unticked by the switch; the session keeps the planes' own tick for their return.
        QVERIFY(w.f.sessionEnCours().plan(PlanImage::XY).coche && !w.f.sessionEnCours().plan(PlanImage::YZ).coche);
        QVERIFY(!cocheNommee(w.f, "choixYZ")->parentWidget()->isEnabled()
                && !cocheNommee(w.f, "choixXZ")->parentWidget()->isEnabled());
        QCOMPARE(vue(w.f).mid(5, 9), QStringList({"0.2", "0.3", "0.5", "0.9", "-2.15", "2.75", "4 (grisé)",
                                                  "3 (grisé)", "2 (grisé)"}));
        // The middle slice, z = 1, each voxel in its row's swatch colour.
        const QImage coupe = imageNommee(w.f, "infoXY")->montree();
        QCOMPARE(coupe.size(), QSize(4, 3));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(coupe.pixel(x, y), echantillon(w.f, valeur(x, y, 1)));

        taper(ligne(w.f, 7)->comboNom, "EAU");
        ligne(w.f, 0)->choixFond->click();
        champNomme(w.f, "tailleZ")->setText("0.25"); // overrides the file, as --size does
        memeFichier(w, {"--volume", d("tete.seg.nrrd"), "--medium", "7=EAU", "--background", "0", "--size",
                        "0.2,0.3,0.25"});

        cocheNommee(w.f, "choixVolume")->click();
        QCOMPARE(vue(w.f, false), plans);
        cocheNommee(w.f, "choixVolume")->click(); // the volume again, as the user left it
        QCOMPARE(ligne(w.f, 7)->comboNom->currentText().trimmed(), QString("EAU"));
        QVERIFY(ligne(w.f, 0)->choixFond->isChecked() && champNomme(w.f, "tailleZ")->text() == "0.25");

        // A text that is no number comes back with its source, and the build refuses it as typed.
        champNomme(w.f, "origineY")->setText("a");
        cocheNommee(w.f, "choixVolume")->click();
        QCOMPARE(champNomme(w.f, "origineY")->text(), QString("-15.0")); // the planes' own
        cocheNommee(w.f, "choixVolume")->click();
        QCOMPARE(champNomme(w.f, "origineY")->text(), QString("a"));
        QFile::remove(d("fenetre.egsphant"));
        w.f.evalue();
        QCOMPARE(etatDe(w.f)->text(), QString("Origine Y : « a » n'est pas un nombre."));
        QVERIFY(!QFile::exists(d("fenetre.egsphant")));
    }

    // Sizes and origin with more digits than a field can show: six at most,
    // each shown whole, the file's exact values built all the same; a typed
    // one replaces them.
    void chiffresSignificatifs()
    {
        Fenetre w;
        w.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        w.cliquer("Volume…", d("fin.nrrd"));
        const QList<QLineEdit *> champs{champNomme(w.f, "tailleX"),  champNomme(w.f, "tailleY"),
                                        champNomme(w.f, "tailleZ"),  champNomme(w.f, "origineX"),
                                        champNomme(w.f, "origineY"), champNomme(w.f, "origineZ")};
        w.f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.f));
        for (QLineEdit *champ : champs) {
            // Shown whole: a number cut at the field's edge reads as another.
            QVERIFY2(champ->fontMetrics().horizontalAdvance(champ->text()) + 8 <= champ->width(),
                     qPrintable(champ->text()));
            const QString chiffres = champ->text().section('e', 0, 0).remove(QRegularExpression("[-.]")).remove(
                QRegularExpression("^0+"));
            QVERIFY2(chiffres.size() <= 6, qPrintable(champ->text()));
            // A number wider than its field is read from its first digit, not its last.
            QCOMPARE(champ->cursorPosition(), 0);
        }
        memeFichier(w, {"--volume", d("fin.nrrd")});
        const QByteArray exact = lire(d("fenetre.egsphant"));
        // The text shown, typed again: now the user's value, not the file's.
        const QString montre = champNomme(w.f, "origineX")->text();
        champNomme(w.f, "origineX")->clear();
        QTest::keyClicks(champNomme(w.f, "origineX"), montre);
        memeFichier(w, {"--volume", d("fin.nrrd"), "--origin", montre + ",1,3"});
        QVERIFY(lire(d("fenetre.egsphant")) != exact);
    }

    // Slices in the natural order of their names; sizes and origin from the fields.
    void dossierDeCoupes()
    {
        Fenetre w;
        w.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        w.cliquer("Coupes…", d("coupes"));
        QCOMPARE(etatDe(w.f)->text(),
                 QString("Coupes : coupes, 4 × 3 × 2, 3 valeurs ; taille et origine : celles des champs"));
        QCOMPARE(w.f.sessionEnCours().niveaux(), QVector<int>({150, 3, 0}));
        QCOMPARE(echantillon(w.f, 150), qRgb(150, 150, 150));
        QCOMPARE(champNomme(w.f, "tailleX")->text() + champNomme(w.f, "origineX")->text(), QString("1.0-15.0"));
        memeFichier(w, {"--volume", d("coupes")});
    }

    // A refused file or folder leaves the planes, or the volume in use, as they were, and says why.
    void refus()
    {
        Fenetre w;
        w.lancer(&Interface::selectXY, d("coupes/c2.png"));
        for (bool volume : {false, true}) {
            if (volume)
                w.cliquer("Volume…", d("tete.seg.nrrd"));
            const QStringList attendue = vue(w.f);
            w.cliquer("Volume…", d("texte.nrrd"));
            QCOMPARE(etatDe(w.f)->text(), "Volume « " + d("texte.nrrd") + " » : format non reconnu : NRRD, NIfTI ou "
                                                                      "MetaImage attendu");
            QCOMPARE(vue(w.f), attendue);
            w.cliquer("Coupes…", d("vide"));
            QCOMPARE(etatDe(w.f)->text(), "Dossier « " + d("vide") + " » : aucune image");
            QCOMPARE(vue(w.f), attendue);
        }
    }
};

QTEST_MAIN(TestFenetreVolume)
#include "tst_fenetrevolume.moc"
