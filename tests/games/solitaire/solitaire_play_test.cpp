#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/layout_file.h"
#include "games/solitaire/solitaire_play.h"
#include "platform/files.h"
#include "support/test_platform.h"

namespace {

using namespace engine;
using namespace solitaire;
using play::Sound;
using testing_support::BoardIsConsistent;
using testing_support::RecordingServices;

struct Drawn {
  int tile;
  Position at;
  friend bool operator==(const Drawn&, const Drawn&) = default;
};

// Records like RecordingServices, and also where each redrawn tile stood; lets a test look at
// the board on every repaint and replace the move count.
class Spy final : public play::Host {
public:
  explicit Spy(GameState& state) : state_(state), rec(state) {}
  platform::Ui& ui() override { return rec.ui(); }
  platform::Clock& clock() override { return rec.clock(); }
  void IM(int mode) override { rec.IM(mode); }
  void FullRedraw() override { rec.FullRedraw(); }
  void RedrawTile(int t) override {
    rec.RedrawTile(t);
    drawn.push_back({t, state_.board.TilePos[t]});
  }
  void HLRedrawTile(int t) override { rec.HLRedrawTile(t); }
  void ShowEmptyBoard() override { rec.ShowEmptyBoard(); }
  void Repaint() override {
    rec.Repaint();
    if (onRepaint) onRepaint();
  }
  void CountMoves() override { countMoves ? countMoves() : rec.CountMoves(); }
  void BeginGame() override { rec.BeginGame(); }
  void LayoutAdded(int index) override { rec.LayoutAdded(index); }
  void RefreshHighlightColour() override {}
  void ShowPanelHOF() override { ++panels; }
  void ResetPauseCaptions() override {}
  void PlayWave(Sound sound) override { rec.PlayWave(sound); }
  void Stop() override { rec.Stop(); }
  void AskGameNumber() override { rec.AskGameNumber(); }
  void FlashRefusal(int tile) override { rec.FlashRefusal(tile); }
  void ShowCursor(render::CursorShape) override {}
  platform::Desktop& desktop() override { return rec.desktop(); }
  void ShowBoardRect(platform::Rect) override {}
  play::PanelCanvas SidePanel() override { return rec.SidePanel(); }
  void ShowSidePanel() override {}

private:
  GameState& state_;

public:
  RecordingServices rec;
  std::vector<Drawn> drawn;
  std::function<void()> onRepaint, countMoves;
  int panels = 0;
};

using Laid = std::tuple<int, int, int, int>; // tile, x, y, z

struct Table {
  std::unique_ptr<GameState> owned = std::make_unique<GameState>();
  GameState& state = *owned;
  Board& board = state.board;
  Spy services{state};

  explicit Table(int mode = ModeSolitaire) {
    board.GameMode = static_cast<std::uint8_t>(mode);
    state.options.AnimateTiles = false;
  }

  // A board laid by hand; tileCount above the number of tiles leaves room for high tile numbers.
  void Lay(std::initializer_list<Laid> tiles, int tileCount = 0) {
    for (auto [t, x, y, z] : tiles) {
      board.BoardGrid.Set(x, y, z, static_cast<std::uint8_t>(t));
      board.TilePos[t] = {x, y, z};
    }
    board.TilesLeft = static_cast<int>(tiles.size());
    board.TileCount = tileCount > 0 ? tileCount : board.TilesLeft;
  }

  void ClickAt(int px, int py) {
    ButtonDown(state, services, MouseButton::Left, px + board.BoardLeft, py + board.BoardTop);
  }

  // Clicks a pixel of tile t that no other tile covers, inside the cells that take picks.
  void Click(int t) {
    const Position& p = board.TilePos[t];
    const int left = 20 * p.x + 6 * p.z - 52, top = 25 * p.y - 6 * p.z - 59;
    for (int py = std::max(top, -24); py < top + 56; ++py)
      for (int px = std::max(left, -19); px < std::min(left + 46, 700); ++px)
        if (WhatTileThere(board, px, py) == t) return ClickAt(px, py);
    ADD_FAILURE() << "no pixel of tile " << t << " can be clicked";
  }
  void Click(std::initializer_list<int> tiles) {
    for (int t : tiles) Click(t);
  }

