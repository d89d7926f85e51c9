#include "window/imageplan.h"

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
    if (image.isNull())
        setText(nom);
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

void ImagePlan::ajuster()
{
    if (image.isNull())
        return;
    const int cote = std::min(width(), height()) - 2 * cadreApercu;
    setPixmap(apercuPlan(image, std::max(cote, coteApercu)));
}
