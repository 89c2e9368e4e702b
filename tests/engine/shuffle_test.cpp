#include <gtest/gtest.h>

#include <set>

#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/layout_file.h"
#include "engine/shuffle.h"
#include "games/solitaire/solitaire_play.h"
#include "games/solitaire/solitaire_start.h"
#include "platform/files.h"
#include "support/test_platform.h"

namespace {

using namespace engine;
using namespace solitaire;
using testing_support::BoardIsConsistent;
using testing_support::RecordingServices;

LayoutGrid Traditional() {
  platform::FileRead file =
      platform::ReadWholeFile(testing_support::BuiltLayout("Traditional"), MaxLayoutFileBytes);
  return ParseLay(file.bytes).cells;
}

struct Game {
  std::unique_ptr<GameState> state = std::make_unique<GameState>();
  RecordingServices services{*state};

  Game(int number, int mode = ModeSolitaire) {
    state->layouts.LayoutCells = Traditional();
    state->options.RandomSeed1 = true;
    state->options.Winnable = true;
    state->board.GameNumber = number;
    BeginGame(*state, services);
    state->board.GameMode = static_cast<std::uint8_t>(mode);
  }

  // Removes the first free matching pair, as a player would, recording it for undo.
  bool PlayOneMove() {
    Board& b = state->board;
    IsItFree(*state);
    for (int k = 1; k < b.FreeCount; ++k) {
      int a = b.FreeList[k], c = b.FreeList[k + 1];
      if (TileGroup(a) != TileGroup(c)) continue;
      for (int t : {a, c}) {
        b.History.entries[b.History.count++] = {static_cast<std::uint8_t>(t), b.TilePos[t]};
        b.BoardGrid.Set(b.TilePos[t], 0);
        b.TilePos[t] = {};
      }
      b.TilesLeft -= 2;
      return true;
    }
    return false;
  }

