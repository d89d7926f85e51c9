#include "streams/decompression.h"

#include <QCoreApplication>
#include <QIODevice>

#include <isa-l/igzip_lib.h>

#include <vector>

namespace {

class SourceGzip : public Source
{
public:
    explicit SourceGzip(QIODevice &fichier) : fichier(fichier), entree(1 << 20)
    {
        isal_inflate_init(&etat);
        etat.crc_flag = ISAL_GZIP;
    }

    qint64 lire(char *destination, qint64 n, QString *erreur) override
    {
        etat.next_out = reinterpret_cast<uint8_t *>(destination);
        etat.avail_out = uint32_t(std::min<qint64>(n, 1 << 30));
        while (etat.avail_out > 0) {
            if (etat.block_state == ISAL_BLOCK_FINISH) {
                // A member ends here; another may follow, as gzip allows.
                if (etat.avail_in == 0 && !remplir(erreur))
                    return -1;
                if (etat.avail_in == 0)
                    break;
                membreCommence = false;
                uint8_t *suite = etat.next_in;
                const uint32_t reste = etat.avail_in;
                isal_inflate_reset(&etat);
                etat.crc_flag = ISAL_GZIP;
                etat.next_in = suite;
                etat.avail_in = reste;
            }
            if (etat.avail_in == 0) {
                if (!remplir(erreur))
                    return -1;
                if (etat.avail_in == 0) {
                    if (membreCommence || etat.total_out > 0) {
                        *erreur = QCoreApplication::translate("streams", "fichier compressé tronqué");
                        return -1;
                    }
                    break;
                }
            }
            membreCommence = true;
            const uint8_t *avant = etat.next_out;
            const uint8_t *entreeAvant = etat.next_in;
            if (isal_inflate(&etat) != ISAL_DECOMP_OK) {
                *erreur = QCoreApplication::translate("streams", "données compressées invalides");
                return -1;
            }
            if (etat.next_out == avant && etat.next_in == entreeAvant && etat.block_state != ISAL_BLOCK_FINISH
                && etat.avail_in > 0) {
                *erreur = QCoreApplication::translate("streams", "données compressées invalides");
                return -1;
            }
        }
        return etat.next_out - reinterpret_cast<uint8_t *>(destination);
    }

private:
    bool remplir(QString *erreur)
    {
        const qint64 lu = fichier.read(entree.data(), qint64(entree.size()));
        if (lu < 0) {
            *erreur = QCoreApplication::translate("streams", "erreur de lecture : %1").arg(fichier.errorString());
            return false;
        }
        etat.next_in = reinterpret_cast<uint8_t *>(entree.data());
        etat.avail_in = uint32_t(lu);
        return true;
    }

    QIODevice &fichier;
    std::vector<char> entree;
    inflate_state etat;
    bool membreCommence = false;
};

} // namespace

bool commenceCommeGzip(const char *debut, qint64 n)
{
    return n >= 2 && quint8(debut[0]) == 0x1f && quint8(debut[1]) == 0x8b;
}

qint64 texteMaxGzip(qint64 octetsCompresses)
{
    return octetsCompresses * 1032 + 1024;
}

std::unique_ptr<Source> sourceGzip(QIODevice &fichier)
{
    return std::make_unique<SourceGzip>(fichier);
}
