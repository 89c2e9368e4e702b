#include "engine/solver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <unordered_set>
#include <vector>

#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/layout_file.h"
#include "games/solitaire/solitaire_play.h"
#include "games/solitaire/solitaire_start.h"
#include "platform/files.h"
#include "support/test_platform.h"

namespace {

using namespace engine;
using namespace solitaire;
using testing_support::BuiltLayout;
using testing_support::RecordingServices;

bool FreeBy(FreeRule rule, const Board& b, int t) {
  return rule == FreeRule::Vertical ? Dispo_Vertical(b, t) : Dispo(b, t);
}

void TakeOff(Board& b, int t) {
  b.BoardGrid.Set(b.TilePos[t], 0);
  b.TilePos[t] = {};
  --b.TilesLeft;
}

// Plays the pairs by the game's own free rule; the board must end empty.
::testing::AssertionResult PlaysOut(Board b, std::span<const TilePair> pairs, FreeRule rule) {
  for (const TilePair& p : pairs) {
    if (TileGroup(p.first) != TileGroup(p.second) || p.first == p.second)
      return ::testing::AssertionFailure() << int(p.first) << "," << int(p.second) << " no match";
    if (!FreeBy(rule, b, p.first) || !FreeBy(rule, b, p.second))
      return ::testing::AssertionFailure() << int(p.first) << "," << int(p.second) << " not free";
    TakeOff(b, p.first);
    TakeOff(b, p.second);
  }
  if (b.TilesLeft != 0) return ::testing::AssertionFailure() << b.TilesLeft << " tiles left";
  return ::testing::AssertionSuccess();
}

// Every order of play by the game's own rule, remembering the refuted sets of tiles left: the
// reference the solver must agree with. Tile numbers up to 64.
class Exhaustive {
public:
  Exhaustive(const Board& board, FreeRule rule) : board_(board), rule_(rule) {}
  bool Winnable() { return Search(); }

private:
  bool Search() {
    std::uint64_t left = 0;
    std::vector<int> free;
    for (int t = 1; t <= 64; ++t) {
      if (!board_.TilePos[t].OnBoard()) continue;
      left |= std::uint64_t{1} << (t - 1);
      if (FreeBy(rule_, board_, t)) free.push_back(t);
    }
    if (left == 0) return true;
    if (refuted_.count(left) != 0) return false;
    for (std::size_t i = 0; i < free.size(); ++i)
      for (std::size_t j = i + 1; j < free.size(); ++j) {
        int a = free[i], b = free[j];
        if (TileGroup(a) != TileGroup(b)) continue;
        Position pa = board_.TilePos[a], pb = board_.TilePos[b];
        TakeOff(board_, a);
        TakeOff(board_, b);
        bool won = Search();
        Place(board_, a, pa);
        Place(board_, b, pb);
        board_.TilesLeft += 2;
        if (won) return true;
      }
    refuted_.insert(left);
    return false;
  }

  Board board_;
  FreeRule rule_;
  std::unordered_set<std::uint64_t> refuted_;
};

// A clock that moves one millisecond each time it is read.
class SteppingClock final : public platform::Clock {
public:
  std::uint32_t TickCount() override { return ++tick; }
  platform::TimeOfDay NowUtc() override { return {}; }
  std::uint32_t tick = 0;
};

struct Placed {
  int tile, x, y, z;
};

std::unique_ptr<Board> BoardOf(const std::vector<Placed>& tiles) {
  auto b = std::make_unique<Board>();
  b->GameMode = ModeSolitaire;
  b->TilesLeft = static_cast<int>(tiles.size());
  for (const Placed& p : tiles) Place(*b, p.tile, {p.x, p.y, p.z});
  return b;
}

struct Table {
  std::unique_ptr<GameState> state = std::make_unique<GameState>();
  RecordingServices services{*state};
  SteppingClock clock;
  std::unique_ptr<Solver> solver = std::make_unique<Solver>(clock);

