#ifndef QUARVEL_LOT_H
#define QUARVEL_LOT_H

#include <QStringList>
#include <iosfwd>

// Exit statuses of the batch command.
constexpr int statutLotReussi = 0; // phantom written
constexpr int statutLotRefus = 1;  // a choice refused or a file unreadable/unwritable: nothing written
constexpr int statutLotUsage = 2;  // the command line itself is wrong

// Runs quarvel-phantom on its arguments (without the program name): builds
// the phantom with the same shared rules as the window's "Egsphant" button,
// so the same choices give the same file byte for byte. The summary line or
// the help goes to sortie, a refusal to erreurs (one French line). With
// avancement (stderr is a terminal), erreurs also shows the write's progress
// on one line rewritten in place.
int executerLot(const QStringList &arguments, std::ostream &sortie, std::ostream &erreurs, bool avancement = false);

// The --help text.
QString aideLot();

#endif
