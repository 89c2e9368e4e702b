#include "games/rivers/river_path.h"

#include <initializer_list>

namespace rivers {

using engine::Position;

namespace {

constexpr int Step = 2;

struct Direction {
  int dx, dy;
};
constexpr Direction Right{Step, 0}, Left{-Step, 0}, Down{0, Step}, Up{0, -Step};
constexpr std::array<Direction, 4> FirstSegments{Right, Left, Down, Up};
constexpr std::array<Direction, 2> Verticals{Down, Up}, Horizontals{Right, Left};

bool InBounds(int x, int y) {
  return x >= PathLeft && x <= PathRight && y >= PathTop && y <= PathBottom;
}

// Walks the segments in the order the rules give, but only along the branches that can still
// end on the target: a second segment must head for the target's row (or column) and a third
// one lies on it, heading for the target. The branches left out never find the target, so the
// first path met is the one the full walk would meet.
class Search {
public:
  Search(const engine::TileGrid& grid, const Position& start, const Position& target)
      : grid_(grid), a_(start), b_(target) {}

  bool Run(River* river) {
    for (const Direction& d : FirstSegments)
      if (FirstSegment(d)) {
        if (river) *river = found_;
        return true;
      }
    return false;
  }

private:
  bool Empty(int x, int y) const { return grid_(x, y, a_.z) == 0; }
  bool IsTarget(int x, int y) const { return x == b_.x && y == b_.y; }
  void Found(std::initializer_list<Position> points) {
    found_.count = 0;
    for (const Position& p : points) found_.points[found_.count++] = p;
  }

  bool FirstSegment(const Direction& d) {
    const bool horizontal = d.dy == 0;
    for (int x = a_.x + d.dx, y = a_.y + d.dy; InBounds(x, y); x += d.dx, y += d.dy) {
      if (!Empty(x, y)) {
        if (!IsTarget(x, y)) return false;
        Found({a_, b_});
        return true;
      }
      const Position turn{x, y, a_.z};
      for (const Direction& d2 : horizontal ? Verticals : Horizontals)
        if (SecondSegment(turn, d2)) return true;
    }
    return false;
  }

  // From the first turn toward the target's row (or column), and no further: beyond it no
  // third segment can meet the target.
  bool SecondSegment(const Position& turn, const Direction& d) {
    const int distance = d.dy != 0 ? (b_.y - turn.y) * d.dy : (b_.x - turn.x) * d.dx;
    if (distance <= 0) return false;
    for (int x = turn.x + d.dx, y = turn.y + d.dy;; x += d.dx, y += d.dy) {
      if (!Empty(x, y)) {
        if (!IsTarget(x, y)) return false;
        Found({a_, turn, b_});
        return true;
      }
      if (d.dy != 0 ? y == b_.y : x == b_.x) return ThirdSegment(turn, {x, y, a_.z});
    }
  }

  // Along the target's row (or column) straight to the target: the first tile met decides.
  bool ThirdSegment(const Position& first, const Position& second) {
    const int dx = second.x == b_.x ? 0 : (b_.x > second.x ? Step : -Step);
    const int dy = second.y == b_.y ? 0 : (b_.y > second.y ? Step : -Step);
    int x = second.x + dx, y = second.y + dy;
    while (Empty(x, y)) {
      x += dx;
      y += dy;
    }
    if (!IsTarget(x, y)) return false;
    Found({a_, first, second, b_});
    return true;
  }

  const engine::TileGrid& grid_;
  const Position a_, b_;
  River found_;
};

} // namespace

bool CanBeReached(const engine::Board& board, int start, int target, River* river) {
  const Position& a = board.TilePos[start];
  const Position& b = board.TilePos[target];
  if (!a.OnBoard() || !b.OnBoard() || a.z != b.z) return false;
  return Search(board.BoardGrid, a, b).Run(river);
}

bool BothUncovered(const engine::Board& board, int a, int b) {
  const Position& p = board.TilePos[a];
  const Position& q = board.TilePos[b];
  return board.BoardGrid(p.x, p.y, p.z + 1) == 0 && board.BoardGrid(q.x, q.y, q.z + 1) == 0;
}

} // namespace rivers
