// Reading egsphant files: back what the writer wrote, the layouts other tools
// write, broken files refused with their line, and the --info table.
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <charconv>
#include <cmath>
#include <sstream>
#include <vector>

#include "batch/lot.h"
#include "egsphant/bilan.h"
#include "egsphant/egsphant.h"
#include "egsphant/lecture.h"
#include "egsphant/reel.h"
#include "egsphant/reelrapide.h"

namespace {

using Milieux = QList<QPair<QString, double>>;

struct Cas
{
    QList<Materiau> materiaux;
    Grille grille;
    Geometrie geometrie;
};

Cas cas(const Milieux &milieux, int x, int y, int z, quint32 graine,
        Geometrie geometrie = Geometrie())
{
    Cas c;
    for (const auto &m : milieux)
        c.materiaux << Materiau(c.materiaux.size(), m.first, m.second);
    c.grille.dimX = x;
    c.grille.dimY = y;
    c.grille.dimZ = z;
    QRandomGenerator hasard(graine);
    for (qint64 v = 0; v < c.grille.nombreVoxels(); ++v)
        c.grille.voxels.push_back(quint8(hasard.bounded(int(milieux.size()))));
    c.geometrie = geometrie;
    return c;
}

// The value a boundary has once written at six digits.
double ecrite(double v)
{
    char texte[longueurReelMax];
    return QByteArray(texte, formatReel(v, texte)).toDouble();
}

QString ecrireTexte(const QTemporaryDir &dossier, const QString &nom, const QByteArray &texte)
{
    QFile f(dossier.filePath(nom));
    if (!f.open(QIODevice::WriteOnly) || f.write(texte) != texte.size())
        return QString();
    return f.fileName();
}

// Reads a file that must be readable, failing the test otherwise.
Fantome lire(const QString &chemin)
{
    Fantome f;
    QString erreur;
    if (!lireEgsphant(chemin, f, &erreur))
        QTest::qFail(qPrintable(QString("« %1 » illisible : %2").arg(chemin, erreur)), __FILE__, __LINE__);
    return f;
}

// Everything the reader gives, in one comparable text per voxel and header.
QStringList resume(const Fantome &f)
{
    QStringList r;
    QStringList noms;
    for (const QString &n : f.noms)
        noms << n.trimmed();
    r << noms.join('|') << QString("%1 %2 %3").arg(f.dim[0]).arg(f.dim[1]).arg(f.dim[2]);
    for (double d : f.densites)
        r << QString::number(d, 'g', 17);
    for (const auto &b : f.bornes)
        for (double v : b)
            r << QString::number(v, 'g', 17);
    for (qint64 v = 0; v < f.nombreVoxels(); ++v)
        r << QString("%1:%2").arg(f.milieu(v)).arg(f.densite(v), 0, 'g', 17);
    return r;
}

QString info(const QStringList &arguments, int &statut, QString *erreurs = nullptr)
{
    std::ostringstream sortie, erreur;
    statut = executerLot(arguments, sortie, erreur);
    if (erreurs)
        *erreurs = QString::fromStdString(erreur.str());
    return QString::fromStdString(sortie.str());
}

// A 3 × 2 × 2 phantom in its plain layout, line by line; the variants below
// change its form, never its content.
const QList<QByteArray> lignesReference = {
    "3",                                         // 1
    "AIR", "EAU", "OS",                          // 2-4
    "0.00120000 1.00000 1.85000 ",               // 5
    "   3    2    2",                            // 6
    "-1.00000 0.00000 2.50000 3.00000 ",         // 7
    "0.00000 1.00000 3.00000 ",                  // 8
    "0.00000 0.500000 1.50000 ",                 // 9
    "121",                                       // 10
    "331",                                       // 11
    "",                                          // 12
    "213",                                       // 13
    "111",                                       // 14
    "",                                          // 15
    "0.00120000 1.00000 0.00120000 ",            // 16
    "1.85000 1.85000 0.00120000 ",               // 17
    "",                                          // 18
    "1.05000 0.00120000 1.85000 ",               // 19
    "0.00120000 0.00120000 0.00120000 ",         // 20
    "",                                          // 21
};

QByteArray joindre(const QList<QByteArray> &lignes, const QByteArray &fin = "\n")
{
    QByteArray t;
    for (const QByteArray &l : lignes)
        t += l + fin;
    return t;
}

// The first of the nombre words whose value read is not the float of the
// C library's double, as "WORD : READ lu, EXPECTED attendu"; empty when all are.
QString premierEcart(const QList<QByteArray> &mots, const std::vector<float> &lus, qint64 nombre)
{
    for (qint64 i = 0; i < nombre; ++i) {
        double attendu = 0;
        std::from_chars(mots[i].constData(), mots[i].constData() + mots[i].size(), attendu);
        if (lus[size_t(i)] != float(attendu))
            return QString("%1 : %2 lu, %3 attendu")
                .arg(mots[i])
                .arg(lus[size_t(i)], 0, 'g', 9)
                .arg(float(attendu), 0, 'g', 9);
    }
    return QString();
}

} // namespace

