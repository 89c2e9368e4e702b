#include "support/hashira_invariants.h"

#include <cmath>

#include "games/hashira/hashira_rules.h"

namespace testing_support {

using namespace hashira;

::testing::AssertionResult PitIsConsistent(const ColumnsGame& game) {
  const int falling = game.ColumnPhase == ColumnFalls ? ColumnLength : 0;
  if (game.BlockCount < falling || game.BlockCount > MaxBlocks)
    return ::testing::AssertionFailure() << game.BlockCount << " blocks";
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

} // namespace testing_support
