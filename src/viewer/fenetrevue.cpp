#include "viewer/fenetrevue.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>

#include "model/ligne.h"
#include "dose/dose.h"
#include "egsphant/bilan.h"
#include "egsphant/egsphant.h"
#include "io/fichierentier.h"
#include "egsphant/lecture.h"
#include "viewer/couleurs.h"
#include "viewer/degrade.h"
#include "viewer/histogrammes.h"
#include "viewer/profils.h"

namespace {

const char *const nomsPlans[3] = {"XY", "XZ", "YZ"};
const char *const nomsAxes = "xyz";
const char *const indication = QT_TRANSLATE_NOOP("FenetreVue", "Survoler une coupe pour lire un voxel ; cliquer pour y placer les deux autres coupes.");

QString nombre(double v)
{
    return QString::number(v, 'g', 6);
}

// The least and the greatest of n > 0 densities, as std::minmax_element
// finds them (the first least, the last greatest: 0 and -0 tell apart). In
// eight lanes, which the compiler makes vector instructions of: with a
// density per voxel, each opening walks the whole phantom for them.
std::pair<float, float> extremes(const float *v, qint64 n)
{
    float mn[8], mx[8];
    std::fill(mn, mn + 8, v[0]);
    std::fill(mx, mx + 8, v[0]);
    qint64 i = 0;
    for (; i + 8 <= n; i += 8)
        for (int j = 0; j < 8; ++j) {
            mn[j] = v[i + j] < mn[j] ? v[i + j] : mn[j];
            mx[j] = v[i + j] > mx[j] ? v[i + j] : mx[j];
        }
    for (; i < n; ++i) {
        mn[0] = v[i] < mn[0] ? v[i] : mn[0];
        mx[0] = v[i] > mx[0] ? v[i] : mx[0];
    }
    const float petit = *std::min_element(mn, mn + 8), grand = *std::max_element(mx, mx + 8);
    // Only a zero has two signs to choose from.
    return {petit == 0 ? *std::find(v, v + n, petit) : petit,
            grand == 0 ? *std::find(std::reverse_iterator(v + n), std::reverse_iterator(v), grand) : grand};
}

struct CurseurOccupe
{
    // The arrow with a busy mark: the wait can be cancelled.
    CurseurOccupe() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~CurseurOccupe() { QApplication::restoreOverrideCursor(); }
};

} // namespace

FenetreVue::FenetreVue(QWidget *parent)
    : QWidget(parent)
    , choisirFichier([](QWidget *p, const QString &titre, const QString &dossier, const QString &filtre) {
        return QFileDialog::getOpenFileName(p, titre, dossier, filtre);
    })
    , choisirEnregistrement([](QWidget *p, const QString &titre, const QString &dossier, const QString &filtre) {
        return QFileDialog::getSaveFileName(p, titre, dossier, filtre);
    })
{
    auto *grille = new QGridLayout;
    creerVues(grille);
    // Through the member, which tests replace after the window is made.
    const auto choisir = [this](QWidget *p, const QString &titre, const QString &depart, const QString &filtre) {
        return choisirEnregistrement(p, titre, depart, filtre);
    };
    profils = new PanneauProfils(choisir);
    histogrammes = new PanneauHistogrammes(choisir);
    for (PanneauExportable *panneau :
         {static_cast<PanneauExportable *>(profils), static_cast<PanneauExportable *>(histogrammes)})
        panneau->annonce = [this](const QString &ligne) { etat->setText(ligne); };
    onglets = new QTabWidget;
    onglets->addTab(creerCote(), tr("Légende"));
    onglets->addTab(creerOngletDose(), tr("Dose"));
    onglets->addTab(profils, tr("Profils"));
    onglets->addTab(histogrammes, tr("HDV"));
    for (int i = 1; i < 4; ++i)
        onglets->setTabEnabled(i, false);
    grille->addWidget(onglets, 1, 1);
    lecture = new QLabel(FenetreVue::tr(indication));
    lecture->setTextInteractionFlags(Qt::TextSelectableByMouse);
    etat = new QLabel(tr("Aucun fantôme ouvert."));
    auto *fenetre = new QVBoxLayout;
    fenetre->addLayout(creerBarre());
    fenetre->addLayout(grille, 1);
    fenetre->addWidget(lecture);
    fenetre->addWidget(etat);
    setLayout(fenetre);
    setWindowTitle("Quarvel View");
    resize(900, 760);
}

