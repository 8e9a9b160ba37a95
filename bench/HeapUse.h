#pragma once

// How much heap a part of a benchmark's state holds, read from the
// allocator (glibc).
#include <cstddef>
#include <malloc.h>

inline std::size_t HeapInUse() { return mallinfo2().uordblks; }

// The megabytes of heap freed by letting something go.
template <typename LetGo>
double HeapFreedMegabytes(LetGo&& letGo) {
    const std::size_t held = HeapInUse();
    letGo();
    return static_cast<double>(held - HeapInUse()) / 1e6;
}
