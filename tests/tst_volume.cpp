// Label volumes through the batch command: each format and each layout of
// the axes gives the phantom of the same shape built by hand, and every
// volume that is not a label volume is refused with its reason.
#include <QTemporaryDir>
#include <QtTest>

#include <itkRGBPixel.h>

#include <cmath>
#include <numeric>

#include "egsphant/egsphant.h"
#include "model/grille.h"
#include "volume/volume.h"
#include "outils.h"
#include "volumeitk.h"

namespace {

// The shape: 4 × 3 × 2 voxels, each the index (0, 1, 2) of its value; no
// two axes alike, so that a turned or mirrored reading shows.
constexpr int comptes[3] = {4, 3, 2};
const char *const motif[2][3] = {{"0112", "0122", "1220"}, {"2210", "0000", "1111"}};
// Its place in space, in mm, as the files tell it: spacing along x, y, z and
// the centre of voxel (0, 0, 0).
constexpr double espacement[3] = {2.0, 3.0, 5.0};
constexpr double centre[3] = {10.0, -20.0, 30.0};

int rang(int x, int y, int z) { return motif[z][y][x] - '0'; }

// How a volume file lays the shape out: file axis a runs along x, y or z
// (axe[a]), backwards when inverse[a]; value k of the shape is valeurs[k].
struct Disposition
{
    int axe[3] = {0, 1, 2};
    bool inverse[3] = {false, false, false};
    double valeurs[3] = {2, 1, 0};
};

// The layout a test row gives: axe[0..2], then inverse[0..2].
Disposition disposer(const QList<int> &axes)
{
    Disposition d;
    for (int a = 0; a < 3; ++a) {
        d.axe[a] = axes[a];
        d.inverse[a] = axes[3 + a];
    }
    return d;
}

// An image of type T laid out as d says, n[p] voxels along the phantom's
// axis p, spaced and placed as the shape is; its voxels left to fill.
template <typename T>
typename itk::Image<T, 3>::Pointer imageDisposee(const Disposition &d, const int n[3])
{
    using Image = itk::Image<T, 3>;
    auto image = Image::New();
    typename Image::SizeType taille;
    typename Image::SpacingType pas;
    typename Image::PointType origine;
    typename Image::DirectionType direction;
    direction.Fill(0.0);
    for (int p = 0; p < 3; ++p)
        origine[p] = centre[p];
    for (int a = 0; a < 3; ++a) {
        const int p = d.axe[a];
        taille[a] = n[p];
        pas[a] = espacement[p];
        direction[p][a] = d.inverse[a] ? -1.0 : 1.0;
        if (d.inverse[a]) // voxel 0 then sits at the far end
            origine[p] += (n[p] - 1) * espacement[p];
    }
    image->SetRegions(taille);
    image->SetSpacing(pas);
    image->SetOrigin(origine);
    image->SetDirection(direction);
    image->Allocate();
    return image;
}

// Where the file's voxel at index i (i[a] along the file's axis a) lies in the phantom.
void placer(const Disposition &d, const int n[3], const qint64 i[3], int c[3])
{
    for (int a = 0; a < 3; ++a)
        c[d.axe[a]] = d.inverse[a] ? n[d.axe[a]] - 1 - int(i[a]) : int(i[a]);
}

// The shape written as a 3-D file with voxels of type T.
template <typename T>
bool ecrireForme(const QString &chemin, Format format, bool compresse, const Disposition &d)
{
    auto image = imageDisposee<T>(d, comptes);
    const auto taille = image->GetLargestPossibleRegion().GetSize();
    itk::Index<3> i;
    for (i[2] = 0; i[2] < itk::IndexValueType(taille[2]); ++i[2])
        for (i[1] = 0; i[1] < itk::IndexValueType(taille[1]); ++i[1])
            for (i[0] = 0; i[0] < itk::IndexValueType(taille[0]); ++i[0]) {
                const qint64 index[3] = {i[0], i[1], i[2]};
                int c[3];
                placer(d, comptes, index, c);
                image->SetPixel(i, T(d.valeurs[rang(c[0], c[1], c[2])]));
            }
    return ecrire<itk::Image<T, 3>>(image, chemin, format, compresse);
}

// A small volume of type T and dimension D holding the given values, for the refusals.
template <typename T, unsigned D>
bool ecrireValeurs(const QString &chemin, const std::vector<T> &valeurs,
                   const itk::Matrix<double, D, D> &direction = itk::Matrix<double, D, D>::GetIdentity())
{
    using Image = itk::Image<T, D>;
    auto image = Image::New();
    typename Image::SizeType taille;
    taille.Fill(1);
    taille[0] = valeurs.size();
    image->SetRegions(taille);
    image->SetDirection(direction);
    image->Allocate();
    std::copy(valeurs.begin(), valeurs.end(), image->GetBufferPointer());
    return ecrire<Image>(image, chemin, Format::Nrrd, false);
}

// The media of the shape's values, highest value first: A, B, C.
const QList<Materiau> medias = {{0, "A", 1.0}, {0, "B", 1.5}, {0, "C", 2.0}};

QStringList argumentsMilieux(const double valeurs[3])
{
    QStringList arguments;
    for (int k = 0; k < 3; ++k)
        arguments << "--medium" << QString("%1=%2:%3").arg(valeurs[k]).arg(medias[k].nom).arg(medias[k].densite);
    return arguments;
}

// The shape's geometry, as the files tell it, in cm.
Geometrie geometrieAttendue()
{
    Geometrie geometrie;
    for (int p = 0; p < 3; ++p) {
        geometrie.taille[p] = espacement[p] / 10;
        geometrie.origine[p] = (centre[p] - espacement[p] / 2) / 10;
    }
    return geometrie;
}

// The phantom of the shape written by hand: the records in the given order
// of the shape's indices, voxel (x, y, z) the record of its index.
bool ecrireAttendu(const QString &chemin, const QList<int> &ordre = {0, 1, 2})
{
    QList<Materiau> materiaux;
    for (int k : ordre)
        materiaux << medias[k];
    Grille grille;
    grille.dimX = comptes[0];
    grille.dimY = comptes[1];
    grille.dimZ = comptes[2];
    for (int z = 0; z < comptes[2]; ++z)
        for (int y = 0; y < comptes[1]; ++y)
            for (int x = 0; x < comptes[0]; ++x)
                grille.voxels.push_back(quint8(ordre.indexOf(rang(x, y, z))));
    return enregistrerEgsphant(chemin, materiaux, grille, geometrieAttendue(), nullptr);
}

// A picture of slice z of the shape, each value a grey.
bool ecrireCoupe(const QString &chemin, int z, const Disposition &d)
{
    QImage image(comptes[0], comptes[1], QImage::Format_RGB32);
    for (int y = 0; y < comptes[1]; ++y)
        for (int x = 0; x < comptes[0]; ++x) {
            const int g = int(d.valeurs[rang(x, y, z)]);
            image.setPixel(x, y, qRgb(g, g, g));
        }
    return image.save(chemin, "PNG");
}

// A volume of n voxels along the phantom's axes, laid out as d says, whose
// file voxel i holds valeurs[rangs[i]].
template <typename T>
bool ecrireRangs(const QString &chemin, const Disposition &d, const int n[3], const std::vector<int> &rangs,
                 const QList<double> &valeurs)
{
    auto image = imageDisposee<T>(d, n);
    T *voxel = image->GetBufferPointer();
    for (int rang : rangs)
        *voxel++ = T(valeurs[rang]);
    return ecrire<itk::Image<T, 3>>(image, chemin, Format::Nrrd, false);
}

// An attached MetaImage header over 2 × 2 × 2 bytes, with one line changed.
QByteArray metaImage(const QByteArray &ligne)
{
    QByteArray entete = "ObjectType = Image\nNDims = 3\nDimSize = 2 2 2\nElementSpacing = 1 1 1\n"
                        "Offset = 0 0 0\nElementType = MET_UCHAR\n";
    const QByteArray cle = ligne.left(ligne.indexOf('='));
    const qsizetype debut = entete.indexOf(cle);
    entete.replace(debut, entete.indexOf('\n', debut) - debut, ligne);
    return entete + "ElementDataFile = LOCAL\n" + QByteArray(8, '\1');
}

bool tronquer(const QString &chemin, qint64 octetsEnMoins)
{
    QFile f(chemin);
    return f.resize(f.size() - octetsEnMoins);
}

} // namespace

