// CT series read from DICOM files that ITK's GDCM writer made: the order of
// the slices, the HU, the geometry, the series chosen, and the refusals.
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtEndian>
#include <QtTest>

#include <clocale>
#include <iomanip>
#include <locale>
#include <sstream>
#include <unistd.h>

#include "scanner/apercuct.h"
#include "scanner/cadre.h"
#include "scanner/redressement.h"
#include "scanner/reechantillonnage.h"
#include "scanner/serie.h"
#include "scanner/volumect.h"
#include "outils.h"
#include "seriect.h"

namespace {

// The cylinder, its corner pixel marking the slice: -1000 + z there.
SerieEssai cylindreEssai()
{
    SerieEssai s;
    s.hu = [s](int c, int r, int z) { return c == 0 && r == 0 ? -1000 + z : cylindre(s.premier[0] + c * s.pas[0],
                                                                                      s.premier[1] + r * s.pas[1]); };
    return s;
}

// %#.6g from the C library.
QByteArray reel(double v)
{
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s << std::showpoint << std::setprecision(6) << v;
    return QByteArray::fromStdString(s.str());
}

const QByteArray rampeEssai = "min -1000\nAIR -900 0.001 0.101\nLUNG -600 0.2 0.5\nEAU 200 0.9 1.3\nOS 2000 1.5 2.4\n";

// The phantom of cylindreEssai() through rampeEssai, worked out by hand:
// each HU's medium key and density text.
QByteArray fantomeAttendu()
{
    const SerieEssai s = cylindreEssai();
    QByteArray t = "4\nAIR\nLUNG\nEAU\nOS\n0.00100000 0.200000 0.900000 1.50000 \n  12   10    5\n";
    const int n[3] = {12, 10, 5};
    const double origine[3] = {-1.2, -1.25, 9.8}, taille[3] = {0.2, 0.25, 0.4};
    for (int a = 0; a < 3; ++a) {
        for (int i = 0; i <= n[a]; ++i)
            t += reel(origine[a] + i * taille[a]) + " ";
        t += "\n";
    }
    auto voxel = [](int hu) -> std::pair<char, QByteArray> {
        switch (hu) {
        case -700: return {'2', "0.400000"};
        case 0: return {'3', "1.20000"};
        case 1000: return {'4', "1.90000"};
        default: return {'1', reel(0.001 * (hu + 1001))}; // the air, its marked corner -1000 + z
        }
    };
    for (bool densites : {false, true})
        for (int z = 0; z < 5; ++z) {
            for (int y = 0; y < 10; ++y) {
                for (int x = 0; x < 12; ++x)
                    t += densites ? voxel(s.hu(x, y, z)).second + " " : QByteArray(1, voxel(s.hu(x, y, z)).first);
                t += "\n";
            }
            t += "\n";
        }
    return t;
}

// Where element (groupe, element) starts in a file that ecrireSerie wrote
// (implicit little endian), searched after the preamble; -1 when absent.
qsizetype positionElement(const QByteArray &octets, quint16 groupe, quint16 element)
{
    char motif[4];
    qToLittleEndian(groupe, motif);
    qToLittleEndian(element, motif + 2);
    return octets.indexOf(QByteArray(motif, 4), 132);
}

quint32 longueurElement(const QByteArray &octets, qsizetype position)
{
    return qFromLittleEndian<quint32>(octets.constData() + position + 4);
}

// The element's value replaced, its length with it, padded to an even length as DICOM wants.
QByteArray remplacerElement(QByteArray octets, quint16 groupe, quint16 element, QByteArray valeur)
{
    if (valeur.size() % 2)
        valeur += ' ';
    const qsizetype i = positionElement(octets, groupe, element);
    octets.replace(i + 8, longueurElement(octets, i), valeur);
    qToLittleEndian(quint32(valeur.size()), octets.data() + i + 4);
    return octets;
}

QByteArray court(quint16 v)
{
    char o[2];
    qToLittleEndian(v, o);
    return QByteArray(o, 2);
}

// What the call wrote on the process's stderr, through any library.
QByteArray erreursStandard(const std::function<void()> &appel)
{
    QTemporaryFile capture;
    if (!capture.open())
        return "capture impossible";
    fflush(stderr);
    const int ancien = dup(2);
    dup2(capture.handle(), 2);
    appel();
    fflush(stderr);
    dup2(ancien, 2);
    close(ancien);
    capture.seek(0);
    return capture.readAll();
}

} // namespace

class TestSerie : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir racine;
    int numero = 0;
    QString nouveauDossier()
    {
        const QString d = racine.filePath(QString::number(++numero));
        QDir().mkpath(d);
        return d;
    }

