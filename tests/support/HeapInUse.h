// The bytes the program holds on the heap now, for runs that must not grow:
// under AddressSanitizer its own allocator answers, otherwise the C
// library's.
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
#elif defined(__EMSCRIPTEN__)
    // One linear memory, no blocks mapped apart.
    return static_cast<std::size_t>(mallinfo().uordblks);
#else
    // Small blocks from the arenas, large ones mapped on their own.
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}
