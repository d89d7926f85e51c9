// Volume files whose headers lie, or are read in a French session, through
// the real quarvel-phantom: each is read exactly or refused in one French
// line, alone on stderr, and the process ends by itself.
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <zlib.h>

#include <cmath>
#include <cstring>

#include "egsphant/egsphant.h"
#include "media/materiaux.h"
#include "model/grille.h"
#include "outils.h"

namespace {

// 2 × 2 × 2 voxels of labels 0 and 1, one byte each.
const QByteArray etiquettes("\x00\x01\x01\x00\x01\x01\x00\x00", 8);

QByteArray nrrd(const QByteArray &champs, const QByteArray &voxels = etiquettes)
{
    return "NRRD0004\ntype: uint8\ndimension: 3\n" + champs + "\n" + voxels;
}

QByteArray meta(const QByteArray &champs, const QByteArray &fichier = "LOCAL")
{
    return "ObjectType = Image\nNDims = 3\n" + champs + "\nElementType = MET_UCHAR\nElementDataFile = " + fichier + "\n";
}

// A zlib stream, as MetaImage stores compressed voxels.
QByteArray zlib(const QByteArray &octets)
{
    return qCompress(octets).mid(4); // Qt puts the length before the stream
}

// A NIfTI-1 file, voxels after a 4-byte extension field; the caller's
// changes made through ecrire(position, value).
struct Nifti
{
    QByteArray octets = QByteArray(352, '\0');

    template <typename T>
    Nifti &ecrire(int position, T valeur)
    {
        std::memcpy(octets.data() + position, &valeur, sizeof valeur);
        return *this;
    }
    Nifti(qint16 type, qint16 bits)
    {
        ecrire<qint32>(0, 348);
        const qint16 dims[4] = {3, 2, 2, 2};
        for (int i = 0; i < 4; ++i)
            ecrire<qint16>(40 + 2 * i, dims[i]);
        ecrire<qint16>(70, type).ecrire<qint16>(72, bits);
        for (int i = 0; i < 4; ++i)
            ecrire<float>(76 + 4 * i, 1.0f);
        ecrire<float>(108, 352.0f);
        std::memcpy(octets.data() + 344, "n+1", 4);
    }
};

QByteArray flottants(std::initializer_list<float> valeurs)
{
    QByteArray octets;
    for (float v : valeurs)
        octets.append(reinterpret_cast<const char *>(&v), 4);
    return octets;
}

struct Sortie
{
    int statut = -1;
    QByteArray erreurs;
    bool fini = false;
};

} // namespace

class TestEntetes : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }

    // quarvel-phantom on a volume, in a locale; a run past 20 s is a hang.
    Sortie lancerVolume(const QString &volume, const QString &sortie, const QString &locale = "C.UTF-8",
                        const QStringList &plus = {})
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", locale);
        p.setProcessEnvironment(env);
        p.start(QUARVEL_PHANTOM, QStringList{"--volume", volume, "--medium", "0=AIR:0.0012", "--medium",
                                             "1=H2O:1", "-o", sortie} + plus);
        Sortie s;
        s.fini = p.waitForFinished(20000);
        if (!s.fini)
            p.kill();
        s.statut = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        s.erreurs = p.readAllStandardError();
        return s;
    }

