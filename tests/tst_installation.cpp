// Installs into a scratch DESTDIR, as a packager does, and checks what lands
// there: the files, the menu entries, the MIME types, the man pages, and the
// installed programs' --version.
#include <QDirIterator>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "outils.h"

namespace {

// A command's status and its stdout and stderr together.
QPair<int, QString> executer(const QString &programme, const QStringList &arguments,
                             const QProcessEnvironment &environnement = QProcessEnvironment::systemEnvironment())
{
    QProcess processus;
    processus.setProcessEnvironment(environnement);
    processus.setProcessChannelMode(QProcess::MergedChannels);
    processus.start(programme, arguments);
    if (!processus.waitForFinished(60000))
        return {-1, programme + " : " + processus.errorString()};
    return {processus.exitStatus() == QProcess::NormalExit ? processus.exitCode() : -1,
            QString::fromUtf8(processus.readAll())};
}

// The value of a key in a desktop entry.
QString cle(const QByteArray &entree, const QString &nom)
{
    for (const QString &ligne : QString::fromUtf8(entree).split('\n'))
        if (ligne.startsWith(nom + "="))
            return ligne.mid(nom.size() + 1);
    return {};
}

} // namespace

class TestInstallation : public QObject
{
    Q_OBJECT
    QTemporaryDir destination;
    QString prefixe;

private slots:
    void initTestCase()
    {
        QVERIFY(destination.isValid());
        prefixe = destination.path() + "/usr";
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert("DESTDIR", destination.path());
        const auto [statut, sortie] = executer(CMAKE_COMMAND, {"--install", QUARVEL_BUILD_DIR, "--prefix", "/usr"},
                                               environnement);
        QVERIFY2(statut == 0, qPrintable(sortie));
        // The MIME database reads the installed package, as a desktop would.
        qputenv("XDG_DATA_DIRS", (prefixe + "/share:/usr/share").toUtf8());
    }

    // Every file the list names, and no other; the MIME package is well-formed XML.
    void fichiers()
    {
        QStringList installes;
        for (QDirIterator i(prefixe, QDir::Files, QDirIterator::Subdirectories); i.hasNext();)
            installes << i.next().mid(prefixe.size() + 1);
        installes.sort();
        const QString liste = QString::fromUtf8(lire(QUARVEL_SOURCE_DIR "/share/installation.txt"));
        QCOMPARE(installes, liste.split('\n', Qt::SkipEmptyParts));
        QXmlStreamReader xml(lire(prefixe + "/share/mime/packages/quarvel-toolkit.xml"));
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }

    void entrees_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("types");
        QTest::newRow("fenêtre") << "quarvel-toolkit" << "quarvel-toolkit %f" << QStringList();
        QTest::newRow("visionneuse") << "quarvel-view" << "quarvel-view %f"
                                     << QStringList{"application/x-egsphant", "application/x-compressed-egsphant"};
    }

    // Valid, starting an installed program with its installed icon, and
    // claiming only MIME types the installed package declares.
    void entrees()
    {
        QFETCH(QString, entree);
        QFETCH(QString, exec);
        QFETCH(QStringList, types);
        const QString chemin = prefixe + "/share/applications/" + entree + ".desktop";
        const auto [statut, messages] = executer("desktop-file-validate", {chemin});
        QCOMPARE(messages, QString());
        QCOMPARE(statut, 0);
        const QByteArray texte = lire(chemin);
        QCOMPARE(cle(texte, "Exec"), exec);
        // English for the menus, French beside it.
        for (const char *champ : {"Name", "Comment"})
            QVERIFY2(!cle(texte, champ).isEmpty() && !cle(texte, QLatin1String(champ) + "[fr]").isEmpty(), champ);
        QVERIFY(QFileInfo(prefixe + "/bin/" + exec.section(' ', 0, 0)).isExecutable());
        QVERIFY(QFile::exists(prefixe + "/share/icons/hicolor/scalable/apps/" + cle(texte, "Icon") + ".svg"));
        const QStringList declares = cle(texte, "MimeType").split(';', Qt::SkipEmptyParts);
        QCOMPARE(declares, types);
        for (const QString &type : declares)
            QVERIFY2(QMimeDatabase().mimeTypeForName(type).isValid(), qPrintable(type));
    }

    void typesMime_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("parent");
        QTest::newRow("texte") << "tete.egsphant" << "application/x-egsphant" << "text/plain";
        QTest::newRow("compressé") << "tete.egsphant.gz" << "application/x-compressed-egsphant" << "application/gzip";
    }

    void typesMime()
    {
        QFETCH(QString, fichier);
        QFETCH(QString, type);
        QFETCH(QString, parent);
        const QMimeType trouve = QMimeDatabase().mimeTypeForFile(fichier, QMimeDatabase::MatchExtension);
        QCOMPARE(trouve.name(), type);
        QVERIFY(trouve.inherits(parent));
    }

    void programmes_data()
    {
        QTest::addColumn<QString>("programme");
        QTest::addColumn<bool>("widgets");
        QTest::newRow("fenêtre") << "quarvel-toolkit" << true;
        QTest::newRow("commande") << "quarvel-phantom" << false;
        QTest::newRow("visionneuse") << "quarvel-view" << true;
    }

    // --version answers without a display, as on a cluster node; the batch
    // command links no widgets. The man pages, English and French, read without a warning.
    void programmes()
    {
        QFETCH(QString, programme);
        QFETCH(bool, widgets);
        QProcessEnvironment sansEcran = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            sansEcran.remove(variable);
        const QString chemin = prefixe + "/bin/" + programme;
        QCOMPARE(executer(chemin, {"--version"}, sansEcran),
                 qMakePair(0, programme + " (Quarvel Toolkit) " QUARVEL_VERSION "\n"));
        QCOMPARE(executer("readelf", {"-d", chemin}).second.contains("libQt6Widgets"), widgets);
        for (const QString dossier : {"/share/man/man1/", "/share/man/fr/man1/"}) {
            const QString manuel = prefixe + dossier + programme + ".1";
            QCOMPARE(executer("groff", {"-man", "-Tutf8", "-K", "utf-8", "-ww", "-z", manuel}), qMakePair(0, QString()));
        }
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
