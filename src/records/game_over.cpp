#include "records/game_over.h"

namespace records {

GameOverOutcome PrepareGameOver(engine::GameState& state, const HallState& hall, int hashiraLevel) {
  engine::Scoring& s = state.scoring;
  const int slot = state.layouts.LayoutIndex;
  const TableKind kind = KindOf(slot);
  if (kind == TableKind::Clicks && state.board.TilesLeft == 0) s.GameScore = 0;

  GameOverOutcome outcome;
  outcome.window = shell::FinishedGameResult(slot, s.GameScore, s.PenaltySeconds);
  switch (kind) {
  case TableKind::Timed:
    outcome.result = s.GameScore + s.PenaltySeconds;
    break;
  case TableKind::Hashira:
    outcome.result = s.GameScore / 100;
    break;
  default:
    outcome.result = s.GameScore;
    break;
  }
  outcome.secondValue = kind == TableKind::Hashira ? hashiraLevel : s.PenaltySeconds;

  const bool nothingScored = HigherIsBetter(slot) && outcome.result == 0;
  outcome.qualifies =
      state.options.EnableHall && !nothingScored && hall.tables.Qualifies(slot, outcome.result);
  if (outcome.qualifies) outcome.window.hallLine = shell::HallOfFameLine;
  outcome.picture = 3 * state.rng.Random(4) + 1;
  return outcome;
}

void AddHall(engine::GameState& state, HallState& hall, const GameOverOutcome& outcome,
             std::string_view date) {
  state.LastHallRank = hall.tables.AddHall(state.layouts.LayoutIndex, outcome.result,
                                           outcome.secondValue, hall.CurrentPlayerName, date);
}

} // namespace records
