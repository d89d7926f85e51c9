// RT Structure Sets beside a CT series, both written by the test: the
// regions listed, the media and densities they give the phantom's voxels
// (against an inside test of its own, a point-in-polygon per voxel), and
// the refusals of damaged files and wrong choices.
#include <QTemporaryDir>
#include <QtTest>

#include <iomanip>
#include <locale>
#include <sstream>

#include <random>

#include "batch/lot.h"
#include "structures/structures.h"
#include "structures/table.h"
#include "outils.h"
#include "seriect.h"
#include "structuresrt.h"

namespace {

const QByteArray rampeEssai = "min -1000\nAIR -900 0.001 0.101\nLUNG -600 0.2 0.5\nEAU 200 0.9 1.3\nOS 2000 1.5 2.4\n";
const QByteArray pegsEssai = " MEDIUM=AIR,STERNCID=AIR\n MIXT,RHO= 1.2048E-03,NE= 4\n"
                             " MEDIUM=EAU,STERNCID=EAU\n COMP,RHO= 1.0000E+00,NE= 2\n"
                             " MEDIUM=TITANE,STERNCID=TITANE\n ELEM,RHO= 4.5400E+00,NE= 1\n";

// Slices at z = 100, 104, ... 116 mm: CT slabs of 4 mm about them.
const double plansMm[] = {100, 104, 108, 112, 116};

// The regions: a body, a ring with a hole on two planes, a couch outside
// the body, a triangle off the slices' centres over the ring. No edge
// passes through a voxel centre, at the CT's voxels or at the coarser ones.
StructuresEssai jeuEssai()
{
    StructuresEssai jeu;
    RegionEssai corps{1, "BODY", "EXTERNAL", "0\\255\\0", {}};
    RegionEssai anneau{2, "ANNEAU", "ORGAN", "255\\0\\0", {}};
    RegionEssai table{3, "TABLE", "SUPPORT", "128\\128\\128", {}};
    RegionEssai prothese{4, "PROTHESE", "", "0\\0\\255", {}};
    for (double z : plansMm) {
        corps.contours.push_back(rectangle(-8, 8, -8, 8, z));
        table.contours.push_back(rectangle(-12, 12, 8.5, 11.5, z));
    }
    // An open contour covering everything counts for nothing.
    corps.contours.push_back(ContourEssai{rectangle(-50, 50, -50, 50, 108).points, "OPEN_PLANAR"});
    for (double z : {104.0, 108.0}) {
        anneau.contours.push_back(rectangle(-6.5, 6.5, -6.5, 6.5, z));
        anneau.contours.push_back(rectangle(-2.5, 2.5, -2.5, 2.5, z));
    }
    prothese.contours.push_back(ContourEssai{{-0.5, -3.3, 108.5, 9.5, -3.3, 108.5, 9.5, 3.3, 108.5}});
    jeu.regions = {corps, anneau, table, prothese};
    return jeu;
}

// The inside test written the plain way: the plane nearest z, if no CT
// slab boundary (98, 102, ... 118 mm) lies strictly between them, then
// every polygon's edges crossed by a ray towards +x.
bool dedans(const RegionEssai &region, double x, double y, double z)
{
    double plan = NAN;
    for (const ContourEssai &c : region.contours)
        if (c.type == "CLOSED_PLANAR" && (std::isnan(plan) || std::abs(c.points[2] - z) < std::abs(plan - z)
                                          || (std::abs(c.points[2] - z) == std::abs(plan - z) && c.points[2] < plan)))
            plan = c.points[2];
    if (std::isnan(plan))
        return false;
    for (double borne = 98; borne <= 118; borne += 4)
        if (borne > std::min(z, plan) + 1e-6 && borne < std::max(z, plan) - 1e-6)
            return false;
    bool impair = false;
    for (const ContourEssai &c : region.contours) {
        if (c.type != "CLOSED_PLANAR" || c.points[2] != plan)
            continue;
        const size_t n = c.points.size() / 3;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const double xi = c.points[3 * i], yi = c.points[3 * i + 1], xj = c.points[3 * j], yj = c.points[3 * j + 1];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                impair = !impair;
        }
    }
    return impair;
}

