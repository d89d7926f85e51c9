// The source switch: the planes' pictures, or a volume in their place.
// Leaving a source keeps its numbers (in the session), its ticks, its choices and its "Fond" for its
// return; the table, the XY group and the count fields follow the source in use.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "window/configuration.h"
#include "window/groupeplan.h"
#include "window/interface.h"

void Interface::changerSource(SourceFantome nouvelle)
{
    if (nouvelle == session.source())
        return;
    session.changerSource(nouvelle); // the configuration shows its numbers, the table keeps the rows' choices
    montrerRampe(nouvelle == SourceFantome::Scanner);
    const bool plans = nouvelle == SourceFantome::Plans;
    // Another source gives its own counts, greyed: they are not the user's to change.
    for (QLineEdit *champ : {configuration->compte(0), configuration->compte(1), configuration->compte(2)})
        champ->setEnabled(plans);
    // The planes keep their pictures, greyed, their ticks following the
    // session; the XY group lends its picture to the other source, in
    // colour, and only its tick is greyed.
    for (GroupePlan *groupe : {planYZ, planXZ})
        groupe->setEnabled(plans);
    montrerSource();
}

// A source's box: ticked, that source in place of the planes or of the
// other source (whose box is unticked), and the status line describes it;
// unticked, the planes back, unless another source took its place.
void Interface::basculeSource(SourceFantome cochee, bool coche, QCheckBox *autre, const QString &description)
{
    if (!coche && session.source() != cochee)
        return;
    if (coche && autre->isChecked()) {
        const QSignalBlocker silence(autre);
        autre->setChecked(false);
    }
    changerSource(coche ? cochee : SourceFantome::Plans);
    etat->setText(coche ? description : retourAuxPlans());
}

// What the status line says when the planes come back.
QString Interface::retourAuxPlans() const
{
    const int n = int(session.niveaux().size());
    return tr("Plans : retour aux images, %n niveaux au tableau", nullptr, n);
}

// The levels of the table and the XY group's picture, from the source in use.
void Interface::montrerSource()
{
    switch (session.source()) {
    case SourceFantome::Plans: montrerPlans(); break;
    case SourceFantome::Volume: montrerVolume(); break;
    case SourceFantome::Scanner: montrerScanner(); break;
    }
}

void Interface::montrerPlans()
{
    session.montrerNiveaux(session.niveauxDesPlans().tous());
    planXY->reprendre();
}
