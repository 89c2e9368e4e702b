#pragma once

#include <array>
#include <cstdint>

#include "engine/tiles.h"

namespace engine {

// The anchor box: where a tile may be anchored, in half-tile units and layers.
constexpr int GridWidth = 34, GridHeight = 20, GridLayers = 5;
constexpr int LayoutCellCount = GridWidth * GridHeight * GridLayers; // 3400

// Marks a layout position that has not received its tile yet, during a deal or a shuffle.
constexpr std::uint8_t Undealt = 155;

struct Position {
  int x = 0, y = 0, z = 0;
  bool OnBoard() const { return x != 0 || y != 0 || z != 0; }
  friend bool operator==(const Position&, const Position&) = default;
};

// Tile numbers per grid cell. The rules probe two cells beyond each side of the anchor box and
// one layer above and below it, so the grid stores that whole margin and reads outside it as 0.
class TileGrid {
public:
  static constexpr int MinX = -1, MaxX = 36, MinY = -1, MaxY = 22, MinZ = 0, MaxZ = 6;

  static constexpr bool InProbedRange(int x, int y, int z) {
    return x >= MinX && x <= MaxX && y >= MinY && y <= MaxY && z >= MinZ && z <= MaxZ;
  }
  static constexpr bool InAnchorBox(int x, int y, int z) {
    return x >= 1 && x <= GridWidth && y >= 1 && y <= GridHeight && z >= 1 && z <= GridLayers;
  }

  std::uint8_t operator()(int x, int y, int z) const {
    return InProbedRange(x, y, z) ? cells_[Index(x, y, z)] : 0;
  }
  std::uint8_t operator()(const Position& p) const { return (*this)(p.x, p.y, p.z); }

  // Unchecked access for the hot paths by cell index and steps between neighbouring cells;
  // the caller guarantees every cell it reaches lies in the probed range.
  static constexpr int StepX = 1, StepY = MaxX - MinX + 1, StepZ = StepY * (MaxY - MinY + 1);
  static constexpr int Index(int x, int y, int z) {
    return (z - MinZ) * StepZ + (y - MinY) * StepY + (x - MinX);
  }
  std::uint8_t AtIndex(int i) const { return cells_[i]; }

  // Writes outside the probed range are dropped: nothing can land outside the array.
  void Set(int x, int y, int z, std::uint8_t v) {
    if (InProbedRange(x, y, z)) cells_[Index(x, y, z)] = v;
  }
  void Set(const Position& p, std::uint8_t v) { Set(p.x, p.y, p.z, v); }

  void Clear() { cells_.fill(0); }

private:
  std::array<std::uint8_t, StepZ*(MaxZ - MinZ + 1)> cells_{};
};

// A layout: 1 where a tile position is, 0 elsewhere, stored in the order of the .lay file
// (layer by layer, row by row, x fastest).
class LayoutGrid {
public:
  static constexpr int Index(int x, int y, int z) {
    return (z - 1) * GridWidth * GridHeight + (y - 1) * GridWidth + (x - 1);
  }
  std::uint8_t operator()(int x, int y, int z) const {
    return TileGrid::InAnchorBox(x, y, z) ? cells[Index(x, y, z)] : 0;
  }
  void Set(int x, int y, int z, std::uint8_t v) {
    if (TileGrid::InAnchorBox(x, y, z)) cells[Index(x, y, z)] = v;
  }
  int Positions() const;
  friend bool operator==(const LayoutGrid&, const LayoutGrid&) = default;

  std::array<std::uint8_t, LayoutCellCount> cells{};
};

struct MoveRecord {
  std::uint8_t tile = 0;
  Position pos;
};

// The removed tiles in order of removal, for undo.
struct MoveHistory {
  std::array<MoveRecord, MaxTiles> entries{};
  int count = 0;
};

// The shared board model every tile game works on.
struct Board {
  TileGrid BoardGrid;
  std::array<Position, MaxTiles + 1> TilePos{}; // entry 0 is scratch
  int TileCount = MaxTiles;
  int TilesLeft = MaxTiles;
  int FreeCount = 0;
  int MovesLeft = 0;
  std::array<std::uint8_t, MaxTiles + 1> FreeList{}; // 1-based, FreeCount entries
  std::uint8_t FirstPick = 0, SecondPick = 0;
  int PrevSecondPick = 0;
  int LastPickA = 0, LastPickB = 0;
  int HintIndex = 0, HintA = 0, HintB = 0;
  MoveHistory History;
  bool GameFinished = false, GameOverShown = false;
  int GameNumber = 0;
  int BoardLeft = 36, BoardTop = 25;
  std::uint8_t GameMode = 0;
};

// Pixel mapping of zero-based grid values a = x-1, b = y-1, c = z-1 to the board picture.
inline int CoordX(const Board& b, int a, int c) {
  return 20 * a + 6 * c + b.BoardLeft - 20;
}
inline int CoordY(const Board& b, int bRow, int c) {
  return 25 * bRow - 6 * c + b.BoardTop - 40;
}

// The tile under a pointer position relative to the board origin, free or not; 0 for none.
int WhatTileThere(const Board& board, int px, int py);

// Clicks count only inside these half-tile cells of the board (px div 20, py div 25, truncated
// toward zero); the hit rectangles of the outermost tiles reach a little beyond them.
constexpr int BoardColumns = 35, BoardRows = 21;
constexpr int ColumnWidth = 20, RowHeight = 25;
constexpr bool InsideBoard(int col, int row) {
  return col >= 0 && col < BoardColumns && row >= 0 && row < BoardRows;
}

// The tile a click released at (X, Y) of the board picture lands on, free or not; 0 for a
// click beside the board or beside every tile.
int ClickedTile(const Board& board, int X, int Y);

} // namespace engine
