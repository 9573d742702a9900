// Allocator tuning through glibc's mallopt.
#include "platform/memory.h"

#include <malloc.h>

namespace zembrol::platform {

void KeepFrameMemory() {
    constexpr int kKeep = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kKeep);   // large blocks from the heap, not fresh mappings
    mallopt(M_TRIM_THRESHOLD, kKeep);   // and freed ones stay for the next frame
    mallopt(M_TOP_PAD, 16 * 1024 * 1024);
}

}  // namespace zembrol::platform
