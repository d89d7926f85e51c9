#ifndef QUARVEL_DENSITE_H
#define QUARVEL_DENSITE_H

#include <QString>

// A catalogue density as the material table offers it: six significant
// digits. The build reads the density back from this text, so it is also
// the precision with which a catalogue density reaches the phantom.
inline QString texteDensite(double densite)
{
    return QString::number(densite, 'g', 6);
}

#endif
