// The window's side of a CT series: choosing the folder and the series,
// the ramp table in place of the material table, the box's fields, the
// middle slice in the XY group, and the build through the shared functions.
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTableWidget>

#include "egsphant/egsphant.h"
#include "media/materiaux.h"
#include "model/ligne.h"
#include "model/nombre.h"
#include "scanner/apercuct.h"
#include "scanner/cadre.h"
#include "scanner/rampe.h"
#include "scanner/serie.h"
#include "scanner/volumect.h"
#include "session/constructionct.h"
#include "session/saisie.h"
#include "window/groupeplan.h"
#include "window/imageplan.h"
#include "window/configuration.h"
#include "window/structures.h"
#include "window/interface.h"
#include "window/panneaurampe.h"
#include "window/tablemateriaux.h"

namespace {

QString nombre(double v)
{
    return QString::number(v, 'g', 6);
}

} // namespace

// The slice shown, stepped under the XY picture or by the wheel over it.
void Interface::placerCoupe()
{
    curseurCoupe = new QSlider(Qt::Horizontal);
    curseurCoupe->setObjectName("curseurCoupe");
    curseurCoupe->setToolTip(tr("La coupe CT montrée ; la molette sur l'image la change aussi"));
    curseurCoupe->hide();
    planXY->placerSous(curseurCoupe);
    noteCadre = new QLabel;
    noteCadre->setObjectName("noteCadre");
    noteCadre->setWordWrap(true);
    noteCadre->hide();
    planXY->placerSous(noteCadre);
    connect(curseurCoupe, &QSlider::valueChanged, this, &Interface::montrerCoupe);
    connect(planXY->image(), &ImagePlan::molette, this, [this](int crans) {
        if (!curseurCoupe->isHidden())
            curseurCoupe->setValue(curseurCoupe->value() + crans);
    });
}

void Interface::selectScanner()
{
    const QString dossier = choisirDossier(this, tr("Dossier de la série CT"), ".");
    if (dossier.isEmpty())
        return;
    QList<SerieCT> series;
    QString erreur;
    if (!listerSeriesCT(dossier, series, &erreur)) {
        etat->setText(erreur);
        return;
    }
    int choix = 0;
    if (series.size() > 1) {
        QStringList textes;
        for (const SerieCT &s : series)
            textes << tr("%1 (n° %2) : %n coupes, pixels de %3 × %4 mm, pas selon z de %5 à %6 mm, "
                         "inclinaison %7°, « %8 » (%9)", nullptr, s.coupes)
                          .arg(s.description.isEmpty() ? tr("sans description") : extrait(s.description),
                               s.numero.isEmpty() ? "?" : extrait(s.numero))
                          .arg(nombre(s.espacement[0]), nombre(s.espacement[1]), nombre(s.pasMin), nombre(s.pasMax),
                               nombre(s.inclinaison), s.fichier, extrait(s.uid));
        choix = choisirSerie(this, textes);
        if (choix < 0)
            return;
    }
    auto ct = std::make_shared<VolumeCT>();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool lue = lireSerieCT(dossier, series[choix].uid, *ct, &erreur);
    QApplication::restoreOverrideCursor();
    if (!lue) {
        etat->setText(erreur);
        return;
    }
    session.choisirScanner(ct, dossier);
    session.poserReferentiel(series[choix].referentiel);
    // Its geometry: the CT's voxel sizes, its first boundaries and counts; its extent as the box.
    GeometrieSource nombres;
    for (int a = 0; a < 3; ++a) {
        nombres.geometrie.taille[a] = ct->axes[a].taille;
        nombres.geometrie.origine[a] = ct->axes[a].origine;
        nombres.comptes[a] = ct->axes[a].compte;
        nombres.jusqua[a] = ct->axes[a].origine + ct->axes[a].compte * ct->axes[a].taille;
    }
    session.changerGeometrie(SourceFantome::Scanner, nombres);
    if (session.source() == SourceFantome::Scanner) {
        montrerScanner();
    } else {
        configuration->choixScanner()->setChecked(true); // makes it the source
    }
    descriptionScanner = tr("Série CT « %1 » : %n coupes, %2 × %3 × %4 voxels, HU de %5 à %6%7", nullptr,
                            series[choix].coupes)
                             .arg(extrait(series[choix].description))
                             .arg(ct->axes[0].compte)
                             .arg(ct->axes[1].compte)
                             .arg(ct->axes[2].compte)
                             .arg(nombre(ct->huMin), nombre(ct->huMax), imagesEcartees(series[choix]));
    for (const QString &note : ct->notes)
        descriptionScanner += "\n" + ligneNote(note);
    etat->setText(descriptionScanner);
}

// The tick: the CT read last in place of the planes, or the planes back.
void Interface::basculeScanner(bool actif)
{
    basculeSource(SourceFantome::Scanner, actif, configuration->choixVolume(), descriptionScanner);
}

// The ramp table in place of the material table, and the box's fields, for a CT.
void Interface::montrerRampe(bool rampe)
{
    tableMateriaux->setVisible(!rampe);
    panneauRampe->setVisible(rampe);
    for (int a = 0; a < 3; ++a)
        configuration->jusqua(a)->setEnabled(rampe);
    curseurCoupe->setVisible(rampe && session.scanner());
    if (!rampe)
        noteCadre->hide();
}

// No grey levels: the ramp gives the media. The XY group shows the middle
// axial slice through the usual CT window, the slider there to step through the others.
void Interface::montrerScanner()
{
    session.montrerNiveaux({});
    {
        const QSignalBlocker bloque(curseurCoupe);
        curseurCoupe->setRange(0, session.scanner()->axes[2].compte - 1);
        curseurCoupe->setValue(session.scanner()->axes[2].compte / 2);
    }
    curseurCoupe->show();
    montrerCoupe();
}

