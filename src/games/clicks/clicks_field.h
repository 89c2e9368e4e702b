#pragma once

#include <array>
#include <cstdint>

#include "engine/random.h"

namespace clicks {

// The playing field: columns 2..19 left to right, rows 2..13 top to bottom.
constexpr int FirstColumn = 2, LastColumn = 19, FirstRow = 2, LastRow = 13;
constexpr int FieldTiles = (LastColumn - FirstColumn + 1) * (LastRow - FirstRow + 1); // 216
// Every click takes at least two tiles.
constexpr int MaxMoves = FieldTiles / 2;

// `ClicksField`: the kind 1..K of each cell, 0 when empty. Around the playing field lies a
// border of cells that stay empty, so the rules look at neighbours without bounds tests.
struct ClicksField {
  static constexpr int Columns = 21, Rows = 15; // columns stride 15 rows

  static constexpr bool InGrid(int c, int r) { return c >= 0 && c < Columns && r >= 0 && r < Rows; }
  static constexpr int Index(int c, int r) { return c * Rows + r; }

  // Cells beyond the grid read as empty.
  std::uint8_t operator()(int c, int r) const { return InGrid(c, r) ? cells[Index(c, r)] : 0; }
  // Unchecked: the caller keeps (c, r) inside the grid.
  std::uint8_t& At(int c, int r) { return cells[Index(c, r)]; }

  friend bool operator==(const ClicksField&, const ClicksField&) = default;

  std::array<std::uint8_t, Columns * Rows> cells{};
};

// Fills the field column by column, each from the top, with kinds 1..kinds from the generator.
void FillClicksField(ClicksField& field, engine::Generator& rng, int kinds);

// Whether the tile at (c, r) has an equal neighbour, that is, belongs to a group it can take.
bool HasEqualNeighbour(const ClicksField& field, int c, int r);

// Empties the group of equal tiles connected to (c, r); returns how many went.
int RemoveGroup(ClicksField& field, int c, int r);

// One settling pass: tiles fall into the gaps below them, then empty columns close toward the
// left. True when anything moved; the field has settled after a pass that moved nothing.
bool SettlePass(ClicksField& field);

// The groups that a click can take (`FreeCount`, `MovesLeft`).
int CountGroups(const ClicksField& field);

// The occupied cells (`TilesLeft`).
int CountTiles(const ClicksField& field);

// The cell under a pointer position relative to the board origin; division truncates toward
// zero, so a few pixels left of or above the origin still count as the first cell.
struct Cell {
  int c = 0, r = 0;
};
constexpr Cell CellAt(int px, int py) {
  return {px / 32 + 1, (py + 16) / 32 + 1};
}

} // namespace clicks
