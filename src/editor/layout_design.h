#pragma once

#include <string>

#include "engine/board.h"

// The rules of drawing a layout on the board model: the design is an ordinary board whose tiles
// stand for positions, so BoardGrid, TilePos and LayoutCells always describe the same cells.
namespace editor {

// Where a click at (px, py), relative to the board origin, would add a position: the highest
// layer whose candidate rests on something wins, then the smallest x, then the largest y. z is
// 0 when no position lies under the pointer. Whether the cell is taken is not asked here.
engine::Position WhatAdd(const engine::Board& board, int px, int py);

// Adds the position WhatAdd proposes under the lowest free slot number, unless another tile of
// its layer would overlap it. False when nothing was placed.
bool PlacePosition(engine::Board& board, engine::LayoutGrid& cells, int px, int py);

// Takes away the topmost tile under the pointer (it becomes LastPickA), unless a tile rests on
// any part of it. False when nothing was taken.
bool RemovePosition(engine::Board& board, engine::LayoutGrid& cells, int px, int py);

enum class Shift { Left, Right, Up, Down };

// Moves the whole design one cell, unless a tile stands on the edge it moves towards. False
// when nothing moved.
bool ShiftDesign(engine::Board& board, engine::LayoutGrid& cells, Shift shift);

// How many positions are still to add before the count is a multiple of 4.
constexpr int Needed(int placed) {
  return (4 - placed % 4) % 4;
}

// Why the design cannot be saved yet, or empty when it can.
std::string SaveRefusal(const engine::Board& board, const engine::LayoutGrid& cells);

} // namespace editor
