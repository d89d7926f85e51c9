#include "window/configuration.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "egsphant/reel.h"
#include "session/saisie.h"
#include "session/session.h"
#include "window/champnombre.h"
#include "window/groupeplan.h"

namespace {

// A path field shows the end of its path, the file's name; the whole path is its tooltip.
void suivreChemin(QLineEdit *champ)
{
    champ->setToolTip(champ->text());
    QObject::connect(champ, &QLineEdit::textChanged, champ, [champ](const QString &texte) {
        champ->setToolTip(texte);
        if (!champ->hasFocus())
            champ->setCursorPosition(int(texte.size()));
    });
}

// A number field wide enough for its whole value ("-15.000", "1024", a CT's
// "0.0976562") and no wider: a cut number reads as another one.
void champNombre(QLineEdit *champ)
{
    const QFontMetrics mesure(champ->font());
    champ->setMinimumWidth(mesure.horizontalAdvance("0.0000000") + 12);
    champ->setMaximumWidth(mesure.horizontalAdvance("-00000.000") + 16);
    suivreSaisieNombre(champ);
}

// A size or an origin as the fields start: a whole number as "1.0", "-15.0".
QString texteReel(double valeur)
{
    const QString texte = texteExact(valeur);
    const bool entier = std::all_of(texte.begin(), texte.end(), [](QChar c) { return c.isDigit() || c == '-'; });
    return entier ? texte + ".0" : texte;
}

} // namespace

PanneauConfiguration::PanneauConfiguration(GroupePlan *planXY, GroupePlan *planXZ, GroupePlan *planYZ,
                                           QWidget *boutonStructures, QWidget *parent)
    : QGroupBox(tr("Configuration"), parent)
{
    auto *grille = new QGridLayout;
    placerFichiers(grille, planXY, planXZ, planYZ);
    placerNombres(grille);
    placerCompagnons(grille);
    placerVolume(grille);
    placerScanner(grille, boutonStructures);
    setLayout(grille);
}

QList<QLineEdit *> PanneauConfiguration::champsNombres() const
{
    return {tailles[0], tailles[1], tailles[2], origines[0], origines[1], origines[2],
            comptes[0], comptes[1], comptes[2], boiteMax[0], boiteMax[1], boiteMax[2]};
}

// Rows 0 to 4: each path field and, at its end, the button that fills or uses it; "Voir" under "Egsphant".
void PanneauConfiguration::placerFichiers(QGridLayout *grille, GroupePlan *planXY, GroupePlan *planXZ,
                                          GroupePlan *planYZ)
{
    pegs = new QLineEdit(tr("Fichier pegs4dat"));
    egsphant = new QLineEdit("test.egsphant");
    pegs->setObjectName("fichierPegs");
    egsphant->setObjectName("fichierEgsphant");
    auto *boutonPegs = new QPushButton("Pegs4dat");
    auto *boutonEgsphant = new QPushButton("Egsphant");
    const QList<QPair<QLineEdit *, QPushButton *>> lignes{{pegs, boutonPegs},
                                                          {planXY->fichier(), planXY->bouton()},
                                                          {planXZ->fichier(), planXZ->bouton()},
                                                          {planYZ->fichier(), planYZ->bouton()},
                                                          {egsphant, boutonEgsphant}};
    for (int r = 0; r < lignes.size(); ++r) {
        suivreChemin(lignes[r].first);
        grille->addWidget(lignes[r].first, r, 0, 1, 3);
        grille->addWidget(lignes[r].second, r, 3);
    }
    auto *boutonVoir = new QPushButton(tr("Voir"));
    grille->addWidget(boutonVoir, 5, 3);
    connect(boutonPegs, &QPushButton::clicked, this, &PanneauConfiguration::pegsDemande);
    connect(boutonEgsphant, &QPushButton::clicked, this, &PanneauConfiguration::egsphantDemande);
    connect(boutonVoir, &QPushButton::clicked, this, &PanneauConfiguration::voirDemande);
}

