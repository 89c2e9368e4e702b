#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "shell/last_played_game.h"

namespace {

using shell::GameKind;

TEST(LastPlayedGameTest, TheModeOrTheGameCodeChooseFirstMatchWins) {
  struct Case {
    int mode, layoutIndex;
    GameKind kind;
  } cases[] = {
      {engine::ModeHashira, 3, GameKind::Hashira},
      {engine::ModeGamesPanel, 1040, GameKind::Hashira},
      {engine::ModeSlider, 1040, GameKind::Hashira}, // the Hashira code wins over Slider's mode
      {engine::ModeSlider, 2, GameKind::Slider},
      {engine::ModeGamesPanel, 1030, GameKind::Slider},
      {engine::ModeClicks, 1, GameKind::Clicks},
      {engine::ModeGamesPanel, 1020, GameKind::Clicks},
      {engine::ModeGamesPanel, 1022, GameKind::Clicks},
      {engine::ModeGamesPanel, 1023, GameKind::Solitaire},
      {engine::ModeMemory, 1000, GameKind::Memory},
      {engine::ModeGamesPanel, 1011, GameKind::Memory},
      {engine::ModeGamesPanel, 1012, GameKind::Solitaire},
      {engine::ModeRivers, 5, GameKind::Rivers},
      {engine::ModeGamesPanel, 1000, GameKind::Rivers}, // easy Rivers again from the panel
      {engine::ModePaused, 1001, GameKind::Rivers},
      {engine::ModeTwoPlayers, 4, GameKind::TwoPlayerSolitaire},
      {engine::ModeTwoPlayers, 1010, GameKind::Memory},
      // A two-player game that has ended leaves only its layout number behind.
      {engine::ModeGamesPanel, 4, GameKind::Solitaire},
      {engine::ModeSolitaire, 7, GameKind::Solitaire},
      {engine::ModeGamesPanel, -1, GameKind::Solitaire},
      {engine::ModeGamesPanel, 0, GameKind::Solitaire},
      {engine::ModeGamesPanel, 999, GameKind::Solitaire},
  };
  for (const Case& c : cases)
    EXPECT_EQ(shell::LastPlayedKind(c.mode, c.layoutIndex), c.kind)
        << "mode " << c.mode << " LayoutIndex " << c.layoutIndex;
}

} // namespace
