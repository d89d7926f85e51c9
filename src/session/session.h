#ifndef QUARVEL_SESSION_H
#define QUARVEL_SESSION_H

#include <QObject>

#include "session/choix.h"

// Where the phantom's voxels come from: the three planes' pictures, or a
// label volume or a CT series in their place.
enum class SourceFantome { Plans, Volume, Scanner };

// What a session is, without its widgets: the source in use and each
// source's own table of choices. Switching sources switches tables: no
// choice passes from one source to another.
class Session : public QObject
{
    Q_OBJECT

public:
    SourceFantome source() const { return enCours; }
    void changerSource(SourceFantome nouvelle);

    // The choices of the source in use.
    ChoixNiveaux &choix() { return choixSources[int(enCours)]; }
    const ChoixNiveaux &choix() const { return choixSources[int(enCours)]; }

signals:
    void sourceChangee(SourceFantome source);

private:
    SourceFantome enCours = SourceFantome::Plans;
    ChoixNiveaux choixSources[3]; // by source, in the order of SourceFantome
};

#endif
