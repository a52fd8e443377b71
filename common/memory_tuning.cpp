#include "memory_tuning.h"

#include <malloc.h>

void keep_freed_memory() {
    constexpr int kThreshold = 256 * 1024 * 1024;
    mallopt(M_TRIM_THRESHOLD, kThreshold);
    mallopt(M_MMAP_THRESHOLD, kThreshold);
}