// %#.6g from the C library.
QByteArray reel(double v)
{
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s << std::showpoint << std::setprecision(6) << v;
    return QByteArray::fromStdString(s.str());
}

// A phantom's text cut into its parts.
struct Texte
{
    QList<QByteArray> milieux;
    QByteArray densitesMilieux, geometrie; // the line after the names; the counts and boundaries
    int n[3] = {0, 0, 0};
    QByteArray cles;           // every voxel's key, x fastest
    QList<QByteArray> densites; // every voxel's density text
};

Texte decouper(const QByteArray &octets)
{
    Texte t;
    const QList<QByteArray> lignes = octets.split('\n');
    int k = 0;
    const int milieux = lignes[k++].trimmed().toInt();
    for (int m = 0; m < milieux; ++m)
        t.milieux << lignes[k++];
    t.densitesMilieux = lignes[k++];
    const QList<QByteArray> comptes = lignes[k].simplified().split(' ');
    for (int a = 0; a < 3 && a < comptes.size(); ++a)
        t.n[a] = comptes[a].toInt();
    for (int l = 0; l < 4; ++l)
        t.geometrie += lignes[k++] + '\n';
    for (int z = 0; z < t.n[2]; ++z, ++k)
        for (int y = 0; y < t.n[1]; ++y)
            t.cles += lignes[k++];
    for (int z = 0; z < t.n[2]; ++z, ++k)
        for (int y = 0; y < t.n[1]; ++y)
            t.densites += lignes[k++].simplified().split(' ');
    return t;
}

// The writer's layout: keys row by row, densities each followed by a blank,
// a blank line after each slice.
QByteArray recoller(const Texte &t)
{
    QByteArray o = QByteArray::number(t.milieux.size()) + '\n';
    for (const QByteArray &m : t.milieux)
        o += m + '\n';
    o += t.densitesMilieux + '\n' + t.geometrie;
    const int ligne = t.n[0], tranche = t.n[0] * t.n[1];
    for (int z = 0; z < t.n[2]; ++z) {
        for (int y = 0; y < t.n[1]; ++y)
            o += t.cles.mid(z * tranche + y * ligne, ligne) + '\n';
        o += '\n';
    }
    for (int z = 0; z < t.n[2]; ++z) {
        for (int y = 0; y < t.n[1]; ++y) {
            for (int x = 0; x < ligne; ++x)
                o += t.densites[z * tranche + y * ligne + x] + ' ';
            o += '\n';
        }
        o += '\n';
    }
    return o;
}

// One option's choice as the test reads it.
struct ChoixEssai
{
    QString region, milieu;
    QString densite; // empty: the catalogue's
    bool exterieur = false;
};

QStringList arguments(const QList<ChoixEssai> &choix)
{
    QStringList a;
    for (const ChoixEssai &c : choix)
        a << (c.exterieur ? "--outside" : "--structure")
          << c.region + '=' + c.milieu + (c.densite.isEmpty() ? QString() : ':' + c.densite);
    return a;
}

} // namespace