// The slice the slider gives, with the box and the regions' contours over it.
void Interface::montrerCoupe()
{
    if (!session.scanner() || session.source() != SourceFantome::Scanner)
        return;
    const VolumeCT &ct = *session.scanner();
    const int z = curseurCoupe->value();
    planXY->preter(coupeAxialeCT(ct, z), tr("Coupe %1/%2, z = %3 cm : %4 × %5, niveau %6 HU, largeur %7 HU")
                                             .arg(z + 1)
                                             .arg(ct.axes[2].compte)
                                             .arg(nombre((ct.axes[2].borne(z) + ct.axes[2].borne(z + 1)) / 2))
                                             .arg(ct.axes[0].compte)
                                             .arg(ct.axes[1].compte)
                                             .arg(niveauFenetreCT)
                                             .arg(largeurFenetreCT));
    planXY->image()->montrerContours(panneauStructures->contours(ct, z));
    suiviCadre();
}

void Interface::chargementRampe()
{
    const QString chemin = choisirFichier(this, tr("Charger une rampe"), ".", tr("Rampes (*.txt);;Tous les fichiers (*)"));
    if (!chemin.isEmpty())
        panneauRampe->charger(chemin);
}

void Interface::enregistrementRampe()
{
    const QString chemin = choisirFichierEnregistrement(this, tr("Enregistrer la rampe"), "rampe.txt",
                                                        tr("Rampes (*.txt);;Tous les fichiers (*)"));
    if (!chemin.isEmpty())
        panneauRampe->enregistrer(chemin);
}

// The box and the sizes as the session holds them for the CT, or why not in refus.
bool Interface::lectureCadre(Boite &boite, std::array<double, 3> &tailles, QString *refus)
{
    *refus = lireCadreSaisi(session.geometrie(), boite, tailles);
    return refus->isEmpty();
}

// As the box's fields are typed, the box over the CT slice and the counts
// the build will give; a box not yet readable, or not over this slice, draws none.
void Interface::suiviCadre()
{
    if (!session.scanner() || session.source() != SourceFantome::Scanner)
        return;
    Boite boite;
    std::array<double, 3> tailles;
    QString refus;
    AxeCadre cadre[3];
    if (!lectureCadre(boite, tailles, &refus) || !cadrer(session.scanner()->axes, boite, tailles, cadre).isEmpty()) {
        planXY->image()->montrerCadre(QRect());
        noteCadre->hide();
        return;
    }
    poserComptesCadre(cadre);
    // Clamped to the CT, or one voxel where a size merges several: said as typed.
    const QStringList notes = notesCadre(session.scanner()->axes, boite, tailles, cadre);
    noteCadre->setText(notes.join('\n'));
    noteCadre->setVisible(!notes.isEmpty());
    // Drawn on the slices the box takes, so that stepping through shows where it ends.
    const int z = curseurCoupe->value();
    planXY->image()->montrerCadre(z >= cadre[2].premier && z < cadre[2].fin
                                      ? QRect(cadre[0].premier, cadre[1].premier, cadre[0].fin - cadre[0].premier,
                                              cadre[1].fin - cadre[1].premier)
                                      : QRect());
}

// The counts the box gives, into the session's, which the fields show.
void Interface::poserComptesCadre(const AxeCadre cadre[3])
{
    GeometrieSource nombres = session.geometrie();
    bool changes = false;
    for (int a = 0; a < 3; ++a) {
        changes = changes || nombres.comptes[a] != cadre[a].compte || nombres.refuses[6 + a];
        nombres.comptes[a] = cadre[a].compte;
        nombres.refuses[6 + a] = std::nullopt;
    }
    if (changes)
        session.changerGeometrie(nombres);
}

// The box and the sizes as the session holds them; sizes equal to the CT's
// own keep its voxels.
bool Interface::constructionScanner(const QString &nomFich)
{
    Rampe rampe;
    if (QString erreur; !lireRampeSaisie(session.rampe(), rampe, &erreur)) {
        etat->setText(erreur);
        return false;
    }
    StructuresCT structures;
    if (const QString refus = lireStructuresSession(session.structures(), session.catalogue(), *session.scanner(),
                                                        session.referentiel(), structures); !refus.isEmpty()) {
        etat->setText(refus);
        return false;
    }
    if (const QString refus = materiauxScanner(session, rampe, structures); !refus.isEmpty()) {
        etat->setText(refus);
        return false;
    }
    Boite boite;
    std::array<double, 3> tailles;
    QString refus;
    if (!lectureCadre(boite, tailles, &refus)) {
        etat->setText(refus);
        return false;
    }
    AxeCadre cadre[3];
    Geometrie geometrie;
    Grille grille;
    QStringList notes;
    QString resume;
    if (const QString erreur =
            construireGrilleCT(*session.scanner(), boite, tailles, rampe, structures, nomFich, grille, geometrie, cadre, &notes, &resume);
        !erreur.isEmpty()) {
        etat->setText(erreur);
        return false;
    }
    // The box as the build widened it to the CT's voxels.
    GeometrieSource nombres = session.geometrie();
    for (int a = 0; a < 3; ++a)
        nombres.geometrie.origine[a] = cadre[a].origine;
    session.changerGeometrie(nombres);
    suiviCadre();
    poserComptesCadre(cadre);
    if (!ecritureEgsphant(grille, geometrie, nomFich))
        return false;
    if (!resume.isEmpty())
        etat->setText(etat->text() + "\n" + resume);
    for (const QString &note : notes)
        etat->setText(etat->text() + "\n" + ligneNote(note));
    return true;
}
