#pragma once

#include <array>

#include "games/hashira/hashira_state.h"

namespace hashira {

// The list positions of the blocks of one pit column.
struct ColumnOrder {
  std::array<int, MaxBlocks> positions{};
  int count = 0;
};

// The blocks of pit column x ordered by `before(a, b)` of their positions; blocks that neither
// precedes keep the list's order. An insertion sort: a step must not allocate, and a column
// holds at most fifteen blocks.
template <class Before> ColumnOrder BlocksOfColumn(const ColumnsGame& game, int x, Before before) {
  ColumnOrder order;
  for (int i = 1; i <= game.BlockCount; ++i) {
    if (game.ColumnBlocks[static_cast<std::size_t>(i)].x != x) continue;
    int k = order.count++;
    for (; k > 0 && before(i, order.positions[static_cast<std::size_t>(k - 1)]); --k)
      order.positions[static_cast<std::size_t>(k)] =
          order.positions[static_cast<std::size_t>(k - 1)];
    order.positions[static_cast<std::size_t>(k)] = i;
  }
  return order;
}

} // namespace hashira