  int CellsInUse() const {
    int n = 0;
    for (int z = TileGrid::MinZ; z <= TileGrid::MaxZ; ++z)
      for (int y = TileGrid::MinY; y <= TileGrid::MaxY; ++y)
        for (int x = TileGrid::MinX; x <= TileGrid::MaxX; ++x) n += board.BoardGrid(x, y, z) != 0;
    return n;
  }
};

LayoutGrid ReadLayout(const std::string& path) {
  platform::FileRead file = platform::ReadWholeFile(path, MaxLayoutFileBytes);
  EXPECT_TRUE(file.ok) << path;
  return ParseLay(file.bytes).cells;
}

// Deals a numbered winnable game and returns the order in which its pairs come off.
WinnableDeal DealNumbered(Table& table, const std::string& layout, int number) {
  table.state.layouts.LayoutCells = ReadLayout(layout);
  table.state.options.RandomSeed1 = true;
  table.state.options.Winnable = true;
  table.board.GameNumber = number;
  return CreateBoard(table.state, table.services);
}

void PlayPairs(Table& table, const WinnableDeal& deal, int pairs) {
  for (int k = 1; k < 2 * pairs; k += 2)
    table.Click(
        {table.board.BoardGrid(deal.removals[k]), table.board.BoardGrid(deal.removals[k + 1])});
}

TEST(SolitairePlayTest, WinnableGamesArePlayedOutByClicks) {
  struct Case {
    std::string layout;
    int number, mode;
    bool animate;
  } cases[] = {{testing_support::BuiltLayout("Traditional"), 7, ModeSolitaire, false},
               {testing_support::BuiltLayout("Traditional"), 7, ModeSolitaire, true},
               {testing_support::BuiltLayout("Traditional"), 4242, ModeTwoPlayers, true},
               {testing_support::TestLayout("pyramid.lay"), 5, ModeSolitaire, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.layout + " game " + std::to_string(c.number));
    Table table(c.mode);
    Board& b = table.board;
    WinnableDeal deal = DealNumbered(table, c.layout, c.number);
    table.state.options.AnimateTiles = c.animate;
    for (int k = 1; k < deal.removalCount; k += 2) {
      const int first = b.BoardGrid(deal.removals[k]), second = b.BoardGrid(deal.removals[k + 1]);
      table.Click({first, second});
      ASSERT_EQ(b.TilesLeft, b.TileCount - (k + 1)) << "pair " << (k + 1) / 2;
      ASSERT_TRUE(BoardIsConsistent(b)) << "pair " << (k + 1) / 2;
      ASSERT_EQ(table.CellsInUse(), b.TilesLeft) << "pair " << (k + 1) / 2;
      EXPECT_EQ(b.History.entries[k - 1].tile, first);
      EXPECT_EQ(b.History.entries[k - 1].pos, deal.removals[k]);
      EXPECT_EQ(b.History.entries[k].tile, second);
      EXPECT_EQ(b.History.entries[k].pos, deal.removals[k + 1]);
    }
    EXPECT_EQ(b.TilesLeft, 0);
    EXPECT_EQ(b.History.count, b.TileCount);
    const auto& sounds = table.services.rec.sounds;
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), Sound::Done), b.TileCount / 2);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), Sound::NoWay), 0);
    EXPECT_EQ(table.services.rec.repaints > 0, c.animate);
    // A cleared board cannot be taken back.
    Back(table.state, table.services);
    Restart(table.state, table.services);
    EXPECT_EQ(b.TilesLeft, 0);
  }
}