class TestLecture : public QObject
{
    Q_OBJECT

private slots:
    void allerRetour_data()
    {
        QTest::addColumn<Milieux>("milieux");
        QTest::addColumn<QList<int>>("dims");
        QTest::addColumn<QList<double>>("geometrie"); // sizes then origin
        const QList<double> defaut = {1.0, 1.0, 1.0, -15.0, -15.0, 0.0};
        QTest::newRow("un voxel") << Milieux{{"AIR", 0.0012}} << QList<int>{1, 1, 1} << defaut;
        QTest::newRow("3 x 2 x 1") << Milieux{{"AIR", 0.0012}, {"EAU", 1.0}}
                                   << QList<int>{3, 2, 1} << defaut;
        QTest::newRow("noms complétés de blancs, densités extrêmes")
            << Milieux{{"AIR521ICRU              ", 1e-05}, {"H2O521ICRU   ", 100000.0},
                                             {"ICRPBONE521ICRU", 1.85}}
            << QList<int>{7, 5, 3} << QList<double>{0.25, 2.5, 0.1, -3.2, 100.0, -0.5};
        QTest::newRow("deux niveaux d'un même milieu")
            << Milieux{{"AIR", 0.0012048}, {"EAU", 1.0}, {"EAU", 1.05}, {"OS", 1.85}}
            << QList<int>{4, 6, 5} << QList<double>{0.5, 0.5, 2.0, 0.0, 0.0, 0.0};
        Milieux soixanteEtUn;
        for (int m = 0; m < nombreMilieuxMax; ++m)
            soixanteEtUn << qMakePair(QString("MILIEU%1").arg(m + 1), 0.125 * (m + 1));
        QTest::newRow("61 milieux") << soixanteEtUn << QList<int>{16, 9, 4} << defaut;
        // Larger than one read block: words and rows straddle the blocks.
        QTest::newRow("plus grand qu'un bloc") << Milieux{{"AIR", 0.0012}, {"EAU", 1.0},
                                                                                {"OS", 1.85}, {"POUMON", 0.26}}
                                              << QList<int>{300, 300, 12} << defaut;
        QTest::newRow("rangées plus longues qu'un bloc") << Milieux{{"AIR", 0.0012}, {"EAU", 1.0}}
                                                        << QList<int>{300000, 2, 2} << defaut;
    }

    void allerRetour()
    {
        QFETCH(Milieux, milieux);
        QFETCH(QList<int>, dims);
        QFETCH(QList<double>, geometrie);
        Geometrie g;
        for (int a = 0; a < 3; ++a) {
            g.taille[a] = geometrie[a];
            g.origine[a] = geometrie[3 + a];
        }
        const Cas c = cas(milieux, dims[0], dims[1], dims[2], quint32(dims[0] * 7 + dims[2]), g);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("f.egsphant");
        QString erreur;
        QVERIFY2(enregistrerEgsphant(chemin, c.materiaux, c.grille, c.geometrie, &erreur), qPrintable(erreur));

        Fantome f;
        QVERIFY2(lireEgsphant(chemin, f, &erreur), qPrintable(erreur));
        for (int a = 0; a < 3; ++a) {
            QCOMPARE(f.dim[a], dims[a]);
            QCOMPARE(int(f.bornes[a].size()), dims[a] + 1);
            for (int i = 0; i <= dims[a]; ++i)
                QCOMPARE(f.bornes[a][size_t(i)], ecrite(g.origine[a] + i * g.taille[a]));
        }
        // The writer may list a name once for several records: each voxel
        // must still read back its record's name and its own density.
        QStringList nomsEcrits;
        for (const Materiau &m : c.materiaux)
            if (!nomsEcrits.contains(m.nom))
                nomsEcrits << m.nom;
        QStringList nomsLus;
        for (const QString &n : f.noms)
            if (!nomsLus.contains(n))
                nomsLus << n;
        QCOMPARE(nomsLus, nomsEcrits);
        // The densities line holds, for each name, the density of a record of that name.
        for (int m = 0; m < f.noms.size(); ++m) {
            const bool trouve = std::any_of(c.materiaux.begin(), c.materiaux.end(), [&](const Materiau &r) {
                return r.nom == f.noms[m] && r.densite == f.densites[size_t(m)];
            });
            QVERIFY2(trouve, qPrintable(QString("%1 %2").arg(f.noms[m]).arg(f.densites[size_t(m)])));
        }
        for (qint64 v = 0; v < f.nombreVoxels(); ++v) {
            const Materiau &attendu = c.materiaux[c.grille.voxels[size_t(v)]];
            if (f.noms[f.milieu(v)] != attendu.nom || f.densite(v) != attendu.densite)
                QFAIL(qPrintable(QString("voxel %1 : %2 %3 lu, %4 %5 écrit")
                                     .arg(v)
                                     .arg(f.noms[f.milieu(v)])
                                     .arg(f.densite(v))
                                     .arg(attendu.nom)
                                     .arg(attendu.densite)));
        }
    }

    void gzip()
    {
        const QString gzip = QStandardPaths::findExecutable("gzip");
        if (gzip.isEmpty())
            QSKIP("gzip absent : pas de fichier .gz à lire");
        const Cas c = cas({{"AIR", 0.0012}, {"EAU", 1.0}, {"OS", 1.85}}, 200, 150, 20, 3);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("f.egsphant");
        QString erreur;
        QVERIFY(enregistrerEgsphant(chemin, c.materiaux, c.grille, c.geometrie, &erreur));
        QProcess compression;
        compression.setStandardOutputFile(dossier.filePath("f.gz"));
        compression.start(gzip, {"-c", chemin});
        QVERIFY(compression.waitForFinished() && compression.exitCode() == 0);
        const Fantome ecrit = lire(chemin);
        QCOMPARE(ecrit.nombreVoxels(), c.grille.nombreVoxels());
        const QStringList attendu = resume(ecrit);
        QCOMPARE(resume(lire(dossier.filePath("f.gz"))), attendu);

        // Two members after each other read as one text.
        QFile tout(dossier.filePath("f.gz"));
        QVERIFY(tout.open(QIODevice::ReadOnly));
        const QByteArray octets = tout.readAll();
        compression.setStandardOutputFile(dossier.filePath("debut.gz"));
        const QString debut = ecrireTexte(dossier, "debut", joindre(lignesReference.mid(0, 15)));
        const QString suite = ecrireTexte(dossier, "suite", joindre(lignesReference.mid(15)));
        compression.start(gzip, {"-c", debut});
        QVERIFY(compression.waitForFinished());
        compression.setStandardOutputFile(dossier.filePath("suite.gz"));
        compression.start(gzip, {"-c", suite});
        QVERIFY(compression.waitForFinished());
        QFile a(dossier.filePath("debut.gz")), b(dossier.filePath("suite.gz"));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QString deux = ecrireTexte(dossier, "deux.gz", a.readAll() + b.readAll());
        const QString reference = ecrireTexte(dossier, "reference", joindre(lignesReference));
        QCOMPARE(resume(lire(deux)), resume(lire(reference)));

        // Damaged or cut short: refused, never read as a smaller phantom.
        QByteArray abime = octets;
        for (int i = 0; i < 64; ++i)
            abime[abime.size() / 2 + i] = char(abime[abime.size() / 2 + i] ^ 0x5a);
        Fantome f;
        QVERIFY(!lireEgsphant(ecrireTexte(dossier, "abime.gz", abime), f, &erreur));
        QVERIFY(!lireEgsphant(ecrireTexte(dossier, "coupe.gz", octets.left(octets.size() - 6)), f, &erreur));
        QVERIFY2(erreur.contains("tronqué"), qPrintable(erreur));
        QCOMPARE(f.nombreVoxels(), 0);
    }

