#include <gtest/gtest.h>

#include <memory>

#include "games/rivers/rivers_count.h"
#include "program_fixture.h"
#include "support/flat_game_checks.h"

namespace program_testing {

namespace {

using testing_support::BoardIsConsistent;
using testing_support::MemoryFaceUpIsSound;
using testing_support::RiversEventIsSound;

TEST_F(ProgramTest, EachVariantStartsFromTheMenusThePanelAndPlaySameGameAgain) {
  const platform::GamesPanelItems& panel = window_.gamesPanel;
  struct Case {
    int command;
    engine::Mode mode;
    int code, tiles;
    const char* status;
  } cases[] = {
      {int(CommandId::RiversEasy), engine::ModeRivers, 1000, 84, "Mahjongg Rivers started."},
      {int(CommandId::RiversHard), engine::ModeRivers, 1001, 144, "Mahjongg Rivers started."},
      {panel.games[1].pictureButton.command, engine::ModeRivers, 1001, 144,
       "Mahjongg Rivers started."},
      {int(CommandId::MemoryEasy), engine::ModeMemory, 1010, 32, "Mahjongg Memory started."},
      {int(CommandId::MemoryHard), engine::ModeMemory, 1011, 60, "Mahjongg Memory started."},
      {panel.games[2].pictureButton.command, engine::ModeMemory, 1010, 32,
       "Mahjongg Memory started."},
  };
  for (const Case& c : cases) {
    for (const int command : {c.command, int(CommandId::LastPlayedGame)}) {
      pelmar_.OnCommand(command);
      EXPECT_EQ(Board().GameMode, c.mode) << c.command;
      EXPECT_EQ(State().layouts.LayoutIndex, c.code) << c.command;
      EXPECT_EQ(Board().TilesLeft, c.tiles) << c.command;
      EXPECT_EQ(State().status.StatusMessage, c.status);
      EXPECT_TRUE(BoardIsConsistent(Board())) << c.command;
      Command(CommandId::Stop);
    }
  }
}

// The pair the count found first, as a hint would show it.
std::pair<int, int> FirstMove(const engine::Board& b) {
  auto copy = std::make_unique<engine::Board>(b);
  return rivers::MarkMove(*copy, 1) ? std::pair(copy->HintA, copy->HintB) : std::pair(0, 0);
}

TEST_F(ProgramTest, AWholeEasyRiversGameEndsInTheHallOfFame) {
  Command(CommandId::RiversEasy);
  ASSERT_TRUE(State().options.TileRivers) << "the rivers run on screen";
  auto before = std::make_unique<engine::Board>();
  for (int turn = 0; Board().TilesLeft > 0 && turn < 200; ++turn) {
    Tick();
    EXPECT_EQ(window_.status[1], std::to_string(Board().MovesLeft));
    const auto [a, b] = FirstMove(Board());
    *before = Board();
    if (a == 0) {
      Command(CommandId::Shuffle);
    } else {
      ClickTile(b);
      ClickTile(a);
      EXPECT_EQ(Board().TilesLeft, before->TilesLeft - 2);
    }
    ASSERT_TRUE(RiversEventIsSound(*before, Board()));
    ASSERT_TRUE(BoardIsConsistent(Board()));
  }
  ASSERT_EQ(Board().TilesLeft, 0);
  Tick();
  ASSERT_EQ(window_.results.size(), 1u);
  EXPECT_TRUE(window_.results[0].lines.back().starts_with("Your final time is "));
  EXPECT_EQ(window_.hallWindows, 1);
  const std::string saved = testing_support::ReadText(folder_.Path() + "Hallfame.ini");
  EXPECT_NE(saved.find("[Rivers]\nRank1=Player1 "), std::string::npos) << saved;
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);
}

TEST_F(ProgramTest, OnlyPossibleMovesHighlightsTheTilesOfTheRiversCount) {
  State().options.OnlyPossible = true;
  Command(CommandId::RiversHard);
  Tick();
  const auto [a, b] = FirstMove(Board());
  ASSERT_NE(a, 0);
  int stuck = 0; // a tile of layer 2 that no path reaches
  for (int t = 73; t <= 144 && stuck == 0; ++t)
    if (!rivers::Playable(State(), t)) stuck = t;
  ASSERT_NE(stuck, 0);
  for (const auto& [tile, marked] : {std::pair{a, a}, {stuck, 0}}) {
    const auto [x, y] = TileCentre(Board(), tile);
    pelmar_.OnBoardMove(x, y);
    EXPECT_EQ(State().pointer.HoverTile, marked) << tile;
  }
}

// The tiles of a Memory deal by group: the easy deal holds four of each of eight groups.
TEST_F(ProgramTest, AWholeEasyMemoryGameWithOneMistakeCostsExactlyTwoSeconds) {
  Command(CommandId::MemoryEasy);
  ClickTile(1);
  ClickTile(5);
  ClickTile(9); // while the pair is on show, every click waits its turn
  ClickTile(1);
  EXPECT_EQ(std::tie(Board().FirstPick, Board().SecondPick), std::tuple(1, 5));
  Tick(9);
  EXPECT_EQ(Board().FirstPick, 1) << "half a second on show";
  EXPECT_TRUE(MemoryFaceUpIsSound(State()));
  Tick();
  EXPECT_EQ(std::tie(Board().FirstPick, Board().SecondPick), std::tuple(0, 0));
  EXPECT_EQ(State().scoring.PenaltySeconds, 2);
  EXPECT_EQ(Board().TilesLeft, 32);
  for (int t = 1; t <= 32; t += 2) {
    ClickTile(t);
    ClickTile(t); // the face-up tile clicked again stays as it is
    ClickTile(t + 1);
    EXPECT_TRUE(MemoryFaceUpIsSound(State()));
    Tick(10);
    EXPECT_FALSE(Board().TilePos[t].OnBoard());
  }
  // 170 ticks of 50 ms: eight whole seconds and the mistake's two.
  ASSERT_EQ(window_.results.size(), 1u);
  EXPECT_EQ(window_.results[0].lines.back(), "Your final time is 00:10");
  const std::string saved = testing_support::ReadText(folder_.Path() + "Hallfame.ini");
  EXPECT_NE(saved.find("[Memory]\nRank1=Player1    10    2 "), std::string::npos) << saved;
}

TEST_F(ProgramTest, APairTurnedUpBeforeAPauseIsResolvedDuringIt) {
  audio_.StopMusic(); // a playing track would keep the clock awake
  Command(CommandId::MemoryHard);
  Tick(80); // the start message has slid in: only the pair keeps the clock awake
  ClickTile(1);
  ClickTile(2);
  Tick(3);
  Command(CommandId::Pause);
  ASSERT_EQ(Board().GameMode, engine::ModePaused);
  for (int i = 1; i <= 7; ++i) {
    Now() += 50;
    EXPECT_EQ(pelmar_.OnClockTick(), i < 7) << "tick " << i;
  }
  EXPECT_EQ(Board().TilesLeft, 58);
  ClickTile(3);
  EXPECT_EQ(Board().FirstPick, 0) << "a paused board takes no picks";
  Command(CommandId::Pause);
  EXPECT_EQ(Board().GameMode, engine::ModeMemory);
  EXPECT_TRUE(MemoryFaceUpIsSound(State()));
  ClickTile(3);
  ClickTile(4);
  Command(CommandId::Stop);
  Now() += 50;
  EXPECT_FALSE(pelmar_.OnClockTick()) << "an abandoned pair keeps no clock awake";
}

} // namespace

} // namespace program_testing
