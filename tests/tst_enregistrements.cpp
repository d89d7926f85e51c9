// Recorded window sessions: each step's status line and each written file's
// bytes, as they were when recorded. A change of any of them must be meant.
#include <QCheckBox>
#include <QCryptographicHash>
#include <QImage>
#include <QTemporaryDir>

#include "fenetre.h"
#include "outils.h"
#include "plansessai.h"
#include "seriect.h"
#include "volumeitk.h"

namespace {

// 5 × 4 × 3 labels 0 (around), 1 and 2, voxels of 2 mm.
bool ecrireVolume(const QString &chemin)
{
    return ecrireEtiquettes(chemin, {5, 4, 3}, {2, 2, 2}, {1, 1, 1},
                            [](int x, int y, int z) { return x == 0 ? 0 : 1 + (y + z) % 2; });
}

// The first 16 hexadecimal digits of a file's SHA-256, or "ABSENT".
QString empreinte(const QString &chemin)
{
    const QByteArray octets = lire(chemin);
    if (octets == "ABSENT")
        return "ABSENT";
    return QString::fromLatin1(QCryptographicHash::hash(octets, QCryptographicHash::Sha256).toHex().left(16));
}

} // namespace

class TestEnregistrements : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }

    // Plays one step of a session, as a user would, and says what the
    // window shows after it: its status line, the temporary folder named
    // "…", and after a build the file's print.
    QString jouer(Fenetre &w, const QString &etape)
    {
        const QStringList mots = etape.split(' ');
        const QString &geste = mots[0];
        if (geste == "pegs")
            w.cliquer("Pegs4dat", d("cat.pegs4dat"));
        else if (geste == "XY" || geste == "YZ" || geste == "XZ")
            w.cliquer(geste, d(mots[1]));
        else if (geste == "volume")
            w.cliquer("Volume…", d("tete.nrrd"));
        else if (geste == "scanner")
            w.cliquer("Scanner…", d("serie"));
        else if (geste == "case") {
            for (QCheckBox *c : w.f.findChildren<QCheckBox *>())
                if (c->toolTip().contains(mots[1]))
                    c->click();
        } else if (geste == "milieu") { // milieu NIVEAU NOM: chosen from the list
            const LigneTable *l = ligne(w.f, mots[1].toInt());
            if (!l)
                return "pas de ligne " + mots[1];
            const int k = l->comboNom->findText(mots[2], Qt::MatchStartsWith);
            l->comboNom->setCurrentIndex(k);
            emit l->comboNom->activated(k);
            return l->comboNom->currentText().trimmed() + " " + l->comboDensite->currentText();
        } else if (geste == "comptes") {
            champNomme(w.f, "champDimX")->setText(mots[1]);
            champNomme(w.f, "champDimY")->setText(mots[2]);
            champNomme(w.f, "champDimZ")->setText(mots[3]);
        } else if (geste == "egsphant") {
            champNomme(w.f, "fichierEgsphant")->setText(d(mots[1]));
            w.f.evalue();
            return etatDe(w.f)->text().replace(dossier.path(), "…") + ""
                    " | " + empreinte(d(mots[1]));
        }
        return etatDe(w.f)->text().replace(dossier.path(), "…");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QVERIFY(ecrireFichier(d("cat.pegs4dat"), pegsRampe));
        QVERIFY(ecrirePlan(d("xy.bmp"), 6, 5, [](int c, int r) { return c == 0 || r == 0 ? 0 : c < 3 ? 80 : 160; }));
        QVERIFY(ecrirePlan(d("yz.bmp"), 5, 4, [](int c, int) { return c == 0 ? 0 : 80; }));
        QVERIFY(ecrirePlan(d("xz.bmp"), 6, 4, [](int c, int r) { return c == 0 ? 0 : r < 2 ? 80 : 160; }));
        QVERIFY(ecrireVolume(d("tete.nrrd")));
        QVERIFY(QDir().mkpath(d("serie")));
        SerieEssai s;
        s.coupes = 4;
        s.hu = [s](int c, int r, int) { return cylindre(s.premier[0] + c * s.pas[0], s.premier[1] + r * s.pas[1]); };
        QVERIFY(ecrireSerie(d("serie"), s));
    }

    void session_data()
    {
        QTest::addColumn<QStringList>("etapes");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("un plan") << QStringList{"pegs", "XY xy.bmp", "milieu 80 LUNG", "milieu 160 ICRPBONE", "comptes 6 5 2",
                                                "egsphant plan.egsphant"}
                                 << QStringList{
                    "pegs → 4 milieux lus dans \"…/cat.pegs4dat\"",
                    "XY xy.bmp → XY : xy.bmp, 6 × 5, 3 niveaux",
                    "milieu 80 LUNG → LUNG521ICRU 0.26",
                    "milieu 160 ICRPBONE → ICRPBONE521ICRU 1.85",
                    "comptes 6 5 2 → XY : xy.bmp, 6 × 5, 3 niveaux",
                    "egsphant plan.egsphant → Fantôme écrit dans « …/plan.egsphant » : 3 milieux, 6 × 5 × 2 voxels, 905 octets\n"
                    "Attention : le niveau de gris laissé sans choix au premier milieu du catalogue, AIR521ICRU : 0"
                    " | dee15b029db866be"};
        QTest::newRow("trois plans") << QStringList{"pegs", "XY xy.bmp", "YZ yz.bmp", "XZ xz.bmp", "milieu 80 ICRUTISSUE",
                                                    "egsphant plans.egsphant"}
                                     << QStringList{
                    "pegs → 4 milieux lus dans \"…/cat.pegs4dat\"",
                    "XY xy.bmp → XY : xy.bmp, 6 × 5, 3 niveaux",
                    "YZ yz.bmp → YZ : yz.bmp, 5 × 4, 2 niveaux",
                    "XZ xz.bmp → XZ : xz.bmp, 6 × 4, 3 niveaux",
                    "milieu 80 ICRUTISSUE → ICRUTISSUE521ICRU 1",
                    "egsphant plans.egsphant → Fantôme écrit dans « …/plans.egsphant » : 2 milieux, 6 × 5 × 4 voxels, 1,7 ko\n"
                    "Attention : 2 niveaux de gris laissés sans choix au premier milieu du catalogue, AIR521ICRU : 160, 0"
                    " | 88b051adefce79b1"};
        QTest::newRow("volume") << QStringList{"pegs", "volume", "milieu 0 AIR", "milieu 2 ICRPBONE",
                                               "egsphant volume.egsphant"}
                                << QStringList{
                    "pegs → 4 milieux lus dans \"…/cat.pegs4dat\"",
                    "volume → Volume : tete.nrrd, 5 × 4 × 3, 3 valeurs",
                    "milieu 0 AIR → AIR521ICRU 0.0012048",
                    "milieu 2 ICRPBONE → ICRPBONE521ICRU 1.85",
                    "egsphant volume.egsphant → Fantôme écrit dans « …/volume.egsphant » : 2 milieux, 5 × 4 × 3 voxels, 899 octets\n"
                    "Attention : le niveau de gris laissé sans choix au premier milieu du catalogue, AIR521ICRU : 1"
                    " | f7dd04625afca54f"};
        QTest::newRow("scanner") << QStringList{"pegs", "scanner", "egsphant ct.egsphant"} << QStringList{
                    "pegs → 4 milieux lus dans \"…/cat.pegs4dat\"",
                    "scanner → Série CT « Cylindre d'eau » : 4 coupes, 12 × 10 × 4 voxels, HU de -1000 à 1000",
                    "egsphant ct.egsphant → Fantôme écrit dans « …/ct.egsphant » : 4 milieux, 12 × 10 × 4 voxels, 5,6 ko"
                    " | 707842a14ab00295"};
        QTest::newRow("plans puis volume") << QStringList{"pegs", "XY xy.bmp", "milieu 0 LUNG", "volume",
                                                          "egsphant fuite.egsphant", "milieu 0 AIR",
                                                          "case volume", "comptes 6 5 2", "egsphant retour.egsphant"}
                                           << QStringList{
                    "pegs → 4 milieux lus dans \"…/cat.pegs4dat\"",
                    "XY xy.bmp → XY : xy.bmp, 6 × 5, 3 niveaux",
                    "milieu 0 LUNG → LUNG521ICRU 0.26",
                    "volume → Volume : tete.nrrd, 5 × 4 × 3, 3 valeurs",
                    "egsphant fuite.egsphant → Fantôme écrit dans « …/fuite.egsphant » : 1 milieu, 5 × 4 × 3 voxels, 938 octets\n"
                    "Attention : 3 niveaux de gris laissés sans choix au premier milieu du catalogue, AIR521ICRU : 2, 1, 0"
                    " | fd09c9b3fb9c51e4",
                    "milieu 0 AIR → AIR521ICRU 0.0012048",
                    "case volume → Plans : retour aux images, 3 niveaux au tableau",
                    "comptes 6 5 2 → Plans : retour aux images, 3 niveaux au tableau",
                    "egsphant retour.egsphant → Fantôme écrit dans « …/retour.egsphant » : 2 milieux, 6 × 5 × 2 voxels, 936 octets\n"
                    "Attention : 2 niveaux de gris laissés sans choix au premier milieu du catalogue, AIR521ICRU : 160, 80"
                    " | 20cac6604565ccd5"};
        QTest::newRow("image pendant le scanner") << QStringList{"pegs", "scanner", "XY xy.bmp", "comptes 6 5 2",
                                                                 "egsphant pendant.egsphant", "case série",
                                                                 "egsphant apres.egsphant", "case série"}
                                                  << QStringList{
                    "pegs → 4 milieux lus dans \"…/cat.pegs4dat\"",
                    "scanner → Série CT « Cylindre d'eau » : 4 coupes, 12 × 10 × 4 voxels, HU de -1000 à 1000",
                    "XY xy.bmp → XY : xy.bmp, 6 × 5, 3 niveaux",
                    "comptes 6 5 2 → XY : xy.bmp, 6 × 5, 3 niveaux",
                    "egsphant pendant.egsphant → Fantôme écrit dans « …/pendant.egsphant » : 1 milieu, 6 × 5 × 2 voxels, 942 octets\n"
                    "Attention : 3 niveaux de gris laissés sans choix au premier milieu du catalogue, AIR521ICRU : 160, 80, 0"
                    " | f9ab717e2fc2ed14",
                    "case série → Série CT « Cylindre d'eau » : 4 coupes, 12 × 10 × 4 voxels, HU de -1000 à 1000",
                    "egsphant apres.egsphant → Fantôme écrit dans « …/apres.egsphant » : 4 milieux, 12 × 10 × 4 voxels, 5,6 ko"
                    " | 707842a14ab00295",
                    "case série → Plans : retour aux images, 3 niveaux au tableau"};
    }
    void session()
    {
        QFETCH(QStringList, etapes);
        QFETCH(QStringList, attendu);
        Fenetre w;
        QStringList vu;
        for (const QString &etape : etapes)
            vu << etape + " → " + jouer(w, etape);
        if (vu != attendu)
            qWarning().noquote() << vu.join("\n");
        QCOMPARE(vu, attendu);
    }
};

QTEST_MAIN(TestEnregistrements)
#include "tst_enregistrements.moc"
