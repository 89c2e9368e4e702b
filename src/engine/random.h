#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace engine {

// The one program-wide generator. Game numbers reproduce deals only with exactly this
// sequence, so every draw of every game goes through it in a fixed order.
struct Generator {
  std::uint32_t RandSeed = 0;

  // 0..n-1: the high half of the 64-bit product of the advanced state and n.
  std::uint32_t Random(std::uint32_t n) {
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(RandSeed) * n) >> 32);
  }
  int Random(int n) { return static_cast<int>(Random(static_cast<std::uint32_t>(n))); }

  // Seeds from the time of day in milliseconds.
  void Randomize(platform::Clock& clock);
};

} // namespace engine
