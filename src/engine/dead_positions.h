#pragma once

#include <cstdint>
#include <vector>

#include "engine/tile_set.h"

namespace engine {

// The positions a search has refuted, keyed by the set of tiles left on the board: many orders
// of play reach the same set. A fixed table made once, so the search never allocates; when a
// bucket is full an older entry gives way, which costs only time. Every entry holds its whole
// set, so a hit is never a mere hash collision.
class DeadPositions {
public:
  // 2^bits entries of 24 bytes.
  explicit DeadPositions(int bits);

  // Forgets every position, in constant time.
  void Clear();
  bool Contains(const TileSet& present) const;
  void Insert(const TileSet& present);

private:
  static constexpr int BucketSize = 4;
  // The tile sets use the low 16 bits of their last word; the high half of a stored last word
  // carries the generation that wrote it, so clearing is a new generation.
  static constexpr int GenerationShift = 32;
  static_assert(MaxTiles - 2 * 64 <= GenerationShift);

  std::size_t Bucket(const TileSet& present) const;

  std::vector<TileSet> entries_;
  std::size_t mask_;
  std::uint64_t generation_ = 1;
  std::uint32_t nextVictim_ = 0;
};

} // namespace engine
