#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "games/clicks/clicks_game.h"
#include "play/game_codes.h"
#include "support/test_platform.h"

namespace {

using namespace clicks;

// A field from its lowest rows, the last string being the bottom row; each string runs from
// column 2 to the right, '0' or a missing character for an empty cell.
ClicksField FieldOf(std::vector<std::string> rows) {
  ClicksField field;
  int r = LastRow - static_cast<int>(rows.size()) + 1;
  for (const std::string& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i)
      field.At(FirstColumn + static_cast<int>(i), r) = static_cast<std::uint8_t>(row[i] - '0');
    ++r;
  }
  return field;
}

TEST(ClicksFieldTest, SettlingFillsGapsAndClosesEveryEmptyColumn) {
  struct Case {
    const char* what;
    std::vector<std::string> before, after;
  } cases[] = {
      {"a tile falls past a gap onto the bottom, the tiles on it follow",
       {"1", "2", "0", "0", "3"},
       {"0", "0", "1", "2", "3"}},
      {"columns close up repeatedly until no empty one is followed by a tile",
       {"10020304"},
       {"1234"}},
      {"a column that empties by falling does not exist: the tiles fill it from above",
       {"2", "0"},
       {"0", "2"}},
  };
  for (const Case& c : cases) {
    ClicksField field = FieldOf(c.before);
    int passes = 0;
    while (SettlePass(field)) ASSERT_LT(++passes, 40) << c.what;
    EXPECT_EQ(field, FieldOf(c.after)) << c.what;
  }
}