  std::set<std::tuple<int, int, int>> OccupiedCells() const {
    std::set<std::tuple<int, int, int>> cells;
    for (int t = 1; t <= MaxTiles; ++t)
      if (state->board.TilePos[t].OnBoard())
        cells.insert(
            {state->board.TilePos[t].x, state->board.TilePos[t].y, state->board.TilePos[t].z});
    return cells;
  }
};

TEST(ShuffleTest, BothShufflesKeepTheBoardAndItsHistory) {
  for (bool winnable : {false, true}) {
    for (int number : {3, 30, 300}) {
      Game game(number);
      game.state->options.Shuffable = winnable;
      for (int i = 0; i < 20 && game.PlayOneMove(); ++i) {
      }
      const Board& b = game.state->board;
      MoveHistory history = b.History;
      int tilesLeft = b.TilesLeft;
      auto cells = game.OccupiedCells();
      game.state->board.FirstPick = 7;
      game.state->board.HintA = 9;

      Shuffle1Click(*game.state, game.services);

      EXPECT_TRUE(BoardIsConsistent(b)) << "game " << number;
      EXPECT_EQ(b.TilesLeft, tilesLeft);
      EXPECT_EQ(b.TileCount, 144);
      EXPECT_EQ(game.OccupiedCells(), cells) << "tiles only trade places";
      ASSERT_EQ(b.History.count, history.count);
      for (int i = 0; i < history.count; ++i) {
        EXPECT_EQ(b.History.entries[i].tile, history.entries[i].tile);
        EXPECT_EQ(b.History.entries[i].pos, history.entries[i].pos);
        EXPECT_EQ(b.BoardGrid(history.entries[i].pos), 0) << "undo needs the spot empty";
        EXPECT_FALSE(b.TilePos[history.entries[i].tile].OnBoard());
      }
      EXPECT_EQ(b.FirstPick + b.HintA, 0);
      EXPECT_GE(game.services.fullRedraws, 1);
    }
  }
}

TEST(ShuffleTest, MessagesAndPenalties) {
  struct Case {
    int mode;
    bool winnable;
  } cases[] = {{ModeSolitaire, false},
               {ModeSolitaire, true},
               {ModeTwoPlayers, false},
               {ModeTwoPlayers, true}};
  for (const Case& c : cases) {
    Game game(77, c.mode);
    game.state->options.Shuffable = c.winnable;
    game.state->scoring.PenaltySeconds = 5;
    Shuffle1Click(*game.state, game.services);
    int moves = game.state->board.MovesLeft;
    std::string expected = moves == 1 ? "Tiles shuffled. 1 new move found."
                           : moves >= 2
                               ? "Tiles shuffled. " + std::to_string(moves) + " new moves found."
                               : "No moves found. Try to press Back a few times.";
    EXPECT_EQ(game.state->status.StatusMessage, expected) << "mode " << c.mode;
    int penalty = c.mode == ModeSolitaire ? 10 * moves : 0;
    EXPECT_EQ(game.state->scoring.PenaltySeconds, 5 + penalty) << "mode " << c.mode;
  }
}

// Two tiles of different groups side by side: no shuffle can ever make a move of them.
std::unique_ptr<GameState> HopelessBoard(int mode, bool winnable) {
  auto state = std::make_unique<GameState>();
  Board& b = state->board;
  b.GameMode = static_cast<std::uint8_t>(mode);
  b.TileCount = 2;
  b.TilesLeft = 2;
  b.BoardGrid.Set(10, 10, 1, 1);
  b.TilePos[1] = {10, 10, 1};
  b.BoardGrid.Set(10, 10, 2, 2); // tile 2 sits on top of tile 1
  b.TilePos[2] = {10, 10, 2};
  state->options.Shuffable = winnable;
  return state;
}

TEST(ShuffleTest, GivesUpOnHopelessBoardsAndLeavesThemWhole) {
  for (bool winnable : {false, true}) {
    auto state = HopelessBoard(ModeSolitaire, winnable);
    RecordingServices services(*state);
    Shuffle1Click(*state, services);
    EXPECT_TRUE(BoardIsConsistent(state->board));
    EXPECT_EQ(state->status.StatusMessage, "No moves found. Try to press Back a few times.");
    EXPECT_EQ(state->scoring.PenaltySeconds, 0);
    if (winnable) {
      // At most one free position: the winnable shuffle leaves every tile where it was.
      EXPECT_EQ(state->board.TilePos[1], (Position{10, 10, 1}));
      EXPECT_EQ(state->board.TilePos[2], (Position{10, 10, 2}));
    }
  }
}

TEST(ShuffleTest, IgnoredWhenFinished) {
  Game finished(5);
  finished.state->board.GameFinished = true;
  auto before = finished.state->board.TilePos;
  Shuffle1Click(*finished.state, finished.services);
  EXPECT_EQ(finished.state->board.TilePos, before);
}

TEST(ShuffleTest, TheSwapShuffleCanKeepTilesOnTheirLayer) {
  Game game(12);
  std::array<int, MaxTiles + 1> layers{};
  for (int t = 1; t <= MaxTiles; ++t) layers[t] = game.state->board.TilePos[t].z;
  SwapShuffle(*game.state, game.services, true);
  for (int t = 1; t <= MaxTiles; ++t) EXPECT_EQ(game.state->board.TilePos[t].z, layers[t]) << t;
}

TEST(ShuffleTest, WinnableShuffleLeavesAClearableBoard) {
  // After a winnable shuffle some order of removals must clear the board; greedy play of the
  // first free pair is not guaranteed to find it, so count how often it does as a sanity floor.
  int cleared = 0;
  for (int number = 1; number <= 20; ++number) {
    Game game(number);
    game.state->options.Shuffable = true;
    for (int i = 0; i < 10; ++i) game.PlayOneMove();
    Shuffle1Click(*game.state, game.services);
    EXPECT_TRUE(BoardIsConsistent(game.state->board));
    EXPECT_GE(game.state->board.MovesLeft, 1) << "game " << number;
    while (game.PlayOneMove()) {
    }
    cleared += game.state->board.TilesLeft == 0;
  }
  EXPECT_GT(cleared, 0);
}

} // namespace
