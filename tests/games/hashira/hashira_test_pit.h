#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "games/hashira/hashira_rules.h"
#include "games/hashira/hashira_state.h"
#include "support/hashira_invariants.h"

namespace hashira_testing {

using namespace hashira;
using testing_support::PitIsConsistent;

struct Cell {
  int x, y, kind;
};

// A pit set up block by block.
inline void Rest(ColumnsGame& game, std::initializer_list<Cell> cells) {
  for (const Cell& c : cells)
    game.ColumnBlocks[++game.BlockCount] = {c.x, static_cast<double>(c.y), InPlay, c.kind};
}

// Fills pit column x from the floor up to the row top `highest` with kinds that form no line
// with each other, nor with the kinds 4 and 5, which they never use.
inline void Stack(ColumnsGame& game, int x, int highest) {
  for (int y = FloorRowTop; y >= highest; y -= CellSize) {
    const int row = (FloorRowTop - y) / CellSize;
    Rest(game, {{x, y, (row + 2 * (x / CellSize)) % 4}});
  }
}

// The column under the player's control: kinds top to bottom, its bottom tile's top at y.
inline void Falling(ColumnsGame& game, int x, double bottomY, std::array<int, ColumnLength> kinds) {
  for (int k = 0; k < ColumnLength; ++k)
    game.ColumnBlocks[++game.BlockCount] = {x, bottomY - CellSize * (ColumnLength - 1 - k), InPlay,
                                            kinds[static_cast<std::size_t>(k)]};
  game.ColumnPhase = ColumnFalls;
}

} // namespace hashira_testing