private slots:
    // Axial as written, and with the rows running towards -x: each
    // voxel where its physical position puts it, slices in order of position.
    void lecture_data()
    {
        QTest::addColumn<bool>("inverse");
        QTest::newRow("axial") << false;
        QTest::newRow("x inversé") << true;
    }
    void lecture()
    {
        QFETCH(bool, inverse);
        SerieEssai s = cylindreEssai();
        const auto physique = s.hu;
        if (inverse) {
            // Column c lies at x = 11 - 2c: the same pixels, mirrored in the file.
            s.hu = [physique, s](int c, int r, int z) { return physique(s.colonnes - 1 - c, r, z); };
            s.premier[0] = -s.premier[0];
        }
        const QString dossier = nouveauDossier();
        QVERIFY(ecrireSerie(dossier, s, [inverse](int, CoupeEssai &c) {
            if (inverse)
                c.orientation = "-1\\0\\0\\0\\1\\0";
        }));
        VolumeCT ct;
        QString erreur;
        SerieCT lue;
        QVERIFY2(lireSerieCT(dossier, QString(), ct, &erreur, &lue), qPrintable(erreur));
        QCOMPARE(lue.uid, QString::fromStdString(s.uid));
        QCOMPARE(lue.coupes, 5);
        const double tailles[3] = {0.2, 0.25, 0.4}, origines[3] = {-1.2, -1.25, 9.8};
        for (int a = 0; a < 3; ++a) {
            QCOMPARE(ct.axes[a].taille, tailles[a]);
            QCOMPARE(ct.axes[a].origine, origines[a]);
        }
        QCOMPARE(ct.axes[0].compte, 12);
        QCOMPARE(ct.huMin, -1000.0);
        QCOMPARE(ct.huMax, 1000.0);
        QVERIFY(ct.reels.empty());
        int differents = 0;
        for (int z = 0; z < 5; ++z)
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 12; ++x)
                    differents += ct.hu((z * 10 + y) * 12 + x) != physique(x, y, z);
        QCOMPARE(differents, 0);
        // Through the CT window of level 40, width 400: water grey, bone white, lung and air black.
        const QImage coupe = coupeAxialeCT(ct, 2);
        QCOMPARE(coupe.size(), QSize(12, 10));
        // (h + 160) / 400 of 255: 102 for water.
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x) {
                const int h = physique(x, y, 2);
                QCOMPARE(qGray(coupe.pixel(x, y)), h < -160 ? 0 : h == 0 ? 102 : 255);
            }
    }

    // HU that are not whole (Rescale Slope 0.5) are kept as they are, and
    // the phantom's densities come from them.
    void demiHU()
    {
        SerieEssai s = cylindreEssai();
        s.demiHU = true;
        const QString dossier = nouveauDossier();
        QVERIFY(ecrireSerie(dossier, s));
        VolumeCT ct;
        QString erreur;
        QVERIFY2(lireSerieCT(dossier, QString(), ct, &erreur), qPrintable(erreur));
        QVERIFY(ct.entiers.empty());
        QCOMPARE(ct.huMax, 1000.5);
        int differents = 0;
        for (int z = 0; z < 5; ++z)
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 12; ++x)
                    differents += ct.hu((z * 10 + y) * 12 + x) != s.hu(x, y, z) + 0.5;
        QCOMPARE(differents, 0);
        const QString rampe = racine.filePath("rampe.txt"), fichier = racine.filePath("demi.egsphant");
        QVERIFY(ecrireFichier(rampe, rampeEssai));
        QCOMPARE(lancer({"--ct", dossier, "--ramp", rampe, "-o", fichier}).statut, 0);
        // Water at 0.5 HU: 0.9 + 0.4 × 600.5 / 800.
        QVERIFY(lire(fichier).contains(" 1.20025 1.20025 "));
    }

    // The series with the most slices unless another is named; its list.
    void choix()
    {
        const QString dossier = nouveauDossier();
        SerieEssai grande = cylindreEssai(), petite = cylindreEssai();
        petite.uid = "1.2.826.0.1.3680043.2.1125.22.2";
        petite.description = "Petite";
        petite.coupes = 3;
        petite.hu = [](int, int, int) { return 40; };
        petite.prefixe = "P";
        QVERIFY(ecrireSerie(dossier, petite) && ecrireSerie(dossier, grande));
        QList<SerieCT> series;
        QString erreur;
        QVERIFY(listerSeriesCT(dossier, series, &erreur));
        QCOMPARE(series.size(), 2);
        QCOMPARE(series[0].coupes, 5);
        QCOMPARE(series[1].description, QString("Petite"));
        VolumeCT ct;
        QVERIFY(lireSerieCT(dossier, QString::fromStdString(petite.uid), ct, &erreur));
        QCOMPARE(ct.axes[2].compte, 3);
        QCOMPARE(ct.huMax, 40.0);
        QVERIFY(!lireSerieCT(dossier, "1.2.3", ct, &erreur));
        QCOMPARE(erreur, QString("Série CT de « %1 » : aucune série CT d'UID « 1.2.3 » (séries CT : %2, %3)")
                             .arg(dossier, series[0].uid, series[1].uid));
    }

    void refus_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<QString>("message"); // %1, %2...: the files of slices 1, 2...
        QTest::newRow("pas de CT") << 0 << "Dossier « @ » : aucune série CT (fichiers DICOM de modalité CT)";
        // %A, %B: the files of slices 2 and 3 in the order of their names.
        QTest::newRow("même position") << 1 << "Série CT de « @ » : coupes « %A » et « %B » à la même position";
        QTest::newRow("inclinée et décalée selon x") << 2 << "Série CT de « @ » : coupes décalées de biais (statif "
                                                             "incliné) : rééchantillonner d'abord la série en coupes "
                                                             "droites";
        QTest::newRow("de biais") << 3 << "Série CT de « @ » : coupes décalées de biais (statif incliné) : "
                                          "rééchantillonner d'abord la série en coupes droites";
        QTest::newRow("oblique") << 4 << "Série CT de « @ » : orientation oblique : rééchantillonner d'abord la série "
                                         "sur des axes x, y, z";
        QTest::newRow("tailles") << 5 << "Série CT de « @ » : coupes de tailles différentes : « %1 » a 12 × 10 pixels, "
                                         "« %2 » 11 × 10";
        QTest::newRow("vide") << 6 << "Dossier « @ » : aucune série CT (fichiers DICOM de modalité CT)";
        QTest::newRow("une coupe pour dossier")
            << 7 << "Dossier « @/%1 » : un fichier, pas un dossier : donner le dossier de la série";
        QTest::newRow("absent") << 8 << "Dossier « @/absent » : dossier introuvable";
    }
    void refus()
    {
        QFETCH(int, cas);
        QFETCH(QString, message);
        const QString dossier = nouveauDossier();
        QStringList fichiers;
        if (cas != 6)
            QVERIFY(ecrireSerie(dossier, cylindreEssai(), [cas](int z, CoupeEssai &c) {
                if (cas == 0)
                    c.modalite = "MR";
                if (cas == 1 && z == 2)
                    c.position[2] -= 4.0;
                if (cas == 2) {
                    c.orientation = "1\\0\\0\\0\\0.96592582628906831\\0.25881904510252074";
                    c.position[0] += 0.5 * z;
                }
                if (cas == 3)
                    c.position[1] += 2.0 * z;
                if (cas == 4)
                    c.orientation = "0.8\\0.6\\0\\-0.6\\0.8\\0";
                if (cas == 5 && z == 1)
                    c.colonnes = 11;
            }, &fichiers));
        message.replace("@", dossier);
        for (int i = fichiers.size() - 1; i >= 0; --i)
            message.replace(QString("%%1").arg(i + 1), fichiers[i]);
        if (cas == 1) {
            QStringList triee{fichiers[1], fichiers[2]};
            triee.sort();
            message.replace("%A", triee[0]).replace("%B", triee[1]);
        }
        const QString chemin = cas == 7 ? dossier + "/" + fichiers[0] : cas == 8 ? dossier + "/absent" : dossier;
        VolumeCT ct;
        QString erreur;
        QVERIFY(!lireSerieCT(chemin, QString(), ct, &erreur));
        QCOMPARE(erreur, message);
        QCOMPARE(ct.nombreVoxels(), 0);
    }

    // Damaged and hostile files: each refused in one line naming the file
    // and the tag, nothing else on stderr, nothing allocated from a claim.
    void abimes_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<QString>("message"); // %F: the file changed, @: the folder
        QTest::addColumn<bool>("entier");     // the whole message, or a part of it
        const QString abime = "Dossier « @ » : fichier DICOM abîmé « %F » : ";
        const QString court = "Série CT de « @ » : « %F » : (7FE0,0010) PixelData de 240 octets, moins que Rows × "
                              "Columns × BitsAllocated/8 × NumberOfFrames ";
        QTest::newRow("en-tête coupé") << 0 << abime + "élément (0020,0032) ImagePositionPatient coupé : L octets "
                                                       "annoncés, 3 restent" << true;
        QTest::newRow("méta-en-tête coupé") << 1 << abime + "élément (0002,0000) coupé : 4 octets annoncés, 0 restent"
                                            << true;
        QTest::newRow("pixels coupés") << 2 << abime + "élément (7FE0,0010) PixelData coupé : 240 octets annoncés, "
                                                       "220 restent" << true;
        QTest::newRow("Rows + 1") << 3 << court + "(11 × 12 × 2 × 1)" << true;
        QTest::newRow("BitsAllocated 32") << 4 << court + "(10 × 12 × 4 × 1)" << true;
        QTest::newRow("NumberOfFrames 2^31 - 1") << 5 << court + "(10 × 12 × 2 × 2147483647)" << true;
        QTest::newRow("ImagePositionPatient nan") << 6 << "Série CT de « @ » : « %F » : (0020,0032) ImagePositionPatient "
                                                          "« nan\\-11.25\\108 » : trois nombres finis attendus" << true;
        QTest::newRow("PixelSpacing nan") << 7 << "(0028,0030) PixelSpacing : nan" << false;
        QTest::newRow("PixelSpacing inf") << 8 << "(0028,0030) PixelSpacing : inf" << false;
        QTest::newRow("PixelSpacing 1e-300") << 9 << "(0028,0030) PixelSpacing : 1e-300" << false;
        QTest::newRow("ImagePositionPatient 1e300") << 10 << "(0020,0032) ImagePositionPatient : 1e+300" << false;
    }
    void abimes()
    {
        QFETCH(int, cas);
        QFETCH(QString, message);
        QFETCH(bool, entier);
        const QString dossier = nouveauDossier();
        QStringList fichiers;
        QVERIFY(ecrireSerie(dossier, cylindreEssai(), {}, &fichiers));
        // Slice 2's file, or every file for the spacings and positions that must agree.
        for (int z = 0; z < fichiers.size(); ++z) {
            if (z != 2 && cas < 7)
                continue;
            const QString chemin = QDir(dossier).filePath(fichiers[z]);
            QByteArray octets = lire(chemin);
            const qsizetype position = positionElement(octets, 0x0020, 0x0032);
            QVERIFY(position > 0);
            message.replace("L octets", QString("%1 octets").arg(longueurElement(octets, position)));
            switch (cas) {
            case 0: octets.truncate(position + 8 + 3); break;
            case 1: octets.truncate(140); break;
            case 2: octets.chop(20); break;
            case 3: octets = remplacerElement(octets, 0x0028, 0x0010, court(11)); break;
            case 4: octets = remplacerElement(octets, 0x0028, 0x0100, court(32)); break;
            case 5: octets.insert(positionElement(octets, 0x0028, 0x0010),
                                  QByteArray("\x28\x00\x08\x00\x0a\x00\x00\x00" "2147483647", 18)); break;
            case 6: octets = remplacerElement(octets, 0x0020, 0x0032, "nan\\-11.25\\108"); break;
            case 7: octets = remplacerElement(octets, 0x0028, 0x0030, "nan\\2"); break;
            case 8: octets = remplacerElement(octets, 0x0028, 0x0030, "inf\\2"); break;
            case 9: octets = remplacerElement(octets, 0x0028, 0x0030, "1e-300\\2"); break;
            case 10:
                octets = remplacerElement(octets, 0x0020, 0x0032, QString("1e300\\-11.25\\%1").arg(100 + 4 * z).toLatin1());
                break;
            }
            QVERIFY(ecrireFichier(chemin, octets));
        }
        message.replace("@", dossier).replace("%F", fichiers[2]);
        VolumeCT ct;
        QString erreur;
        bool lue = true;
        QCOMPARE(erreursStandard([&] { lue = lireSerieCT(dossier, QString(), ct, &erreur); }), QByteArray());
        QVERIFY(!lue);
        if (entier) {
            QCOMPARE(erreur, message);
        } else {
            QVERIFY2(erreur.startsWith(QString("Série CT de « %1 » : ").arg(dossier)) && erreur.contains(message),
                     qPrintable(erreur));
            QVERIFY2(!erreur.contains("abîmé"), qPrintable(erreur));
        }
        QCOMPARE(ct.nombreVoxels(), 0);
    }

    // Scouts and secondary captures beside a series, one sharing its UID:
    // left out one by one and counted; a folder of scouts alone is refused.
    void reperage()
    {
        const QString dossier = nouveauDossier(), seul = nouveauDossier();
        const SerieEssai serie = cylindreEssai();
        SerieEssai scout = cylindreEssai(), capture = cylindreEssai(), partage = cylindreEssai();
        scout.uid = "1.2.826.0.1.3680043.2.1125.22.9";
        scout.coupes = 1;
        scout.prefixe = "SCOUT";
        capture.uid = "1.2.826.0.1.3680043.2.1125.22.8";
        capture.coupes = 1;
        capture.prefixe = "SC";
        partage.coupes = 1;
        partage.prefixe = "LOC";
        auto enRepere = [](int, CoupeEssai &c) {
            c.typeImage = "ORIGINAL\\PRIMARY\\LOCALIZER";
            c.orientation = "0\\1\\0\\0\\0\\-1";
        };
        QVERIFY(ecrireSerie(dossier, serie) && ecrireSerie(dossier, scout, enRepere) &&
                ecrireSerie(dossier, partage, enRepere) &&
                ecrireSerie(dossier, capture, [](int, CoupeEssai &c) { c.classe = "1.2.840.10008.5.1.4.1.1.7"; }));
        QVERIFY(ecrireSerie(seul, scout, enRepere));
        QList<SerieCT> series;
        QString erreur;
        QVERIFY2(listerSeriesCT(dossier, series, &erreur), qPrintable(erreur));
        QCOMPARE(series.size(), 1);
        QCOMPARE(series[0].coupes, 5);
        QCOMPARE(series[0].ecartees, 3);
        VolumeCT ct;
        QVERIFY2(lireSerieCT(dossier, QString(), ct, &erreur), qPrintable(erreur));
        QCOMPARE(ct.axes[2].compte, 5);
        const QString rampe = racine.filePath("rampe.txt"), fichier = racine.filePath("reperage.egsphant");
        QVERIFY(ecrireFichier(rampe, rampeEssai));
        const Resultat r = lancer({"--ct", dossier, "--ramp", rampe, "-o", fichier});
        QCOMPARE(r.sortie, QString("Fantôme écrit dans « %1 » : 4 milieux, 12 × 10 × 5 voxels, HU lus de -1000 à 1000, "
                                   "3 images écartées (repérage ou autre que des coupes CT)\n").arg(fichier));
        QCOMPARE(lire(fichier), fantomeAttendu());
        QVERIFY(!lireSerieCT(seul, QString(), ct, &erreur));
        QCOMPARE(erreur, QString("Dossier « %1 » : image de repérage, pas une série de coupes").arg(seul));
    }

    // A study folder as a PACS exports it: series in subfolders at any
    // depth, a scout among them; the default series, and --list-series.
    void etude()
    {
        const QString racineEtude = nouveauDossier();
        SerieEssai dix = cylindreEssai(), neuf = cylindreEssai(), petite = cylindreEssai(), scout = cylindreEssai();
        dix.uid = "1.2.826.0.1.3680043.2.1125.30.10";
        dix.numero = "10";
        dix.description = "Dix";
        dix.hu = [](int, int, int) { return 10; };
        neuf.uid = "1.2.826.0.1.3680043.2.1125.30.9";
        neuf.numero = "9";
        neuf.description = "Neuf";
        neuf.pas[2] = 2.0;
        neuf.hu = [](int, int, int) { return 9; };
        petite.uid = "1.2.826.0.1.3680043.2.1125.30.3";
        petite.coupes = 3;
        scout.uid = "1.2.826.0.1.3680043.2.1125.30.1";
        scout.coupes = 1;
        const QString dossiers[4] = {"PATIENT/ETUDE/S10", "PATIENT/ETUDE/S9/a/b", "PATIENT/S3", "PATIENT/ETUDE/SCOUT"};
        QStringList fichiers[4];
        for (const QString &d : dossiers)
            QVERIFY(QDir(racineEtude).mkpath(d));
        auto dans = [&](int i) { return QDir(racineEtude).filePath(dossiers[i]); };
        QVERIFY(ecrireSerie(dans(0), dix, {}, &fichiers[0]) && ecrireSerie(dans(1), neuf, {}, &fichiers[1]) &&
                ecrireSerie(dans(2), petite, {}, &fichiers[2]));
        QVERIFY(ecrireSerie(dans(3), scout, [](int, CoupeEssai &c) { c.typeImage = "ORIGINAL\\PRIMARY\\LOCALIZER"; }));
        const Resultat r = lancer({"--ct", racineEtude, "--list-series"});
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.statut, 0);
        auto ligne = [&](const SerieEssai &s, int i, const char *pas) {
            return QString("%1\t%2\t%3\t%4\t2,2.5\t%5\t%5\t0\t%6/%7\n")
                .arg(QString::fromStdString(s.uid), QString::fromStdString(s.numero), QString::fromStdString(s.description))
                .arg(s.coupes)
                .arg(pas, dossiers[i], fichiers[i][0]);
        };
        // As many slices: SeriesNumber 9 before 10, as numbers.
        QCOMPARE(r.sortie, ligne(neuf, 1, "2") + ligne(dix, 0, "4") + ligne(petite, 2, "4"));
        VolumeCT ct;
        QString erreur;
        SerieCT lue;
        QVERIFY2(lireSerieCT(racineEtude, QString(), ct, &erreur, &lue), qPrintable(erreur));
        QCOMPARE(lue.uid, QString::fromStdString(neuf.uid));
        QCOMPARE(lue.ecartees, 1);
        QCOMPARE(ct.huMax, 9.0);
        QCOMPARE(lancer({"--ct", racineEtude, "--list-series", "-o", "x.egsphant"}).erreurs,
                 QString("--list-series ne s'emploie qu'avec --ct DOSSIER, seule (voir quarvel-phantom --help)\n"));
    }

    // Slices at uneven steps: boundaries halfway between, the ends half a
    // step beyond, a note; with --size, the mean over the overlaps.
    void inegal()
    {
        const double z[5] = {100.0, 101.08, 104.0, 110.99, 112.0};
        SerieEssai s = cylindreEssai();
        s.hu = [](int, int, int k) { return 100 * k; };
        const QString dossier = nouveauDossier(), rampe = racine.filePath("rampe.txt"),
                      fichier = racine.filePath("inegal.egsphant");
        QVERIFY(ecrireSerie(dossier, s, [&](int k, CoupeEssai &c) { c.position[2] = z[k]; }));
        QVERIFY(ecrireFichier(rampe, rampeEssai));
        const Resultat r = lancer({"--ct", dossier, "--ramp", rampe, "-o", fichier});
        // HU 0 to 400: the ramp's air and lung stay empty, and say so first.
        QCOMPARE(r.erreurs, QString("Attention : milieux sans aucun voxel dans le fichier : AIR, LUNG\nNote : coupes "
                                    "inégalement espacées, pas de 1.01 à 6.99 mm : limites des voxels à mi-chemin "
                                    "entre les coupes\n"));
        std::vector<double> bornes = {(z[0] - (z[1] - z[0]) / 2) / 10};
        for (int k = 1; k < 5; ++k)
            bornes.push_back((z[k - 1] + z[k]) / 2 / 10);
        bornes.push_back((z[4] + (z[4] - z[3]) / 2) / 10);
        QByteArray ligneZ = "\n";
        for (double b : bornes)
            ligneZ += reel(b) + " ";
        QVERIFY2(lire(fichier).contains(ligneZ + "\n"), lire(fichier).left(400).constData());

        VolumeCT ct;
        QString erreur;
        QVERIFY2(lireSerieCT(dossier, QString(), ct, &erreur), qPrintable(erreur));
        AxeCadre cadre[3];
        QCOMPARE(cadrer(ct.axes, std::nullopt, std::array<double, 3>{0.2, 0.25, 0.65}, cadre), QString());
        QCOMPARE(cadre[2].compte, 2);
        std::vector<double> moyennes;
        reechantillonner(ct, cadre, [&](int, int y, const double *v) {
            if (y == 0)
                moyennes.push_back(v[5]);
        });
        const double longueur = (bornes.back() - bornes.front()) / 2;
        for (int j = 0; j < 2; ++j) {
            const double bas = bornes.front() + j * longueur, haut = bas + longueur;
            double somme = 0;
            for (int k = 0; k < 5; ++k)
                somme += 100 * k * std::max(0.0, std::min(haut, bornes[k + 1]) - std::max(bas, bornes[k]));
            QVERIFY2(std::abs(moyennes[size_t(j)] - somme / longueur) < 1e-9, qPrintable(QString::number(moyennes[size_t(j)])));
        }
    }

    // A sphere scanned on a tilted gantry comes out round and in place,
    // whichever way the gantry leans; a tilt tag alone changes nothing.
    void inclinaison_data()
    {
        QTest::addColumn<double>("angle");
        QTest::newRow("15°") << 15.0;
        QTest::newRow("-18.5°") << -18.5;
    }
    void inclinaison()
    {
        QFETCH(double, angle);
        const double a = angle * M_PI / 180.0, centre[3] = {1.3, -2.1, 114.7}, rayon = 8.0;
        const double colonne[3] = {0.0, std::cos(a), std::sin(a)};
        SerieEssai s = cylindreEssai();
        s.colonnes = s.rangees = 40;
        s.coupes = 30;
        s.pas[0] = s.pas[1] = 1.0;
        const double depart[3] = {-19.5, -19.5, 100.0 - 20.0 * std::sin(a)};
        auto position = [&](int c, int r, int k, int i) {
            return depart[i] + (i == 0 ? c : 0.0) + r * colonne[i] + (i == 2 ? k : 0.0);
        };
        s.hu = [&](int c, int r, int k) {
            double d = 0;
            for (int i = 0; i < 3; ++i)
                d += std::pow(position(c, r, k, i) - centre[i], 2);
            return d <= rayon * rayon ? 1000 : -1000;
        };
        const QString dossier = nouveauDossier();
        QVERIFY(ecrireSerie(dossier, s, [&](int k, CoupeEssai &c) {
            c.orientation = "1\\0\\0\\0\\" + texte(colonne[0], colonne[1], colonne[2]).substr(2);
            for (int i = 0; i < 3; ++i)
                c.position[i] = position(0, 0, k, i);
            c.inclinaison = std::to_string(-angle); // makers disagree on its sign: never read
        }));
        QList<SerieCT> series;
        QString erreur;
        QVERIFY(listerSeriesCT(dossier, series, &erreur));
        QVERIFY(std::abs(series[0].inclinaison - angle) < 1e-9);
        VolumeCT ct;
        QVERIFY2(lireSerieCT(dossier, QString(), ct, &erreur), qPrintable(erreur));
        QCOMPARE(ct.notes, QStringList(QString("statif incliné de %1° : coupes rééchantillonnées droites").arg(angle)));
        QCOMPARE(ct.axes[0].compte, 40);
        QCOMPARE(ct.axes[0].origine, -2.0);
        QCOMPARE(ct.axes[1].taille, 0.1);
        QVERIFY(ct.axes[2].bornes.empty());
        // The sphere's mass, centre and second moments, from the straight voxels.
        double masse = 0, premier[3] = {0, 0, 0}, second[3] = {0, 0, 0};
        qint64 i = 0;
        for (int kz = 0; kz < ct.axes[2].compte; ++kz)
            for (int jy = 0; jy < ct.axes[1].compte; ++jy)
                for (int ix = 0; ix < ct.axes[0].compte; ++ix, ++i) {
                    const double hu = ct.hu(i);
                    if (hu == huHorsCoupes)
                        continue;
                    const double w = (hu + 1000) / 2000, p[3] = {ct.axes[0].origine + (ix + 0.5) * ct.axes[0].taille,
                                                                 ct.axes[1].origine + (jy + 0.5) * ct.axes[1].taille,
                                                                 ct.axes[2].origine + (kz + 0.5) * ct.axes[2].taille};
                    masse += w;
                    for (int d = 0; d < 3; ++d) {
                        premier[d] += w * p[d] * 10;
                        second[d] += w * p[d] * p[d] * 100;
                    }
                }
        const double volume = 4.0 / 3.0 * M_PI * std::pow(rayon, 3); // mm³, voxels of 1 mm
        QVERIFY2(std::abs(masse - volume) < 0.03 * volume, qPrintable(QString::number(masse)));
        for (int d = 0; d < 3; ++d) {
            const double moyenne = premier[d] / masse, variance = second[d] / masse - moyenne * moyenne;
            QVERIFY2(std::abs(moyenne - centre[d]) < 0.1, qPrintable(QString("axe %1 : %2").arg(d).arg(moyenne)));
            QVERIFY2(std::abs(variance - rayon * rayon / 5) < 0.05 * rayon * rayon / 5,
                     qPrintable(QString("axe %1 : %2").arg(d).arg(variance)));
        }
        // Outside the scanned slab, the ramp's lower bound.
        const QString rampe = racine.filePath("rampe.txt"), fichier = racine.filePath("incline.egsphant");
        QVERIFY(ecrireFichier(rampe, rampeEssai));
        const Resultat r = lancer({"--ct", dossier, "--ramp", rampe, "-o", fichier});
        QVERIFY2(r.erreurs.endsWith(QString("Note : statif incliné de %1° : coupes rééchantillonnées droites\n").arg(angle)),
                 qPrintable(r.erreurs));
        QVERIFY(ct.hu(0) == huHorsCoupes && lire(fichier).contains("\n0.00100000 "));

        // The tag alone, on straight slices: read as axial, the same file.
        const QString droit = nouveauDossier(), etiquette = nouveauDossier();
        QVERIFY(ecrireSerie(droit, cylindreEssai()));
        QVERIFY(ecrireSerie(etiquette, cylindreEssai(), [&](int, CoupeEssai &c) { c.inclinaison = std::to_string(angle); }));
        const QString f1 = racine.filePath("droit.egsphant"), f2 = racine.filePath("etiquette.egsphant");
        QCOMPARE(lancer({"--ct", droit, "--ramp", rampe, "-o", f1}).erreurs, QString());
        QCOMPARE(lancer({"--ct", etiquette, "--ramp", rampe, "-o", f2}).erreurs, QString());
        QCOMPARE(lire(f2), lire(f1));
    }

    // A tilted series whose HU grow linearly with its pixel indices: the
    // trilinear interpolation is then that same linear function, known at
    // every straight voxel's centre. Large enough to be shared between
    // cores; whole HU rounded half away from zero, negative ones as well.
    void redressementLineaire_data()
    {
        QTest::addColumn<bool>("entiers");
        QTest::addColumn<double>("sensX"); // the rows' x cosine
        QTest::addColumn<double>("angle");
        QTest::newRow("entiers, vers +x") << true << 1.0 << 17.0;
        QTest::newRow("entiers, vers -x") << true << -1.0 << -12.5;
        QTest::newRow("réels") << false << 1.0 << 21.0;
    }
    void redressementLineaire()
    {
        QFETCH(bool, entiers);
        QFETCH(double, sensX);
        QFETCH(double, angle);
        const int nc = 160, nr = 150, nk = 110;
        // Slices in order along their normal: towards -z when the rows run towards -x.
        const double a = angle * M_PI / 180.0, pas[2] = {0.7, 0.9}, dz = 1.3 * sensX, depart[3] = {-40.0, -50.0, 20.0};
        auto lineaire = [&](double i, double j, double k) { return (3 * i - 2 * j + 7 * k - 300) / (entiers ? 1 : 4); };
        VolumeCT pile;
        const int comptes[3] = {nc, nr, nk};
        for (int d = 0; d < 3; ++d)
            pile.axes[d].compte = comptes[d];
        for (int k = 0; k < nk; ++k)
            for (int j = 0; j < nr; ++j)
                for (int i = 0; i < nc; ++i) {
                    if (entiers)
                        pile.entiers.push_back(qint16(lineaire(i, j, k)));
                    else
                        pile.reels.push_back(float(lineaire(i, j, k)));
                }
        SerieInclinee serie;
        serie.pixels = &pile;
        for (int k = 0; k < nk; ++k)
            serie.positions.push_back({depart[0], depart[1], depart[2] + k * dz});
        serie.rangees[0] = sensX;
        serie.colonnes[1] = std::cos(a);
        serie.colonnes[2] = std::sin(a);
        serie.pas[0] = pas[0];
        serie.pas[1] = pas[1];
        VolumeCT droit;
        redresser(serie, droit);
        QVERIFY(droit.nombreVoxels() >= qint64(2) << 20); // two pieces at least, given two cores
        const double bord = 1e-6;
        qint64 dedans = 0, v = 0;
        double bas = INFINITY, haut = -INFINITY;
        for (int kz = 0; kz < droit.axes[2].compte; ++kz)
            for (int jy = 0; jy < droit.axes[1].compte; ++jy)
                for (int ix = 0; ix < droit.axes[0].compte; ++ix, ++v) {
                    double p[3];
                    const int index[3] = {ix, jy, kz};
                    for (int d = 0; d < 3; ++d)
                        p[d] = 10 * (droit.axes[d].bornes.empty() ? droit.axes[d].origine + (index[d] + 0.5) * droit.axes[d].taille
                                                                  : (droit.axes[d].bornes[size_t(index[d])] + droit.axes[d].bornes[size_t(index[d]) + 1]) / 2);
                    // Its place in the series: column i, row j, slice k.
                    const double i = sensX * (p[0] - depart[0]) / pas[0], j = (p[1] - depart[1]) / (pas[1] * std::cos(a));
                    const double k = (p[2] - depart[2] - j * pas[1] * std::sin(a)) / dz;
                    // The rows about it in the two slices about it, each slice reached along its normal.
                    const int k0 = std::clamp(int(std::floor(k)), 0, nk - 2);
                    const double j0 = j + (k - k0) * dz * std::sin(a) / pas[1], j1 = j0 - dz * std::sin(a) / pas[1];
                    const double marges[] = {i, nc - 1 - i, k, nk - 1 - k, j0, nr - 1 - j0, j1, nr - 1 - j1};
                    const double marge = *std::min_element(std::begin(marges), std::end(marges));
                    const double hu = droit.hu(v);
                    if (entiers ? hu != huHorsCoupes : !std::isnan(hu)) {
                        bas = std::min(bas, hu);
                        haut = std::max(haut, hu);
                    }
                    if (std::abs(marge) < bord)
                        continue;
                    if (marge < 0) {
                        if (entiers ? hu != huHorsCoupes : !std::isnan(hu))
                            QFAIL(qPrintable(QString("%1 %2 %3 : %4 hors des coupes").arg(ix).arg(jy).arg(kz).arg(hu)));
                        continue;
                    }
                    ++dedans;
                    const double attendu = lineaire(i, j, k);
                    const bool demi = std::abs(std::abs(attendu - std::trunc(attendu)) - 0.5) <= bord;
                    // Whole HU: the nearest, or either one about a half but for the last bits.
                    const bool juste = !entiers ? std::abs(hu - attendu) < 1e-3
                                                : demi ? std::abs(hu - attendu) < 0.5 + bord : hu == std::round(attendu);
                    if (!juste)
                        QFAIL(qPrintable(QString("%1 %2 %3 : %4 au lieu de %5").arg(ix).arg(jy).arg(kz).arg(hu).arg(attendu)));
                }
        QVERIFY2(dedans > qint64(nc) * nr * nk / 2, qPrintable(QString::number(dedans)));
        // The range is taken before the floats are stored.
        QVERIFY2(std::abs(droit.huMin - bas) < 1e-3 && std::abs(droit.huMax - haut) < 1e-3,
                 qPrintable(QString("%1 %2 au lieu de %3 %4").arg(droit.huMin).arg(droit.huMax).arg(bas).arg(haut)));
    }

    // Coronal and sagittal reformats: slices stepping along y or x, placed
    // as a label volume's swapped axes are, each voxel where it lies.
    void orientations_data()
    {
        QTest::addColumn<QString>("orientation");
        QTest::addColumn<int>("axeCoupes");  // the phantom axis the slices step along
        QTest::addColumn<int>("axeRangees"); // the one down a slice's columns
        QTest::addColumn<bool>("descend");   // rows going towards lower coordinates
        QTest::newRow("coronale") << "1\\0\\0\\0\\0\\-1" << 1 << 2 << true;
        QTest::newRow("sagittale") << "0\\1\\0\\0\\0\\-1" << 0 << 2 << true;
        QTest::newRow("axiale") << "1\\0\\0\\0\\1\\0" << 2 << 1 << false;
    }
    void orientations()
    {
        QFETCH(QString, orientation);
        QFETCH(int, axeCoupes);
        QFETCH(int, axeRangees);
        QFETCH(bool, descend);
        SerieEssai s = cylindreEssai();
        // Each pixel tells its column, row and slice.
        s.hu = [](int c, int r, int z) { return c + 20 * r + 400 * z; };
        const int axeColonnes = 3 - axeCoupes - axeRangees;
        const QString dossier = nouveauDossier();
        QVERIFY(ecrireSerie(dossier, s, [&](int z, CoupeEssai &c) {
            c.orientation = orientation.toStdString();
            c.position[0] = c.position[1] = c.position[2] = 0.0;
            c.position[axeCoupes] = 100.0 + z * s.pas[2];
        }));
        VolumeCT ct;
        QString erreur;
        QVERIFY2(lireSerieCT(dossier, QString(), ct, &erreur), qPrintable(erreur));
        const int comptes[3] = {s.colonnes, s.rangees, s.coupes};
        const int axes[3] = {axeColonnes, axeRangees, axeCoupes};
        for (int a = 0; a < 3; ++a) {
            QCOMPARE(ct.axes[axes[a]].compte, comptes[a]);
            QCOMPARE(ct.axes[axes[a]].taille, s.pas[a] / 10.0);
        }
        // The first pixel's centre at 0 along the rows' axis: the last row lies below it when they descend.
        const double bas = descend ? -(s.rangees - 1) * s.pas[1] : 0.0;
        QCOMPARE(ct.axes[axeRangees].origine, (bas - s.pas[1] / 2) / 10.0);
        QCOMPARE(ct.axes[axeCoupes].origine, (100.0 - s.pas[2] / 2) / 10.0);
        int differents = 0;
        int indice[3];
        for (indice[2] = 0; indice[2] < ct.axes[2].compte; ++indice[2])
            for (indice[1] = 0; indice[1] < ct.axes[1].compte; ++indice[1])
                for (indice[0] = 0; indice[0] < ct.axes[0].compte; ++indice[0]) {
                    const int c = indice[axeColonnes], z = indice[axeCoupes];
                    const int r = descend ? s.rangees - 1 - indice[axeRangees] : indice[axeRangees];
                    const qint64 i = (qint64(indice[2]) * ct.axes[1].compte + indice[1]) * ct.axes[0].compte + indice[0];
                    differents += ct.hu(i) != s.hu(c, r, z);
                }
        QCOMPARE(differents, 0);
    }

    // The same series gives the same bytes whatever the C library's locale.
    void locale()
    {
        const QString dossier = nouveauDossier(), rampe = racine.filePath("rampe.txt");
        SerieEssai s = cylindreEssai();
        s.pas[0] = 1.5;
        s.premier[2] = -150.75;
        QVERIFY(ecrireSerie(dossier, s));
        QVERIFY(ecrireFichier(rampe, rampeEssai));
        QByteArray fichiers[2];
        const char *locales[2] = {"C.UTF-8", "fr_FR.UTF-8"};
        const std::string avant = std::setlocale(LC_ALL, nullptr);
        for (int i = 0; i < 2; ++i) {
            if (!std::setlocale(LC_ALL, locales[i]))
                QSKIP(qPrintable(QString("locale %1 absente : elle se génère par deps.sh").arg(locales[i])));
            const QString fichier = racine.filePath(QString("locale%1.egsphant").arg(i));
            const Resultat r = lancer({"--ct", dossier, "--ramp", rampe, "--size", "0.3,0.5,0.8", "-o", fichier});
            std::setlocale(LC_ALL, avant.c_str());
            QCOMPARE(r.erreurs, QString());
            fichiers[i] = lire(fichier);
        }
        // 1.5 mm read as such: 6 voxels of 3 mm from -11.75 mm.
        QVERIFY(fichiers[0].contains("\n-1.17500 -0.875000 -0.575000 "));
        QCOMPARE(fichiers[1], fichiers[0]);
    }

    // quarvel-phantom --ct: the whole file, the HU in the summary, the
    // reader's view of it; coarser voxels; a ramp template.
    void commande()
    {
        const QString dossier = nouveauDossier();
        QVERIFY(ecrireSerie(dossier, cylindreEssai()));
        const QString rampe = racine.filePath("rampe.txt"), fichier = racine.filePath("ct.egsphant");
        QVERIFY(ecrireFichier(rampe, rampeEssai));
        Resultat r = lancer({"--ct", dossier, "--ramp", rampe, "-o", fichier});
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.sortie, QString("Fantôme écrit dans « %1 » : 4 milieux, 12 × 10 × 5 voxels, HU lus de -1000 à 1000\n")
                               .arg(fichier));
        QCOMPARE(lire(fichier), fantomeAttendu());
        // Water: 5 slices of the pixels whose centre lies in the cylinder and in neither insert.
        int eau = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x)
                eau += cylindreEssai().hu(x, y, 0) == 0;
        r = lancer({"--info", fichier});
        QVERIFY2(r.sortie.contains(QString("\n3\tEAU\t%1\t").arg(5 * eau)), qPrintable(r.sortie));

        r = lancer({"--ct", dossier, "--ramp", rampe, "--crop", "-0.5,0.5,-9,9,10,11", "--size", "0.4,1,0.8", "-o",
                    fichier});
        QCOMPARE(r.statut, 0);
        QVERIFY2(r.sortie.contains(" : 4 milieux, 3 × 2 × 1 voxels, HU lus de -1000 à 1000"), qPrintable(r.sortie));
        QVERIFY(lire(fichier).contains("\n   3    2    1\n-0.600000 -0.200000 0.200000 0.600000 \n-1.25000 0.00000 1.25000 \n"
                                       "9.80000 11.0000 \n"));
    }

    void commandeRefusee_data()
    {
        QTest::addColumn<QStringList>("arguments"); // @ the series, R a ramp
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("message");
        const QString avec = "--ct ne s'emploie pas avec %1 : le scanner donne les voxels, leur géométrie et, par la "
                             "rampe, leurs milieux (voir quarvel-phantom --help)";
        QTest::newRow("plan") << QStringList{"--ct", "@", "--xy", "a.bmp"} << 2 << avec.arg("--xy");
        QTest::newRow("comptes") << QStringList{"--ct", "@", "--counts", "1,2,3"} << 2 << avec.arg("--counts");
        QTest::newRow("origine") << QStringList{"--ct", "@", "--origin", "1,2,3"} << 2 << avec.arg("--origin");
        QTest::newRow("table") << QStringList{"--ct", "@", "--table", "t.txt"} << 2 << avec.arg("--table");
        QTest::newRow("volume") << QStringList{"--ct", "@", "--volume", "v.nrrd"} << 2 << avec.arg("--volume");
        QTest::newRow("egs++ sans catalogue") << QStringList{"--ct", "@", "--ramp", "R", "--egspp", "g"} << 1
                                              << "Géométrie egs++ : aucun fichier PEGS4 chargé : la rampe d'egs++ prend "
                                                 "la densité de chaque milieu dans ce fichier";
        QTest::newRow("sans --ct") << QStringList{"--xy", "a.bmp", "--ramp", "R"} << 2
                                   << "--series, --ramp et --crop ne s'emploient qu'avec --ct DOSSIER (voir quarvel-phantom --help)";
        QTest::newRow("rampe") << QStringList{"--ct", "@", "--ramp", "R"} << 1
                               << "Rampe « R » : ligne 3 : HU_MAX -950 ne dépasse pas celui de la ligne précédente "
                                  "(-900) ; les HU_MAX doivent croître strictement";
        QTest::newRow("sans catalogue") << QStringList{"--ct", "@"} << 1
                                        << "La rampe par défaut nomme ses milieux d'après un catalogue : donner le "
                                           "fichier PEGS4, ou une rampe";
        QTest::newRow("boîte") << QStringList{"--ct", "@", "--ramp", "R", "--crop", "1,2,3"} << 1
                               << "--crop attend six valeurs X0,X1,Y0,Y1,Z0,Z1 (cm), pas « 1,2,3 »";
        QTest::newRow("trop fin") << QStringList{"--ct", "@", "--ramp", "R", "--size", "0.1,1,1"} << 1
                                  << "Taille selon X : 0.1 cm, plus petite que les voxels du scanner (0.2 cm)";
        QTest::newRow("modèle") << QStringList{"--ramp-template"} << 2
                                << "--ramp-template donne la rampe par défaut d'un catalogue : donner --pegs FICHIER "
                                   "(voir quarvel-phantom --help)";
    }
    void commandeRefusee()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, statut);
        QFETCH(QString, message);
        const QString dossier = nouveauDossier(), rampe = racine.filePath("rampe.txt");
        QVERIFY(ecrireSerie(dossier, cylindreEssai()));
        const bool mauvaise = QString(QTest::currentDataTag()) == "rampe";
        QVERIFY(ecrireFichier(rampe, mauvaise ? "min -1000\nAIR -900 0.001 0.1\nLUNG -950 0.2 0.5\n" : rampeEssai));
        const QString fichier = racine.filePath("refuse.egsphant");
        QVERIFY(ecrireFichier(fichier, "avant"));
        for (QString &a : arguments)
            a = a == "@" ? dossier : a == "R" ? rampe : a;
        message.replace("« R »", QString("« %1 »").arg(rampe));
        const Resultat r = lancer(arguments << "-o" << fichier);
        QCOMPARE(r.statut, statut);
        QCOMPARE(r.erreurs, message + "\n");
        QCOMPARE(lire(fichier), QByteArray("avant"));
    }

    void modeleRampe()
    {
        const QString pegs = QUARVEL_SHARED_DATA "/521icru.pegs4dat";
        if (!QFile::exists(pegs))
            QSKIP("../shared/data/521icru.pegs4dat absent : la rampe par défaut se prend dans ce catalogue");
        const Resultat r = lancer({"--pegs", pegs, "--ramp-template"});
        QCOMPARE(r.statut, 0);
        const QStringList lignes = r.sortie.split('\n').filter(QRegularExpression("^[^#]"));
        QCOMPARE(lignes, QStringList({"min -1024", "AIR521ICRU           -950     0.001     0.044",
                                      "LUNG521ICRU          -700     0.044     0.302",
                                      "ICRUTISSUE521ICRU     125     0.302     1.101",
                                      "ICRPBONE521ICRU      2000     1.101     2.088"}));
    }
};

QTEST_GUILESS_MAIN(TestSerie)
#include "tst_serie.moc"
