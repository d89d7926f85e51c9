#include "images/apercu.h"

#include <QPainter>
#include <algorithm>

QImage encadrer(QImage image)
{
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    QPainter peintre(&image);
    peintre.setPen(QColor(64, 64, 64));
    peintre.drawRect(0, 0, image.width() - 1, image.height() - 1);
    peintre.setPen(Qt::white);
    peintre.drawRect(1, 1, image.width() - 3, image.height() - 3);
    return image;
}

QPixmap apercuPlan(const QImage &image, int cote)
{
    if (image.isNull() || cote < 1)
        return QPixmap();
    const int grandCote = std::max(image.width(), image.height());
    // A sliver keeps at least one pixel across, however long it is.
    const double facteur = grandCote <= cote ? double(cote / grandCote) : double(cote) / grandCote;
    const int largeur = std::max(1, int(image.width() * facteur + 0.5));
    const int hauteur = std::max(1, int(image.height() * facteur + 0.5));
    const QImage reduite = image.scaled(largeur, hauteur, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage cadre(reduite.width() + 2 * cadreApercu, reduite.height() + 2 * cadreApercu, QImage::Format_RGB32);
    {
        QPainter peintre(&cadre);
        peintre.drawImage(cadreApercu, cadreApercu, reduite);
    }
    return QPixmap::fromImage(encadrer(cadre));
}
