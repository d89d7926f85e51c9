#ifndef QUARVEL_IMAGEPLAN_H
#define QUARVEL_IMAGEPLAN_H

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QPolygonF>

// A line drawn over a picture, in its pixels: a region's contour.
struct TraceImage
{
    QColor couleur;
    QPolygonF points;
};

// A plane group's picture: it fills the room the window gives it, at least
// a coteApercu box, its ratio kept and its pixels sharp. Its size hint is
// that least box, so that a picture never pushes the window wider.
class ImagePlan : public QLabel
{
    Q_OBJECT

public:
    explicit ImagePlan(const QString &texte);

    // A null image brings back the plane's name; a new one has no box nor contours.
    void montrer(const QImage &image);
    const QImage &montree() const { return image; }
    // A box drawn over the picture shown, in its pixels; a null one: none.
    void montrerCadre(const QRect &pixels);
    const QRect &cadreMontre() const { return cadre; }
    // Closed contours drawn over it, in its pixels.
    void montrerContours(const QList<TraceImage> &traces);
    const QList<TraceImage> &contoursMontres() const { return contours; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The wheel turned over the picture: +1 a notch away from the user, -1 towards.
    void molette(int crans);

protected:
    void resizeEvent(QResizeEvent *evenement) override;
    void wheelEvent(QWheelEvent *evenement) override;

private:
    void ajuster();

    QImage image;
    QRect cadre;
    QList<TraceImage> contours;
    QString nom;
    int angle = 0; // eighths of a degree not yet a whole notch, as touchpads send
};

#endif
