#include "support/editor_invariants.h"

namespace testing_support {

namespace {

using engine::GridHeight;
using engine::GridLayers;
using engine::GridWidth;

// Tiles anchored within a cell either way of (x, y) on layer z, leaving out (x, y) itself.
int Around(const engine::TileGrid& grid, int x, int y, int z) {
  int n = 0;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) n += (dx != 0 || dy != 0) && grid(x + dx, y + dy, z) != 0;
  return n;
}

} // namespace

::testing::AssertionResult DesignIsConsistent(const engine::GameState& state, int tilesToPlace) {
  const engine::Board& b = state.board;
  const engine::LayoutGrid& cells = state.layouts.LayoutCells;
  int placed = 0;
  for (int z = 1; z <= GridLayers; ++z)
    for (int y = 1; y <= GridHeight; ++y)
      for (int x = 1; x <= GridWidth; ++x) {
        const int tile = b.BoardGrid(x, y, z);
        const auto at = [&] {
          return ::testing::AssertionFailure() << " at " << x << "," << y << "," << z;
        };
        if ((tile != 0) != (cells(x, y, z) != 0))
          return at() << ": LayoutCells and BoardGrid differ";
        if (tile == 0) continue;
        if (tile > engine::MaxTiles || !(b.TilePos[tile] == engine::Position{x, y, z}))
          return at() << ": tile " << tile << " is placed elsewhere";
        if (Around(b.BoardGrid, x, y, z) != 0) return at() << ": tiles overlap";
        if (z > 1 && Around(b.BoardGrid, x, y, z - 1) + (b.BoardGrid(x, y, z - 1) != 0) == 0)
          return at() << ": a tile floats";
        ++placed;
      }
  int positioned = 0;
  for (int t = 1; t <= engine::MaxTiles; ++t) positioned += b.TilePos[t].OnBoard();
  if (positioned != placed)
    return ::testing::AssertionFailure()
           << positioned << " tiles have a position, " << placed << " are on the grid";
  if (tilesToPlace != engine::MaxTiles - placed)
    return ::testing::AssertionFailure()
           << "TilesToPlace " << tilesToPlace << " with " << placed << " placed";
  return ::testing::AssertionSuccess();
}

} // namespace testing_support
