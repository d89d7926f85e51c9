#include "batch/avancement.h"

#include <QString>

#include <chrono>
#include <memory>
#include <ostream>

Progression avancementTerminal(std::ostream &flux, qint64 total)
{
    using Horloge = std::chrono::steady_clock;
    auto dernier = std::make_shared<Horloge::time_point>();
    return [&flux, total, dernier](qint64 octets) {
        const Horloge::time_point maintenant = Horloge::now();
        if (octets < total && maintenant - *dernier < std::chrono::milliseconds(100))
            return true;
        *dernier = maintenant;
        const qint64 pourcent = total > 0 ? octets * 100 / total : 100;
        // Carriage return, the line, then "erase to the end of the line".
        const QByteArray ligne = QString("\rÉcriture : %1 % (%2 Mo sur %3 Mo)\033[K")
                                     .arg(pourcent, 3)
                                     .arg(octets / 1000000)
                                     .arg(total / 1000000)
                                     .toUtf8();
        flux.write(ligne.constData(), ligne.size());
        flux.flush();
        return true;
    };
}

void effacerAvancement(std::ostream &flux)
{
    flux << "\r\033[K";
    flux.flush();
}
