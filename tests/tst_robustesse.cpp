// Hostile and broken input, each cause with the smallest input that showed
// it: a refusal in one line and nothing written, or the exact file.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/un.h>
#include <unistd.h>

#include "batch/lot.h"
#include "images/chargement.h"
#include "egsphant/egsphant.h"
#include "io/fichierentier.h"
#include "model/ligne.h"
#include "window/interface.h"
#include "widgets.h"
#include "outils.h"

namespace {

Grille grilleUnie(int x, int y, int z, quint8 valeur = 0)
{
    Grille g;
    g.dimX = x;
    g.dimY = y;
    g.dimZ = z;
    g.voxels.assign(size_t(x) * y * z, valeur);
    return g;
}

// A BMP of bits per pixel (8 by default) with a palette of black and white,
// its pixels given as stored (RLE8 when rle); the header claims largeur × hauteur.
QByteArray bmp8(int largeur, int hauteur, const QByteArray &pixels, bool rle, int bits = 8)
{
    QByteArray t(54 + 8, '\0');
    auto u16 = [&t](int i, quint16 v) { qToLittleEndian(v, t.data() + i); };
    auto u32 = [&t](int i, quint32 v) { qToLittleEndian(v, t.data() + i); };
    t[0] = 'B';
    t[1] = 'M';
    u32(2, quint32(t.size() + pixels.size()));
    u32(10, quint32(t.size()));
    u32(14, 40);
    u32(18, quint32(largeur));
    u32(22, quint32(hauteur));
    u16(26, 1);
    u16(28, quint16(bits));
    u32(30, rle ? 1 : 0);
    u32(34, quint32(pixels.size()));
    u32(46, 2);
    u32(54, 0x00000000); // palette: black, then white
    u32(58, 0x00ffffff);
    return t + pixels;
}

} // namespace

