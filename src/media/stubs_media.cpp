// Placeholder bodies until the media catalogue is built.
#include "window/interface.h"

void Interface::selectMat() {}
void Interface::analyseFichierPegs() {}
void Interface::evalue() {}
