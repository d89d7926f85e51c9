// The CT rules without a series: the ramp, the packed densities, the box,
// the averaging, and the text of a phantom whose voxels carry their densities.
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

#include "egsphant/egsphant.h"
#include "outils.h"
#include "egsphant/reel.h"
#include "scanner/cadre.h"
#include "scanner/fantomect.h"
#include "scanner/rampe.h"
#include "scanner/reechantillonnage.h"
#include "scanner/volumect.h"

namespace {

// %#.6g from the C library, independent of the writer's own formatting.
QByteArray reel(double v)
{
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s << std::showpoint << std::setprecision(6) << v;
    return QByteArray::fromStdString(s.str());
}

const QByteArray rampeEssai = "# essai\n"
                              "min -1000\n"
                              "AIR   -900  0.001 0.101\n"
                              "LUNG  -600  0.2   0.5   # poumon\n"
                              "EAU    200  0.9   1.3\n"
                              "LUNG  1000  0.25  0.25\n";

Rampe rampe(const QByteArray &texte = rampeEssai)
{
    Rampe r;
    QString erreur;
    if (!lireRampe(texte, r, &erreur))
        qFatal("rampe d'essai refusée : %s", qPrintable(erreur));
    return r;
}

// A CT of whole HU, listed x fastest; voxels of 1 cm from 0.
VolumeCT volume(int nx, int ny, int nz, const std::vector<qint16> &hu, double taille = 1.0)
{
    VolumeCT ct;
    const int n[3] = {nx, ny, nz};
    for (int a = 0; a < 3; ++a)
        ct.axes[a] = AxeCT{n[a], taille, 0.0};
    ct.entiers.assign(hu.begin(), hu.end());
    ct.huMin = *std::min_element(hu.begin(), hu.end());
    ct.huMax = *std::max_element(hu.begin(), hu.end());
    return ct;
}

} // namespace

class TestScanner : public QObject
{
    Q_OBJECT

private slots:
    // Every branch of the ramp: below its floor, inside each line, on each
    // edge exactly, above its top; densities as the file shows them.
    void arithmetique_data()
    {
        QTest::addColumn<double>("hu");
        QTest::addColumn<int>("palier");
        QTest::addColumn<QByteArray>("densite");
        QTest::newRow("sous min : bas du premier") << -3000.0 << 0 << QByteArray("0.00100000");
        QTest::newRow("min") << -1000.0 << 0 << QByteArray("0.00100000");
        QTest::newRow("dans le premier") << -950.0 << 0 << QByteArray("0.0510000");
        QTest::newRow("HU_MAX du premier") << -900.0 << 0 << QByteArray("0.101000");
        QTest::newRow("juste au-dessus") << -899.5 << 1 << QByteArray("0.200500");
        QTest::newRow("fraction") << -700.25 << 1 << QByteArray("0.399750");
        QTest::newRow("HU_MAX du deuxième") << -600.0 << 1 << QByteArray("0.500000");
        QTest::newRow("troisième") << 100.0 << 2 << QByteArray("1.25000");
        QTest::newRow("même nom, autre ligne") << 600.0 << 3 << QByteArray("0.250000");
        QTest::newRow("HU_MAX du dernier") << 1000.0 << 3 << QByteArray("0.250000");
        QTest::newRow("au-dessus du dernier") << 3000.0 << 3 << QByteArray("0.250000");
    }
    void arithmetique()
    {
        QFETCH(double, hu);
        QFETCH(int, palier);
        QFETCH(QByteArray, densite);
        const PointRampe point = appliquerRampe(rampe(), hu);
        QCOMPARE(point.palier, palier);
        QCOMPARE(reel(point.densite), densite);
        char texte[longueurReelMax];
        QCOMPARE(QByteArray(texte, formatCode(codeReel(point.densite), texte)), densite);
    }

