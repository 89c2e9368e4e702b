#pragma once

#include <array>

#include "engine/board.h"

namespace rivers {

// The cells a river may run through: the rectangles of tiles and a margin around them.
constexpr int PathLeft = 2, PathRight = 32, PathTop = 1, PathBottom = 19;

// A path between two tiles: where it starts, the cells where it turns, and where it ends.
struct River {
  std::array<engine::Position, 4> points{};
  int count = 0;
};

// Whether `start` and `target` lie on one layer and a path of at most three straight segments
// joins them through empty cells of that layer, one tile step at a time. The search tries the
// first segment to the right, left, down and up, turning at every empty cell it passes; the
// first path it meets goes to `river`, when one is asked for. Tiles of the other layer never
// block a path, and a covered tile can be joined.
bool CanBeReached(const engine::Board& board, int start, int target, River* river = nullptr);

// Neither tile has a tile directly above it.
bool BothUncovered(const engine::Board& board, int a, int b);

} // namespace rivers
