#include "viewer/panneau.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QIODevice>
#include <QPixmap>
#include <QPushButton>

#include "io/fichierentier.h"
#include "model/ligne.h"

PanneauExportable::PanneauExportable(const QString &nom, Choix choisir, QWidget *parent)
    : QWidget(parent), nom(nom), choisir(std::move(choisir))
{
    auto *csv = new QPushButton(tr("Exporter CSV…"));
    auto *png = new QPushButton(tr("Exporter PNG…"));
    barre = new QHBoxLayout;
    barre->addStretch();
    barre->addWidget(csv);
    barre->addWidget(png);
    connect(csv, &QPushButton::clicked, this, [this] { choisirEtExporter(true); });
    connect(png, &QPushButton::clicked, this, [this] { choisirEtExporter(false); });
}

void PanneauExportable::retenir(const Fantome *f, const Dose *d, const QString &dossierFichier)
{
    fantome = f;
    dose = d;
    dossier = dossierFichier;
}

void PanneauExportable::choisirEtExporter(bool csv)
{
    const QString suffixe = csv ? ".csv" : ".png";
    QString chemin = choisir(this, tr("Exporter %1").arg(nom), dossier + '/' + nom.toLower() + suffixe,
                             csv ? tr("Tables CSV (*.csv)") : tr("Images PNG (*.png)"));
    if (chemin.isEmpty())
        return;
    if (QFileInfo(chemin).suffix().isEmpty())
        chemin += suffixe;
    const QString ligne = csv ? exporterCsv(chemin) : exporterPng(chemin);
    if (annonce)
        annonce(ligne);
}

QString PanneauExportable::exporterCsv(const QString &chemin) const
{
    const QByteArray texte = texteCsv();
    QString raison;
    if (!ecrireFichierEntier(chemin, [&](QIODevice &f) { return f.write(texte) == texte.size(); }, &raison))
        return tr("Table « %1 » non enregistrée : %2").arg(extrait(chemin), raison);
    return tr("%1 enregistrés dans « %2 »").arg(nom, extrait(chemin));
}

QString PanneauExportable::exporterPng(const QString &chemin)
{
    // The panel as shown, without its buttons.
    const QPixmap image = grab(QRect(QPoint(0, 0), QSize(width(), barre->geometry().top())));
    QString raison;
    if (!ecrireFichierEntier(chemin, [&](QIODevice &f) { return image.save(&f, "PNG"); }, &raison))
        return tr("Image « %1 » non enregistrée : %2").arg(extrait(chemin), raison);
    return tr("%1 enregistrés dans « %2 » (%3 × %4 pixels)")
        .arg(nom, extrait(chemin))
        .arg(image.width())
        .arg(image.height());
}
