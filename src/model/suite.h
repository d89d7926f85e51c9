#ifndef QUARVEL_SUITE_H
#define QUARVEL_SUITE_H

#include <QtEndian>
#include <QtGlobal>
#include <cstring>

// How many items from v[0] on (n at most) hold the same bytes as v[0],
// eight bytes compared at a time: grids and label volumes are mostly long
// runs of one value, each worth one step rather than one per voxel.
template <typename T>
qint64 longueurSuite(const T *v, qint64 n)
{
    static_assert(8 % sizeof(T) == 0, "whole items in a 64-bit word");
    constexpr qint64 parMot = qint64(8 / sizeof(T));
    unsigned char octets[8];
    for (size_t octet = 0; octet < 8; octet += sizeof(T))
        std::memcpy(octets + octet, v, sizeof(T));
    // Read so that the first item is the low byte, on any machine.
    const quint64 motif = qFromLittleEndian<quint64>(octets);
    qint64 i = 0;
    for (; i + parMot <= n; i += parMot)
        if (const quint64 ecart = qFromLittleEndian<quint64>(v + i) ^ motif)
            return i + qint64(qCountTrailingZeroBits(ecart) / 8 / sizeof(T));
    while (i < n && std::memcmp(v + i, v, sizeof(T)) == 0)
        ++i;
    return i;
}

#endif
