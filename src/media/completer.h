#ifndef QUARVEL_COMPLETER_H
#define QUARVEL_COMPLETER_H

#include <QList>
#include <QMap>

#include "media/tablegris.h"

// For each level of niveaux that choisis does not hold, the choice of the
// nearest level that it holds; of two as near, the lower level's. Edge
// levels of a picture's shapes thus take the medium of the shape they
// border. Empty when choisis is.
QMap<int, ChoixNiveau> completerChoix(const QList<int> &niveaux, const QMap<int, ChoixNiveau> &choisis);

#endif