// Tiles 3 | 13 | 4 in a row, the middle one blocked; every other tile stands alone.
const std::initializer_list<Laid> Lineup = {{3, 2, 2, 1},   {13, 4, 2, 1},   {4, 6, 2, 1},
                                            {5, 10, 2, 1},  {6, 14, 2, 1},   {9, 18, 2, 1},
                                            {10, 22, 2, 1}, {14, 26, 2, 1},  {109, 2, 8, 1},
                                            {112, 6, 8, 1}, {113, 10, 8, 1}, {116, 14, 8, 1}};

TEST(SolitairePlayTest, PicksFollowTheFreeRule) {
  constexpr Sound S = Sound::Select, D = Sound::Done, N = Sound::NoWay;
  constexpr int Untouched = 99;
  struct Case {
    const char* what;
    std::vector<int> clicks;
    int first, second, prevSecond, tilesLeft;
    std::vector<Sound> sounds;
    std::vector<int> redrawn;
  } cases[] = {
      {"a blocked first pick selects nothing", {13}, 0, 0, Untouched, 12, {N}, {}},
      {"a free tile is selected", {3}, 3, 0, Untouched, 12, {S}, {3}},
      {"a blocked second pick keeps the first", {3, 13}, 3, 0, 0, 12, {S, N}, {3}},
      {"the selected tile clicked again is released", {3, 3}, 0, 0, 0, 12, {S, S}, {3, 3}},
      {"5 then 9 leaves 9 selected alone", {5, 9}, 9, 0, 0, 12, {S, S}, {5, 9, 5}},
      {"two flowers match", {109, 112}, 0, 0, 0, 10, {S, D}, {109, 112, 109, 112}},
      {"a flower and a season do not", {112, 113}, 113, 0, 0, 12, {S, S}, {112, 113, 112}},
      {"two seasons match", {116, 113}, 0, 0, 0, 10, {S, D}, {116, 113, 116, 113}},
      {"the ends go, the middle is free", {3, 4, 13}, 13, 0, 0, 10, {S, D, S}, {3, 4, 3, 4, 13}},
  };
  for (const Case& c : cases) {
    Table table;
    table.Lay(Lineup, MaxTiles);
    table.board.PrevSecondPick = Untouched;
    for (int t : c.clicks) table.Click(t);
    const Board& b = table.board;
    EXPECT_EQ(b.FirstPick, c.first) << c.what;
    EXPECT_EQ(b.SecondPick, c.second) << c.what;
    EXPECT_EQ(b.PrevSecondPick, c.prevSecond) << c.what;
    EXPECT_EQ(b.TilesLeft, c.tilesLeft) << c.what;
    EXPECT_EQ(table.services.rec.sounds, c.sounds) << c.what;
    EXPECT_EQ(table.services.rec.redrawnTiles, c.redrawn) << c.what;
  }
}

TEST(SolitairePlayTest, ClicksCountOnlyInsideTheBoardCells) {
  struct Case {
    int px, py, picked;
  } cases[] = {
      {-19, 0, 1},   {-1, 0, 1},    {-20, 0, 0}, {-26, 0, 0}, // column 0 reaches px -19
      {0, -24, 1},   {0, -25, 0},   {19, 15, 1}, {20, 15, 0}, // row 0 reaches py -24
      {699, 400, 2}, {700, 400, 0},                           // column 35 is off the board
  };
  for (int boardLeft : {36, -5}) {
    for (const Case& c : cases) {
      Table table;
      table.board.BoardLeft = boardLeft;
      table.board.BoardTop = boardLeft > 0 ? 25 : 0;
      table.Lay({{1, 1, 1, 1}, {2, 34, 19, 5}}, MaxTiles);
      table.ClickAt(c.px, c.py);
      EXPECT_EQ(table.board.FirstPick, c.picked) << c.px << "," << c.py;
    }
  }
}