private slots:
    void initTestCase() { QVERIFY(dossier.isValid()); }

    // Spacing 1.5 mm and origin -150.75 mm read the same in a French session,
    // as the same voxels placed by --size and --origin give them.
    void locale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << "C.UTF-8";
        QTest::newRow("français") << "fr_FR.UTF-8";
    }
    void locale()
    {
        QFETCH(QString, locale);
        if (locale != "C.UTF-8" && QProcess::execute("sh", {"-c", "locale -a | grep -qix 'fr_FR.utf-\\?8'"}) != 0)
            QSKIP("locale fr_FR.UTF-8 absente : ./deps.sh la crée");
        QVERIFY(ecrireFichier(d("corps.nrrd"), nrrd("sizes: 2 2 2\nspace: left-posterior-superior\n"
                                                    "space directions: (1.5,0,0) (0,1.5,0) (0,0,2.25)\n"
                                                    "space origin: (-150.75,10.5,-3.25)\nencoding: raw\n")));
        const Sortie attendu = lancerVolume(d("corps.nrrd"), d("attendu.egsphant"), "C.UTF-8",
                                            {"--size", "0.15,0.15,0.225", "--origin", "-15.15,0.975,-0.4375"});
        QCOMPARE(attendu.statut, 0);
        const Sortie lu = lancerVolume(d("corps.nrrd"), d(locale + ".egsphant"), locale);
        QCOMPARE(lu.erreurs, QByteArray());
        QCOMPARE(lu.statut, 0);
        const QByteArray octets = lire(d(locale + ".egsphant"));
        QVERIFY(octets.contains("-15.1500 -15.0000 -14.8500 \n"));
        QCOMPARE(octets, lire(d("attendu.egsphant")));
    }

    // Every form of a file that says the truth gives the bytes of the plain NRRD.
    void formes_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QStringList>("donnees"); // name=bytes of the data files beside it
        const QByteArray dims = "DimSize = 2 2 2\n";
        QTest::newRow("MetaImage LOCAL") << "a.mha" << meta(dims) + etiquettes << QStringList();
        // HeaderSize counts from the file's start: 2 bytes past this 110-byte header.
        QTest::newRow("MetaImage HeaderSize") << "h.mha" << meta(dims + "HeaderSize = 112") + "??" + etiquettes
                                              << QStringList();
        QTest::newRow("MetaImage compressé")
            << "z.mha"
            << meta(dims + "CompressedData = True\nCompressedDataSize = " + QByteArray::number(zlib(etiquettes).size()))
                   + zlib(etiquettes)
            << QStringList();
        QTest::newRow("MetaImage fichier") << "f.mhd" << meta(dims, "f.raw") << QStringList{"f.raw"};
        QTest::newRow("MetaImage LIST") << "l.mhd" << meta(dims, "LIST\nl0.raw\nl1.raw") << QStringList{"l0.raw", "l1.raw"};
        QTest::newRow("MetaImage motif") << "m.mhd" << meta(dims, "m%02d.raw 1 2 1") << QStringList{"m01.raw", "m02.raw"};
        QTest::newRow("NRRD détaché") << "d.nhdr" << QByteArray("NRRD0004\ntype: uint8\ndimension: 3\nsizes: 2 2 2\n"
                                                               "encoding: raw\ndata file: d.raw\n")
                                      << QStringList{"d.raw"};
    }
    void formes()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(QStringList, donnees);
        QVERIFY(ecrireFichier(d("simple.nrrd"), nrrd("sizes: 2 2 2\nencoding: raw\n")));
        QCOMPARE(lancerVolume(d("simple.nrrd"), d("simple.egsphant")).statut, 0);
        const qsizetype part = etiquettes.size() / qMax<qsizetype>(donnees.size(), 1);
        for (qsizetype i = 0; i < donnees.size(); ++i)
            QVERIFY(ecrireFichier(d(donnees[i]), etiquettes.mid(i * part, part)));
        QVERIFY(ecrireFichier(d(nom), contenu));
        const Sortie s = lancerVolume(d(nom), d(nom + ".egsphant"));
        QCOMPARE(s.erreurs, QByteArray());
        QCOMPARE(s.statut, 0);
        QCOMPARE(lire(d(nom + ".egsphant")), lire(d("simple.egsphant")));
    }

    // One row per way a header lies; "@" stands for the test folder.
    void refus_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("raison");
        const QByteArray dims = "DimSize = 2 2 2\n";
        const QByteArray cut = zlib(etiquettes).left(6);
        const auto ligne = [](const char *cle, const QByteArray &valeur) { return QByteArray(cle) + " = " + valeur; };
        QVERIFY(QDir(dossier.path()).mkpath("un-dossier"));
        QVERIFY(ecrireFichier(d("present0.raw"), etiquettes.left(4)));
        const QString espacement = " du fichier : un nombre de 0.001 à 10000 mm est attendu";
        const QString fluxAbime = "ElementDataFile : flux compressé tronqué ou abîmé, ou d'une autre longueur que les 8 "
                                  "octets de voxels de DimSize";
        QTest::newRow("MetaImage : données dans un dossier")
            << "dossier.mha" << meta(dims, "un-dossier") << "ElementDataFile : « un-dossier » n'est pas un fichier ordinaire";
        QTest::newRow("MetaImage : LIST incomplète") << "liste.mhd" << meta(dims, "LIST\npresent0.raw\nabsent1.raw")
                                                     << "ElementDataFile : fichier de données « absent1.raw » introuvable";
        QTest::newRow("MetaImage : motif incomplet") << "motif.mhd" << meta(dims, "present%d.raw 0 1 1")
                                                     << "ElementDataFile : fichier de données « present1.raw » introuvable";
        QTest::newRow("MetaImage : HeaderSize au-delà de la fin")
            << "saut.mha" << meta(dims + "HeaderSize = 200") + etiquettes
            << "ElementDataFile : les données commencent après la fin de « saut.mha »";
        QTest::newRow("MetaImage : flux zlib coupé")
            << "coupe.mha" << meta(dims + ligne("CompressedData", "True\n") + ligne("CompressedDataSize", "6")) + cut
            << fluxAbime;
        QTest::newRow("MetaImage : brut marqué compressé")
            << "brut.mha" << meta(dims + ligne("CompressedData", "True\n") + ligne("CompressedDataSize", "8")) + etiquettes
            << fluxAbime;
        QTest::newRow("MetaImage : CompressedDataSize absent, flux coupé")
            << "sanstaille.mha" << meta(dims + ligne("CompressedData", "True")) + cut
            << fluxAbime;
        QTest::newRow("MetaImage : flux d'un voxel de trop")
            << "long.mha"
            << meta(dims + ligne("CompressedData", "True\n") + ligne("CompressedDataSize", QByteArray::number(zlib(etiquettes + "A").size())))
                   + zlib(etiquettes + "A")
            << fluxAbime;
        QVERIFY(ecrireFichier(d("z0.raw"), zlib(etiquettes.left(4))));
        QVERIFY(ecrireFichier(d("z1.raw"), zlib(etiquettes.mid(4)).chopped(3)));
        QTest::newRow("MetaImage : LIST compressée, un flux coupé")
            << "listez.mhd" << meta(dims + ligne("CompressedData", "True"), "LIST\nz0.raw\nz1.raw")
            << "ElementDataFile : données compressées de « z1.raw » tronquées ou abîmées";
        QTest::newRow("MetaImage : DimSize de 4 nombres")
            << "quatre.mha" << meta("DimSize = 2 2 2 1") + etiquettes << "DimSize : 4 nombres pour NDims = 3";
        QTest::newRow("MetaImage : 65536 × 65536 × 1 dans 334 octets")
            << "enorme.mha" << meta("DimSize = 65536 65536 1") + QByteArray(250, '\1')
            << "fichier tronqué : DimSize annonce 4294967296 octets de voxels, « enorme.mha » n'en a que 250";
        QTest::newRow("MetaImage : NDims = -1")
            << "ndims.mha" << QByteArray("ObjectType = Image\nNDims = -1\nDimSize = 2 2 2\nElementType = MET_UCHAR\n"
                                         "ElementDataFile = LOCAL\n") + etiquettes
            << "NDims = -1 : un nombre entier de 1 à 10 attendu";
        QTest::newRow("MetaImage : CompressedDataSize négatif")
            << "negatif.mha" << meta(dims + ligne("CompressedData", "True\n") + ligne("CompressedDataSize", "-5")) + cut
            << "CompressedDataSize = -5 : un nombre entier d'au moins 1 attendu";
        QTest::newRow("NRRD : 3000 × 3000 × 1000 dans 52 octets")
            << "enorme.nrrd" << nrrd("sizes: 3000 3000 1000\n", "")
            << "fichier tronqué : sizes annonce 9000000000 octets de voxels, « enorme.nrrd » n'en a que 0";
        QTest::newRow("NRRD : espacement 1e-45")
            << "minuscule.nrrd" << nrrd("sizes: 2 2 2\nspace: left-posterior-superior\n"
                                        "space directions: (1e-45,0,0) (0,1,0) (0,0,1)\nencoding: raw\n")
            << "space directions : 1e-45 selon l'axe 1" + espacement;
        QTest::newRow("NRRD : origine 1e300")
            << "loin.nrrd" << nrrd("sizes: 2 2 2\nspace: left-posterior-superior\nspace origin: (0,1e300,0)\n"
                                   "encoding: raw\n")
            << "space origin : 1e+300 selon y : un nombre de -10000000 à 10000000 mm est attendu";
        Nifti reels(16, 32);
        QTest::newRow("NIfTI : NaN")
            << "nan.nii" << reels.octets + flottants({0, 1, 1, NAN, 0, 0, 1, 0})
            << "valeur nan au voxel (1, 1, 0) du fichier : une étiquette est un nombre entier de 0 à 65535";
        QTest::newRow("NIfTI : -inf")
            << "inf.nii" << reels.octets + flottants({0, 1, 1, 1, 0, 0, 1, -INFINITY})
            << "valeur -inf au voxel (1, 1, 1) du fichier : une étiquette est un nombre entier de 0 à 65535";
        for (const float decalage : {3.4e38f, 9.2233720e18f, INFINITY})
            QTest::newRow(qPrintable(QString("NIfTI : vox_offset %1").arg(decalage)))
                << "decalage.nii" << Nifti(2, 8).ecrire<float>(108, decalage).octets + etiquettes
                << QString("vox_offset = %1 : au-delà de la fin du fichier").arg(double(decalage));
        for (const qint16 compte : {qint16(0), qint16(-1), qint16(-32768)})
            QTest::newRow(qPrintable(QString("NIfTI : dim[2] = %1").arg(compte)))
                << "dim.nii" << Nifti(2, 8).ecrire<qint16>(44, compte).octets + etiquettes
                << QString("dim[2] = %1 : au moins 1 voxel attendu").arg(compte);
        QTest::newRow("NIfTI : dim[0] = 0") << "dim0.nii" << Nifti(2, 8).ecrire<qint16>(40, 0).octets + etiquettes
                                            << "dim[0] = 0 : de 1 à 7 dimensions attendues";
        Nifti cisaille(2, 8);
        const float lignes[3][4] = {{1, 0.5f, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};
        cisaille.ecrire<qint16>(254, 1);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                cisaille.ecrire<float>(280 + 16 * r + 4 * c, lignes[r][c]);
        QTest::newRow("NIfTI : sform oblique") << "oblique.nii" << cisaille.octets + etiquettes
                                               << "direction oblique : rééchantillonner d'abord le volume sur des axes x, y, z";
        // ITK's decomposition of these matrices aborts on NaN and stalls on 3.4e38.
        QTest::newRow("NIfTI : srow NaN") << "srow.nii" << Nifti(2, 8).ecrire<qint16>(254, 1).ecrire<float>(284, NAN).octets + etiquettes
                                          << "srow_x[1] = nan : un nombre de -10000 à 10000 mm est attendu";
        QTest::newRow("NIfTI : srow 3.4e38") << "srow.nii" << Nifti(2, 8).ecrire<qint16>(254, 1).ecrire<float>(292, 3.4e38f).octets + etiquettes
                                             << QString("srow_x[3] = %1 : un nombre de -10000000 à 10000000 mm est attendu").arg(double(3.4e38f));
        QTest::newRow("NIfTI : quatern_b inf") << "quatern.nii" << Nifti(2, 8).ecrire<qint16>(252, 1).ecrire<float>(256, INFINITY).octets + etiquettes
                                               << "quatern_b = inf : un nombre de -1 à 1 est attendu";
        QTest::newRow("NIfTI gzip : en-tête coupé")
            << "coupe.nii.gz" << QByteArray() << "en-tête NIfTI tronqué : 200 octets sur 348";
    }
    void refus()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(QString, raison);
        QFile::remove(d("refus.egsphant"));
        if (nom.endsWith(".gz")) { // the first 200 bytes of a NIfTI header, gzipped
            gzFile f = gzopen(QFile::encodeName(d(nom)).constData(), "wb");
            QVERIFY(f);
            QCOMPARE(gzwrite(f, Nifti(2, 8).octets.constData(), 200), 200);
            QCOMPARE(gzclose(f), Z_OK);
        } else {
            QVERIFY(ecrireFichier(d(nom), contenu));
        }
        const Sortie s = lancerVolume(d(nom), d("refus.egsphant"));
        QVERIFY2(s.fini, "quarvel-phantom ne s'arrête pas");
        QCOMPARE(QString::fromUtf8(s.erreurs), QString("Volume « %1 » : %2\n").arg(d(nom), raison));
        QCOMPARE(s.statut, 1);
        QVERIFY(!QFile::exists(d("refus.egsphant")));
    }

    // libpng's own line on a damaged slice picture stays off stderr.
    void coupeAbimee()
    {
        QVERIFY(QDir(dossier.path()).mkpath("coupes"));
        QVERIFY(ecrireFichier(d("coupes/c1.png"), "\x89PNG\r\n\x1a\n abîmée"));
        const Sortie s = lancerVolume(d("coupes"), d("coupes.egsphant"));
        QCOMPARE(s.erreurs, "Image illisible (format inconnu ou fichier abîmé) : \"" + d("coupes/c1.png").toUtf8() + "\"\n");
        QCOMPARE(s.statut, 1);
    }

    // The writer's last check: boundaries that collapse once printed with six digits.
    void bornesImprimees()
    {
        Grille grille;
        grille.dimX = grille.dimY = grille.dimZ = 2;
        grille.voxels.assign(8, 0);
        Geometrie geometrie;
        geometrie.origine[1] = 1e6;
        geometrie.taille[1] = 1e-4;
        const QByteArray refus = texte({Materiau(0, "AIR", 0.0012)}, grille, geometrie);
        QCOMPARE(refus, QByteArray("ECHEC Bornes des voxels selon y : « 1.00000e+06 » après « 1.00000e+06 », elles "
                                   "doivent croître strictement telles qu'écrites."));
    }
};

QTEST_GUILESS_MAIN(TestEntetes)
#include "tst_entetes.moc"
