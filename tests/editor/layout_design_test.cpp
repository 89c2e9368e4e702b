#include "editor/layout_design.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/deal.h"

namespace {

using editor::Shift;
using engine::Position;

// A design of the positions given, each its own slot in order.
struct Design {
  explicit Design(const std::vector<Position>& positions) {
    int slot = 0;
    for (const Position& p : positions) {
      engine::Place(board, ++slot, p);
      cells.Set(p.x, p.y, p.z, 1);
    }
  }
  engine::Board board;
  engine::LayoutGrid cells;
};

// The middle of the area where a click proposes the position p.
int Px(const Position& p) {
  return 20 * p.x + 6 * p.z - 37;
}
int Py(const Position& p) {
  return 25 * p.y - 6 * p.z - 42;
}

TEST(WhatAdd, ProposesTheHighestLayerThatRestsOnSomething) {
  struct Case {
    const char* label;
    std::vector<Position> design;
    int px, py;
    Position proposed;
  } cases[] = {
      {"an empty grid: the first layer", {}, Px({5, 5, 1}), Py({5, 5, 1}), {5, 5, 1}},
      {"beside a tile, over it: the higher layer wins",
       {{5, 5, 1}},
       Px({6, 5, 2}),
       Py({6, 5, 2}),
       {6, 5, 2}},
      {"never above empty ground", {{5, 5, 1}}, Px({9, 5, 2}), Py({9, 5, 2}), {9, 5, 1}},
      {"on the fifth layer",
       {{5, 5, 1}, {5, 5, 2}, {5, 5, 3}, {5, 5, 4}},
       Px({5, 5, 5}),
       Py({5, 5, 5}),
       {5, 5, 5}},
      {"right of the last column: nothing", {}, 690, 100, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    const Design d(c.design);
    EXPECT_EQ(editor::WhatAdd(d.board, c.px, c.py), c.proposed) << c.label;
  }
}

TEST(PlacePosition, TakesTheLowestFreeSlotUnlessATileOfTheLayerOverlaps) {
  struct Case {
    const char* label;
    Position at;
    bool placed;
  } cases[] = {
      {"apart", {9, 5, 1}, true},
      {"half a tile over the top one", {6, 5, 5}, false},
      {"where the top one is", {5, 5, 5}, false},
  };
  for (const Case& c : cases) {
    // A stack of five, and slot 1 free again.
    Design d({{20, 12, 1}, {5, 5, 1}, {5, 5, 2}, {5, 5, 3}, {5, 5, 4}, {5, 5, 5}});
    d.board.TilePos[1] = {};
    d.board.BoardGrid.Set(20, 12, 1, 0);
    d.cells.Set(20, 12, 1, 0);
    EXPECT_EQ(editor::PlacePosition(d.board, d.cells, Px(c.at), Py(c.at)), c.placed) << c.label;
    EXPECT_EQ(d.cells.Positions(), c.placed ? 6 : 5) << c.label;
    if (!c.placed) continue;
    EXPECT_EQ(d.board.TilePos[1], c.at) << c.label;
    EXPECT_EQ(d.board.BoardGrid(c.at), 1) << c.label;
    EXPECT_EQ(d.cells(c.at.x, c.at.y, c.at.z), 1) << c.label;
  }
}

TEST(RemovePosition, ARestingTileStaysAndTheTopOneGoes) {
  // A pyramid of the five layers, and a tile on the first layer that holds a corner of it.
  const std::vector<Position> pyramid{{5, 5, 1}, {5, 5, 2}, {5, 5, 3}, {5, 5, 4}, {6, 6, 5}};
  struct Case {
    const char* label;
    int px, py;
    int removed; // the tile taken, 0 for none
  } cases[] = {
      {"under a tile resting on part of it", 58, 100, 0},
      {"the fifth layer always", Px({6, 6, 5}), Py({6, 6, 5}), 5},
      {"beside every tile", 600, 400, 0},
  };
  for (const Case& c : cases) {
    Design d(pyramid);
    const bool removed = editor::RemovePosition(d.board, d.cells, c.px, c.py);
    EXPECT_EQ(removed, c.removed != 0) << c.label;
    if (!removed) continue;
    EXPECT_EQ(d.board.LastPickA, c.removed) << c.label;
    EXPECT_FALSE(d.board.TilePos[c.removed].OnBoard()) << c.label;
    EXPECT_EQ(d.cells.Positions(), 4) << c.label;
  }
}

TEST(ShiftDesign, MovesEverythingUntilTheDesignTouchesThatEdge) {
  struct Case {
    Shift shift;
    Position start;
    int moves; // how many shifts succeed before the edge stops them
    Position end;
  } cases[] = {
      {Shift::Left, {5, 8, 2}, 4, {1, 8, 2}},
      {Shift::Right, {30, 8, 1}, 4, {34, 8, 1}},
      {Shift::Up, {7, 3, 3}, 2, {7, 1, 3}},
      {Shift::Down, {7, 17, 1}, 3, {7, 20, 1}},
  };
  for (const Case& c : cases) {
    Design d({c.start});
    int moves = 0;
    while (editor::ShiftDesign(d.board, d.cells, c.shift)) ++moves;
    EXPECT_EQ(moves, c.moves);
    EXPECT_EQ(d.board.TilePos[1], c.end);
    EXPECT_EQ(d.board.BoardGrid(c.end), 1);
    EXPECT_EQ(d.cells(c.end.x, c.end.y, c.end.z), 1);
    EXPECT_EQ(d.cells.Positions(), 1);
  }
}

TEST(SaveRefusal, AsksForAMultipleOf4AndTwoFreeTiles) {
  std::vector<Position> row; // tiles side by side: only the two ends are free
  for (int x = 1; x <= 33; x += 2) row.push_back({x, 1, 1});
  for (int x = 1; x <= 33; x += 2) row.push_back({x, 3, 1});
  const std::string unfinished = "You haven't finished building the layout yet ! The \" Tiles "
                                 "left \" indicator must be a multiple of 4...";
  const std::string unplayable = "This layout is not playable ! Please make more free moves...";
  struct Case {
    const char* label;
    std::vector<Position> design;
    std::string refusal;
  } cases[] = {
      {"empty: 0 is a multiple of 4, but nothing is free", {}, unplayable},
      {"34 positions", row, unfinished},
      {"32 positions, 4 free", std::vector<Position>(row.begin(), row.begin() + 32), ""},
      {"4 positions stacked, 1 free", {{5, 5, 1}, {5, 5, 2}, {5, 5, 3}, {5, 5, 4}}, unplayable},
  };
  for (const Case& c : cases) {
    const Design d(c.design);
    EXPECT_EQ(editor::SaveRefusal(d.board, d.cells), c.refusal) << c.label;
  }
  EXPECT_EQ(editor::Needed(142), 2);
  EXPECT_EQ(editor::Needed(144), 0);
  EXPECT_EQ(editor::Needed(1), 3);
}

} // namespace
