// The "Egsphant" button: the table's current choices become the media
// records, then the phantom is built and written.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <iostream>

#include "media/materiaux.h"
#include "window/interface.h"

void Interface::evalue()
{
    for (int i = 0; i < tableMateriaux->rowCount(); ++i) {
        const LigneTable &ligne = lignesTable->at(i);
        const QString nom = ligne.comboNom->currentText();
        const QByteArray trace = nom.toLatin1() + '\n';
        std::cout.write(trace.constData(), trace.size());
        enregistrerChoix(materiaux, niveauxGris.at(i), nom, ligne.comboDensite->currentText().toDouble());
    }
    etat->setText(resumeMateriaux(materiaux));
    constructionEgsphant(fichierEgsphant->text());
}
