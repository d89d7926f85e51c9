// The "Egsphant" button: the table's current choices become the media
// records, then the phantom is built and written.
#include <QComboBox>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <QCheckBox>

#include <iostream>

#include "media/materiaux.h"
#include "model/nombre.h"
#include "session/construction.h"
#include "window/configuration.h"
#include "window/interface.h"
#include "window/tablemateriaux.h"

void Interface::evalue()
{
    // The button is disabled during a build; a call made all the same is ignored.
    if (constructionEnCours)
        return;
    // A CT takes its media from the ramp table, not from these rows.
    if (session.source() == SourceFantome::Scanner) {
        constructionEgsphant(configuration->fichierEgsphant()->text());
        return;
    }
    // The records follow the table's rows as they stand, whatever was chosen
    // before, so the same choices number the media as the batch command does.
    QList<LigneNiveau> lignes;
    int fond = -1;
    for (int i = 0; i < tableMateriaux->lignes().size(); ++i) {
        const LigneTable &ligne = tableMateriaux->lignes().at(i);
        const int niveau = niveauxGris.at(i);
        const QString nom = ligne.comboNom->currentText();
        const QByteArray trace = nom.toLatin1() + '\n';
        std::cout.write(trace.constData(), trace.size());
        // "1,92" is 1.92, as in the size fields; any other text is refused as typed.
        lignes << LigneNiveau{niveau, {nom, avecPointDecimal(ligne.comboDensite->currentText())}};
        if (fond < 0 && ligne.choixFond && ligne.choixFond->isChecked())
            fond = niveau;
    }
    QList<Materiau> choix;
    QString refus = materiauxLignes(lignes, fond, choix);
    // Rows follow the pictures chosen, ticked or not; the background must be
    // a level that the ticked ones hold, or it would fill the phantom unseen.
    if (refus.isEmpty())
        refus = refusFond(fond, niveauxCoches());
    if (!refus.isEmpty()) {
        etat->setText(refus);
        return;
    }
    materiaux = choix;
    etat->setText(resumeMateriaux(materiaux));
    constructionEgsphant(configuration->fichierEgsphant()->text());
}
