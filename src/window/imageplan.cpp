#include "window/imageplan.h"

#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "images/apercu.h"

namespace {

constexpr int coteMinimal = coteApercu + 2 * cadreApercu;

} // namespace

ImagePlan::ImagePlan(const QString &texte) : QLabel(texte), nom(texte)
{
    setAlignment(Qt::AlignCenter);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(coteMinimal, coteMinimal);
    // Until a layout places it, the least box, not a new window's size.
    resize(sizeHint());
}

void ImagePlan::montrer(const QImage &nouvelle)
{
    image = nouvelle;
    cadre = QRect();
    contours.clear();
    if (image.isNull())
        setText(nom);
    ajuster();
}

void ImagePlan::montrerCadre(const QRect &pixels)
{
    cadre = pixels;
    ajuster();
}

void ImagePlan::montrerContours(const QList<TraceImage> &traces)
{
    contours = traces;
    ajuster();
}

QSize ImagePlan::sizeHint() const
{
    return QSize(coteMinimal, coteMinimal);
}

QSize ImagePlan::minimumSizeHint() const
{
    return sizeHint();
}

void ImagePlan::resizeEvent(QResizeEvent *evenement)
{
    QLabel::resizeEvent(evenement);
    ajuster();
}

void ImagePlan::wheelEvent(QWheelEvent *evenement)
{
    if (image.isNull()) {
        QLabel::wheelEvent(evenement);
        return;
    }
    angle += evenement->angleDelta().y();
    const int crans = angle / QWheelEvent::DefaultDeltasPerStep;
    angle -= crans * QWheelEvent::DefaultDeltasPerStep;
    if (crans != 0)
        emit molette(crans);
    evenement->accept();
}

void ImagePlan::ajuster()
{
    if (image.isNull())
        return;
    const int cote = std::min(width(), height()) - 2 * cadreApercu;
    QPixmap apercu = apercuPlan(image, std::max(cote, coteApercu));
    if (!cadre.isNull() || !contours.isEmpty()) {
        // Drawn at the preview's scale, so that a reduced picture keeps its line.
        const double facteur = double(apercu.width() - 2 * cadreApercu) / image.width();
        QPainter peintre(&apercu);
        peintre.setRenderHint(QPainter::Antialiasing);
        const QTransform versApercu = QTransform::fromTranslate(cadreApercu, cadreApercu).scale(facteur, facteur);
        for (const TraceImage &trace : contours) {
            peintre.setPen(QPen(trace.couleur, 1.5));
            peintre.drawPolygon(versApercu.map(trace.points));
        }
        if (!cadre.isNull()) {
            peintre.setPen(QPen(QColor(255, 200, 0), 2));
            peintre.drawRect(QRectF(cadreApercu + cadre.x() * facteur, cadreApercu + cadre.y() * facteur,
                                    cadre.width() * facteur - 1, cadre.height() * facteur - 1));
        }
    }
    setPixmap(apercu);
}
