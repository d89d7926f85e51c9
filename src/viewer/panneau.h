#ifndef QUARVEL_PANNEAU_H
#define QUARVEL_PANNEAU_H

#include <QByteArray>
#include <QWidget>

#include <functional>

class QHBoxLayout;
struct Dose;
struct Fantome;

// What the dose panels share: two buttons that save the panel as a CSV
// table or as a PNG picture of what it shows, whole or not at all.
class PanneauExportable : public QWidget
{
    Q_OBJECT

public:
    // Asks for the file to save: (parent, caption, start, filter) -> path, empty when cancelled.
    using Choix = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    PanneauExportable(const QString &nom, Choix choisir, QWidget *parent = nullptr);

    // Saves the table or the picture; the French line to show, either way.
    QString exporterCsv(const QString &chemin) const;
    QString exporterPng(const QString &chemin);

    // Told the line to show once a button's save is done.
    std::function<void(const QString &)> annonce;

protected:
    // The buttons, for the panel to lay out; the table's text, for the CSV.
    QHBoxLayout *barre;
    virtual QByteArray texteCsv() const = 0;

    // The dose shown over the phantom, or none; both outlive what is shown.
    // The dialogs start in dossier.
    void retenir(const Fantome *f, const Dose *d, const QString &dossierFichier);
    const Fantome *fantome = nullptr;
    const Dose *dose = nullptr;
    QString dossier;

private:
    void choisirEtExporter(bool csv);

    const QString nom;
    Choix choisir;
};

#endif
