#ifndef QUARVEL_GROUPEPLAN_H
#define QUARVEL_GROUPEPLAN_H

#include <QGroupBox>
#include <QImage>

#include "phantom/construction.h"

class ImagePlan;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Session;

// A plane group: its tick above the picture, which takes the room the
// window gives, and the picture's size in pixels below. Its path field and
// the button that chooses the picture stand in the configuration's rows.
// Another source may lend the group its picture for a while: the plane's
// own comes back with the planes. Its picture, path and tick follow the
// session's plane.
class GroupePlan : public QGroupBox
{
    Q_OBJECT

public:
    // nom: "XY", "YZ" or "XZ", the empty picture's text and the button's;
    // vide: the path field's text until a picture is chosen.
    GroupePlan(const QString &titre, const QString &vide, const QString &nom, QWidget *parent = nullptr);

    // From now on the group shows the session's plane: its picture and path
    // as chosen, its tick while the planes are the source (another source
    // unticks it and greys it, the session keeping the tick for their return).
    void suivre(const Session &session, PlanImage plan);

    // The plane's own picture, with its size under it.
    void montrer(const QImage &image);
    // Another source's picture and caption in place of the plane's, until reprendre().
    void preter(const QImage &image, const QString &legende);
    void reprendre();

    // Under the picture's size, a widget of the source that lends its picture.
    void placerSous(QWidget *widget);

    QCheckBox *choix() const { return coche; }
    ImagePlan *image() const { return info; }
    QLabel *legende() const { return taille; }
    QLineEdit *fichier() const { return chemin; }
    QPushButton *bouton() const { return choisir; }

private:
    void suivrePlan(const Session &session, PlanImage plan);
    void suivreSource(const Session &session, PlanImage plan);

    QCheckBox *coche;
    ImagePlan *info;
    QLabel *taille;
    QLineEdit *chemin;
    QPushButton *choisir;
    QImage propre; // the plane's own picture, while another source lends its own
    QString legendePropre;
};

#endif
