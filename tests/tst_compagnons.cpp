// The files written beside a phantom: the DOSXYZnrc input against EGSnrc's
// own example, the egs++ ramp applied as egs++ applies it, the notes.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>

#include "companions/egspp.h"
#include "companions/fantomeecrit.h"
#include "companions/rampe.h"
#include "egsphant/reel.h"
#include "window/compagnons.h"
#include "window/interface.h"
#include "widgets.h"
#include "outils.h"

namespace {

const QString exemple = QUARVEL_SHARED_DATA "/../examples/dosxyznrc-ct-phantom.egsinp";

// A medium of a test phantom: its density there and in the PEGS4 file.
struct Milieu_
{
    QString nom;
    double densite;
    double densitePegs;
};

// One line of a ramp as egs++ reads it: words, the numbers as doubles.
struct LigneRampe
{
    QString milieu;
    double min, max, defaut;
};

QList<LigneRampe> lireRampe(const QByteArray &texte)
{
    QList<LigneRampe> lignes;
    for (const QByteArray &ligne : texte.split('\n')) {
        const QList<QByteArray> mots = ligne.simplified().split(' ');
        if (mots.size() == 4)
            lignes << LigneRampe{mots[0], mots[1].toDouble(), mots[2].toDouble(), mots[3].toDouble()};
    }
    return lignes;
}

// The medium egs++ gives a voxel of this density: the first line whose [min, max) holds it.
QString milieuDe(const QList<LigneRampe> &rampe, float densite)
{
    for (const LigneRampe &ligne : rampe)
        if (ligne.min <= double(densite) && double(densite) < ligne.max)
            return ligne.milieu;
    return "AUCUN";
}

// Every voxel of an egsphant text (names without blanks, fewer than ten
// media): its medium's name from the map and its density as a float.
QList<QPair<QString, float>> voxels(const QByteArray &fantome)
{
    const QList<QByteArray> mots = fantome.simplified().split(' ');
    qsizetype k = 0;
    const int n = mots[k++].toInt();
    const QList<QByteArray> noms = mots.mid(k, n);
    k += 2 * n;
    const int dim[3] = {mots[k].toInt(), mots[k + 1].toInt(), mots[k + 2].toInt()};
    k += 3 + dim[0] + dim[1] + dim[2] + 3;
    const qsizetype rangees = qsizetype(dim[1]) * dim[2];
    QList<QPair<QString, float>> resultat;
    for (qsizetype r = 0; r < rangees; ++r)
        for (int x = 0; x < dim[0]; ++x) {
            const QByteArray &densite = mots[k + rangees + r * dim[0] + x];
            float f = NAN;
            std::from_chars(densite.constData(), densite.constData() + densite.size(), f);
            resultat << qMakePair(QString(noms[mots[k + r][x] - '1']), f);
        }
    return resultat;
}

// The PEGS4 text of the media with a PEGS4 density (not 0).
QByteArray pegs(const QList<Milieu_> &milieux)
{
    QByteArray texte;
    for (const Milieu_ &m : milieux)
        if (m.densitePegs > 0)
            texte += " MEDIUM=" + m.nom.toLatin1() + "   ,STERNCID=X\n COMP,RHO= " + QByteArray::number(m.densitePegs, 'E', 8)
                 + ",NE= 2\n";
    return texte;
}

} // namespace

