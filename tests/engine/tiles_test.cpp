#include <gtest/gtest.h>

#include <map>

#include "engine/board.h"
#include "engine/game_state.h"
#include "engine/tiles.h"

namespace {

using namespace engine;

TEST(Tiles, MatchingFollowsGroupsNotPictures) {
  struct Case {
    int a, b;
    bool match;
  } cases[] = {
      {1, 4, true},      {4, 5, false},    {109, 112, true}, // flowers: different pictures, one
                                                             // group
      {112, 113, false}, {113, 116, true},                   // flower against season, seasons
      {116, 117, false}, {117, 120, true}, {120, 121, false}, {141, 144, true}, {36, 37, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TileGroup(c.a) == TileGroup(c.b), c.match) << c.a << " and " << c.b;
}

TEST(Tiles, EveryPictureHasItsCopies) {
  std::map<int, int> copies;
  for (int t = 1; t <= MaxTiles; ++t) ++copies[FaceOf[t]];
  ASSERT_EQ(copies.size(), 42u);
  for (auto [picture, n] : copies) {
    bool single = picture >= 28 && picture <= 35; // flowers and seasons
    EXPECT_EQ(n, single ? 1 : 4) << "picture " << picture;
  }
  // Spot checks across the kinds: craks, bamboos, dots, flowers, seasons, dragons, winds.
  std::pair<int, int> faces[] = {{1, 1},    {36, 9},   {37, 10},  {72, 18},  {73, 19},
                                 {108, 27}, {109, 28}, {112, 31}, {113, 32}, {116, 35},
                                 {117, 36}, {128, 38}, {129, 39}, {144, 42}};
  for (auto [tile, picture] : faces) EXPECT_EQ(FaceOf[tile], picture) << "tile " << tile;
}

TEST(Tiles, PictureCellsOfTheTilesetSheet) {
  struct Case {
    int picture, x, y;
  } cases[] = {{1, 0, 100},    {9, 320, 100},  {10, 0, 50},    {18, 320, 50}, {19, 0, 0},
               {27, 320, 0},   {28, 0, 200},   {31, 120, 200}, {32, 0, 150},  {35, 120, 150},
               {36, 160, 200}, {38, 240, 200}, {39, 160, 150}, {42, 280, 150}};
  for (const Case& c : cases) {
    EXPECT_EQ(FaceCell[c.picture].x, c.x) << "picture " << c.picture;
    EXPECT_EQ(FaceCell[c.picture].y, c.y) << "picture " << c.picture;
  }
}

TEST(TileGridTest, AnswersTheWholeProbedRangeAndNothingBeyond) {
  TileGrid grid;
  grid.Set(0, 5, 5, 7);   // the removal animation's spare column on the top layer
  grid.Set(36, 22, 6, 9); // the far corner of the margin
  grid.Set(37, 1, 1, 1);  // beyond: dropped
  grid.Set(-2, 1, 1, 1);
  grid.Set(1, 1, 7, 1);
  EXPECT_EQ(grid(0, 5, 5), 7);
  EXPECT_EQ(grid(36, 22, 6), 9);
  EXPECT_EQ(grid(37, 1, 1), 0);
  EXPECT_EQ(grid(-2, 1, 1), 0);
  EXPECT_EQ(grid(1, 1, 7), 0);
  EXPECT_EQ(grid(1000000, -1000000, 3), 0);
  int nonZero = 0;
  for (int z = -3; z <= 9; ++z)
    for (int y = -3; y <= 25; ++y)
      for (int x = -3; x <= 39; ++x) nonZero += grid(x, y, z) != 0;
  EXPECT_EQ(nonZero, 2);
}

struct Hit {
  int px, py; // relative to the board origin
  int tile;
};

TEST(WhatTileThereTest, HitRectangleIsTheDrawnTile) {
  Board board;
  board.BoardGrid.Set(2, 3, 1, 17);
  Hit hits[] = {{-6, 10, 17}, {39, 65, 17}, {-7, 10, 0}, {-6, 9, 0},
                {40, 30, 0},  {10, 66, 0},  {0, 10, 17}, {20, 40, 17}};
  for (const Hit& h : hits)
    EXPECT_EQ(WhatTileThere(board, h.px, h.py), h.tile) << h.px << "," << h.py;
  // The face's top-left corner in board picture pixels, from zero-based grid values.
  EXPECT_EQ(CoordX(board, 2 - 1, 1 - 1), board.BoardLeft);
  EXPECT_EQ(CoordY(board, 3 - 1, 1 - 1), board.BoardTop + 10);
}

TEST(WhatTileThereTest, OverlapsGoToHigherLayersThenSmallerXThenLargerY) {
  Board board;
  board.BoardGrid.Set(10, 5, 1, 1);
  board.BoardGrid.Set(11, 5, 2, 2); // overlaps tile 1 from above, half a tile right
  // A point inside both: the upper tile wins even though it lies on a covered spot.
  EXPECT_EQ(WhatTileThere(board, 20 * 11 + 12 - 52 + 1, 25 * 5 - 12 - 59 + 1), 2);
  // Only inside the lower tile.
  EXPECT_EQ(WhatTileThere(board, 20 * 10 + 6 - 52, 25 * 5 - 6 - 3 - 1), 1);

  Board same;
  same.BoardGrid.Set(10, 5, 1, 3);
  same.BoardGrid.Set(11, 5, 1, 4);                         // same layer, x one apart
  same.BoardGrid.Set(10, 6, 1, 5);                         // same column, one row down
  int px = 20 * 11 + 6 - 52 + 1, py = 25 * 6 - 6 - 59 + 1; // inside all three
  EXPECT_EQ(WhatTileThere(same, px, py), 5);
  same.BoardGrid.Set(10, 6, 1, 0);
  EXPECT_EQ(WhatTileThere(same, px, py), 3);
}

TEST(InitVarTest, ClearsThePerGameState) {
  GameState state;
  state.board.GameFinished = state.board.GameOverShown = true;
  state.board.HintIndex = state.board.HintA = state.board.HintB = 5;
  state.board.FirstPick = state.board.SecondPick = 9;
  state.scoring = {12, 30, 5000, 1, 4, 5, 6, 7};
  state.status.StatusBounce = true;
  state.board.TilesLeft = 40; // the board itself stays until the next deal
  InitVar(state);
  EXPECT_FALSE(state.board.GameFinished || state.board.GameOverShown || state.status.StatusBounce);
  EXPECT_EQ(state.board.HintIndex + state.board.HintA + state.board.HintB, 0);
  EXPECT_EQ(state.board.FirstPick + state.board.SecondPick, 0);
  EXPECT_EQ(state.scoring.GameScore + state.scoring.PenaltySeconds + state.scoring.CurrentPlayer +
                state.scoring.PlayerTime1 + state.scoring.PlayerTime2,
            0);
  EXPECT_EQ(state.board.TilesLeft, 40);
}

} // namespace
