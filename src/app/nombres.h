#ifndef QUARVEL_NOMBRES_H
#define QUARVEL_NOMBRES_H

#include <clocale>

// Qt sets the C library's locale from the environment when it starts, and
// the volume readers parse their headers' numbers with the C library: in a
// French session "1.5" would read as 1. Called right after Qt starts, before
// any file is read; Qt's own number formatting does not depend on it.
inline void nombresEnC()
{
    std::setlocale(LC_NUMERIC, "C");
}

#endif
