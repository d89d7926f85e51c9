// The PEGS4 media catalogue: the scan, the file reader and the window slots.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <iostream>
#include <sstream>
#include <sys/stat.h>

#include "media/pegs.h"
#include "window/interface.h"
#include "widgets.h"

namespace {

// Everything written to std::cout while it lives.
class CaptureCout
{
public:
    CaptureCout() : ancien(std::cout.rdbuf(flux.rdbuf())) {}
    ~CaptureCout() { std::cout.rdbuf(ancien); }
    QByteArray texte() const { return QByteArray::fromStdString(flux.str()); }

private:
    std::ostringstream flux;
    std::streambuf *ancien;
};

QString ecrire(const QTemporaryDir &dossier, const QString &nom, const QByteArray &contenu)
{
    const QString chemin = dossier.filePath(nom);
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(contenu) != contenu.size())
        return QString();
    return chemin;
}

QStringList noms(const QList<Milieu> &milieux)
{
    QStringList resultat;
    for (const Milieu &m : milieux)
        resultat << m.nom;
    return resultat;
}

QList<double> densites(const QList<Milieu> &milieux)
{
    QList<double> resultat;
    for (const Milieu &m : milieux)
        resultat << m.densite;
    return resultat;
}

// Two well-formed blocks, the first two lines of a small catalogue.
const QByteArray deuxMilieux = " MEDIUM=EAU  ,AUTRE=EAU\n K,D= 1.5E+00,N= 2\n data\n"
                               " MEDIUM=OS,X\n K,D=1.85\n";

} // namespace

class TestPegs : public QObject
{
    Q_OBJECT

private slots:
    void analyse_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QStringList>("nomsAttendus");
        QTest::addColumn<QList<double>>("densitesAttendues");
        QTest::addColumn<QByteArray>("traceAttendue");

        QTest::newRow("exemple") << QByteArray(" MEDIUM=EAU  ,AUTRE=EAU\n K,D= 1.5E+00,N= 2\n")
                                 << QStringList{"EAU  "} << QList<double>{1.5}
                                 << QByteArray("EAU    1.5E+00 -       :   1.5\n");
        QTest::newRow("MEDIUM en milieu de ligne") << QByteArray("X MEDIUM=Y\nK,D=2\n")
                                                   << QStringList{"Y"} << QList<double>{2}
                                                   << QByteArray("Y 2 -       :   2\n");
        QTest::newRow("casse") << QByteArray("medium=A\nK,D=1\n Medium=B\nK,D=2\nMEDIUm=C\nK,D=3\n")
                               << QStringList{} << QList<double>{} << QByteArray();
        QTest::newRow("deux lignes MEDIUM de suite")
            << QByteArray("MEDIUM=A,X\nMEDIUM=B,R=3\nK,D=5\n")
            << QStringList{"A"} << QList<double>{3} << QByteArray("A 3 -       :   3\n");
        QTest::newRow("CRLF") << QByteArray("MEDIUM=A \r\nK,D= 2 \r\nMEDIUM=B\r\nK,D=7\r\n")
                              << QStringList{"A ", "B"} << QList<double>{2, 7}
                              << QByteArray("A   2  -       :   2\nB 7 -       :   7\n");
        QTest::newRow("derniere ligne sans fin") << QByteArray("MEDIUM=A\nK,D=4")
                                                 << QStringList{"A"} << QList<double>{4}
                                                 << QByteArray("A 4 -       :   4\n");
        QTest::newRow("blocs separes par des donnees")
            << QByteArray("entete\nMEDIUM=A,X\nK,D=1\n1 2 3\n4 5 6\n MEDIUM=B,X\nK,D=2,E=9\nfin\n")
            << QStringList{"A", "B"} << QList<double>{1, 2}
            << QByteArray("A 1 -       :   1\nB 2 -       :   2\n");
        QTest::newRow("second = coupe") << QByteArray("MEDIUM=A=B,X\nK,D=2=3,N\n")
                                        << QStringList{"A"} << QList<double>{2}
                                        << QByteArray("A 2 -       :   2\n");
        QTest::newRow("nom vide") << QByteArray("MEDIUM=,X\nK,D=1\n") << QStringList{""}
                                  << QList<double>{1} << QByteArray(" 1 -       :   1\n");
        QTest::newRow("exposant negatif") << QByteArray(" MEDIUM=AIR\n K,RHO= 1.2048E-03\n")
                                          << QStringList{"AIR"} << QList<double>{0.0012048}
                                          << QByteArray("AIR  1.2048E-03 -       :   0.0012048\n");
        QTest::newRow("six chiffres significatifs")
            << QByteArray("MEDIUM=X\nK,D=1234567\n") << QStringList{"X"} << QList<double>{1234567}
            << QByteArray("X 1234567 -       :   1.23457e+06\n");
        QTest::newRow("exposant Fortran D") << QByteArray("MEDIUM=A\nK,RHO= 1.0D+00\nMEDIUM=B\nK,RHO=2.5d-1\n")
                                            << QStringList{"A", "B"} << QList<double>{1, 0.25}
                                            << QByteArray("A  1.0D+00 -       :   1\nB 2.5d-1 -       :   0.25\n");
        QTest::newRow("Latin-1") << QByteArray("MEDIUM=CAF\xE9\nK,D=1\n") << QStringList{QStringLiteral("CAF\u00E9")}
                                 << QList<double>{1} << QByteArray("CAF\xE9 1 -       :   1\n");

