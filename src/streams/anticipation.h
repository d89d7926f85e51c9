#ifndef QUARVEL_ANTICIPATION_H
#define QUARVEL_ANTICIPATION_H

#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "streams/source.h"

// Reads a source ahead on a second thread, block after block, so the disk
// (or the decompression) and the parse of the block before run together.
// Without a thread to be had, each block is read when asked for.
class LectureAnticipee
{
public:
    // Free room before each block, for the end of the block before it.
    static constexpr qint64 marge = 1 << 16;

    struct Bloc
    {
        char *debut = nullptr; // marge writable bytes lie before it
        qint64 taille = 0;     // 0 at the end of the source
        int indice = -1;
    };

    LectureAnticipee(Source &source, qint64 tailleBloc);
    ~LectureAnticipee();

    // The next block, or false with the source's reason in *erreur. The
    // caller hands each block back with rendre once done with it.
    bool suivant(Bloc &bloc, QString *erreur);
    void rendre(const Bloc &bloc);

private:
    struct Lu
    {
        int indice;
        qint64 taille;
        QString erreur;
    };

    void produire();
    Lu lire(int indice);

    Source &source;
    const qint64 tailleBloc;
    std::vector<std::vector<char>> tampons;
    std::mutex verrou;
    std::condition_variable signal;
    std::deque<int> libres;
    std::deque<Lu> prets;
    bool arret = false;
    bool termine = false; // the source has ended or failed
    std::thread fil;
};

#endif