// Rows 5 to 8: the axes over the columns, then sizes, origin and counts, each row captioned at its end.
void PanneauConfiguration::placerNombres(QGridLayout *grille)
{
    const char *axes[3] = {"X", "Y", "Z"};
    for (int c = 0; c < 3; ++c)
        grille->addWidget(new QLabel(axes[c]), 5, c, Qt::AlignCenter);
    const QStringList legendes{tr("Taille (cm)"), tr("Origine (cm)"), tr("Voxels")};
    const QString noms[3] = {"taille", "origine", "champDim"};
    QLineEdit **champs[3] = {tailles, origines, comptes};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            champs[r][c] = new QLineEdit; // filled from the session, by suivre()
            champs[r][c]->setObjectName(noms[r] + axes[c]);
            champNombre(champs[r][c]);
            grille->addWidget(champs[r][c], 6 + r, c);
        }
        grille->addWidget(new QLabel(legendes[r]), 6 + r, 3);
    }
}

// Row 9: the files that go with the phantom written last.
void PanneauConfiguration::placerCompagnons(QGridLayout *grille)
{
    auto *boutonDosxyz = new QPushButton(tr("Entrée DOSXYZnrc…"));
    auto *boutonEgspp = new QPushButton(tr("Géométrie egs++…"));
    boutonDosxyz->setToolTip(tr("Écrit l'entrée DOSXYZnrc du dernier fantôme écrit, prête à lancer"));
    boutonEgspp->setToolTip(tr("Écrit la géométrie egs++ du dernier fantôme écrit et sa rampe de densités"));
    grille->addWidget(boutonDosxyz, 9, 0, 1, 2);
    grille->addWidget(boutonEgspp, 9, 2, 1, 2);
    connect(boutonDosxyz, &QPushButton::clicked, this, &PanneauConfiguration::dosxyzDemande);
    connect(boutonEgspp, &QPushButton::clicked, this, &PanneauConfiguration::egsppDemande);
}

// Below the rows in use: a label volume in place of the planes, its tick
// (given once a volume is read) and its path, then "Coupes…" (a folder) and
// "Volume…" (a file) at the end of the row.
void PanneauConfiguration::placerVolume(QGridLayout *grille)
{
    const int ligne = grille->rowCount();
    cocheVolume = new QCheckBox;
    cocheVolume->setObjectName("choixVolume");
    cocheVolume->setEnabled(false);
    cocheVolume->setToolTip(tr("Cochée : le fantôme vient du volume, à la place des plans"));
    volume = new QLineEdit(tr("volume"));
    volume->setObjectName("fichierVolume");
    suivreChemin(volume);
    auto *cheminVolume = new QHBoxLayout;
    cheminVolume->addWidget(cocheVolume);
    cheminVolume->addWidget(volume);
    grille->addLayout(cheminVolume, ligne, 0, 1, 2);
    auto *boutonVolume = new QPushButton(tr("Volume…"));
    auto *boutonCoupes = new QPushButton(tr("Coupes…"));
    boutonVolume->setToolTip(tr("Volume d'étiquettes : fichier NRRD, NIfTI ou MetaImage ; chaque valeur devient une "
                                "ligne de la table"));
    boutonCoupes->setToolTip(tr("Dossier d'images, une coupe chacune dans l'ordre naturel des noms ; chaque "
                                "niveau de gris devient une ligne de la table"));
    grille->addWidget(boutonCoupes, ligne, 2);
    grille->addWidget(boutonVolume, ligne, 3);
    connect(boutonVolume, &QPushButton::clicked, this, &PanneauConfiguration::volumeDemande);
    connect(boutonCoupes, &QPushButton::clicked, this, &PanneauConfiguration::coupesDemande);
    connect(cocheVolume, &QCheckBox::toggled, this, &PanneauConfiguration::volumeCoche);
}

