#include <random>
#include <string>
#include <vector>

#include "games/clicks/clicks_game.h"
#include "games/slider/slider_game.h"
#include "play/game_codes.h"
#include "program_fixture.h"
#include "support/field_game_invariants.h"

namespace program_testing {
namespace {

namespace code = play::game_code;
using platform::Key;

class ClicksSliderProgramTest : public ProgramTest {
protected:
  clicks::ClicksGame& Clicks() { return dynamic_cast<clicks::ClicksGame&>(*pelmar_.ActiveGame()); }
  slider::SliderGame& Slider() { return dynamic_cast<slider::SliderGame&>(*pelmar_.ActiveGame()); }

  // The middle of a cell's face on the board picture.
  void ClickClicksCell(int c, int r) {
    pelmar_.OnBoardRelease(platform::PointerButton::Left, 32 * c + Board().BoardLeft - 18,
                           32 * r + Board().BoardTop - 32);
  }
  void ClickSliderCell(int c, int r) {
    pelmar_.OnBoardRelease(platform::PointerButton::Left, 196 + 32 * c - 16, 91 + 32 * r - 16);
  }
  void Keys(Key key, int times = 1) {
    for (int i = 0; i < times; ++i) pelmar_.OnKeyDown(key);
  }
  const std::vector<std::string>& Questions() { return window_.scriptedUi.questions; }

  // The bottom row of a Clicks field, from column 2 on.
  static clicks::ClicksField BottomRow(const std::string& kinds) {
    clicks::ClicksField field;
    for (std::size_t i = 0; i < kinds.size(); ++i)
      field.At(clicks::FirstColumn + static_cast<int>(i), clicks::LastRow) =
          static_cast<std::uint8_t>(kinds[i] - '0');
    return field;
  }
};

TEST_F(ClicksSliderProgramTest, ClicksIsPlayedToTheEndAndEntersTheHallOfFame) {
  Command(CommandId::ClicksEasy);
  ASSERT_EQ(Board().GameMode, engine::ModeClicks);
  EXPECT_EQ(State().layouts.LayoutIndex, code::ClicksEasy);
  EXPECT_TRUE(Enabled(CommandId::Back));
  EXPECT_FALSE(Enabled(CommandId::Hint));
  window_.scriptedUi.yesAnswers = {true};
  for (int moves = 0; Board().GameMode == engine::ModeClicks; ++moves) {
    ASSERT_LT(moves, clicks::MaxMoves);
    const clicks::ClicksField& field = Clicks().Field();
    bool clicked = false;
    for (int c = clicks::FirstColumn; c <= clicks::LastColumn && !clicked; ++c)
      for (int r = clicks::FirstRow; r <= clicks::LastRow && !clicked; ++r)
        if (clicks::HasEqualNeighbour(field, c, r)) {
          ClickClicksCell(c, r);
          clicked = true;
        }
    Tick();
  }
  ASSERT_EQ(Questions().size(), 1u);
  EXPECT_TRUE(Questions()[0].starts_with("Game Over: No more moves."));
  ASSERT_EQ(window_.results.size(), 1u);
  EXPECT_EQ(window_.results[0].lines.back(),
            "Your final score is " + std::to_string(Board().TilesLeft));
  EXPECT_EQ(window_.results[0].hallLine, "And you enter the Hall of Fame !");
  EXPECT_EQ(State().LastHallRank, 1);
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);

