#include "session/session.h"

void Session::changerSource(SourceFantome nouvelle)
{
    if (nouvelle == enCours)
        return;
    enCours = nouvelle;
    emit sourceChangee(nouvelle);
}
