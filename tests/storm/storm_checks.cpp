#include "storm_checks.h"

#include "editor/editor_game.h"
#include "games/hashira/hashira_game.h"
#include "support/editor_invariants.h"
#include "support/flat_game_checks.h"
#include "support/hashira_invariants.h"
#include "support/test_platform.h"

namespace storm {

namespace {

std::string Broken(const ::testing::AssertionResult& result) {
  return result ? std::string() : std::string(result.message());
}

bool OnStackedBoard(int mode) {
  return mode == engine::ModeSolitaire || mode == engine::ModeTwoPlayers ||
         mode == engine::ModeRivers || mode == engine::ModeMemory;
}

} // namespace

void Checks::Before(TPelmar& pelmar) {
  before_ = pelmar.State().board;
  beforeMode_ = before_.GameMode;
  several_ = false;
  clickDuringReveal_ = false;
}

void Checks::ClickGiven(TPelmar& pelmar) {
  const engine::GameState& state = pelmar.State();
  if (state.RevealCountdown == 0 || clickDuringReveal_) return;
  clickDuringReveal_ = true;
  picksBefore_[0] = state.board.FirstPick;
  picksBefore_[1] = state.board.SecondPick;
}

std::string Checks::StackedBoard(const engine::Board& b) const {
  if (std::string broken = Broken(testing_support::BoardIsConsistent(b)); !broken.empty())
    return broken;
  if (b.History.count != b.TileCount - b.TilesLeft)
    return "the history holds " + std::to_string(b.History.count) + " tiles, " +
           std::to_string(b.TileCount - b.TilesLeft) + " were removed";
  return {};
}

std::string Checks::After(TPelmar& pelmar, const std::string&) {
  const engine::GameState& state = pelmar.State();
  const engine::Board& b = state.board;
  play::Game* game = pelmar.ActiveGame();
  if (game) lastGame_ = game->traits().mode;
  if (b.TilesLeft < 0 || b.TilesLeft > b.TileCount) return "TilesLeft out of range";

  if (OnStackedBoard(lastGame_))
    if (std::string broken = StackedBoard(b); !broken.empty()) return broken;
  if (clickDuringReveal_ && (b.FirstPick != picksBefore_[0] || b.SecondPick != picksBefore_[1]))
    return "a click changed the picks while a pair lay face up";
  if (!game) return {};

  switch (game->traits().mode) {
  case engine::ModeRivers:
    if (!several_ && beforeMode_ == engine::ModeRivers)
      return Broken(testing_support::RiversEventIsSound(before_, b));
    return {};
  case engine::ModeMemory:
    return Broken(testing_support::MemoryFaceUpIsSound(state));
  case engine::ModeClicks:
    return Broken(testing_support::ClicksIsConsistent(dynamic_cast<clicks::ClicksGame&>(*game), b));
  case engine::ModeSlider: {
    const auto& slider = dynamic_cast<slider::SliderGame&>(*game);
    // A new game, or the game found again after a pause: its tiles and score start the watch.
    if (several_ || beforeMode_ != engine::ModeSlider)
      slider_ = {slider::CountTiles(slider.Field()), state.scoring.GameScore};
    return Broken(testing_support::SliderIsConsistent(slider, state, slider_));
  }
  case engine::ModeHashira:
    return Broken(
        testing_support::PitIsConsistent(dynamic_cast<hashira::HashiraGame&>(*game).Columns()));
  case engine::ModeEditor:
    return Broken(testing_support::DesignIsConsistent(
        state, dynamic_cast<editor::EditorGame&>(*game).TilesToPlace()));
  default:
    return {};
  }
}

} // namespace storm