class TestStructures : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir racine;
    QString serie, catalogue, rampe;

    QString d(const QString &nom) const { return racine.filePath(nom); }

    QString ecrireJeu(const QString &nom, const StructuresEssai &jeu)
    {
        ecrireFichier(d(nom), octetsStructures(jeu));
        return d(nom);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(racine.isValid());
        serie = d("serie");
        QDir().mkpath(serie);
        SerieEssai s;
        s.hu = [s](int c, int r, int) { return cylindre(s.premier[0] + c * s.pas[0], s.premier[1] + r * s.pas[1]); };
        QVERIFY(ecrireSerie(serie, s));
        catalogue = d("cat.pegs4dat");
        rampe = d("rampe.txt");
        QVERIFY(ecrireFichier(catalogue, pegsEssai) && ecrireFichier(rampe, rampeEssai));
    }

    // --list-structures: one line per region, its CLOSED_PLANAR contours counted.
    void liste()
    {
        for (bool implicite : {false, true}) {
            StructuresEssai jeu = jeuEssai();
            jeu.implicite = implicite;
            const Resultat r = lancer({"--structures", ecrireJeu("liste.dcm", jeu), "--list-structures"});
            QCOMPARE(r.erreurs, QString());
            QCOMPARE(r.statut, 0);
            QString attendu;
            for (const RegionEssai &region : jeu.regions) {
                int fermes = 0;
                for (const ContourEssai &c : region.contours)
                    fermes += c.type == "CLOSED_PLANAR";
                attendu += QString("%1\t%2\t%3\t%4\n").arg(region.numero).arg(QString::fromStdString(region.nom),
                                                                               QString::fromStdString(region.type)).arg(fermes);
            }
            QCOMPARE(r.sortie, attendu);
        }
    }

    // The whole file: each voxel's key from the inside test above, its
    // density the one given or, for "ct" and voxels no region takes, the
    // same as in the phantom built without structures; the structures' media
    // after the ramp's, each once; the per-structure counts in the summary.
    void fantome_data()
    {
        QTest::addColumn<QList<ChoixEssai>>("choix");
        QTest::addColumn<QStringList>("cadre");
        QTest::addColumn<bool>("implicite");
        const QList<ChoixEssai> tous = {{"BODY", "AIR", "0.0012", true},
                                        {"ANNEAU", "TITANE", "", false},
                                        {"TABLE", "PLASTIQUE", "1.05", false},
                                        {"PROTHESE", "EAU", "ct", false}};
        const QStringList gros = {"--size", "0.4,0.5,0.8"};
        QTest::newRow("voxels du scanner") << tous << QStringList() << false;
        QTest::newRow("VR implicite") << tous << QStringList() << true;
        QTest::newRow("voxels plus gros") << tous << gros << false;
        // Voxels of two slices, whose centres lie on the slabs' boundaries.
        QTest::newRow("voxels de deux coupes")
            << tous << QStringList{"--crop", "-1.2,1.2,-1.25,1.25,9.8,11.4", "--size", "0.4,0.5,0.8"} << false;
        QTest::newRow("recouvrement, l'ordre inverse")
            << QList<ChoixEssai>{{"PROTHESE", "PLASTIQUE", "2.5", false}, {"ANNEAU", "TITANE", "ct", false}}
            << QStringList() << false;
        QTest::newRow("voxels plus gros, densités du scanner")
            << QList<ChoixEssai>{{"BODY", "AIR", "ct", true}, {"ANNEAU", "TITANE", "ct", false}} << gros << false;
        QTest::newRow("le corps seul, dehors")
            << QList<ChoixEssai>{{"BODY", "EAU", "", true}} << QStringList{"--size", "0.6,0.5,0.4"} << false;
    }
    void fantome()
    {
        QFETCH(QList<ChoixEssai>, choix);
        QFETCH(QStringList, cadre);
        QFETCH(bool, implicite);
        StructuresEssai jeu = jeuEssai();
        jeu.implicite = implicite;
        // Beside the slices, as exports put it: the series is read as without it.
        const QString rs = ecrireJeu("serie/rs.dcm", jeu);
        const QStringList base = QStringList{"--ct", serie, "--ramp", rampe, "--pegs", catalogue} + cadre;
        const Resultat sans = lancer(QStringList(base) << "-o" << d("sans.egsphant"));
        QCOMPARE(sans.statut, 0);
        const Resultat avec = lancer(QStringList(base) << "--structures" << rs << arguments(choix) << "-o" << d("avec.egsphant"));
        QCOMPARE(avec.statut, 0);
        const Texte reference = decouper(lire(d("sans.egsphant")));
        QCOMPARE(reference.milieux, (QList<QByteArray>{"AIR", "LUNG", "EAU", "OS"}));

        // The media: the ramp's, then each new one in the choices' order, the outside one first.
        Texte attendu = reference;
        std::stable_sort(choix.begin(), choix.end(), [](const ChoixEssai &a, const ChoixEssai &b) { return a.exterieur > b.exterieur; });
        const QMap<QString, double> densitesCatalogue = {{"AIR", 1.2048e-3}, {"EAU", 1.0}, {"TITANE", 4.54}};
        QList<QByteArray> densitesMilieux = reference.densitesMilieux.simplified().split(' ');
        QList<char> cles;
        QList<QByteArray> densites;
        for (const ChoixEssai &c : choix) {
            const double densite = c.densite.isEmpty() || c.densite == "ct" ? densitesCatalogue[c.milieu] : c.densite.toDouble();
            qsizetype m = attendu.milieux.indexOf(c.milieu.toLatin1());
            if (m < 0) {
                attendu.milieux << c.milieu.toLatin1();
                densitesMilieux << reel(densite);
                m = attendu.milieux.size() - 1;
            }
            cles << char('1' + m);
            densites << (c.densite == "ct" ? QByteArray() : reel(densite));
        }
        attendu.densitesMilieux = densitesMilieux.join(' ') + ' ';
        QMap<QString, qint64> comptes;
        const Texte obtenu = decouper(lire(d("avec.egsphant")));
        const int *n = reference.n;
        QCOMPARE(obtenu.n[0] * obtenu.n[1] * obtenu.n[2], n[0] * n[1] * n[2]);
        // Each axis's first boundary and voxel size, in mm, from the phantom without structures.
        double taille[3], origine[3];
        const QList<QByteArray> bornes = reference.geometrie.split('\n');
        for (int a = 0; a < 3; ++a) {
            const QList<QByteArray> b = bornes[a + 1].simplified().split(' ');
            origine[a] = b[0].toDouble() * 10;
            taille[a] = (b.last().toDouble() - b[0].toDouble()) * 10 / n[a];
        }
        for (int z = 0, i = 0; z < n[2]; ++z)
            for (int y = 0; y < n[1]; ++y)
                for (int x = 0; x < n[0]; ++x, ++i) {
                    const double centre[3] = {origine[0] + (x + 0.5) * taille[0], origine[1] + (y + 0.5) * taille[1],
                                              origine[2] + (z + 0.5) * taille[2]};
                    int dernier = -1;
                    for (int k = 0; k < choix.size(); ++k) {
                        const auto &region = *std::find_if(jeu.regions.begin(), jeu.regions.end(), [&](const RegionEssai &r) {
                            return QString::fromStdString(r.nom) == choix[k].region;
                        });
                        if (dedans(region, centre[0], centre[1], centre[2]) != choix[k].exterieur)
                            dernier = k;
                    }
                    if (dernier < 0)
                        continue;
                    attendu.cles[i] = cles[dernier];
                    if (!densites[dernier].isEmpty())
                        attendu.densites[i] = densites[dernier];
                    ++comptes[(choix[dernier].exterieur ? "hors de « " : "« ") + choix[dernier].region + "» "
                              + choix[dernier].milieu];
                }
        QCOMPARE(lire(d("avec.egsphant")), recoller(attendu));
        // Every choice takes some voxels here, except those the test makes empty.
        QVERIFY(!comptes.isEmpty());
        QStringList resume;
        for (const ChoixEssai &c : choix) {
            const QString cle = (c.exterieur ? "hors de « " : "« ") + c.region + "» " + c.milieu;
            resume << QString("%1 : %2 voxels").arg(QString(cle).replace("» ", " » ")).arg(comptes.value(cle));
        }
        QVERIFY2(avec.sortie.trimmed().endsWith("structures : " + resume.join(", ")), qPrintable(avec.sortie));
    }

    // Regions bring media beyond DOSXYZnrc's 20 and media no voxel keeps:
    // the file is written with all of them, and the usual notes say so.
    void limites()
    {
        QStringList args = {"--ct", serie, "--ramp", rampe, "--structures", ecrireJeu("limites.dcm", jeuEssai()),
                            "-o", d("limites.egsphant")};
        QStringList vides;
        for (int k = 1; k <= 17; ++k) {
            args << "--structure" << QString("ANNEAU=M%1:%2").arg(k, 2, 10, QChar('0')).arg(k);
            if (k < 17)
                vides << QString("M%1").arg(k, 2, 10, QChar('0'));
        }
        const Resultat r = lancer(args);
        QCOMPARE(r.statut, 0);
        QVERIFY(r.sortie.contains(" : 21 milieux, 12 × 10 × 5 voxels"));
        QVERIFY2(r.erreurs.contains("Attention : 21 milieux ; DOSXYZnrc n'en accepte que 20"), qPrintable(r.erreurs));
        QVERIFY2(r.erreurs.contains("sans aucun voxel dans le fichier : " + vides.join(", ")), qPrintable(r.erreurs));
        const Texte t = decouper(lire(d("limites.egsphant")));
        QCOMPARE(t.milieux.size(), 21);
        QCOMPARE(t.milieux.last(), QByteArray("M17"));
        // The 21st medium's key, on the ring's voxels.
        qint64 anneau = 0;
        for (int z = 0; z < 5; ++z)
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 12; ++x)
                    anneau += dedans(jeuEssai().regions[1], -11 + 2 * x, -11.25 + 2.5 * y, 100 + 4 * z);
        QVERIFY(anneau > 0);
        QCOMPARE(t.cles.count('L'), anneau);
    }

    // Bytes changed, lengths bumped and files cut at random, in both VR
    // encodings: each read ends, read or refused in one line.
    void mutations()
    {
        std::mt19937 hasard(30);
        int refuses = 0;
        for (bool implicite : {false, true}) {
            StructuresEssai jeu = jeuEssai();
            jeu.implicite = implicite;
            const QByteArray juste = octetsStructures(jeu);
            for (int essai = 0; essai < 400; ++essai) {
                QByteArray octets = juste;
                const int genre = essai % 4;
                for (int k = 0; k < 1 + essai % 5; ++k) {
                    const qsizetype ou = qsizetype(hasard() % quint32(octets.size()));
                    if (genre == 0)
                        octets[ou] = char(hasard());
                    else if (genre == 1)
                        octets[ou] = char(octets[ou] ^ (1 << (hasard() % 8)));
                    else if (genre == 2)
                        octets[ou] = char(0xFF);
                }
                if (genre == 3)
                    octets.truncate(qsizetype(hasard() % quint32(octets.size())));
                const QString chemin = d("mutation.dcm");
                QVERIFY(ecrireFichier(chemin, octets));
                JeuStructures lu;
                QString erreur;
                if (!lireStructures(chemin, lu, &erreur)) {
                    ++refuses;
                    QVERIFY2(erreur.startsWith("Structures « ") && !erreur.contains('\n'), qPrintable(erreur));
                }
            }
        }
        QVERIFY(refuses > 100);
    }

    // One French line, a failing status and no file, for wrong choices and
    // damaged or hostile files. "@" is the structure set's path.
    void refus_data()
    {
        QTest::addColumn<QStringList>("choix");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("message");
        const QByteArray juste = octetsStructures(jeuEssai());
        const QString uid = QString::fromStdString(SerieEssai().referentiel);
        QTest::newRow("région inconnue") << QStringList{"--structure", "FOIE=EAU:1"} << juste << 1
                                         << "--structure « FOIE=EAU:1 » : aucune région « FOIE » (régions : BODY, "
                                            "ANNEAU, TABLE, PROTHESE)";
        QTest::newRow("densité illisible")
            << QStringList{"--structure", "ANNEAU=EAU:lourd"} << juste << 1
            << "--structure « ANNEAU=EAU:lourd » : densité « lourd » : un nombre au-dessus de 0 (g/cm³) ou « ct » est "
               "attendu";
        QTest::newRow("milieu hors du catalogue") << QStringList{"--outside", "BODY=PLOMB"} << juste << 1
                                                  << "--outside « BODY=PLOMB » : aucun milieu « PLOMB » dans le catalogue";
        QTest::newRow("sans égal") << QStringList{"--structure", "ANNEAU"} << juste << 1
                                   << "--structure attend NOM=MILIEU[:DENSITE], pas « ANNEAU »";
        StructuresEssai ailleurs = jeuEssai();
        ailleurs.referentiel = "1.2.3.4";
        QTest::newRow("autre repère") << QStringList{"--structure", "ANNEAU=EAU"} << octetsStructures(ailleurs) << 1
                                      << "Structures « @ » : (3006,0010) FrameOfReferenceUID « 1.2.3.4 », la série est "
                                         "dans « " + uid + " »";
        QTest::newRow("pas DICOM") << QStringList() << QByteArray("bonjour") << 1
                                   << "Structures « @ » : pas un fichier DICOM (pas de « DICM » après les 128 octets du "
                                      "préambule)";
        StructuresEssai image = jeuEssai();
        image.classe = "1.2.840.10008.5.1.4.1.1.2";
        QTest::newRow("image CT") << QStringList() << octetsStructures(image) << 1
                                  << "Structures « @ » : (0008,0016) SOPClassUID « 1.2.840.10008.5.1.4.1.1.2 » : pas "
                                     "un RT Structure Set (1.2.840.10008.5.1.4.1.1.481.3)";
        // A ContourData claiming 2 GB in a file of a few kilobytes.
        StructuresEssai implicite = jeuEssai();
        implicite.implicite = true;
        QByteArray demesure = octetsStructures(implicite);
        demesure.replace(demesure.indexOf(QByteArray("\x06\x30\x50\x00", 4)) + 4, 4, QByteArray("\xf0\xff\xff\x7f", 4));
        QTest::newRow("longueur démesurée")
            << QStringList() << demesure << 1
            << "Structures « @ » : élément (3006,0050) de 2147483632 octets : le fichier, ou la séquence qui le tient, "
               "s'arrête avant";
        // The slices' walk's checks serve here too, in their words.
        QByteArray vr = juste;
        vr.replace(QByteArray("\x06\x30\x26\x00LO", 6), QByteArray("\x06\x30\x26\x00lo", 6));
        QTest::newRow("VR illisible") << QStringList() << vr << 1
                                      << "Structures « @ » : élément (3006,0026) : type (VR) illisible";
        QTest::newRow("fichier coupé") << QStringList() << juste.left(juste.size() - 30) << 1
                                       << QString("Structures « @ » : fichier coupé : il s'arrête après %1 octets")
                                              .arg(juste.size() - 30);
        QTest::newRow("en-tête coupé") << QStringList() << juste.left(150) << 1
                                       << "Structures « @ » : fichier coupé : il s'arrête après 150 octets";
        StructuresEssai nan = jeuEssai();
        nan.regions[1].contours[0].points[4] = NAN;
        QTest::newRow("point illisible") << QStringList() << octetsStructures(nan) << 1
                                         << "Structures « @ » : région « ANNEAU », contour 1 : (3006,0050) ContourData "
                                            "illisible";
        StructuresEssai penche = jeuEssai();
        penche.regions[1].contours[0].points[5] = 105;
        QTest::newRow("contour non axial")
            << QStringList{"--structure", "ANNEAU=EAU:1"} << octetsStructures(penche) << 1
            << "--structure « ANNEAU=EAU:1 » : région « ANNEAU » : son contour 1 n'est pas sur un plan axial (z de 104 "
               "et de 105 mm)";
        StructuresEssai loin = jeuEssai();
        loin.regions[2].contours[1].points[0] = -2e7;
        QTest::newRow("coordonnée démesurée")
            << QStringList() << octetsStructures(loin) << 1
            << "Structures « @ » : région « TABLE », contour 2 : (3006,0050) ContourData : coordonnée -2e+07 mm hors de "
               "±1e7 mm";
        // Sequences within sequences, deeper than any structure set.
        EcritureDicom profond(false);
        const std::function<void(int)> imbriquer = [&](int n) {
            if (n > 0)
                profond.sequence(0x3006, 0x0020, 1, [&](size_t) { imbriquer(n - 1); });
        };
        imbriquer(100);
        QTest::newRow("imbrication") << QStringList() << juste.left(juste.indexOf(QByteArray("\x06\x30\x10\x00", 4))) + profond.octets
                                     << 1 << "Structures « @ » : séquences imbriquées trop profondément";
        QTest::newRow("--structure sans --structures") << QStringList{"--structures"} << juste << 2
                                                       << "--structure et --outside nomment des régions d'un RT "
                                                          "Structure Set : donner --structures FICHIER (voir "
                                                          "quarvel-phantom --help)";
    }
    void refus()
    {
        QFETCH(QStringList, choix);
        QFETCH(QByteArray, octets);
        QFETCH(int, statut);
        QFETCH(QString, message);
        const QString rs = d("refus.dcm");
        QVERIFY(ecrireFichier(rs, octets));
        QStringList args = {"--ct", serie, "--ramp", rampe, "--pegs", catalogue, "-o", d("refus.egsphant")};
        if (choix == QStringList{"--structures"})
            args << "--structure" << "ANNEAU=EAU";
        else
            args << "--structures" << rs << choix;
        const Resultat r = lancer(args);
        QCOMPARE(r.erreurs, QString(message).replace("@", rs) + '\n');
        QCOMPARE(r.statut, statut);
        QCOMPARE(r.sortie, QString());
        QVERIFY(!QFile::exists(d("refus.egsphant")));
        // --list-structures reads the file alike.
        if (choix.isEmpty())
            QCOMPARE(lancer({"--structures", rs, "--list-structures"}).erreurs, r.erreurs);
    }

    // The window's table file: read onto the set's rows, it gives the
    // options the batch command reads, and is written back byte for byte;
    // a faulty line refused with its number, the rows left as they were.
    void tableChoix_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<QString>("attendu"); // the options, or the refusal
        QTest::newRow("extérieur et densités")
            << QByteArray("# choix\ninterieur TITANE ct PROTHESE\n\nexterieur AIR - BODY\ninterieur EAU 1.05 ANNEAU\n")
            << "--outside BODY=AIR | --structure ANNEAU=EAU:1.05 | --structure PROTHESE=TITANE:ct";
        QTest::newRow("aucune") << QByteArray("# rien de pris\n") << "";
        QTest::newRow("région inconnue") << QByteArray("interieur EAU - FOIE\n") << "ligne 1 : aucune région « FOIE »";
        QTest::newRow("deux extérieurs")
            << QByteArray("exterieur AIR - BODY\nexterieur AIR - TABLE\n") << "ligne 2 : un seul extérieur, déjà « BODY »";
        QTest::newRow("région deux fois")
            << QByteArray("interieur EAU - TABLE\ninterieur AIR 1 TABLE\n") << "ligne 2 : région « TABLE » déjà nommée";
        QTest::newRow("densité") << QByteArray("interieur EAU 1,5 TABLE\n")
                                 << "ligne 1 : densité « 1,5 » : un nombre avec un point, « ct » ou « - »";
        QTest::newRow("mot inconnu") << QByteArray("dedans EAU 1 TABLE\n")
                                     << "ligne 1 : une ligne s'écrit interieur|exterieur MILIEU DENSITE NOM (DENSITE : "
                                        "un nombre, « ct » ou « - »)";
    }
    void tableChoix()
    {
        QFETCH(QByteArray, texte);
        QFETCH(QString, attendu);
        JeuStructures jeu;
        QString erreur;
        QVERIFY2(lireStructures(ecrireJeu("table.dcm", jeuEssai()), jeu, &erreur), qPrintable(erreur));
        TableStructures table{QList<LigneStructure>(jeu.regions.size()), 2};
        const TableStructures avant = table;
        if (!lireTableStructures(texte, jeu, table, &erreur)) {
            QCOMPARE(erreur, attendu);
            QCOMPARE(table.exterieur, avant.exterieur);
            return;
        }
        const DemandeStructures demande = demandeDuTableau("rs.dcm", jeu, table);
        QStringList options;
        if (demande.exterieur)
            options << "--outside " + *demande.exterieur;
        for (const QString &c : demande.interieurs)
            options << "--structure " + c;
        QCOMPARE(options.join(" | "), attendu);
        // Written, read again, written: the same choices, the same bytes.
        TableStructures relue;
        QVERIFY(lireTableStructures(texteTableStructures(jeu, table), jeu, relue, &erreur));
        QCOMPARE(texteTableStructures(jeu, relue), texteTableStructures(jeu, table));
        QList<ChoixStructure> choix;
        QCOMPARE(lireChoixStructures(demande, jeu, {{"AIR", 0.0012}, {"EAU", 1.0}, {"TITANE", 4.54}}, choix), QString());
        QCOMPARE(choix.size(), options.size());
    }
};

QTEST_GUILESS_MAIN(TestStructures)
#include "tst_structures.moc"
