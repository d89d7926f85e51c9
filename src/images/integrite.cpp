#include "images/integrite.h"

#include <QFile>
#include <QtEndian>

#include <cstdlib>

TailleBmp tailleBmp(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    const QByteArray entete = fichier.read(54);
    const auto u16 = [&entete](int i) { return qFromLittleEndian<quint16>(entete.constData() + i); };
    const auto u32 = [&entete](int i) { return qFromLittleEndian<quint32>(entete.constData() + i); };
    if (entete.size() < 26 || !entete.startsWith("BM"))
        return {};
    const qint64 debutPixels = u32(10);
    qint64 largeur, hauteur, bits, compression = 0;
    if (u32(14) == 12) { // OS/2 header
        largeur = u16(18);
        hauteur = u16(20);
        bits = u16(24);
    } else if (entete.size() >= 34) {
        largeur = qint32(u32(18));
        hauteur = std::llabs(qint32(u32(22))); // negative: rows stored top down
        bits = u16(28);
        compression = u32(30);
    } else {
        return {};
    }
    // RLE data has no size known in advance; 3 and 6 are uncompressed bit fields.
    if ((compression != 0 && compression != 3 && compression != 6) || largeur <= 0 || hauteur <= 0 || bits <= 0 || bits > 64)
        return {};
    const qint64 pasLigne = (largeur * bits + 31) / 32 * 4;
    const qint64 derniereLigne = (largeur * bits + 7) / 8; // the last row may go unpadded
    return {debutPixels + pasLigne * (hauteur - 1) + derniereLigne, fichier.size()};
}