  Command(CommandId::LastPlayedGame); // the same difficulty again
  EXPECT_EQ(Board().GameMode, engine::ModeClicks);
  EXPECT_EQ(State().layouts.LayoutIndex, code::ClicksEasy);
}

TEST_F(ClicksSliderProgramTest, AClearedFieldReachesTheTop) {
  Command(CommandId::ClicksHard);
  Clicks().SetField(BottomRow("11"));
  Tick();
  ClickClicksCell(2, 13);
  ASSERT_EQ(window_.results.size(), 1u);
  EXPECT_EQ(window_.results[0].lines.back(), "You reached the top ! Great !");
  EXPECT_EQ(State().scoring.GameScore, 0);
  EXPECT_EQ(window_.results[0].hallLine, "And you enter the Hall of Fame !");
  EXPECT_TRUE(Questions().empty());
}

TEST_F(ClicksSliderProgramTest, ALineThatEmptiesTheSliderFieldEndsTheGame) {
  // Nothing would be left to move, and a line brings no new tiles.
  Command(CommandId::Slider);
  slider::SliderField field;
  for (int c = 1; c <= 4; ++c) field.At({c, 1}) = 4;
  field.At({9, 9}) = 4;
  Slider().SetPosition(field, {0, 0, 0});
  ClickSliderCell(9, 9);
  ClickSliderCell(5, 1);
  Tick();
  ASSERT_EQ(window_.results.size(), 1u);
  EXPECT_EQ(window_.results[0].lines.back(), "Your final score is 5");
}

TEST_F(ClicksSliderProgramTest, NoTakesBackOneMoveAndTheQuestionWaitsForTheNextDeadEnd) {
  Command(CommandId::ClicksNormal);
  const clicks::ClicksField before = BottomRow("112");
  Clicks().SetField(before);
  ClickClicksCell(2, 13);
  window_.scriptedUi.whileAsking = [this] { Tick(3); }; // the clock runs on meanwhile
  Tick();
  window_.scriptedUi.whileAsking = nullptr;
  EXPECT_EQ(Questions().size(), 1u);
  EXPECT_EQ(Clicks().Field(), before);
  Tick(5);
  EXPECT_EQ(Questions().size(), 1u);
  ClickClicksCell(2, 13);
  Tick();
  EXPECT_EQ(Questions().size(), 2u);
  EXPECT_EQ(Board().GameMode, engine::ModeClicks);
}

TEST_F(ClicksSliderProgramTest, BothGamesPlayByKeys) {
  Command(CommandId::ClicksNormal);
  Clicks().SetField(BottomRow("1122"));
  Keys(Key::Left); // shows the cursor in the middle of the field
  Keys(Key::Left, 8);
  Keys(Key::Down, 6);
  Keys(Key::Enter);
  EXPECT_EQ(Clicks().Field(), BottomRow("22"));

  Command(CommandId::Slider);
  slider::SliderField field;
  field.At({1, 1}) = 3;
  Slider().SetPosition(field, {0, 0, 0});
  Keys(Key::Up); // shows it
  Keys(Key::Up, 4);
  Keys(Key::Left, 4);
  Keys(Key::Space);
  EXPECT_EQ(Slider().Selected(), (slider::Cell{1, 1}));
  Keys(Key::Right);
  Keys(Key::Enter);
  EXPECT_EQ(Slider().Field()(2, 1), 3);
  EXPECT_EQ(Board().TilesLeft, 4); // with the three new tiles
}

TEST_F(ClicksSliderProgramTest, SliderIsPlayedToTheEndAndEntersTheHallOfFame) {
  Command(CommandId::Slider);
  ASSERT_EQ(Board().GameMode, engine::ModeSlider);
  EXPECT_FALSE(Enabled(CommandId::Back));
  EXPECT_TRUE(Enabled(CommandId::Pause));
  slider::SliderField field;
  for (int c = 1; c <= 4; ++c) field.At({c, 1}) = 2;
  field.At({1, 9}) = 2;
  field.At({9, 9}) = 1; // a field that the line empties would end the game
  Slider().SetPosition(field, {0, 0, 0});
  ClickSliderCell(1, 9);
  ClickSliderCell(5, 1);
  EXPECT_EQ(State().scoring.GameScore, 5);

  // A field nearly full, without a line anywhere: the next move without a line ends the game.
  for (int c = 1; c <= slider::FieldSize; ++c)
    for (int r = 1; r <= slider::FieldSize; ++r)
      field.At({c, r}) = r == 1 && c <= 3 ? 0 : static_cast<std::uint8_t>((c + 2 * r) % 6 + 1);
  Slider().SetPosition(field, {0, 0, 0});
  ClickSliderCell(1, 2);
  ClickSliderCell(1, 1);
  ASSERT_EQ(window_.results.size(), 1u);
  const platform::ResultWindow& r = window_.results[0];
  EXPECT_EQ(r.lines[0], "   Game Over !");
  EXPECT_EQ(r.lines.back(), "Your final score is 5");
  EXPECT_EQ(r.hallLine, "And you enter the Hall of Fame !");
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);

  Command(CommandId::LastPlayedGame);
  EXPECT_EQ(Board().GameMode, engine::ModeSlider);
  EXPECT_EQ(State().scoring.GameScore, 0);
}

TEST_F(ClicksSliderProgramTest, RandomPlayKeepsBothGamesConsistent) {
  std::mt19937 random(2024);
  const auto below = [&random](int n) { return static_cast<int>(random() % n); };
  for (CommandId start : {CommandId::ClicksHard, CommandId::Slider}) {
    Command(start);
    const int mode = Board().GameMode;
    testing_support::SliderWatch watch{Board().TilesLeft, 0};
    for (int event = 0; event < 400 && Board().GameMode == mode; ++event) {
      switch (below(6)) {
      case 0:
        pelmar_.OnBoardMove(below(704), below(468));
        break;
      case 1:
        pelmar_.OnKeyDown(static_cast<Key>(below(7)));
        break;
      case 2:
        Tick();
        break;
      case 3:
        Command(CommandId::Back);
        break;
      default:
        pelmar_.OnBoardRelease(platform::PointerButton::Left, below(704), below(468));
        break;
      }
      if (Board().GameMode != mode) break;
      if (mode == engine::ModeClicks) {
        ASSERT_TRUE(testing_support::ClicksIsConsistent(Clicks(), Board())) << event;
      } else {
        ASSERT_TRUE(testing_support::SliderIsConsistent(Slider(), State(), watch)) << event;
      }
    }
    if (Board().GameMode == engine::ModeClicks) {
      EXPECT_TRUE(testing_support::ClicksBackGivesTheSnapshot(Clicks()));
    }
  }
}

} // namespace
} // namespace program_testing