TEST(SlideOffTest, EachFrameMovesBothTilesOneColumnOnTheTopLayer) {
  Table table;
  table.state.options.AnimateTiles = true;
  // Tile 3 rests on the top layer in the path of tile 1.
  table.Lay({{1, 32, 5, 1}, {2, 3, 5, 1}, {3, 33, 5, 5}, {4, 10, 12, 1}});
  std::vector<std::tuple<int, int, Position>> frames; // cells (33, 5, 5), (34, 5, 5), tile 3
  table.services.onRepaint = [&] {
    const Board& b = table.board;
    frames.push_back({b.BoardGrid(33, 5, 5), b.BoardGrid(34, 5, 5), b.TilePos[3]});
  };
  table.Click({1, 2});
  table.services.drawn.erase(table.services.drawn.begin(), table.services.drawn.begin() + 2);
  const std::vector<Drawn> path = {
      {1, {32, 5, 1}}, {1, {33, 5, 5}}, {2, {3, 5, 1}}, {2, {2, 5, 5}}, // frame 1
      {1, {33, 5, 5}}, {1, {34, 5, 5}}, {2, {2, 5, 5}}, {2, {1, 5, 5}}, // frame 2
      {1, {34, 5, 5}}, {1, {34, 5, 5}}, {2, {1, 5, 5}}, {2, {0, 5, 5}}, // frame 3
      {1, {34, 5, 5}}, {2, {0, 5, 5}}};                                 // taken off
  EXPECT_EQ(table.services.drawn, path);
  const std::vector<std::tuple<int, int, Position>> expected = {
      {1, 0, {}}, {3, 1, {33, 5, 5}}, {3, 1, {33, 5, 5}}};
  EXPECT_EQ(frames, expected);
  EXPECT_TRUE(BoardIsConsistent(table.board));
  EXPECT_EQ(table.CellsInUse(), 2);
}

TEST(SlideOffTest, TilesLeaveByTheEdgeOfTheirHalf) {
  struct Case {
    int x, edge;
  } cases[] = {{1, 0}, {16, 0}, {17, 34}, {33, 34}, {34, 34}};
  for (const Case& c : cases) {
    Table table;
    table.state.options.AnimateTiles = true;
    table.Lay({{1, c.x, 4, 1}, {2, c.x, 10, 1}});
    table.Click({1, 2});
    const std::vector<Drawn>& drawn = table.services.drawn;
    ASSERT_GE(drawn.size(), 2u);
    EXPECT_EQ(drawn.end()[-2], (Drawn{1, {c.edge, 4, 5}})) << "from x " << c.x;
    EXPECT_EQ(drawn.end()[-1], (Drawn{2, {c.edge, 10, 5}})) << "from x " << c.x;
    EXPECT_EQ(table.CellsInUse(), 0) << "from x " << c.x;
  }
}

// Where the tiles run into a resting tile at the edge, or into each other, every other tile
// must end where it was and no cell may keep a stale number.
TEST(SlideOffTest, LeavesEveryOtherTileInPlace) {
  struct Case {
    const char* what;
    Position first, second, resting;
    int frames;
  } cases[] = {
      {"the first tile stops on a resting tile", {30, 5, 1}, {3, 5, 1}, {34, 5, 5}, 4},
      {"the pair meets at the edge over a resting tile", {26, 5, 1}, {30, 5, 1}, {34, 5, 5}, 8},
      {"the first tile lands on the second", {20, 4, 1}, {21, 4, 5}, {10, 12, 1}, 14},
      {"the second tile lands on the first", {21, 4, 1}, {21, 4, 3}, {10, 12, 1}, 13},
      {"a tile at the edge of a lower layer rises", {34, 9, 2}, {10, 12, 3}, {2, 16, 1}, 10},
  };
  for (const Case& c : cases) {
    Table table;
    table.state.options.AnimateTiles = true;
    const Position &a = c.first, &b = c.second, &r = c.resting;
    table.Lay({{1, a.x, a.y, a.z}, {2, b.x, b.y, b.z}, {3, r.x, r.y, r.z}, {4, 12, 18, 1}});
    table.Click({1, 2});
    EXPECT_EQ(table.board.TilesLeft, 2) << c.what;
    EXPECT_EQ(table.board.TilePos[3], r) << c.what;
    EXPECT_TRUE(BoardIsConsistent(table.board)) << c.what;
    EXPECT_EQ(table.CellsInUse(), 2) << c.what;
    EXPECT_EQ(table.services.rec.repaints, c.frames) << c.what;
  }
}

