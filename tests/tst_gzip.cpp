// Phantoms written gzip-compressed: the same text once decompressed, and
// nothing left behind by a failure.
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sstream>
#include <sys/resource.h>
#include <zlib.h>

#include "batch/lot.h"
#include "egsphant/egsphant.h"
#include "outils.h"

namespace {

// The text of a file holding exactly one gzip member, decompressed by zlib;
// a short text saying what is wrong otherwise.
QByteArray gunzip(const QByteArray &gz)
{
    z_stream flux{};
    if (inflateInit2(&flux, 16 + MAX_WBITS) != Z_OK)
        return "ECHEC inflateInit2";
    QByteArray texte;
    QByteArray morceau(1 << 20, '\0');
    flux.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(gz.constData()));
    flux.avail_in = uInt(gz.size());
    int r = Z_OK;
    while (r == Z_OK) {
        flux.next_out = reinterpret_cast<Bytef *>(morceau.data());
        flux.avail_out = uInt(morceau.size());
        r = inflate(&flux, Z_NO_FLUSH);
        texte.append(morceau.constData(), morceau.size() - flux.avail_out);
    }
    const uInt reste = flux.avail_in;
    inflateEnd(&flux);
    if (r != Z_STREAM_END)
        return "ECHEC inflate " + QByteArray::number(r);
    if (reste != 0)
        return "ECHEC " + QByteArray::number(reste) + " octets après le premier membre";
    return texte;
}

QImage image(int largeur, int hauteur, const QVector<int> &niveaux)
{
    QImage im(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) {
            const int g = niveaux[(x / 3 + y * 7 + x * y) % niveaux.size()];
            im.setPixel(x, y, qRgb(g, g, g));
        }
    return im;
}

} // namespace

