// Long writes: the window's progress bar and its "Annuler", no second build
// while one runs, and the batch command's progress line on a terminal only.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

#include "batch/lot.h"
#include "egsphant/egsphant.h"
#include "window/interface.h"
#include "widgets.h"
#include "outils.h"

namespace {

QPushButton *bouton(QWidget &fenetre, const QString &texte)
{
    for (QPushButton *b : fenetre.findChildren<QPushButton *>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

// What a timer sees and does while the window builds.
struct Pendant
{
    bool vu = false;           // the progress row was shown
    bool champsBloques = false; // no field or button of the groups took input
    bool secondeRefusee = false;
    QString etat;              // the status line during the write
    QString etatApres;         // ... and after the second attempts
    QString question;          // what closing the window asked
};

} // namespace

class TestSuivi : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }

    // A window whose XY plane, extruded over dimZ slices, makes a text of
    // about 2.7 MB per slice.
    void preparer(Interface &f, const QString &dimZ, const QString &sortie)
    {
        f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) {
            return d("xy.bmp");
        };
        f.selectXY();
        QCOMPARE(f.niveauxGris, QVector<int>({255, 30}));
        lignesTable(f).at(0).comboNom->setCurrentText("AIR");
        lignesTable(f).at(0).comboDensite->setCurrentText("0.0012048");
        lignesTable(f).at(1).comboNom->setCurrentText("OS");
        lignesTable(f).at(1).comboDensite->setCurrentText("1.85");
        champNomme(f, "champDimZ")->setText(dimZ);
        champNomme(f, "fichierEgsphant")->setText(sortie);
    }

    // What the timer does last: nothing, click "Annuler", press Escape, or
    // close the window and answer Yes or No to the question it asks.
    enum class Fin { Rien, Annuler, Echap, FermerOui, FermerNon };

    // Runs the "Egsphant" button while a timer, once the progress shows, tries
    // a second build three ways and then ends as fin says.
    Pendant construire(Interface &f, Fin fin)
    {
        Pendant p;
        QTimer minuterie;
        minuterie.setInterval(1);
        QObject::connect(&minuterie, &QTimer::timeout, [&] {
            if (nomme<QWidget>(f, "suiviEcriture")->isHidden() || p.vu)
                return;
            p.vu = true;
            p.etat = etatDe(f)->text();
            p.champsBloques = !champNomme(f, "fichierEgsphant")->isEnabled() && !champNomme(f, "champDimZ")->isEnabled()
                              && !champNomme(f, "tailleX")->isEnabled() && !cocheNommee(f, "choixXY")->isEnabled()
                              && !tableMateriaux(f)->isEnabled() && !bouton(f, "Egsphant")->isEnabled()
                              && !bouton(f, "XY")->isEnabled();
            bouton(f, "Egsphant")->click();
            f.evalue();
            bool resultat = true;
            QMetaObject::invokeMethod(&f, "constructionEgsphant", Qt::DirectConnection, Q_RETURN_ARG(bool, resultat),
                                      Q_ARG(QString, d("seconde.egsphant")));
            p.secondeRefusee = !resultat;
            p.etatApres = etatDe(f)->text();
            if (fin == Fin::Annuler)
                nomme<QPushButton>(f, "boutonAnnuler")->click();
            else if (fin == Fin::Echap)
                QTest::keyClick(&f, Qt::Key_Escape);
            if (fin != Fin::FermerOui && fin != Fin::FermerNon)
                return;
            QTimer::singleShot(0, [&] {
                if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    p.question = question->text();
                    question->button(fin == Fin::FermerOui ? QMessageBox::Yes : QMessageBox::No)->click();
                }
            });
            f.close();
        });
        minuterie.start();
        bouton(f, "Egsphant")->click();
        return p;
    }

    void apresConstruction(Interface &f)
    {
        QVERIFY(nomme<QWidget>(f, "suiviEcriture")->isHidden());
        QVERIFY(!f.constructionEnCours);
        for (QGroupBox *g : f.findChildren<QGroupBox *>())
            QVERIFY(g->isEnabled());
        QVERIFY(bouton(f, "Egsphant")->isEnabled());
        QVERIFY(!QFileInfo::exists(d("seconde.egsphant")));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QImage xy(512, 512, QImage::Format_RGB32);
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x)
                xy.setPixel(x, y, (x - 256) * (x - 256) + (y - 256) * (y - 256) < 150 * 150 ? qRgb(30, 30, 30)
                                                                                             : qRgb(255, 255, 255));
        QVERIFY(xy.save(d("xy.bmp"), "BMP"));
    }

    // "Annuler", Escape, or closing the window and confirming, in the middle
    // of a write: no new file, the earlier one whole, « Écriture annulée ».
    // Meanwhile nothing could start a second build.
    void annulerEnCoursDEcriture_data()
    {
        QTest::addColumn<int>("fin");
        QTest::newRow("Annuler") << int(Fin::Annuler);
        QTest::newRow("Échap") << int(Fin::Echap);
        QTest::newRow("fenêtre fermée, arrêt confirmé") << int(Fin::FermerOui);
    }
    void annulerEnCoursDEcriture()
    {
        QFETCH(int, fin);
        Interface f;
        preparer(f, "120", d("long.egsphant"));
        QVERIFY(ecrireFichier(d("long.egsphant"), "ANCIEN"));
        const Pendant p = construire(f, Fin(fin));
        QVERIFY(p.vu);
        QCOMPARE(p.question.isEmpty(), Fin(fin) != Fin::FermerOui);
        QVERIFY2(p.etat.startsWith(QString("Écriture de « %1 » (").arg(d("long.egsphant"))), qPrintable(p.etat));
        QVERIFY(p.champsBloques);
        QVERIFY(p.secondeRefusee);
        QCOMPARE(p.etatApres, p.etat);
        QCOMPARE(etatDe(f)->text(), QString("Écriture annulée"));
        QCOMPARE(lire(d("long.egsphant")), QByteArray("ANCIEN"));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"long.egsphant", "xy.bmp"}));
        apresConstruction(f);
    }

    // A long write left to run, the window's closing declined: one build, its file the batch command's.
    void ecritureMeneeASonTerme()
    {
        Interface f;
        preparer(f, "120", d("fenetre.egsphant.gz"));
        const Pendant p = construire(f, Fin::FermerNon);
        QVERIFY(p.vu);
        QVERIFY2(p.question.startsWith("Un fantôme est en cours d'écriture. L'arrêter"), qPrintable(p.question));
        QVERIFY(p.champsBloques);
        QVERIFY(p.secondeRefusee);
        QCOMPARE(p.etatApres, p.etat);
        QVERIFY2(etatDe(f)->text().startsWith(QString("Fantôme écrit dans « %1 » : 2 milieux, 512 × 512 × 120 voxels")
                                               .arg(d("fenetre.egsphant.gz"))),
                 qPrintable(etatDe(f)->text()));
        QCOMPARE(nomme<QProgressBar>(f, "barreEcriture")->value(), nomme<QProgressBar>(f, "barreEcriture")->maximum());
        apresConstruction(f);

        std::ostringstream sortie, erreurs;
        QCOMPARE(executerLot({"--xy", d("xy.bmp"), "--counts", "512,512,120", "--medium", "255=AIR:0.0012048",
                              "--medium", "30=OS:1.85", "-o", d("lot.egsphant.gz")},
                             sortie, erreurs),
                 0);
        QCOMPARE(lire(d("fenetre.egsphant.gz")), lire(d("lot.egsphant.gz")));
    }

    // The size told before a write is the size written, whatever the number
    // of records (counted two ways, up to 16 and beyond).
    void tailleDuTexte_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("dimX");
        QTest::addColumn<int>("dimY");
        QTest::addColumn<int>("dimZ");
        QTest::newRow("un milieu") << 1 << 5 << 4 << 3;
        QTest::newRow("cinq milieux") << 5 << 33 << 17 << 9;
        QTest::newRow("seize milieux") << 16 << 100 << 50 << 20;
        QTest::newRow("dix-sept milieux") << 17 << 100 << 50 << 20;
        QTest::newRow("soixante milieux") << 60 << 61 << 7 << 3;
        // Millions of voxels, counted in pieces on several threads.
        QTest::newRow("cinq milieux, en morceaux") << 5 << 1001 << 1003 << 3;
        QTest::newRow("dix-sept milieux, en morceaux") << 17 << 1001 << 1003 << 3;
    }
    void tailleDuTexte()
    {
        QFETCH(int, nombre);
        QFETCH(int, dimX);
        QFETCH(int, dimY);
        QFETCH(int, dimZ);
        QList<Materiau> materiaux;
        for (int k = 0; k < nombre; ++k) {
            // Density texts of several lengths: 1.00000, 0.00120000, 1.23457e-05...
            materiaux << Materiau(k, QString("M%1").arg(k), k % 3 == 0 ? 1.0 + k : k % 3 == 1 ? 0.0012 * k : 1.23457e-5 * k);
            materiaux.last().numero = k + 1;
        }
        Grille grille;
        grille.dimX = dimX;
        grille.dimY = dimY;
        grille.dimZ = dimZ;
        QRandomGenerator aleatoire(nombre);
        for (qint64 i = 0; i < grille.nombreVoxels(); ++i)
            grille.voxels.push_back(quint8(aleatoire.bounded(nombre)));
        Geometrie geometrie;
        geometrie.origine[0] = -123.25;
        QByteArray texte;
        QBuffer tampon(&texte);
        tampon.open(QIODevice::WriteOnly);
        QVERIFY(ecrireEgsphant(tampon, materiaux, grille, geometrie, nullptr));
        QCOMPARE(tailleTexteEgsphant(materiaux, grille, geometrie), qint64(texte.size()));
    }

    // A short write shows no progress.
    void ecritureCourteSansSuivi()
    {
        Interface f;
        preparer(f, "2", d("court.egsphant"));
        const Pendant p = construire(f, Fin::Annuler);
        QVERIFY(!p.vu);
        QVERIFY2(etatDe(f)->text().startsWith("Fantôme écrit dans"), qPrintable(etatDe(f)->text()));
        QVERIFY(QFileInfo(d("court.egsphant")).size() > 512 * 512 * 2);
        apresConstruction(f);
    }

    // The batch command: a line rewritten in place when asked for, cleared
    // before the notes; nothing of it otherwise.
    void avancementDuLot()
    {
        const QStringList arguments = {"--xy", d("xy.bmp"), "--counts", "512,512,12", "--medium", "255=AIR:0.0012048",
                                       "--medium", "30=OS:1.85", "-o", d("lot.egsphant")};
        for (bool avancement : {true, false}) {
            std::ostringstream sortie, erreurs;
            QCOMPARE(executerLot(arguments, sortie, erreurs, avancement), 0);
            const QString e = QString::fromStdString(erreurs.str());
            QCOMPARE(e.contains('\r'), avancement);
            QVERIFY(e.endsWith("Attention : 512 voxels en Y ; DOSXYZnrc n'en accepte que 128 sans recompilation ($JMAX)\n"));
            if (!avancement)
                continue;
            // Lines of the bytes written, with the share of the whole once it is known.
            const QString efface = "\r\033[K";
            QVERIFY2(e.startsWith("\rÉcriture : ") && e.contains(efface + "Attention : 512 voxels en X"), qPrintable(e));
            const QString sur = QString(" Mo sur %1 Mo)\033[K").arg(QFileInfo(d("lot.egsphant")).size() / 1000000);
            for (const QString &ligne : e.section(efface, 0, 0).split('\r', Qt::SkipEmptyParts))
                QVERIFY2(QRegularExpression("^Écriture : \\d+ Mo\033\\[K$").match(ligne).hasMatch()
                             || (QRegularExpression("^Écriture : +\\d+ % \\(\\d+ Mo sur").match(ligne).hasMatch()
                                 && ligne.endsWith(sur)),
                         qPrintable(ligne));
        }
    }

    // The real command decides by itself: a pipe gets no progress, a terminal does.
    void avancementSurUnTerminalSeulement()
    {
        const QStringList arguments = {"--xy", d("xy.bmp"), "--counts", "512,512,12", "--medium", "255=AIR:0.0012048",
                                       "--medium", "30=OS:1.85", "-o", d("exe.egsphant")};
        QProcess tube;
        tube.start(QUARVEL_PHANTOM, arguments);
        QVERIFY(tube.waitForFinished(60000));
        QCOMPARE(tube.exitCode(), 0);
        QVERIFY(!tube.readAllStandardError().contains('\r'));

        const QString script = QStandardPaths::findExecutable("script");
        if (script.isEmpty())
            QSKIP("util-linux's script is absent: no terminal to run the command on");
        QStringList commande{QUARVEL_PHANTOM};
        for (const QString &a : arguments)
            commande << "'" + a + "'";
        QProcess terminal;
        terminal.start(script, {"-q", "-e", "-c", commande.join(' '), "/dev/null"});
        QVERIFY(terminal.waitForFinished(60000));
        QCOMPARE(terminal.exitCode(), 0);
        const QString ecran = QString::fromUtf8(terminal.readAllStandardOutput());
        QVERIFY2(ecran.contains("\rÉcriture : ") && ecran.contains("\r\033[KFantôme écrit dans"), qPrintable(ecran));
    }
};

QTEST_MAIN(TestSuivi)
#include "tst_suivi.moc"
