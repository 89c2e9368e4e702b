#include "editor/layout_design.h"

#include "engine/deal.h"
#include "engine/free_rule.h"

namespace editor {

using engine::Board;
using engine::GridHeight;
using engine::GridLayers;
using engine::GridWidth;
using engine::LayoutGrid;
using engine::Position;

namespace {

// A tile anchored at (x, y) covers the four cells from there, so one anchored within a cell
// either way overlaps it.
bool AnyAround(const engine::TileGrid& grid, int x, int y, int z) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (grid(x + dx, y + dy, z) != 0) return true;
  return false;
}

// The anchor cell the pointer is over for a position at (x, y, z).
bool Covers(int x, int y, int z, int px, int py) {
  const int left = 20 * x + 6 * z - 52, top = 25 * y - 6 * z - 59;
  return px >= left && px < left + 30 && py >= top && py < top + 35;
}

struct Step {
  int dx, dy;
};

Step StepOf(Shift shift) {
  switch (shift) {
  case Shift::Left:
    return {-1, 0};
  case Shift::Right:
    return {1, 0};
  case Shift::Up:
    return {0, -1};
  case Shift::Down:
    return {0, 1};
  }
  return {0, 0};
}

// Whether a tile is anchored on the edge the design would leave the grid by.
bool EdgeTaken(const engine::TileGrid& grid, Step step) {
  for (int z = 1; z <= GridLayers; ++z) {
    if (step.dx != 0) {
      const int x = step.dx < 0 ? 1 : GridWidth;
      for (int y = 1; y <= GridHeight; ++y)
        if (grid(x, y, z) != 0) return true;
    } else {
      const int y = step.dy < 0 ? 1 : GridHeight;
      for (int x = 1; x <= GridWidth; ++x)
        if (grid(x, y, z) != 0) return true;
    }
  }
  return false;
}

} // namespace

Position WhatAdd(const Board& board, int px, int py) {
  Position found;
  for (int z = 1; z <= GridLayers; ++z)
    for (int x = GridWidth; x >= 1; --x)
      for (int y = 1; y <= GridHeight; ++y) {
        // A higher position must rest on something.
        if (z > 1 && !AnyAround(board.BoardGrid, x, y, z - 1)) continue;
        if (Covers(x, y, z, px, py)) found = {x, y, z};
      }
  return found;
}

bool PlacePosition(Board& board, LayoutGrid& cells, int px, int py) {
  const Position p = WhatAdd(board, px, py);
  if (p.z == 0 || AnyAround(board.BoardGrid, p.x, p.y, p.z)) return false;
  for (int slot = 1; slot <= engine::MaxTiles; ++slot)
    if (!board.TilePos[slot].OnBoard()) {
      engine::Place(board, slot, p);
      cells.Set(p.x, p.y, p.z, 1);
      return true;
    }
  return false;
}

bool RemovePosition(Board& board, LayoutGrid& cells, int px, int py) {
  const int tile = engine::WhatTileThere(board, px, py);
  board.LastPickA = tile;
  if (tile == 0) return false;
  const Position p = board.TilePos[tile];
  if (p.z < GridLayers && AnyAround(board.BoardGrid, p.x, p.y, p.z + 1)) return false;
  cells.Set(p.x, p.y, p.z, 0);
  board.BoardGrid.Set(p, 0);
  board.TilePos[tile] = {};
  return true;
}

bool ShiftDesign(Board& board, LayoutGrid& cells, Shift shift) {
  const Step step = StepOf(shift);
  if (EdgeTaken(board.BoardGrid, step)) return false;
  const engine::TileGrid grid = board.BoardGrid;
  const LayoutGrid before = cells;
  for (int z = 1; z <= GridLayers; ++z)
    for (int y = 1; y <= GridHeight; ++y)
      for (int x = 1; x <= GridWidth; ++x) {
        // The cell the design's content comes from; beyond the edge it is empty.
        const int fromX = x - step.dx, fromY = y - step.dy;
        board.BoardGrid.Set(
            x, y, z, engine::TileGrid::InAnchorBox(fromX, fromY, z) ? grid(fromX, fromY, z) : 0);
        cells.Set(x, y, z, before(fromX, fromY, z));
      }
  for (int tile = 1; tile <= engine::MaxTiles; ++tile)
    if (Position& p = board.TilePos[tile]; p.OnBoard()) {
      p.x += step.dx;
      p.y += step.dy;
    }
  return true;
}

std::string SaveRefusal(const Board& board, const LayoutGrid& cells) {
  if (cells.Positions() % 4 != 0)
    return "You haven't finished building the layout yet ! The \" Tiles left \" indicator must "
           "be a multiple of 4...";
  if (engine::FreeTiles(board.BoardGrid) < 2)
    return "This layout is not playable ! Please make more free moves...";
  return {};
}

} // namespace editor