    // The packed six digits give the writer's text for any density.
    void codes()
    {
        QRandomGenerator alea(22);
        // Exact ties at the seventh digit, then any magnitude.
        const double ties[] = {100000.5, 100001.5, 0.0009765625, 1e-300, 3e300};
        for (int i = -5; i < 200000; ++i) {
            const double v = i < 0 ? ties[i + 5] : std::ldexp(alea.generateDouble() + 0.5, int(alea.bounded(-60, 60)));
            char a[longueurReelMax], b[longueurReelMax];
            const int n = formatReel(v, a);
            const quint32 code = codeReel(v);
            QCOMPARE(QByteArray(b, formatCode(code, b)), QByteArray(a, n));
            QCOMPARE(longueurCode(code), n);
        }
    }

    void refus_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<QString>("message");
        QTest::newRow("champ manquant") << QByteArray("min -1000\nAIR -900 0.001\n")
                                       << "ligne 2 : 3 champs ; une ligne de milieu s'écrit NOM HU_MAX DENSITE_MIN DENSITE_MAX";
        QTest::newRow("virgule") << QByteArray("min -1000\n\nAIR -900 0,001 0.1\n")
                                 << "ligne 3 : DENSITE_MIN « 0,001 » n'est pas un nombre (écrit avec un point)";
        QTest::newRow("sous min") << QByteArray("min -1000\nAIR -1000 0.001 0.1\n")
                                  << "ligne 2 : HU_MAX -1000 ne dépasse pas la borne min -1000";
        QTest::newRow("décroissant") << QByteArray("min -1000\nAIR -900 0.001 0.1\nEAU -900 1 1\n")
                                     << "ligne 3 : HU_MAX -900 ne dépasse pas celui de la ligne précédente (-900) ; "
                                        "les HU_MAX doivent croître strictement";
        QTest::newRow("densité nulle") << QByteArray("min -1000\nAIR -900 0 0.1\n")
                                       << "ligne 2 : DENSITE_MIN 0 : une densité doit être supérieure à 0";
        QTest::newRow("max sous min") << QByteArray("min -1000\nAIR -900 0.5 0.1\n")
                                      << "ligne 2 : DENSITE_MAX 0.1 inférieure à DENSITE_MIN 0.5";
        QTest::newRow("sans min") << QByteArray("AIR -900 0.001 0.1\n")
                                  << "ligne 1 : la ligne « min HU_MIN » doit précéder les milieux";
        QTest::newRow("deux min") << QByteArray("min -1000\nmin -900\n") << "lignes 1 et 2 : deux lignes « min »";
        QTest::newRow("vide") << QByteArray("# rien\n")
                              << "rampe vide : une ligne « min HU_MIN » puis une ligne par milieu sont attendues";
        QTest::newRow("pas UTF-8") << QByteArray("min -1000\nA\xe9R -900 0.001 0.1\n")
                                   << "ligne 2 : texte qui n'est pas de l'UTF-8";
    }
    void refus()
    {
        QFETCH(QByteArray, texte);
        QFETCH(QString, message);
        Rampe r = rampe();
        const QByteArray avant = texteRampe(r);
        QString erreur;
        QVERIFY(!lireRampe(texte, r, &erreur));
        QCOMPARE(erreur, message);
        QCOMPARE(texteRampe(r), avant);
    }

    // The default ramp names the catalogue's media; its template reads back
    // as the same ramp; a word with no medium is refused.
    void rampeDefaut()
    {
        QList<Milieu> catalogue = {{"AIR521ICRU   ", 0.0012}, {"LUNG521ICRU", 0.26},
                                   {"ICRUTISSUE521ICRU", 1.0}, {"ICRPBONE521ICRU", 1.85}};
        Rampe r, relue;
        QString erreur;
        QVERIFY(rampeParDefaut(catalogue, r, &erreur));
        QVERIFY2(lireRampe(texteRampe(r), relue, &erreur), qPrintable(erreur));
        QCOMPARE(texteRampe(relue), texteRampe(r));
        QCOMPARE(relue.huMin, -1024.0);
        QCOMPARE(relue.paliers.size(), 4);
        QCOMPARE(relue.paliers[0].nom, QString("AIR521ICRU"));
        QCOMPARE(relue.paliers[3].huMax, 2000.0);
        QCOMPARE(relue.paliers[3].densiteMax, 2.088);
        // The file spells a name as the catalogue does; two lines of one name are one medium.
        const QList<Materiau> m = materiauxRampe(rampe(), {{"  eau ", 1.0}});
        QCOMPARE(m.size(), 4);
        QCOMPARE(m[2].nom, QString("  eau "));
        QCOMPARE(m[3].nom, QString("LUNG"));
        QCOMPARE(m[3].densite, 0.2);
        catalogue.removeAt(1);
        QVERIFY(!rampeParDefaut(catalogue, r, &erreur));
        QCOMPARE(erreur, QString("Rampe par défaut : aucun milieu du catalogue ne commence par « LUNG » ; "
                                 "donner une rampe"));
        QVERIFY(!rampeParDefaut({}, r, &erreur));
    }

    // Edges widened outwards to CT boundaries, clamped; sizes as ctcreate takes them; refusals.
    void cadre_data()
    {
        QTest::addColumn<QList<double>>("boite"); // X0 X1, then Y and Z the whole CT
        QTest::addColumn<double>("taille");      // along x, 0 for the CT's own
        QTest::addColumn<QList<double>>("attendu"); // premier fin compte taille origine, or empty
        QTest::addColumn<QString>("refus");
        QTest::newRow("élargie") << QList<double>{0.15, 0.25} << 0.0 << QList<double>{1, 3, 2, 0.1, 0.1} << "";
        QTest::newRow("sur les limites") << QList<double>{0.1, 0.3} << 0.0 << QList<double>{1, 3, 2, 0.1, 0.1} << "";
        QTest::newRow("bornée") << QList<double>{-5, 0.05} << 0.0 << QList<double>{0, 1, 1, 0.1, 0.0} << "";
        QTest::newRow("taille") << QList<double>{0.0, 0.4} << 0.15 << QList<double>{0, 4, 2, 0.2, 0.0} << "";
        QTest::newRow("taille > boîte") << QList<double>{0.0, 0.4} << 9.0 << QList<double>{0, 4, 1, 0.4, 0.0} << "";
        QTest::newRow("hors") << QList<double>{0.4, 1.0} << 0.0 << QList<double>()
                              << "Boîte selon X : de 0.4 à 1 cm, hors du scanner, qui va de 0 à 0.4 cm";
        QTest::newRow("plate") << QList<double>{0.2, 0.2} << 0.0 << QList<double>()
                               << "Boîte selon X : de 0.2 à 0.2 cm, sans épaisseur ; la seconde borne doit dépasser "
                                  "la première";
        QTest::newRow("trop fine") << QList<double>{0.0, 0.4} << 0.05 << QList<double>()
                                   << "Taille selon X : 0.05 cm, plus petite que les voxels du scanner (0.1 cm)";
    }
    void cadre()
    {
        QFETCH(QList<double>, boite);
        QFETCH(double, taille);
        QFETCH(QList<double>, attendu);
        QFETCH(QString, refus);
        const AxeCT ct[3] = {{4, 0.1, 0.0}, {3, 0.5, -1.0}, {2, 0.25, 7.0}};
        const Boite b{{boite[0], -100, -100}, {boite[1], 100, 100}};
        std::optional<std::array<double, 3>> tailles;
        if (taille > 0)
            tailles = std::array<double, 3>{taille, 0.5, 0.25};
        AxeCadre c[3];
        QCOMPARE(cadrer(ct, b, tailles, c), refus);
        if (!refus.isEmpty())
            return;
        QCOMPARE(QList<double>({double(c[0].premier), double(c[0].fin), double(c[0].compte), c[0].taille,
                                c[0].origine}), attendu);
        QCOMPARE(c[2].compte, 2);
        QCOMPARE(c[2].origine, 7.0);
    }

    // Three CT voxels into two: each mean weighted by the overlap; a
    // voxel that is one CT voxel keeps its HU exactly.
    void reechantillonnage()
    {
        const VolumeCT ct = volume(3, 1, 2, {-1000, -900, 0, -950, -950, -950});
        AxeCadre cadre[3];
        const std::array<double, 3> tailles{1.5, 1.0, 1.0};
        QCOMPARE(cadrer(ct.axes, std::nullopt, tailles, cadre), QString());
        QList<QList<double>> lignes;
        reechantillonner(ct, cadre, [&](int, int, const double *v) { lignes << QList<double>{v[0], v[1]}; });
        QCOMPARE(lignes.size(), 2);
        QCOMPARE(lignes[0][0], (-1000.0 - 450.0) / 1.5);
        QCOMPARE(lignes[0][1], (-450.0 + 0.0) / 1.5);
        // -950 three times averaged may not be -950 exactly; alone it is.
        const VolumeCT seul = volume(1, 1, 1, {-950});
        AxeCadre un[3];
        QCOMPARE(cadrer(seul.axes, std::nullopt, std::nullopt, un), QString());
        reechantillonner(seul, un, [&](int, int, const double *v) { QVERIFY(v[0] == -950.0); });
        QCOMPARE(appliquerRampe(rampe("min -1000\nA -950 1 1\nB 0 2 2\n"), -950.0).palier, 0);
    }

    // A CT large enough to be mapped in pieces between the cores: every
    // voxel its ramp line and density, a tilted series' outside the ramp's
    // lower bound wherever it lies (a whole bound kept as a CT number, any
    // other through the floats), a straight series' -32768 left as read.
    void horsCoupes_data()
    {
        QTest::addColumn<bool>("incline");
        QTest::addColumn<int>("dehors"); // the slice outside the scan: -1 none
        QTest::addColumn<QByteArray>("texteRampe");
        QTest::addColumn<bool>("boite");
        QTest::newRow("incliné, dehors au début") << true << 0 << rampeEssai << false;
        QTest::newRow("incliné, dehors à la fin") << true << 66 << rampeEssai << false;
        QTest::newRow("incliné, rien dehors") << true << -1 << rampeEssai << false;
        QTest::newRow("incliné, dans une boîte") << true << 66 << rampeEssai << true;
        QTest::newRow("incliné, borne non entière") << true << 66 << QByteArray(rampeEssai).replace("-1000", "-1000.5")
                                                    << false;
        QTest::newRow("droit, -32768 lu") << false << 66 << rampeEssai << false;
    }
    void horsCoupes()
    {
        QFETCH(bool, incline);
        QFETCH(int, dehors);
        QFETCH(QByteArray, texteRampe);
        QFETCH(bool, boite);
        const int nx = 256, ny = 128, nz = 67;
        std::vector<qint16> hu;
        for (int z = 0; z < nz; ++z)
            for (int y = 0; y < ny; ++y)
                for (int x = 0; x < nx; ++x)
                    hu.push_back(qint16(-980 + (7 * x + 13 * y + 29 * z) % 2100));
        VolumeCT ct = volume(nx, ny, nz, hu);
        if (dehors >= 0)
            std::fill_n(ct.entiers.begin() + qint64(dehors) * nx * ny, nx * ny / 3, huHorsCoupes);
        // The range is what was read: a tilted series' outside has no HU of its own.
        if (incline)
            ct.inclinaison = 15.0;
        else
            ct.huMin = huHorsCoupes;
        QVERIFY(ct.nombreVoxels() >= qint64(2) << 20); // two pieces at least, given two cores
        const Rampe r = rampe(texteRampe);
        AxeCadre cadre[3];
        QCOMPARE(cadrer(ct.axes, boite ? std::optional<Boite>(Boite{{10, 5, 0}, {200, 100, nz}}) : std::nullopt,
                        std::nullopt, cadre),
                 QString());
        Grille g;
        Geometrie geometrie;
        QString erreur;
        QVERIFY(construireFantomeCT(ct, cadre, r, g, geometrie, &erreur));
        const DensitesVoxels &d = g.densites;
        const bool entiere = texteRampe == rampeEssai;
        QCOMPARE(d.nombres.empty(), incline && !entiere);
        qint64 i = 0, horsVus = 0;
        for (int z = 0; z < g.dimZ; ++z)
            for (int y = 0; y < g.dimY; ++y)
                for (int x = 0; x < g.dimX; ++x, ++i) {
                    const qint16 lu = ct.entiers[size_t(((cadre[2].premier + z) * ny + cadre[1].premier + y) * nx
                                                        + cadre[0].premier + x)];
                    const bool hors = incline && lu == huHorsCoupes;
                    horsVus += hors;
                    const double attendu = hors ? r.huMin : lu;
                    const PointRampe point = appliquerRampe(r, attendu);
                    const bool juste = d.nombres.empty()
                                           ? d.codes[size_t(i)] == codeReel(point.densite)
                                           : d.nombres[size_t(i)] == attendu && d.nombres[size_t(i)] - d.premier >= 0
                                                 && d.table.at(size_t(d.nombres[size_t(i)] - d.premier)) == point.densite;
                    if (g.voxels[size_t(i)] != point.palier || !juste)
                        QFAIL(qPrintable(QString("%1 %2 %3 : HU %4").arg(x).arg(y).arg(z).arg(attendu)));
                }
        QCOMPARE(horsVus > 0, incline && dehors >= 0);
        // Nothing outside: the bound is no CT number of this phantom.
        if (incline && dehors < 0)
            QCOMPARE(d.premier, int(ct.huMin));
    }

    // A crop widened to CT boundaries, at the CT's voxels and coarser: the
    // whole file, its densities from the ramp.
    void fantome()
    {
        const VolumeCT ct = volume(4, 1, 1, {-1000, -700, 100, 0}, 0.5);
        const Rampe r = rampe();
        const QList<Materiau> materiaux = materiauxRampe(r, {});
        AxeCadre cadre[3];
        QCOMPARE(cadrer(ct.axes, Boite{{0.7, -1, -1}, {1.6, 1, 1}}, std::nullopt, cadre), QString());
        Grille g;
        Geometrie geometrie;
        QString erreur;
        QVERIFY(construireFantomeCT(ct, cadre, r, g, geometrie, &erreur));
        QCOMPARE(texte(materiaux, g, geometrie),
                 "3\nAIR\nLUNG\nEAU\n0.00100000 0.200000 0.900000 \n   3    1    1\n"
                 "0.500000 1.00000 1.50000 2.00000 \n0.00000 0.500000 \n0.00000 0.500000 \n"
                 "233\n\n" + reel(0.4) + " " + reel(1.25) + " " + reel(1.2) + " \n\n");
        QVERIFY(!g.densites.nombres.empty());
        // Two voxels of 1 cm: -850 and 50 HU, through the packed codes.
        QCOMPARE(cadrer(ct.axes, std::nullopt, std::array<double, 3>{1.0, 0.5, 0.5}, cadre), QString());
        QVERIFY(construireFantomeCT(ct, cadre, r, g, geometrie, &erreur));
        QVERIFY(!g.densites.codes.empty());
        QCOMPARE(texte(materiaux, g, geometrie),
                 "3\nAIR\nLUNG\nEAU\n0.00100000 0.200000 0.900000 \n   2    1    1\n"
                 "0.00000 1.00000 2.00000 \n0.00000 0.500000 \n0.00000 0.500000 \n"
                 "23\n\n" + reel(0.2 + 0.3 * 50 / 300) + " " + reel(0.9 + 0.4 * 650 / 800) + " \n\n");
        QCOMPARE(tailleTexteEgsphant(materiaux, g, geometrie), qint64(texte(materiaux, g, geometrie).size()));
    }
};

QTEST_GUILESS_MAIN(TestScanner)
#include "tst_scanner.moc"
