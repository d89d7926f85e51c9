#ifndef QUARVEL_APERCU_H
#define QUARVEL_APERCU_H

#include <QImage>
#include <QPixmap>

// Side of the least box that a plane's picture is shown in, in screen pixels.
constexpr int coteApercu = 200;

// Width of the frame drawn around pictures and swatches: a dark line
// outside, a white one inside, so that white, black and grey all show.
constexpr int cadreApercu = 2;

// The picture scaled to fit cote on its long side, its ratio kept and its
// pixels sharp (a small picture grows by a whole factor, so every pixel
// stays a square), framed.
QPixmap apercuPlan(const QImage &image, int cote = coteApercu);

// The image with the frame drawn over its outer pixels.
QImage encadrer(QImage image);

#endif
