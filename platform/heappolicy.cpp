#include "heappolicy.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

bool HeapPolicy::apply()
{
#if defined(__GLIBC__) && defined(M_MMAP_THRESHOLD) && defined(M_ARENA_MAX)
    // Setting the threshold also stops the library from moving it (and the
    // trim threshold with it) as blocks are freed.
    const bool mapped = ::mallopt(M_MMAP_THRESHOLD, int(MappedFrom)) == 1;
    const bool arenas = ::mallopt(M_ARENA_MAX, Arenas) == 1;
    return mapped && arenas;
#else
    return false;
#endif
}

bool HeapPolicy::giveBack()
{
#if defined(__GLIBC__)
    return ::malloc_trim(0) == 1;
#else
    return false;
#endif
}