// Twelve lone tiles 1..12, all free.
const std::initializer_list<Laid> Twelve = {
    {1, 2, 2, 1}, {2, 6, 2, 1}, {3, 10, 2, 1}, {4, 14, 2, 1},  {5, 18, 2, 1},  {6, 22, 2, 1},
    {7, 2, 8, 1}, {8, 6, 8, 1}, {9, 10, 8, 1}, {10, 14, 8, 1}, {11, 18, 8, 1}, {12, 22, 8, 1}};

TEST(BackTest, TakesPairsBackLastFirstDownToTheDeal) {
  Table table;
  table.Lay(Twelve);
  Board& b = table.board;
  const auto dealt = b.TilePos;
  table.Click({3, 4, 10, 11});
  ASSERT_EQ(b.TilesLeft, 8);
  b.FirstPick = 5;
  b.HintA = 1;
  b.HintB = 2;
  struct Step {
    std::vector<int> onBoard, off;
    int tilesLeft, fullRedraws;
  } steps[] = {{{10, 11}, {3, 4}, 10, 1}, {{3, 4, 10, 11}, {}, 12, 2}, {{3, 4}, {}, 12, 2}};
  for (const Step& s : steps) {
    Back(table.state, table.services);
    EXPECT_EQ(b.TilesLeft, s.tilesLeft);
    EXPECT_EQ(b.History.count, b.TileCount - b.TilesLeft);
    EXPECT_EQ(table.services.rec.fullRedraws, s.fullRedraws);
    for (int t : s.onBoard) EXPECT_EQ(b.TilePos[t], dealt[t]) << t;
    for (int t : s.off) EXPECT_FALSE(b.TilePos[t].OnBoard()) << t;
    EXPECT_TRUE(BoardIsConsistent(b));
    EXPECT_EQ(b.FirstPick + b.HintA + b.HintB, 0);
  }
}

TEST(BackTest, StopsTheNoMoreMovesSwingAndActsOnlyInGamesThatUndo) {
  struct Case {
    int mode, removed;
    bool bounce;
    int tilesLeftAfter;
    std::string status;
  } cases[] = {
      {ModeSolitaire, 1, true, 12, "   "},        {ModeSolitaire, 0, true, 12, "   "},
      {ModeSolitaire, 1, false, 12, "untouched"}, {ModeTwoPlayers, 1, true, 12, "   "},
      {ModeSolitaire, 6, true, 0, "   "},
  };
  for (const Case& c : cases) {
    Table table(ModeSolitaire);
    table.Lay(Twelve);
    for (int pair = 0; pair < c.removed; ++pair) table.Click({2 * pair + 1, 2 * pair + 2});
    table.board.GameMode = static_cast<std::uint8_t>(c.mode);
    table.state.status.StatusMessage = "untouched";
    table.state.status.StatusBounce = c.bounce;
    Back(table.state, table.services);
    EXPECT_EQ(table.board.TilesLeft, c.tilesLeftAfter) << "mode " << c.mode;
    EXPECT_FALSE(table.state.status.StatusBounce);
    EXPECT_EQ(table.state.status.StatusMessage, c.status) << "mode " << c.mode;
  }
}