class TestRobustesse : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }
    // A command that builds a 4 × 3 × 1 phantom, writing to sortie.
    QStringList commande(const QString &sortie) const
    {
        return {"--xy", d("xy.bmp"), "--counts", "4,3,1", "--medium", "255=AIR:0.0012", "--medium", "0=EAU:1",
                "-o", sortie};
    }
    // A refusal: the status, one line holding message, no file and an earlier one kept.
    void verifierRefus(const QStringList &arguments, const QString &message, const QString &sortie)
    {
        const QByteArray avant = lire(sortie);
        const Resultat r = lancer(arguments);
        QCOMPARE(r.statut, 1);
        QCOMPARE(r.sortie, QString());
        QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
        QVERIFY(r.erreurs.endsWith('\n') && r.erreurs.count('\n') == 1);
        QCOMPARE(lire(sortie), avant);
        // No temporary file left beside it.
        QCOMPARE(QDir(QFileInfo(sortie).absolutePath())
                     .entryList(QDir::Hidden | QDir::System | QDir::Files)
                     .filter(QRegularExpression("^\\.")),
                 QStringList());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QImage xy(4, 3, QImage::Format_RGB32);
        xy.fill(qRgb(255, 255, 255));
        xy.setPixel(1, 1, qRgb(0, 0, 0));
        QVERIFY(xy.save(d("xy.bmp"), "BMP"));
    }

    // 1. A piece of text larger than the writer's block goes out whole.
    void nomPlusLongQuUnBloc_data()
    {
        QTest::addColumn<int>("longueur");
        for (int n : {(4 << 20) - 1, 4 << 20, (4 << 20) + 1, 9 << 20})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void nomPlusLongQuUnBloc()
    {
        QFETCH(int, longueur);
        const QString nom(longueur, 'N');
        QList<Materiau> courts = {Materiau(0, "A", 0.5), Materiau(1, "B", 1.0), Materiau(2, "C", 2.0)};
        QList<Materiau> longs = courts;
        longs[1].nom = nom;
        Grille g = grilleUnie(3, 2, 2, 1);
        g.voxels[0] = 0;
        g.voxels[5] = 2;
        QByteArray attendu = texte(courts, g);
        QVERIFY(attendu.contains("\nB\n"));
        attendu.replace("\nB\n", "\n" + nom.toLatin1() + "\n");
        QCOMPARE(texte(longs, g), attendu);
    }

    // 2. A name holding a control character or a character beyond Latin-1, typed on the command line or
    // in the window's table, is refused; the message shows it escaped.
    void nomsRefuses_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("vu");
        QTest::addColumn<QString>("raison");
        const QString controle = "il contient un caractère de contrôle";
        QTest::newRow("LF") << QString("EAU\nOS") << "EAU\\nOS" << controle;
        QTest::newRow("CR") << QString("EAU\r") << "EAU\\r" << controle;
        QTest::newRow("tab") << QString("E\tAU") << "E\\tAU" << controle;
        QTest::newRow("NUL") << QString("EAU") + QChar(0) << "EAU\\x00" << controle;
        QTest::newRow("ESC") << QString("\x1b[2J") << "\\x1b[2J" << controle;
        QTest::newRow("DEL") << QString("EAU\x7f") << "EAU\\x7f" << controle;
        // Written as 8-bit text it would become « EAU? », another medium.
        QTest::newRow("hors Latin-1") << QString("EAU") + QChar(0x6c34) << QString("EAU") + QChar(0x6c34)
                                      << QString("le caractère « %1 » ne s'écrit pas").arg(QChar(0x6c34));
    }
    void nomsRefuses()
    {
        QFETCH(QString, nom);
        QFETCH(QString, vu);
        QFETCH(QString, raison);
        const QString sortie = d("nom.egsphant");
        QVERIFY(ecrireFichier(sortie, "ANCIEN"));
        const QString message = QString("Niveau de gris 0 : nom « %1 » refusé : %2").arg(vu, raison);
        QStringList arguments = commande(sortie);
        arguments[arguments.indexOf("0=EAU:1")] = "0=" + nom + ":1";
        verifierRefus(arguments, message, sortie);

        Interface f;
        *f.milieux << Milieu{"AIR", 0.0012};
        f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("xy.bmp"); };
        f.selectXY();
        champNomme(f, "champDimZ")->setText("1");
        champNomme(f, "fichierEgsphant")->setText(sortie);
        QCOMPARE(tableMateriaux(f)->rowCount(), 2);
        lignesTable(f).at(1).comboNom->setCurrentText(nom);
        f.evalue();
        QVERIFY2(etatDe(f)->text().startsWith(message), qPrintable(etatDe(f)->text()));
        QVERIFY(!etatDe(f)->text().contains('\n'));
        QCOMPARE(lire(sortie), QByteArray("ANCIEN"));
    }

    // 3 and 4. Sizes above 0, boundaries finite, in the window and in the batch command.
    void geometrie_data()
    {
        QTest::addColumn<QString>("taille");
        QTest::addColumn<QString>("origine");
        QTest::addColumn<QString>("message");
        QTest::newRow("taille nulle") << "0,1,1" << "-15,-15,0"
                                      << "Taille X : 0, la taille d'un voxel doit être un nombre fini supérieur à 0.";
        QTest::newRow("taille negative") << "1,-0.5,1" << "-15,-15,0"
                                         << "Taille Y : -0.5, la taille d'un voxel doit être un nombre fini supérieur à 0.";
        QTest::newRow("limite infinie") << "1e308,1,1" << "-15,-15,0"
                                        << "Selon X : la dernière limite des voxels, origine -15 + 4 × taille 1e+308, n'est pas un nombre fini.";
        QTest::newRow("origine et taille grandes") << "1,1,1e308" << "0,0,1.7e308"
                                                   << "Selon Z : la dernière limite des voxels, origine 1.7e+308 + 1 × taille 1e+308, n'est pas un nombre fini.";
    }
    void geometrie()
    {
        QFETCH(QString, taille);
        QFETCH(QString, origine);
        QFETCH(QString, message);
        const QString sortie = d("geometrie.egsphant");
        QFile::remove(sortie);
        verifierRefus(commande(sortie) << "--size" << taille << "--origin" << origine, message, sortie);

        Interface f;
        f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &) { return d("xy.bmp"); };
        f.selectXY();
        champNomme(f, "champDimZ")->setText("1");
        for (int i = 0; i < 2; ++i) {
            lignesTable(f).at(i).comboNom->setCurrentText(i ? "EAU" : "AIR");
            lignesTable(f).at(i).comboDensite->setCurrentText(i ? "1" : "0.0012");
        }
        const QStringList valeurs = (taille + "," + origine).split(',');
        const QList<QLineEdit *> champs = {champNomme(f, "tailleX"),  champNomme(f, "tailleY"),
                                           champNomme(f, "tailleZ"),  champNomme(f, "origineX"),
                                           champNomme(f, "origineY"), champNomme(f, "origineZ")};
        for (int i = 0; i < 6; ++i)
            champs[i]->setText(valeurs[i]);
        champNomme(f, "fichierEgsphant")->setText(sortie);
        f.evalue();
        QCOMPARE(etatDe(f)->text(), message);
        QCOMPARE(lire(sortie), QByteArray("ABSENT"));
    }

    // 5. The output is a regular file or a new one, reached through every link.
    void sortie_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("message");
        QTest::newRow("dossier") << "dossier" << "c'est un dossier, pas un fichier ordinaire";
        QTest::newRow("tube") << "tube" << "c'est un tube, pas un fichier ordinaire";
        QTest::newRow("socket") << "socket" << "c'est une socket, pas un fichier ordinaire";
        QTest::newRow("liens vers un tube") << "liens tube" << "c'est un tube, pas un fichier ordinaire";
        QTest::newRow("lien vers /dev/null") << "null" << "c'est un périphérique, pas un fichier ordinaire";
        QTest::newRow("boucle de liens") << "boucle" << "trop de liens symboliques";
        QTest::newRow("lecture seule") << "lecture seule" << "le fichier existant est protégé en écriture";
        QTest::newRow("248 octets") << "248" << "nom trop long pour le système de fichiers (248 octets, au plus 247)";
        QTest::newRow("255 octets") << "255" << "nom trop long pour le système de fichiers (255 octets, au plus 247)";
        QTest::newRow("pas UTF-8") << "fffd" << "le chemin n'est pas un texte UTF-8 valide";
    }
    void sortie()
    {
        QFETCH(QString, cas);
        QFETCH(QString, message);
        QTemporaryDir ici;
        QString sortie = ici.filePath("sortie.egsphant");
        if (cas == "dossier")
            QVERIFY(QDir().mkdir(sortie));
        if (cas.endsWith("tube"))
            QCOMPARE(mkfifo(QFile::encodeName(ici.filePath("tube")).constData(), 0600), 0);
        if (cas == "tube")
            sortie = ici.filePath("tube");
        if (cas == "liens tube") {
            QVERIFY(QFile::link("tube", ici.filePath("b")));
            QVERIFY(QFile::link(ici.filePath("b"), sortie));
        }
        if (cas == "socket") {
            const int s = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un adresse{};
            adresse.sun_family = AF_UNIX;
            const QByteArray chemin = QFile::encodeName(sortie);
            QVERIFY(chemin.size() < int(sizeof adresse.sun_path));
            std::memcpy(adresse.sun_path, chemin.constData(), size_t(chemin.size()));
            QCOMPARE(bind(s, reinterpret_cast<sockaddr *>(&adresse), sizeof adresse), 0);
            close(s);
        }
        if (cas == "null")
            QVERIFY(QFile::link("/dev/null", sortie));
        if (cas == "boucle") {
            QVERIFY(QFile::link(ici.filePath("b"), sortie));
            QVERIFY(QFile::link(sortie, ici.filePath("b")));
        }
        if (cas == "lecture seule") {
            QVERIFY(ecrireFichier(sortie, "ANCIEN"));
            QVERIFY(QFile::setPermissions(sortie, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        }
        if (cas.toInt() > 0)
            sortie = ici.filePath(QString(cas.toInt() - 9, 'n') + ".egsphant");
        if (cas == "fffd")
            sortie = ici.filePath(QString("x") + QChar::ReplacementCharacter + ".egsphant");
        const QStringList avant = QDir(ici.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        QString raison;
        // Asked first, on its own: whatever follows must never reach a device.
        QVERIFY(cheminCible(sortie, &raison).isEmpty());
        QVERIFY2(raison == message || raison.startsWith(message), qPrintable(raison));

        const Resultat r = lancer(commande(sortie));
        QCOMPARE(r.statut, 1);
        QCOMPARE(r.erreurs, QString("Fichier \"%1\" non écrit : %2\n").arg(extrait(sortie), raison));
        QCOMPARE(QDir(ici.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), avant);
        if (cas == "lecture seule")
            QCOMPARE(lire(sortie), QByteArray("ANCIEN"));
    }

    // A chain of links leads to the file replaced; every link stays a link.
    void chaineDeLiens()
    {
        QTemporaryDir ici;
        QVERIFY(QDir(ici.path()).mkdir("sous"));
        QVERIFY(QFile::link("sous/b", ici.filePath("a")));
        QVERIFY(QFile::link("c.egsphant", ici.filePath("sous/b")));
        const Resultat r = lancer(commande(ici.filePath("a")));
        QCOMPARE(r.statut, 0);
        QVERIFY(QFileInfo(ici.filePath("a")).isSymLink() && QFileInfo(ici.filePath("sous/b")).isSymLink());
        QVERIFY(lancer(commande(d("direct.egsphant"))).statut == 0);
        QCOMPARE(lire(ici.filePath("sous/c.egsphant")), lire(d("direct.egsphant")));
        QCOMPARE(QDir(ici.filePath("sous")).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({"b", "c.egsphant"}));
        // The longest name the temporary file leaves room for is written.
        const QString long247 = ici.filePath(QString(238, 'n') + ".egsphant");
        QCOMPARE(lancer(commande(long247)).statut, 0);
        QCOMPARE(lire(long247), lire(d("direct.egsphant")));
    }

    // A byte that is not UTF-8 in the output name: refused, nothing written under another name.
    void sortieNonUtf8()
    {
        QTemporaryDir ici;
        QProcess p;
        p.setWorkingDirectory(ici.path());
        p.start("/bin/sh", {"-c", QString("\"$0\" --xy \"$1\" --counts 4,3,1 --medium 255=A:1 --medium 0=B:1 "
                                          "-o \"$(printf 'x\\377.egsphant')\""),
                            QUARVEL_PHANTOM, d("xy.bmp")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        const QByteArray erreurs = p.readAllStandardError();
        QVERIFY2(erreurs.contains("le chemin n'est pas un texte UTF-8 valide"), erreurs.constData());
        QCOMPARE(erreurs.count('\n'), 1);
        QCOMPARE(QDir(ici.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // 5. A text that cannot fit the disk is refused before its grid is made.
    void placeDisque()
    {
        // The smaller of the usual file systems, so the grid asked for stays within memory.
        QTemporaryDir shm("/dev/shm/quarvel-XXXXXX");
        const QTemporaryDir &ici = shm.isValid() ? shm : dossier;
        struct statvfs disque;
        QCOMPARE(statvfs(QFile::encodeName(ici.path()).constData(), &disque), 0);
        const qint64 libre = qint64(disque.f_bavail) * qint64(disque.f_frsize);
        // Each voxel takes at least its key, "1.00000 " and nothing else.
        const qint64 x = libre / 9 / 1000000 + 10;
        const qint64 memoire = qint64(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGE_SIZE);
        if (x * 1000000 > memoire / 3)
            QSKIP("the free space of /dev/shm and of the test folder needs a grid above a third of the memory");
        const QString sortie = ici.filePath("disque.egsphant");
        QElapsedTimer chrono;
        chrono.start();
        verifierRefus({"--xy", d("xy.bmp"), "--counts", QString("%1,1000,1000").arg(x), "--medium", "255=A:1",
                       "--medium", "0=B:1", "-o", sortie},
                      "non écrit : place insuffisante sur le disque : le fichier fera au moins", sortie);
        QVERIFY(chrono.elapsed() < 5000);
    }

    // 5. A write error stops the writing at once, not after the whole text is made.
    void erreurDEcritureArreteTout()
    {
        // Counts the time from its first refused block to the writer's answer.
        struct Sortie : QIODevice
        {
            bool refuser = false;
            QElapsedTimer depuisRefus;
            qint64 readData(char *, qint64) override { return -1; }
            qint64 writeData(const char *, qint64 n) override
            {
                if (!refuser)
                    return n;
                if (!depuisRefus.isValid())
                    depuisRefus.start();
                return -1;
            }
        };
        const QList<Materiau> m = {Materiau(0, "A", 1.0)};
        const Grille g = grilleUnie(1000, 1000, 50); // about 500 MB of text
        Sortie entiere, refusee;
        refusee.refuser = true;
        QString erreur;
        QVERIFY(entiere.open(QIODevice::WriteOnly) && refusee.open(QIODevice::WriteOnly));
        QElapsedTimer chrono;
        chrono.start();
        QVERIFY(ecrireEgsphant(entiere, m, g, Geometrie(), &erreur));
        const qint64 tout = chrono.nsecsElapsed();
        QVERIFY(!ecrireEgsphant(refusee, m, g, Geometrie(), &erreur));
        QVERIFY(erreur.startsWith("erreur d'écriture"));
        QVERIFY(refusee.depuisRefus.isValid());
        // The rest of the text is not made: the answer comes within a block or two.
        const qint64 apres = refusee.depuisRefus.nsecsElapsed();
        QVERIFY2(apres * 10 < tout, qPrintable(QString("%1 ns après le refus, %2 ns pour tout").arg(apres).arg(tout)));
    }

    // 6 and 7. A picture is used only when every pixel was decoded.
    void imagesIncompletes_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QString>("attendu"); // "ok" or the end of the message
        const QByteArray rangees = QByteArray::fromHex("00010000" "01000000"); // 2 × 2, rows padded to 4
        QTest::newRow("entier") << bmp8(2, 2, rangees, false) << "ok";
        QTest::newRow("coupé dans les pixels") << bmp8(2, 2, rangees.left(5), false) << "image incomplète ou corrompue";
        QTest::newRow("dernière rangée sans bourrage") << bmp8(2, 2, rangees.left(6), false) << "ok";
        QTest::newRow("RLE entier") << bmp8(2, 2, QByteArray::fromHex("0100 0101 0000" "0101 0100 0000 0001"), true) << "ok";
        QTest::newRow("RLE fin immédiate") << bmp8(2, 2, QByteArray::fromHex("0001"), true) << "image incomplète ou corrompue";
        QTest::newRow("RLE saut") << bmp8(4, 2, QByteArray::fromHex("0101 0002 0201 0001"), true) << "image incomplète ou corrompue";
        QTest::newRow("RLE de 1 Ko annonçant 3000 × 3000")
            << bmp8(3000, 3000, QByteArray(1000, '\x01') + QByteArray::fromHex("0001"), true) << "image incomplète ou corrompue";
        QTest::newRow("24 bits annonçant 9000 × 9000") << bmp8(9000, 9000, QByteArray(10, '\0'), false, 24) << "trop grande";
        QTest::newRow("RLE de 1 Ko annonçant 40000 × 40000")
            << bmp8(40000, 40000, QByteArray(1000, '\x01') + QByteArray::fromHex("0001"), true) << "illisible";
    }
    void imagesIncompletes()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(QString, attendu);
        const QString chemin = d("image.bmp");
        QVERIFY(ecrireFichier(chemin, fichier));
        QString erreur;
        const QImage image = chargerImage(chemin, &erreur);
        if (attendu == "ok") {
            QVERIFY2(!image.isNull(), qPrintable(erreur));
            const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
            QCOMPARE(rgb.pixel(0, 1), qRgb(0, 0, 0));
            QCOMPARE(rgb.pixel(1, 1), qRgb(255, 255, 255));
            QCOMPARE(rgb.pixel(0, 0), qRgb(255, 255, 255));
            QCOMPARE(rgb.pixel(1, 0), qRgb(0, 0, 0));
            return;
        }
        QVERIFY(image.isNull());
        // Past Qt's allocation limit, the loader refuses before it makes an
        // image, or the reader refuses the header itself.
        QCOMPARE(erreur, attendu == "illisible"     ? QString("Image illisible (format inconnu ou fichier abîmé) : \"%1\"").arg(chemin)
                         : attendu == "trop grande" ? QString("Image trop grande : \"%1\" annonce 9000 × 9000 pixels").arg(chemin)
                                                    : QString("Fichier \"%1\" : %2").arg(chemin, attendu));
        const QString sortie = d("image.egsphant");
        verifierRefus({"--xy", chemin, "--counts", "2,2,1", "--medium", "0=A:1", "-o", sortie}, erreur, sortie);

        Interface f;
        f.choisirFichier = [chemin](QWidget *, const QString &, const QString &, const QString &) { return chemin; };
        const QString avant = champNomme(f, "fichierXY")->text();
        f.selectXY();
        QCOMPARE(etatDe(f)->text(), erreur);
        QCOMPARE(champNomme(f, "fichierXY")->text(), avant);
        QVERIFY(!cocheNommee(f, "choixXY")->isChecked());
    }

    // 7. Typed text is echoed on one line, control characters escaped.
    void messagesSurUneLigne_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("taille") << QStringList{"--size", "1\n2,1,1"} << "--size « 1\\n2,1,1 » : « 1\\n2 » n'est pas un nombre";
        QTest::newRow("image") << QStringList{"--xy", "a\r\nb.bmp"} << "Image introuvable : \"a\\r\\nb.bmp\"";
        QTest::newRow("option") << QStringList{"--x\x1b[1m"} << "Option inconnue : « --x\\x1b[1m »";
    }
    void messagesSurUneLigne()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QStringList tout = {"--xy", d("xy.bmp"), "--counts", "4,3,1", "--medium", "255=A:1", "--medium", "0=B:1"};
        for (int i = 0; i + 1 < arguments.size(); i += 2) {
            const qsizetype k = tout.indexOf(arguments[i]);
            if (k >= 0)
                tout[k + 1] = arguments[i + 1];
            else
                tout << arguments[i] << arguments[i + 1];
        }
        if (arguments.size() % 2)
            tout << arguments.last();
        const Resultat r = lancer(tout << "-o" << d("ligne.egsphant"));
        QVERIFY(r.statut != 0);
        QVERIFY2(r.erreurs.startsWith(message), qPrintable(r.erreurs));
        QCOMPARE(r.erreurs.count('\n'), 1);
        QVERIFY(!r.erreurs.contains('\r') && !r.erreurs.contains('\x1b'));

        Interface f;
        champNomme(f, "tailleX")->setText("1\n2");
        f.materiaux << Materiau(0, "A", 1.0);
        QVERIFY(!f.constructionEgsphant(d("ligne.egsphant")));
        QCOMPARE(etatDe(f)->text(), QString("Taille X : « 1\\n2 » n'est pas un nombre."));
    }

    // 8. A long name or path is echoed cut to 80 characters, « … » in its middle.
    void echosCourts_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("echo");
        const QString nom(4 << 20, 'N');
        QVERIFY(ecrireFichier(d("long.pegs4dat"), " MEDIUM=" + nom.toLatin1() + ",STERNCID=X\n RHO= 1.0E+00,NE= 1\n"));
        const QString chemin = d(QString(3000, 'c') + "/521icru.pegs4dat");
        QTest::newRow("nom PEGS4 de 4 Mo") << QStringList{"--pegs", d("long.pegs4dat")} << nom;
        QTest::newRow("chemin du catalogue") << QStringList{"--pegs", chemin} << chemin;
        QTest::newRow("valeur de --medium") << QStringList{"--medium", "9=" + nom + ":1"} << "9=" + nom + ":1";
    }
    void echosCourts()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, echo);
        QStringList tout = QStringList{"--xy", d("xy.bmp"), "--counts", "4,3,1"} + arguments;
        const Resultat r = lancer(tout << "-o" << d("court.egsphant"));
        const QString coupe = echo.left(39) + "…" + echo.right(40);
        QVERIFY2(r.erreurs.contains("« " + coupe + " »") || r.erreurs.contains("\"" + coupe + "\""),
                 qPrintable(r.erreurs.left(500)));
        for (const QString &ligne : r.erreurs.split('\n'))
            QVERIFY2(ligne.size() < 400, qPrintable(ligne.left(500)));
    }
};

QTEST_MAIN(TestRobustesse)
#include "tst_robustesse.moc"