class TestCompagnons : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dossier;
    QString d(const QString &nom) const { return dossier.filePath(nom); }

    // A phantom of one voxel row per medium, level 250 - k for medium k,
    // through quarvel-phantom with these arguments: base.bmp, its catalogue
    // base.pegs4dat (when a medium has a PEGS4 density) and base.egsphant.
    static Resultat fantome(const QString &base, const QList<Milieu_> &milieux, QStringList arguments)
    {
        QImage im(int(milieux.size()), 1, QImage::Format_RGB32);
        arguments << "--xy" << base + ".bmp" << "--counts" << QString("%1,1,1").arg(milieux.size());
        for (int k = 0; k < milieux.size(); ++k) {
            im.setPixel(k, 0, qRgb(250 - k, 250 - k, 250 - k));
            arguments << "--medium" << QString("%1=%2:%3").arg(250 - k).arg(milieux[k].nom).arg(milieux[k].densite, 0, 'g', 17);
        }
        if (!pegs(milieux).isEmpty())
            arguments << "--pegs" << base + ".pegs4dat";
        if (!arguments.contains("-o"))
            arguments << "-o" << base + ".egsphant";
        if (!im.save(base + ".bmp", "BMP") || !ecrireFichier(base + ".pegs4dat", pegs(milieux)))
            return {-1, "", "fichiers d'essai non écrits"};
        return lancer(arguments);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        QImage blanc(1, 1, QImage::Format_RGB32);
        blanc.fill(Qt::white);
        QVERIFY(blanc.save(d("xy.bmp"), "BMP"));
    }

    // Record by record and field by field, the input is EGSnrc's example
    // but for the fields the choices change: "L=text" for the whole line L,
    // "L.F=text" for its field F (fields split at commas).
    void entreeDosxyz_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("électrons : l'exemple même")
            << QStringList{"-o", "tete.egsphant", "--size", "1,1,1", "--origin", "-4,-4,0", "--counts", "8,8,4",
                           "--egsinp", "tete", "--title", "Phantom tete.egsphant: 6 MeV electrons, parallel beam along +z",
                           "--particle", "electron", "--energy", "6", "--histories", "100000"}
            << "tete.egsinp" << QStringList{};
        QTest::newRow("photons par défaut, fantôme dans un autre dossier")
            << QStringList{"-o", "sous/corps.egsphant", "--size", "0.5,0.25,2", "--origin", "-15,-10,1.5",
                           "--counts", "60,80,3", "--egsinp", "corps.egsinp"}
            << "corps.egsinp"
            << QStringList{"1=sous/corps.egsphant : photons de 1.25 MeV, faisceau parallèle selon +z",
                           "3=sous/corps.egsphant", "6.1=0", "6.3=-15", "6.4=15", "6.5=-10", "6.6=10", "8=1.25",
                           "9.1=1000000"};
        QTest::newRow("positrons, histoires et graines")
            << QStringList{"-o", "p.egsphant", "--size", "0.1,0.1,0.1", "--origin", "0,-0.3,0", "--counts", "3,6,1",
                           "--egsinp", "sous/p.egsinp", "--title", " Essai ", "--particle", "positron", "--energy",
                           "0,5", "--histories", "2147483647", "--seeds", "31328,30081"}
            << "sous/p.egsinp"
            << QStringList{"1=Essai", "3=../p.egsphant", "6.1=1", "6.3=0", "6.4=0.3", "6.5=-0.3", "6.6=0.3", "8=0.5",
                           "9.1=2147483647", "9.4=31328", "9.5=30081"};
    }
    void entreeDosxyz()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, entree);
        QFETCH(QStringList, changes);
        const QByteArray modele = lire(exemple);
        if (modele == "ABSENT")
            QSKIP("../shared/examples absent : l'exemple d'EGSnrc manque");
        QVERIFY(QDir(dossier.path()).mkpath("sous"));
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier.path()));
        const Resultat r = lancer(QStringList{"--xy", d("xy.bmp"), "--medium", "255=EAU:1"} + arguments);
        QDir::setCurrent(ancien);
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.statut, 0);
        QVERIFY2(r.sortie.endsWith(QString("Entrée DOSXYZnrc écrite dans « %1 »\n").arg(d(entree))), qPrintable(r.sortie));

        QList<QStringList> attendus;
        for (const QByteArray &ligne : modele.split('\n'))
            attendus << QString(ligne).split(',');
        for (const QString &change : changes) {
            const QString cle = change.section('=', 0, 0), valeur = change.section('=', 1);
            const int ligne = cle.section('.', 0, 0).toInt() - 1;
            if (cle.contains('.'))
                attendus[ligne][cle.section('.', 1).toInt() - 1] = valeur;
            else
                attendus[ligne] = valeur.split(',');
        }
        const QList<QByteArray> lues = lire(d(entree)).split('\n');
        QCOMPARE(lues.size(), attendus.size());
        for (int i = 0; i < lues.size(); ++i) {
            const QStringList lus = QString::fromUtf8(lues[i]).split(',');
            QVERIFY2(lus.size() == attendus[i].size(), qPrintable(QString("ligne %1 : « %2 »").arg(i + 1).arg(lues[i])));
            for (int c = 0; c < lus.size(); ++c)
                QVERIFY2(lus[c].trimmed() == attendus[i][c].trimmed(),
                         qPrintable(QString("ligne %1, champ %2 : « %3 », attendu « %4 »").arg(i + 1).arg(c + 1).arg(lus[c], attendus[i][c])));
        }
    }

    // egs++ applies the written ramp to the phantom's densities and must find
    // the phantom's media, each line's rho_default being the PEGS4 density.
    void rampe_data()
    {
        QTest::addColumn<QList<Milieu_>>("milieux");
        QTest::addColumn<int>("lignes");
        const Milieu_ air{"AIR", 0.0012048, 0.0012048}, eau{"H2O", 1.0, 1.0}, os{"OS", 1.85, 1.85};
        QTest::newRow("aucune densité partagée") << QList<Milieu_>{air, eau, os} << 3;
        QTest::newRow("entrelacées : eau 1.0, os 1.85, eau 1.05") << QList<Milieu_>{eau, os, {"H2O", 1.05, 1.0}} << 2;
        // 1.3 is read 1.29999995: an edge at 1.3 would give it to the water.
        QTest::newRow("voisines à six chiffres")
            << QList<Milieu_>{{"H2O", 1.29999, 1.0}, {"OS", 1.3, 1.85}, {"H2O", 1.30001, 1.0}} << 3;
    }
    void rampe()
    {
        QFETCH(QList<Milieu_>, milieux);
        QFETCH(int, lignes);
        const Resultat r = fantome(d("rampe"), milieux, {"--egspp", d("rampe")});
        QCOMPARE(r.statut, 0);
        QVERIFY2(r.sortie.endsWith(QString("sa rampe dans « %1 » (%2 lignes)\n").arg(d("rampe.ramp")).arg(lignes)),
                 qPrintable(r.sortie));
        const QList<LigneRampe> rampe = lireRampe(lire(d("rampe.ramp")));
        QCOMPARE(rampe.size(), lignes);
        for (const LigneRampe &ligne : rampe)
            for (const Milieu_ &m : milieux)
                if (m.nom == ligne.milieu)
                    QCOMPARE(ligne.defaut, m.densitePegs);
        const auto lus = voxels(lire(d("rampe.egsphant")));
        QCOMPARE(lus.size(), milieux.size());
        for (const auto &[nom, densite] : lus)
            QCOMPARE(milieuDe(rampe, densite), nom);
        QCOMPARE(lire(d("rampe.geom")), ":start geometry definition:\n"
                                        "    :start geometry:\n"
                                        "        name          = fantome\n"
                                        "        library       = egs_ndgeometry\n"
                                        "        type          = EGS_XYZGeometry\n"
                                        "        egsphant file = " + QFile::encodeName(d("rampe.egsphant")) + "\n"
                                        "        ct ramp       = " + QFile::encodeName(d("rampe.ramp")) + "\n"
                                        "    :stop geometry:\n\n"
                                        "    simulation geometry = fantome\n"
                                        ":stop geometry definition:\n");
    }

    // A CT-like phantom: thousands of distinct densities, shuffled and
    // repeated, in four bands; two of them a float apart across a band's edge.
    void rampeScanner()
    {
        const QList<MilieuRampe> milieux = {{"AIR", 0.0012}, {"POUMON", 0.26}, {"TISSU", 1.06}, {"OS", 1.92}};
        const float bords[] = {0.2f, 0.95f, 1.15f};
        std::vector<DensiteMilieu> densites;
        for (int i = 0; i < 6000; ++i) {
            const float densite = densiteLue(0.0005 + (i % 3000) * 0.001);
            densites.push_back({densite, int(std::upper_bound(std::begin(bords), std::end(bords), densite) - bords)});
        }
        densites.push_back({std::nextafter(0.2f, 0.0f), 0});
        densites.push_back({0.2f, 1});
        std::shuffle(densites.begin(), densites.end(), std::mt19937(7));
        QByteArray texte;
        QString refus;
        QVERIFY2(texteRampe(milieux, densites, texte, &refus), qPrintable(refus));
        const QList<LigneRampe> rampe = lireRampe(texte);
        QCOMPARE(rampe.size(), milieux.size());
        for (const DensiteMilieu &d : densites)
            QCOMPARE(milieuDe(rampe, d.densite), milieux[d.milieu].nom);
    }

    // Voxels that carry their own densities, as a CT's do: its numbers
    // indexing a table, or the six-digit codes of averaged voxels. egs++
    // applying the ramp written beside the phantom finds every voxel's
    // medium, in four lines for three thousand densities.
    void rampeDensitesPropres_data()
    {
        QTest::addColumn<bool>("moyennes");
        QTest::newRow("nombres du scanner") << false;
        QTest::newRow("moyennes") << true;
    }
    void rampeDensitesPropres()
    {
        QFETCH(bool, moyennes);
        // The default ramp's media: up to HU, from density, to density.
        const struct { double max, min, sup; } bandes[] = {{-950, 0.001, 0.044}, {-700, 0.044, 0.302},
                                                            {125, 0.302, 1.101}, {2000, 1.101, 2.088}};
        const auto densite = [&](double hu, quint8 &milieu) {
            double bas = -1024;
            for (milieu = 0; milieu < 3 && hu > bandes[milieu].max; ++milieu)
                bas = bandes[milieu].max;
            const auto &b = bandes[milieu];
            return b.min + (b.sup - b.min) * std::clamp((hu - bas) / (b.max - bas), 0.0, 1.0);
        };
        const QList<Materiau> materiaux = {Materiau(0, "AIR", 0.001), Materiau(1, "POUMON", 0.044),
                                           Materiau(2, "TISSU", 0.302), Materiau(3, "OS", 1.101)};
        const QList<Milieu> catalogue = {{"AIR", 0.0012048}, {"POUMON", 0.26}, {"TISSU", 1.06}, {"OS", 1.92}};
        Grille grille;
        grille.dimX = 100;
        grille.dimY = 30;
        grille.dimZ = 1;
        grille.densites.premier = -1000;
        quint8 milieu = 0;
        for (int hu = -1000; hu < 2000; ++hu)
            grille.densites.table.push_back(densite(hu, milieu));
        for (int v = 0; v < 3000; ++v) {
            const double hu = -1000 + v + (moyennes ? 0.37 : 0.0);
            const double rho = densite(hu, milieu);
            grille.voxels.push_back(milieu);
            if (moyennes)
                grille.densites.codes.push_back(codeReel(rho));
            else
                grille.densites.nombres.push_back(qint16(hu));
        }
        if (moyennes)
            grille.densites.table.clear();
        QString erreur;
        QVERIFY2(enregistrerEgsphant(d("propres.egsphant"), materiaux, grille, Geometrie(), &erreur), qPrintable(erreur));
        int lignes = 0;
        const FantomeEcrit fantome = decrireFantome(d("propres.egsphant"), materiaux, grille, Geometrie(), catalogue);
        QVERIFY2(ecrireGeometrieEgspp(d("propres"), fantome, &erreur, &lignes), qPrintable(erreur));
        const QList<LigneRampe> rampe = lireRampe(lire(d("propres.ramp")));
        QCOMPARE(rampe.size(), catalogue.size());
        const auto lus = voxels(lire(d("propres.egsphant")));
        QCOMPARE(lus.size(), 3000);
        for (const auto &[nom, densiteLue] : lus)
            QCOMPARE(milieuDe(rampe, densiteLue), nom);
    }

    // What quarvel-phantom says and leaves: the notes of a written phantom,
    // the refusals before the build (no file), and a companion that fails
    // once the phantom is written (the phantom stays).
    void reponses_data()
    {
        QTest::addColumn<QList<Milieu_>>("milieux"); // a PEGS4 density of 0: not in the catalogue
        QTest::addColumn<QStringList>("arguments");  // "@" stands for the row's folder
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("erreurs");
        QTest::addColumn<QStringList>("ecrits");
        const Milieu_ eau{"H2O", 1.0, 1.0}, plomb{"PLOMB", 11.35, 0};
        const QStringList fantome = {"x.egsphant"};
        QTest::newRow("nom absent du catalogue")
            << QList<Milieu_>{eau, plomb} << QStringList{} << 0
            << "Attention : le milieu « PLOMB » n'est pas dans le fichier PEGS4 chargé ; DOSXYZnrc s'arrêtera sur ce "
               "nom sans calculer de dose (HATCH : NAMES WERE NOT RECOGNIZED) (choisir un milieu du fichier, ou l'y ajouter)\n"
            << fantome;
        QTest::newRow("fantôme compressé")
            << QList<Milieu_>{eau} << QStringList{"-o", "@x.egsphant.gz"} << 0
            << "Attention : fichier compressé ; DOSXYZnrc ne lit que les fichiers non compressés, et egs++ ne lit un .gz "
               "que s'il a été compilé avec gzip, ce qu'une installation standard n'a pas (le décompresser avec gunzip)\n"
            << QStringList{"x.egsphant.gz"};
        QTest::newRow("--egsinp d'un fantôme .gz")
            << QList<Milieu_>{eau} << QStringList{"-o", "@x.egsphant.gz", "--egsinp", "@x"} << 1
            << "Entrée DOSXYZnrc : le fantôme « x.egsphant.gz » est compressé : DOSXYZnrc ne lit que le texte non "
               "compressé (écrire le fantôme sans .gz, ou le décompresser avec gunzip)\n"
            << QStringList{};
        QTest::newRow("--energy sans --egsinp") << QList<Milieu_>{eau} << QStringList{"--energy", "6"} << 2
                                                << "--energy ne s'emploie qu'avec --egsinp FICHIER (voir quarvel-phantom --help)\n"
                                                << QStringList{};
        QTest::newRow("graine hors de portée")
            << QList<Milieu_>{eau} << QStringList{"--egsinp", "@x", "--seeds", "33,30082"} << 1
            << "Entrée DOSXYZnrc : graine « 30082 » : un entier de 1 à 30081 est attendu\n" << QStringList{};
        QTest::newRow("--egspp sans catalogue")
            << QList<Milieu_>{plomb} << QStringList{"--egspp", "@x"} << 1
            << "Géométrie egs++ : aucun fichier PEGS4 chargé : la rampe d'egs++ prend la densité de chaque milieu "
               "dans ce fichier\n"
            << QStringList{};
        QTest::newRow("--egspp, milieu absent du catalogue")
            << QList<Milieu_>{eau, plomb} << QStringList{"--egspp", "@x"} << 1
            << "Géométrie egs++ : le milieu « PLOMB » n'est pas dans le fichier PEGS4 chargé : la rampe d'egs++ "
               "demande sa densité PEGS4 (rho_default)\n"
            << QStringList{};
        QTest::newRow("deux milieux de même densité, après le fantôme")
            << QList<Milieu_>{{"H2O", 1.05, 1.0}, {"OS", 1.05, 1.85}} << QStringList{"--egspp", "@x"} << 1
            << "Géométrie egs++ « @x.geom » non écrite : les milieux « H2O » et « OS » ont la même densité 1.05 g/cm³ : "
               "egs++ donne un milieu par densité, aucune rampe ne les sépare (décaler l'un d'eux de 0.001 g/cm³) ; "
               "le fantôme « @x.egsphant » reste écrit\n"
            << fantome;
    }
    void reponses()
    {
        QFETCH(QList<Milieu_>, milieux);
        QFETCH(QStringList, arguments);
        QFETCH(int, statut);
        QFETCH(QString, erreurs);
        QFETCH(QStringList, ecrits);
        QTemporaryDir ici;
        const Resultat r = fantome(ici.filePath("x"), milieux, arguments.replaceInStrings("@", ici.path() + "/"));
        QCOMPARE(r.statut, statut);
        QVERIFY2(r.erreurs.startsWith(erreurs.replace("@", ici.path() + "/")), qPrintable(r.erreurs));
        QCOMPARE(r.erreurs.count('\n'), erreurs.count('\n') + (erreurs.endsWith('\n') ? 0 : 1));
        QCOMPARE(QDir(ici.path()).entryList({"x.*"}, QDir::Files, QDir::Name), QStringList({"x.bmp"}) + ecrits + QStringList{"x.pegs4dat"});
    }

    // The window's buttons write, for the phantom written last, the same
    // bytes as the batch command, or refuse in the status line.
    void fenetre_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("ecrit"); // the phantom written before, if any
        QTest::addColumn<QStringList>("formulaire");
        QTest::addColumn<QStringList>("arguments"); // the batch command's, or the refusal
        QTest::addColumn<QStringList>("fichiers");
        QTest::newRow("Entrée DOSXYZnrc…")
            << "Entrée DOSXYZnrc…" << "fenetre.egsphant" << QStringList{"", "electron", "6", "5000", "1, 2"}
            << QStringList{"--egsinp", "compagnon", "--particle", "electron", "--energy", "6", "--histories", "5000",
                           "--seeds", "1, 2"}
            << QStringList{"compagnon.egsinp"};
        QTest::newRow("Géométrie egs++…") << "Géométrie egs++…" << "fenetre.egsphant" << QStringList{}
                                          << QStringList{"--egspp", "compagnon"}
                                          << QStringList{"compagnon.geom", "compagnon.ramp"};
        QTest::newRow("aucun fantôme") << "Géométrie egs++…" << "" << QStringList{}
                                       << QStringList{"Géométrie egs++ : aucun fantôme écrit : le construire d'abord avec « Egsphant »"}
                                       << QStringList{"compagnon.geom", "compagnon.ramp"};
        QTest::newRow("énergie refusée") << "Entrée DOSXYZnrc…" << "fenetre.egsphant" << QStringList{"", "photon", "abc", "1", "1,1"}
                                         << QStringList{"Entrée DOSXYZnrc : énergie « abc » : un nombre de MeV supérieur à 0 est attendu"}
                                         << QStringList{"compagnon.egsinp"};
    }
    void fenetre()
    {
        QFETCH(QString, texte);
        QFETCH(QString, ecrit);
        QFETCH(QStringList, formulaire);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, fichiers);
        const QList<Milieu_> milieux = {{"AIR", 0.0012048, 0.0012048}, {"H2O", 1.0, 1.0}, {"OS", 1.85, 1.85}};
        QCOMPARE(fantome(d("fenetre"), milieux, {}).statut, 0);
        for (const QString &fichier : fichiers)
            QFile::remove(d(fichier));
        // The catalogue and picture of fantome(), each level at its catalogue medium.
        Interface f;
        f.choisirFichier = [this](QWidget *, const QString &, const QString &, const QString &filtre) {
            return d(filtre.contains("pegs4dat") ? "fenetre.pegs4dat" : "fenetre.bmp");
        };
        f.choisirFichierEnregistrement = [this](QWidget *, const QString &, const QString &, const QString &) {
            return d("compagnon");
        };
        f.selectMat();
        f.selectXY();
        for (int k = 0; k < lignesTable(f).size(); ++k) {
            lignesTable(f).at(k).comboNom->setCurrentIndex(k);
            emit lignesTable(f).at(k).comboNom->activated(k);
        }
        champNomme(f, "champDimZ")->setText("1");
        champNomme(f, "fichierEgsphant")->setText(d(ecrit));
        if (!ecrit.isEmpty())
            f.evalue();
        QTimer repondre; // gone with the row, answered or not
        repondre.setSingleShot(true);
        connect(&repondre, &QTimer::timeout, [formulaire] {
            if (auto *form = qobject_cast<FormulaireDosxyz *>(QApplication::activeModalWidget())) {
                form->titre->setText(formulaire.value(0));
                form->particule->setCurrentIndex(form->particule->findData(formulaire.value(1)));
                form->energie->setText(formulaire.value(2));
                form->histoires->setText(formulaire.value(3));
                form->graines->setText(formulaire.value(4));
                form->accept();
            }
        });
        repondre.start(0);
        for (QPushButton *b : f.findChildren<QPushButton *>())
            if (b->text() == texte)
                b->click();
        if (arguments.size() == 1) {
            QCOMPARE(etatDe(f)->text(), arguments[0]);
            for (const QString &fichier : fichiers)
                QVERIFY(!QFileInfo::exists(d(fichier)));
            return;
        }
        QList<QByteArray> octets;
        for (const QString &fichier : fichiers) {
            octets << lire(d(fichier));
            QVERIFY(QFile::remove(d(fichier)));
        }
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier.path()));
        const Resultat r = lancer(QStringList{"--pegs", "fenetre.pegs4dat", "--xy", "fenetre.bmp", "--counts", "3,1,1",
                                              "--medium", "250=AIR", "--medium", "249=H2O", "--medium", "248=OS",
                                              "-o", "fenetre.egsphant"} + arguments);
        QDir::setCurrent(ancien);
        QCOMPARE(r.statut, 0);
        QCOMPARE(r.sortie.section('\n', -2, -2), etatDe(f)->text());
        for (int k = 0; k < fichiers.size(); ++k)
            QCOMPARE(octets[k], lire(d(fichiers[k])));
    }
};

QTEST_MAIN(TestCompagnons)
#include "tst_compagnons.moc"
