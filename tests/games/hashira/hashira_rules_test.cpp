#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "games/hashira/hashira_test_pit.h"

namespace {

using namespace hashira_testing;
using platform::Key;

class HashiraRulesTest : public ::testing::Test {
protected:
  StepEvents Step() { return DoColumns(game, *state); }

  // Steps until the next column has entered; the points of every check that scored, in turn.
  std::vector<int> PointsUntilTheNextColumn() {
    std::vector<int> points;
    for (int step = 0; step < 1000; ++step) {
      const StepEvents events = Step();
      if (events.textsChanged && game.LastPoints > 0) points.push_back(game.LastPoints);
      if (events.nextChanged || events.gameOver) return points;
    }
    ADD_FAILURE() << "no column entered";
    return points;
  }

  std::unique_ptr<engine::GameState> state = std::make_unique<engine::GameState>();
  ColumnsGame game;
};

TEST_F(HashiraRulesTest, LinesScoreByTheirTilesTimesTheLinkOfTheChain) {
  struct Case {
    const char* name;
    std::vector<Cell> resting;
    std::array<int, ColumnLength> column; // top to bottom, landing at x = 64
    std::vector<int> points;              // of each check that scored
  } cases[] = {
      {"three equal tiles of one column", {}, {2, 2, 2}, {500}},
      {"five in a row mark five tiles",
       {{0, 352, 1}, {32, 352, 1}, {96, 352, 1}, {128, 352, 1}},
       {3, 4, 1},
       {1000}},
      // The column completes a line of A under C; C falls into a line of C, whose removal lets
      // two D fall into a line of D.
      {"a chain doubles, then triples",
       {{64, 352, 0}, {96, 352, 1}, {128, 352, 1}, {96, 320, 2}, {128, 320, 2}, {160, 352, 2}},
       {1, 0, 0},
       {500, 1000, 1500}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    game = {};
    state->scoring.GameScore = 0;
    for (const Cell& cell : c.resting) Rest(game, {cell});
    Falling(game, 64, FindBlock(game, 64, 352) ? 319.5 : 351.5, c.column);
    EXPECT_EQ(PointsUntilTheNextColumn(), c.points);
    int total = 0;
    for (int p : c.points) total += p;
    EXPECT_EQ(state->scoring.GameScore, total);
    EXPECT_EQ(game.ChainLevel, 0) << "a new column starts a new chain";
    EXPECT_TRUE(PitIsConsistent(game));
  }
}

TEST_F(HashiraRulesTest, MarkedTilesCountAtOnceAndTheNextLevelFallsFaster) {
  struct Case {
    int speedFall;
    double levelOneSpeed, levelTwoSpeed;
  } cases[] = {{1, 0.4, 0.5}, {2, 0.8, 1.0}, {3, 1.2, 1.5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.speedFall);
    game = {};
    state->options.SpeedFall = c.speedFall;
    game.TilesRemoved = 27;
    Rest(game, {{0, 352, 1}, {32, 352, 1}});
    Falling(game, 64, 351.9, {3, 4, 1});
    Step();
    EXPECT_DOUBLE_EQ(game.DropSpeed, c.levelOneSpeed);
    EXPECT_EQ(game.ColumnPhase, ShowingMarked);
    EXPECT_EQ(ColumnsTexts(game, 0), (PanelFigures{0, 30, 2})) << "level 2 while they blink";
    PointsUntilTheNextColumn();
    EXPECT_DOUBLE_EQ(game.DropSpeed, c.levelTwoSpeed);
  }
}

TEST_F(HashiraRulesTest, AGameStartedAtLevelFiveFallsAtItsSpeed) {
  for (int speedFall : {1, 2, 3}) {
    game = {};
    state->options.SpeedFall = speedFall;
    BeginColumns(game, *state, 5);
    EXPECT_EQ(ColumnsTexts(game, 0), (PanelFigures{0, 0, 5}));
    Step();
    ASSERT_EQ(game.BlockCount, 3);
    EXPECT_DOUBLE_EQ(game.ColumnBlocks[3].y, -32 + 0.8 * speedFall) << speedFall;
  }
}

TEST_F(HashiraRulesTest, ASidewaysMoveLooksAtTheCellBesideTheBottomTile) {
  struct Case {
    const char* name;
    int x;
    double bottomY;
    std::vector<Cell> beside;
    Key key;
    int movedTo;
  } cases[] = {
      {"into a free column", 64, 100, {}, Key::Left, 32},
      {"refused by a top higher than the column's bottom", 64, 100, {{32, 128, 0}}, Key::Left, 64},
      {"beside a lower top", 64, 100, {{32, 160, 0}}, Key::Left, 32},
      {"standing on a row top, the row below counts", 64, 96, {{96, 128, 0}}, Key::Right, 64},
      {"standing on the floor, beside a tile there", 64, 352, {{96, 352, 0}}, Key::Right, 64},
      {"the right wall", 160, 100, {}, Key::Right, 160},
      {"the left wall", 0, 100, {}, Key::Left, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    game = {};
    for (const Cell& cell : c.beside) Rest(game, {cell});
    Falling(game, c.x, c.bottomY, {0, 1, 2});
    FormKeyDown(game.flags, c.key);
    Step();
    EXPECT_EQ(game.ColumnBlocks[game.BlockCount].x, c.movedTo);
  }
}

TEST_F(HashiraRulesTest, EachPressAndEachRepeatActsOnceAndAReleaseStopsTheFastDrop) {
  Falling(game, 64, 0, {0, 1, 2});
  const Block& bottom = game.ColumnBlocks[3];
  FormKeyDown(game.flags, Key::Left);
  Step();
  Step();
  EXPECT_EQ(bottom.x, 32) << "held without a repeat: one move";
  FormKeyDown(game.flags, Key::Left); // the key repeats
  Step();
  EXPECT_EQ(bottom.x, 0);

  FormKeyDown(game.flags, Key::Up);
  Step();
  Step();
  EXPECT_EQ(bottom.kind, 1) << "the bottom takes the middle's kind, once";
  EXPECT_EQ(game.ColumnBlocks[1].kind, 2) << "the top takes the bottom's";

  FormKeyDown(game.flags, Key::Down);
  Step();
  Step();
  EXPECT_EQ(game.DropSpeed, 8) << "Down stays held from step to step";
  FormKeyDown(game.flags, Key::Right); // another key ends the fast drop
  Step();
  EXPECT_NE(game.DropSpeed, 8);
  FormKeyDown(game.flags, Key::Down);
  FormKeyUp(game.flags);
  Step();
  EXPECT_NE(game.DropSpeed, 8) << "any release clears all four";
}

TEST_F(HashiraRulesTest, TheGameEndsOnlyWhenAColumnCannotEnter) {
  Stack(game, 64, 0); // the entry cell is taken
  Stack(game, 0, 0);
  Falling(game, 0, -31, {4, 5, 4}); // lands above the pit on a full column
  state->scoring.GameScore = 4200;
  StepEvents events = Step();
  EXPECT_TRUE(events.landed);
  EXPECT_FALSE(events.gameOver) << "tiles above the pit end nothing";
  EXPECT_EQ(game.ColumnBlocks[game.BlockCount - 2].y, -96);
  const int blocks = game.BlockCount;
  const int ticks = game.HashiraTicks;
  events = Step();
  EXPECT_TRUE(events.gameOver);
  EXPECT_TRUE(state->board.GameFinished);
  EXPECT_FALSE(state->board.GameOverShown);
  EXPECT_EQ(state->status.StatusMessage, "GAME OVER -- Final Score : 4200");
  EXPECT_EQ(game.BlockCount, blocks) << "no column entered";
  EXPECT_EQ(game.HashiraTicks, ticks) << "the step ends there";
}

// Above the pit the row top of a removed block's own height lies a row higher; the block just
// above it must fall all the same, and no block may be left hanging.
TEST_F(HashiraRulesTest, BlocksAboveRemovedOnesAboveThePitFallToo) {
  for (int x : {96, 128, 160}) Stack(game, x, 0);
  Rest(game, {{96, -32, 5}, {128, -32, 5}, {160, -32, 5}, {96, -64, 4}, {96, -96, 3}});
  StepEvents events;
  CheckLines(game, *state, events);
  ASSERT_EQ(game.ColumnPhase, ShowingMarked);
  PointsUntilTheNextColumn();
  EXPECT_EQ(game.ColumnBlocks[FindBlock(game, 96, -32)].kind, 4);
  EXPECT_EQ(game.ColumnBlocks[FindBlock(game, 96, -64)].kind, 3);
  EXPECT_EQ(FindBlock(game, 96, -96), 0);
  EXPECT_TRUE(PitIsConsistent(game));
}

// Blocks fall in the order of the list, not from the bottom up: a block that comes to rest may
// take the cell that the one above it was already overlapping. That one must stop above it,
// not move into it.
TEST_F(HashiraRulesTest, BlocksFallingIntoGapsNeverShareACell) {
  state->options.AnimateChain = false;
  Rest(game, {{32, 352, 5},
              {32, 320, 0},
              {32, 256, 0},
              {32, 288, 1},
              {32, 160, 1},
              {32, 192, 0},
              {32, 224, 1}});
  game.ColumnBlocks[1].state = Marked;
  game.ColumnPhase = ShowingMarked;
  game.PhaseTicks = 10;
  for (int step = 0; step < 100 && game.ColumnPhase != ColumnFalls; ++step) {
    Step();
    ASSERT_TRUE(PitIsConsistent(game)) << "step " << step;
  }
  for (int y = 192; y <= 352; y += CellSize) EXPECT_NE(FindBlock(game, 32, y), 0) << y;
}

// Whole games with keys pressed at random: after every step no two blocks share a cell, none
// hangs in the air, and the falling column holds together.
TEST(HashiraRulesGames, RandomKeysKeepThePitSound) {
  std::mt19937 random(2024);
  for (int round = 0; round < 60; ++round) {
    auto state = std::make_unique<engine::GameState>();
    state->rng.RandSeed = random();
    state->options.SpeedFall = 1 + static_cast<int>(random() % 3);
    state->options.AnimateChain = random() % 2 != 0;
    ColumnsGame game;
    BeginColumns(game, *state, 1 + static_cast<int>(random() % 10));
    for (;;) {
      const unsigned r = random() % 40;
      if (r < 4) FormKeyDown(game.flags, static_cast<Key>(r)); // Left, Right, Up, Down
      if (r == 4) FormKeyUp(game.flags);
      DoColumns(game, *state);
      if (state->board.GameFinished) break;
      ASSERT_TRUE(PitIsConsistent(game)) << "game " << round;
    }
  }
}

TEST(HashiraRowTop, RowsAboveThePitCountDownFromMinus32) {
  const std::pair<double, int> cases[] = {{0, 0},      {31.9, 0},    {32, 32},   {352.5, 352},
                                          {-0.5, -32}, {-31.9, -32}, {-32, -64}, {-64, -96}};
  for (const auto& [y, top] : cases) EXPECT_EQ(RowTop(y), top) << y;
}

} // namespace
