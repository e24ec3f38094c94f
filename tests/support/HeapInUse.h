// The bytes the program holds on the heap now, for runs that must not grow:
// under AddressSanitizer its own allocator answers, otherwise glibc's.
#pragma once

#include <cstddef>

#include "support/Sanitized.h"

#if defined(TERVAN_SANITIZED)
#include <sanitizer/allocator_interface.h>
#else
#include <malloc.h>
#endif

inline std::size_t HeapInUse()
{
#if defined(TERVAN_SANITIZED)
    return __sanitizer_get_current_allocated_bytes();
#else
    // Small blocks from the arenas, large ones mapped on their own.
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}
