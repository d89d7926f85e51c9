#ifndef QUARVEL_VERSION_H
#define QUARVEL_VERSION_H

#include <cstring>
#include <iostream>

// --version anywhere on the line: the program's name, the project's and its
// version (set once, in the top CMakeLists.txt). Looked for in argv before
// Qt starts, so it answers on a node without a display.
inline bool afficherVersion(int argc, char **argv, const char *programme)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << programme << " (Quarvel Toolkit) " QUARVEL_VERSION "\n";
            return true;
        }
    }
    return false;
}

#endif
