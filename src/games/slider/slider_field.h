#pragma once

#include <array>
#include <cstdint>

#include "engine/random.h"

namespace slider {

constexpr int FieldSize = 9;
constexpr std::uint8_t Joker = 7;
constexpr int StartingTiles = 5;
constexpr int NewTiles = 3;
// Five in a row make a line.
constexpr int LineLength = 5;

struct Cell {
  int c = 0, r = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};
constexpr Cell NoCell{};

constexpr bool InField(int c, int r) {
  return c >= 1 && c <= FieldSize && r >= 1 && r <= FieldSize;
}

// One value per cell (c, r), columns and rows 1..9.
template <class T> struct Grid {
  // Cells outside the field read as T{} (empty).
  T operator()(int c, int r) const { return InField(c, r) ? cells[Index(c, r)] : T{}; }
  T operator()(Cell cell) const { return (*this)(cell.c, cell.r); }
  // Unchecked: the caller keeps the cell inside the field.
  T& At(Cell cell) { return cells[Index(cell.c, cell.r)]; }
  friend bool operator==(const Grid&, const Grid&) = default;

  static constexpr int Index(int c, int r) { return (c - 1) * FieldSize + (r - 1); }
  std::array<T, FieldSize * FieldSize> cells{};
};

// `SliderField`: 0 empty, 1..6 a kind, 7 the joker.
using SliderField = Grid<std::uint8_t>;
// `NextKinds`: the kinds of the next three tiles, each stored as kind - 1.
using NextKinds = std::array<std::uint8_t, NewTiles>;

// A kind for a new tile, stored as kind - 1: the joker is among them when jokers are allowed.
std::uint8_t DrawNextKind(engine::Generator& rng, bool jokers);

// An empty cell drawn at random: column, then row, again while the cell is taken. At least one
// cell must be empty.
Cell DrawEmptyCell(const SliderField& field, engine::Generator& rng);

// The five starting tiles and the first next kinds, from the generator as it stands.
void DealSlider(SliderField& field, NextKinds& next, engine::Generator& rng, bool jokers);

// The cells a slide passes, from the selected tile back to the target, as the search met them.
struct SliderPath {
  std::array<Cell, FieldSize * FieldSize> cells{};
  int length = 0;
};

// The path search, depth first from `target` toward `selected` through empty cells, trying the
// neighbours in the order that heads for the selected tile. True when it got there; `path`
// then holds the cells of the way found.
bool FindPath(const SliderField& field, Cell target, Cell selected, SliderPath& path);

// The line check: marks every cell of a run of five or more equal tiles (a joker stands for any
// kind) in the eight directions. Returns how many cells it marked.
int MarkLines(const SliderField& field, Grid<bool>& remove);

int CountTiles(const SliderField& field);

// The cell under board pixel (X, Y); truncating toward zero, the first column and row also take
// the 31 pixels before the grid. Outside the field: NoCell.
constexpr Cell CellAt(int X, int Y) {
  const Cell cell{(X - 196) / 32 + 1, (Y - 91) / 32 + 1};
  return InField(cell.c, cell.r) ? cell : NoCell;
}

} // namespace slider