        // Malformed blocks: no entry, no trace, the scan goes on.
        QTest::newRow("pas de = dans le premier champ")
            << QByteArray("MEDIUM A,X=B\nK,D=2\n") << QStringList{} << QList<double>{} << QByteArray();
        QTest::newRow("ligne suivant un MEDIUM sans nom reste examinee")
            << QByteArray("MEDIUM sans nom\nMEDIUM=B,X\nK,D=2\n") << QStringList{"B"} << QList<double>{2}
            << QByteArray("B 2 -       :   2\n");
        QTest::newRow("MEDIUM derniere ligne") << QByteArray("K,D=1\nMEDIUM=A,X") << QStringList{}
                                               << QList<double>{} << QByteArray();
        QTest::newRow("MEDIUM derniere ligne terminee") << QByteArray("K,D=1\nMEDIUM=A,X\n") << QStringList{}
                                                        << QList<double>{} << QByteArray();
        QTest::newRow("densite sans virgule") << QByteArray("MEDIUM=A\nK D=1\n") << QStringList{}
                                              << QList<double>{} << QByteArray();
        QTest::newRow("densite sans = dans le second champ")
            << QByteArray("MEDIUM=A\nK,D 1,N=2\n") << QStringList{} << QList<double>{} << QByteArray();
        QTest::newRow("ligne de densite fautive consommee")
            << QByteArray("MEDIUM=A\nMEDIUM=B\nK,D=1\n") << QStringList{} << QList<double>{} << QByteArray();
        QTest::newRow("reprise apres un bloc fautif")
            << QByteArray("MEDIUM=A\nK\nMEDIUM=B,X\nK,D=4\n") << QStringList{"B"} << QList<double>{4}
            << QByteArray("B 4 -       :   4\n");
        QTest::newRow("vide") << QByteArray() << QStringList{} << QList<double>{} << QByteArray();
        // A density that cannot be read is not taken as 0, nor a name that would break the phantom's lines.
        QTest::newRow("densite pas un nombre") << QByteArray("MEDIUM=A\nK,D=abc\nMEDIUM=B\nK,D=2\n") << QStringList{"B"}
                                               << QList<double>{2} << QByteArray("B 2 -       :   2\n");
        QTest::newRow("densite vide") << QByteArray("MEDIUM=A\nK,D=\n") << QStringList{} << QList<double>{} << QByteArray();
        QTest::newRow("densite infinie") << QByteArray("MEDIUM=A\nK,D=1E999\n") << QStringList{} << QList<double>{}
                                         << QByteArray();
        for (const char *nom : {"A\tB", "A\rB", "\x1b[2J", "A\x7f", "A\x01"})
            QTest::newRow(qPrintable(QString("nom avec controle %1").arg(QByteArray(nom).toHex())))
                << QByteArray("MEDIUM=") + nom + ",X\nK,D=1\nMEDIUM=B\nK,D=2\n" << QStringList{"B"}
                << QList<double>{2} << QByteArray("B 2 -       :   2\n");
        QTest::newRow("nom avec NUL") << QByteArray("MEDIUM=A\0B,X\nK,D=1\n", sizeof "MEDIUM=A\0B,X\nK,D=1\n" - 1) << QStringList{} << QList<double>{}
                                      << QByteArray();
    }

    void analyse()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QStringList, nomsAttendus);
        QFETCH(QList<double>, densitesAttendues);
        QFETCH(QByteArray, traceAttendue);

        QList<Milieu> milieux;
        std::ostringstream trace;
        const int lus = analysePegs(contenu, milieux, trace);
        QCOMPARE(lus, nomsAttendus.size());
        QCOMPARE(noms(milieux), nomsAttendus);
        QCOMPARE(densites(milieux), densitesAttendues);
        QCOMPARE(QByteArray::fromStdString(trace.str()), traceAttendue);
    }

    // The trace format does not depend on the flags left on the caller's stream.
    void traceIndependanteDuFlux()
    {
        QList<Milieu> milieux;
        std::ostringstream trace;
        trace << std::fixed;
        trace.precision(2);
        analysePegs(" MEDIUM=EAU  ,AUTRE=EAU\n K,D= 1.5E+00,N= 2\n", milieux, trace);
        QCOMPARE(QByteArray::fromStdString(trace.str()), QByteArray("EAU    1.5E+00 -       :   1.5\n"));
    }

    void lectureAjoute()
    {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString chemin = ecrire(dossier, "deux.pegs4dat", deuxMilieux);
        QVERIFY(!chemin.isEmpty());

        QList<Milieu> milieux{Milieu{"DEJA", 9.0}};
        std::ostringstream trace;
        QString erreur = "inchange";
        QVERIFY(lireFichierPegs(chemin, milieux, trace, &erreur));
        QVERIFY(lireFichierPegs(chemin, milieux, trace, nullptr));
        QCOMPARE(erreur, QString("inchange"));
        QCOMPARE(noms(milieux), QStringList({"DEJA", "EAU  ", "OS", "EAU  ", "OS"}));
        QCOMPARE(densites(milieux), QList<double>({9.0, 1.5, 1.85, 1.5, 1.85}));
        const QByteArray uneFois = "EAU    1.5E+00 -       :   1.5\nOS 1.85 -       :   1.85\n";
        QCOMPARE(QByteArray::fromStdString(trace.str()), uneFois + uneFois);
    }

    void lectureEchoue_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("modele");
        QTest::newRow("absent") << "absent" << "Impossible d'ouvrir le fichier \"%1\"";
        QTest::newRow("dossier") << "dossier" << "Le catalogue \"%1\" n'est pas un fichier ordinaire";
        QTest::newRow("peripherique sans fin") << "/dev/zero" << "Le catalogue \"%1\" n'est pas un fichier ordinaire";
        QTest::newRow("tube") << "tube" << "Le catalogue \"%1\" n'est pas un fichier ordinaire";
        QTest::newRow("plus de 64 Mo") << "grand" << "Le catalogue \"%1\" dépasse 64 Mo : ce n'est pas un fichier PEGS4";
        QTest::newRow("vide") << "vide" << "Aucun milieu dans le fichier \"%1\"";
        QTest::newRow("sans milieu") << "sans milieu" << "Aucun milieu dans le fichier \"%1\"";
        QTest::newRow("blocs fautifs") << "blocs fautifs" << "Aucun milieu dans le fichier \"%1\"";
    }

    void lectureEchoue()
    {
        QFETCH(QString, cas);
        QFETCH(QString, modele);
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        QString chemin;
        if (cas == "absent")
            chemin = dossier.filePath("absent.pegs4dat");
        else if (cas == "dossier")
            chemin = dossier.path();
        else if (cas.startsWith('/'))
            chemin = cas;
        else if (cas == "tube") {
            chemin = dossier.filePath("tube.pegs4dat");
            QCOMPARE(mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        } else if (cas == "grand") {
            // Sparse: costs no disk. Its first block still names a medium.
            chemin = ecrire(dossier, "grand.pegs4dat", "MEDIUM=A\nK,D=1\n");
            QVERIFY(QFile::resize(chemin, taillePegsMax + 1));
        } else if (cas == "vide")
            chemin = ecrire(dossier, "vide.pegs4dat", QByteArray());
        else if (cas == "sans milieu")
            chemin = ecrire(dossier, "sans.pegs4dat", "medium=A\nK,D=1\n");
        else
            chemin = ecrire(dossier, "fautif.pegs4dat", "MEDIUM A\nK,D=1\nMEDIUM=B\nK\n");
        QVERIFY(!chemin.isEmpty());

        QList<Milieu> milieux{Milieu{"DEJA", 2.0}};
        std::ostringstream trace;
        QString erreur;
        QVERIFY(!lireFichierPegs(chemin, milieux, trace, &erreur));
        QCOMPARE(erreur, modele.arg(chemin));
        QCOMPARE(noms(milieux), QStringList{"DEJA"});
        QVERIFY(trace.str().empty());
        QVERIFY(!lireFichierPegs(chemin, milieux, trace, nullptr));
    }

    void selectMat()
    {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString chemin = ecrire(dossier, "catalogue.pegs4dat", deuxMilieux);
        QVERIFY(!chemin.isEmpty());

        Interface fenetre;
        QStringList filtres;
        fenetre.choisirFichier = [&](QWidget *, const QString &, const QString &, const QString &filtre) {
            filtres << filtre;
            return chemin;
        };
        CaptureCout sortie;
        fenetre.selectMat();
        QCOMPARE(filtres, QStringList{"Images (*.pegs4dat)"});
        QCOMPARE(champNomme(fenetre, "fichierPegs")->text(), chemin);
        QCOMPARE(noms(*fenetre.milieux), QStringList({"EAU  ", "OS"}));
        QCOMPARE(densites(*fenetre.milieux), QList<double>({1.5, 1.85}));
        QCOMPARE(etatDe(fenetre)->text(), QString("2 milieux lus dans \"%1\"").arg(chemin));
        QCOMPARE(sortie.texte(), QByteArray("EAU    1.5E+00 -       :   1.5\nOS 1.85 -       :   1.85\n"));
        QCOMPARE(tableMateriaux(fenetre)->rowCount(), 0);

        // Choosing again appends.
        fenetre.selectMat();
        QCOMPARE(fenetre.milieux->size(), 4);
        QCOMPARE(etatDe(fenetre)->text(), QString("2 milieux lus dans \"%1\"").arg(chemin));
    }

    void selectMatAnnule()
    {
        Interface fenetre;
        champNomme(fenetre, "fichierPegs")->setText("ancien.pegs4dat");
        fenetre.milieux->append(Milieu{"DEJA", 3.0});
        etatDe(fenetre)->setText("avant");
        int appels = 0;
        fenetre.choisirFichier = [&](QWidget *, const QString &, const QString &, const QString &) {
            ++appels;
            return QString();
        };
        CaptureCout sortie;
        fenetre.selectMat();
        QCOMPARE(appels, 1);
        QCOMPARE(champNomme(fenetre, "fichierPegs")->text(), QString("ancien.pegs4dat"));
        QCOMPARE(noms(*fenetre.milieux), QStringList{"DEJA"});
        QCOMPARE(etatDe(fenetre)->text(), QString("avant"));
        QVERIFY(sortie.texte().isEmpty());
    }

    void analyseFenetre_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QStringList>("nomsAttendus");
        QTest::addColumn<QString>("modele");
        QTest::newRow("absent") << "absent.pegs4dat" << QByteArray() << QStringList{"DEJA"}
                                << "Impossible d'ouvrir le fichier \"%1\"";
        QTest::newRow("sans milieu") << "sans.pegs4dat" << QByteArray("rien\n") << QStringList{"DEJA"}
                                     << "Aucun milieu dans le fichier \"%1\"";
        QTest::newRow("un milieu") << "un.pegs4dat" << QByteArray("MEDIUM=OS\nK,D=1.85\n")
                                   << QStringList{"DEJA", "OS"} << "1 milieu lu dans \"%1\"";
    }

    void analyseFenetre()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(QStringList, nomsAttendus);
        QFETCH(QString, modele);
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString chemin = dossier.filePath(nom);
        if (!contenu.isEmpty())
            QCOMPARE(ecrire(dossier, nom, contenu), chemin);

        Interface fenetre;
        fenetre.milieux->append(Milieu{"DEJA", 3.0});
        champNomme(fenetre, "fichierPegs")->setText(chemin);
        CaptureCout sortie;
        fenetre.analyseFichierPegs();
        QCOMPARE(noms(*fenetre.milieux), nomsAttendus);
        QCOMPARE(etatDe(fenetre)->text(), modele.arg(chemin));
        QCOMPARE(champNomme(fenetre, "fichierPegs")->text(), chemin);
        QCOMPARE(tableMateriaux(fenetre)->rowCount(), 0);
    }

    void fichiersReels_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QStringList>("nomsControles"); // first, second, last
        QTest::addColumn<QList<double>>("densitesControlees");
        QTest::addColumn<QByteArray>("premiereTrace");
        // In both files the name field is 24 characters wide, blank padded.
        QTest::newRow("521icru") << "521icru.pegs4dat" << 41
                                 << QStringList{QString("AG521ICRU").leftJustified(24),
                                                QString("AIR521ICRU").leftJustified(24),
                                                QString("RMISW521").leftJustified(24)}
                                 << QList<double>{10.5, 0.0012048, 1.03}
                                 << QString("AG521ICRU").leftJustified(24).toLatin1() + "  1.0500E+01 -       :   10.5\n";
        QTest::newRow("700icru") << "700icru.pegs4dat" << 45
                                 << QStringList{QString("AG700ICRU").leftJustified(24),
                                                QString("AIR700ICRU").leftJustified(24),
                                                QString("YELBRASS700ICRU").leftJustified(24)}
                                 << QList<double>{10.5, 0.0012048, 8.47}
                                 << QString("AG700ICRU").leftJustified(24).toLatin1() + "  1.0500E+01 -       :   10.5\n";
    }

    void fichiersReels()
    {
        QFETCH(QString, fichier);
        QFETCH(int, nombre);
        QFETCH(QStringList, nomsControles);
        QFETCH(QList<double>, densitesControlees);
        QFETCH(QByteArray, premiereTrace);
        const QDir donnees(QUARVEL_SHARED_DATA);
        if (!donnees.exists())
            QSKIP(qPrintable("shared PEGS4 data folder absent: " + donnees.path()));
        const QString chemin = donnees.filePath(fichier);

        Interface fenetre;
        champNomme(fenetre, "fichierPegs")->setText(chemin);
        CaptureCout sortie;
        fenetre.analyseFichierPegs();
        const QList<Milieu> &milieux = *fenetre.milieux;
        QCOMPARE(milieux.size(), nombre);
        QCOMPARE(etatDe(fenetre)->text(), QString("%1 milieux lus dans \"%2\"").arg(nombre).arg(chemin));
        QCOMPARE(QStringList({milieux.first().nom, milieux.at(1).nom, milieux.last().nom}), nomsControles);
        QCOMPARE(QList<double>({milieux.first().densite, milieux.at(1).densite, milieux.last().densite}),
                 densitesControlees);
        const QByteArray trace = sortie.texte();
        QCOMPARE(trace.count('\n'), nombre);
        QVERIFY(trace.startsWith(premiereTrace));
    }
};

QTEST_MAIN(TestPegs)
#include "tst_pegs.moc"
