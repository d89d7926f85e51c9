#include "images/inventaire.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "model/niveaugris.h"

namespace {

// Produces one row of grey levels at a time, each equal to what
// niveauGrisPixel(image.pixel(x, y)) gives. 32-bit RGB, 8-bit grey and
// palette pictures are read in place; any other format is converted to 32
// bits band by band through a read-only view, so a huge picture never gets a
// whole converted copy.
class LecteurGris
{
public:
    explicit LecteurGris(const QImage &image)
        : image_(image), largeur_(image.width())
    {
        switch (image.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            mode_ = Mode::Direct32;
            break;
        case QImage::Format_Grayscale8:
            mode_ = Mode::Gris8;
            break;
        case QImage::Format_Indexed8:
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB: {
            mode_ = image.format() == QImage::Format_Indexed8 ? Mode::Palette8
                    : image.format() == QImage::Format_Mono   ? Mode::Mono
                                                              : Mode::MonoLsb;
            // Indices beyond the colour table read as 0, as QImage::pixel gives them.
            const QList<QRgb> couleurs = image.colorTable();
            for (int i = 0; i < couleurs.size() && i < 256; ++i)
                palette_[i] = quint8(niveauGrisPixel(couleurs[i]));
            break;
        }
        default:
            // QImage::pixel gives premultiplied formats premultiplied, the
            // others straight; the band keeps the same convention.
            mode_ = Mode::Bandes;
            formatBande_ = image.pixelFormat().premultiplied() == QPixelFormat::Premultiplied
                               ? QImage::Format_ARGB32_Premultiplied
                               : QImage::Format_ARGB32;
            hauteurBande_ = std::max(1, (1 << 18) / std::max(1, largeur_));
            break;
        }
    }

    void ligne(int y, quint8 *gris)
    {
        const uchar *s = image_.constScanLine(y);
        switch (mode_) {
        case Mode::Direct32:
            convertir32(reinterpret_cast<const QRgb *>(s), gris);
            break;
        case Mode::Gris8:
            std::copy(s, s + largeur_, gris);
            break;
        case Mode::Palette8:
            for (int x = 0; x < largeur_; ++x)
                gris[x] = palette_[s[x]];
            break;
        case Mode::Mono:
            for (int x = 0; x < largeur_; ++x)
                gris[x] = palette_[(s[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case Mode::MonoLsb:
            for (int x = 0; x < largeur_; ++x)
                gris[x] = palette_[(s[x >> 3] >> (x & 7)) & 1];
            break;
        case Mode::Bandes:
            if (bande_.isNull() || y < debutBande_ || y >= debutBande_ + bande_.height()) {
                debutBande_ = y;
                const int h = std::min(hauteurBande_, image_.height() - y);
                const QImage vue(s, largeur_, h, image_.bytesPerLine(), image_.format());
                bande_ = vue.convertToFormat(formatBande_);
            }
            convertir32(reinterpret_cast<const QRgb *>(bande_.constScanLine(y - debutBande_)), gris);
            break;
        }
    }

private:
    enum class Mode { Direct32, Gris8, Palette8, Mono, MonoLsb, Bandes };

    void convertir32(const QRgb *p, quint8 *gris) const
    {
        for (int x = 0; x < largeur_; ++x)
            gris[x] = quint8(niveauGrisPixel(p[x]));
    }

    const QImage &image_;
    const int largeur_;
    Mode mode_ = Mode::Bandes;
    std::array<quint8, 256> palette_{};
    QImage bande_;
    QImage::Format formatBande_ = QImage::Format_ARGB32;
    int debutBande_ = 0;
    int hauteurBande_ = 1;
};

} // namespace

void ajouterNiveauxGris(const QImage &image, QVector<int> &niveaux)
{
    std::array<bool, 256> vus{};
    if (!image.isNull()) {
        LecteurGris lecteur(image);
        std::vector<quint8> ligne(size_t(image.width()));
        for (int y = 0; y < image.height(); ++y) {
            lecteur.ligne(y, ligne.data());
            for (quint8 g : ligne)
                vus[g] = true;
        }
    }
    for (int g = 0; g < 256; ++g)
        if (vus[g])
            niveaux.append(g);
    std::sort(niveaux.begin(), niveaux.end(), std::greater<int>());
    niveaux.erase(std::unique(niveaux.begin(), niveaux.end()), niveaux.end());
}

void ajouterCouleursNiveaux(const QImage &image, QHash<int, QRgb> &couleurs)
{
    if (image.isNull() || couleurs.size() >= 256)
        return;
    LecteurGris lecteur(image);
    std::vector<quint8> ligne(size_t(image.width()));
    for (int y = 0; y < image.height(); ++y) {
        lecteur.ligne(y, ligne.data());
        for (int x = 0; x < image.width(); ++x)
            if (!couleurs.contains(ligne[size_t(x)]))
                couleurs.insert(ligne[size_t(x)], image.pixel(x, y) | 0xff000000u);
    }
}

QVector<quint8> planGris(const QImage &image)
{
    if (image.isNull())
        return {};
    const qsizetype largeur = image.width();
    QVector<quint8> gris(largeur * image.height());
    LecteurGris lecteur(image);
    for (int y = 0; y < image.height(); ++y)
        lecteur.ligne(y, gris.data() + y * largeur);
    return gris;
}
