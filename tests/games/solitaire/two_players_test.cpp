#include "games/solitaire/two_players.h"

#include <gtest/gtest.h>

#include "engine/deal.h"
#include "engine/layout_file.h"
#include "games/solitaire/solitaire_play.h"
#include "games/solitaire/solitaire_start.h"
#include "platform/files.h"
#include "support/test_platform.h"

namespace {

using namespace engine;
using namespace solitaire;
using testing_support::RecordingServices;

// Tiles 1..4 share a group, 5..8 another: four free tiles side by side on the bottom layer
// give two pairs to remove and mismatches to try.
struct TwoPlayerTable {
  std::unique_ptr<GameState> owned = std::make_unique<GameState>();
  GameState& state = *owned;
  RecordingServices services{state};

  TwoPlayerTable() {
    Board& b = state.board;
    state.options.AnimateTiles = false;
    b.GameMode = ModeTwoPlayers;
    const int tiles[] = {1, 5, 2, 6};
    for (int i = 0; i < 4; ++i) {
      const Position p{4 + 6 * i, 5, 1};
      b.BoardGrid.Set(p, static_cast<std::uint8_t>(tiles[i]));
      b.TilePos[tiles[i]] = p;
    }
    b.TilesLeft = b.TileCount = 4;
    services.manualClock().tick = 100'000;
    state.scoring.GameStartTick = state.scoring.TurnStartTick1 = state.scoring.TurnStartTick2 =
        100'000;
  }
  void Wait(int ms) { services.manualClock().tick += static_cast<std::uint32_t>(ms); }
  void Click(int t) {
    const Position& p = state.board.TilePos[t];
    const int px = 20 * p.x + 6 * p.z - 52 + 20, py = 25 * p.y - 6 * p.z - 59 + 25;
    ButtonDown(state, services, MouseButton::Left, px + state.board.BoardLeft,
               py + state.board.BoardTop);
  }
  const Scoring& scoring() const { return state.scoring; }
};

TEST(TwoPlayers, TurnsPassOnlyWithARemovedPair) {
  TwoPlayerTable t;
  t.Wait(10'000);
  t.Click(1);
  t.Click(5); // a mismatch: player 1 keeps the turn
  EXPECT_EQ(t.scoring().CurrentPlayer, 0);
  t.Click(2); // 5 is the first pick now: another mismatch
  EXPECT_EQ(t.scoring().CurrentPlayer, 0);
  t.Click(1); // 2 and 1 match
  EXPECT_EQ(t.state.board.TilesLeft, 2);
  EXPECT_EQ(t.scoring().PlayerTime1, 10'000);
  EXPECT_EQ(t.scoring().CurrentPlayer, 1);
  t.Wait(4'000);
  t.Click(5);
  t.Click(6);
  EXPECT_EQ(t.scoring().PlayerTime1, 10'000);
  EXPECT_EQ(t.scoring().PlayerTime2, 4'000);
  EXPECT_EQ(t.scoring().CurrentPlayer, 0) << "player 1 is on turn again";
  EXPECT_EQ(Verdict(t.scoring()), "And the winner is... PLAYER 2 !");
}

TEST(TwoPlayers, TheVerdictGoesToTheSmallerTotal) {
  struct Case {
    int time1, time2;
    std::string_view verdict;
  } cases[] = {
      {10'000, 4'000, "And the winner is... PLAYER 2 !"},
      {4'000, 10'000, "And the winner is... PLAYER 1 !"},
      {7'000, 7'000, "Same score for both players !"},
  };
  for (const Case& c : cases) {
    Scoring s;
    s.PlayerTime1 = c.time1;
    s.PlayerTime2 = c.time2;
    EXPECT_EQ(Verdict(s), c.verdict) << c.time1 << " / " << c.time2;
  }
}

TEST(TwoPlayers, BackGivesTheTurnBackWithTheClockAsItStood) {
  TwoPlayerTable t;
  t.Wait(10'000);
  t.Click(1);
  t.Click(2);
  ASSERT_EQ(t.scoring().CurrentPlayer, 1);
  t.Wait(3'000); // player 2 thinks, then asks for the pair back
  Back(t.state, t.services);
  EXPECT_EQ(t.state.board.TilesLeft, 4);
  EXPECT_EQ(t.scoring().CurrentPlayer, 0);
  EXPECT_EQ(t.scoring().PlayerTime1, 0);
  EXPECT_EQ(t.services.manualClock().tick - t.scoring().TurnStartTick1, 10'000u)
      << "player 1's turn goes on from the 10 s it had run";
  Back(t.state, t.services); // nothing left to take back: nothing changes
  EXPECT_EQ(t.scoring().CurrentPlayer, 0);
  EXPECT_EQ(t.state.board.TilesLeft, 4);
}

LayoutGrid Traditional() {
  const platform::FileRead file =
      platform::ReadWholeFile(testing_support::BuiltLayout("Traditional"), MaxLayoutFileBytes);
  return ParseLay(file.bytes).cells;
}

TEST(TwoPlayers, ANumberedGameDealsTheSameBoardForTwoPlayers) {
  for (bool winnable : {false, true}) {
    std::array<Position, MaxTiles + 1> alone{}, together{};
    for (bool two : {false, true}) {
      auto state = std::make_unique<GameState>();
      RecordingServices services(*state);
      state->layouts.LayoutCells = Traditional();
      state->board.GameMode = ModeGamesPanel;
      state->options.Winnable = winnable;
      state->options.RandomSeed1 = true;
      state->board.GameNumber = 4242;
      if (two) {
        TwoPlayers(*state, services);
        EXPECT_EQ(state->board.GameMode, ModeTwoPlayers);
        EXPECT_EQ(state->scoring.CurrentPlayer, 0);
      } else {
        BeginGame(*state, services);
      }
      (two ? together : alone) = state->board.TilePos;
    }
    EXPECT_EQ(alone, together) << (winnable ? "winnable" : "plain");
  }
}

} // namespace