QLayout *FenetreVue::creerBarre()
{
    auto *boutonOuvrir = new QPushButton(tr("Ouvrir…"));
    auto *boutonDose = new QPushButton(tr("Dose…"));
    auto *boutonExporter = new QPushButton(tr("Exporter l'image…"));
    choixColoration = new QComboBox;
    choixColoration->addItems({tr("Milieux"), tr("Densité")});
    reperes = new QCheckBox(tr("Repères des coupes"));
    reperes->setChecked(true);
    auto *barre = new QHBoxLayout;
    barre->addWidget(boutonOuvrir);
    barre->addWidget(boutonDose);
    barre->addWidget(boutonExporter);
    barre->addWidget(new QLabel(tr("Couleurs :")));
    barre->addWidget(choixColoration);
    barre->addWidget(reperes);
    barre->addStretch();
    connect(boutonOuvrir, &QPushButton::clicked, this, &FenetreVue::choisirEtOuvrir);
    connect(boutonDose, &QPushButton::clicked, this, &FenetreVue::choisirEtOuvrirDose);
    connect(boutonExporter, &QPushButton::clicked, this, &FenetreVue::exporterImage);
    connect(choixColoration, &QComboBox::currentIndexChanged, this, [this] { appliquerColoration(); });
    connect(reperes, &QCheckBox::toggled, this, [this](bool montres) {
        for (VueCoupe *vue : vues)
            vue->montrerReperes(montres);
    });
    return barre;
}

void FenetreVue::creerVues(QGridLayout *grille)
{
    const PlanCoupe plans[3] = {PlanCoupe::XY, PlanCoupe::XZ, PlanCoupe::YZ};
    for (int i = 0; i < 3; ++i) {
        vues[i] = new VueCoupe(plans[i]);
        curseurs[i] = new QSlider(Qt::Horizontal);
        curseurs[i]->setEnabled(false);
        positions[i] = new QLabel(" ");
        auto *groupe = new QGroupBox(tr("Coupe %1").arg(nomsPlans[i]));
        auto *boite = new QVBoxLayout;
        boite->addWidget(vues[i], 1);
        boite->addWidget(curseurs[i]);
        boite->addWidget(positions[i]);
        groupe->setLayout(boite);
        grille->addWidget(groupe, i / 2, i % 2);
        connect(curseurs[i], &QSlider::valueChanged, this, [this, i](int p) { deplacer(i, p); });
        vues[i]->survol = [this, i](const std::array<int, 3> &voxel) {
            vueActive = i;
            decrireVoxel(voxel);
        };
        vues[i]->clic = [this, i](const std::array<int, 3> &voxel) {
            vueActive = i;
            allerAuVoxel(voxel);
        };
    }
}

// The legend of the media and the density scale, one shown at a time.
QWidget *FenetreVue::creerCote()
{
    legende = new QTableWidget(0, 7);
    legende->setHorizontalHeaderLabels({tr("N°"), tr("Clé"), tr("Nom"), tr("Couleur"), tr("Voxels"), tr("Volume (cm³)"), tr("Masse (g)")});
    legende->verticalHeader()->hide();
    legende->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *echelle = new QWidget;
    auto *boiteEchelle = new QVBoxLayout;
    boiteEchelle->addWidget(new QLabel(tr("Densité (g/cm³)")));
    boiteEchelle->addWidget(degrade(couleurDensite, 20));
    auto *bornesEchelle = new QHBoxLayout;
    echelleMin = new QLabel;
    echelleMax = new QLabel;
    bornesEchelle->addWidget(echelleMin);
    bornesEchelle->addStretch();
    bornesEchelle->addWidget(echelleMax);
    boiteEchelle->addLayout(bornesEchelle);
    boiteEchelle->addStretch();
    echelle->setLayout(boiteEchelle);
    cote = new QStackedWidget;
    cote->addWidget(legende);
    cote->addWidget(echelle);
    return cote;
}

FenetreVue::~FenetreVue() = default;

void FenetreVue::choisirEtOuvrir()
{
    const QString choisi = choisirFichier(this, tr("Ouvrir un fantôme"), chemin.isEmpty() ? "." : QFileInfo(chemin).path(),
                                          tr("Fantômes (*.egsphant *.egsphant.gz *.gz);;Tous les fichiers (*)"));
    if (!choisi.isEmpty())
        ouvrir(choisi);
}

bool FenetreVue::ouvrir(const QString &nom)
{
    auto lu = std::make_unique<Fantome>();
    QString erreur;
    bool arretee = false;
    const auto lire = [&](const SuiviLecture &suivi) { return lireEgsphant(nom, *lu, &erreur, suivi); };
    if (!lireEnSuivant(nom, lire, &arretee)) {
        etat->setText(arretee ? tr("Ouverture de « %1 » annulée.").arg(extrait(nom))
                              : tr("Fichier « %1 » illisible : %2").arg(extrait(nom), extrait(erreur)));
        return false;
    }
    // The views and panels let go of the old phantom and its dose before they go.
    for (VueCoupe *vue : vues)
        vue->montrer(nullptr);
    dose.reset();
    cheminDose.clear();
    montrerDose();
    fantome = std::move(lu);
    chemin = nom;
    afficher();
    return true;
}

