#include <gtest/gtest.h>

#include "engine/free_rule.h"
#include "support/test_platform.h"

namespace {

using namespace engine;

struct Placed {
  int tile, x, y, z;
};

std::unique_ptr<GameState> StateWith(std::initializer_list<Placed> tiles,
                                     int mode = ModeSolitaire) {
  auto state = std::make_unique<GameState>();
  Board& b = state->board;
  b.GameMode = static_cast<std::uint8_t>(mode);
  b.TileCount = MaxTiles;
  b.TilesLeft = 0;
  for (const Placed& p : tiles) {
    b.BoardGrid.Set(p.x, p.y, p.z, static_cast<std::uint8_t>(p.tile));
    b.TilePos[p.tile] = {p.x, p.y, p.z};
    ++b.TilesLeft;
  }
  return state;
}

struct FreedomCase {
  const char* what;
  std::initializer_list<Placed> board;
  bool normal, vertical; // is tile 1 free under each rule
};

TEST(FreeRule, SidesAndCover) {
  const FreedomCase cases[] = {
      {"alone", {{1, 10, 10, 1}}, true, true},
      {"left neighbour only", {{1, 10, 10, 1}, {2, 8, 10, 1}}, true, true},
      {"both sides taken, nothing above",
       {{1, 10, 10, 1}, {2, 8, 10, 1}, {3, 12, 10, 1}},
       false,
       true},
      {"left half a row up, right half a row down",
       {{1, 10, 10, 1}, {2, 8, 9, 1}, {3, 12, 11, 1}},
       false,
       true},
      {"neighbours a full tile row away do not block",
       {{1, 10, 10, 1}, {2, 8, 8, 1}, {3, 12, 12, 1}},
       true,
       true},
      {"top and bottom taken", {{1, 10, 10, 1}, {2, 10, 8, 1}, {3, 10, 12, 1}}, true, false},
      {"top half a tile left, bottom half right",
       {{1, 10, 10, 1}, {2, 9, 8, 1}, {3, 11, 12, 1}},
       true,
       false},
      {"covered from above, offset by half a tile", {{1, 10, 10, 4}, {2, 11, 9, 5}}, false, false},
      {"above but two half-tiles away", {{1, 10, 10, 4}, {2, 12, 10, 5}}, true, true},
      {"top layer with one side open", {{1, 10, 10, 5}, {2, 8, 10, 5}}, true, true},
      {"top layer boxed in",
       {{1, 10, 10, 5}, {2, 8, 10, 5}, {3, 12, 10, 5}, {4, 10, 8, 5}, {5, 10, 12, 5}},
       false,
       false},
      {"at the edge of the box", {{1, 1, 1, 1}, {2, 3, 1, 1}}, true, true},
      {"a tile two layers up does not cover", {{1, 10, 10, 1}, {2, 10, 10, 3}}, true, true},
  };
  for (const FreedomCase& c : cases) {
    auto state = StateWith(c.board);
    EXPECT_EQ(Dispo(state->board, 1), c.normal) << c.what;
    EXPECT_EQ(Dispo_Vertical(state->board, 1), c.vertical) << c.what;
    const Position& p = state->board.TilePos[1];
    EXPECT_EQ(IsPositionFree(state->board.BoardGrid, p), c.normal) << c.what;
  }
}

TEST(FreeRule, RemovedTilesAndPositionsOutsideTheBox) {
  auto state = StateWith({{1, 10, 10, 1}, {2, 8, 10, 1}, {3, 12, 10, 1}});
  EXPECT_FALSE(Dispo(state->board, 4)); // never placed
  EXPECT_FALSE(Dispo_Vertical(state->board, 4));
  EXPECT_FALSE(IsPositionFree(state->board.BoardGrid, 0, 10, 1));
  EXPECT_FALSE(IsPositionFree(state->board.BoardGrid, 10, 0, 1));
  EXPECT_FALSE(IsPositionFree(state->board.BoardGrid, 10, 10, 0));
  // An empty position is judged by its neighbours alone.
  EXPECT_TRUE(IsPositionFree(state->board.BoardGrid, 20, 10, 1));
  EXPECT_EQ(FreeTiles(state->board.BoardGrid), 2);
}

TEST(MoveCount, AdjacentFreeTilesOfOneGroupMakeMoves) {
  struct Case {
    const char* what;
    std::initializer_list<Placed> board;
    int free, moves;
    std::vector<int> list;
  } cases[] = {
      {"three of a group and one other",
       {{5, 2, 2, 1}, {6, 6, 2, 1}, {7, 10, 2, 1}, {9, 14, 2, 1}},
       4,
       2,
       {5, 6, 7, 9}},
      {"four of a group make three moves",
       {{1, 2, 2, 1}, {2, 6, 2, 1}, {3, 10, 2, 1}, {4, 14, 2, 1}},
       4,
       3,
       {1, 2, 3, 4}},
      {"one free tile", {{12, 2, 2, 1}}, 1, 0, {12}},
      {"a blocked middle tile is left out",
       {{1, 2, 2, 1}, {2, 4, 2, 1}, {3, 6, 2, 1}, {8, 20, 2, 1}},
       3,
       1,
       {1, 3, 8}},
      {"groups next to each other do not mix", {{4, 2, 2, 1}, {5, 6, 2, 1}}, 2, 0, {4, 5}},
  };
  for (const auto& c : cases) {
    auto state = StateWith(c.board);
    IsItFree(*state);
    const Board& b = state->board;
    EXPECT_EQ(b.FreeCount, c.free) << c.what;
    EXPECT_EQ(b.MovesLeft, c.moves) << c.what;
    std::vector<int> list(b.FreeList.begin() + 1, b.FreeList.begin() + 1 + b.FreeCount);
    EXPECT_EQ(list, c.list) << c.what;
  }
}

TEST(MoveCount, FollowsTheVerticalOptionAndOnlyCountsInSolitaire) {
  // Tile 1 boxed left and right; tile 2 and 3 each have a free side.
  auto state = StateWith({{1, 10, 10, 1}, {2, 8, 10, 1}, {3, 12, 10, 1}});
  IsItFree(*state);
  EXPECT_EQ(state->board.FreeCount, 2);
  EXPECT_EQ(state->board.MovesLeft, 1);
  state->options.Vertical = true;
  IsItFree(*state);
  EXPECT_EQ(state->board.FreeCount, 3);
  EXPECT_EQ(state->board.MovesLeft, 2);
}

} // namespace
