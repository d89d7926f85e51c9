// Grey-level tables and the material table's rows that keep the user's work:
// the file format, the rows across rebuilds, typed names, and loading and
// saving through the window's buttons.
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sstream>

#include "batch/lot.h"
#include "media/tablegris.h"
#include "window/interface.h"
#include "widgets.h"
#include "fenetre.h"
#include "outils.h"

namespace {

const QList<Milieu> catalogue = {{"AIR521ICRU      ", 0.00120479}, {"H2O521ICRU   ", 1.0}, {"ICRPBONE521ICRU", 1.85}};

const QByteArray pegs = " MEDIUM=AIR521ICRU      ,STERNCID=AIR\n"
                        " MIXT,RHO= 1.20479E-03,NE= 4\n"
                        " MEDIUM=H2O521ICRU   ,STERNCID=H2O\n"
                        " COMP,RHO= 1.0000E+00,NE= 2\n"
                        " MEDIUM=ICRPBONE521ICRU,STERNCID=B\n"
                        " COMP,RHO= 1.8500E+00,NE= 2\n";

// The table as runs of levels with one choice: "0-9 NAME/DENSITY; ...; fond N".
QString resume(const TableGris &table)
{
    QStringList parties;
    const int n = int(table.choix.size());
    for (int g = 0; g < n; ++g) {
        const auto &c = table.choix[size_t(g)];
        if (!c)
            continue;
        int fin = g;
        while (fin + 1 < n && table.choix[size_t(fin + 1)] && table.choix[size_t(fin + 1)]->nom == c->nom
               && table.choix[size_t(fin + 1)]->texteDensite == c->texteDensite)
            ++fin;
        parties << (fin == g ? QString::number(g) : QString("%1-%2").arg(g).arg(fin)) + " " + c->nom + "/"
                       + c->texteDensite;
        g = fin;
    }
    if (table.fond >= 0)
        parties << QString("fond %1").arg(table.fond);
    return parties.join("; ");
}

bool ecrire(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

QString ecrireImage(const QString &chemin, const QVector<int> &niveaux)
{
    QImage image(int(niveaux.size()), 2, QImage::Format_RGB32);
    for (int x = 0; x < niveaux.size(); ++x)
        for (int y = 0; y < 2; ++y)
            image.setPixel(x, y, qRgb(niveaux[x], niveaux[x], niveaux[x]));
    return image.save(chemin, "BMP") ? chemin : QString();
}

QString choix(const Interface &f, int niveau)
{
    const LigneTable *l = ligne(f, niveau);
    return l ? l->comboNom->currentText() + "/" + l->comboDensite->currentText() : QString("ABSENT");
}

} // namespace

class TestTableGris : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QVERIFY(ecrire(d("cat.pegs4dat"), pegs));
        QVERIFY(!ecrireImage(d("xy.bmp"), {255, 200, 100, 30, 0}).isEmpty());
        QVERIFY(!ecrireImage(d("yz.bmp"), {128, 0}).isEmpty());
    }

    void lecture_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<QString>("attendu"); // the table read, or the start of the refusal
        QTest::newRow("niveau seul, nom du catalogue") << QByteArray("12 AIR521ICRU\n") << "12 AIR521ICRU      /0.00120479";
        QTest::newRow("plages, densité donnée")
            << QByteArray("0-9 H2O521ICRU\n200-255 Gel 1.07\n") << "0-9 H2O521ICRU   /1; 200-255 Gel/1.07";
        QTest::newRow("nom du catalogue, densité donnée, tabulations")
            << QByteArray("7\tH2O521ICRU\t\t0.5") << "7 H2O521ICRU   /0.5";
        QTest::newRow("casse") << QByteArray("8 h2o521icru\n") << "8 H2O521ICRU   /1";
        QTest::newRow("commentaires, lignes vides")
            << QByteArray("# en-tête 0 AIR\n\n \t \n5 ICRPBONE521ICRU # os\n#fond 3\n  6-6 Gel 2e-1#\n")
            << "5 ICRPBONE521ICRU/1.85; 6 Gel/2e-1";
        QTest::newRow("fond") << QByteArray("0-255 AIR521ICRU\nfond 40\n") << "0-255 AIR521ICRU      /0.00120479; fond 40";
        QTest::newRow("fins de ligne CRLF") << QByteArray("1 AIR521ICRU\r\n2 Gel 1.07\r\nfond 2\r\n")
                                            << "1 AIR521ICRU      /0.00120479; 2 Gel/1.07; fond 2";
        QTest::newRow("BOM UTF-8, nom accentué") << QByteArray("\xEF\xBB\xBF" "3 Gélatine 2\n") << "3 Gélatine/2";
        QTest::newRow("recouvrement") << QByteArray("0-10 AIR521ICRU\n# x\n10-20 Gel 1\n")
                                      << "lignes 1 et 3 : les niveaux se recouvrent (10)";
        QTest::newRow("densité avec virgule") << QByteArray("4 Gel 1,07\n") << "ligne 1 : densité « 1,07 » invalide";
        QTest::newRow("densité nulle") << QByteArray("4 Gel 0\n") << "ligne 1 : densité « 0 » invalide";
        QTest::newRow("densité non numérique") << QByteArray("4 Gel dense\n") << "ligne 1 : densité « dense » invalide";
        QTest::newRow("nom inconnu") << QByteArray("1 AIR521ICRU\n4 Plomb\n") << "ligne 2 : aucun milieu « Plomb » dans le catalogue";
        QTest::newRow("plage à l'envers") << QByteArray("9-3 Gel 1\n") << "ligne 1 : « 9-3 » n'est ni un niveau";
        QTest::newRow("valeurs d'un volume")
            << QByteArray("256 Gel 1\n1000-65535 Os 1.85\nfond 65535\n") << "256 Gel/1; 1000-65535 Os/1.85; fond 65535";
        QTest::newRow("niveau 65536") << QByteArray("65530-65536 Gel 1\n")
                                      << "ligne 1 : « 65530-65536 » n'est ni un niveau de gris N ni une plage N-M "
                                         "(0 ≤ N ≤ M ≤ 65535)";
        QTest::newRow("fond 65536") << QByteArray("fond 65536\n") << "ligne 1 : « fond » attend un seul niveau de gris, de 0 à 65535";
        QTest::newRow("nom manquant") << QByteArray("\n2\n") << "ligne 2 : nom de milieu manquant après « 2 »";
        QTest::newRow("trop de champs") << QByteArray("2 Gel 1 x\n") << "ligne 1 : trop de champs à partir de « x »";
        QTest::newRow("deux fonds") << QByteArray("fond 1\nfond 2\n") << "lignes 1 et 2 : deux lignes « fond »";
        QTest::newRow("fond en plage") << QByteArray("fond 1-3\n") << "ligne 1 : « fond » attend un seul niveau";
        QTest::newRow("pas de l'UTF-8") << QByteArray("1 G\xE9l 1\n") << "ligne 1 : texte qui n'est pas de l'UTF-8";
        QTest::newRow("CRLF, erreur en ligne 2") << QByteArray("1 Gel 1\r\n2 Gel x\r\n") << "ligne 2 : densité « x » invalide";
        QTest::newRow("caractère de contrôle") << QByteArray("1 G\x01l 1\n") << "ligne 1 : nom « G\\x01l » refusé : il contient un caractère de contrôle (U+0001)";
    }
    void lecture()
    {
        QFETCH(QByteArray, texte);
        QFETCH(QString, attendu);
        TableGris table;
        table.fond = 77; // a refused table leaves what was there
        QString erreur;
        const bool lue = lireTableGris(texte, catalogue, table, &erreur);
        if (attendu.startsWith("ligne")) {
            QVERIFY(!lue);
            QVERIFY2(erreur.startsWith(attendu), qPrintable(erreur));
            QCOMPARE(resume(table), QString("fond 77"));
        } else {
            QVERIFY2(lue, qPrintable(erreur));
            QCOMPARE(resume(table), attendu);
        }

        // The same through a file; the message then names it.
        QVERIFY(ecrire(d("lecture.txt"), texte));
        TableGris parFichier;
        QCOMPARE(chargerTableGris(d("lecture.txt"), catalogue, parFichier, &erreur), lue);
        if (lue)
            QCOMPARE(resume(parFichier), attendu);
        else
            QVERIFY2(erreur.startsWith("Table « " + d("lecture.txt") + " » : " + attendu), qPrintable(erreur));
    }

    // Rows keep what the user set: a catalogue read after the pictures fills
    // only the empty ones, a new picture adds rows and moves nothing.
    void lignesGardees()
    {
        Fenetre w;
        w.lancer(&Interface::selectXY, d("xy.bmp"));
        QCOMPARE(ligne(w.f, 255)->comboNom->count(), 0);
        taper(ligne(w.f, 30)->comboNom, "Gel");
        taper(ligne(w.f, 30)->comboDensite, "1.07");
        ligne(w.f, 0)->choixFond->click();
        w.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        QCOMPARE(choix(w.f, 255), QString("AIR521ICRU      /0.00120479"));
        QCOMPARE(ligne(w.f, 30)->comboNom->count(), 3);
        QCOMPARE(ligne(w.f, 30)->comboDensite->count(), 0); // no catalogue density for a name of the user's own
        QTest::keyClick(ligne(w.f, 100)->comboNom, Qt::Key_Down);
        w.lancer(&Interface::selectYZ, d("yz.bmp"));
        QCOMPARE(w.f.niveauxGris, QVector<int>({255, 200, 128, 100, 30, 0}));
        const QStringList attendus{"AIR521ICRU      /0.00120479", "AIR521ICRU      /0.00120479",
                                   "AIR521ICRU      /0.00120479", "H2O521ICRU   /1", "Gel/1.07",
                                   "AIR521ICRU      /0.00120479"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(choix(w.f, w.f.niveauxGris[i]), attendus[i]);
        QVERIFY(ligne(w.f, 0)->choixFond->isChecked());
    }

    // A typed catalogue name becomes that medium; any other name leaves the density to the user.
    void nomTape()
    {
        Fenetre w;
        w.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        w.lancer(&Interface::selectXY, d("xy.bmp"));
        const LigneTable *l = ligne(w.f, 100);
        taper(l->comboNom, "  icrpbone521icru ");
        QCOMPARE(choix(w.f, 100), QString("ICRPBONE521ICRU/1.85"));
        taper(l->comboNom, "Gel");
        QCOMPARE(choix(w.f, 100), QString("Gel/"));
        QCOMPARE(ligne(w.f, 200)->comboNom->count(), 3); // nothing inserted anywhere
        champNomme(w.f, "fichierEgsphant")->setText(d("tape.egsphant"));
        champNomme(w.f, "champDimZ")->setText("1");
        w.f.evalue();
        QCOMPARE(etatDe(w.f)->text(), QString("Niveau de gris 100 : densité «  » invalide"));
        QVERIFY(!QFileInfo::exists(d("tape.egsphant")));
        taper(l->comboDensite, "1.85");
        QCOMPARE(choix(w.f, 100), QString("Gel/1.85")); // a density that is also bone's keeps the name
        taper(l->comboNom, "Gel2");
        QCOMPARE(choix(w.f, 100), QString("Gel2/1.85")); // the user's own density stays
        w.f.evalue();
        QVERIFY2(QFileInfo::exists(d("tape.egsphant")), qPrintable(etatDe(w.f)->text()));
    }

    // Window to file to a fresh window: the same table text back, the same phantom bytes.
    void allerRetour()
    {
        Fenetre a;
        a.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        a.lancer(&Interface::selectXY, d("xy.bmp"));
        a.lancer(&Interface::selectYZ, d("yz.bmp"));
        QTest::keyClick(ligne(a.f, 200)->comboNom, Qt::Key_Down);  // water from the list
        QTest::keyClick(ligne(a.f, 100)->comboNom, Qt::Key_Down); // bone from the list ...
        QTest::keyClick(ligne(a.f, 100)->comboNom, Qt::Key_Down);
        taper(ligne(a.f, 100)->comboDensite, "1.92");             // ... made denser
        taper(ligne(a.f, 30)->comboNom, "Gel");
        taper(ligne(a.f, 30)->comboDensite, "1.07");
        ligne(a.f, 0)->choixFond->click();
        a.cliquer("Enregistrer la table…", d("aller.txt"));
        QCOMPARE(etatDe(a.f)->text(), "Table enregistrée dans « " + d("aller.txt") + " » : 6 niveaux");
        QCOMPARE(lire(d("aller.txt")), QByteArray("# Table de niveaux de gris : NIVEAUX NOM [DENSITE] par ligne, puis fond NIVEAU\n"
                                                  "255 AIR521ICRU\n200 H2O521ICRU\n128 AIR521ICRU\n"
                                                  "100 ICRPBONE521ICRU 1.92\n30 Gel 1.07\n0 AIR521ICRU\nfond 0\n"));
        champNomme(a.f, "fichierEgsphant")->setText(d("aller.egsphant"));
        a.f.evalue();

        Fenetre b;
        b.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        b.lancer(&Interface::selectXY, d("xy.bmp"));
        b.lancer(&Interface::selectYZ, d("yz.bmp"));
        b.cliquer("Charger une table…", d("aller.txt"));
        QCOMPARE(etatDe(b.f)->text(), "Table « " + d("aller.txt") + " » chargée : 6 niveaux réglés");
        b.cliquer("Enregistrer la table…", d("retour.txt"));
        QCOMPARE(lire(d("retour.txt")), lire(d("aller.txt")));
        champNomme(b.f, "fichierEgsphant")->setText(d("retour.egsphant"));
        b.f.evalue();
        QVERIFY2(QFileInfo::exists(d("retour.egsphant")), qPrintable(etatDe(b.f)->text()));
        QCOMPARE(lire(d("retour.egsphant")), lire(d("aller.egsphant")));
    }

    // The same table in the window and in the batch command gives the same file.
    void fenetreEtCommande()
    {
        QVERIFY(ecrire(d("commune.txt"), "0-99 ICRPBONE521ICRU   # os\n100-199 Gel 1.07\nfond 30\n250 X 1\n"));
        Fenetre w;
        w.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        w.lancer(&Interface::selectXY, d("xy.bmp"));
        taper(ligne(w.f, 255)->comboNom, "H2O521ICRU"); // not in the table: kept
        w.cliquer("Charger une table…", d("commune.txt"));
        QCOMPARE(etatDe(w.f)->text(), "Table « " + d("commune.txt") + " » chargée : 3 niveaux réglés ; "
                                   "sans entrée dans la table : 255, 200");
        QCOMPARE(choix(w.f, 255), QString("H2O521ICRU   /1"));
        QCOMPARE(choix(w.f, 100), QString("Gel/1.07"));
        QVERIFY(ligne(w.f, 30)->choixFond->isChecked());
        champNomme(w.f, "champDimZ")->setText("2");
        champNomme(w.f, "fichierEgsphant")->setText(d("fenetre.egsphant"));
        w.f.evalue();
        QVERIFY2(QFileInfo::exists(d("fenetre.egsphant")), qPrintable(etatDe(w.f)->text()));

        std::ostringstream sortie, erreurs;
        const int statut = executerLot({"--pegs", d("cat.pegs4dat"), "--xy", d("xy.bmp"), "--counts", "5,2,2",
                                        "--table", d("commune.txt"), "--medium", "255=H2O521ICRU",
                                        "-o", d("lot.egsphant")},
                                       sortie, erreurs);
        // The window's notes: level 200 has no entry, the table's Gel is not in the catalogue.
        QVERIFY(QString::fromStdString(erreurs.str()).startsWith("Attention : le niveau de gris laissé sans choix au "
                                                                 "premier milieu du catalogue, AIR521ICRU : 200\n"
                                                                 "Attention : le milieu « Gel » n'est pas dans"));
        QCOMPARE(QString::fromStdString(erreurs.str()), etatDe(w.f)->text().section('\n', 1) + '\n');
        QCOMPARE(statut, 0);
        QCOMPARE(lire(d("lot.egsphant")), lire(d("fenetre.egsphant")));
    }

    // A refused table changes nothing in the rows; a table loaded before any
    // picture sets the rows the pictures bring.
    void refusEtTableAvantImages()
    {
        QVERIFY(ecrire(d("mauvaise.txt"), "0-255 Gel 1\n30 Os 2\n"));
        QVERIFY(ecrire(d("avant.txt"), "30 Gel 1.07\nfond 100\n"));
        Fenetre w;
        w.lancer(&Interface::selectMat, d("cat.pegs4dat"));
        w.cliquer("Charger une table…", d("avant.txt"));
        QVERIFY(etatDe(w.f)->text().endsWith(
                "chargée ; aucune image choisie : elle réglera les niveaux des images à venir"));
        w.lancer(&Interface::selectXY, d("xy.bmp"));
        QCOMPARE(choix(w.f, 30), QString("Gel/1.07"));
        QVERIFY(ligne(w.f, 100)->choixFond->isChecked());
        w.cliquer("Charger une table…", d("mauvaise.txt"));
        QCOMPARE(etatDe(w.f)->text(),
                 "Table « " + d("mauvaise.txt") + " » : lignes 1 et 2 : les niveaux se recouvrent (30)");
        QCOMPARE(choix(w.f, 30), QString("Gel/1.07"));
        QCOMPARE(choix(w.f, 0), QString("AIR521ICRU      /0.00120479"));

        // A row that a table could not give back is refused, and no file is written.
        taper(ligne(w.f, 200)->comboNom, "Gel froid");
        taper(ligne(w.f, 200)->comboDensite, "1");
        w.cliquer("Enregistrer la table…", d("refusee.txt"));
        QCOMPARE(etatDe(w.f)->text(),
                 QString("Niveau de gris 200 : le nom « Gel froid » compte plusieurs mots ; une table "
                         "n'en garde qu'un"));
        QVERIFY(!QFileInfo::exists(d("refusee.txt")));
        taper(ligne(w.f, 200)->comboNom, "Gel");
        w.cliquer("Enregistrer la table…", d("absent/table.txt"));
        QVERIFY2(etatDe(w.f)->text().startsWith("Table « " + d("absent/table.txt") + " » non écrite : "),
                 qPrintable(etatDe(w.f)->text()));
        QVERIFY(!QFileInfo::exists(d("absent")));
    }

    // The save button through the real dialog.
    void dialogueEnregistrement()
    {
        Interface f;
        f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &filtre) {
            return filtre.contains("pegs4dat") ? d("cat.pegs4dat") : d("xy.bmp");
        };
        f.selectMat();
        f.selectXY();
        const QString chemin = d("dialogue.txt");
        QString titre;
        int essais = 0;
        QTimer minuteur;
        minuteur.setInterval(20);
        // Answers until the dialog is gone: the name box's completer works
        // on its own thread and may still be busy at the first answer.
        connect(&minuteur, &QTimer::timeout, this, [&] {
            auto *dialogue = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialogue)
                return;
            titre = dialogue->windowTitle();
            if (++essais > 50) {
                dialogue->reject();
                return;
            }
            auto *saisie = dialogue->findChild<QLineEdit *>("fileNameEdit");
            if (saisie)
                saisie->setText(chemin);
            else
                dialogue->selectFile(chemin);
            static_cast<QDialog *>(dialogue)->accept();
        });
        minuteur.start();
        bouton(f, "Enregistrer la table…")->click();
        minuteur.stop();
        QCOMPARE(titre, QString("Enregistrer la table"));
        QCOMPARE(lire(chemin).split('\n').mid(1), QList<QByteArray>({"255 AIR521ICRU", "200 AIR521ICRU", "100 AIR521ICRU",
                                                                      "30 AIR521ICRU", "0 AIR521ICRU", "fond 255", ""}));
    }
};

QTEST_MAIN(TestTableGris)
#include "tst_tablegris.moc"