bool FenetreVue::lireEnSuivant(const QString &nom, const std::function<bool(const SuiviLecture &)> &lire,
                               bool *arretee)
{
    constexpr int pas = 1000;
    // Its own window, so it shows even before this one does (the first
    // open from the main window, or from the command line).
    QProgressDialog suivi(tr("Lecture de « %1 »…").arg(extrait(QFileInfo(nom).fileName())), tr("Annuler"), 0,
                          pas, this);
    suivi.setWindowTitle("Quarvel View");
    // Nothing else moves while the file comes in; the events are let through
    // at each block once the dialog shows.
    suivi.setWindowModality(Qt::ApplicationModal);
    suivi.setMinimumDuration(attenteSuivi);
    suivi.setAutoReset(false);
    suivi.setAutoClose(false);
    // Escape would only hide it, leaving the read running behind no dialog.
    connect(&suivi, &QDialog::rejected, &suivi, &QProgressDialog::cancel);
    suivi.setValue(0);
    CurseurOccupe curseur;
    const bool reussie = lire([&](qint64 lus, qint64 taille) {
        suivi.setValue(taille > 0 ? int(double(std::min(lus, taille)) / double(taille) * pas) : 0);
        // A .gz moves its bar only at each megabyte of the file, a hundred of
        // text: "Annuler" is heard at every block all the same.
        if (suivi.isVisible())
            QCoreApplication::processEvents();
        return !suivi.wasCanceled();
    });
    *arretee = !reussie && suivi.wasCanceled();
    return reussie;
}

void FenetreVue::afficher()
{
    const Fantome &f = *fantome;
    extremesConnus = false;
    for (VueCoupe *vue : vues)
        vue->montrer(fantome.get());
    // Each slice placed once all views hold the phantom, so each marks it.
    for (int i = 0; i < 3; ++i) {
        const int n = f.dim[vues[i]->axeCoupe()];
        const QSignalBlocker bloque(curseurs[i]);
        curseurs[i]->setRange(0, n - 1);
        curseurs[i]->setValue(n / 2);
        curseurs[i]->setEnabled(true);
        deplacer(i, n / 2);
    }
    appliquerColoration();
    remplirLegende();
    // The legend's width reaches the window through the tabs a step at a
    // time: laid out now, so the views are where they will stay.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    setWindowTitle(QFileInfo(chemin).fileName() + " — Quarvel View");
    etat->setText(tr("« %1 » : %2 × %3 × %4 voxels, %n milieux", nullptr, int(f.noms.size()))
                      .arg(extrait(chemin))
                      .arg(f.dim[0])
                      .arg(f.dim[1])
                      .arg(f.dim[2]));
    for (const QString &note : f.notes)
        etat->setText(etat->text() + "\n" + ligneNote(note));
    lecture->setText(tr(indication));
}

void FenetreVue::remplirLegende()
{
    const std::vector<BilanMilieu> bilan = bilanMilieux(*fantome);
    const std::vector<QRgb> couleurs = couleursMilieux(fantome->noms);
    legende->setRowCount(fantome->noms.size());
    for (int m = 0; m < fantome->noms.size(); ++m) {
        const QString textes[7] = {QString::number(m + 1),
                                   QString(QChar(cleMilieux[m + 1])),
                                   fantome->noms[m].trimmed(),
                                   QString(),
                                   QString::number(bilan[size_t(m)].voxels),
                                   nombre(bilan[size_t(m)].volume),
                                   nombre(bilan[size_t(m)].masse)};
        for (int c = 0; c < 7; ++c) {
            auto *case_ = new QTableWidgetItem(textes[c]);
            if (c != 2)
                case_->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            legende->setItem(m, c, case_);
        }
        legende->item(m, 3)->setBackground(QColor(couleurs[size_t(m)]));
    }
    legende->resizeColumnsToContents();
    // Wide enough for every column: the masses are what a user checks first.
    legende->setMinimumWidth(legende->horizontalHeader()->length() + 2 * legende->frameWidth()
                             + legende->verticalScrollBar()->sizeHint().width());
}

