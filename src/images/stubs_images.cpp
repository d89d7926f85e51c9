// Placeholder bodies until the plane images are built.
#include "window/interface.h"

void Interface::selectXY() {}
void Interface::selectYZ() {}
void Interface::selectXZ() {}
bool Interface::validationImage() { return false; }
