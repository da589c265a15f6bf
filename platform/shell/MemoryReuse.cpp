#include "platform/shell/MemoryReuse.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace platform {

void keepFreedMemoryForReuse()
{
#if defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD)
    // Blocks below 32 MB (the most the allocator takes) come from the heap
    // instead of a mapping of their own that is unmapped when freed; and up
    // to 128 MB free at the top of the heap stays there for the next page
    // instead of being trimmed.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
}

} // namespace platform
