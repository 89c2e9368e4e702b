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

// Counts the draws of a loop that draws until it finds what it looks for. Every such loop draws
// from a set known to hold it, so even the unluckiest deal ends within some thousands of draws;
// millions mean a broken board (a rule run where it must not), and the program stops with a
// message naming the loop instead of hanging.
class DrawLimit {
public:
  static constexpr long MaxDraws = 1L << 22;
  explicit DrawLimit(const char* loop) : loop_(loop) {}
  void Count() {
    if (++draws_ > MaxDraws) DrawingNeverEnds(loop_);
  }

private:
  [[noreturn]] static void DrawingNeverEnds(const char* loop);
  const char* loop_;
  long draws_ = 0;
};

} // namespace engine
