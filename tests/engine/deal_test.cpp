#include <gtest/gtest.h>

#include <set>

#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/layout_file.h"
#include "games/solitaire/solitaire_start.h"
#include "platform/files.h"
#include "support/test_platform.h"

namespace {

using namespace engine;
using namespace solitaire;
using testing_support::BoardIsConsistent;
using testing_support::RecordingServices;

TEST(GeneratorTest, ReproducesTheSequence) {
  struct Case {
    std::uint32_t seed, n, result, next;
  } cases[] = {{1, 34, 1, 134775814},
               {0, 20, 0, 1},
               {42, 5, 1, 1365616851},
               {4294967295u, 144, 139, 4160191484u},
               {123456789, 1000000, 543729, 2335298922u}};
  for (const Case& c : cases) {
    Generator rng{c.seed};
    EXPECT_EQ(rng.Random(c.n), c.result) << "seed " << c.seed;
    EXPECT_EQ(rng.RandSeed, c.next) << "seed " << c.seed;
  }
  // The first tile of a plain deal from game number 1 draws x, y, z in this order.
  Generator rng{1};
  std::vector<int> draws;
  for (int n : {34, 20, 5, 34, 20, 5}) draws.push_back(rng.Random(n));
  EXPECT_EQ(draws, (std::vector<int>{1, 17, 1, 9, 13, 1}));

  testing_support::ManualClock clock;
  rng.Randomize(clock);
  EXPECT_EQ(rng.RandSeed, ((12u * 60 + 34) * 60 + 56) * 1000 + 789);
}

LayoutGrid ReadLayout(const std::string& path) {
  platform::FileRead file = platform::ReadWholeFile(path, MaxLayoutFileBytes);
  EXPECT_TRUE(file.ok) << path << ": " << file.error;
  ParsedLayout parsed = path.ends_with(".shp") ? ParseShp(file.bytes) : ParseLay(file.bytes);
  EXPECT_EQ(parsed.outcome, ParsedLayout::Outcome::Ok) << path << ": " << parsed.fault;
  return parsed.cells;
}

struct Table {
  std::unique_ptr<GameState> state = std::make_unique<GameState>();
  RecordingServices services{*state};

