#include <gtest/gtest.h>

#include "shell/pause.h"
#include "support/mode_table.h"
#include "support/test_platform.h"

namespace {

using shell::PauseStep;
using testing_support::RecordingServices;

const play::GameList& Games() {
  return testing_support::StandInGames();
}

TEST(PauseTest, OnlyRunningGamesPause) {
  struct Case {
    int mode;
    PauseStep step;
  } cases[] = {{0, PauseStep::Ignored}, {1, PauseStep::Paused},   {2, PauseStep::Paused},
               {5, PauseStep::Paused},  {7, PauseStep::Paused},   {8, PauseStep::Ignored},
               {9, PauseStep::Ignored}, {10, PauseStep::Resumed}, {11, PauseStep::Ignored},
               {12, PauseStep::Ignored}};
  for (const Case& c : cases) {
    engine::GameState state;
    RecordingServices services(state);
    shell::PauseState pause;
    pause.PausedMode = engine::ModeSolitaire;
    state.board.GameMode = static_cast<std::uint8_t>(c.mode);
    EXPECT_EQ(shell::PauseClick(state, pause, services, Games()), c.step) << "mode " << c.mode;
    if (c.step == PauseStep::Ignored) {
      EXPECT_TRUE(services.modes.empty()) << "mode " << c.mode;
      EXPECT_EQ(state.board.GameMode, c.mode);
    }
  }
}

TEST(PauseTest, ThePausedIntervalIsNotCounted) {
  engine::GameState state;
  RecordingServices services(state);
  shell::PauseState pause;
  state.board.GameMode = engine::ModeSolitaire;
  services.manualClock().tick = 10'000;
  state.scoring.GameStartTick = 3'000;

  ASSERT_EQ(shell::PauseClick(state, pause, services, Games()), PauseStep::Paused);
  EXPECT_EQ(state.board.GameMode, engine::ModePaused);
  EXPECT_EQ(pause.PausedMode, engine::ModeSolitaire);
  EXPECT_EQ(services.emptyBoards, 1);

  services.manualClock().tick = 250'000;
  ASSERT_EQ(shell::PauseClick(state, pause, services, Games()), PauseStep::Resumed);
  EXPECT_EQ(state.board.GameMode, engine::ModeSolitaire);
  EXPECT_EQ(services.manualClock().tick - state.scoring.GameStartTick, 7'000u);
  EXPECT_EQ(services.fullRedraws, 1);
}

TEST(PauseTest, TwoPlayersFreezeBothTurnClocks) {
  engine::GameState state;
  RecordingServices services(state);
  shell::PauseState pause;
  state.board.GameMode = engine::ModeTwoPlayers;
  services.manualClock().tick = 20'000;
  state.scoring.TurnStartTick1 = 15'000;
  state.scoring.TurnStartTick2 = 12'000;
  shell::PauseClick(state, pause, services, Games());
  services.manualClock().tick = 90'000;
  shell::PauseClick(state, pause, services, Games());
  EXPECT_EQ(state.board.GameMode, engine::ModeTwoPlayers);
  EXPECT_EQ(90'000u - state.scoring.TurnStartTick1, 5'000u);
  EXPECT_EQ(90'000u - state.scoring.TurnStartTick2, 8'000u);
}

// Losing activation pauses every running game and nothing else; regaining it resumes exactly
// when paused, whoever paused.
TEST(PauseTest, ActivationPausesAndResumesOnlyWhereItShould) {
  struct Case {
    int mode;
    PauseStep onDeactivate, onActivate;
  } cases[] = {
      {0, PauseStep::Ignored, PauseStep::Ignored},  {1, PauseStep::Paused, PauseStep::Ignored},
      {2, PauseStep::Paused, PauseStep::Ignored},   {4, PauseStep::Paused, PauseStep::Ignored},
      {7, PauseStep::Paused, PauseStep::Ignored},   {8, PauseStep::Ignored, PauseStep::Ignored},
      {9, PauseStep::Ignored, PauseStep::Ignored},  {10, PauseStep::Ignored, PauseStep::Resumed},
      {11, PauseStep::Ignored, PauseStep::Ignored}, {12, PauseStep::Ignored, PauseStep::Ignored}};
  for (const Case& c : cases) {
    for (const bool deactivate : {true, false}) {
      engine::GameState state;
      RecordingServices services(state);
      shell::PauseState pause;
      pause.PausedMode = engine::ModeRivers;
      state.board.GameMode = static_cast<std::uint8_t>(c.mode);
      const PauseStep step = deactivate ? shell::FormDeactivate(state, pause, services, Games())
                                        : shell::FormActivate(state, pause, services, Games());
      EXPECT_EQ(step, deactivate ? c.onDeactivate : c.onActivate)
          << "mode " << c.mode << (deactivate ? " deactivated" : " activated");
    }
  }
}

TEST(PauseTest, LeavingAndComingBackKeepsTheClockAndTheGame) {
  engine::GameState state;
  RecordingServices services(state);
  shell::PauseState pause;
  state.board.GameMode = engine::ModeSolitaire;
  services.manualClock().tick = 50'000;
  state.scoring.GameStartTick = 20'000;
  ASSERT_EQ(shell::FormDeactivate(state, pause, services, Games()), PauseStep::Paused);
  // A second loss of activation (another window of ours, say) must not resume.
  EXPECT_EQ(shell::FormDeactivate(state, pause, services, Games()), PauseStep::Ignored);
  EXPECT_EQ(state.board.GameMode, engine::ModePaused);
  services.manualClock().tick = 650'000;
  ASSERT_EQ(shell::FormActivate(state, pause, services, Games()), PauseStep::Resumed);
  EXPECT_EQ(state.board.GameMode, engine::ModeSolitaire);
  EXPECT_EQ(services.manualClock().tick - state.scoring.GameStartTick, 30'000u);
}

} // namespace

namespace {

TEST(PauseTest, ModalWindowsPauseOnlyWithTheOption) {
  struct Case {
    bool option;
    int mode;
    PauseStep before, after;
    int modeBetween;
  } cases[] = {
      {true, engine::ModeSolitaire, PauseStep::Paused, PauseStep::Resumed, engine::ModePaused},
      {false, engine::ModeSolitaire, PauseStep::Ignored, PauseStep::Ignored, engine::ModeSolitaire},
      {true, engine::ModeGamesPanel, PauseStep::Ignored, PauseStep::Ignored,
       engine::ModeGamesPanel},
      // Paused by hand before the window opened: closing it resumes, as a click of Pause would.
      {true, engine::ModePaused, PauseStep::Ignored, PauseStep::Resumed, engine::ModePaused},
  };
  for (const Case& c : cases) {
    engine::GameState state;
    RecordingServices services(state);
    shell::PauseState pause;
    pause.PausedMode = engine::ModeSolitaire;
    state.options.GoCheckPause = c.option;
    state.board.GameMode = static_cast<std::uint8_t>(c.mode);
    EXPECT_EQ(shell::CheckPause(state, pause, services, Games()), c.before) << c.mode << c.option;
    EXPECT_EQ(state.board.GameMode, c.modeBetween);
    EXPECT_EQ(shell::UnCheckPause(state, pause, services, Games()), c.after) << c.mode << c.option;
  }
}

} // namespace
