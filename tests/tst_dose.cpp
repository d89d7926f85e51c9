// Dose files: the example DOSXYZnrc wrote and small grids worked out by
// hand, read and summed per medium; broken files refused with their line.
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <charconv>
#include <cmath>
#include <cstring>

#include "batch/lot.h"
#include "dose/bilandose.h"
#include "dose/dose.h"
#include "dose/superposition.h"
#include "egsphant/lecture.h"
#include "egsphant/reelrapide.h"
#include "outils.h"
#include "streams/gzip.h"

namespace {

const QString exemple = QStringLiteral(QUARVEL_SHARED_DATA "/../examples/dose/");

// Three media, the third with no voxel; x widths 1 and 2, y widths 1 and 1,
// z width 2: voxel volumes 2, 4 (first row), 2, 4 (second row) cm³.
//   (1,1) A dose 4 ± 10 %   (2,1) B dose 1 ± 20 %
//   (1,2) B dose 3 ± 30 %   (2,2) A dose 2 ± 40 %
const QByteArray petitFantome = "3\nA\nB\nC\n1.0 1.0 1.0\n2 2 1\n0 1 3\n0 1 2\n0 2\n12\n21\n\n1.0 1.0\n1.0 1.0\n\n";
const QByteArray petiteDose = "2 2 1\n0 1 3\n0 1 2\n0 2\n4 1 3 2\n0.1 0.2 0.3 0.4\n";

// The phantom at chemin, which must be readable.
Fantome fantomeLu(const QString &chemin)
{
    Fantome f;
    QString erreur;
    if (!lireEgsphant(chemin, f, &erreur))
        qWarning() << erreur;
    return f;
}

// The reason a dose text is refused, or "LU" when it is read.
QString refus(const QTemporaryDir &dossier, const QByteArray &texte, Dose *dose = nullptr)
{
    const QString chemin = dossier.filePath("essai.3ddose");
    ecrireFichier(chemin, texte);
    Dose d;
    QString erreur;
    const bool lu = lireDose(chemin, d, &erreur);
    if (dose)
        *dose = std::move(d);
    return lu ? "LU" : erreur;
}

// DOSXYZnrc's way: 17 significant digits, all the doses on one line.
QByteArray doseDosxyz(int n, const std::function<double(qint64)> &dose)
{
    QByteArray t = QByteArray::number(n) + ' ' + QByteArray::number(n) + ' ' + QByteArray::number(n) + '\n';
    for (int a = 0; a < 3; ++a) {
        for (int i = 0; i <= n; ++i)
            t += QByteArray::number(i * 0.5, 'f', 8) + ' ';
        t += '\n';
    }
    const qint64 voxels = qint64(n) * n * n;
    for (qint64 v = 0; v < voxels; ++v)
        t += QString::asprintf(" %.17E", dose(v)).toLatin1();
    t += '\n';
    for (qint64 v = 0; v < voxels; ++v)
        t += " 5.00000000000000000E-02";
    return t + '\n';
}

} // namespace

class TestDose : public QObject
{
    Q_OBJECT

private slots:
    // The second table and the histogram of the grid above, by hand. Dmax is
    // 4, so half of it is 2: A's two voxels count for its uncertainty,
    // (0.1·2 + 0.4·4) / 6 = 30 %; of B's, only the one at 3, 30 %.
    void tableDeLaPetiteGrille()
    {
        QTemporaryDir dossier;
        const QString fantome = dossier.filePath("petit.egsphant"), dose = dossier.filePath("petit.3ddose");
        const QString hdv = dossier.filePath("petit.csv");
        QVERIFY(ecrireFichier(fantome, petitFantome) && ecrireFichier(dose, petiteDose));
        const Resultat r = lancer({"--info", fantome, "--dose", dose, "--dvh", hdv});
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.statut, statutLotReussi);
        const QStringList tables = r.sortie.split("\n\n");
        QCOMPARE(tables.size(), 2);
        QCOMPARE(tables[1], QString("milieu\tnom\tvoxels\tvolume_cm3\tdose_moyenne\tdose_max\tD98\tD50\tD2\tincertitude\n"
                                    "1\tA\t2\t6\t2.66667\t4\t2\t2\t4\t30\n"
                                    "2\tB\t2\t6\t1.66667\t3\t1\t1\t3\t30\n"
                                    "3\tC\t0\t-\t-\t-\t-\t-\t-\t-\n"));
        // Rows at k·4/200 = k/50: A keeps its voxel at 4 (a third of its
        // volume) above 2, B its voxel at 3 up to 3.
        const QStringList lignes = QString::fromUtf8(lire(hdv)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lignes.size(), 202);
        QCOMPARE(lignes[0], QString("dose,A,B,C"));
        QCOMPARE(lignes[1], QString("0,100,100,0"));
        QCOMPARE(lignes[1 + 50], QString("1,100,100,0"));
        QCOMPARE(lignes[1 + 51], QString("1.02,100,33.3333,0"));
        QCOMPARE(lignes[1 + 100], QString("2,100,33.3333,0"));
        QCOMPARE(lignes[1 + 101], QString("2.02,33.3333,33.3333,0"));
        QCOMPARE(lignes[1 + 150], QString("3,33.3333,33.3333,0"));
        QCOMPARE(lignes[1 + 151], QString("3.02,33.3333,0,0"));
        QCOMPARE(lignes[1 + 200], QString("4,33.3333,0,0"));