// The density range, found when the densities' colours are first asked:
// with a density per voxel it is a walk through the whole phantom, which an
// opening in the media's colours need not wait for.
void FenetreVue::connaitreExtremes()
{
    if (extremesConnus)
        return;
    const Fantome &f = *fantome;
    if (f.densitesDirectes) {
        const float *valeurs = static_cast<const float *>(f.densitesVoxels.get());
        std::tie(densiteMin, densiteMax) = extremes(valeurs, f.nombreVoxels());
    } else {
        const auto [mn, mx] = std::minmax_element(f.valeursDensite.begin(), f.valeursDensite.end());
        densiteMin = *mn;
        densiteMax = *mx;
    }
    echelleMin->setText(nombre(densiteMin));
    echelleMax->setText(nombre(densiteMax));
    extremesConnus = true;
}

void FenetreVue::appliquerColoration()
{
    const Coloration c = choixColoration->currentIndex() == 1 ? Coloration::Densite : Coloration::Milieux;
    cote->setCurrentIndex(c == Coloration::Densite ? 1 : 0);
    if (!fantome)
        return;
    if (c == Coloration::Densite)
        connaitreExtremes();
    for (VueCoupe *vue : vues)
        vue->colorer(c, densiteMin, densiteMax);
}

void FenetreVue::deplacer(int i, int position)
{
    if (!fantome)
        return;
    vues[i]->placer(position);
    const int axe = vues[i]->axeCoupe();
    for (VueCoupe *vue : vues)
        vue->marquer(axe, position);
    const std::vector<double> &b = fantome->bornes[axe];
    positions[i]->setText(tr("%1 = %2 cm (coupe %3 / %4)")
                              .arg(QChar(nomsAxes[axe]))
                              .arg(nombre((b[size_t(position)] + b[size_t(position) + 1]) / 2))
                              .arg(position + 1)
                              .arg(fantome->dim[axe]));
}

void FenetreVue::allerAuVoxel(const std::array<int, 3> &voxel)
{
    for (int i = 0; i < 3; ++i)
        curseurs[i]->setValue(voxel[size_t(vues[i]->axeCoupe())]);
    decrireVoxel(voxel);
}

void FenetreVue::decrireVoxel(const std::array<int, 3> &voxel)
{
    const Fantome &f = *fantome;
    const qint64 v = f.indice(voxel[0], voxel[1], voxel[2]);
    double centre[3];
    for (int a = 0; a < 3; ++a)
        centre[a] = (f.bornes[a][size_t(voxel[a])] + f.bornes[a][size_t(voxel[a]) + 1]) / 2;
    const int m = f.milieu(v);
    lecture->setText(tr("Voxel (i, j, k) = (%1, %2, %3)   centre (x, y, z) = (%4, %5, %6) cm   "
                             "milieu %7 « %8 »   densité %9 g/cm³")
                         .arg(voxel[0] + 1)
                         .arg(voxel[1] + 1)
                         .arg(voxel[2] + 1)
                         .arg(nombre(centre[0]), nombre(centre[1]), nombre(centre[2]))
                         .arg(m + 1)
                         .arg(extrait(f.noms[m].trimmed()))
                         .arg(nombre(f.densite(v)))
                     + texteDose(v));
    if (dose) {
        profils->suivre(voxel);
        histogrammes->suivre(dose->dose(v));
    }
}

void FenetreVue::exporterImage()
{
    if (!fantome) {
        etat->setText(tr("Aucun fantôme ouvert : rien à exporter."));
        return;
    }
    const VueCoupe *vue = vues[size_t(vueActive)];
    const int axe = vue->axeCoupe();
    const QFileInfo source(chemin);
    const QString suggestion = QString("%1/%2-%3-%4%5.png")
                                   .arg(source.path(), source.completeBaseName(), nomsPlans[vueActive])
                                   .arg(QChar(nomsAxes[axe]))
                                   .arg(vue->position() + 1);
    QString nom = choisirEnregistrement(this, tr("Exporter l'image de la coupe %1").arg(nomsPlans[vueActive]),
                                        suggestion, tr("Images PNG (*.png)"));
    if (nom.isEmpty())
        return;
    if (QFileInfo(nom).suffix().isEmpty())
        nom += ".png";
    QString raison;
    const QImage image = vue->imageExportee(&raison);
    if (!image.isNull())
        ecrireFichierEntier(nom, [&](QIODevice &fichier) { return image.save(&fichier, "PNG"); }, &raison);
    etat->setText(raison.isEmpty() ? tr("Coupe %1 enregistrée dans « %2 » (%3 × %4 pixels)")
                                         .arg(nomsPlans[vueActive], extrait(nom))
                                         .arg(image.width())
                                         .arg(image.height())
                                   : tr("Image « %1 » non enregistrée : %2").arg(extrait(nom), raison));
}
