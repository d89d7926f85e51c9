#include "images/chargement.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <cstring>

#include "io/silence.h"
#include "model/ligne.h"

namespace {

// More bytes than Qt's readers allow themselves: the image is made here,
// before the reader could refuse it, so the same limit is kept.
bool tropGrande(QSize taille, QImage::Format format)
{
    const qint64 limite = qint64(QImageReader::allocationLimit()) << 20;
    const qint64 octets = qint64(taille.width()) * taille.height() * QImage::toPixelFormat(format).bitsPerPixel() / 8;
    return limite > 0 && octets > limite;
}

// Decodes the picture into an image of its size and format whose bytes were
// all set to octet first. Qt's readers decode into an image handed to them
// when its size and format fit, and leave the pixels they cannot decode (a
// file cut short, RLE skips, odd palettes or masks) as they found them.
QImage decoder(const QString &chemin, QSize taille, QImage::Format format, uchar octet)
{
    if (tropGrande(taille, format))
        return QImage();
    QImage image(taille, format);
    if (image.isNull())
        return image;
    std::memset(image.bits(), octet, size_t(image.sizeInBytes()));
    QImageReader lecteur(chemin);
    return lecteur.read(&image) ? image : QImage();
}

// Same palette and same pixel bits. Compared byte by byte rather than with
// QImage's ==, which looks palette entries up by index and would read past
// the palette for an index the file never set.
bool memesPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.format() != b.format() || a.colorTable() != b.colorTable())
        return false;
    const qsizetype bits = qsizetype(a.width()) * a.depth();
    const size_t octets = size_t(bits / 8);
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), octets) != 0)
            return false;
        // One-bit pictures: the pixels of a last, partly used byte.
        for (int x = int(qsizetype(octets) * 8 / a.depth()); x < a.width(); ++x)
            if (a.pixelIndex(x, y) != b.pixelIndex(x, y))
                return false;
    }
    return true;
}

} // namespace

QImage chargerImage(const QString &chemin, QString *erreur)
{
    const QString affiche = extrait(chemin);
    const QFileInfo info(chemin);
    QImage image;
    QString raison;
    if (info.exists() && !info.isFile()) {
        // A pipe would block the reader, a device might never end.
        raison = QCoreApplication::translate("images",
            "Image refusée : \"%1\" n'est pas un fichier ordinaire").arg(affiche);
    } else {
        // libpng says "libpng error" on stderr of a damaged file; the line below says it in French.
        SansErreursStandard silence;
        QImageReader lecteur(chemin);
        QSize taille = lecteur.size();
        QImage::Format format = lecteur.imageFormat();
        if (!taille.isValid() || format == QImage::Format_Invalid) {
            // The header does not tell: one plain decoding tells.
            const QImage essai = lecteur.read();
            taille = essai.size();
            format = essai.format();
        }
        image = decoder(chemin, taille, format, 0x00);
        if (!image.isNull() && (image.size() != taille || image.format() != format)) {
            // The reader made an image of its own, whose bytes nobody set: once
            // more, into one of the size and format it really gives.
            taille = image.size();
            format = image.format();
            image = decoder(chemin, taille, format, 0x00);
        }
        if (image.isNull() && tropGrande(taille, format)) {
            raison = QCoreApplication::translate("images",
                "Image trop grande : \"%1\" annonce %2 × %3 pixels").arg(affiche).arg(taille.width()).arg(taille.height());
        } else if (image.isNull()) {
            raison = info.isFile()
                         ? QCoreApplication::translate("images",
                             "Image illisible (format inconnu ou fichier abîmé) : \"%1\"").arg(affiche)
                         : QCoreApplication::translate("images", "Image introuvable : \"%1\"").arg(affiche);
        } else if (!memesPixels(decoder(chemin, taille, format, 0xff), image)) {
            // Only the pixels the reader never wrote can differ between the two.
            raison = QCoreApplication::translate("images",
                "Fichier \"%1\" : image incomplète ou corrompue").arg(affiche);
            image = QImage();
        }
    }
    if (erreur && !raison.isEmpty())
        *erreur = raison;
    return raison.isEmpty() ? image : QImage();
}

QString filtreImagesLisibles()
{
    QStringList motifs;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        motifs << "*." + QString::fromLatin1(format);
    return QCoreApplication::translate("images", "Toutes les images lisibles (%1)").arg(motifs.join(' '));
}
