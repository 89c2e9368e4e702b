#include "support/flat_game_checks.h"

#include <vector>

#include "games/rivers/river_path.h"

namespace testing_support {

using engine::Board;

::testing::AssertionResult RiversEventIsSound(const Board& before, const Board& after) {
  std::vector<int> gone;
  for (int t = 1; t <= engine::MaxTiles; ++t) {
    const engine::Position &was = before.TilePos[t], &is = after.TilePos[t];
    if (was.OnBoard() && !is.OnBoard()) gone.push_back(t);
    if (was.OnBoard() && is.OnBoard() && was.z != is.z)
      return ::testing::AssertionFailure()
             << "tile " << t << " went from layer " << was.z << " to layer " << is.z;
  }
  if (gone.empty()) return ::testing::AssertionSuccess();
  if (gone.size() != 2)
    return ::testing::AssertionFailure() << gone.size() << " tiles left the board at once";
  if (engine::TileGroup(gone[0]) != engine::TileGroup(gone[1]))
    return ::testing::AssertionFailure()
           << "tiles " << gone[0] << " and " << gone[1] << " left together but do not match";
  if (!rivers::CanBeReached(before, gone[0], gone[1]))
    return ::testing::AssertionFailure()
           << "tiles " << gone[0] << " and " << gone[1] << " left together but no path joined them";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult MemoryFaceUpIsSound(const engine::GameState& state) {
  const Board& b = state.board;
  for (int t : {b.FirstPick, b.SecondPick})
    if (t != 0 && !b.TilePos[t].OnBoard())
      return ::testing::AssertionFailure() << "tile " << t << " is face up off the board";
  const bool pair = b.FirstPick != 0 && b.SecondPick != 0 && b.FirstPick != b.SecondPick;
  if (pair != (state.RevealCountdown > 0))
    return ::testing::AssertionFailure()
           << "picks " << int{b.FirstPick} << " and " << int{b.SecondPick} << " with "
           << state.RevealCountdown << " ticks to go";
  return ::testing::AssertionSuccess();
}

} // namespace testing_support
