// A dose over a phantom: the same grid, within the precision each writes.
#include "dose/superposition.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "dose/dose.h"
#include "egsphant/lecture.h"

QString refusSuperposition(const Dose &dose, const Fantome &fantome)
{
    for (int a = 0; a < 3; ++a) {
        const char axe = "XYZ"[a];
        if (dose.dim[a] != fantome.dim[a])
            return QCoreApplication::translate("dose", "la dose a %1 voxels selon %2, le fantôme %3")
                .arg(dose.dim[a])
                .arg(axe)
                .arg(fantome.dim[a]);
        for (size_t i = 0; i < dose.bornes[a].size(); ++i) {
            const double d = dose.bornes[a][i], f = fantome.bornes[a][i];
            if (!(std::fabs(d - f) <= std::max(1e-4, 1e-5 * std::max(std::fabs(d), std::fabs(f)))))
                return QCoreApplication::translate("dose",
                    "la limite %1 des voxels selon %2 est %3 cm dans la dose, %4 cm dans le fantôme")
                    .arg(i + 1)
                    .arg(axe)
                    .arg(d)
                    .arg(f);
        }
    }
    return {};
}

Fantome grilleVide(const Dose &dose)
{
    Fantome f;
    f.noms << "VIDE";
    f.densites.push_back(0.0);
    for (int a = 0; a < 3; ++a) {
        f.dim[a] = dose.dim[a];
        f.bornes[a] = dose.bornes[a];
    }
    const qint64 voxels = f.nombreVoxels();
    f.milieux.reset(static_cast<quint8 *>(std::calloc(size_t(std::max<qint64>(voxels, 1)), 1)));
    f.densitesVoxels.reset(std::calloc(size_t(std::max<qint64>(voxels, 1)), sizeof(quint16)));
    f.valeursDensite.push_back(0.0);
    if (!f.milieux || !f.densitesVoxels)
        throw std::bad_alloc();
    return f;
}
