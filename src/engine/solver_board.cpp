#include "engine/solver_board.h"

#include <algorithm>

namespace engine {

namespace {

constexpr int NoTile = -1;

// Adds the tiles anchored on three cells in a line from (x, y, z), a step of (dx, dy) apart.
void AddLine(const TileGrid& grid, const std::array<int, MaxTiles + 1>& indexOf, int x, int y,
             int z, int dx, int dy, TileSet& into) {
  for (int k = 0; k < 3; ++k) {
    int v = grid(x + k * dx, y + k * dy, z);
    if (v != 0) into.Add(indexOf[v]);
  }
}

// The listed tiles: those whose cell and position agree, inside the anchor box.
void ListTiles(const Board& board, std::array<int, MaxTiles + 1>& indexOf, SolverBoard& out) {
  indexOf.fill(NoTile);
  for (int t = 1; t <= MaxTiles; ++t) {
    if (!StandsOnBoard(board, t)) continue;
    indexOf[t] = out.count;
    out.tile[out.count] = static_cast<std::uint8_t>(t);
    out.group[out.count] = static_cast<std::uint8_t>(TileGroup(t));
    out.groupTiles[TileGroup(t)].Add(out.count);
    out.all.Add(out.count);
    ++out.count;
  }
}

// Play only ever clears the cells of listed tiles, two of a group at a time.
bool CanBeEmptied(const Board& board, const std::array<int, MaxTiles + 1>& indexOf,
                  const SolverBoard& sb) {
  using G = TileGrid;
  for (int z = G::MinZ; z <= G::MaxZ; ++z)
    for (int y = G::MinY; y <= G::MaxY; ++y)
      for (int x = G::MinX; x <= G::MaxX; ++x) {
        int v = board.BoardGrid(x, y, z);
        if (v != 0 &&
            (v > MaxTiles || indexOf[v] == NoTile || board.TilePos[v] != Position{x, y, z}))
          return false;
      }
  for (const TileSet& g : sb.groupTiles)
    if (g.Count() % 2 != 0) return false;
  return true;
}

} // namespace

bool StandsOnBoard(const Board& board, int t) {
  const Position& p = board.TilePos[t];
  return p.OnBoard() && TileGrid::InAnchorBox(p.x, p.y, p.z) && board.BoardGrid(p) == t;
}

void ReadSolverBoard(const Board& board, FreeRule rule, SolverBoard& out) {
  out = SolverBoard{};
  std::array<int, MaxTiles + 1> indexOf;
  ListTiles(board, indexOf, out);
  out.playable = CanBeEmptied(board, indexOf, out);
  if (!out.playable) return;

  const TileGrid& grid = board.BoardGrid;
  for (int i = 0; i < out.count; ++i) {
    const Position& p = board.TilePos[out.tile[i]];
    if (rule == FreeRule::Vertical) {
      AddLine(grid, indexOf, p.x - 1, p.y - 2, p.z, 1, 0, out.sideA[i]);
      AddLine(grid, indexOf, p.x - 1, p.y + 2, p.z, 1, 0, out.sideB[i]);
    } else {
      AddLine(grid, indexOf, p.x - 2, p.y - 1, p.z, 0, 1, out.sideA[i]);
      AddLine(grid, indexOf, p.x + 2, p.y - 1, p.z, 0, 1, out.sideB[i]);
    }
    // Nothing can lie above the top layer.
    if (p.z < GridLayers)
      for (int dy = -1; dy <= 1; ++dy)
        AddLine(grid, indexOf, p.x - 1, p.y + dy, p.z + 1, 1, 0, out.cover[i]);
  }

  // Side A neighbours lie two units lower along the side axis, so walking up that axis finds
  // each neighbour's closure complete; side B the other way.
  std::array<std::uint8_t, MaxTiles> order;
  for (int i = 0; i < out.count; ++i) order[i] = static_cast<std::uint8_t>(i);
  auto axis = [&](int i) {
    const Position& p = board.TilePos[out.tile[i]];
    return rule == FreeRule::Vertical ? p.y : p.x;
  };
  std::sort(order.begin(), order.begin() + out.count,
            [&](int i, int j) { return axis(i) < axis(j); });
  for (int k = 0; k < out.count; ++k) {
    const int a = order[k], b = order[out.count - 1 - k];
    out.beyondA[a] = out.sideA[a];
    out.sideA[a].ForEach([&](int j) { out.beyondA[a] |= out.beyondA[j]; });
    out.beyondB[b] = out.sideB[b];
    out.sideB[b].ForEach([&](int j) { out.beyondB[b] |= out.beyondB[j]; });
  }

  // A cover lies one layer up, so going down from the top layer finds each cover's own closure
  // complete.
  for (int z = GridLayers; z >= 1; --z)
    for (int i = 0; i < out.count; ++i) {
      if (board.TilePos[out.tile[i]].z != z) continue;
      out.above[i] = out.cover[i];
      out.cover[i].ForEach([&](int j) { out.above[i] |= out.above[j]; });
    }
  for (int i = 0; i < out.count; ++i)
    (out.sideA[i] | out.sideB[i] | out.cover[i]).ForEach([&](int j) { out.blocks[j].Add(i); });
  for (int i = 0; i < out.count; ++i) {
    out.clearA[i] = out.beyondA[i];
    out.beyondA[i].ForEach([&](int j) { out.clearA[i] |= out.above[j]; });
    out.clearB[i] = out.beyondB[i];
    out.beyondB[i].ForEach([&](int j) { out.clearB[i] |= out.above[j]; });
  }
}

} // namespace engine
