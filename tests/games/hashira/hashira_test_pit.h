#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>

#include "games/hashira/hashira_rules.h"
#include "games/hashira/hashira_state.h"

namespace hashira_testing {

using namespace hashira;

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

// Every block at rest lies on the floor or on another block, no two share a cell, and the
// column under control is the last three records, one above the other.
inline ::testing::AssertionResult Settled(const ColumnsGame& game) {
  const int falling = game.ColumnPhase == ColumnFalls ? ColumnLength : 0;
  for (int k = 1; k < falling; ++k) {
    const Block& lower = game.ColumnBlocks[static_cast<std::size_t>(game.BlockCount - k + 1)];
    const Block& upper = game.ColumnBlocks[static_cast<std::size_t>(game.BlockCount - k)];
    // Each height adds the same speeds, rounded each on its own.
    if (upper.x != lower.x || std::abs(upper.y - (lower.y - CellSize)) > 1e-6 ||
        upper.state != InPlay)
      return ::testing::AssertionFailure() << "the falling column came apart";
  }
  for (int i = 1; i <= game.BlockCount; ++i) {
    const Block& b = game.ColumnBlocks[static_cast<std::size_t>(i)];
    const int y = static_cast<int>(b.y);
    if (b.y == y && FindBlock(game, b.x, y) != i)
      return ::testing::AssertionFailure() << "two blocks at " << b.x << "," << y;
    if (i > game.BlockCount - falling || b.state != InPlay) continue;
    if (y != FloorRowTop && FindBlock(game, b.x, y + CellSize) == 0)
      return ::testing::AssertionFailure() << "block hanging at " << b.x << "," << y;
  }
  return ::testing::AssertionSuccess();
}

} // namespace hashira_testing
