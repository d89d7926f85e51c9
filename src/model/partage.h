#ifndef QUARVEL_PARTAGE_H
#define QUARVEL_PARTAGE_H

#include <QtGlobal>
#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

// A walk through a large grid or volume shared between the machine's cores.
// Each piece's result is merged by the caller in piece order, so the
// outcome is the same whatever the number of cores.

// How many pieces n items are worth: one below two million, where a
// thread would cost more than it saves.
inline int nombrePieces(qint64 n)
{
    constexpr qint64 parPieceMin = qint64(1) << 20;
    const qint64 coeurs = std::clamp<qint64>(std::thread::hardware_concurrency(), 1, 8);
    return int(std::clamp<qint64>(n / parPieceMin, 1, coeurs));
}

// Calls f(debut, fin, piece) for each of `pieces` consecutive ranges of
// [0, n), every piece but the last on a thread of its own.
template <typename F>
void enPieces(qint64 n, int pieces, F &&f)
{
    std::vector<std::thread> fils;
    const auto borne = [&](int p) { return n / pieces * p + std::min<qint64>(p, n % pieces); };
    for (int p = 0; p + 1 < pieces; ++p) {
        try {
            fils.emplace_back([&f, &borne, p] { f(borne(p), borne(p + 1), p); });
        } catch (const std::system_error &) {
            f(borne(p), borne(p + 1), p); // no thread to be had: this one does it
        }
    }
    f(borne(pieces - 1), n, pieces - 1);
    for (std::thread &fil : fils)
        fil.join();
}

#endif
