#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>

namespace talvane68 {

// Faults in a large buffer that is about to be written with one call instead
// of a trap per page, which costs more than decoding into it. Best effort:
// kernels before 5.14 refuse, and then the pages come one by one as before.
inline void prefault(void* data, size_t bytes) {
    constexpr size_t kWorthIt = 4u << 20;
    if (bytes < kWorthIt) {
        return;
    }
    const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + page - 1) & ~(page - 1);
    uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(page - 1);
    if (end > begin) {
#ifdef MADV_POPULATE_WRITE
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#endif
    }
}

}  // namespace talvane68
