#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "shell/last_played_game.h"
#include "support/mode_table.h"

namespace {

// Each kind is known by the mode of the game that starts.
enum GameKind {
  Solitaire = engine::ModeSolitaire,
  TwoPlayerSolitaire = engine::ModeTwoPlayers,
  Rivers = engine::ModeRivers,
  Memory = engine::ModeMemory,
  Clicks = engine::ModeClicks,
  Slider = engine::ModeSlider,
  Hashira = engine::ModeHashira,
};

TEST(LastPlayedGameTest, TheModeOrTheGameCodeChooseFirstMatchWins) {
  struct Case {
    int mode, layoutIndex;
    GameKind kind;
  } cases[] = {
      {engine::ModeHashira, 3, Hashira},
      {engine::ModeGamesPanel, 1040, Hashira},
      {engine::ModeSlider, 1040, Hashira}, // the Hashira code wins over Slider's mode
      {engine::ModeSlider, 2, Slider},
      {engine::ModeGamesPanel, 1030, Slider},
      {engine::ModeClicks, 1, Clicks},
      {engine::ModeGamesPanel, 1020, Clicks},
      {engine::ModeGamesPanel, 1022, Clicks},
      {engine::ModeGamesPanel, 1023, Solitaire},
      {engine::ModeMemory, 1000, Memory},
      {engine::ModeGamesPanel, 1011, Memory},
      {engine::ModeGamesPanel, 1012, Solitaire},
      {engine::ModeRivers, 5, Rivers},
      {engine::ModeGamesPanel, 1000, Rivers}, // easy Rivers again from the panel
      {engine::ModePaused, 1001, Rivers},
      {engine::ModeTwoPlayers, 4, TwoPlayerSolitaire},
      {engine::ModeTwoPlayers, 1010, Memory},
      // A two-player game that has ended leaves only its layout number behind.
      {engine::ModeGamesPanel, 4, Solitaire},
      {engine::ModeSolitaire, 7, Solitaire},
      {engine::ModeGamesPanel, -1, Solitaire},
      {engine::ModeGamesPanel, 0, Solitaire},
      {engine::ModeGamesPanel, 999, Solitaire},
  };
  for (const Case& c : cases)
    EXPECT_EQ(
        shell::LastPlayedGame(testing_support::StandInGames(), c.mode, c.layoutIndex).traits().mode,
        c.kind)
        << "mode " << c.mode << " LayoutIndex " << c.layoutIndex;
}

} // namespace
