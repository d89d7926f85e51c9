#include "volume/fluxzlib.h"

#include <QFile>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <vector>

namespace {

// Reverses each number's bytes.
void retourner(char *voxels, qint64 octets, int octetsParValeur)
{
    for (qint64 i = 0; i + octetsParValeur <= octets; i += octetsParValeur)
        std::reverse(voxels + i, voxels + i + octetsParValeur);
}

} // namespace

bool inflerFlux(const FluxZlib &flux, char *voxels, qint64 octets, int octetsParValeur)
{
    QFile fichier(flux.fichier);
    if (!fichier.open(QIODevice::ReadOnly) || !fichier.seek(flux.debut))
        return false;
    z_stream z{};
    if (inflateInit2(&z, 15 + 32) != Z_OK)
        return false;
    std::vector<char> entree(1 << 18);
    qint64 restant = flux.longueur, ecrits = 0;
    int etat = Z_OK;
    bool tropLong = false;
    while (etat == Z_OK) {
        if (z.avail_in == 0) {
            const qint64 lus = fichier.read(entree.data(), std::min<qint64>(restant, qint64(entree.size())));
            if (lus <= 0)
                break;
            restant -= lus;
            z.next_in = reinterpret_cast<Bytef *>(entree.data());
            z.avail_in = uInt(lus);
        }
        // One byte of room past the voxels: a stream that fills it is too long.
        char trop;
        const bool plein = ecrits == octets;
        z.next_out = reinterpret_cast<Bytef *>(plein ? &trop : voxels + ecrits);
        z.avail_out = plein ? 1 : uInt(std::min<qint64>(octets - ecrits, 1 << 30));
        const uInt avant = z.avail_out;
        etat = inflate(&z, Z_NO_FLUSH);
        if (plein && z.avail_out == 0) {
            tropLong = true;
            break;
        }
        if (!plein)
            ecrits += avant - z.avail_out;
        if (etat == Z_BUF_ERROR && z.avail_in == 0)
            etat = Z_OK;
    }
    inflateEnd(&z);
    if (etat != Z_STREAM_END || ecrits != octets || tropLong)
        return false;
    if (flux.grosBoutiste != (QSysInfo::ByteOrder == QSysInfo::BigEndian) && octetsParValeur > 1)
        retourner(voxels, octets, octetsParValeur);
    return true;
}