TEST(RestartTest, RestoresTheDealAndStartsTheClockAfresh) {
  Table table;
  table.state.options.AnimateTiles = true;
  WinnableDeal deal = DealNumbered(table, testing_support::BuiltLayout("Traditional"), 31);
  const auto dealt = table.board.TilePos;
  PlayPairs(table, deal, 10);
  ASSERT_EQ(table.board.TilesLeft, 124);
  Scoring& s = table.state.scoring;
  s.PenaltySeconds = 80;
  s.GameScore = 95;
  s.PausedElapsed = 4000;
  table.state.pointer.HoverTile = 17;
  table.services.rec.manualClock().tick = 777000;
  Restart(table.state, table.services);
  EXPECT_EQ(table.board.TilePos, dealt);
  EXPECT_TRUE(BoardIsConsistent(table.board));
  EXPECT_EQ(table.board.TilesLeft, 144);
  EXPECT_EQ(table.board.History.count, 0);
  EXPECT_EQ(table.services.rec.fullRedraws, 10);
  EXPECT_EQ(std::tie(s.PenaltySeconds, s.GameScore, s.PausedElapsed), std::make_tuple(0, 0, 0));
  EXPECT_EQ(table.state.pointer.HoverTile, 0);
  EXPECT_EQ(s.GameStartTick, 777000u);
  EXPECT_EQ(table.state.status.StatusMessage, "Game restarted.");
}

TEST(RestartTest, NeedsMovesToTakeBackAndNeverSpins) {
  struct Case {
    const char* what;
    int mode, removed;
    const char* status;
  } cases[] = {
      {"nothing removed yet", ModeSolitaire, 0, "untouched"},
      {"the board is cleared", ModeSolitaire, 6, "untouched"},
  };
  for (const Case& c : cases) {
    Table table;
    table.Lay(Twelve);
    for (int pair = 0; pair < c.removed; ++pair) table.Click({2 * pair + 1, 2 * pair + 2});
    table.board.GameMode = static_cast<std::uint8_t>(c.mode);
    table.state.status.StatusMessage = "untouched";
    Restart(table.state, table.services);
    EXPECT_EQ(table.state.status.StatusMessage, c.status) << c.what;
    EXPECT_EQ(table.board.TilesLeft, 12 - 2 * c.removed) << c.what;
  }
}

TEST(HintTest, CyclesThroughTheMovesAtFortySecondsEach) {
  Table table;
  table.Lay({{5, 2, 2, 1}, {6, 6, 2, 1}, {7, 10, 2, 1}, {9, 14, 2, 1}}, 12);
  IsItFree(table.state);
  ASSERT_EQ(table.board.MovesLeft, 2);
  const std::pair<int, int> shown[] = {{5, 6}, {6, 7}, {5, 6}};
  for (const auto& [a, b] : shown) {
    Hint(table.state, table.services);
    EXPECT_EQ(std::make_pair(table.board.HintA, table.board.HintB), std::make_pair(a, b));
  }
  EXPECT_EQ(table.state.scoring.PenaltySeconds, 120);
  EXPECT_EQ(table.services.rec.fullRedraws, 3);
}

TEST(HintTest, ShowsNothingWithoutAMove) {
  struct Case {
    const char* what;
    int mode, lastMovesLeft;
    bool lyingCount;
    int hintAfter;
  } cases[] = {
      {"the last count found no move", ModeSolitaire, 0, false, 9},
      {"the recount finds no move", ModeSolitaire, 3, false, 0},
      {"a count the walk cannot match", ModeSolitaire, 1, true, 0},
  };
  for (const Case& c : cases) {
    Table table(c.mode);
    table.Lay({{5, 2, 2, 1}, {9, 14, 2, 1}}, 12);
    table.board.MovesLeft = c.lastMovesLeft;
    table.board.HintA = 9;
    if (c.lyingCount)
      table.services.countMoves = [&b = table.board] {
        b.FreeCount = 2;
        b.FreeList[1] = 5;
        b.FreeList[2] = 9;
        b.MovesLeft = 1;
      };
    Hint(table.state, table.services);
    EXPECT_EQ(table.board.HintA, c.hintAfter) << c.what;
    EXPECT_EQ(table.state.scoring.PenaltySeconds, 0) << c.what;
    EXPECT_EQ(table.services.rec.fullRedraws, 0) << c.what;
  }
}

} // namespace
