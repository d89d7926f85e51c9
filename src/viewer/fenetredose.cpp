// The viewer's side of a dose: opening it over the phantom, its wash and
// isodoses, its maximum and reference, and the readout at the cursor.
#include "viewer/fenetrevue.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dose/bilandose.h"
#include "dose/dose.h"
#include "dose/superposition.h"
#include "model/ligne.h"
#include "viewer/couleursdose.h"
#include "viewer/degrade.h"
#include "viewer/histogrammes.h"
#include "viewer/profils.h"

namespace {

const QString niveauxParDefaut = "95 80 50 20 10";

QString nombre(double v)
{
    return QString::number(v, 'g', 6);
}

// A share in %, to three digits: enough for a reading, short on the line.
QString pourcent(double part)
{
    return QString::number(100 * part, 'g', 3);
}

// A number typed with a decimal point or comma, or nothing.
std::optional<double> nombreTape(QString texte)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(texte.trimmed().replace(',', '.'), &ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

} // namespace

QWidget *FenetreVue::creerOngletDose()
{
    opaciteDose = new QSlider(Qt::Horizontal);
    opaciteDose->setRange(0, 100);
    opaciteDose->setValue(50);
    referenceDose = new QLineEdit;
    referenceDose->setPlaceholderText("maximum");
    niveauxDose = new QLineEdit(niveauxParDefaut);
    maximumDose = new QLabel;
    maximumDose->setWordWrap(true);
    maximumDose->setTextInteractionFlags(Qt::TextSelectableByMouse);
    echelleDose = new QLabel;
    auto *boutonMaximum = new QPushButton(tr("Aller au maximum"));
    auto *formulaire = new QFormLayout;
    formulaire->addRow(tr("Opacité du lavis"), opaciteDose);
    formulaire->addRow(tr("Référence (100 %)"), referenceDose);
    formulaire->addRow(tr("Isodoses (% de la référence)"), niveauxDose);
    auto *bornes = new QHBoxLayout;
    bornes->addWidget(new QLabel("0"));
    bornes->addStretch();
    bornes->addWidget(echelleDose);
    auto *unite = new QLabel(tr("Dose dans l'unité du fichier, pas en Gy : pour un faisceau, par fluence "
                                "incidente (Gy·cm²). Le lavis part de l'isodose la plus basse."));
    unite->setWordWrap(true);
    auto *boite = new QVBoxLayout;
    boite->addWidget(maximumDose);
    boite->addWidget(boutonMaximum, 0, Qt::AlignLeft);
    boite->addLayout(formulaire);
    boite->addWidget(degrade(couleurDose, 16));
    boite->addLayout(bornes);
    boite->addWidget(unite);
    boite->addStretch();
    auto *onglet = new QWidget;
    onglet->setLayout(boite);
    connect(opaciteDose, &QSlider::valueChanged, this, [this] { appliquerDose(); });
    connect(referenceDose, &QLineEdit::editingFinished, this, [this] { appliquerDose(); });
    connect(niveauxDose, &QLineEdit::editingFinished, this, [this] { appliquerDose(); });
    connect(boutonMaximum, &QPushButton::clicked, this, &FenetreVue::allerAuMaximum);
    return onglet;
}

void FenetreVue::choisirEtOuvrirDose()
{
    const QString depart = !cheminDose.isEmpty() ? QFileInfo(cheminDose).path()
                           : chemin.isEmpty()    ? "."
                                                 : QFileInfo(chemin).path();
    const QString choisi = choisirFichier(this, tr("Ouvrir une dose"), depart,
                                          tr("Doses (*.3ddose *.3ddose.gz *.gz);;Tous les fichiers (*)"));
    if (!choisi.isEmpty())
        ouvrirDose(choisi);
}

bool FenetreVue::ouvrirDose(const QString &nom)
{
    auto lue = std::make_unique<Dose>();
    QString erreur;
    bool arretee = false;
    if (!lireEnSuivant(nom, [&](const SuiviLecture &suivi) { return lireDose(nom, *lue, &erreur, suivi); }, &arretee)) {
        etat->setText(arretee ? tr("Ouverture de « %1 » annulée.").arg(extrait(nom))
                              : tr("Dose « %1 » illisible : %2").arg(extrait(nom), extrait(erreur)));
        return false;
    }
    // Over the phantom read, or over an empty grid of its own (a dose shown
    // alone gives way to the next one).
    if (fantome && !chemin.isEmpty()) {
        const QString refus = refusSuperposition(*lue, *fantome);
        if (!refus.isEmpty()) {
            etat->setText(tr("Dose « %1 » refusée : %2").arg(extrait(nom), refus));
            return false;
        }
    } else {
        for (VueCoupe *vue : vues)
            vue->montrer(nullptr);
        dose.reset();
        montrerDose();
        fantome = std::make_unique<Fantome>(grilleVide(*lue));
        chemin.clear();
        afficher();
    }
    dose = std::move(lue);
    cheminDose = nom;
    const float *d = dose->doses.get();
    voxelMaximum = std::max_element(d, d + dose->nombreVoxels()) - d;
    montrerDose();
    // The slices through the maximum, where a user looks first.
    allerAuMaximum();
    etat->setText(tr("Dose « %1 » : %2 × %3 × %4 voxels, maximum %5%6")
                      .arg(extrait(nom))
                      .arg(dose->dim[0])
                      .arg(dose->dim[1])
                      .arg(dose->dim[2])
                      .arg(nombre(dose->dose(voxelMaximum)))
                      .arg(dose->aIncertitudes() ? QString() : tr(", sans incertitudes")));
    return true;
}

// The dose's tabs, panels and views, for the dose now held or none.
void FenetreVue::montrerDose()
{
    for (int i = 1; i < 4; ++i)
        onglets->setTabEnabled(i, bool(dose));
    const QString dossier = QFileInfo(cheminDose).path();
    profils->montrer(fantome.get(), dose.get(), dossier);
    histogrammes->montrer(fantome.get(), dose.get(), dossier);
    if (!dose) {
        for (VueCoupe *vue : vues)
            vue->montrerDose({});
        return;
    }
    const int x = int(voxelMaximum % dose->dim[0]), y = int(voxelMaximum / dose->dim[0] % dose->dim[1]);
    const int z = int(voxelMaximum / dose->dim[0] / dose->dim[1]);
    maximumDose->setText(tr("Maximum %1%2 au voxel (%3, %4, %5), %6 ; souvent un voxel d'air bruité : "
                                 "la référence peut être une autre dose.")
                             .arg(nombre(dose->dose(voxelMaximum)))
                             .arg(dose->aIncertitudes()
                                      ? QString(" ± %1 %").arg(pourcent(dose->incertitude(voxelMaximum)))
                                      : QString())
                             .arg(x + 1)
                             .arg(y + 1)
                             .arg(z + 1)
                             .arg(extrait(fantome->noms[fantome->milieu(voxelMaximum)].trimmed())));
    appliquerDose();
    profils->suivre({x, y, z});
    histogrammes->suivre(dose->dose(voxelMaximum));
}

// The reference and levels typed, and the opacity, to the views. A field
// that does not read keeps what was shown and says why.
void FenetreVue::appliquerDose()
{
    if (!dose)
        return;
    const double maximum = dose->dose(voxelMaximum);
    if (referenceDose->text().trimmed().isEmpty()) {
        reference = maximum;
    } else if (const auto r = nombreTape(referenceDose->text()); r && *r > 0) {
        reference = *r;
    } else {
        etat->setText(tr("Référence « %1 » refusée : une dose au-dessus de 0 attendue")
                          .arg(extrait(referenceDose->text())));
    }
    std::vector<double> lus;
    const QStringList mots = niveauxDose->text().split(QRegularExpression("[\\s;]+"), Qt::SkipEmptyParts);
    for (const QString &mot : mots) {
        const auto n = nombreTape(mot);
        if (!n || *n <= 0) {
            etat->setText(
                tr("Isodose « %1 » refusée : un pourcentage au-dessus de 0 attendu").arg(extrait(mot)));
            lus.clear();
            break;
        }
        lus.push_back(*n);
    }
    if (!lus.empty() || mots.isEmpty())
        niveaux = lus;
    if (!(reference > 0))
        reference = 1.0; // a dose of zeros: the scale still means something
    echelleDose->setText(nombre(reference));
    for (VueCoupe *vue : vues)
        vue->montrerDose({dose.get(), reference, niveaux, opaciteDose->value() / 100.0});
}

void FenetreVue::allerAuMaximum()
{
    if (!dose)
        return;
    const qint64 v = voxelMaximum;
    allerAuVoxel({int(v % dose->dim[0]), int(v / dose->dim[0] % dose->dim[1]), int(v / dose->dim[0] / dose->dim[1])});
}

// The dose part of the readout: dose ± uncertainty (%), and its share of the reference.
QString FenetreVue::texteDose(qint64 v) const
{
    if (!dose)
        return QString();
    const double d = dose->dose(v);
    QString texte = QString("   dose %1").arg(nombre(d));
    if (dose->aIncertitudes())
        texte += QString(" ± %1 %").arg(pourcent(dose->incertitude(v)));
    return texte + tr(" (%1 % de la référence)").arg(pourcent(d / reference));
}
