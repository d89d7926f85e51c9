#include "media/materiaux.h"

void enregistrerChoix(QList<Materiau> &materiaux, int niveauGris, const QString &nom, double densite)
{
    const Materiau choix(niveauGris, nom, densite);
    const qsizetype k = materiaux.indexOf(choix);
    if (k < 0) {
        materiaux.append(choix);
    } else {
        materiaux[k].nom = nom;
        materiaux[k].densite = densite;
    }
}

QString resumeMateriaux(const QList<Materiau> &materiaux)
{
    QString resume = "Matiere =" + QString::number(materiaux.size()) + " ";
    for (const Materiau &m : materiaux)
        resume += m.nom + " ";
    return resume;
}
