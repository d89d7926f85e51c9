// Placeholder bodies until the media catalogue is built.
#include "window/interface.h"

void Interface::evalue() {}
