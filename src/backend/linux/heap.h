// How the program's heap treats the memory that each call frees.
#pragma once

#include <malloc.h>

namespace tallowin::linux_backend {

// Keeps the memory freed at the end of a call for the next call instead of
// handing it back to the kernel.
//
// Every call asks the machine afresh: it reads the interface list, builds a
// snapshot of the query's rows and walks it, and frees all of it before it
// returns. With thousands of addresses that is a few hundred KiB. By default
// glibc returns the free top of the heap to the kernel once it exceeds twice
// the largest block it has seen freed (128 KiB to start), so on such a
// machine every call faulted its memory in again, page by page, and the cost
// jumped once the addresses' memory outgrew that limit (from 1000 to 5000
// addresses the time grew eleven-fold). With blocks below 4 MiB taken from
// the heap and up to 8 MiB of free heap kept, the most addresses the service
// can count (32767, a few MiB) stay on pages already faulted in, and a
// machine with few addresses never grows its heap that far. Called once, at
// program start, before the first call.
inline void keepFreedHeapForTheNextCall() {
    constexpr int kLargestHeapBlock = 4 << 20;  // larger blocks are mapped on their own
    constexpr int kFreeHeapKept = 8 << 20;      // more free top of heap is handed back
    // Either setting failing leaves glibc's own, which is correct, only slower.
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kFreeHeapKept);
}

}  // namespace tallowin::linux_backend
