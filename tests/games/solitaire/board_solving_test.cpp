#include "games/solitaire/board_solving.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "support/test_platform.h"

namespace {

using namespace engine;
using solitaire::BoardSolving;
using Laid = std::tuple<int, int, int, int>; // tile, x, y, z

struct Table {
  std::unique_ptr<GameState> owned = std::make_unique<GameState>();
  GameState& state = *owned;
  testing_support::RecordingServices services{state};

  // The tiles on the board, the pairs removed before (in order), and the tiles of the deal.
  void Lay(const std::vector<Laid>& onBoard, const std::vector<Laid>& removed, int tileCount) {
    Board& b = state.board;
    for (auto [t, x, y, z] : onBoard) {
      b.BoardGrid.Set(x, y, z, static_cast<std::uint8_t>(t));
      b.TilePos[t] = {x, y, z};
    }
    for (std::size_t i = 0; i < removed.size(); ++i) {
      const auto [t, x, y, z] = removed[i];
      b.History.entries[i] = {static_cast<std::uint8_t>(t), {x, y, z}};
    }
    b.History.count = static_cast<int>(removed.size());
    b.TileCount = tileCount;
    b.TilesLeft = static_cast<int>(onBoard.size());
    b.GameMode = ModeSolitaire;
  }

  void Answer(BoardSolving& solving) {
    solving.AskWinnable();
    for (int call = 0; call < 100 && solving.HasWork(); ++call) solving.Background();
    EXPECT_FALSE(solving.HasWork());
  }
};

// Tiles 1..4 are one group. Tile 2 lies on tile 1: they are never free together, so 3 and 4
// must not go as a pair.
const std::vector<Laid> Stack{{1, 10, 8, 1}, {2, 10, 8, 2}};
const std::vector<Laid> StackAndTwo{{1, 10, 8, 1}, {2, 10, 8, 2}, {3, 20, 8, 1}, {4, 24, 8, 1}};
const std::vector<Laid> TwoRemoved{{3, 20, 8, 1}, {4, 24, 8, 1}};

TEST(BoardSolving, AnswersWithTheirPenaltyAndNeverGuess) {
  constexpr SolveBudget None{.nodes = 0};
  const struct Case {
    const char* what;
    std::vector<Laid> onBoard, removed;
    int tileCount;
    SolveBudget budget;
    std::string answer;
    int penalty;
  } cases[] = {
      {"a board that can be won",
       StackAndTwo,
       {},
       4,
       BoardSolving::DefaultBudget,
       "This board can still be won.",
       40},
      {"a wrong pair taken", Stack, TwoRemoved, 4, BoardSolving::DefaultBudget,
       "This board cannot be won any more: Back takes you to the last winnable position.", 40},
      {"a deal that cannot be won",
       Stack,
       {},
       2,
       BoardSolving::DefaultBudget,
       "This board cannot be won, not even from its start: try Shuffle or a new game.",
       40},
      {"no time to tell",
       StackAndTwo,
       {},
       4,
       None,
       "Pelmar could not tell in time whether this board can still be won.",
       0},
      {"no time to tell whether Back helps", Stack, TwoRemoved, 4, None,
       "This board cannot be won any more.", 40},
      {"an odd layout",
       Stack,
       {},
       3,
       BoardSolving::DefaultBudget,
       "This board can never be won: its layout has an odd number of tiles.",
       0},
  };
  for (const Case& c : cases) {
    Table table;
    table.Lay(c.onBoard, c.removed, c.tileCount);
    BoardSolving solving(table.state, table.services, c.budget);
    table.Answer(solving);
    EXPECT_EQ(table.state.status.StatusMessage, c.answer) << c.what;
    EXPECT_EQ(table.state.scoring.PenaltySeconds, c.penalty) << c.what;
  }
}

TEST(BoardSolving, AnAnswerForABoardThatChangedIsDropped) {
  Table table;
  table.Lay(StackAndTwo, {}, 4);
  BoardSolving solving(table.state, table.services);
  solving.AskWinnable();
  Board& b = table.state.board;
  for (int t : {3, 4}) {
    b.BoardGrid.Set(b.TilePos[t], 0);
    b.TilePos[t] = {};
  }
  solving.Background();
  EXPECT_FALSE(solving.HasWork());
  EXPECT_EQ(table.state.status.StatusMessage, "   ");
  EXPECT_EQ(table.state.scoring.PenaltySeconds, 0);
}

} // namespace
