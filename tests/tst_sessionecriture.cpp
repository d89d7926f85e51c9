// The session's rows from its choices alone, and its write step: the
// phantom, its summary and notes, then the files beside it, as lines said
// in their order; what the batch command prints, without a window.
#include <QTemporaryDir>
#include <QtTest>

#include "session/ecriture.h"
#include "session/lignes.h"
#include "session/session.h"
#include "volume/volume.h"

#include "plansessai.h"

namespace {

const QList<Milieu> catalogue{{"AIR", 0.0012048}, {"LUNG", 0.26}, {"WATER", 1.0}};

// "LEVEL=NAME:DENSITY" as a level and its choice.
std::pair<int, ChoixNiveau> choixTexte(const QString &texte)
{
    const QString choix = texte.section('=', 1);
    return {texte.section('=', 0, 0).toInt(), {choix.section(':', 0, 0), choix.section(':', 1)}};
}

// The records as "LEVEL NAME DENSITY", in their order.
QString texteMateriaux(const QList<Materiau> &materiaux)
{
    QStringList textes;
    for (const Materiau &m : materiaux)
        textes << QString("%1 %2 %3").arg(m.niveauGris).arg(m.nom).arg(m.densite);
    return textes.join("; ");
}

// The lines said, "S:" for standard output and "N:" for a note before
// each, cut to the length of the starts expected.
QStringList debutsLignes(const QList<LigneCompteRendu> &lignes, const QStringList &attendus)
{
    QStringList debuts;
    for (int i = 0; i < lignes.size(); ++i)
        debuts << ((lignes[i].note ? "N:" : "S:") + lignes[i].texte).left(attendus.value(i).size());
    return debuts;
}

} // namespace

