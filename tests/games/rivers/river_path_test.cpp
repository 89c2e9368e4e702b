#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/random.h"
#include "games/rivers/river_path.h"
#include "games/rivers/rivers_count.h"

namespace {

using engine::Board;
using engine::Position;
using rivers::River;

struct Laid {
  int tile;
  Position at;
};

// A board with the given tiles, and every other cell of `fill` (columns x0, x0+2 .. x1, rows
// y0 .. y1, on layer z) taken by tiles of groups that match nothing laid here.
struct FilledRect {
  int x0 = 0, x1 = -1, y0 = 0, y1 = -1, z = 1;
};
std::unique_ptr<Board> Lay(std::initializer_list<Laid> tiles, FilledRect fill = {},
                           std::initializer_list<Position> holes = {}) {
  auto b = std::make_unique<Board>();
  for (const Laid& l : tiles) {
    b->BoardGrid.Set(l.at, static_cast<std::uint8_t>(l.tile));
    b->TilePos[l.tile] = l.at;
  }
  int filler = 144;
  for (int x = fill.x0; x <= fill.x1; x += 2)
    for (int y = fill.y0; y <= fill.y1; y += 2) {
      const Position p{x, y, fill.z};
      bool hole = b->BoardGrid(p) != 0;
      for (const Position& h : holes) hole = hole || h == p;
      if (hole) continue;
      b->BoardGrid.Set(p, static_cast<std::uint8_t>(filler));
      b->TilePos[filler--] = p;
    }
  b->TileCount = 144;
  return b;
}

constexpr FilledRect EasyRect{4, 30, 5, 15, 1}, HardLayer1{6, 28, 5, 15, 1};

TEST(RiverPath, JoinsByAtMostThreeSegmentsAlongTheFirstPathOfTheSearch) {
  struct Case {
    const char* what;
    std::unique_ptr<Board> board;
    std::vector<Position> path; // empty: refused
  };
  Case cases[] = {
      {"side by side: the first probe",
       Lay({{1, {10, 7, 1}}, {2, {12, 7, 1}}}, EasyRect),
       {{10, 7, 1}, {12, 7, 1}}},
      {"outermost column of the hard rectangle: around the outside",
       Lay({{1, {28, 5, 1}}, {2, {28, 11, 1}}}, HardLayer1),
       {{28, 5, 1}, {30, 5, 1}, {30, 11, 1}, {28, 11, 1}}},
      {"outermost row: up beyond the rectangle and back down",
       Lay({{1, {4, 5, 1}}, {2, {30, 5, 1}}}, EasyRect),
       {{4, 5, 1}, {4, 3, 1}, {30, 3, 1}, {30, 5, 1}}},
      {"three turns needed: refused",
       Lay({{1, {8, 7, 1}}, {2, {14, 11, 1}}}, EasyRect,
           {{10, 7, 1}, {10, 9, 1}, {12, 9, 1}, {14, 9, 1}}),
       {}},
      {"different layers, one above the other's neighbour",
       Lay({{1, {10, 7, 1}}, {2, {12, 7, 2}}}),
       {}},
      {"covered tiles are still joined",
       Lay({{1, {10, 7, 1}}, {2, {12, 7, 1}}}, {10, 12, 7, 7, 2}),
       {{10, 7, 1}, {12, 7, 1}}},
  };
  for (const Case& c : cases) {
    River river;
    const bool joined = rivers::CanBeReached(*c.board, 1, 2, &river);
    ASSERT_EQ(joined, !c.path.empty()) << c.what;
    if (!joined) continue;
    EXPECT_EQ(std::vector<Position>(river.points.begin(), river.points.begin() + river.count),
              c.path)
        << c.what;
  }
}

TEST(RiverPath, CoveredPairsAreNeverMoves) {
  // Layer 2 covers the joined pair 1-2 but not the pair 73-74 of its own layer.
  auto b = Lay({{1, {10, 7, 1}},
                {2, {12, 7, 1}},
                {137, {10, 7, 2}},
                {141, {12, 7, 2}},
                {73, {20, 7, 2}},
                {74, {24, 7, 2}}});
  EXPECT_FALSE(rivers::BothUncovered(*b, 1, 2));
  rivers::CountMoves(*b);
  EXPECT_EQ(b->MovesLeft, 1);
  ASSERT_EQ(b->FreeCount, 2);
  EXPECT_EQ(b->FreeList[1], 73);
  EXPECT_TRUE(rivers::MarkMove(*b, 1));
  EXPECT_EQ(std::pair(b->HintA, b->HintB), std::pair(73, 74));
  EXPECT_FALSE(rivers::MarkMove(*b, 2));
}

// The search as the rules state it, every branch walked in full: the segments right, left, down,
// up, each probe repeated while the last one stayed inside x 2..32 and y 1..19.
class FullWalk {
public:
  FullWalk(const Board& b, Position a, Position target) : b_(b), a_(a), t_(target) {}
  bool Run(std::vector<Position>& path) {
    for (auto [dx, dy] : {std::pair{2, 0}, {-2, 0}, {0, 2}, {0, -2}})
      if (Segment(a_, dx, dy, 1)) {
        path = path_;
        return true;
      }
    return false;
  }

private:
  static bool GoesOn(int x, int y, int dx, int dy) {
    return dx > 0 ? x < 32 : dx < 0 ? x > 2 : dy > 0 ? y < 18 : y > 2;
  }
  bool Segment(Position from, int dx, int dy, int depth) {
    Position p = from;
    do {
      p.x += dx;
      p.y += dy;
      if (b_.BoardGrid(p) != 0) {
        if (p.x != t_.x || p.y != t_.y) return false;
        path_ = corners_;
        path_.insert(path_.begin(), a_);
        path_.push_back(t_);
        return true;
      }
      if (depth < 3) {
        corners_.push_back(p);
        for (int sign : {1, -1})
          if (Segment(p, dy * sign, dx * sign, depth + 1)) return true;
        corners_.pop_back();
      }
    } while (GoesOn(p.x, p.y, dx, dy));
    return false;
  }
  const Board& b_;
  Position a_, t_;
  std::vector<Position> corners_, path_;
};

TEST(RiverPath, FindsWhatTheFullWalkFindsFirst) {
  engine::Generator rng{20240607};
  for (int round = 0; round < 200; ++round) {
    Board b;
    const int density = rng.Random(100);
    int tile = 0;
    const int left = round % 2 == 0 ? 4 : 6; // the easy rectangle, then the hard one
    for (int x = left; x <= 34 - left; x += 2)
      for (int y = 5; y <= 15; y += 2)
        if (rng.Random(100) < density) {
          b.BoardGrid.Set(x, y, 1, static_cast<std::uint8_t>(++tile));
          b.TilePos[tile] = {x, y, 1};
        }
    for (int pair = 0; pair < 10 && tile >= 2; ++pair) {
      const int s = rng.Random(tile) + 1, t = rng.Random(tile) + 1;
      if (s == t) continue;
      std::vector<Position> expected, got;
      const bool found = FullWalk(b, b.TilePos[s], b.TilePos[t]).Run(expected);
      River river;
      ASSERT_EQ(rivers::CanBeReached(b, s, t, &river), found) << round << " " << s << " " << t;
      got.assign(river.points.begin(), river.points.begin() + river.count);
      if (found) {
        EXPECT_EQ(got, expected) << round << " " << s << " " << t;
      }
    }
  }
}

} // namespace
