#ifndef QUARVEL_SUIVI_H
#define QUARVEL_SUIVI_H

#include <QWidget>
#include <functional>

#include "egsphant/egsphant.h"

class QProgressBar;
class QPushButton;

// Under the status line while a long write runs: its progress and the
// button that stops it; hidden the rest of the time.
class SuiviEcriture : public QWidget
{
    Q_OBJECT

public:
    explicit SuiviEcriture(QWidget *parent = nullptr);

    // A write runs here on a second thread while the window keeps
    // repainting and this shows how much of total bytes has gone, ten times
    // a second. "Annuler", Escape, or closing fenetre once the user
    // confirms, stops it; *annulee then says so. The result is ecrire's.
    bool ecrire(QWidget *fenetre, qint64 total, const std::function<bool(const Progression &)> &ecrire,
                bool *annulee);

private:
    QProgressBar *barre;
    QPushButton *annuler;
};

#endif
