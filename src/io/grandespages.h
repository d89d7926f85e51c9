#ifndef QUARVEL_GRANDESPAGES_H
#define QUARVEL_GRANDESPAGES_H

#include <cstddef>

// Asks for 2 MB pages over a large block before it is first touched: filling
// it then costs a few hundred page faults instead of one per 4 KB. Only the
// whole 2 MB pages inside the block are asked; nothing where the system has none.
void demanderGrandesPages(void *debut, size_t taille);

#endif
