#ifndef QUARVEL_IMAGEPLAN_H
#define QUARVEL_IMAGEPLAN_H

#include <QImage>
#include <QLabel>

// A plane group's picture: it fills the room the window gives it, at least
// a coteApercu box, its ratio kept and its pixels sharp. Its size hint is
// that least box, so that a picture never pushes the window wider.
class ImagePlan : public QLabel
{
public:
    explicit ImagePlan(const QString &texte);

    // A null image brings back the plane's name; a new one has no box.
    void montrer(const QImage &image);
    const QImage &montree() const { return image; }
    // A box drawn over the picture shown, in its pixels; a null one: none.
    void montrerCadre(const QRect &pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *evenement) override;

private:
    void ajuster();

    QImage image;
    QRect cadre;
    QString nom;
};

#endif
