#include "media/materiaux.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

#include "media/nom.h"
#include "model/ligne.h"
#include "model/nombre.h"

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

QString refusChoix(int niveauGris, const QString &nom, const QString &texteDensite, double *densite)
{
    if (nom.trimmed().isEmpty())
        return QCoreApplication::translate("media", "Niveau de gris %1 : aucun milieu choisi").arg(niveauGris);
    if (const QString refus = refusNom(nom); !refus.isEmpty())
        return QCoreApplication::translate("media", "Niveau de gris %1 : %2").arg(niveauGris).arg(refus);
    double valeur = 0.0;
    if (!lireReel(texteDensite, valeur) || !(valeur > 0.0))
        return QCoreApplication::translate("media",
            "Niveau de gris %1 : densité « %2 » invalide").arg(niveauGris).arg(extrait(texteDensite));
    if (densite)
        *densite = valeur;
    return QString();
}

void placerFond(QList<Materiau> &materiaux, int niveauGris)
{
    const qsizetype k = materiaux.indexOf(Materiau(niveauGris, QString(), 0.0));
    if (k > 0)
        materiaux.move(k, 0);
}

std::vector<int> numerosMilieux(const QList<Materiau> &materiaux)
{
    std::vector<int> numeros;
    numeros.reserve(size_t(materiaux.size()));
    QHash<QString, int> connus;
    for (const Materiau &m : materiaux) {
        const QString nom = m.nom.trimmed();
        auto it = connus.constFind(nom);
        if (it == connus.constEnd())
            it = connus.insert(nom, int(connus.size()) + 1);
        numeros.push_back(*it);
    }
    return numeros;
}

int nombreMilieux(const QList<Materiau> &materiaux)
{
    const std::vector<int> numeros = numerosMilieux(materiaux);
    return numeros.empty() ? 0 : *std::max_element(numeros.begin(), numeros.end());
}

QString resumeMateriaux(const QList<Materiau> &materiaux)
{
    QString resume = "Matiere =" + QString::number(materiaux.size()) + " ";
    for (const Materiau &m : materiaux)
        resume += extrait(m.nom) + " ";
    return resume;
}
