// The session without its window: each source keeps its own choices and
// numbers, a switch says so once, the planes' levels follow their pictures,
// and the pipelines build what the batch command builds, or refuse alike.
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "egsphant/egsphant.h"
#include "scanner/rampe.h"
#include "scanner/volumect.h"
#include "session/construction.h"
#include "session/constructionct.h"
#include "session/niveauxplans.h"
#include "session/rampesaisie.h"
#include "session/saisie.h"
#include "session/structuressession.h"
#include "session/session.h"
#include "volume/volume.h"

#include "plansessai.h"

using BoiteDemandee = std::optional<Boite>;
using TaillesDemandees = std::optional<std::array<double, 3>>;

namespace {

// quarvel-phantom's status for a refusal that is not a misuse.
constexpr int statutRefus = 1;

// 5 × 4 × 3 labels 0 (x = 0), 1 and 2, in a raw NRRD of 2 mm voxels.
bool ecrireVolume(const QString &chemin)
{
    QByteArray octets = "NRRD0004\ntype: uint8\ndimension: 3\nsizes: 5 4 3\nspacings: 2 2 2\nencoding: raw\n\n";
    for (int z = 0; z < 3; ++z)
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                octets += char(x == 0 ? 0 : 1 + (y + z) % 2);
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

QByteArray lireFichier(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("ABSENT");
}

// "A,B,C" as three numbers, none when empty.
template <typename T>
bool troisNombres(const QString &texte, T valeurs[3])
{
    const QStringList parties = texte.split(',');
    for (int i = 0; i < 3 && !texte.isEmpty(); ++i)
        valeurs[i] = T(parties[i].toDouble());
    return !texte.isEmpty();
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QVERIFY(ecrirePlan(d("xy.bmp"), 6, 5, [](int c, int r) { return c == 0 || r == 0 ? 0 : c < 3 ? 80 : 160; }));
        QVERIFY(ecrirePlan(d("yz.bmp"), 5, 4, [](int c, int) { return c == 0 ? 0 : 80; }));
        QVERIFY(ecrirePlan(d("xz.bmp"), 6, 4, [](int c, int r) { return c == 0 ? 0 : r < 2 ? 80 : 160; }));
        QVERIFY(ecrirePlan(d("large.bmp"), 7, 4, [](int c, int) { return c == 0 ? 0 : 80; }));
        QVERIFY(ecrireVolume(d("tete.nrrd")));
    }

    // The same choices given to the session and to quarvel-phantom: the
    // session's grid, written, is the batch command's file byte for byte,
    // with the same notes; or both refuse with the same line.
    void pipelinePlansVolume_data()
    {
        QTest::addColumn<QStringList>("plans");   // PLANE=PICTURE for each ticked plane, or volume=FILE
        QTest::addColumn<QString>("comptes");     // --counts, or empty
        QTest::addColumn<QString>("taille");      // --size, or empty
        QTest::addColumn<QString>("origine");     // --origin, or empty
        QTest::addColumn<QStringList>("milieux"); // one --medium per level
        QTest::addColumn<int>("fond");            // --background, or -1
        const QStringList niveaux3{"160=ICRPBONE:1.85", "80=LUNG:0.26", "0=AIR:0.0012048"};
        QTest::newRow("XY seul") << QStringList{"xy=xy.bmp"} << "6,5,2" << "" << "" << niveaux3 << -1;
        QTest::newRow("XZ seul, fond") << QStringList{"xz=xz.bmp"} << "6,3,4" << "0.5,0.25,2" << "1,-2,3" << niveaux3 << 80;
        QTest::newRow("YZ seul") << QStringList{"yz=yz.bmp"} << "2,5,4" << "" << ""
                                 << QStringList{"80=WATER:1", "0=AIR:0.0012048"} << -1;
        QTest::newRow("trois plans") << QStringList{"xy=xy.bmp", "yz=yz.bmp", "xz=xz.bmp"} << "" << "" << "-5,-5,-5"
                                     << QStringList{"160=ICRPBONE:1.85", "80=WATER:1", "0=AIR:0.0012048"} << 0;
        QTest::newRow("XY et XZ") << QStringList{"xy=xy.bmp", "xz=xz.bmp"} << "" << "2,2,2" << "" << niveaux3 << -1;
        QTest::newRow("XY et YZ") << QStringList{"xy=xy.bmp", "yz=yz.bmp"} << "" << "" << ""
                                  << QStringList{"160=OS:1.85", "80=EAU:1", "0=EAU:1"} << 160;
        QTest::newRow("plans en désaccord") << QStringList{"xy=xy.bmp", "yz=large.bmp"} << "" << "" << ""
                                            << QStringList{"160=OS:1.85", "80=EAU:1", "0=AIR:0.0012"} << -1;
        QTest::newRow("comptes nuls") << QStringList{"xy=xy.bmp"} << "6,5,0" << "" << "" << niveaux3 << -1;
        QTest::newRow("taille nulle") << QStringList{"xy=xy.bmp"} << "6,5,1" << "0,1,1" << "" << niveaux3 << -1;
        QTest::newRow("volume") << QStringList{"volume=tete.nrrd"} << "" << "" << ""
                                << QStringList{"2=ICRPBONE:1.85", "1=WATER:1", "0=AIR:0.0012048"} << -1;
        QTest::newRow("volume, sa géométrie remplacée")
            << QStringList{"volume=tete.nrrd"} << "" << "0.1,0.2,0.3" << "4,5,6"
            << QStringList{"2=BONE:1.85", "1=BONE:1.85", "0=AIR:0.0012048"} << 1;
    }
    void pipelinePlansVolume()
    {
        QFETCH(QStringList, plans);
        QFETCH(QString, comptes);
        QFETCH(QString, taille);
        QFETCH(QString, origine);
        QFETCH(QStringList, milieux);
        QFETCH(int, fond);

        // The batch command's file and lines.
        QStringList arguments{"-o", d("lot.egsphant")};
        for (const QString &plan : plans)
            arguments << "--" + plan.section('=', 0, 0) << d(plan.section('=', 1));
        for (const auto &[option, valeur] : {std::pair{"--counts", comptes}, {"--size", taille}, {"--origin", origine}})
            if (!valeur.isEmpty())
                arguments << option << valeur;
        for (const QString &milieu : milieux)
            arguments << "--medium" << milieu;
        if (fond >= 0)
            arguments << "--background" << QString::number(fond);
        QFile::remove(d("lot.egsphant"));
        QProcess lot;
        lot.start(QUARVEL_PHANTOM, arguments);
        QVERIFY(lot.waitForFinished(60000));
        const QStringList lignesLot = QString::fromUtf8(lot.readAllStandardError()).split('\n', Qt::SkipEmptyParts);

        // The session given the same choices.
        Session session;
        QVector<int> niveaux;
        GeometrieSource nombres;
        if (plans.first().startsWith("volume=")) {
            auto volume = std::make_shared<Volume>();
            QString erreur;
            const QString chemin = d(plans.first().section('=', 1));
            QVERIFY2(chargerVolume(chemin, *volume, &erreur), qPrintable(erreur));
            session.changerSource(SourceFantome::Volume);
            session.choisirVolume(volume, chemin, true);
            niveaux = volume->valeurs;
            for (int a = 0; a < 3 && volume->geometrieConnue; ++a) {
                nombres.geometrie.taille[a] = volume->taille[a];
                nombres.geometrie.origine[a] = volume->origine[a];
            }
        } else {
            NiveauxPlans niveauxPlans;
            for (const QString &plan : plans) {
                const QString nom = plan.section('=', 0, 0), chemin = d(plan.section('=', 1));
                const PlanImage p = nom == "xy" ? PlanImage::XY : nom == "xz" ? PlanImage::XZ : PlanImage::YZ;
                const QImage image(chemin);
                QVERIFY(!image.isNull());
                session.choisirPlan(p, chemin, image);
                session.cocherPlan(p, true);
                niveauxPlans.remplacer(p, image);
            }
            niveaux = niveauxPlans.tous();
        }
        troisNombres(comptes, nombres.comptes);
        troisNombres(taille, nombres.geometrie.taille);
        troisNombres(origine, nombres.geometrie.origine);
        session.changerGeometrie(nombres);
        QList<LigneNiveau> lignes;
        for (int niveau : niveaux)
            for (const QString &milieu : milieux)
                if (milieu.startsWith(QString::number(niveau) + "=")) {
                    const QStringList nomDensite = milieu.section('=', 1).split(':');
                    lignes << LigneNiveau{niveau, {nomDensite[0], nomDensite[1]}};
                    session.choix().marquerChoisi(niveau);
                }
        QCOMPARE(lignes.size(), niveaux.size());
        QList<Materiau> materiaux;
        QCOMPARE(materiauxLignes(lignes, fond, materiaux), QString());
        QCOMPARE(materiaux.first().niveauGris, fond >= 0 ? fond : niveaux.first());

        Grille grille;
        Geometrie geometrie;
        const QString fichier = d("session.egsphant");
        const QString refus = construireGrille(session, fichier, materiaux, grille, geometrie);
        if (!refus.isEmpty()) {
            QCOMPARE(lot.exitCode(), int(statutRefus));
            QCOMPARE(lignesLot, QStringList{refus});
            QCOMPARE(grille.nombreVoxels(), 0);
            return;
        }
        QCOMPARE(lot.exitCode(), 0);
        QString erreur;
        QVERIFY2(enregistrerEgsphant(fichier, materiaux, grille, geometrie, &erreur), qPrintable(erreur));
        QVERIFY(grille.nombreVoxels() > 0);
        QCOMPARE(lireFichier(fichier), lireFichier(d("lot.egsphant")));
        QCOMPARE(notesFantome(session, fichier, materiaux, {}, grille), lignesLot);
    }

    // The fields' numbers as typed: read whatever the locale, or refused
    // naming the field and what it holds.
    void saisies_data()
    {
        QTest::addColumn<QStringList>("geometrie"); // sizes then origin
        QTest::addColumn<QStringList>("comptes");
        QTest::addColumn<QString>("attendu");       // the numbers read, or the refusal
        const QStringList geometrie{"0.5", "1,25", " 2 ", "-15", "-1e1", "0"};
        QTest::newRow("lus") << geometrie << QStringList{"6", " 5", "2 "} << "0.5 1.25 2 -15 -10 0 ; 6 5 2";
        QTest::newRow("taille vide") << QStringList{"1", " ", "1", "0", "0", "0"} << QStringList{"1", "1", "1"}
                                     << "Taille Y : champ vide, un nombre est attendu.";
        QTest::newRow("origine illisible") << QStringList{"1", "1", "1", "0", "0", "1,2,3"}
                                           << QStringList{"1", "1", "1"}
                                           << "Origine Z : « 1,2,3 » n'est pas un nombre.";
        QTest::newRow("compte réel") << geometrie << QStringList{"6", "2.5", "1"}
                                     << "Nombre de voxels invalide : « 2.5 » en Y (chaque compte doit être un "
                                        "entier positif, au plus 2147483647).";
        QTest::newRow("compte trop grand") << geometrie << QStringList{"6", "5", "2147483648"}
                                           << "Nombre de voxels invalide : « 2147483648 » en Z (chaque compte doit "
                                              "être un entier positif, au plus 2147483647).";
    }
    void saisies()
    {
        QFETCH(QStringList, geometrie);
        QFETCH(QStringList, comptes);
        QFETCH(QString, attendu);
        Geometrie lue;
        qint64 comptesLus[3] = {0, 0, 0};
        QString refus = lireGeometrieSaisie(geometrie, lue);
        if (refus.isEmpty())
            refus = lireComptesSaisis(comptes, comptesLus);
        if (!refus.isEmpty()) {
            QCOMPARE(refus, attendu);
            return;
        }
        QStringList vus;
        for (double v : {lue.taille[0], lue.taille[1], lue.taille[2], lue.origine[0], lue.origine[1], lue.origine[2]})
            vus << QString::number(v);
        vus << ";";
        for (qint64 n : comptesLus)
            vus << QString::number(n);
        QCOMPARE(vus.join(' '), attendu);
    }

    // Each source keeps its pictures, its volume and its numbers; a change
    // is said once, naming what changed.
    void sourcesEtNombres()
    {
        Session session;
        QSignalSpy plans(&session, &Session::planChange), volumes(&session, &Session::volumeChange),
            geometries(&session, &Session::geometrieChangee);
        const QImage image(d("xy.bmp"));
        session.choisirPlan(PlanImage::XZ, d("xy.bmp"), image);
        session.cocherPlan(PlanImage::XZ, true);
        session.cocherPlan(PlanImage::XZ, true);
        GeometrieSource desPlans;
        desPlans.geometrie.taille[2] = 0.5;
        desPlans.comptes[2] = 7;
        session.changerGeometrie(desPlans);

        session.changerSource(SourceFantome::Volume);
        QCOMPARE(session.geometrie().comptes[2], qint64(0));
        QCOMPARE(session.geometrie().geometrie.taille[2], Geometrie().taille[2]);
        GeometrieSource duVolume;
        duVolume.geometrie.origine[0] = 3;
        session.changerGeometrie(duVolume);
        session.choisirVolume(std::make_shared<Volume>(), d("tete.nrrd"), true);
        QCOMPARE(session.plan(PlanImage::XZ).image, image);

        session.changerSource(SourceFantome::Plans);
        QCOMPARE(session.geometrie().comptes[2], qint64(7));
        QCOMPARE(session.geometrie().geometrie.taille[2], 0.5);
        QCOMPARE(session.geometrie().geometrie.origine[0], Geometrie().origine[0]);
        QVERIFY(session.plan(PlanImage::XZ).coche && !session.plan(PlanImage::XY).coche);
        QCOMPARE(session.volume().chemin, d("tete.nrrd"));
        QCOMPARE(plans.size(), 2);
        QCOMPARE(plans[0][0].value<PlanImage>(), PlanImage::XZ);
        QCOMPARE(volumes.size(), 1);
        QCOMPARE(geometries.size(), 2);
        QCOMPARE(geometries[1][0].value<SourceFantome>(), SourceFantome::Volume);
    }

    // A field typed for one source: its number, or its refused text, comes
    // back with that source, untouched by what another source typed in the
    // same field; a refused text keeps its number as it was.
    void saisiesParSource_data()
    {
        QTest::addColumn<int>("champ"); // sizes, origin, counts, X to Z each
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu"); // the source's numbers, then the build's refusal
        QTest::newRow("taille") << 1 << "0,25" << "1 0.25 1 -15 -15 0 ; 0 0 0 ; ";
        QTest::newRow("origine") << 5 << "-3.5" << "1 1 1 -15 -15 -3.5 ; 0 0 0 ; ";
        QTest::newRow("compte") << 7 << " 12" << "1 1 1 -15 -15 0 ; 0 12 0 ; ";
        QTest::newRow("lettre") << 0 << "a" << "1 1 1 -15 -15 0 ; 0 0 0 ; Taille X : « a » n'est pas un nombre.";
        QTest::newRow("vide") << 4 << "" << "1 1 1 -15 -15 0 ; 0 0 0 ; Origine Y : champ vide, un nombre est attendu.";
        QTest::newRow("compte trop grand")
            << 8 << "2147483648"
            << "1 1 1 -15 -15 0 ; 0 0 0 ; Nombre de voxels invalide : « 2147483648 » en Z (chaque compte doit être un "
               "entier positif, au plus 2147483647).";
    }
    void saisiesParSource()
    {
        QFETCH(int, champ);
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        const auto vus = [](const GeometrieSource &g) {
            QStringList nombres;
            for (double v : {g.geometrie.taille[0], g.geometrie.taille[1], g.geometrie.taille[2],
                             g.geometrie.origine[0], g.geometrie.origine[1], g.geometrie.origine[2]})
                nombres << QString::number(v);
            nombres << ";";
            for (qint64 n : g.comptes)
                nombres << QString::number(n);
            nombres << ";" << refusGeometrie(g) + refusComptes(g);
            return nombres.join(' ');
        };
        Session session;
        QSignalSpy geometries(&session, &Session::geometrieChangee);
        session.saisirNombre(champ, texte);
        session.changerSource(SourceFantome::Volume);
        QCOMPARE(vus(session.geometrie()), vus(GeometrieSource()));
        session.saisirNombre(champ, "7");
        session.changerSource(SourceFantome::Plans);
        QCOMPARE(vus(session.geometrie()), attendu);
        QCOMPARE(session.geometrie().refuses[champ].value_or("nombre"),
                 attendu.endsWith("; ") ? QString("nombre") : texte);
        QCOMPARE(session.geometrie(SourceFantome::Volume).refuses[champ], std::nullopt);
        QVERIFY(vus(session.geometrie(SourceFantome::Volume)) != vus(GeometrieSource())); // its own 7 kept
        // A new number typed replaces the refused text.
        session.saisirNombre(champ, "2");
        QCOMPARE(session.geometrie().refuses[champ], std::nullopt);
        QCOMPARE(geometries.size(), 0); // the field typed already shows it
    }

    // A CT's box typed field by field: its numbers, or the first text that
    // is no number (box axis by axis, then sizes), come back with the CT
    // after the planes typed the same fields.
    void cadreParSource_data()
    {
        QTest::addColumn<QStringList>("saisies"); // field, text
        QTest::addColumn<QString>("attendu");     // box x, y, z from and to ; sizes, or the refusal
        QTest::newRow("tel que lu") << QStringList() << "-1.2 1.2 -1.25 1.25 9.8 11.8 ; 0.2 0.25 0.4";
        QTest::newRow("jusqu'à, virgule") << QStringList{"9", "0,5", "11", "10.123456789"}
                                          << "-1.2 0.5 -1.25 1.25 9.8 10.123456789 ; 0.2 0.25 0.4";
        QTest::newRow("origine et taille") << QStringList{"4", "-1", "2", "0.8"}
                                           << "-1.2 1.2 -1 1.25 9.8 11.8 ; 0.2 0.25 0.8";
        QTest::newRow("jusqu'à illisible") << QStringList{"10", "1.2.3"} << "Jusqu'à Y : « 1.2.3 » n'est pas un nombre.";
        QTest::newRow("X avant Y, boîte avant taille")
            << QStringList{"0", "a", "4", "b", "9", "c"} << "Jusqu'à X : « c » n'est pas un nombre.";
        QTest::newRow("refus remplacé") << QStringList{"11", "z", "11", "11"}
                                        << "-1.2 1.2 -1.25 1.25 9.8 11 ; 0.2 0.25 0.4";
        QTest::newRow("vide") << QStringList{"5", " "} << "Origine Z : champ vide, un nombre est attendu.";
    }
    void cadreParSource()
    {
        QFETCH(QStringList, saisies);
        QFETCH(QString, attendu);
        Session session;
        GeometrieSource lu;
        const double tailles[3] = {0.2, 0.25, 0.4}, origines[3] = {-1.2, -1.25, 9.8}, fins[3] = {1.2, 1.25, 11.8};
        for (int a = 0; a < 3; ++a) {
            lu.geometrie.taille[a] = tailles[a];
            lu.geometrie.origine[a] = origines[a];
            lu.jusqua[a] = fins[a];
        }
        session.changerGeometrie(SourceFantome::Scanner, lu);
        session.changerSource(SourceFantome::Scanner);
        for (int i = 0; i + 1 < saisies.size(); i += 2)
            session.saisirNombre(saisies[i].toInt(), saisies[i + 1]);
        session.changerSource(SourceFantome::Plans);
        for (int champ : {0, 4, 9, 10, 11})
            session.saisirNombre(champ, "x");
        session.changerSource(SourceFantome::Scanner);
        Boite boite;
        std::array<double, 3> taillesLues{};
        QString vu = lireCadreSaisi(session.geometrie(), boite, taillesLues);
        if (vu.isEmpty()) {
            QStringList nombres;
            for (int a = 0; a < 3; ++a)
                nombres << QString::number(boite.bas[a], 'g', 12) << QString::number(boite.haut[a], 'g', 12);
            nombres << ";";
            for (double t : taillesLues)
                nombres << QString::number(t, 'g', 12);
            vu = nombres.join(' ');
        }
        QCOMPARE(vu, attendu);
    }

    // Whatever one source sets, loads or marks, another source never sees;
    // coming back finds it as it was left.
    void choixParSource_data()
    {
        QTest::addColumn<int>("autre");
        QTest::newRow("volume") << int(SourceFantome::Volume);
        QTest::newRow("scanner") << int(SourceFantome::Scanner);
    }
    void choixParSource()
    {
        QFETCH(int, autre);
        Session session;
        TableGris table;
        table.choix[80] = ChoixNiveau{"LUNG", "0.26"};
        table.fond = 80;
        session.choix().retenir(0, {"LUNG", "0.26"});
        session.choix().marquerChoisi(0);
        session.choix().chargerTable(table);
        session.choix().retenirFond(0);

        session.changerSource(SourceFantome(autre));
        const ChoixNiveaux &neuf = session.choix();
        QVERIFY(!neuf.retenu(0) && !neuf.choisi(0) && !neuf.choixTable(80));
        QCOMPARE(neuf.fond(), -1);
        QCOMPARE(neuf.fondTable(), -1);
        session.choix().retenir(0, {"AIR", "0.0012048"});

        session.changerSource(SourceFantome::Plans);
        QCOMPARE(session.choix().retenu(0)->nom, QString("LUNG"));
        QVERIFY(session.choix().choisi(0) && !session.choix().choisi(80));
        QCOMPARE(session.choix().choixTable(80)->texteDensite, QString("0.26"));
        QVERIFY(!session.choix().choixTable(7) && !session.choix().choixTable(-1));
        QCOMPARE(session.choix().fond(), 0);
        QCOMPARE(session.choix().fondTable(), 80);
    }

    void changementSignale()
    {
        Session session;
        QSignalSpy changements(&session, &Session::sourceChangee);
        session.changerSource(SourceFantome::Plans);
        session.changerSource(SourceFantome::Scanner);
        session.changerSource(SourceFantome::Scanner);
        QCOMPARE(changements.size(), 1);
        QCOMPARE(changements[0][0].value<SourceFantome>(), SourceFantome::Scanner);
        QCOMPARE(session.source(), SourceFantome::Scanner);
    }

    // The ramp keeps its texts as typed, a refused one included, whatever
    // source is in use and whatever CT is read: the build refuses them by
    // name until they are mended. A change is said once, the same texts
    // again not at all.
    void rampeSaisie_data()
    {
        QTest::addColumn<QString>("borne");
        QTest::addColumn<QString>("huMax"); // of the second line
        QTest::addColumn<QString>("refus"); // its start, or empty
        // Read back, the texts shown are those typed: the bound to 6 digits,
        // each line's numbers exact.
        QTest::newRow("lue") << "-1024.25" << "-700" << QString();
        QTest::newRow("lettre") << "-1024" << "-7OO" << "Rampe, ligne 2 du tableau";
        QTest::newRow("borne") << "moins mille" << "-700" << "Rampe, borne min « moins mille »";
        QTest::newRow("ligne vide") << "-1024" << QString() << "Rampe, ligne 2 du tableau";
    }
    void rampeSaisie()
    {
        QFETCH(QString, borne);
        QFETCH(QString, huMax);
        QFETCH(QString, refus);
        Session session;
        QSignalSpy changements(&session, &Session::rampeChangee);
        const RampeSaisie saisie{borne, {{"AIR", "-950.125", "0.0012048", "0.044"},
                                         {"LUNG", huMax, "0.044", "0.30000000000000004"}}};
        session.changerRampe(saisie);
        session.changerRampe(saisie);
        session.changerSource(SourceFantome::Scanner);
        session.choisirScanner(std::make_shared<VolumeCT>());
        session.changerSource(SourceFantome::Volume);
        QCOMPARE(changements.size(), 1);
        QCOMPARE(session.rampe().huMin, borne);
        QCOMPARE(session.rampe().lignes, saisie.lignes);
        Rampe rampe;
        QString erreur;
        QCOMPARE(lireRampeSaisie(session.rampe(), rampe, &erreur), refus.isEmpty());
        QVERIFY2(erreur.startsWith(refus), qPrintable(erreur));
        if (refus.isEmpty())
            QCOMPARE(saisieDeRampe(rampe), saisie);
    }

    // The structure choices stay as typed, a refused medium or density
    // included, whatever source is in use and whatever CT is read; the
    // pipeline takes them or refuses them by what was typed. Another set
    // read starts its rows afresh.
    void structuresChoisies_data()
    {
        QTest::addColumn<QStringList>("lignes"); // "tick|medium|density" per region
        QTest::addColumn<int>("exterieur");
        QTest::addColumn<QString>("attendu"); // the choices taken, or a part of the refusal
        QTest::newRow("aucune") << QStringList{"0||", "0||", "0||"} << -1 << "";
        QTest::newRow("eau et os") << QStringList{"1|WATER|", "0|LUNG|", "1|ICRPBONE521ICRU|1.9"} << 0
                                   << "0 WATER ext ; 2 ICRPBONE521ICRU 1.9";
        QTest::newRow("densite de la rampe") << QStringList{"0||", "1|WATER|ct", "0||"} << -1 << "1 WATER ct";
        QTest::newRow("milieu inconnu") << QStringList{"0||", "1|PLOMB|", "0||"} << -1
                                        << "aucun milieu « PLOMB » dans le catalogue";
        QTest::newRow("densite illisible") << QStringList{"1|WATER|1,2,3", "0||", "0||"} << -1 << "1,2,3";
    }
    void structuresChoisies()
    {
        QFETCH(QStringList, lignes);
        QFETCH(int, exterieur);
        QFETCH(QString, attendu);
        JeuStructures jeu{{"1.2.3"}, {}};
        for (const QString nom : {"BODY", "POUMON", "TIGE OS"})
            jeu.regions << RegionRT{int(jeu.regions.size()) + 1, nom, "ORGAN", {}, "1.2.3", 0, {}, {}};
        Session session;
        QSignalSpy jeux(&session, &Session::structuresChangees);
        QSignalSpy choix(&session, &Session::choixStructuresChanges);
        session.choisirStructures("rs.dcm", jeu);
        QCOMPARE(session.structures().choix.lignes.size(), 3);
        QVERIFY(!session.structures().choix.lignes[2].cochee);
        TableStructures table{{}, exterieur};
        for (const QString &ligne : lignes) {
            const QStringList champs = ligne.split('|');
            table.lignes << LigneStructure{champs[0] == "1", champs[1], champs[2]};
        }
        session.changerChoixStructures(table);
        session.changerSource(SourceFantome::Scanner);
        session.choisirScanner(std::make_shared<VolumeCT>());
        session.changerSource(SourceFantome::Plans);
        QCOMPARE(jeux.size(), 1);
        QCOMPARE(choix.size(), 1);
        QCOMPARE(session.structures().fichier, QString("rs.dcm"));
        QCOMPARE(texteTableStructures(jeu, session.structures().choix), texteTableStructures(jeu, table));
        QCOMPARE(session.structures().choix.lignes[0].densite, table.lignes[0].densite);

        StructuresCT structures;
        const QString refus = lireStructuresSession(session.structures(), {{"WATER", 1.0}, {"ICRPBONE521ICRU", 1.85}},
                                                    VolumeCT(), "1.2.3", structures);
        QStringList prises;
        for (const ChoixStructure &c : structures.choix)
            prises << QString("%1 %2 %3").arg(c.region).arg(c.milieu, c.exterieur ? "ext" : c.densite ? QString::number(*c.densite) : "ct");
        if (refus.isEmpty())
            QCOMPARE(prises.join(" ; "), attendu);
        else
            QVERIFY2(refus.contains(attendu) && prises.isEmpty(), qPrintable(refus));

        session.choisirStructures("autre.dcm", jeu);
        QCOMPARE(jeux.size(), 2);
        QCOMPARE(session.structures().choix.exterieur, -1);
        QVERIFY(!session.structures().choix.lignes[0].cochee && session.structures().choix.lignes[0].milieu.isEmpty());
    }

    // A picture replaced takes away the levels no other picture holds; a
    // level that comes back takes the colour of the picture that brings it.
    void niveauxDesPlans()
    {
        auto image = [](QVector<QRgb> pixels) {
            QImage i(int(pixels.size()), 1, QImage::Format_RGB32);
            for (int x = 0; x < i.width(); ++x)
                i.setPixel(x, 0, pixels[x]);
            return i;
        };
        NiveauxPlans plans;
        plans.remplacer(PlanImage::XY, image({qRgb(10, 10, 10), qRgb(200, 200, 200)}));
        plans.remplacer(PlanImage::YZ, image({qRgb(10, 10, 10), qRgb(0, 80, 0)}));
        const int vert = plans.duPlan(PlanImage::YZ)[0]; // the green pixel's level, darker than 200
        QCOMPARE(plans.tous(), QVector<int>({200, vert, 10}));
        QCOMPARE(plans.coches(false, true, false), QVector<int>({vert, 10}));
        QCOMPARE(plans.couleur(vert), qRgb(0, 80, 0));
        plans.remplacer(PlanImage::YZ, image({qRgb(120, 120, 120)}));
        QCOMPARE(plans.tous(), QVector<int>({200, 120, 10}));
        QCOMPARE(plans.duPlan(PlanImage::YZ), QVector<int>({120}));
        QCOMPARE(plans.couleur(vert), qRgb(vert, vert, vert));
        plans.remplacer(PlanImage::XZ, image({qRgb(80, 40, 30)}));
        QCOMPARE(plans.tous().size(), 4);
        QCOMPARE(plans.couleur(plans.duPlan(PlanImage::XZ)[0]), qRgb(80, 40, 30));
    }

    // A 4 × 2 × 1 CT of air, lung, water and bone along x, read with a ramp
    // of those four lines: a grid whose voxels carry their densities, in the
    // box widened to the CT's voxels, at the sizes asked, with the notes the
    // user is shown; or the refusal.
    void pipelineCT_data()
    {
        QTest::addColumn<BoiteDemandee>("boite");
        QTest::addColumn<TaillesDemandees>("tailles");
        QTest::addColumn<QString>("attendu"); // counts, sizes, origin; or the refusal's start
        QTest::addColumn<QStringList>("notes");
        QTest::newRow("ses voxels") << BoiteDemandee() << TaillesDemandees()
                                    << "densités ; 4 2 1 ; 0.5 0.5 1 ; -1 0 2" << QStringList();
        QTest::newRow("boite") << BoiteDemandee(Boite{{0.2, 0.2, 2}, {0.8, 1, 3}})
                               << TaillesDemandees() << "densités ; 2 2 1 ; 0.5 0.5 1 ; 0 0 2" << QStringList();
        QTest::newRow("voxels doubles") << BoiteDemandee()
                                        << TaillesDemandees({1, 0.5, 1})
                                        << "densités ; 2 2 1 ; 1 0.5 1 ; -1 0 2" << QStringList();
        QTest::newRow("hors du CT") << BoiteDemandee(Boite{{5, 5, 5}, {6, 6, 6}})
                                    << TaillesDemandees() << "Boîte" << QStringList();
        QTest::newRow("boite ramenee au CT")
            << BoiteDemandee(Boite{{-3, 0.2, 1}, {0.8, 1, 3.0000000001}}) << TaillesDemandees()
            << "densités ; 4 2 1 ; 0.5 0.5 1 ; -1 0 2"
            << QStringList{"Boîte selon X : de -3 à 0.8 cm demandés, ramenée au scanner : de -1 à 1 cm",
                           "Boîte selon Z : de 1 à 3 cm demandés, ramenée au scanner : de 2 à 3 cm"};
        QTest::newRow("un seul voxel")
            << BoiteDemandee() << TaillesDemandees({0.5, 1.5, 5})
            << "densités ; 4 1 1 ; 0.5 1 1 ; -1 0 2"
            << QStringList{"Taille selon Y : 1.5 cm, un seul voxel de 1 cm dans la boîte"};
    }
    void pipelineCT()
    {
        QFETCH(BoiteDemandee, boite);
        QFETCH(TaillesDemandees, tailles);
        QFETCH(QString, attendu);
        QFETCH(QStringList, notes);
        Rampe rampe;
        QString erreur;
        QVERIFY2(lireRampe("min -1024\nAIR -950 0.001 0.044\nLUNG -700 0.044 0.302\nWATER 125 0.302 1.101\n"
                           "BONE 2000 1.101 2.088\n",
                           rampe, &erreur),
                 qPrintable(erreur));
        QList<Materiau> materiaux;
        QCOMPARE(materiauxCT(rampe, {{"WATER", 1.0}}, StructuresCT(), materiaux), QString());
        QCOMPARE(materiaux.size(), 4);
        VolumeCT ct;
        ct.axes[0] = {4, 0.5, -1};
        ct.axes[1] = {2, 0.5, 0};
        ct.axes[2] = {1, 1, 2};
        ct.entiers = {-1000, -500, 0, 1000, -1000, -500, 0, 1000};
        Grille grille;
        Geometrie geometrie;
        AxeCadre cadre[3];
        QStringList notesVues;
        const QString refus =
            construireGrilleCT(ct, boite, tailles, rampe, StructuresCT(), "ct.egsphant", grille, geometrie, cadre, &notesVues);
        if (!refus.isEmpty()) {
            QVERIFY2(refus.startsWith(attendu), qPrintable(refus));
            QCOMPARE(grille.nombreVoxels(), 0);
            return;
        }
        const QString vu = QString("%1 ; %2 %3 %4 ; %5 %6 %7 ; %8 %9 %10")
                               .arg(grille.densites.vide() ? "sans densités" : "densités")
                               .arg(grille.dimX).arg(grille.dimY).arg(grille.dimZ)
                               .arg(geometrie.taille[0]).arg(geometrie.taille[1]).arg(geometrie.taille[2])
                               .arg(geometrie.origine[0]).arg(geometrie.origine[1]).arg(geometrie.origine[2]);
        QCOMPARE(vu, attendu);
        QCOMPARE(notesVues, notes);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
