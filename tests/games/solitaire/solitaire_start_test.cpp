#include <gtest/gtest.h>

#include "games/solitaire/solitaire_start.h"
#include "support/test_platform.h"

namespace {

using namespace engine;

TEST(VerticalClickTest, AsksInSolitaireTogglesOnPanelsIgnoresOtherGames) {
  struct Case {
    int mode;
    std::deque<bool> answers;
    bool toggled, newGame;
    int questions;
  } cases[] = {
      {ModeSolitaire, {true}, true, true, 1},
      {ModeSolitaire, {false}, false, false, 1},
      {ModeNone, {}, true, false, 0},
      {ModeGamesPanel, {}, true, false, 0},
      {ModeTwoPlayers, {true}, false, false, 0},
      {ModeRivers, {true}, false, false, 0},
      {ModePaused, {true}, false, false, 0},
  };
  for (const Case& c : cases) {
    auto state = std::make_unique<GameState>();
    state->board.GameMode = static_cast<std::uint8_t>(c.mode);
    state->layouts.LayoutCells.Set(2, 2, 1, 1);
    state->layouts.LayoutCells.Set(6, 2, 1, 1);
    testing_support::RecordingServices services(*state);
    services.scriptedUi().okAnswers = c.answers;
    solitaire::VerticalClick(*state, services);
    EXPECT_EQ(state->options.Vertical, c.toggled) << "mode " << c.mode;
    EXPECT_EQ(services.scriptedUi().questions.size(), static_cast<std::size_t>(c.questions));
    EXPECT_EQ(state->board.TileCount == 2, c.newGame) << "mode " << c.mode;
    if (c.questions == 1) {
      EXPECT_EQ(services.scriptedUi().questions[0],
                "Vertical variation: If you want to change the game mode, you'll have to restart "
                "your game. Do you wish to continue ?");
    }
  }
}

} // namespace
