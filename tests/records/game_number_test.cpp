#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/layout_file.h"
#include "games/solitaire/solitaire_start.h"
#include "platform/files.h"
#include "records/game_number.h"
#include "support/test_platform.h"

namespace {

using records::GameNumberModel;

struct Dialog {
  int gameNumber = 0;
  engine::Generator rng;
  GameNumberModel model{gameNumber, rng};

  explicit Dialog(int number) : gameNumber(number), model(gameNumber, rng) {}
  // The player types the text one key at a time, as the box reports it.
  void Type(const std::string& text) {
    for (std::size_t n = 1; n <= text.size(); ++n) model.RandomSeedChange(text.substr(0, n));
  }
};

TEST(GameNumberTest, TheBoxOpensOnTheNumberAndTakesWhatIsTyped) {
  struct Case {
    int before;
    std::string typed;
    int after;
  } cases[] = {{0, "42", 42},
               {7, "999999999", 999999999},
               {7, "-15", -15}, // accepted; the deal then is not numbered
               {7, "+8", 8},
               {7, "0", 0},
               {12, "1234567890", 123456789}}; // the box stops at nine characters
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Dialog d(c.before);
    EXPECT_EQ(d.model.Text(), std::to_string(c.before));
    d.Type(c.typed);
    EXPECT_EQ(d.gameNumber, c.after);
    EXPECT_EQ(d.model.BitBtn1Click(d.model.Text()), "");
    EXPECT_EQ(d.gameNumber, c.after);
  }
}

TEST(GameNumberTest, TextThatIsNoNumberKeepsThePreviousOneAndIsReportedOnOk) {
  struct Case {
    std::string typed;
    int kept;
  } cases[] = {{"12a", 12}, {"abc", 5}, {"-", 5}, {"+-3", 5}, {"1 2", 1}, {" 7", 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Dialog d(5);
    d.Type(c.typed);
    EXPECT_EQ(d.gameNumber, c.kept);
    EXPECT_EQ(d.model.BitBtn1Click(c.typed), "'" + c.typed + "' is not a valid integer value");
    EXPECT_EQ(d.gameNumber, c.kept);
  }
}

TEST(GameNumberTest, AnEmptyBoxKeepsTheLastNumberTypedOrDrawn) {
  Dialog typed(3);
  typed.Type("815");
  for (const char* left : {"81", "8", ""}) typed.model.RandomSeedChange(left);
  EXPECT_EQ(typed.gameNumber, 8);
  EXPECT_EQ(typed.model.BitBtn1Click(""), "'' is not a valid integer value");
  EXPECT_EQ(typed.gameNumber, 8);

  Dialog drawn(3);
  drawn.model.BitBtn2Click();
  const int number = drawn.gameNumber;
  drawn.model.RandomSeedChange("");
  EXPECT_EQ(drawn.gameNumber, number);
}

TEST(GameNumberTest, DrawsComeFromTheProgramsGeneratorAndShowInTheBox) {
  for (std::uint32_t seed : {0u, 1u, 42u, 4294967295u}) {
    Dialog d(0);
    d.rng.RandSeed = seed;
    engine::Generator same{seed};
    d.model.BitBtn2Click();
    EXPECT_EQ(d.gameNumber, same.Random(999999999) + 1);
    EXPECT_EQ(d.model.Text(), std::to_string(d.gameNumber));
    d.model.BitBtn3Click();
    EXPECT_EQ(d.gameNumber, same.Random(9999) + 1);
    EXPECT_EQ(d.model.Text(), std::to_string(d.gameNumber));
    EXPECT_EQ(d.rng.RandSeed, same.RandSeed);
  }
}

TEST(GameNumberTest, DrawsStayWithinTheirRanges) {
  Dialog d(0);
  int smallest = 10000, largest = 0;
  for (int i = 0; i < 200000; ++i) {
    d.model.BitBtn3Click();
    smallest = std::min(smallest, d.gameNumber);
    largest = std::max(largest, d.gameNumber);
  }
  EXPECT_EQ(smallest, 1) << "the small seed never draws 0";
  EXPECT_EQ(largest, 9999);
  for (int i = 0; i < 10000; ++i) {
    d.model.BitBtn2Click();
    ASSERT_GE(d.gameNumber, 1);
    ASSERT_LE(d.gameNumber, 999999999);
  }
}

engine::LayoutGrid Traditional() {
  platform::FileRead file = platform::ReadWholeFile(testing_support::BuiltLayout("Traditional"),
                                                    engine::MaxLayoutFileBytes);
  EXPECT_TRUE(file.ok) << file.error;
  return engine::ParseLay(file.bytes).cells;
}

// What "Solitaire (Specific)" does around the dialog: the typed number, then a clock reseed
// before the deal, which must not matter.
std::vector<engine::Position> SpecificDeal(const engine::LayoutGrid& layout, bool winnable,
                                           const std::string& typed, int clockMs) {
  auto state = std::make_unique<engine::GameState>();
  testing_support::RecordingServices services(*state);
  state->layouts.LayoutCells = layout;
  state->board.GameMode = engine::ModeGamesPanel;
  state->options.Winnable = winnable;
  state->options.RandomSeed1 = true;
  GameNumberModel model(state->board.GameNumber, state->rng);
  for (std::size_t n = 1; n <= typed.size(); ++n) model.RandomSeedChange(typed.substr(0, n));
  EXPECT_EQ(model.BitBtn1Click(typed), "");
  services.manualClock().timeOfDay.millisecond = clockMs;
  state->rng.Randomize(services.clock());
  solitaire::BeginGame(*state, services);
  const engine::Board& b = state->board;
  return {b.TilePos.begin() + 1, b.TilePos.begin() + 1 + b.TileCount};
}

TEST(GameNumberTest, TheSameNumberTwiceGivesTheSameDeal) {
  const engine::LayoutGrid layout = Traditional();
  for (bool winnable : {false, true}) {
    SCOPED_TRACE(winnable);
    const auto first = SpecificDeal(layout, winnable, "42", 1);
    EXPECT_EQ(first.size(), 144u);
    EXPECT_EQ(SpecificDeal(layout, winnable, "42", 900), first);
    EXPECT_NE(SpecificDeal(layout, winnable, "43", 1), first);
  }
}

} // namespace
