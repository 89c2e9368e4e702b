#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "games/slider/slider_game.h"
#include "support/test_platform.h"

namespace {

using namespace slider;

// A field from its top rows (row 1 first, column 1 leftmost, '0' empty, '7' the joker).
SliderField FieldOf(const std::vector<std::string>& rows) {
  SliderField field;
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      field.At({static_cast<int>(c) + 1, static_cast<int>(r) + 1}) =
          static_cast<std::uint8_t>(rows[r][c] - '0');
  return field;
}

// Nine kinds in no line of five anywhere: along a row the kind changes at every step, down a
// column it cycles through three, on the diagonals through two or six.
SliderField FullFieldWithoutLines() {
  SliderField field;
  for (int c = 1; c <= FieldSize; ++c)
    for (int r = 1; r <= FieldSize; ++r)
      field.At({c, r}) = static_cast<std::uint8_t>((c + 2 * r) % 6 + 1);
  return field;
}

TEST(SliderFieldTest, LinesOfFiveWithJokers) {
  struct Case {
    const char* what;
    std::vector<std::string> rows;
    int marked;
  } cases[] = {
      {"four in a row", {"1111"}, 0},
      {"five in a row", {"11111"}, 5},
      {"six in a row all go", {"111111"}, 6},
      {"J A A A A", {"72222"}, 5},
      {"A J A A A", {"27222"}, 5},
      {"five jokers", {"77777"}, 5},
      {"a joker between two kinds serves the run it completes", {"333374"}, 5},
      {"A A J B B is no line", {"22733"}, 0},
      {"a column", {"4", "4", "4", "4", "4"}, 5},
      {"a diagonal", {"50000", "05000", "00500", "00050", "00005"}, 5},
      {"two lines crossing share a cell", {"00100", "00100", "11111", "00100", "00100"}, 9},
  };
  for (const Case& c : cases) {
    Grid<bool> remove;
    EXPECT_EQ(MarkLines(FieldOf(c.rows), remove), c.marked) << c.what;
  }
}

TEST(SliderFieldTest, PathSearchHeadsForTheTileAndGoesAroundWalls) {
  struct Case {
    const char* what;
    std::vector<std::string> rows;
    Cell target, selected;
    std::vector<Cell> path; // from the tile back to the target; empty when none is found
  } cases[] = {
      {"right first, then down", {}, {1, 1}, {3, 3}, {{3, 3}, {3, 2}, {3, 1}, {2, 1}, {1, 1}}},
      {"left first, then up", {}, {3, 3}, {1, 2}, {{1, 2}, {1, 3}, {2, 3}, {3, 3}}},
      {"around a wall",
       {"010", "010", "000"},
       {1, 1},
       {3, 1},
       {{3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {1, 2}, {1, 1}}},
      {"walled in", {"0100", "1100"}, {1, 1}, {4, 4}, {}},
  };
  for (Case c : cases) {
    SliderField field = FieldOf(c.rows);
    field.At(c.selected) = 1;
    SliderPath path;
    EXPECT_EQ(FindPath(field, c.target, c.selected, path), !c.path.empty()) << c.what;
    EXPECT_EQ(std::vector<Cell>(path.cells.begin(), path.cells.begin() + path.length), c.path)
        << c.what;
  }
}

TEST(SliderFieldTest, ClicksReachTheFirstColumnAndRowFromBeforeTheGrid) {
  struct Case {
    int x, y;
    Cell cell;
  } cases[] = {{165, 91, {1, 1}}, {164, 91, NoCell},  {196, 60, {1, 1}},
               {196, 59, NoCell}, {483, 378, {9, 9}}, {484, 378, NoCell}};
  for (const Case& c : cases) EXPECT_EQ(CellAt(c.x, c.y), c.cell) << c.x << "," << c.y;
}

class SliderGameTest : public ::testing::Test {
protected:
  void SetUp() override {
    services_.game = &game_;
    state_->options.AnimateSlider = false;
    game_.Start(play::KeepVariant);
  }
  int Score() const { return state_->scoring.GameScore; }

  std::unique_ptr<engine::GameState> state_ = std::make_unique<engine::GameState>();
  testing_support::RecordingServices services_{*state_};
  SliderGame game_{*state_, services_};
};

TEST_F(SliderGameTest, RefusedClicksChangeNothingAndKeepTheSelection) {
  const SliderField field = FieldOf({"12", "3"});
  game_.SetPosition(field, {0, 1, 2});
  EXPECT_EQ(game_.ClickCell({5, 5}), SliderGame::Answer::NoWay); // nothing selected
  EXPECT_EQ(game_.ClickCell({1, 1}), SliderGame::Answer::Selected);
  EXPECT_EQ(game_.ClickCell({1, 3}), SliderGame::Answer::NoWay); // no way out of the corner
  EXPECT_EQ(game_.Selected(), (Cell{1, 1}));
  EXPECT_EQ(game_.Field(), field);
  EXPECT_EQ(Score(), 0);
}

TEST_F(SliderGameTest, AMoveThatMakesALineBringsNoNewTiles) {
  game_.SetPosition(FieldOf({"1111", "0000", "1000"}), {1, 1, 1});
  game_.ClickCell({1, 3});
  EXPECT_EQ(game_.ClickCell({5, 1}), SliderGame::Answer::Moved);
  EXPECT_EQ(game_.Field(), SliderField{});
  EXPECT_EQ(Score(), 5);
  EXPECT_EQ(services_.sounds.back(), play::Sound::Done);
}

TEST_F(SliderGameTest, NewTilesThatCompleteALineScore) {
  // Four of kind 2 wait for a fifth; every new tile is a 2. Some seed drops one into the gap.
  const SliderField field =
      FieldOf({"2222", "0000", "0000", "0000", "0000", "0000", "0000", "0000", "1000"});
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    game_.SetPosition(field, {1, 1, 1});
    state_->scoring.GameScore = 0;
    state_->rng.RandSeed = seed;
    game_.ClickCell({1, 9});
    game_.ClickCell({2, 9});
    if (game_.Field()(5, 1) == 0 && game_.Field()(1, 1) == 0) {
      EXPECT_GE(Score(), 5);
      EXPECT_EQ(services_.sounds.back(), play::Sound::Done);
      return;
    }
    EXPECT_EQ(Score(), 0);
  }
  FAIL() << "no seed put a new tile into the gap";
}

TEST_F(SliderGameTest, ThreeEmptyCellsAfterAMoveEndTheGame) {
  SliderField field = FullFieldWithoutLines();
  for (Cell empty : {Cell{1, 1}, Cell{2, 1}, Cell{3, 1}}) field.At(empty) = 0;
  game_.SetPosition(field, {0, 0, 0});
  game_.ClickCell({1, 2});
  game_.ClickCell({1, 1});
  EXPECT_TRUE(state_->board.GameFinished);
  EXPECT_EQ(CountTiles(game_.Field()), FieldSize * FieldSize - 3);
  EXPECT_EQ(game_.ClickCell({2, 2}), SliderGame::Answer::Ignored);
}

TEST_F(SliderGameTest, EachNewTileShowsForTenFramesWithItsAnimation) {
  for (bool animate : {false, true}) {
    state_->options.AnimateNext = animate;
    game_.SetPosition(FieldOf({"1"}), {2, 3, 4});
    game_.ClickCell({1, 1});
    services_.repaints = 0;
    game_.ClickCell({9, 9});
    EXPECT_EQ(services_.repaints, animate ? 30 : 3);
    EXPECT_EQ(CountTiles(game_.Field()), 4);
  }
}

TEST_F(SliderGameTest, PointerOutlinesTheCellUnderItOnlyInsideTheGrid) {
  state_->options.HighlightSlider = true;
  game_.SetPosition(FieldOf({"1"}), {0, 0, 0});
  struct Case {
    int x, y;
    render::CursorShape cursor;
    bool redraw;
  } cases[] = {
      {200, 95, render::CursorShape::Hand, true},         // onto the tile of (1, 1)
      {220, 100, render::CursorShape::Hand, false},       // within the same cell
      {240, 95, render::CursorShape::Arrow, true},        // an empty cell
      {196 + 288, 100, render::CursorShape::Arrow, true}, // just past the last column
  };
  for (const Case& c : cases) {
    const int before = services_.fullRedraws;
    game_.PointerMove(c.x, c.y);
    EXPECT_EQ(services_.cursors.back(), c.cursor) << c.x;
    EXPECT_EQ(services_.fullRedraws > before, c.redraw) << c.x;
  }
}

} // namespace
