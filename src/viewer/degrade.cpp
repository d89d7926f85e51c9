#include "viewer/degrade.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

QLabel *degrade(QRgb (*couleur)(double), int hauteur)
{
    QImage image(256, 1, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        image.setPixel(i, 0, couleur(i / 255.0));
    auto *label = new QLabel;
    label->setPixmap(QPixmap::fromImage(image.scaled(256, hauteur)));
    label->setScaledContents(true);
    label->setFixedHeight(hauteur);
    label->setMinimumWidth(64);
    return label;
}