  explicit Table(const LayoutGrid& layout) {
    state->layouts.LayoutCells = layout;
    state->board.GameMode = ModeGamesPanel;
  }
  void Numbered(int number, bool winnable) {
    state->options.RandomSeed1 = true;
    state->options.Winnable = winnable;
    state->board.GameNumber = number;
  }
  std::vector<Position> Positions() const {
    return {state->board.TilePos.begin() + 1,
            state->board.TilePos.begin() + 1 + state->board.TileCount};
  }
};

TEST(DealTest, EveryTileOfTheDealLandsOnItsOwnLayoutPosition) {
  LayoutGrid traditional = ReadLayout(testing_support::BuiltLayout("Traditional"));
  for (bool winnable : {false, true}) {
    for (int number : {1, 2, 999, 123456789}) {
      Table table(traditional);
      table.Numbered(number, winnable);
      BeginGame(*table.state, table.services);
      const Board& b = table.state->board;
      EXPECT_EQ(b.TileCount, 144);
      EXPECT_EQ(b.TilesLeft, 144);
      EXPECT_EQ(b.History.count, 0);
      EXPECT_EQ(b.GameMode, ModeSolitaire);
      EXPECT_TRUE(BoardIsConsistent(b)) << "game " << number;
      std::set<std::tuple<int, int, int>> used;
      for (const Position& p : table.Positions()) {
        EXPECT_EQ(traditional(p.x, p.y, p.z), 1) << "game " << number;
        used.insert({p.x, p.y, p.z});
      }
      EXPECT_EQ(used.size(), 144u);
    }
  }
}

TEST(DealTest, AGameNumberGivesTheSameDealWithOrWithoutAnimation) {
  LayoutGrid traditional = ReadLayout(testing_support::BuiltLayout("Traditional"));
  for (bool winnable : {false, true}) {
    std::vector<std::vector<Position>> deals;
    for (bool animate : {false, true, false}) {
      Table table(traditional);
      table.Numbered(4242, winnable);
      table.state->options.Animate = animate;
      table.state->rng.RandSeed = animate ? 7 : 99; // whatever came before does not matter
      BeginGame(*table.state, table.services);
      EXPECT_EQ(table.services.redrawnTiles.size(), 0u) << "numbered deals are not animated";
      deals.push_back(table.Positions());
    }
    EXPECT_EQ(deals[0], deals[1]);
    EXPECT_EQ(deals[0], deals[2]);

    Table other(traditional);
    other.Numbered(4243, winnable);
    BeginGame(*other.state, other.services);
    EXPECT_NE(other.Positions(), deals[0]);
  }
}

TEST(DealTest, UnnumberedDealsAreSeededFromTheClockAndAnimated) {
  LayoutGrid traditional = ReadLayout(testing_support::BuiltLayout("Traditional"));
  Table clockSeeded(traditional);
  clockSeeded.state->options.Animate = true;
  clockSeeded.state->board.GameMode = ModeSolitaire;
  clockSeeded.state->board.GameNumber = 5; // ignored: "Random Seed" is not checked
  BeginGame(*clockSeeded.state, clockSeeded.services);
  EXPECT_EQ(clockSeeded.services.redrawnTiles.size(), 144u);

  // A number of 0 or below with "Random Seed" checked deals from the clock too.
  Table zero(traditional);
  zero.Numbered(0, false);
  BeginGame(*zero.state, zero.services);

  Table same(traditional);
  same.Numbered(((12 * 60 + 34) * 60 + 56) * 1000 + 789, false); // the manual clock's time
  BeginGame(*same.state, same.services);
  EXPECT_EQ(clockSeeded.Positions(), same.Positions());
  EXPECT_EQ(zero.Positions(), same.Positions());
}

TEST(WinnableDealTest, PlayingTheSimulationBackClearsTheBoard) {
  const std::string layouts[] = {testing_support::BuiltLayout("Traditional"),
                                 testing_support::TestLayout("pyramid.lay"),
                                 testing_support::TestLayout("ring.shp")};
  for (const std::string& path : layouts) {
    LayoutGrid layout = ReadLayout(path);
    for (int number = 1; number <= 60; ++number) {
      Table table(layout);
      table.Numbered(number, true);
      table.state->board.GameMode = ModeSolitaire;
      table.state->options.Vertical = true; // the deal ignores the variation
      WinnableDeal deal = CreateBoard(*table.state, table.services);
      ASSERT_FALSE(deal.plainFallback) << path << " game " << number;
      ASSERT_EQ(deal.removalCount, layout.Positions());
      ASSERT_TRUE(BoardIsConsistent(table.state->board));
      EXPECT_TRUE(testing_support::PlaysOut(table.state->board, deal))
          << path << " game " << number;
    }
  }
}

TEST(WinnableDealTest, ALayoutThatCanNeverBeEmptiedFallsBackToThePlainDeal) {
  LayoutGrid stacked; // one tile on top of another: only one is ever free
  stacked.Set(10, 10, 1, 1);
  stacked.Set(10, 10, 2, 1);
  LayoutGrid odd; // three tiles in a row: the last one has no partner
  for (int x : {2, 4, 6}) odd.Set(x, 2, 1, 1);
  for (const LayoutGrid& layout : {stacked, odd}) {
    Table table(layout);
    table.Numbered(17, true);
    BeginGame(*table.state, table.services);
    EXPECT_TRUE(BoardIsConsistent(table.state->board));
    EXPECT_EQ(table.state->board.TilesLeft, layout.Positions());
    for (int t = 1; t <= layout.Positions(); ++t)
      EXPECT_TRUE(table.state->board.TilePos[t].OnBoard());

    Table again(layout);
    again.Numbered(17, true);
    again.state->board.GameMode = ModeSolitaire;
    WinnableDeal deal = CreateBoard(*again.state, again.services);
    EXPECT_TRUE(deal.plainFallback);
    EXPECT_EQ(deal.restarts, MaxWinnableRestarts + 1);
    EXPECT_EQ(again.Positions(), table.Positions()) << "the fallback is reproducible too";
  }
}

TEST(BeginGameTest, StatusLineAndClock) {
  LayoutGrid layout = ReadLayout(testing_support::TestLayout("pyramid.lay"));
  struct Case {
    const char* what;
    bool numbered;
    std::string before;
    int scrollPos;
    std::string after;
  } cases[] = {
      {"a settled message gives way", false, "Tiles shuffled. 3 new moves found.", 1,
       "New game started."},
      {"the no-moves swing gives way", false, NoMoreMoves, 7, "New game started."},
      {"a message still sliding in stays", false, "Layout \u201CPyramid\u201D selected.", 20,
       "Layout \u201CPyramid\u201D selected."},
      {"a numbered game announces its number", true, "", 1,
       "Specific Board started. Random Seed #42"},
  };
  for (const Case& c : cases) {
    Table table(layout);
    if (c.numbered) table.Numbered(42, false);
    table.state->status.StatusMessage = c.before;
    table.state->status.StatusScrollPos = c.scrollPos;
    table.services.manualClock().tick = 31337;
    BeginGame(*table.state, table.services);
    EXPECT_EQ(table.state->status.StatusMessage, c.after) << c.what;
    EXPECT_EQ(table.state->scoring.GameStartTick, 31337u) << c.what;
  }
}

TEST(BeginGameTest, LayoutIndexAndModes) {
  LayoutGrid layout = ReadLayout(testing_support::TestLayout("pyramid.lay"));
  struct Case {
    int mode, index, checked, lastBoard;
    int expectedIndex, expectedMode;
  } cases[] = {
      {ModeGamesPanel, 3, 2, 5, 3, ModeSolitaire}, // a layout number stays
      {ModeRivers, 1001, 2, 5, 2, ModeSolitaire},  // a game code: the checked layout
      {ModeRivers, 1040, 0, 5, 5, ModeSolitaire},  // none checked: the last board
      {ModeEditor, 4, 4, 1, 4, ModeEditor},        // the editor keeps its mode
  };
  for (const Case& c : cases) {
    Table table(layout);
    table.state->board.GameMode = static_cast<std::uint8_t>(c.mode);
    table.state->layouts.LayoutIndex = c.index;
    table.state->layouts.CheckedEntry = c.checked;
    table.state->LastBoard = c.lastBoard;
    table.state->board.GameFinished = true;
    table.state->scoring.PenaltySeconds = 50;
    BeginGame(*table.state, table.services);
    EXPECT_EQ(table.state->layouts.LayoutIndex, c.expectedIndex);
    EXPECT_EQ(table.state->board.GameMode, c.expectedMode);
    EXPECT_FALSE(table.state->board.GameFinished);
    EXPECT_EQ(table.state->scoring.PenaltySeconds, 0);
  }
}

TEST(BeginGameTest, ASmallerLayoutLeavesNoTileOfTheLastBoardBehind) {
  Table table(ReadLayout(testing_support::BuiltLayout("Traditional")));
  table.Numbered(8, false);
  BeginGame(*table.state, table.services);
  table.state->layouts.LayoutCells = ReadLayout(testing_support::TestLayout("pyramid.lay"));
  BeginGame(*table.state, table.services);
  EXPECT_LT(table.state->board.TileCount, 144);
  EXPECT_TRUE(BoardIsConsistent(table.state->board));
}

TEST(SpecificGameTest, TheSameNumberTwiceGivesTheSameDeal) {
  LayoutGrid layout = ReadLayout(testing_support::BuiltLayout("Traditional"));
  for (bool winnable : {false, true}) {
    Table table(layout);
    table.state->options.Winnable = winnable;
    table.services.gameNumbers = {42, 42};
    NewSpecificGame1Click(*table.state, table.services);
    EXPECT_TRUE(table.state->options.RandomSeed1);
    std::vector<Position> first = table.Positions();
    table.services.manualClock().timeOfDay.second = 1; // a different clock must not matter
    NewSpecificGame1Click(*table.state, table.services);
    EXPECT_EQ(table.Positions(), first);
    EXPECT_EQ(table.state->status.StatusMessage, "Specific Board started. Random Seed #42");

    RandomSolitaireGame1Click(*table.state, table.services);
    EXPECT_FALSE(table.state->options.RandomSeed1);
    EXPECT_NE(table.Positions(), first);
  }
}

// A deal that could never place its tiles (here: no position waits for one) stops the program
// with a message instead of drawing for ever.
TEST(DealDeathTest, ADrawThatCanNeverEndStopsLoudly) {
  auto state = std::make_unique<GameState>();
  RecordingServices services(*state);
  state->board.TilesLeft = 2;
  EXPECT_DEATH(PlainDeal(*state, services), "the plain deal found nothing");
}

} // namespace
