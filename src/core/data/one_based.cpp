#include "core/data/one_based.h"

#include <cstdio>
#include <cstdlib>

namespace vex {

void oneBasedIndexFault(long index, long capacity) {
    std::fprintf(stderr, "vexilor: index %ld outside 1..%ld\n", index, capacity);
    std::abort();
}

} // namespace vex