        // Without uncertainties, none is given.
        QVERIFY(ecrireFichier(dose, petiteDose.left(petiteDose.indexOf("0.1"))));
        QVERIFY(lancer({"--info", fantome, "--dose", dose}).sortie.contains("1\tA\t2\t6\t2.66667\t4\t2\t2\t4\t-\n"));
    }

    // 10 000 voxels of one medium, each of the doses 1 to 100 a hundred
    // times in a shuffled order: 98 % of the volume is the 9 800 voxels
    // from 100 down to 3, so D98 = 3, D50 = 51, D2 = 99.
    void dxConnus()
    {
        Dose dose;
        dose.dim[0] = 100;
        dose.dim[1] = 100;
        dose.dim[2] = 1;
        for (int a = 0; a < 3; ++a)
            for (int i = 0; i <= dose.dim[a]; ++i)
                dose.bornes[a].push_back(0.1 * i);
        dose.doses.reset(static_cast<float *>(std::malloc(10000 * sizeof(float))));
        for (int v = 0; v < 10000; ++v)
            dose.doses.get()[v] = float((v * 37 % 10000) % 100 + 1);
        Fantome f = grilleVide(dose);
        const std::vector<BilanDoseMilieu> b = bilanDose(f, dose);
        QCOMPARE(b.size(), size_t(1));
        QCOMPARE(b[0].voxels, qint64(10000));
        QCOMPARE(b[0].d98, 3.0);
        QCOMPARE(b[0].d50, 51.0);
        QCOMPARE(b[0].d2, 99.0);
        QCOMPARE(b[0].maximum, 100.0);
        QCOMPARE(b[0].moyenne, 50.5);
        QVERIFY(!b[0].incertitude);
        // At k·100/200 the share of voxels of dose ≥ k/2.
        const auto hdv = histogrammeCumule(f, dose, 100.0, 200);
        QCOMPARE(hdv[0][0], 100.0);
        QCOMPARE(hdv[0][3], 99.0); // 1.5: all but the doses 1
        QCOMPARE(hdv[0][100], 51.0);
        QCOMPARE(hdv[0][199], 1.0);
        QCOMPARE(hdv[0][200], 1.0);
    }

    // Values worked out from the file with another program: the means, maxima,
    // Dx and uncertainties of the run DOSXYZnrc made of the example phantom.
    void exempleDosxyz()
    {
        if (!QFile::exists(exemple + "slab.3ddose"))
            QSKIP("../shared/examples/dose absent : l'exemple de DOSXYZnrc n'est pas là");
        Dose dose;
        QString erreur;
        QVERIFY2(lireDose(exemple + "slab.3ddose", dose, &erreur), qPrintable(erreur));
        QCOMPARE(dose.dim[0], 32);
        QCOMPARE(dose.dim[2], 24);
        QCOMPARE(dose.bornes[0].front(), -8.0);
        QCOMPARE(dose.bornes[2].back(), 12.0);
        QVERIFY(dose.aIncertitudes());
        // Its README: 5 129 voxels of dose 0 with uncertainty 0.99999988,
        // the highest dose 7.05482e-10 within 11.8 %.
        qint64 nulles = 0, plusHaute = 0;
        for (qint64 v = 0; v < dose.nombreVoxels(); ++v) {
            nulles += dose.dose(v) == 0 && dose.incertitude(v) == float(0.99999988079071045);
            if (dose.dose(v) > dose.dose(plusHaute))
                plusHaute = v;
        }
        QCOMPARE(nulles, qint64(5129));
        QCOMPARE(QString::asprintf("%g", doseMaximale(dose)), QString("7.05482e-10"));
        QCOMPARE(qRound(dose.incertitude(plusHaute) * 1000), 118);

        const Resultat r = lancer({"--info", exemple + "slab.egsphant", "--dose", exemple + "slab.3ddose"});
        QCOMPARE(r.statut, statutLotReussi);
        QVERIFY2(r.sortie.endsWith(
                     "milieu\tnom\tvoxels\tvolume_cm3\tdose_moyenne\tdose_max\tD98\tD50\tD2\tincertitude\n"
                     "1\tH2O521ICRU\t19200\t2400\t7.32777e-11\t4.60453e-10\t0\t5.94705e-13\t4.21914e-10\t2.23905\n"
                     "2\tICRPBONE521ICRU\t3456\t432\t4.34797e-11\t4.36967e-10\t0\t5.48851e-13\t4.09674e-10\t2.15642\n"
                     "3\tAIR521ICRU\t1920\t240\t3.18367e-10\t7.05482e-10\t2.3982e-10\t3.06847e-10\t4.75569e-10\t9.78273\n"),
                 qPrintable(r.sortie));
    }

    // The end of the text is counted on the line after the last line end.
    void refusDeFichiersCasses_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<QString>("raison");
        const QByteArray tete = "2 1 1\n0 1 2\n0 1\n0 1\n";
        QTest::newRow("compte") << QByteArray("2 x 1\n") << "ligne 1 : « x » n'est pas un nombre entier (nombre de voxels selon Y)";
        QTest::newRow("compte nul") << QByteArray("2 0 1\n") << "ligne 1 : 0 voxels selon Y, au moins 1 attendu";
        QTest::newRow("borne") << QByteArray("2 1 1\n0 1 1\n0 1\n0 1\n1 1\n")
                               << "ligne 2 : la limite 3 des voxels selon X (1 cm) ne dépasse pas la précédente (1 cm)";
        QTest::newRow("borne absente") << QByteArray("2 1 1\n0 1 2\n0 1\n0\n")
                                       << "ligne 5 : fin du fichier ; attendu : limite 2 des voxels selon Z";
        QTest::newRow("trop peu") << tete + "1.5\n" << "ligne 6 : fin du fichier ; attendu : dose du voxel (2, 1, 1)";
        QTest::newRow("incertitudes coupées")
            << tete + "1 2\n0.1\n" << "ligne 7 : fin du fichier ; attendu : incertitude du voxel (2, 1, 1)";
        QTest::newRow("trop") << tete + "1 2\n0.1 0.2\n7\n" << "ligne 7 : valeur en trop après les 2 incertitudes : « 7 »";
        QTest::newRow("négative") << tete + "1 -1e-3\n" << "ligne 5 : dose négative du voxel (2, 1, 1) : « -1e-3 »";
        QTest::newRow("pas un nombre") << tete + "1 1,5\n" << "ligne 5 : « 1,5 » n'est pas un nombre (dose du voxel (2, 1, 1))";
        QTest::newRow("incertitude > 1")
            << tete + "1 2\n1.5 0.2\n" << "ligne 6 : incertitude du voxel (1, 1, 1) hors de 0 à 1 : « 1.5 »";
        QTest::newRow("incertitude négative")
            << tete + "1 2\n0.1 -0.2\n" << "ligne 6 : incertitude du voxel (2, 1, 1) hors de 0 à 1 : « -0.2 »";
        QTest::newRow("NaN") << tete + "1 2\nnan 0.2\n" << "ligne 6 : « nan » n'est pas un nombre (incertitude du voxel (1, 1, 1))";
        // Two bytes a dose at least: refused before the memory is asked.
        QTest::newRow("comptes énormes") << QByteArray("100000 100000 100000\n")
                                         << "ligne 1 : 100000 × 100000 × 100000 voxels annoncés, le fichier ne peut pas "
                                            "les contenir (21 octets de texte au plus)";
    }

    void refusDeFichiersCasses()
    {
        QFETCH(QByteArray, texte);
        QFETCH(QString, raison);
        QTemporaryDir dossier;
        QCOMPARE(refus(dossier, texte), raison);
    }

    // Fortran exponents, signs, CRLF, one number a line, no last line end.
    void dispositionsLues()
    {
        QTemporaryDir dossier;
        Dose d;
        QCOMPARE(refus(dossier, "2\r\n1\r\n1\r\n-1.0D+00\r\n+0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n2.5D-01\r\n+3\r\n1\r\n0", &d),
                 QString("LU"));
        QCOMPARE(d.bornes[0], (std::vector<double>{-1.0, 0.0, 1.0}));
        QCOMPARE(d.dose(0), 0.25);
        QCOMPARE(d.dose(1), 3.0);
        QCOMPARE(d.incertitude(0), 1.0);
        QCOMPARE(d.incertitude(1), 0.0);
    }

    // 64 000 doses of 26 characters on one line: blocks parsed in two
    // halves. Voxel 50 000 (index 49 999) is x = 49 999 mod 40 + 1 = 40,
    // y = ⌊49 999 / 40⌋ mod 40 + 1 = 10, z = ⌊49 999 / 1 600⌋ + 1 = 32.
    void grandeLigne()
    {
        QTemporaryDir dossier;
        Dose d;
        QCOMPARE(refus(dossier, doseDosxyz(40, [](qint64 v) { return v * 1e-3; }), &d), QString("LU"));
        bool pareil = true;
        for (qint64 v = 0; v < d.nombreVoxels(); ++v)
            pareil &= d.dose(v) == double(float(v * 1e-3)) && d.incertitude(v) == double(0.05f);
        QVERIFY(pareil);
        QCOMPARE(refus(dossier, doseDosxyz(40, [](qint64 v) { return v == 49999 ? -1.0 : 1.0; })),
                 QString("ligne 5 : dose négative du voxel (40, 10, 32) : « -1.00000000000000000E+00 »"));
    }

    // The quick way gives the float the library's double gives, or leaves
    // the number to it: random values in the forms DOSXYZnrc, egs++ and
    // this tool's writer use.
    void nombresRapides()
    {
        QRandomGenerator hasard(31);
        qint64 rapides = 0, essais = 0, ecarts = 0;
        for (const char *format : {"%.17E", "%26.16E", "%.6g", "%#.6g", "%.9f", "%.3E"})
            for (int i = 0; i < 40000; ++i, ++essais) {
                const double v = std::ldexp(hasard.generateDouble(), int(hasard.bounded(-60, 60)));
                const QByteArray texte = QString::asprintf(format, i % 7 ? v : -v).toLatin1().trimmed();
                double attendu = 0, lu = 0;
                std::from_chars(texte.constData(), texte.constData() + texte.size(), attendu);
                const char *p = texte.constData();
                if (!reelRapide(p, texte.constData() + texte.size(), lu))
                    continue;
                ++rapides;
                ecarts += float(lu) != float(attendu) || p != texte.constData() + texte.size();
            }
        QCOMPARE(ecarts, qint64(0));
        QVERIFY2(rapides > essais * 9 / 10, qPrintable(QString("%1 sur %2").arg(rapides).arg(essais)));
        // Fortran's D and the forms left to the careful way.
        const char *texte = "2.5D-01";
        double v = 0;
        QVERIFY(reelRapide(texte, texte + 7, v) && v == 0.25);
        for (const char *autre : {"nan", "1e", "0x1p3", "1.5.2", "--1", "1e-400"}) {
            const char *p = autre;
            QVERIFY2(!reelRapide(p, autre + std::strlen(autre), v) && p == autre, autre);
        }
    }

    void gzip()
    {
        QTemporaryDir dossier;
        const QString plein = dossier.filePath("grande.3ddose"), compresse = dossier.filePath("grande.3ddose.gz");
        const QByteArray texte = doseDosxyz(30, [](qint64 v) { return std::sqrt(double(v)); });
        QVERIFY(ecrireFichier(plein, texte));
        QFile f(compresse);
        QVERIFY(f.open(QIODevice::WriteOnly));
        CompressionGzip gz(f);
        QVERIFY(gz.open(QIODevice::WriteOnly) && gz.write(texte) == texte.size() && gz.terminer());
        f.close();
        Dose a, b;
        QString erreur;
        QVERIFY2(lireDose(plein, a, &erreur) && lireDose(compresse, b, &erreur), qPrintable(erreur));
        QVERIFY(std::equal(a.doses.get(), a.doses.get() + a.nombreVoxels(), b.doses.get()));
        QCOMPARE(b.dose(27000 - 1), double(float(std::sqrt(26999.0))));
        // Cut short: the end of the compressed text is missing.
        QVERIFY(ecrireFichier(compresse, lire(compresse).chopped(1000)));
        QVERIFY(!lireDose(compresse, b, &erreur));
    }

    void superposition_data()
    {
        QTest::addColumn<QByteArray>("bornesX");
        QTest::addColumn<QString>("raison");
        QTest::newRow("pareilles") << QByteArray("0 1 3") << QString();
        QTest::newRow("à 1e-4 cm près") << QByteArray("0.00009 1 3.00009") << QString();
        QTest::newRow("au-delà") << QByteArray("0 1 3.0002")
                                 << "la limite 3 des voxels selon X est 3.0002 cm dans la dose, 3 cm dans le fantôme";
        QTest::newRow("compte") << QByteArray("0 1 3 4") << "la dose a 3 voxels selon X, le fantôme 2";
    }

    void superposition()
    {
        QFETCH(QByteArray, bornesX);
        QFETCH(QString, raison);
        QTemporaryDir dossier;
        QVERIFY(ecrireFichier(dossier.filePath("p.egsphant"), petitFantome));
        const Fantome f = fantomeLu(dossier.filePath("p.egsphant"));
        const int n = int(bornesX.count(' '));
        Dose d;
        QCOMPARE(refus(dossier, QByteArray::number(n) + " 2 1\n" + bornesX + "\n0 1 2\n0 2\n" + QByteArray(2 * n, '1').replace("1", "1 ") + "\n", &d),
                 QString("LU"));
        QCOMPARE(refusSuperposition(d, f), raison);
    }

    // Relative: at 1000 cm, 1e-5 of the value is 0.01 cm.
    void superpositionLoinDeLOrigine()
    {
        QTemporaryDir dossier;
        QVERIFY(ecrireFichier(dossier.filePath("p.egsphant"), "1\nA\n1\n1 1 1\n1000 1001\n0 1\n0 1\n1\n\n1\n"));
        const Fantome f = fantomeLu(dossier.filePath("p.egsphant"));
        Dose d;
        QCOMPARE(refus(dossier, "1 1 1\n1000.009 1001.009\n0 1\n0 1\n1\n", &d), QString("LU"));
        QCOMPARE(refusSuperposition(d, f), QString());
        QCOMPARE(refus(dossier, "1 1 1\n1000.011 1001\n0 1\n0 1\n1\n", &d), QString("LU"));
        QVERIFY(refusSuperposition(d, f).startsWith("la limite 1 des voxels selon X"));
    }

    // The command line and its refusals, one line each.
    void commande()
    {
        QTemporaryDir dossier;
        const QString fantome = dossier.filePath("p.egsphant"), dose = dossier.filePath("d.3ddose");
        QVERIFY(ecrireFichier(fantome, petitFantome) && ecrireFichier(dose, "3 2 1\n0 1 2 3\n0 1 2\n0 2\n1 1 1 1 1 1\n"));
        Resultat r = lancer({"--info", fantome, "--dvh", dossier.filePath("h.csv")});
        QCOMPARE(r.statut, statutLotUsage);
        r = lancer({"--info", fantome, "--dose", dose, "--dose", dose});
        QCOMPARE(r.statut, statutLotUsage);
        r = lancer({"--info", fantome, "--dose", dose, "--dvh", dossier.filePath("h.csv")});
        QCOMPARE(r.statut, statutLotRefus);
        QCOMPARE(r.erreurs, "Dose « " + dose + " » refusée : la dose a 3 voxels selon X, le fantôme 2\n");
        QCOMPARE(r.sortie, QString());
        QVERIFY(!QFile::exists(dossier.filePath("h.csv")));
        r = lancer({"--info", fantome, "--dose", dossier.filePath("absente.3ddose")});
        QCOMPARE(r.statut, statutLotRefus);
        QCOMPARE(r.erreurs.count('\n'), 1);
        QVERIFY(r.erreurs.contains("fichier absent"));
    }
};

QTEST_MAIN(TestDose)
#include "tst_dose.moc"
