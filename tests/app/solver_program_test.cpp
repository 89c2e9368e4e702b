#include <gtest/gtest.h>

#include <filesystem>

#include "program_fixture.h"

namespace program_testing {

namespace {

using testing_support::BoardIsConsistent;

class SolverProgramTest : public ProgramTest {
protected:
  // A deal that can be won, with the pairs sliding off as the player's do.
  void DealWinnableGame() {
    State().options.Winnable = true;
    State().options.AnimateTiles = true;
    DealNumberedGame(5);
    ASSERT_EQ(Board().GameMode, engine::ModeSolitaire);
  }

  // The background of the event loop while the player waits: the thread timer and the clock.
  void Wait(int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
      Tick();
      pelmar_.Timer1timer();
    }
  }

  const std::string& StatusMessage() { return State().status.StatusMessage; }
};

TEST_F(SolverProgramTest, TheAnswerComesInTheBackgroundForTheHintsPrice) {
  DealWinnableGame();
  window_.threadTimerRunning = false;
  Command(CommandId::StillWinnable);
  EXPECT_TRUE(window_.threadTimerRunning) << "the search runs between events";
  Wait(500);
  EXPECT_EQ(StatusMessage(), "This board can still be won.");
  EXPECT_EQ(State().scoring.PenaltySeconds, 40);
  EXPECT_EQ(pelmar_.Timer1timer(), platform::ThreadTimerStopped) << "and then rests";
}

TEST_F(SolverProgramTest, SolveClearsTheBoardPairByPairAndEndsWithoutARecord) {
  DealWinnableGame();
  Command(CommandId::Solve);
  std::string statusAtTheEnd;
  window_.duringDialog = [&] { statusAtTheEnd = StatusMessage(); };
  for (int second = 0; second < 120 && window_.results.empty(); ++second) Wait(1000);
  ASSERT_EQ(window_.results.size(), 1u) << StatusMessage();
  EXPECT_EQ(
      window_.results[0].lines,
      (std::vector<std::string>{"Demonstration over !", "Pelmar cleared the board...",
                                "A board cleared for you has no place in the Hall of Fame."}));
  EXPECT_EQ(statusAtTheEnd, "   ") << "nothing is left to watch";
  EXPECT_EQ(window_.hallWindows, 0);
  EXPECT_FALSE(std::filesystem::exists(folder_.Path() + "Hallfame.ini"));
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);
  EXPECT_GT(window_.presents, 144) << "every pair slid off";
  // Every tile went by the picks: the history holds each one once.
  std::vector<int> removed;
  for (int i = 0; i < engine::MaxTiles; ++i) removed.push_back(Board().History.entries[i].tile);
  std::sort(removed.begin(), removed.end());
  for (int t = 1; t <= engine::MaxTiles; ++t) EXPECT_EQ(removed[t - 1], t);
}

TEST_F(SolverProgramTest, AClickStopsTheDemonstrationInsteadOfPicking) {
  DealWinnableGame();
  Command(CommandId::Solve);
  for (int i = 0; i < 100 && Board().TilesLeft == 144; ++i) Wait(50);
  ASSERT_EQ(Board().TilesLeft, 142);
  Tick(); // counts the free tiles again
  ClickTile(FreePairs(Board())[0].first);
  EXPECT_EQ(Board().FirstPick, 0);
  EXPECT_EQ(StatusMessage(), "Demonstration stopped.");
  Wait(5000);
  EXPECT_EQ(Board().TilesLeft, 142);
  EXPECT_TRUE(BoardIsConsistent(Board()));
}

TEST_F(SolverProgramTest, TheDemonstrationWaitsWhileAWindowIsOpen) {
  State().options.GoCheckPause = false; // the game stays on while the window is open
  DealWinnableGame();
  Command(CommandId::Solve);
  Wait(100); // the search
  int removedMeanwhile = -1;
  window_.duringDialog = [&] {
    const int before = Board().TilesLeft;
    Wait(5000);
    removedMeanwhile = before - Board().TilesLeft;
  };
  Command(CommandId::HelpContents);
  EXPECT_EQ(removedMeanwhile, 0);
  Wait(1000);
  EXPECT_LT(Board().TilesLeft, 144) << "the demonstration goes on after the window";
}

} // namespace

} // namespace program_testing
