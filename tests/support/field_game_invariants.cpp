#include "support/field_game_invariants.h"

namespace testing_support {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

AssertionResult ClicksIsConsistent(const clicks::ClicksGame& game, const engine::Board& board) {
  using namespace clicks;
  const ClicksField& f = game.Field();
  for (int c = 0; c < ClicksField::Columns; ++c)
    for (int r = 0; r < ClicksField::Rows; ++r) {
      const bool inside = c >= FirstColumn && c <= LastColumn && r >= FirstRow && r <= LastRow;
      if (!inside && f(c, r) != 0) return AssertionFailure() << "a tile on the border " << c;
      if (inside && r < LastRow && f(c, r) != 0 && f(c, r + 1) == 0)
        return AssertionFailure() << "a tile floats at " << c << "," << r;
    }
  for (int c = FirstColumn; c < LastColumn; ++c)
    if (f(c, LastRow) == 0 && f(c + 1, LastRow) != 0)
      return AssertionFailure() << "column " << c << " is empty before an occupied one";
  if (board.TilesLeft != CountTiles(f))
    return AssertionFailure() << "TilesLeft " << board.TilesLeft << " for " << CountTiles(f);
  const int moves = game.MoveCount();
  if (moves < 0 || moves > MaxMoves) return AssertionFailure() << moves << " moves";
  if (moves > 0 && CountTiles(game.Snapshot(moves)) < CountTiles(f) + 2)
    return AssertionFailure() << "move " << moves << " took fewer than two tiles";
  return AssertionSuccess();
}

AssertionResult ClicksBackGivesTheSnapshot(clicks::ClicksGame& game) {
  const int moves = game.MoveCount();
  if (moves == 0) return AssertionSuccess();
  const clicks::ClicksField before = game.Snapshot(moves);
  game.Back();
  if (game.MoveCount() != moves - 1) return AssertionFailure() << "Back took no move back";
  if (!(game.Field() == before)) return AssertionFailure() << "Back gave another field";
  return AssertionSuccess();
}

AssertionResult SliderIsConsistent(const slider::SliderGame& game, const engine::GameState& state,
                                   SliderWatch& last) {
  slider::Grid<bool> remove;
  if (slider::MarkLines(game.Field(), remove) != 0)
    return AssertionFailure() << "a line of five stays on the field";
  const int tiles = slider::CountTiles(game.Field()), score = state.scoring.GameScore;
  const int gone = score - last.score;
  if (gone < 0) return AssertionFailure() << "the score fell from " << last.score;
  const int added = tiles + gone - last.tiles;
  if (added != 0 && added != slider::NewTiles)
    return AssertionFailure() << last.tiles << " tiles became " << tiles << " with " << gone
                              << " points";
  last = {tiles, score};
  return AssertionSuccess();
}

} // namespace testing_support
