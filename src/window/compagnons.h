#ifndef QUARVEL_FENETRE_COMPAGNONS_H
#define QUARVEL_FENETRE_COMPAGNONS_H

#include <QDialog>

#include "companions/dosxyz.h"

class QComboBox;
class QLineEdit;

// The small form of a DOSXYZnrc run, asked once the input's file is chosen.
// Its fields start with the batch command's defaults; the title left empty
// is made from the phantom's name.
class FormulaireDosxyz : public QDialog
{
    Q_OBJECT

public:
    explicit FormulaireDosxyz(QWidget *parent = nullptr);
    ChoixDosxyz choix() const;

    QLineEdit *titre;
    QComboBox *particule;
    QLineEdit *energie;
    QLineEdit *histoires;
    QLineEdit *graines;
};

#endif