class TestSessionEcriture : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        // 3 × 2: level 0 on the first column, 80 elsewhere.
        QVERIFY(ecrirePlan(d("xy.bmp"), 3, 2, [](int c, int) { return c == 0 ? 0 : 80; }));
    }

    // Each level's row: its own choice, else the table's, else the
    // catalogue's first medium; the background the one kept, else the
    // table's, when among the levels. A table's choice counts as the user's.
    void lignesDesChoix_data()
    {
        QTest::addColumn<QStringList>("retenus"); // LEVEL=NAME:DENSITY, set by the user
        QTest::addColumn<QStringList>("table");   // likewise, from a loaded table
        QTest::addColumn<int>("fondTable");
        QTest::addColumn<int>("fondRetenu");
        QTest::addColumn<bool>("avecCatalogue");
        QTest::addColumn<QString>("attendu"); // the records, or the refusal
        QTest::addColumn<QList<int>>("choisis");
        QTest::newRow("catalogue seul") << QStringList() << QStringList() << -1 << -1 << true
                                        << "200 AIR 0.0012048; 80 AIR 0.0012048; 0 AIR 0.0012048" << QList<int>();
        QTest::newRow("choix puis table") << QStringList{"80=LUNG:0.26"} << QStringList{"80=WATER:1", "0=WATER:1.0"}
                                          << -1 << -1 << true << "200 AIR 0.0012048; 80 LUNG 0.26; 0 WATER 1"
                                          << QList<int>{0, 80};
        QTest::newRow("fond de la table") << QStringList() << QStringList{"0=LUNG:0.26"} << 80 << -1 << true
                                          << "80 AIR 0.0012048; 200 AIR 0.0012048; 0 LUNG 0.26" << QList<int>{0};
        QTest::newRow("fond retenu avant la table") << QStringList() << QStringList() << 80 << 0 << true
                                                    << "0 AIR 0.0012048; 200 AIR 0.0012048; 80 AIR 0.0012048"
                                                    << QList<int>();
        QTest::newRow("fond hors des niveaux") << QStringList() << QStringList() << 7 << 9 << true
                                               << "200 AIR 0.0012048; 80 AIR 0.0012048; 0 AIR 0.0012048"
                                               << QList<int>();
        QTest::newRow("sans catalogue") << QStringList{"200=BONE:1.85", "80=EAU:1"} << QStringList() << -1 << -1
                                        << false << "Niveau de gris 0 : aucun milieu choisi" << QList<int>{80, 200};
    }
    void lignesDesChoix()
    {
        QFETCH(QStringList, retenus);
        QFETCH(QStringList, table);
        QFETCH(int, fondTable);
        QFETCH(int, fondRetenu);
        QFETCH(bool, avecCatalogue);
        QFETCH(QString, attendu);
        QFETCH(QList<int>, choisis);
        Session session;
        if (avecCatalogue)
            session.catalogue() = catalogue;
        session.montrerNiveaux({200, 80, 0});
        for (const QString &texte : retenus) {
            const auto [niveau, choix] = choixTexte(texte);
            session.choix().retenir(niveau, choix);
            session.choix().marquerChoisi(niveau);
        }
        TableGris lue;
        for (const QString &texte : table) {
            const auto [niveau, choix] = choixTexte(texte);
            lue.choix[size_t(niveau)] = choix;
        }
        lue.fond = fondTable;
        session.choix().chargerTable(lue);
        session.choix().retenirFond(fondRetenu);

        const QString refus = materiauxChoix(session);
        QCOMPARE(refus.isEmpty() ? texteMateriaux(session.materiaux()) : refus, attendu);
        QList<int> vus = session.choix().niveauxChoisis().values();
        std::sort(vus.begin(), vus.end());
        QCOMPARE(vus, choisis);
    }

    // A level chosen for the planes is a fresh row for the volume, and the
    // volume's choice never comes back to the planes.
    void choixSansFuite()
    {
        Session session;
        session.catalogue() = catalogue;
        session.montrerNiveaux({0});
        session.choix().retenir(0, {"LUNG", "0.26"});
        session.choix().marquerChoisi(0);
        session.changerSource(SourceFantome::Volume);
        QCOMPARE(materiauxChoix(session), QString());
        QCOMPARE(texteMateriaux(session.materiaux()), QString("0 AIR 0.0012048"));
        QVERIFY(!session.choix().choisi(0));
        session.choix().retenir(0, {"WATER", "1"});
        session.changerSource(SourceFantome::Plans);
        QCOMPARE(materiauxChoix(session), QString());
        QCOMPARE(texteMateriaux(session.materiaux()), QString("0 LUNG 0.26"));
    }

    // The phantom's summary, its notes, then each file beside it said as it
    // goes; a file that fails says the phantom stays written, an earlier
    // failure turning into a note; the notes asked come last, after a
    // success only. The progress is given the text's exact size and ended
    // once; a medium egs++ cannot find stops everything before the grid.
    void ecriture_data()
    {
        QTest::addColumn<QString>("egsinp"); // "" none, "ok", "ko"
        QTest::addColumn<QString>("egspp");
        QTest::addColumn<QString>("eau");    // the medium of level 80
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QString>("refus"); // its start
        // Level 0 keeps the catalogue's first medium, unset: the window's note on it.
        const QString resume = "S:Fantôme écrit dans", defaut = "N:Attention : le niveau de gris laissé sans choix",
                      entree = "S:Entrée DOSXYZnrc écrite", geometrie = "S:Géométrie egs++ écrite",
                      note = "N:Note : coupe";
        QTest::newRow("fantôme seul") << "" << "" << "WATER" << QStringList{resume, defaut, note} << "";
        QTest::newRow("les deux") << "ok" << "ok" << "WATER" << QStringList{resume, defaut, entree, geometrie, note} << "";
        QTest::newRow("entrée manquée") << "ko" << "ok" << "WATER" << QStringList{resume, defaut, geometrie}
                                        << "Entrée DOSXYZnrc « ";
        QTest::newRow("deux manquées") << "ko" << "ko" << "WATER"
                                       << QStringList{resume, defaut, "N:Entrée DOSXYZnrc « "} << "Géométrie egs++ « ";
        QTest::newRow("milieu hors catalogue") << "" << "ok" << "EAU" << QStringList() << "Géométrie egs++ : ";
    }
    void ecriture()
    {
        QFETCH(QString, egsinp);
        QFETCH(QString, egspp);
        QFETCH(QString, eau);
        QFETCH(QStringList, lignes);
        QFETCH(QString, refus);
        Session session;
        session.catalogue() = catalogue;
        session.choisirPlan(PlanImage::XY, d("xy.bmp"), QImage(d("xy.bmp")));
        session.cocherPlan(PlanImage::XY, true);
        session.montrerNiveaux({80, 0});
        session.choix().retenir(80, {eau, "1"});
        GeometrieSource nombres;
        std::fill(nombres.comptes, nombres.comptes + 3, 2);
        nombres.comptes[0] = 3;
        session.changerGeometrie(nombres);
        QCOMPARE(materiauxChoix(session), QString());

        const QString fichier = d(QTest::currentDataTag() + QString(".egsphant"));
        DemandeEcriture demande;
        demande.fichier = fichier;
        const auto compagnon = [&](const QString &genre, const QString &suffixe) -> std::optional<QString> {
            if (genre.isEmpty())
                return std::nullopt;
            return d((genre == "ok" ? "" : "absent/") + QString(QTest::currentDataTag()) + suffixe);
        };
        demande.egsinp = compagnon(egsinp, ".egsinp");
        demande.egspp = compagnon(egspp, ".geom");
        demande.notes = QStringList{"coupe"};
        qint64 taille = -1, ecrits = 0;
        int fins = 0;
        demande.suivi = [&](const std::function<qint64()> &total) -> Progression {
            taille = total();
            return [&](qint64 octets) { return (ecrits = octets) >= 0; };
        };
        demande.finSuivi = [&] { ++fins; };

        const Ecriture ecriture = construireEtEcrire(session, demande);
        QCOMPARE(debutsLignes(ecriture.lignes, lignes), lignes);
        QVERIFY2(refus.isEmpty() ? ecriture.refus.isEmpty() : ecriture.refus.startsWith(refus), qPrintable(ecriture.refus));
        QCOMPARE(fins, lignes.isEmpty() ? 0 : 1);
        QCOMPARE(QFileInfo::exists(fichier), !lignes.isEmpty());
        if (lignes.isEmpty())
            return;
        QCOMPARE(taille, QFileInfo(fichier).size());
        QCOMPARE(ecrits, taille);
        QCOMPARE(ecriture.lignes.first().texte, QString("Fantôme écrit dans « %1 » : 2 milieux, 3 × 2 × 2 voxels").arg(fichier));
        if (!refus.isEmpty())
            QVERIFY(ecriture.refus.endsWith(QString("le fantôme « %1 » reste écrit").arg(fichier)));
        QCOMPARE(QFileInfo::exists(d(QTest::currentDataTag() + QString(".egsinp"))), egsinp == "ok");
    }

    // Once a volume's voxels are in the grid, the session lets them go
    // before the write.
    void volumeRendu()
    {
        auto volume = std::make_shared<Volume>();
        std::fill(volume->comptes, volume->comptes + 3, 2);
        std::fill(volume->comptesFichier, volume->comptesFichier + 3, 2);
        volume->valeurs = {0};
        volume->donnees.reset(new char[8]());
        std::weak_ptr<const Volume> suivi = volume;
        Session session;
        session.catalogue() = catalogue;
        session.changerSource(SourceFantome::Volume);
        session.choisirVolume(std::move(volume), d("tete.nrrd"), true);
        session.montrerNiveaux({0});
        GeometrieSource nombres;
        session.changerGeometrie(nombres);
        QCOMPARE(materiauxChoix(session), QString());
        DemandeEcriture demande;
        demande.fichier = d("volume.egsphant");
        int appels = 0;
        demande.suivi = [&](const std::function<qint64()> &) -> Progression {
            return [&](qint64) { return ++appels && suivi.expired(); };
        };
        const Ecriture ecriture = construireEtEcrire(session, demande);
        QCOMPARE(ecriture.refus, QString());
        QVERIFY(appels > 0);
        QVERIFY(!session.volume().volume);
        QCOMPARE(ecriture.lignes.first().texte,
                 QString("Fantôme écrit dans « %1 » : 1 milieu, 2 × 2 × 2 voxels").arg(demande.fichier));
    }
};

QTEST_GUILESS_MAIN(TestSessionEcriture)
#include "tst_sessionecriture.moc"
