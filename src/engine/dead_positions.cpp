#include "engine/dead_positions.h"

#include <algorithm>

namespace engine {

namespace {

std::uint64_t Mix(std::uint64_t v) {
  v ^= v >> 33;
  v *= 0xff51afd7ed558ccdULL;
  v ^= v >> 33;
  v *= 0xc4ceb9fe1a85ec53ULL;
  return v ^ (v >> 33);
}

} // namespace

// At least one bucket, and no more than the search could ever fill.
DeadPositions::DeadPositions(int bits)
    : entries_(std::size_t{1} << std::clamp(bits, 2, 30)), mask_(entries_.size() - 1) {}

void DeadPositions::Clear() {
  // Which entry gives way depends only on this search, so the same search runs the same way.
  nextVictim_ = 0;
  if (++generation_ >> GenerationShift == 0) return;
  // Four billion searches later the stamps would repeat: start afresh for real.
  for (TileSet& e : entries_) e = {};
  generation_ = 1;
}

std::size_t DeadPositions::Bucket(const TileSet& present) const {
  std::uint64_t h = Mix(present.w[0] ^ Mix(present.w[1] ^ Mix(present.w[2])));
  return static_cast<std::size_t>(h) & mask_ & ~std::size_t{BucketSize - 1};
}

bool DeadPositions::Contains(const TileSet& present) const {
  TileSet stamped = present;
  stamped.w[2] |= generation_ << GenerationShift;
  const std::size_t b = Bucket(present);
  for (int k = 0; k < BucketSize; ++k)
    if (entries_[b + k] == stamped) return true;
  return false;
}

void DeadPositions::Insert(const TileSet& present) {
  TileSet stamped = present;
  stamped.w[2] |= generation_ << GenerationShift;
  const std::size_t b = Bucket(present);
  for (int k = 0; k < BucketSize; ++k) {
    TileSet& e = entries_[b + k];
    if (e.w[2] >> GenerationShift != generation_) {
      e = stamped;
      return;
    }
  }
  entries_[b + (nextVictim_++ % BucketSize)] = stamped;
}

} // namespace engine