    void dispositions_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<bool>("note"); // the text ends on a word: perhaps cut there
        const QList<QByteArray> l = lignesReference;
        QTest::newRow("telle quelle") << joindre(l) << false;
        QList<QByteArray> completes = l;
        for (int i = 1; i <= 3; ++i)
            completes[i] = completes[i].leftJustified(24, ' ');
        QTest::newRow("noms complétés de blancs") << joindre(completes) << false;
        QList<QByteArray> uneLigne = l;
        uneLigne.replace(1, "AIR EAU OS ");
        uneLigne.removeAt(2);
        uneLigne.removeAt(2);
        QTest::newRow("noms sur une ligne") << joindre(uneLigne) << false;
        QTest::newRow("CRLF") << joindre(l, "\r\n") << false;
        QList<QByteArray> blancs = l;
        blancs.insert(15, "");
        blancs.insert(12, "   ");
        blancs.insert(12, "");
        blancs.insert(9, "");
        QTest::newRow("lignes vides entre les coupes") << joindre(blancs) << false;
        QList<QByteArray> libre = l;
        libre.replace(4, "1.2D-03 1.0\n  1.85E+00");
        libre.replace(6, "-1 0\n2.5\n 3");
        libre.replace(16, "1.85 +1.85 \t1.2e-3\n");
        libre.replace(19, "1.2E-3\n1.2E-3 1.2E-3");
        QTest::newRow("format libre, sur plusieurs lignes") << joindre(libre) << false;
        QList<QByteArray> longs = l;
        longs.replace(15, "0.001200000000000000000 1 0.0012");
        longs.replace(18, "1.05000000000000000000000000000 0.0012 1.850000000000000000000000000");
        QTest::newRow("textes longs et courts d'une même densité") << joindre(longs) << false;
        QByteArray sansFin = joindre(l);
        sansFin.chop(3);
        QTest::newRow("sans fin de ligne finale") << sansFin << true;
        // "0.00120000" cut to "0.0012": the same value, but a cut file.
        sansFin.chop(4);
        QTest::newRow("coupée dans la dernière densité") << sansFin << true;
    }

    void dispositions()
    {
        QFETCH(QByteArray, texte);
        QFETCH(bool, note);
        QTemporaryDir dossier;
        const Fantome reference = lire(ecrireTexte(dossier, "reference", joindre(lignesReference)));
        QCOMPARE(reference.nombreVoxels(), 12);
        QCOMPARE(reference.noms, QStringList({"AIR", "EAU", "OS"}));
        QCOMPARE(reference.milieu(reference.indice(2, 1, 0)), 0);   // '1'
        QCOMPARE(reference.densite(reference.indice(0, 0, 1)), 1.05); // medium 2 at another density
        Fantome f;
        QString erreur;
        QVERIFY2(lireEgsphant(ecrireTexte(dossier, "variante", texte), f, &erreur), qPrintable(erreur));
        QCOMPARE(resume(f), resume(reference));
        QCOMPARE(reference.notes, QStringList());
        QCOMPARE(f.notes.size(), note ? 1 : 0);
        if (note)
            QVERIFY2(f.notes[0].contains("sans fin de ligne"), qPrintable(f.notes[0]));
    }

    // More distinct density texts than two bytes can number: the voxels
    // already read keep their values, as floats.
    void beaucoupDeDensites()
    {
        const int n = 70000;
        QByteArray texte = "1\nEAU\n1.0\n" + QByteArray::number(n) + " 1 1\n";
        for (int x = 0; x <= n; ++x)
            texte += QByteArray::number(x) + ' ';
        texte += "\n0 1\n0 1\n";
        texte += QByteArray(n, '1') + "\n\n";
        for (int x = 0; x < n; ++x)
            texte += QByteArray::number(1.0 + x * 1e-5, 'f', 5) + ' ';
        texte += "\n\n";
        QTemporaryDir dossier;
        Fantome f;
        QString erreur;
        QVERIFY2(lireEgsphant(ecrireTexte(dossier, "ct", texte), f, &erreur), qPrintable(erreur));
        QVERIFY(f.densitesDirectes);
        for (int x = 0; x < n; ++x)
            if (float(f.densite(x)) != float(QByteArray::number(1.0 + x * 1e-5, 'f', 5).toDouble()))
                QFAIL(qPrintable(QString("voxel %1 : %2").arg(x).arg(f.densite(x))));
        QCOMPARE(f.notes.size(), 0);
        // Cut inside the last density ("1.69999" to "1.699"): read, but said.
        texte.chop(5);
        QVERIFY2(lireEgsphant(ecrireTexte(dossier, "coupe", texte), f, &erreur), qPrintable(erreur));
        QCOMPARE(float(f.densite(n - 1)), 1.699f);
        QCOMPARE(f.notes.size(), 1);
    }

    // The densities' own form read many at a time: every word taken, each
    // the float of the library's double, lines counted. Random values as
    // the writer gives them, up to fifteen digits, the exact middles of two
    // floats that are short enough, and their neighbours.
    void densitesFixes_data()
    {
        QTest::addColumn<QList<QByteArray>>("mots");
        QRandomGenerator hasard(31);
        QList<QByteArray> ecrits, longs, milieux;
        char texte[longueurReelMax];
        for (int i = 0; i < 30000; ++i) {
            ecrits << QByteArray(texte, formatReel(std::pow(10.0, hasard.generateDouble() * 10 - 4), texte));
            QByteArray mot = QByteArray::number(std::ldexp(hasard.generateDouble(), int(hasard.bounded(-4, 23))), 'f',
                                                int(hasard.bounded(0, 15 - 7)));
            longs << (mot.contains('.') ? mot : mot + '.');
            // From 2^16 on, the middle of a float and the next has at most eight decimals.
            const float f = float(65536 + hasard.generateDouble() * (1e7 - 65536));
            const double milieu = (double(f) + double(std::nextafter(f, 2e7f))) / 2;
            for (const double v : {milieu, milieu - 1e-8, milieu + 1e-8})
                milieux << QByteArray::number(v, 'f', 8);
            // Within a few units of a double's last place of the middle: fifteen digits below 10^5.
            if (f < 1e5f)
                for (const double v : {milieu - 1e-10, milieu + 1e-10})
                    milieux << QByteArray::number(v, 'f', 10);
        }
        QTest::newRow("écrits par formatReel") << ecrits;
        QTest::newRow("jusqu'à quinze chiffres") << longs;
        QTest::newRow("milieux de deux floats et voisins") << milieux;
    }

    void densitesFixes()
    {
        QFETCH(QList<QByteArray>, mots);
        QByteArray texte;
        for (int i = 0; i < mots.size(); ++i)
            texte += mots[i] + (i % 10 == 9 ? '\n' : ' ');
        texte += QByteArray(80, ' '); // room for the last 64 bytes read at once
        // Each way: 64 bytes at a time, then stretches with SSSE3, then with AVX2.
        for (int registres = 0; registres <= 2; ++registres) {
            std::vector<float> lus(size_t(mots.size()));
            const char *p = texte.constData();
            qint64 lignes = 0;
            const qint64 pris =
                reelsFixes(p, texte.constData() + texte.size(), lus.data(), mots.size(), lignes, registres);
            QCOMPARE(pris, qint64(mots.size()));
            QCOMPARE(lignes, qint64((mots.size() - 1) / 10)); // not the last word's
            const QString ecart = premierEcart(mots, lus, mots.size());
            QVERIFY2(ecart.isEmpty(), qPrintable(ecart));
        }
    }

    // Any other form is left, at its first byte, to the general way.
    void densitesFixesAutres_data()
    {
        QTest::addColumn<QByteArray>("mot");
        for (const char *mot : {"-1.5", "+1.5", ".5", "15", "1.5e3", "1.5E+03", "1.0D0", "1..5", "1.5.", "1,5",
                                "12345678.5", "1.12345678901234567", "nan", "1.5\xc2\xa0"})
            QTest::newRow(mot) << QByteArray(mot);
    }

    void densitesFixesAutres()
    {
        QFETCH(QByteArray, mot);
        const QByteArray texte = "1.5 2.25\n" + mot + " 3.5 " + QByteArray(160, ' ');
        float lus[3] = {};
        const char *p = texte.constData();
        qint64 lignes = 0;
        QCOMPARE(reelsFixes(p, texte.constData() + texte.size(), lus, 3, lignes),
                 qint64(2));
        QCOMPARE(p - texte.constData(), qint64(9));
        QCOMPARE(lignes, qint64(1));
        QCOMPARE(lus[1], 2.25f);
    }

    // Words counted between any of the six blanks, across the 64-byte steps.
    void mots_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QByteArray long_;
        for (int i = 0; i < 300; ++i)
            long_ += QByteArray(i % 7 + 1, 'a' + char(i % 26)) + QByteArray(1 + i % 3, " \n\r\t\f\v"[i % 6]);
        QTest::newRow("vide") << QByteArray();
        QTest::newRow("blancs seuls") << QByteArray(" \n\r\t\f\v").repeated(20);
        QTest::newRow("un mot sans blanc") << QByteArray(150, '7');
        QTest::newRow("mot à cheval sur 64 octets") << QByteArray(62, ' ') + "1.25 " + QByteArray(70, ' ') + "3";
        QTest::newRow("blanc au 64e octet") << QByteArray(63, 'x') + ' ' + QByteArray(64, 'y') + '\n';
        QTest::newRow("octets hauts et de contrôle") << QByteArray("\x80\xff \x08\x0e\x1f!").repeated(30);
        QTest::newRow("blancs mêlés") << long_;
    }

    void mots()
    {
        QFETCH(QByteArray, texte);
        // simplified() knows the same six blanks. From a few starts, so
        // that the 64-byte steps fall elsewhere; a byte at a time, then AVX2.
        for (int debut = 0; debut <= std::min<int>(3, int(texte.size())); ++debut) {
            const QByteArray simple = texte.mid(debut).simplified();
            const qint64 attendus = simple.isEmpty() ? 0 : simple.count(' ') + 1;
            for (int registres : {0, 2})
                QCOMPARE(compterMots(texte.constData() + debut, texte.constData() + texte.size(), registres), attendus);
        }
    }

    // Long runs of the form, as the reader takes them 2 KB at a time: a word
    // of another form wherever it falls, at the start, inside a stretch,
    // across the end of one, or just after, stops the reading at its first
    // byte with the lines before it counted; words of the form at its
    // limits are all taken, each the float of the library's double.
    void densitesParLots_data()
    {
        QTest::addColumn<QList<QByteArray>>("mots");
        QTest::addColumn<int>("arret"); // the index of the word not taken; -1 for none
        char texte[longueurReelMax];
        QList<QByteArray> ecrits;
        for (int i = 0; i < 1500; ++i)
            ecrits << QByteArray(texte, formatReel(std::pow(10.0, std::sin(i * 0.7) * 3), texte));
        // The index of the word that goes over byte 2048 of their text.
        int aCheval = 0;
        for (qint64 octets = 0; octets + ecrits[aCheval].size() < 2048; ++aCheval)
            octets += ecrits[aCheval].size() + 1;
        const QList<QPair<const char *, int>> places = {{"au début", 0},
                                                        {"dans un lot", 100},
                                                        {"dernier entier d'un lot", aCheval - 1},
                                                        {"à cheval sur deux lots", aCheval},
                                                        {"premier du lot suivant", aCheval + 1},
                                                        {"loin", 1400}};
        for (const char *mot : {"1.5e3", "-1.5", "+1.5", ".5", "15", "1..5", "1.0x", "12345678.5",
                                "1.12345678901234567", "1,5", "1.0\x01"})
            for (const auto &[ou, i] : places) {
                QList<QByteArray> mots = ecrits;
                mots[i] = mot;
                QTest::addRow("%s %s", QByteArray(mot).toPercentEncoding().constData(), ou) << mots << i;
            }
        // The form's limits: sixteen bytes, a point last, zeros in front, the most decimals.
        const QList<QPair<const char *, QByteArray>> limites = {{"seize octets", "1234567.12345678"},
                                                                 {"point final", "1234567."},
                                                                 {"zéros en tête", "0000000.00000123"},
                                                                 {"quatorze décimales", "0.12345678901234"},
                                                                 {"un chiffre", "7.5"}};
        for (const auto &[nom, mot] : limites) {
            QList<QByteArray> mots = ecrits;
            for (int i = 0; i < mots.size(); i += 3)
                mots[i] = mot;
            QTest::newRow(nom) << mots << -1;
        }
    }

    void densitesParLots()
    {
        QFETCH(QList<QByteArray>, mots);
        QFETCH(int, arret);
        QByteArray texte;
        qint64 placeArret = 0, lignesAvant = 0;
        for (int i = 0; i < mots.size(); ++i) {
            if (i == arret) {
                placeArret = texte.size();
                lignesAvant = texte.count('\n');
            }
            texte += mots[i] + (i % 37 == 36 ? '\n' : ' ');
        }
        texte += QByteArray(80, ' ');
        for (int registres = 0; registres <= 2; ++registres) {
            std::vector<float> lus(size_t(mots.size()));
            const char *p = texte.constData();
            qint64 lignes = 0;
            const qint64 pris =
                reelsFixes(p, texte.constData() + texte.size(), lus.data(), mots.size(), lignes, registres);
            if (arret < 0) {
                QCOMPARE(pris, qint64(mots.size()));
            } else {
                QCOMPARE(pris, qint64(arret));
                QCOMPARE(p - texte.constData(), placeArret);
                QCOMPARE(lignes, lignesAvant);
            }
            const QString ecart = premierEcart(mots, lus, pris);
            QVERIFY2(ecart.isEmpty(), qPrintable(ecart));
        }
    }

    // Runs of words of one form, as a CT's densities come, read four at a
    // time at their steps: every word the float of the library's double
    // wherever a run breaks (a word of another form at each place of a
    // group of four, blanks other than one space, a form too long for a
    // run), lines counted; a word of no form stops the reading at its
    // first byte, at each place of a group too. Nothing is written past the
    // text's words, nor past those asked for when fewer than a run holds.
    void densitesEnSuites_data()
    {
        QTest::addColumn<QList<QByteArray>>("mots");
        QTest::addColumn<QList<QByteArray>>("blancs"); // the blanks after each word
        QTest::addColumn<int>("arret");                // the index of the word not taken; -1 for none
        QTest::addColumn<int>("max");                  // the words asked for; -1 for all
        char texte[longueurReelMax];
        QList<QByteArray> sept, dix, quinze, seize;
        for (int i = 0; i < 600; ++i) {
            sept << QByteArray(texte, formatReel(1.0 + i * 3.1e-4, texte));
            dix << QByteArray(texte, formatReel(0.0012 + i * 1.3e-6, texte));
            quinze << QByteArray::number(1000000 + i) + '.' + QByteArray::number(1000000 + i * 7919 % 9000000);
            seize << quinze.back() + QByteArray::number(i % 10);
        }
        const QList<QByteArray> espaces(600, " ");
        QTest::newRow("sept octets") << sept << espaces << -1 << -1;
        QTest::newRow("dix octets") << dix << espaces << -1 << -1;
        QTest::newRow("quinze octets") << quinze << espaces << -1 << -1;
        QTest::newRow("seize octets, trop longs pour une suite") << seize << espaces << -1 << -1;
        for (int k = 1; k <= 3; ++k) {
            QList<QByteArray> mots = sept.mid(0, 100);
            mots[100 - k] = "1234567.12345678"; // of the form, too long for a run
            QTest::addRow("un mot trop long, %d avant la fin", k) << mots << espaces.mid(0, 100) << -1 << -1;
        }
        for (const int max : {333, 334, 335, 336})
            QTest::addRow("%d demandés", max) << sept << espaces << -1 << max;
        QList<QByteArray> formes = sept;
        for (int i = 101; i < 600; i += 105)
            formes[i] = dix[i]; // 101, 206, 311, 416, 521: each place of a group of four
        QTest::newRow("une autre forme de place en place") << formes << espaces << -1 << -1;
        QList<QByteArray> autres = espaces;
        const QList<QByteArray> separateurs = {"  ", "\t", "\n", " \n", "\r\n", "\n\n ", "\f", " \t "};
        for (int k = 0; k < separateurs.size(); ++k)
            autres[50 + 61 * k + k % 4] = separateurs[k];
        QTest::newRow("autres blancs") << sept << autres << -1 << -1;
        for (const char *mot : {"1.0x", "1.23.56", "1.5e3", "-1.5000", "1.2345", "1.234567", "12.3456"})
            for (const int i : {200, 201, 202, 203, 590}) {
                QList<QByteArray> mots = sept;
                mots[i] = mot;
                // Words of the fixed form end no run of the reading; others stop it.
                const bool fixe = QByteArray(mot).startsWith("1.234") || QByteArray(mot) == "12.3456";
                QTest::addRow("%s, mot %d", mot, i) << mots << espaces << (fixe ? -1 : i) << -1;
            }
    }

    void densitesEnSuites()
    {
        QFETCH(QList<QByteArray>, mots);
        QFETCH(QList<QByteArray>, blancs);
        QFETCH(int, arret);
        QFETCH(int, max);
        const qint64 attendus = arret >= 0 ? arret : max >= 0 ? max : mots.size();
        QByteArray texte;
        qint64 placeArret = 0, lignesAvant = 0;
        for (int i = 0; i < mots.size(); ++i) {
            if (i == arret) {
                placeArret = texte.size();
                lignesAvant = texte.count('\n');
            }
            texte += mots[i];
            if (arret < 0 && i == attendus - 1)
                lignesAvant = texte.count('\n'); // those before the last word's end
            texte += blancs[i];
        }
        texte += QByteArray(80, ' ');
        for (int registres = 0; registres <= 2; ++registres) {
            // Room for more words than the text has, each marked until read.
            std::vector<float> lus(size_t(mots.size() + 8), -1.0f);
            const qint64 demandes = max >= 0 ? max : qint64(lus.size());
            const char *p = texte.constData();
            qint64 lignes = 0;
            QCOMPARE(reelsFixes(p, texte.constData() + texte.size(), lus.data(), demandes, lignes, registres), attendus);
            QCOMPARE(lignes, lignesAvant);
            if (arret >= 0)
                QCOMPARE(p - texte.constData(), placeArret);
            // Nothing written past the text's words: the next values may be another thread's.
            const qint64 ecrits = std::min<qint64>(demandes, mots.size());
            QCOMPARE(std::count(lus.begin() + ecrits, lus.end(), -1.0f), qint64(lus.size()) - ecrits);
            const QString ecart = premierEcart(mots, lus, attendus);
            QVERIFY2(ecart.isEmpty(), qPrintable(ecart));
        }
    }

    // A density per voxel in mixed forms, through the whole reader: the
    // same floats as the library's doubles, wherever the form changes.
    void densitesMelees()
    {
        const int n = 70000;
        QByteArray texte = "1\nEAU\n1.0\n" + QByteArray::number(n) + " 1 1\n";
        for (int x = 0; x <= n; ++x)
            texte += QByteArray::number(x) + ' ';
        texte += "\n0 1\n0 1\n" + QByteArray(n, '1') + "\n\n";
        QList<QByteArray> mots;
        for (int x = 0; x < n; ++x) {
            const double v = 1.0 + x * 1.7e-5;
            mots << (x % 97 == 5   ? QByteArray::number(v, 'e', 6)
                     : x % 89 == 7 ? "+" + QByteArray::number(v, 'f', 4)
                     : x % 83 == 3 ? QByteArray::number(v * 1e-9, 'f', 15)
                                   : QByteArray::number(v, 'f', x % 7));
            texte += mots.back() + (x % 1000 == 999 ? '\n' : ' ');
        }
        QTemporaryDir dossier;
        Fantome f;
        QString erreur;
        QVERIFY2(lireEgsphant(ecrireTexte(dossier, "ct", texte), f, &erreur), qPrintable(erreur));
        QVERIFY(f.densitesDirectes);
        for (int x = 0; x < n; ++x)
            if (float(f.densite(x)) != float(mots[x].toDouble()))
                QFAIL(qPrintable(QString("voxel %1 : %2 lu pour %3").arg(x).arg(f.densite(x)).arg(mots[x])));
    }

    // Masses of a density per voxel, summed run by run of one medium: runs
    // of one, of a few, and one to the end of the row. Densities 1 + x/8192
    // and widths of a power of two make every sum exact in any order:
    // medium m's mass is 2.5 cm² (two rows of 2 and 3 cm, 0.5 cm deep)
    // times the sum of its columns' densities, its volume 2.5 its columns.
    void massesParVoxel_data()
    {
        QTest::addColumn<int>("motif");
        QTest::newRow("alternés un à un") << 0;
        QTest::newRow("sept puis un") << 1;
        QTest::newRow("trois longues séries, la dernière en fin de rangée") << 2;
    }
    void massesParVoxel()
    {
        QFETCH(int, motif);
        const int n = 8192;
        const auto milieu = [motif](int x) { return motif == 0 ? x % 2 : motif == 1 ? int(x % 8 == 7) : x / 3000; };
        QByteArray texte = "3\nAIR\nEAU\nOS\n1.0 1.0 1.0\n" + QByteArray::number(n) + " 2 1\n";
        for (int x = 0; x <= n; ++x)
            texte += QByteArray::number(x) + ' ';
        texte += "\n0 2 5\n0 0.5\n";
        QByteArray rangee, densites;
        std::vector<double> sommes(3), colonnes(3);
        for (int x = 0; x < n; ++x) {
            rangee += char('1' + milieu(x));
            densites += QByteArray::number(1.0 + x / 8192.0, 'f', 13) + ' ';
            sommes[size_t(milieu(x))] += 1.0 + x / 8192.0;
            ++colonnes[size_t(milieu(x))];
        }
        texte += rangee + '\n' + rangee + "\n\n" + densites + '\n' + densites + "\n\n";
        QTemporaryDir dossier;
        Fantome f;
        QString erreur;
        QVERIFY2(lireEgsphant(ecrireTexte(dossier, "ct", texte), f, &erreur), qPrintable(erreur));
        QVERIFY(f.densitesDirectes);
        const std::vector<BilanMilieu> bilan = bilanMilieux(f);
        QCOMPARE(bilan.size(), size_t(3));
        for (size_t m = 0; m < 3; ++m) {
            QCOMPARE(bilan[m].voxels, qint64(2 * colonnes[m]));
            QCOMPARE(bilan[m].volume, 2.5 * colonnes[m]);
            QCOMPARE(bilan[m].masse, 2.5 * sommes[m]);
        }
    }

    // A density per voxel read in two halves on two threads, the second's
    // values placed after the first's words counted: each voxel its own
    // value whatever the blanks between them, where the halves meet too.
    void densitesParMoities_data()
    {
        QTest::addColumn<int>("blancs");
        QTest::newRow("un espace") << 0;
        QTest::newRow("séries d'espaces et lignes vides") << 1;
        QTest::newRow("tabulations et CRLF") << 2;
    }

    void densitesParMoities()
    {
        QFETCH(int, blancs);
        // Blocks whose values cannot run out within them: more than one of text.
        const int cote = 1000, n = cote * cote * 3 / 2;
        QByteArray texte = "1\nEAU\n1.0\n1000 1500 1\n";
        for (int a = 0; a < 2; ++a) {
            for (int i = 0; i <= cote * (a + 2) / 2; ++i)
                texte += QByteArray::number(i) + ' ';
            texte += '\n';
        }
        texte += "0 1\n" + (QByteArray(cote, '1') + '\n').repeated(n / cote) + '\n';
        for (int x = 0; x < n; ++x) {
            texte += QByteArray::number(1.0 + x * 1e-6, 'f', 6);
            texte += blancs == 0 ? QByteArray(" ")
                   : blancs == 1 ? QByteArray(1 + x % 5, ' ') + (x % 7 == 6 ? "\n\n" : "")
                                 : QByteArray(x % 3 == 2 ? "\r\n" : "\t");
        }
        QTemporaryDir dossier;
        Fantome f;
        QString erreur;
        QVERIFY2(lireEgsphant(ecrireTexte(dossier, "moities", texte), f, &erreur), qPrintable(erreur));
        QVERIFY(f.densitesDirectes);
        for (int x = 0; x < n; ++x)
            if (f.densite(x) != float(1.0 + x * 1e-6))
                QFAIL(qPrintable(QString("voxel %1 : %2 lu").arg(x + 1).arg(f.densite(x), 0, 'g', 9)));
    }

    // Texts that seldom repeat are read as floats from early on: a broken
    // one far in is refused with its line and voxel all the same, in either
    // half of a block read on two threads.
    void densiteCasseeLoin_data()
    {
        QTest::addColumn<int>("voxel");
        QTest::addColumn<QByteArray>("mot");
        QTest::newRow("seconde moitié") << 60000 << QByteArray("1.0x");
        QTest::newRow("première moitié") << 20000 << QByteArray("1..5");
        QTest::newRow("de la longueur des autres") << 40191 << QByteArray("1.4000x");
        QTest::newRow("dernier voxel") << 69999 << QByteArray("1.0.");
    }

    void densiteCasseeLoin()
    {
        QFETCH(int, voxel);
        QFETCH(QByteArray, mot);
        const int n = 70000;
        QByteArray texte = "1\nEAU\n1.0\n" + QByteArray::number(n) + " 1 1\n";
        for (int x = 0; x <= n; ++x)
            texte += QByteArray::number(x) + ' ';
        texte += "\n0 1\n0 1\n" + QByteArray(n, '1') + "\n\n";
        for (int x = 0; x < n; ++x)
            texte += x == voxel ? mot + ' ' : QByteArray::number(1.0 + x * 1e-5, 'f', 5) + ' ';
        QTemporaryDir dossier;
        Fantome f;
        QString erreur;
        QVERIFY(!lireEgsphant(ecrireTexte(dossier, "casse", texte), f, &erreur));
        QCOMPARE(erreur, QString("ligne 10 : « %1 » n'est pas un nombre (densité du voxel (%2, 1, 1))")
                             .arg(QString::fromLatin1(mot))
                             .arg(voxel + 1));
    }

    void refus_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("motif");
        const QList<QByteArray> l = lignesReference;
        for (int n : {1, 3, 5, 8, 11, 12, 14, 17, 19})
            QTest::addRow("tronqué après %d lignes", n) << joindre(l.mid(0, n)) << n + 1 << "fin du fichier";
        QByteArray coupe = joindre(l);
        coupe.chop(13); // the last density's text and the line ends
        QTest::newRow("tronqué au milieu d'une ligne") << coupe << 20 << "fin du fichier";
        auto change = [&](int ligne, const QByteArray &texte) {
            QList<QByteArray> c = l;
            c[ligne - 1] = texte;
            return joindre(c);
        };
        QTest::newRow("rangée trop courte") << change(13, "21") << 13 << "2 caractères, 3 attendus";
        QTest::newRow("rangée trop longue") << change(11, "3311") << 11 << "4 caractères, 3 attendus";
        QTest::newRow("clé inconnue") << change(14, "1?1") << 14 << "colonne 2 : clé de milieu « ? » inconnue";
        QTest::newRow("clé d'un milieu absent") << change(10, "124") << 10 << "« 4 » inconnue";
        QTest::newRow("densité qui n'est pas un nombre") << change(19, "1.05000 0.0012x 1.85000 ") << 19
                                                        << "« 0.0012x » n'est pas un nombre";
        QTest::newRow("densité infinie") << change(17, "1.85 inf 1") << 17 << "« inf » n'est pas un nombre";
        QTest::newRow("comptes trop grands") << change(6, "100000 100000 100000") << 6 << "ne peut pas les contenir";
        QTest::newRow("compte nul") << change(6, "3 0 2") << 6 << "au moins 1";
        QTest::newRow("compte qui n'est pas un entier") << change(6, "3 2.5 2") << 6 << "pas un nombre entier";
        QTest::newRow("nombre de milieux") << change(1, "trois") << 1 << "pas un nombre entier";
        QTest::newRow("trop de milieux") << change(1, "62") << 1 << "de 1 à 61";
        QTest::newRow("limite qui n'est pas un nombre") << change(8, "0 1 trois") << 8 << "limite 3";
        QTest::newRow("fichier vide") << QByteArray() << 1 << "fin du fichier";
        QTest::newRow("ligne sans fin") << "3\n" + QByteArray(3 << 20, 'A') << 2 << "ligne trop longue";
        QTest::newRow("faux gzip") << QByteArray::fromHex("1f8b0800") + " ceci n'est pas compressé" << 1
                                   << "compress";
    }

    void refus()
    {
        QFETCH(QByteArray, texte);
        QFETCH(int, ligne);
        QFETCH(QString, motif);
        QTemporaryDir dossier;
        Fantome f;
        QString erreur;
        QVERIFY(!lireEgsphant(ecrireTexte(dossier, "casse", texte), f, &erreur));
        QVERIFY2(erreur.startsWith(QString("ligne %1 ").arg(ligne)) || erreur.startsWith(QString("ligne %1,").arg(ligne)),
                 qPrintable(erreur));
        QVERIFY2(erreur.contains(motif), qPrintable(erreur));
        QCOMPARE(f.nombreVoxels(), 0);
        QVERIFY(!f.milieux);
    }

    void info()
    {
        QTemporaryDir dossier;
        // Uneven boundaries; medium 1 at two densities. Volumes by hand:
        // x widths 1, 2; y widths 2, 3; z width 0.5.
        //   (1,1) 1 cm³ AIR at 1.0   (2,1) 2 cm³ EAU at 2.0
        //   (1,2) 1.5 cm³ EAU at 2.0 (2,2) 3 cm³ AIR at 1.5
        const QString chemin = ecrireTexte(dossier, "inegal.egsphant",
                                           "2\n  AIR  \nEAU\n1.0 2.0\n2 2 1\n0 1 3\n10 12 15\n-1 -0.5\n"
                                           "12\n21\n\n1.0 2.0\n2.0 1.5\n\n");
        int statut = -1;
        QCOMPARE(::info({"--info", chemin}, statut),
                 QString("milieu\tnom\tvoxels\tvolume_cm3\tmasse_g\n"
                         "1\tAIR\t2\t4\t5.5\n"
                         "2\tEAU\t2\t3.5\t7\n"));
        QCOMPARE(statut, statutLotReussi);
        QCOMPARE(::info({"--info=" + chemin}, statut).count('\n'), 3);

        QString erreurs;
        QCOMPARE(::info({"--info", dossier.filePath("absent.egsphant")}, statut, &erreurs), QString());
        QCOMPARE(statut, statutLotRefus);
        QVERIFY2(erreurs.startsWith("Fichier « ") && erreurs.endsWith("\n") && erreurs.count('\n') == 1,
                 qPrintable(erreurs));
        const QString casse = ecrireTexte(dossier, "casse.egsphant", joindre(lignesReference.mid(0, 12)));
        ::info({"--info", casse}, statut, &erreurs);
        QCOMPARE(statut, statutLotRefus);
        QVERIFY2(erreurs.contains("ligne 13 : fin du fichier"), qPrintable(erreurs));
        // Cut on its last density: the table on stdout, the doubt on stderr.
        const QString coupe = ecrireTexte(dossier, "coupe.egsphant", joindre(lignesReference).chopped(7));
        QCOMPARE(::info({"--info", coupe}, statut, &erreurs).count('\n'), 4);
        QCOMPARE(statut, statutLotReussi);
        QVERIFY2(erreurs.startsWith("Note : le fichier finit sur sa dernière densité") && erreurs.count('\n') == 1,
                 qPrintable(erreurs));
        // A pipe is refused at once instead of being waited on.
        const QString tube = dossier.filePath("tube.egsphant");
        QCOMPARE(mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
        ::info({"--info", tube}, statut, &erreurs);
        QCOMPARE(statut, statutLotRefus);
        QVERIFY2(erreurs.contains("pas un fichier ordinaire"), qPrintable(erreurs));
        ::info({"--info", chemin, "--xy", "a.bmp"}, statut, &erreurs);
        QCOMPARE(statut, statutLotUsage);
        ::info({"--info"}, statut, &erreurs);
        QCOMPARE(statut, statutLotUsage);
    }
};

QTEST_MAIN(TestLecture)
#include "tst_lecture.moc"