  void Deal(const LayoutGrid& layout, int number, bool winnable) {
    state->layouts.LayoutCells = layout;
    state->options.RandomSeed1 = true;
    state->options.Winnable = winnable;
    state->board.GameNumber = number;
    BeginGame(*state, services);
  }
  SolveStatus Solve(FreeRule rule = FreeRule::Normal, SolveBudget budget = {},
                    SolverTechniques techniques = {}) {
    solver->Start(state->board, rule, budget, techniques);
    return solver->Run();
  }
};

LayoutGrid LayoutFile(const std::string& path) {
  platform::FileRead file = platform::ReadWholeFile(path, MaxLayoutFileBytes);
  EXPECT_TRUE(file.ok) << path;
  return ParseLay(file.bytes).cells;
}

// Tiles 1..4 are one group (a), 5..8 another (b).
TEST(SolverTest, HandMadePositions) {
  enum : int { a1 = 1, a2, a3, a4, b1, b2 };
  struct Case {
    const char* name;
    std::vector<Placed> tiles;
    FreeRule rule;
    SolveStatus expected;
    TilePair firstPair; // the only winning first pair, where there is one
  } cases[] = {
      {"a stacked pair blocks itself",
       {{a1, 1, 1, 1}, {a2, 1, 1, 2}},
       FreeRule::Normal,
       SolveStatus::NotWinnable,
       {}},
      {"a pair half a tile apart on top of each other",
       {{a1, 1, 1, 1}, {a2, 2, 2, 2}, {b1, 9, 1, 1}, {b2, 13, 1, 1}},
       FreeRule::Normal,
       SolveStatus::NotWinnable,
       {}},
      {"only a2 with a3 first wins: a2 lies on b1 on a1, a3 on b2",
       {{a1, 1, 1, 1}, {b1, 1, 1, 2}, {a2, 1, 1, 3}, {b2, 5, 1, 1}, {a3, 5, 1, 2}, {a4, 9, 1, 1}},
       FreeRule::Normal,
       SolveStatus::Winnable,
       {a2, a3}},
      {"three free tiles of a group: a2 must go, it lies on b2",
       {{a1, 1, 1, 1}, {b1, 1, 1, 2}, {b2, 5, 1, 1}, {a2, 5, 1, 2}, {a3, 9, 1, 1}, {a4, 13, 1, 1}},
       FreeRule::Normal,
       SolveStatus::Winnable,
       {}},
      {"... and after the wrong pair a3 a4 it is lost",
       {{a1, 1, 1, 1}, {b1, 1, 1, 2}, {b2, 5, 1, 1}, {a2, 5, 1, 2}},
       FreeRule::Normal,
       SolveStatus::NotWinnable,
       {}},
      {"a row is taken from its ends",
       {{a1, 1, 1, 1}, {b1, 3, 1, 1}, {b2, 5, 1, 1}, {a2, 7, 1, 1}},
       FreeRule::Normal,
       SolveStatus::Winnable,
       {}},
      {"a column is free sideways",
       {{a1, 1, 1, 1}, {b1, 1, 3, 1}, {a2, 1, 5, 1}, {b2, 1, 7, 1}},
       FreeRule::Normal,
       SolveStatus::Winnable,
       {}},
      {"... but not under the vertical rule",
       {{a1, 1, 1, 1}, {b1, 1, 3, 1}, {a2, 1, 5, 1}, {b2, 1, 7, 1}},
       FreeRule::Vertical,
       SolveStatus::NotWinnable,
       {}},
      {"the vertical rule takes a column from its ends",
       {{a1, 1, 1, 1}, {b1, 1, 3, 1}, {b2, 1, 5, 1}, {a2, 1, 7, 1}},
       FreeRule::Vertical,
       SolveStatus::Winnable,
       {}},
      {"a cycle across two groups",
       {{a1, 1, 1, 1}, {b1, 1, 1, 2}, {b2, 5, 1, 1}, {a2, 5, 1, 2}},
       FreeRule::Normal,
       SolveStatus::NotWinnable,
       {}},
      {"an odd group can never be cleared",
       {{a1, 1, 1, 1}, {a2, 5, 1, 1}, {a3, 9, 1, 1}},
       FreeRule::Normal,
       SolveStatus::NotWinnable,
       {}},
      {"an empty board is won", {}, FreeRule::Normal, SolveStatus::Winnable, {}},
  };
  SteppingClock clock;
  auto solver = std::make_unique<Solver>(clock, 8);
  for (const Case& c : cases) {
    auto board = BoardOf(c.tiles);
    for (bool clearing : {true, false}) {
      SolverTechniques techniques;
      techniques.clearFreeGroups = clearing;
      solver->Start(*board, c.rule, {}, techniques);
      ASSERT_EQ(solver->Run(), c.expected) << c.name;
      if (c.expected != SolveStatus::Winnable) continue;
      EXPECT_TRUE(PlaysOut(*board, solver->Solution(), c.rule)) << c.name;
      if (!c.firstPair.Empty()) {
        EXPECT_EQ(solver->Solution()[0], c.firstPair) << c.name;
      }
    }
  }
}

// Play can only clear the cells of tiles whose position points back at them: a board caught
// in the middle of a deal, or one whose cells and positions disagree, can never be emptied.
TEST(SolverTest, BoardsThatPlayCannotEmptyAreNotWinnable) {
  SteppingClock clock;
  auto solver = std::make_unique<Solver>(clock, 8);
  auto undealt = BoardOf({{1, 1, 1, 1}, {2, 5, 1, 1}});
  undealt->BoardGrid.Set(9, 1, 1, Undealt);
  auto stray = BoardOf({{1, 1, 1, 1}, {2, 5, 1, 1}});
  stray->BoardGrid.Set(9, 1, 1, 2); // tile 2 stands at (5, 1, 1)
  for (const Board* b : {undealt.get(), stray.get()}) {
    solver->Start(*b, FreeRule::Normal);
    EXPECT_EQ(solver->Run(), SolveStatus::NotWinnable);
    EXPECT_TRUE(solver->NextPair(*b).Empty());
  }
}

// Random small layouts, stacked and overlapping at will, odd sizes included, dealt plainly
// and the winnable way, under both rules and with each shortcut of the search switched off.
TEST(SolverTest, AgreesWithExhaustiveSearchOnSmallLayouts) {
  Generator rng{20240607};
  Table table;
  std::vector<SolverTechniques> variants(8);
  variants[1].deadTable = false;
  variants[2].clearFreeGroups = false;
  variants[3].blockedGroups = false;
  variants[4].waitingCycles = false;
  variants[5].moveOrdering = false;
  variants[6].restarts = false;
  variants[7] = {false, false, false, false, false, false};
  int answers[2] = {};
  for (int layout = 1; layout <= 150; ++layout) {
    LayoutGrid cells;
    const int positions = 4 + rng.Random(17);
    while (cells.Positions() < positions)
      cells.Set(1 + rng.Random(9), 1 + rng.Random(6), 1 + rng.Random(3), 1);
    for (bool winnable : {false, true}) {
      table.Deal(cells, layout, winnable);
      for (FreeRule rule : {FreeRule::Normal, FreeRule::Vertical}) {
        const bool expected = Exhaustive(table.state->board, rule).Winnable();
        ++answers[expected];
        for (const SolverTechniques& t : variants) {
          ASSERT_EQ(table.Solve(rule, {}, t),
                    expected ? SolveStatus::Winnable : SolveStatus::NotWinnable)
              << "layout " << layout << " winnable deal " << winnable;
          if (expected) {
            EXPECT_TRUE(PlaysOut(table.state->board, table.solver->Solution(), rule));
          }
        }
      }
    }
  }
  // Both answers must be well represented, or the comparison proves little.
  EXPECT_GT(answers[0], 100);
  EXPECT_GT(answers[1], 100);
}

// The search reads the free rule from its own tables: on whole layouts, through games of
// random pairs, they must agree with the game's rule about every tile.
TEST(SolverTest, FreeTilesAreTheGamesOnWholeLayouts) {
  Table table;
  Generator rng{99};
  auto sb = std::make_unique<SolverBoard>();
  for (const char* name : {"Traditional", "Turtle", "Pyramid"})
    for (FreeRule rule : {FreeRule::Normal, FreeRule::Vertical}) {
      table.Deal(LayoutFile(BuiltLayout(name)), 5, false);
      Board& b = table.state->board;
      ReadSolverBoard(b, rule, *sb);
      TileSet present = sb->all;
      for (int pairs = 0;; ++pairs) {
        const TileSet free = sb->FreeTiles(present);
        std::vector<std::pair<int, int>> moves;
        for (int i = 0; i < sb->count; ++i) {
          ASSERT_EQ(free.Has(i), FreeBy(rule, b, sb->tile[i]))
              << name << " tile " << int(sb->tile[i]) << " after " << pairs << " pairs";
          for (int j = 0; j < i; ++j)
            if (free.Has(i) && free.Has(j) && sb->group[i] == sb->group[j]) moves.push_back({i, j});
        }
        if (moves.empty()) break;
        const auto [i, j] = moves[rng.Random(static_cast<int>(moves.size()))];
        TakeOff(b, sb->tile[i]);
        TakeOff(b, sb->tile[j]);
        present.Remove(i);
        present.Remove(j);
      }
    }
}

// Numbered plain Traditional deals that take the search tens of thousands of positions: one
// is won, the other is not.
constexpr int HardGameNumbers[] = {28, 218};

TEST(SolverTest, BudgetAnswersUnknownAndNeverWrongly) {
  Table table;
  const LayoutGrid traditional = LayoutFile(BuiltLayout("Traditional"));
  for (int number : HardGameNumbers) {
    table.Deal(traditional, number, false);
    const SolveStatus full = table.Solve();
    const std::uint64_t fullNodes = table.solver->Nodes();
    ASSERT_GT(fullNodes, 10000u) << number;
    for (std::uint64_t nodes : {std::uint64_t{1}, std::uint64_t{100}, fullNodes - 1, fullNodes}) {
      EXPECT_EQ(table.Solve(FreeRule::Normal, {nodes, 0}),
                nodes < fullNodes ? SolveStatus::Unknown : full)
          << number << " " << nodes;
      EXPECT_LE(table.solver->Nodes(), nodes);
    }
    // The stepping clock passes a millisecond per reading: a budget of 3 ms runs out early.
    EXPECT_EQ(table.Solve(FreeRule::Normal, {UINT64_MAX, 3}), SolveStatus::Unknown);
    EXPECT_LT(table.solver->Nodes(), fullNodes);
  }
}

TEST(SolverTest, SlicesGiveTheAnswerOfOneRun) {
  Table table;
  const LayoutGrid traditional = LayoutFile(BuiltLayout("Traditional"));
  for (int number : {HardGameNumbers[0], HardGameNumbers[1], 1}) {
    table.Deal(traditional, number, false);
    const SolveStatus whole = table.Solve();
    const std::uint64_t nodes = table.solver->Nodes();
    const std::vector<TilePair> solution(table.solver->Solution().begin(),
                                         table.solver->Solution().end());
    table.solver->Start(table.state->board, FreeRule::Normal);
    SolveStatus s;
    std::uint64_t slices = 0;
    while ((s = table.solver->Run(97)) == SolveStatus::InProgress) ++slices;
    EXPECT_EQ(s, whole) << number;
    EXPECT_EQ(table.solver->Nodes(), nodes) << number;
    EXPECT_EQ(
        std::vector<TilePair>(table.solver->Solution().begin(), table.solver->Solution().end()),
        solution);
    EXPECT_GE(slices + 1, nodes / 97) << number;
  }
}

// What the demonstration does: click the next pair of the solution until the board is clear.
TEST(SolverTest, FollowingNextPairByClicksClearsAWinnableBoard) {
  Table table;
  table.Deal(LayoutFile(BuiltLayout("Traditional")), 77, true);
  Board& b = table.state->board;
  ASSERT_EQ(table.Solve(), SolveStatus::Winnable);
  auto click = [&](int t) {
    const Position& p = b.TilePos[t];
    for (int py = 25 * p.y - 6 * p.z - 59; py < 25 * p.y - 6 * p.z - 3; py += 3)
      for (int px = 20 * p.x + 6 * p.z - 52; px < 20 * p.x + 6 * p.z - 6; px += 3)
        if (WhatTileThere(b, px, py) == t)
          return ButtonDown(*table.state, table.services, MouseButton::Left, px + b.BoardLeft,
                            py + b.BoardTop);
    FAIL() << "tile " << t << " cannot be clicked";
  };
  int pairs = 0;
  for (TilePair next; !(next = table.solver->NextPair(b)).Empty(); ++pairs) {
    click(next.first);
    click(next.second);
    ASSERT_FALSE(b.TilePos[next.first].OnBoard()) << "pair " << pairs;
  }
  EXPECT_EQ(pairs, 72);
  EXPECT_EQ(b.TilesLeft, 0);

  // A board that went its own way has no next pair until it is solved again.
  table.Deal(LayoutFile(BuiltLayout("Traditional")), 77, true);
  ASSERT_EQ(table.Solve(), SolveStatus::Winnable);
  const TilePair first = table.solver->Solution()[0];
  IsItFree(*table.state);
  for (int k = 1; k < b.FreeCount; ++k) {
    int t = b.FreeList[k], u = b.FreeList[k + 1];
    if (TileGroup(t) != TileGroup(u) || (t == first.first && u == first.second)) continue;
    TakeOff(b, t);
    TakeOff(b, u);
    break;
  }
  EXPECT_TRUE(table.solver->NextPair(b).Empty());
}

// Every deal made with "Winnable Layouts" can be won; a sample of game numbers on every
// shipped layout.
TEST(SolverTest, WinnableDealsOfEveryShippedLayoutAreWon) {
  Table table;
  int layouts = 0;
  for (const auto& entry : std::filesystem::directory_iterator(PELMAR_LAYOUTS)) {
    if (entry.path().extension() != ".lay") continue;
    ++layouts;
    const LayoutGrid cells = LayoutFile(entry.path().string());
    for (int number = 1; number <= 10; ++number) {
      table.Deal(cells, number, true);
      ASSERT_EQ(table.Solve(FreeRule::Normal, {5'000'000, 0}), SolveStatus::Winnable)
          << entry.path().filename() << " game " << number;
      EXPECT_TRUE(PlaysOut(table.state->board, table.solver->Solution(), FreeRule::Normal));
    }
  }
  EXPECT_GE(layouts, 20);
}

} // namespace