class TestVolume : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier;

    QString d(const QString &nom) const { return dossier.filePath(nom); }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QVERIFY(ecrireAttendu(d("attendu.egsphant")));
        QVERIFY(ecrireForme<quint8>(d("base.nrrd"), Format::Nrrd, false, Disposition()));
    }

    void formes_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("compresse");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QList<int>>("axes");    // axe[0..2] then inverse[0..2]
        QTest::addColumn<QList<double>>("valeurs");
        const QList<int> droit = {0, 1, 2, 0, 0, 0};
        const QList<double> petites = {2, 1, 0};
        const int nrrd = int(Format::Nrrd), nifti = int(Format::Nifti), meta = int(Format::Meta);
        QTest::newRow("NRRD brut") << "v.nrrd" << nrrd << false << "u8" << droit << petites;
        QTest::newRow("NRRD gzip") << "v.seg.nrrd" << nrrd << true << "u8" << droit << petites;
        QTest::newRow("NRRD en-tête séparé") << "v.nhdr" << nrrd << false << "u8" << droit << petites;
        QTest::newRow("NIfTI") << "v.nii" << nifti << false << "u8" << droit << petites;
        QTest::newRow("NIfTI gzip") << "z.nii.gz" << nifti << true << "i16" << droit << petites;
        QTest::newRow("MetaImage") << "v.mha" << meta << false << "u8" << droit << petites;
        QTest::newRow("MetaImage et données à part") << "v.mhd" << meta << true << "u8" << droit << petites;
        QTest::newRow("x et z retournés") << "r.nrrd" << nrrd << false << "u8" << QList<int>{0, 1, 2, 1, 0, 1} << petites;
        QTest::newRow("axes permutés") << "p.nrrd" << nrrd << false << "u8" << QList<int>{1, 2, 0, 0, 0, 0} << petites;
        QTest::newRow("permutés et retournés, NIfTI")
            << "pr.nii.gz" << nifti << true << "u8" << QList<int>{2, 0, 1, 0, 1, 0} << petites;
        QTest::newRow("uint16 au-delà de 255") << "u16.nrrd" << nrrd << true << "u16" << droit << QList<double>{65535, 300, 0};
        QTest::newRow("int32") << "i32.mha" << meta << false << "i32" << droit << QList<double>{70, 2, 1};
        QTest::newRow("float entiers") << "f.nrrd" << nrrd << false << "f32" << droit << QList<double>{1000, 256, 0};
        QTest::newRow("double entiers") << "f64.nii" << nifti << false << "f64" << droit << petites;
    }
    void formes()
    {
        QFETCH(QString, nom);
        QFETCH(int, format);
        QFETCH(bool, compresse);
        QFETCH(QString, type);
        QFETCH(QList<int>, axes);
        QFETCH(QList<double>, valeurs);
        Disposition disposition = disposer(axes);
        for (int a = 0; a < 3; ++a)
            disposition.valeurs[a] = valeurs[a];
        const QString chemin = d(nom);
        const Format f = Format(format);
        const bool ecrit = type == "u8"    ? ecrireForme<quint8>(chemin, f, compresse, disposition)
                           : type == "i16" ? ecrireForme<qint16>(chemin, f, compresse, disposition)
                           : type == "u16" ? ecrireForme<quint16>(chemin, f, compresse, disposition)
                           : type == "i32" ? ecrireForme<qint32>(chemin, f, compresse, disposition)
                           : type == "f32" ? ecrireForme<float>(chemin, f, compresse, disposition)
                                           : ecrireForme<double>(chemin, f, compresse, disposition);
        QVERIFY(ecrit);
        const QString sortie = d(nom + ".egsphant");
        const Resultat r = lancer(QStringList{"--volume", chemin, "-o", sortie} + argumentsMilieux(disposition.valeurs));
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.statut, 0);
        QVERIFY(r.sortie.contains("3 milieux, 4 × 3 × 2 voxels"));
        QCOMPARE(lire(sortie), lire(d("attendu.egsphant")));
    }

    // The file's geometry gives way to --size and --origin.
    void geometrieDonnee()
    {
        const Resultat r = lancer(QStringList{"--volume", d("base.nrrd"), "-o", d("g.egsphant"), "--size", "1,1,1",
                                              "--origin", "0,0,0"}
                                  + argumentsMilieux(Disposition().valeurs));
        QCOMPARE(r.statut, 0);
        const QList<QByteArray> lignes = lire(d("g.egsphant")).split('\n');
        // After the count, the names, the densities and the counts: the boundaries.
        QCOMPARE(lignes.mid(6, 3), QList<QByteArray>({"0.00000 1.00000 2.00000 3.00000 4.00000 ",
                                                      "0.00000 1.00000 2.00000 3.00000 ", "0.00000 1.00000 2.00000 "}));
    }

    // Slices as pictures, in the natural order of their names; other files ignored.
    void dossierDeCoupes()
    {
        QVERIFY(QDir(dossier.path()).mkdir("coupes"));
        Disposition disposition;
        disposition.valeurs[0] = 200;
        disposition.valeurs[1] = 100;
        // "coupe10" sorts before "coupe2" character by character, after it naturally.
        QVERIFY(ecrireCoupe(d("coupes/coupe2.png"), 0, disposition));
        QVERIFY(ecrireCoupe(d("coupes/coupe10.PNG"), 1, disposition));
        QVERIFY(ecrireFichier(d("coupes/notes.txt"), "pas une image"));
        const Resultat r = lancer(QStringList{"--volume", d("coupes"), "-o", d("coupes.egsphant"), "--size",
                                              "0.2,0.3,0.5", "--origin", "0.9,-2.15,2.75"}
                                  + argumentsMilieux(disposition.valeurs));
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.statut, 0);
        QCOMPARE(lire(d("coupes.egsphant")), lire(d("attendu.egsphant")));
    }

    // What the window shows of a volume: its middle XY slice in its values'
    // colours, the file's axes turned back.
    void coupeDuMilieu()
    {
        Disposition disposition;
        disposition.axe[0] = 2;
        disposition.axe[1] = 0;
        disposition.axe[2] = 1;
        disposition.inverse[1] = true;
        QVERIFY(ecrireForme<quint8>(d("coupe.nrrd"), Format::Nrrd, false, disposition));
        Volume volume;
        QVERIFY(chargerVolume(d("coupe.nrrd"), volume, nullptr));
        const QHash<int, QRgb> couleurs = {{2, qRgb(255, 0, 0)}, {1, qRgb(0, 255, 0)}};
        const QImage image = coupeMilieu(volume, couleurs);
        QCOMPARE(image.size(), QSize(comptes[0], comptes[1]));
        for (int y = 0; y < comptes[1]; ++y)
            for (int x = 0; x < comptes[0]; ++x)
                QCOMPARE(image.pixel(x, y), couleurs.value(int(disposition.valeurs[rang(x, y, 1)]), qRgb(0, 0, 0)));
    }

    // A table file reaches values beyond 255, and its fond line puts its record first.
    void tableEtFond()
    {
        Disposition disposition;
        disposition.valeurs[0] = 65535;
        disposition.valeurs[1] = 300;
        QVERIFY(ecrireForme<quint16>(d("t.nrrd"), Format::Nrrd, true, disposition));
        QVERIFY(ecrireFichier(d("table.txt"), "0-299 C 2\n300 B 1.5\n65535 A 1\nfond 300\n"));
        QVERIFY(ecrireAttendu(d("t-attendu.egsphant"), {1, 0, 2}));
        const Resultat r = lancer({"--volume", d("t.nrrd"), "--table", d("table.txt"), "-o", d("t.egsphant")});
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(lire(d("t.egsphant")), lire(d("t-attendu.egsphant")));
    }

    // Millions of voxels in runs of every length, lone voxels among them:
    // walked run by run and shared between threads, they give the phantom
    // built voxel by voxel, whatever the layout of the axes.
    void grandVolume_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QList<int>>("axes");       // axe[0..2] then inverse[0..2]
        QTest::addColumn<QList<double>>("valeurs"); // highest first
        QTest::newRow("uint8") << "u8" << QList<int>{0, 1, 2, 0, 0, 0} << QList<double>{255, 200, 3, 0};
        QTest::newRow("uint16, x retourné") << "u16" << QList<int>{0, 1, 2, 1, 0, 0}
                                            << QList<double>{65535, 1000, 300, 0};
        QTest::newRow("float, permutés et retournés") << "f32" << QList<int>{2, 0, 1, 0, 1, 0}
                                                      << QList<double>{70, 2, 1, 0};
    }
    void grandVolume()
    {
        QFETCH(QString, type);
        QFETCH(QList<int>, axes);
        QFETCH(QList<double>, valeurs);
        const Disposition disposition = disposer(axes);
        const int n[3] = {150, 120, 130};
        const qint64 total = qint64(n[0]) * n[1] * n[2];
        QRandomGenerator hasard(21);
        std::vector<int> rangs;
        while (qint64(rangs.size()) < total) {
            const int longueur = hasard.bounded(4) == 0 ? 1 + hasard.bounded(600) : 1 + hasard.bounded(3);
            rangs.insert(rangs.end(), size_t(longueur), hasard.bounded(int(valeurs.size())));
        }
        rangs.resize(size_t(total));
        const QString chemin = d("grand-" + type + ".nrrd");
        QVERIFY(type == "u8"    ? ecrireRangs<quint8>(chemin, disposition, n, rangs, valeurs)
                : type == "u16" ? ecrireRangs<quint16>(chemin, disposition, n, rangs, valeurs)
                                : ecrireRangs<float>(chemin, disposition, n, rangs, valeurs));

        // By hand: each file voxel's record (its value's rank) at its place in the phantom.
        Grille grille;
        grille.dimX = n[0];
        grille.dimY = n[1];
        grille.dimZ = n[2];
        grille.voxels.resize(size_t(total));
        const int nFichier[3] = {n[disposition.axe[0]], n[disposition.axe[1]], n[disposition.axe[2]]};
        qint64 i[3], suivant = 0;
        for (i[2] = 0; i[2] < nFichier[2]; ++i[2])
            for (i[1] = 0; i[1] < nFichier[1]; ++i[1])
                for (i[0] = 0; i[0] < nFichier[0]; ++i[0]) {
                    int c[3];
                    placer(disposition, n, i, c);
                    grille.voxels[size_t((qint64(c[2]) * n[1] + c[1]) * n[0] + c[0])] = quint8(rangs[size_t(suivant++)]);
                }
        QList<Materiau> materiaux;
        QStringList arguments{"--volume", chemin, "-o", d("grand.egsphant")};
        for (int k = 0; k < valeurs.size(); ++k) {
            materiaux << Materiau{0, QString("M%1").arg(k), 1.0 + 0.25 * k};
            arguments << "--medium" << QString("%1=M%2:%3").arg(valeurs[k]).arg(k).arg(1.0 + 0.25 * k);
        }
        QVERIFY(enregistrerEgsphant(d("grand-attendu.egsphant"), materiaux, grille, geometrieAttendue(), nullptr));
        const Resultat r = lancer(arguments);
        QCOMPARE(r.statut, 0);
        QVERIFY(lire(d("grand.egsphant")) == lire(d("grand-attendu.egsphant")));
    }

    void refus_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@/" stands for the test folder
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("message");
        QVERIFY(ecrireFichier(d("texte.nrrd"), "pas un volume\n"));
        const QStringList courts = {"court.nrrd", "court.seg.nrrd", "court.nii", "court-z.nii.gz", "court.mha",
                                    "court-z.mha", "court.mhd"};
        for (const QString &nom : courts) {
            const Format format = nom.contains(".nii") ? Format::Nifti : nom.contains(".nrrd") ? Format::Nrrd : Format::Meta;
            const bool compresse = nom.contains('z') || nom.contains(".seg");
            QVERIFY(ecrireForme<quint16>(d(nom), format, compresse, Disposition()));
            // The last voxel's last byte, or the gzip trailer and the end of the compressed stream.
            QVERIFY(tronquer(nom == "court.mhd" ? d("court.raw") : d(nom), compresse ? 12 : 1));
        }
        QVERIFY((ecrireValeurs<quint8, 2>(d("plan.nrrd"), {1, 2})));
        QVERIFY((ecrireValeurs<quint8, 4>(d("temps.nrrd"), {1, 2})));
        QVERIFY((ecrireValeurs<itk::RGBPixel<quint8>, 3>(d("couleur.nrrd"), {itk::RGBPixel<quint8>(1)})));
        QVERIFY((ecrireValeurs<qint64, 3>(d("64.nrrd"), {1, 2})));
        std::vector<quint16> nombreuses(300);
        std::iota(nombreuses.begin(), nombreuses.end(), 1000);
        QVERIFY((ecrireValeurs<quint16, 3>(d("300.nrrd"), nombreuses)));
        QVERIFY((ecrireValeurs<qint16, 3>(d("negatif.nrrd"), {3, -1, 2})));
        QVERIFY((ecrireValeurs<qint32, 3>(d("grand.nrrd"), {3, 65536})));
        QVERIFY((ecrireValeurs<float, 3>(d("demi.nrrd"), {3, 1.5f})));
        // Millions of values, walked in pieces: the file's first bad value is the one told.
        std::vector<float> longues(2300000, 1.0f);
        longues[2000000] = 1.5f;
        QVERIFY((ecrireValeurs<float, 3>(d("fin.nrrd"), longues)));
        longues[300000] = 2.5f;
        QVERIFY((ecrireValeurs<float, 3>(d("debut-et-fin.nrrd"), longues)));
        QVERIFY(ecrireFichier(d("pas0.mha"), metaImage("ElementSpacing = 1 0 1")));
        QVERIFY(ecrireFichier(d("pasNegatif.mha"), metaImage("ElementSpacing = 1 1 -2")));
        itk::Matrix<double, 3, 3> rotation;
        rotation.SetIdentity();
        rotation[0][0] = rotation[1][1] = std::cos(0.5);
        rotation[1][0] = std::sin(0.5);
        rotation[0][1] = -std::sin(0.5);
        QVERIFY((ecrireValeurs<quint8, 3>(d("oblique.nrrd"), {1, 2}, rotation)));
        QVERIFY(QDir(dossier.path()).mkpath("vide"));
        QVERIFY(ecrireFichier(d("vide/lisez-moi.txt"), "rien"));
        QVERIFY(QDir(dossier.path()).mkpath("tailles"));
        QVERIFY(QImage(4, 3, QImage::Format_RGB32).save(d("tailles/c1.png")));
        QVERIFY(QImage(4, 3, QImage::Format_RGB32).save(d("tailles/c9.bmp")));
        QVERIFY(QImage(3, 4, QImage::Format_RGB32).save(d("tailles/c10.png")));
        QVERIFY(QDir(dossier.path()).mkpath("abimee"));
        QVERIFY(QImage(4, 3, QImage::Format_RGB32).save(d("abimee/c1.png")));
        QVERIFY(ecrireFichier(d("abimee/c2.png"), "\x89PNG\r\n\x1a\n abîmée"));

        auto volume = [](const QString &nom) { return QStringList{"--volume", "@/" + nom, "--medium", "1=A:1"}; };
        auto cas = [&](const QString &nom, const QString &fichier, const QString &raison) {
            QTest::newRow(qPrintable(nom)) << volume(fichier) << 1 << "Volume « @/" + fichier + " » : " + raison;
        };
        const QString etiquette = " : une étiquette est un nombre entier de 0 à 65535";
        const QString espacement = " du fichier : un nombre de 0.001 à 10000 mm est attendu";
        QTest::newRow("introuvable") << volume("absent.nrrd") << 1 << "Volume « @/absent.nrrd » introuvable";
        cas("illisible", "texte.nrrd", "format non reconnu : NRRD, NIfTI ou MetaImage attendu");
        // Raw voxels are counted before the read; compressed ones, in the read.
        const QString illisibles = "voxels illisibles (fichier tronqué ou abîmé)";
        const QMap<QString, QString> tronques = {
            {"court.nrrd", "fichier tronqué : sizes annonce 48 octets de voxels, « court.nrrd » n'en a que 47"},
            {"court.nii", "fichier tronqué : dim annonce 48 octets de voxels, « court.nii » n'en a que 47"},
            {"court.mha", "fichier tronqué : DimSize annonce 48 octets de voxels, « court.mha » n'en a que 47"},
            {"court-z.mha", "CompressedDataSize = 30 : « court-z.mha » n'en a que 18 après l'en-tête"},
            {"court.mhd", "fichier tronqué : DimSize annonce 48 octets de voxels, « court.raw » n'en a que 47"}};
        for (const QString &nom : courts)
            cas("tronqué " + nom, nom, tronques.value(nom, illisibles));
        cas("2-D", "plan.nrrd", "image à 2 dimensions, un volume en a 3");
        cas("4-D", "temps.nrrd", "image à 4 dimensions, un volume en a 3");
        cas("couleur", "couleur.nrrd", "voxels à 3 composantes (vecteur ou couleur) : une étiquette par voxel est attendue");
        cas("64 bits", "64.nrrd", "voxels entiers de 64 bits : entiers de 8, 16 ou 32 bits, ou réels, attendus");
        cas("300 valeurs", "300.nrrd", "300 valeurs distinctes, au plus 256 (une ligne de la table chacune)");
        cas("négative", "negatif.nrrd", "valeur -1" + etiquette);
        cas("au-delà de 65535", "grand.nrrd", "valeur 65536" + etiquette);
        cas("réel non entier", "demi.nrrd", "valeur 1.5" + etiquette);
        cas("réel non entier vers la fin", "fin.nrrd", "valeur 1.5" + etiquette);
        cas("deux réels non entiers", "debut-et-fin.nrrd", "valeur 2.5" + etiquette);
        cas("espacement nul", "pas0.mha", "ElementSpacing : 0 selon l'axe 2" + espacement);
        cas("espacement négatif", "pasNegatif.mha", "ElementSpacing : -2 selon l'axe 3" + espacement);
        cas("oblique", "oblique.nrrd", "direction oblique : rééchantillonner d'abord le volume sur des axes x, y, z");
        QTest::newRow("dossier sans image") << volume("vide") << 1 << "Dossier « @/vide » : aucune image";
        QTest::newRow("images de tailles différentes")
            << volume("tailles") << 1 << "Image « c10.png » : 3 × 4 pixels, alors que « c1.png » en a 4 × 3";
        QTest::newRow("image abîmée") << volume("abimee") << 1
                                      << "Image illisible (format inconnu ou fichier abîmé) : \"@/abimee/c2.png\"";
        QTest::newRow("valeur absente") << QStringList{"--volume", "@/base.nrrd", "--medium", "7=A:1"} << 1
                                        << "--medium « 7=A:1 » : le niveau de gris 7 n'est pas une valeur du volume";
        QTest::newRow("avec un plan") << QStringList{"--volume", "@/base.nrrd", "--xy", "@/coupes/coupe2.png"} << 2
                                      << "--volume ne se combine ni avec --xy, --yz, --xz ni avec --counts : le "
                                         "volume donne les voxels et leurs comptes (voir quarvel-phantom --help)";
        QTest::newRow("avec des comptes") << QStringList{"--volume", "@/base.nrrd", "--counts", "4,3,2"} << 2
                                          << "--volume ne se combine ni avec --xy, --yz, --xz ni avec --counts : le "
                                             "volume donne les voxels et leurs comptes (voir quarvel-phantom --help)";
    }
    void refus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, statut);
        QFETCH(QString, message);
        for (QString &a : arguments)
            a.replace("@/", dossier.path() + "/");
        const QString sortie = d("refus.egsphant");
        const Resultat r = lancer(arguments + QStringList{"-o", sortie});
        QCOMPARE(r.erreurs, message.replace("@/", dossier.path() + "/") + "\n");
        QCOMPARE(r.statut, statut);
        QCOMPARE(r.sortie, QString());
        QVERIFY(!QFile::exists(sortie));
    }
};

QTEST_GUILESS_MAIN(TestVolume)
#include "tst_volume.moc"