class TestGzip : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QVERIFY(image(37, 23, {255, 100, 30}).save(d("xy.bmp"), "BMP"));
        QVERIFY(image(37, 11, {255, 100, 30}).save(d("xz.bmp"), "BMP"));
        QVERIFY(image(23, 11, {255, 30, 100}).save(d("yz.bmp"), "BMP"));
    }

    // The core writer: any grid, small or spanning many blocks, compresses to
    // one member that gives back the text byte for byte, the same each time.
    void memeTexteDecompresse_data()
    {
        QTest::addColumn<int>("dimX");
        QTest::addColumn<int>("dimY");
        QTest::addColumn<int>("dimZ");
        QTest::addColumn<QString>("nom");
        QTest::newRow("un voxel") << 1 << 1 << 1 << "un.egsphant.gz";
        QTest::newRow("petite grille") << 7 << 5 << 3 << "petite.egsphant.gz";
        QTest::newRow("majuscules") << 7 << 5 << 3 << "PETITE.EGSPHANT.GZ";
        QTest::newRow("plusieurs blocs") << 300 << 200 << 50 << "blocs.egsphant.gz";
    }
    void memeTexteDecompresse()
    {
        QFETCH(int, dimX);
        QFETCH(int, dimY);
        QFETCH(int, dimZ);
        QFETCH(QString, nom);
        QList<Materiau> materiaux = {Materiau(0, "AIR", 0.0012048), Materiau(1, "EAU", 1.0),
                                     Materiau(2, "OS", 1.85), Materiau(3, "EAU", 1.05)};
        for (int k = 0; k < materiaux.size(); ++k)
            materiaux[k].numero = k + 1;
        Grille grille;
        grille.dimX = dimX;
        grille.dimY = dimY;
        grille.dimZ = dimZ;
        QRandomGenerator aleatoire(42);
        for (qint64 i = 0; i < grille.nombreVoxels(); ++i)
            grille.voxels.push_back(quint8(i % 97 < 60 ? 0 : aleatoire.bounded(4)));
        Geometrie geometrie;
        geometrie.taille[2] = 0.25;

        QString erreur;
        QVERIFY2(enregistrerEgsphant(d(nom), materiaux, grille, geometrie, &erreur), qPrintable(erreur));
        const QByteArray gz = lire(d(nom));
        QVERIFY(gz.startsWith("\x1f\x8b\x08"));
        const QByteArray attendu = texte(materiaux, grille, geometrie);
        QCOMPARE(gunzip(gz), attendu);
        QCOMPARE(tailleTexteEgsphant(materiaux, grille, geometrie), qint64(attendu.size()));
        // No time or machine in the header: the same choices, the same bytes.
        QVERIFY(enregistrerEgsphant(d("encore.gz"), materiaux, grille, geometrie, nullptr));
        QCOMPARE(lire(d("encore.gz")), gz);
    }

    // The batch command with a ".gz" name: its uncompressed file's text, the
    // note for DOSXYZnrc, and the same phantom for the project's own reader.
    // (The window writes the same .gz: see tst_suivi.)
    void commande()
    {
        const QStringList choix = {"--xy", d("xy.bmp"), "--yz", d("yz.bmp"), "--xz", d("xz.bmp"),
                                   "--medium", "255=AIR:0.0012", "--medium", "100=EAU:1", "--medium", "30=OS:1.85"};
        QCOMPARE(lancer(choix + QStringList{"-o", d("lot.egsphant")}).statut, 0);
        const Resultat r = lancer(choix + QStringList{"-o", d("lot.egsphant.gz")});
        QCOMPARE(r.statut, 0);
        QVERIFY(r.sortie.startsWith(QString("Fantôme écrit dans « %1 » : 3 milieux, 37 × 23 × 11 voxels")
                                        .arg(d("lot.egsphant.gz"))));
        QVERIFY2(r.erreurs.contains("DOSXYZnrc ne lit que les fichiers non compressés"), qPrintable(r.erreurs));
        QCOMPARE(gunzip(lire(d("lot.egsphant.gz"))), lire(d("lot.egsphant")));
        const Resultat info = lancer({"--info", d("lot.egsphant.gz")});
        QCOMPARE(info.statut, 0);
        QVERIFY(!info.sortie.isEmpty());
        QCOMPARE(info.sortie, lancer({"--info", d("lot.egsphant")}).sortie);
    }

    // A compressed write that cannot be made or fails half way leaves no
    // file, partial or temporary, and any earlier file whole.
    void echecNeLaisseRien()
    {
        QList<Materiau> materiaux = {Materiau(0, "EAU", 1.0), Materiau(1, "OS", 1.85)};
        Grille grille;
        grille.dimX = grille.dimY = 200;
        grille.dimZ = 100;
        // Varied voxels, so that the compressed file outgrows the limit below.
        QRandomGenerator aleatoire(7);
        for (qint64 i = 0; i < grille.nombreVoxels(); ++i)
            grille.voxels.push_back(quint8(aleatoire.bounded(2)));
        QString erreur;

        // A folder that no one may write in, not even the administrator.
        QVERIFY(!enregistrerEgsphant("/proc/quarvel.egsphant.gz", materiaux, grille, Geometrie(), &erreur));
        QVERIFY2(erreur.contains("/proc/quarvel.egsphant.gz"), qPrintable(erreur));
        QVERIFY(!QFileInfo::exists("/proc/quarvel.egsphant.gz"));

        // The disk fills up half way (here: the process's file size limit).
        QTemporaryDir ici;
        const QString chemin = ici.filePath("plein.egsphant.gz");
        QVERIFY(ecrireFichier(chemin, "ANCIEN"));
        rlimit ancienne;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &ancienne), 0);
        rlimit limite = ancienne;
        limite.rlim_cur = 64 * 1024;
        const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
        const bool ecrit = enregistrerEgsphant(chemin, materiaux, grille, Geometrie(), &erreur);
        setrlimit(RLIMIT_FSIZE, &ancienne);
        std::signal(SIGXFSZ, signalAvant);
        QVERIFY(!ecrit);
        QVERIFY2(erreur.contains(chemin) && erreur.contains("disque plein"), qPrintable(erreur));
        QCOMPARE(lire(chemin), QByteArray("ANCIEN"));
        QCOMPARE(QDir(ici.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"plein.egsphant.gz"}));

        // A link to the full device: refused before anything is written, the device and the link kept.
        const QString lien = ici.filePath("lien.egsphant.gz");
        QVERIFY(QFile::link("/dev/full", lien));
        QVERIFY(!enregistrerEgsphant(lien, materiaux, grille, Geometrie(), &erreur));
        QVERIFY2(erreur.contains(lien), qPrintable(erreur));
        QVERIFY(QFileInfo(lien).isSymLink());
        QVERIFY(!QFileInfo("/dev/full").isFile());
        QCOMPARE(QDir(ici.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({"lien.egsphant.gz", "plein.egsphant.gz"}));
    }
};

QTEST_MAIN(TestGzip)
#include "tst_gzip.moc"
