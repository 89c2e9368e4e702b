#pragma once

#include <bit>
#include <cstdint>

#include "engine/tiles.h"

namespace engine {

// A set of at most 144 small numbers (tile indices of one position), as three machine words:
// the search tests and combines whole sets in a few instructions.
struct TileSet {
  static constexpr int Words = 3;
  static_assert(Words * 64 >= MaxTiles);

  std::uint64_t w[Words] = {};

  void Add(int i) { w[i >> 6] |= std::uint64_t{1} << (i & 63); }
  void Remove(int i) { w[i >> 6] &= ~(std::uint64_t{1} << (i & 63)); }
  bool Has(int i) const { return (w[i >> 6] >> (i & 63)) & 1; }
  bool Empty() const { return (w[0] | w[1] | w[2]) == 0; }
  // Counted bit by bit: the sets counted on the search's path hold a few tiles, and this needs
  // no instruction that older processors lack.
  int Count() const {
    int n = 0;
    for (std::uint64_t bits : w)
      for (; bits != 0; bits &= bits - 1) ++n;
    return n;
  }
  bool Intersects(const TileSet& o) const {
    return ((w[0] & o.w[0]) | (w[1] & o.w[1]) | (w[2] & o.w[2])) != 0;
  }

  TileSet operator&(const TileSet& o) const {
    return {{w[0] & o.w[0], w[1] & o.w[1], w[2] & o.w[2]}};
  }
  TileSet operator|(const TileSet& o) const {
    return {{w[0] | o.w[0], w[1] | o.w[1], w[2] | o.w[2]}};
  }
  TileSet Without(const TileSet& o) const {
    return {{w[0] & ~o.w[0], w[1] & ~o.w[1], w[2] & ~o.w[2]}};
  }
  TileSet& operator|=(const TileSet& o) { return *this = *this | o; }
  friend bool operator==(const TileSet&, const TileSet&) = default;

  // Calls f(i) for every member, in ascending order.
  template <typename F> void ForEach(F f) const {
    for (int k = 0; k < Words; ++k)
      for (std::uint64_t bits = w[k]; bits != 0; bits &= bits - 1)
        f(k * 64 + std::countr_zero(bits));
  }
  // The largest member; the set must not be empty.
  int Last() const {
    for (int k = Words - 1;; --k)
      if (w[k] != 0) return k * 64 + 63 - std::countl_zero(w[k]);
  }
  // The smallest member; the set must not be empty.
  int First() const {
    for (int k = 0;; ++k)
      if (w[k] != 0) return k * 64 + std::countr_zero(w[k]);
  }
};

} // namespace engine
