#include "batch/avancement.h"

#include <QCoreApplication>
#include <QString>

#include <chrono>
#include <future>
#include <memory>
#include <ostream>
#include <system_error>

Progression avancementTerminal(std::ostream &flux, const std::function<qint64()> &total)
{
    using Horloge = std::chrono::steady_clock;
    struct Etat
    {
        std::shared_future<qint64> total;
        Horloge::time_point dernier;
    };
    auto etat = std::make_shared<Etat>();
    try {
        etat->total = std::async(std::launch::async, total).share();
    } catch (const std::system_error &) {
        std::promise<qint64> calcule; // no thread to be had: count it here
        calcule.set_value(total());
        etat->total = calcule.get_future().share();
    }
    return [&flux, etat](qint64 octets) {
        const Horloge::time_point maintenant = Horloge::now();
        if (maintenant - etat->dernier < std::chrono::milliseconds(100))
            return true;
        etat->dernier = maintenant;
        // Carriage return, the line, then "erase to the end of the line".
        QString texte = "\r" + QCoreApplication::translate("batch", "Écriture : %1 Mo").arg(octets / 1000000);
        if (etat->total.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            const qint64 taille = etat->total.get();
            texte = "\r" + QCoreApplication::translate("batch", "Écriture : %1 % (%2 Mo sur %3 Mo)")
                        .arg(taille > 0 ? octets * 100 / taille : 100, 3)
                        .arg(octets / 1000000)
                        .arg(taille / 1000000);
        }
        const QByteArray ligne = (texte + "\033[K").toUtf8();
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
