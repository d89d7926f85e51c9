#include "streams/anticipation.h"

#include <system_error>

LectureAnticipee::LectureAnticipee(Source &source, qint64 tailleBloc)
    : source(source), tailleBloc(tailleBloc), tampons(4, std::vector<char>(size_t(marge + tailleBloc)))
{
    for (int i = 0; i < int(tampons.size()); ++i)
        libres.push_back(i);
    try {
        fil = std::thread([this] { produire(); });
    } catch (const std::system_error &) {
        // no thread: suivant reads in place
    }
}

LectureAnticipee::~LectureAnticipee()
{
    {
        std::lock_guard<std::mutex> garde(verrou);
        arret = true;
    }
    signal.notify_all();
    if (fil.joinable())
        fil.join();
}

LectureAnticipee::Lu LectureAnticipee::lire(int indice)
{
    Lu lu{indice, 0, QString()};
    lu.taille = source.lire(tampons[size_t(indice)].data() + marge, tailleBloc, &lu.erreur);
    return lu;
}

void LectureAnticipee::produire()
{
    for (;;) {
        int indice;
        {
            std::unique_lock<std::mutex> garde(verrou);
            signal.wait(garde, [this] { return arret || !libres.empty(); });
            if (arret)
                return;
            indice = libres.front();
            libres.pop_front();
        }
        Lu lu = lire(indice);
        const bool fini = lu.taille <= 0;
        {
            std::lock_guard<std::mutex> garde(verrou);
            prets.push_back(std::move(lu));
        }
        signal.notify_all();
        if (fini)
            return;
    }
}

bool LectureAnticipee::suivant(Bloc &bloc, QString *erreur)
{
    Lu lu{-1, 0, QString()};
    if (!fil.joinable()) {
        if (termine || libres.empty()) {
            bloc = Bloc();
            return true;
        }
        lu = lire(libres.front());
        libres.pop_front();
    } else {
        std::unique_lock<std::mutex> garde(verrou);
        if (termine) {
            bloc = Bloc();
            return true;
        }
        signal.wait(garde, [this] { return !prets.empty(); });
        lu = std::move(prets.front());
        prets.pop_front();
    }
    if (lu.taille <= 0)
        termine = true;
    if (lu.taille < 0) {
        *erreur = lu.erreur;
        rendre({nullptr, 0, lu.indice});
        return false;
    }
    bloc = {tampons[size_t(lu.indice)].data() + marge, lu.taille, lu.indice};
    return true;
}

void LectureAnticipee::rendre(const Bloc &bloc)
{
    if (bloc.indice < 0)
        return;
    {
        std::lock_guard<std::mutex> garde(verrou);
        libres.push_back(bloc.indice);
    }
    signal.notify_all();
}