// Under the volume's row, the folder, its tick, "Structures…" and "Scanner…"; under them,
// the box's far corner. Its near corner is the
// origin: for a CT the origin fields say where the box starts.
void PanneauConfiguration::placerScanner(QGridLayout *grille, QWidget *boutonStructures)
{
    const int ligne = grille->rowCount();
    cocheScanner = new QCheckBox;
    cocheScanner->setObjectName("choixScanner");
    cocheScanner->setEnabled(false);
    cocheScanner->setToolTip(tr("Cochée : le fantôme vient de la série CT, à la place des plans"));
    scanner = new QLineEdit(tr("série CT"));
    scanner->setObjectName("fichierScanner");
    auto *ligneScanner = new QHBoxLayout;
    ligneScanner->addWidget(cocheScanner);
    ligneScanner->addWidget(scanner);
    ligneScanner->addWidget(boutonStructures);
    auto *boutonScanner = new QPushButton(tr("Scanner…"));
    boutonScanner->setToolTip(tr("Choisit un dossier de fichiers DICOM et y lit une série CT"));
    grille->addLayout(ligneScanner, ligne, 0, 1, 3);
    grille->addWidget(boutonScanner, ligne, 3);
    for (int a = 0; a < 3; ++a) {
        boiteMax[a] = new QLineEdit;
        boiteMax[a]->setObjectName(QString("boiteMax%1").arg(a));
        boiteMax[a]->setMaximumWidth(tailles[0]->maximumWidth());
        boiteMax[a]->setEnabled(false);
        suivreSaisieNombre(boiteMax[a]);
        grille->addWidget(boiteMax[a], ligne + 1, a);
    }
    grille->addWidget(new QLabel(tr("Jusqu'à (cm)")), ligne + 1, 3);
    connect(boutonScanner, &QPushButton::clicked, this, &PanneauConfiguration::scannerDemande);
    connect(cocheScanner, &QCheckBox::toggled, this, &PanneauConfiguration::scannerCoche);
}

void PanneauConfiguration::suivre(Session &suivie)
{
    session = &suivie;
    const QList<QLineEdit *> champs = champsNombres();
    for (int i = 0; i < champs.size(); ++i)
        connect(champs[i], &QLineEdit::textChanged, this, [this, i, champ = champs[i]] {
            if (enAffichage)
                return;
            session->saisirNombre(i, texteNombre(champ));
            if (i < 6 || i >= 9) // a size, the origin or the far corner: the CT's box
                emit cadreModifie();
        });
    connect(session, &Session::sourceChangee, this, &PanneauConfiguration::montrerGeometrie);
    connect(session, &Session::geometrieChangee, this, [this](SourceFantome source) {
        if (source == session->source())
            montrerGeometrie();
    });
    // A volume or a CT read: its path shown, its tick offered. A volume
    // let go after a build is no other volume: its row stays.
    connect(session, &Session::volumeChange, this, [this] {
        if (!session->volume().volume)
            return;
        volume->setText(session->volume().chemin);
        cocheVolume->setEnabled(true);
    });
    connect(session, &Session::scannerChange, this, [this] {
        if (!session->scanner())
            return;
        scanner->setText(session->dossierScanner());
        cocheScanner->setEnabled(true);
    });
    // The fields start from the session's numbers: one copy of the defaults.
    montrerGeometrie();
}

// The source in use's numbers, exact behind the fields; a text refused, as
// typed. A field that already says its number ("1.0" for 1) is left as it is.
void PanneauConfiguration::montrerGeometrie()
{
    if (enAffichage)
        return;
    enAffichage = true;
    const GeometrieSource &nombres = session->geometrie();
    const QList<QLineEdit *> champs = champsNombres();
    for (int i = 0; i < champs.size(); ++i) {
        // The far corner is a CT's alone: another source leaves its fields empty.
        if (i >= 9 && session->source() != SourceFantome::Scanner) {
            champs[i]->clear();
            continue;
        }
        const QString texte = texteNombre(champs[i]);
        if (nombres.refuses[i]) {
            if (texte != *nombres.refuses[i])
                montrerNombre(champs[i], *nombres.refuses[i]);
            continue;
        }
        if (i >= 6 && i < 9) {
            qint64 compte = -1;
            if (!lireCompteSaisi(i - 6, texte, compte).isEmpty() || compte != nombres.comptes[i - 6])
                montrerNombre(champs[i], QString::number(nombres.comptes[i - 6]));
            continue;
        }
        const double reel = i < 3   ? nombres.geometrie.taille[i]
                            : i < 6 ? nombres.geometrie.origine[i - 3]
                                    : nombres.jusqua[i - 9];
        double lu = 0.0;
        if (!lireReelSaisi(i, texte, lu).isEmpty() || lu != reel)
            montrerNombre(champs[i], i < 9 ? texteReel(reel) : texteExact(reel));
    }
    enAffichage = false;
}