TEST(ClicksFieldTest, GroupsAreCountedOncePerConnectedRun) {
  struct Case {
    std::vector<std::string> rows;
    int groups;
  } cases[] = {
      {{"1212", "2121"}, 0},
      {{"1111", "1221"}, 2},
      {{"11", "00", "11"}, 2},
      {{"101"}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(CountGroups(FieldOf(c.rows)), c.groups) << c.rows[0];
}

TEST(ClicksFieldTest, HitTestTruncatesTowardZero) {
  struct Case {
    int px, py, c, r;
  } cases[] = {{0, 0, 1, 1}, {-31, -48, 1, 0}, {-32, -16, 0, 1}, {64, 48, 3, 3}, {63, 47, 2, 2}};
  for (const Case& c : cases) {
    const Cell cell = CellAt(c.px, c.py);
    EXPECT_EQ(cell.c, c.c) << c.px;
    EXPECT_EQ(cell.r, c.r) << c.py;
  }
}

class ClicksGameTest : public ::testing::Test {
protected:
  void SetUp() override {
    services_.game = &game_;
    game_.Start(play::game_code::ClicksNormal);
  }
  void Play(const ClicksField& field) { game_.SetField(field); }
  const std::vector<std::string>& Questions() { return services_.scriptedUi().questions; }

  std::unique_ptr<engine::GameState> state_ = std::make_unique<engine::GameState>();
  testing_support::RecordingServices services_{*state_};
  ClicksGame game_{*state_, services_};
};

TEST_F(ClicksGameTest, StartsTheDifficultyAskedForOrTheLastOne) {
  EXPECT_EQ(state_->layouts.LayoutIndex, play::game_code::ClicksNormal);
  EXPECT_EQ(state_->board.TilesLeft, FieldTiles);
  EXPECT_EQ(state_->scoring.GameScore, FieldTiles);
  game_.Start(play::KeepVariant);
  EXPECT_EQ(state_->layouts.LayoutIndex, play::game_code::ClicksNormal);
  int highest = 0;
  for (std::uint8_t kind : game_.Field().cells) highest = std::max<int>(highest, kind);
  EXPECT_EQ(highest, 5);
}

TEST_F(ClicksGameTest, RefusedClicksCountNoMove) {
  Play(FieldOf({"12", "31"}));
  for (Cell cell : {Cell{2, 13}, Cell{1, 13}, Cell{2, 1}, Cell{5, 13}}) {
    EXPECT_FALSE(game_.ClickCell(cell.c, cell.r));
    EXPECT_EQ(services_.sounds.back(), play::Sound::NoWay);
  }
  EXPECT_EQ(game_.MoveCount(), 0);
  EXPECT_EQ(state_->board.TilesLeft, 4);
}

TEST_F(ClicksGameTest, EveryPassOfTheSettlingIsShownWithTheAnimation) {
  for (bool animate : {false, true}) {
    state_->options.AnimateClicks = animate;
    Play(FieldOf({"2", "3", "11"}));
    services_.repaints = 0;
    ASSERT_TRUE(game_.ClickCell(2, 13));
    EXPECT_EQ(game_.Field(), FieldOf({"2", "3"}));
    // Two passes let the tiles fall and a third finds nothing to do; then the field shows.
    EXPECT_EQ(services_.repaints, animate ? 4 : 1);
  }
}

TEST_F(ClicksGameTest, BackAndRestartGiveBackEveryFieldOfALongGame) {
  // Vertical pairs, alternating kinds up each column and between neighbouring columns, so each
  // click at the bottom left takes exactly two tiles: 108 moves clear the field.
  ClicksField dealt;
  for (int c = FirstColumn; c <= LastColumn; ++c)
    for (int r = FirstRow; r <= LastRow; ++r)
      dealt.At(c, r) = static_cast<std::uint8_t>(1 + ((r - FirstRow) / 2) % 2 + 2 * (c % 2));
  Play(dealt);
  std::vector<ClicksField> seen{dealt};
  while (state_->board.TilesLeft > 2) {
    ASSERT_TRUE(game_.ClickCell(FirstColumn, LastRow));
    seen.push_back(game_.Field());
  }
  EXPECT_EQ(game_.MoveCount(), MaxMoves - 1);
  const int moves = game_.MoveCount();
  for (int k = moves; k > moves - 3; --k) {
    game_.Back();
    EXPECT_EQ(game_.Field(), seen[static_cast<std::size_t>(k - 1)]) << k;
  }
  game_.Restart();
  EXPECT_EQ(game_.Field(), dealt);
  EXPECT_EQ(state_->board.TilesLeft, FieldTiles);
  EXPECT_EQ(game_.MoveCount(), 0);
  game_.Back(); // nothing to take back from the deal
  EXPECT_EQ(game_.Field(), dealt);
}

TEST_F(ClicksGameTest, GameOverQuestionEndsTheGameOrTakesBackOneMove) {
  const ClicksField before = FieldOf({"112"});
  for (bool giveUp : {true, false}) {
    Play(before);
    ASSERT_TRUE(game_.ClickCell(2, 13));
    game_.CountMoves();
    ASSERT_EQ(state_->board.MovesLeft, 0);
    auto& ui = services_.scriptedUi();
    ui.questions.clear();
    ui.yesAnswers = {giveUp};
    ui.whileAsking = [this] { game_.NoMovesLeft(); }; // the clock goes on meanwhile
    game_.NoMovesLeft();
    ui.whileAsking = nullptr;
    ASSERT_EQ(Questions().size(), 1u);
    EXPECT_EQ(Questions()[0],
              "Game Over: No more moves. Do you want to give up ? (If you reply Yes and made a "
              "good score, you'll enter the hall of fame. If you reply No, the game will go back "
              "one move)");
    EXPECT_EQ(state_->board.GameFinished, giveUp);
    EXPECT_EQ(game_.Field() == before, !giveUp);
    state_->board.GameFinished = false;
  }
}

TEST_F(ClicksGameTest, DecliningOnADealWithoutGroupsAsksNoMore) {
  Play(FieldOf({"12", "21"}));
  game_.NoMovesLeft();
  game_.NoMovesLeft();
  EXPECT_EQ(Questions().size(), 1u);
  EXPECT_FALSE(state_->board.GameFinished);
}

} // namespace
