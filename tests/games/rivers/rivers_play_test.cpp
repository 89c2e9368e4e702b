#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <tuple>

#include "games/rivers/rivers_game.h"
#include "games/rivers/rivers_play.h"
#include "support/test_platform.h"

namespace {

using namespace engine;
using play::Sound;
using testing_support::BoardIsConsistent;
using testing_support::RecordingServices;

// A Rivers game over a board laid by hand.
struct Table {
  std::unique_ptr<GameState> owned = std::make_unique<GameState>();
  GameState& state = *owned;
  Board& board = state.board;
  RecordingServices services{state};
  rivers::RiversGame game{state, services};

  Table() {
    services.game = &game;
    board.GameMode = ModeRivers;
    state.options.TileRivers = false;
  }

  void Put(int tile, const Position& p) {
    board.BoardGrid.Set(p, static_cast<std::uint8_t>(tile));
    board.TilePos[tile] = p;
    ++board.TilesLeft;
  }
  // The tiles, then every other cell of the hard rectangle's layer `fillLayer` but the holes,
  // with the tiles of the groups that none of them belongs to, in order.
  void Lay(std::initializer_list<std::pair<int, Position>> tiles, int fillLayer = 0,
           std::initializer_list<Position> holes = {}) {
    board.TilesLeft = 0;
    board.TileCount = MaxTiles;
    std::set<int> groups;
    for (const auto& [t, p] : tiles) {
      Put(t, p);
      groups.insert(TileGroup(t));
    }
    for (const Position& h : holes) board.BoardGrid.Set(h, Undealt);
    int filler = 1;
    for (int x = 6; fillLayer != 0 && x <= 28; x += 2)
      for (int y = 5; y <= 15; y += 2) {
        if (board.BoardGrid(x, y, fillLayer) != 0) continue;
        while (groups.count(TileGroup(filler)) != 0) ++filler;
        Put(filler++, {x, y, fillLayer});
      }
    for (const Position& h : holes) board.BoardGrid.Set(h, 0);
  }

  void Click(int t) {
    for (int Y = 0; Y < 600; ++Y)
      for (int X = 0; X < 760; ++X)
        if (ClickedTile(board, X, Y) == t) return rivers::ChoisitPai(state, services, X, Y);
    ADD_FAILURE() << "tile " << t << " cannot be clicked";
  }
};

TEST(RiversPlay, PicksDeselectRefuseAndRemoveCoveredPairs) {
  Table t;
  // Hard layer 1 full but for a three-turn route from 1 to 2; layer 2 covers the pair 5-6 in
  // the corner.
  t.Lay({{1, {8, 7, 1}},
         {2, {14, 11, 1}},
         {5, {26, 15, 1}},
         {6, {28, 15, 1}},
         {77, {26, 15, 2}},
         {81, {28, 15, 2}}},
        1, {{10, 7, 1}, {10, 9, 1}, {12, 9, 1}, {14, 9, 1}});
  t.Click(1);
  t.Click(1);
  EXPECT_EQ(std::tie(t.board.FirstPick, t.board.SecondPick), std::tuple(0, 0)) << "deselected";

  t.Click(2);
  t.Click(1);
  EXPECT_EQ(std::tie(t.board.FirstPick, t.board.SecondPick), std::tuple(1, 0))
      << "a pair needing three turns is refused; the second tile is the selection";
  EXPECT_TRUE(t.board.TilePos[2].OnBoard());

  const int left = t.board.TilesLeft;
  t.Click(5);
  t.Click(6);
  EXPECT_FALSE(t.board.TilePos[5].OnBoard()) << "covered tiles go when joined";
  EXPECT_EQ(t.board.TilesLeft, left - 2);
  EXPECT_EQ(t.services.sounds.back(), Sound::Done);
  EXPECT_EQ(t.board.FirstPick, 0);
}

TEST(RiversPlay, TheRiverStepsOnceAFrameAndBackPutsTheDealBack) {
  Table t;
  t.state.options.TileRivers = true;
  t.Lay({{1, {28, 5, 1}}, {2, {28, 11, 1}}}, 1);
  const std::array<Position, MaxTiles + 1> dealt = t.board.TilePos;
  t.Click(2); // the first pick is the tile that flows to the other
  t.Click(1);
  // Out to the margin, up three rows, and no step onto the start.
  EXPECT_EQ(t.services.repaints, 4);
  EXPECT_EQ(t.board.TilesLeft, 70);
  ASSERT_TRUE(BoardIsConsistent(t.board));
  t.game.Back();
  EXPECT_EQ(t.board.TilePos, dealt);
  EXPECT_TRUE(BoardIsConsistent(t.board));
}

TEST(RiversPlay, HintsStepThroughEveryMoveAt40SecondsEach) {
  Table t;
  t.Lay({{1, {6, 5, 1}}, {2, {8, 5, 1}}, {3, {10, 5, 1}}, {73, {6, 9, 2}}, {74, {10, 9, 2}}});
  std::vector<std::pair<int, int>> shown;
  for (int i = 0; i < 4; ++i) {
    t.game.CountMoves();
    t.game.Hint();
    shown.emplace_back(t.board.HintA, t.board.HintB);
  }
  // Within group 0: 1-2 side by side, 1-3 around 2, 2-3; then 73-74 on layer 2.
  EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{1, 2}, {1, 3}, {2, 3}, {73, 74}}));
  EXPECT_EQ(t.state.scoring.PenaltySeconds, 160);
}

TEST(RiversPlay, ShufflesStayInTheirLayerAndCost40SecondsEvenWithoutAMove) {
  Table t;
  t.state.rng.RandSeed = 99;
  play::DealFlat(t.board, t.state.rng, rivers::Layout(rivers::Hard));
  std::set<std::tuple<int, int, int>> before, after;
  for (int s = 1; s <= t.board.TileCount; ++s)
    before.emplace(s <= 72, t.board.TilePos[s].x, t.board.TilePos[s].y);
  t.game.Shuffle();
  for (int s = 1; s <= t.board.TileCount; ++s) {
    EXPECT_EQ(t.board.TilePos[s].z, s <= 72 ? 1 : 2) << s;
    after.emplace(s <= 72, t.board.TilePos[s].x, t.board.TilePos[s].y);
  }
  EXPECT_EQ(after, before);
  EXPECT_TRUE(BoardIsConsistent(t.board));
  EXPECT_GT(t.board.MovesLeft, 0);
  EXPECT_EQ(t.state.status.StatusMessage, "Tiles shuffled. 40 seconds penalty.");

  // Two tiles of different groups: no round of 101 finds a move.
  Table lone;
  lone.Lay({{1, {6, 5, 1}}, {5, {20, 11, 1}}});
  lone.state.status.StatusBounce = true;
  lone.game.Shuffle();
  EXPECT_EQ(lone.board.MovesLeft, 0);
  EXPECT_EQ(lone.state.scoring.PenaltySeconds, 40);
  EXPECT_FALSE(lone.state.status.StatusBounce) << "the next refresh must swing the news again";
}

} // namespace
