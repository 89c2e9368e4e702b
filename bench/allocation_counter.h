#pragma once

#include <cstdint>

namespace bench {

// How many times the global operator new (any form) has run in this process. The benchmark
// binary replaces operator new to count, so a hot path that should never allocate can be
// checked by reading this before and after its loop.
std::uint64_t AllocationCount();

} // namespace bench
