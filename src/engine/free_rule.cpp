#include "engine/free_rule.h"

namespace engine {

namespace {

// The neighbourhood of a tile anchored inside the box lies wholly within the grid's margin, so
// the count that runs twenty times a second reads it unchecked, by fixed steps from the anchor.
constexpr int SX = TileGrid::StepX, SY = TileGrid::StepY, SZ = TileGrid::StepZ;

bool Empty3(const TileGrid& g, int first, int step) {
  return (g.AtIndex(first) | g.AtIndex(first + step) | g.AtIndex(first + 2 * step)) == 0;
}

// Positions outside the anchor box are never free: no tile can be anchored there.
bool FreeBySides(const TileGrid& g, int x, int y, int z, bool vertical) {
  if (!TileGrid::InAnchorBox(x, y, z)) return false;
  const int i = TileGrid::Index(x, y, z);
  bool sideOpen = vertical ? Empty3(g, i - SX - 2 * SY, SX) || Empty3(g, i - SX + 2 * SY, SX)
                           : Empty3(g, i - 2 * SX - SY, SY) || Empty3(g, i + 2 * SX - SY, SY);
  if (!sideOpen) return false;
  if (z == GridLayers) return true; // nothing can lie above the top layer
  const int above = i + SZ - SX;
  return Empty3(g, above - SY, SX) && Empty3(g, above, SX) && Empty3(g, above + SY, SX);
}

bool DispoWith(const Board& board, int t, bool vertical) {
  const Position& p = board.TilePos[t];
  if (p.x == 0 && p.y == 0) return false;
  return FreeBySides(board.BoardGrid, p.x, p.y, p.z, vertical);
}

} // namespace

bool Dispo(const Board& board, int t) {
  return DispoWith(board, t, false);
}

bool Dispo_Vertical(const Board& board, int t) {
  return DispoWith(board, t, true);
}

bool IsPositionFree(const TileGrid& grid, int x, int y, int z) {
  if (x == 0 || y == 0 || z == 0) return false;
  return FreeBySides(grid, x, y, z, false);
}

int FreeTiles(const TileGrid& grid) {
  int n = 0;
  for (int z = 1; z <= GridLayers; ++z)
    for (int y = 1; y <= GridHeight; ++y)
      for (int x = 1; x <= GridWidth; ++x)
        if (grid(x, y, z) != 0 && FreeBySides(grid, x, y, z, false)) ++n;
  return n;
}

void IsItFree(GameState& state) {
  Board& b = state.board;
  bool vertical = state.options.Vertical;
  b.FreeCount = 0;
  b.MovesLeft = 0;
  int count = b.TileCount < MaxTiles ? b.TileCount : MaxTiles;
  for (int t = 1; t <= count; ++t) {
    const Position& p = b.TilePos[t];
    if ((p.x != 0 || p.y != 0) && FreeBySides(b.BoardGrid, p.x, p.y, p.z, vertical))
      b.FreeList[++b.FreeCount] = static_cast<std::uint8_t>(t);
  }
  // The free tiles of a group stand together, so adjacent equal groups count the moves:
  // n free tiles of one group make n - 1 moves.
  for (int k = 1; k < b.FreeCount; ++k)
    if (TileGroup(b.FreeList[k]) == TileGroup(b.FreeList[k + 1])) ++b.MovesLeft;
}

} // namespace engine
