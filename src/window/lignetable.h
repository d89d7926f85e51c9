#ifndef QUARVEL_LIGNETABLE_H
#define QUARVEL_LIGNETABLE_H

class QComboBox;
class QRadioButton;

// The choice widgets of one material-table row; the table owns them.
struct LigneTable
{
    QComboBox *comboNom = nullptr;
    QComboBox *comboDensite = nullptr;
    QRadioButton *choixFond = nullptr; // this row's medium fills the voxels that get no other
    int niveauGris = -1;               // the row's level, which a rebuild looks its choices up by
};

#endif
