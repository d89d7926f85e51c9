#include "io/grandespages.h"

#include <cstdint>
#include <sys/mman.h>

void demanderGrandesPages(void *debut, size_t taille)
{
#ifdef MADV_HUGEPAGE
    const uintptr_t page = uintptr_t(2) << 20;
    const uintptr_t a = (reinterpret_cast<uintptr_t>(debut) + page - 1) / page * page;
    const uintptr_t b = (reinterpret_cast<uintptr_t>(debut) + taille) / page * page;
    if (b > a)
        madvise(reinterpret_cast<void *>(a), b - a, MADV_HUGEPAGE);
#else
    (void)debut;
    (void)taille;
#endif
}
