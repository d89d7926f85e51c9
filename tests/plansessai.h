// Plane pictures for the tests, written as files.
#ifndef QUARVEL_TESTS_PLANSESSAI_H
#define QUARVEL_TESTS_PLANSESSAI_H

#include <QImage>
#include <QString>
#include <functional>

// A picture of w × h pixels whose grey level is gris(column, row).
inline bool ecrirePlan(const QString &chemin, int w, int h, const std::function<int(int, int)> &gris)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            image.setPixel(c, r, qRgb(gris(c, r), gris(c, r), gris(c, r)));
    return image.save(chemin);
}

#endif
