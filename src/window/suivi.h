#ifndef QUARVEL_SUIVI_H
#define QUARVEL_SUIVI_H

#include <functional>

#include "egsphant/egsphant.h"

class QProgressBar;
class QPushButton;
class QWidget;

// A write runs here on a second thread while the window keeps repainting and
// shows, in suivi, how much of total bytes has gone, ten times a second.
// annuler, Escape, or closing fenetre once the user confirms, stops it;
// *annulee then says so. The result is ecrire's.
bool ecrireEnSuivant(QWidget *fenetre, QWidget *suivi, QProgressBar *barre, QPushButton *annuler, qint64 total,
                     const std::function<bool(const Progression &)> &ecrire, bool *annulee);

#endif
