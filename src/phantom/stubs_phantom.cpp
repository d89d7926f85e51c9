// Placeholder bodies until the phantom build is written.
#include "window/interface.h"

bool Interface::constructionEgsphant(QString nomFich) { Q_UNUSED(nomFich); return false; }
