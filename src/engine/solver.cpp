#include "engine/solver.h"

#include <algorithm>
#include <limits>

namespace engine {

namespace {

// The run lengths between restarts, in units: 1 1 2 1 1 2 4 1 1 2 1 1 2 4 8 ... (i from 1).
std::uint64_t RunLength(std::uint64_t i) {
  for (;;) {
    int k = 1;
    while ((std::uint64_t{1} << k) - 1 < i) ++k;
    if ((std::uint64_t{1} << k) - 1 == i) return std::uint64_t{1} << (k - 1);
    i -= (std::uint64_t{1} << (k - 1)) - 1;
  }
}

} // namespace

Solver::Solver(platform::Clock& clock, int tableBits) : clock_(clock), dead_(tableBits) {}

void Solver::Start(const Board& board, FreeRule rule, SolveBudget budget,
                   SolverTechniques techniques) {
  techniques_ = techniques;
  budget_ = budget;
  startTick_ = clock_.TickCount();
  nodes_ = 0;
  depth_ = 0;
  restarts_ = 0;
  restartAt_ = RestartUnit * RunLength(1);
  solutionLength_ = 0;
  dead_.Clear();
  ReadSolverBoard(board, rule, board_);
  startTiles_ = {};
  for (int i = 0; i < board_.count; ++i) startTiles_.Add(board_.tile[i] - 1);
  status_ = SolveStatus::InProgress;
  Frame& root = frames_[0];
  root.present = board_.all;
  root.free = board_.FreeTiles(root.present);
  root.pathLength = 0;
  if (!board_.playable || (techniques_.blockedGroups && HasBlockedGroup(root.present))) {
    Finish(SolveStatus::NotWinnable);
    return;
  }
  switch (Expand(root, root.free, -1)) {
  case Outcome::Won:
    Finish(SolveStatus::Winnable);
    break;
  case Outcome::Refuted:
    Finish(SolveStatus::NotWinnable);
    break;
  case Outcome::Open:
    break;
  }
}

SolveStatus Solver::Run(std::uint64_t nodes) {
  if (status_ != SolveStatus::InProgress) return status_;
  const std::uint64_t sliceEnd =
      nodes_ + std::min(nodes, std::numeric_limits<std::uint64_t>::max() - nodes_);
  for (;;) {
    Frame& f = frames_[depth_];
    if (f.nextMove == f.moveCount) {
      if (techniques_.deadTable) dead_.Insert(f.present);
      if (depth_ == 0) return Finish(SolveStatus::NotWinnable);
      --depth_;
      continue;
    }
    if (nodes_ >= budget_.nodes) return Finish(SolveStatus::Unknown);
    if (nodes_ % NodesBetweenClockReads == 0 && OutOfTime()) return Finish(SolveStatus::Unknown);
    if (nodes_ >= sliceEnd) return SolveStatus::InProgress;
    if (techniques_.restarts && nodes_ >= restartAt_) {
      Restart();
      continue;
    }

    const Move m = f.moves[f.nextMove++];
    Frame& child = frames_[depth_ + 1];
    child.present = f.present;
    child.free = f.free;
    TileSet pair, newlyFree;
    pair.Add(m.a);
    pair.Add(m.b);
    Remove(child, pair, newlyFree);
    path_[f.pathLength] = m;
    child.pathLength = static_cast<std::uint8_t>(f.pathLength + 1);
    switch (Expand(child, newlyFree, board_.group[m.a])) {
    case Outcome::Won:
      return Finish(SolveStatus::Winnable);
    case Outcome::Refuted:
      break;
    case Outcome::Open:
      ++depth_;
      break;
    }
  }
}

std::span<const TilePair> Solver::Solution() const {
  return {solution_.data(), static_cast<std::size_t>(solutionLength_)};
}

TilePair Solver::NextPair(const Board& board) const {
  if (status_ != SolveStatus::Winnable) return {};
  TileSet now;
  for (int t = 1; t <= MaxTiles; ++t)
    if (StandsOnBoard(board, t)) now.Add(t - 1);
  TileSet expected = startTiles_;
  for (int k = 0; k < solutionLength_; ++k) {
    if (expected == now) return solution_[k];
    expected.Remove(solution_[k].first - 1);
    expected.Remove(solution_[k].second - 1);
  }
  return {};
}

// f.present and f.free describe the position; newlyFree holds the tiles that became free
// since the position before it.
Solver::Outcome Solver::Expand(Frame& f, TileSet newlyFree, int movedGroup) {
  ++nodes_;
  if (techniques_.clearFreeGroups) RemoveClearedGroups(f, newlyFree);
  if (f.present.Empty()) {
    solutionLength_ = f.pathLength;
    return Outcome::Won;
  }
  if (techniques_.deadTable && dead_.Contains(f.present)) return Outcome::Refuted;
  if (HasNewDeadlock(f.present, movedGroup)) return Outcome::Refuted;
  ListMoves(f);
  return f.moveCount == 0 ? Outcome::Refuted : Outcome::Open;
}

// Taking tiles off can free only the tiles they stood beside or on.
void Solver::Remove(Frame& f, const TileSet& tiles, TileSet& newlyFree) const {
  f.present = f.present.Without(tiles);
  f.free = f.free.Without(tiles);
  TileSet touched;
  tiles.ForEach([&](int t) { touched |= board_.blocks[t]; });
  (touched & f.present).Without(f.free).ForEach([&](int i) {
    if (!board_.IsFree(i, f.present)) return;
    f.free.Add(i);
    newlyFree.Add(i);
  });
}

// Removing free tiles never blocks another tile, so when every tile left of a group is free,
// taking them all now loses nothing: any win from here still wins without them. Only a group
// with a newly free tile can have become so.
void Solver::RemoveClearedGroups(Frame& f, TileSet newlyFree) {
  while (!newlyFree.Empty()) {
    const TileSet check = newlyFree;
    newlyFree = {};
    check.ForEach([&](int i) {
      const TileSet left = board_.groupTiles[board_.group[i]] & f.present;
      if (left.Empty() || !left.Without(f.free).Empty()) return;
      int first = -1;
      left.ForEach([&](int t) {
        if (first < 0) {
          first = t;
          return;
        }
        path_[f.pathLength++] = {static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(t)};
        first = -1;
      });
      Remove(f, left, newlyFree);
    });
  }
}

// Four tiles of a group leave as two pairs, and some pairing must let its pairs go one after
// the other. This never changes while all four stay, so the start is the time to look.
bool Solver::HasBlockedGroup(const TileSet& present) const {
  auto possible = [&](int a, int b) {
    const TileSet waits = board_.PairWaits(a, b);
    return !waits.Has(a) && !waits.Has(b);
  };
  // Whether pair (a, b) has a tile that must leave before pair (c, d).
  auto before = [&](int a, int b, int c, int d) {
    const TileSet waits = board_.PairWaits(c, d);
    return waits.Has(a) || waits.Has(b);
  };
  auto pairing = [&](int a, int b, int c, int d) {
    return possible(a, b) && possible(c, d) && !(before(a, b, c, d) && before(c, d, a, b));
  };
  for (const TileSet& group : board_.groupTiles) {
    const TileSet left = group & present;
    int t[4], n = 0;
    left.ForEach([&](int i) {
      if (n < 4) t[n++] = i;
    });
    if (n == 4 && !pairing(t[0], t[1], t[2], t[3]) && !pairing(t[0], t[2], t[1], t[3]) &&
        !pairing(t[0], t[3], t[1], t[2]))
      return true;
  }
  return false;
}

// Only pairs can wait on each other in a circle, and a move fixes at most one new pair: the
// two tiles its group has left. Everything else only loses tiles and so loses waits. At the
// start every pair is new.
bool Solver::HasNewDeadlock(const TileSet& present, int movedGroup) const {
  if (!techniques_.blockedGroups && !techniques_.waitingCycles) return false;
  for (int g = 0; g < GroupCount; ++g) {
    if (movedGroup >= 0 && g != movedGroup) continue;
    const TileSet pair = board_.groupTiles[g] & present;
    if (pair.Count() != 2) continue;
    if (techniques_.waitingCycles ? WaitsOnItself(pair, present)
                                  : board_.PairWaits(pair.First(), pair.Last()).Intersects(pair))
      return true;
  }
  return false;
}

// Whether a pair must wait, through the tiles and pairs that must go before it, on itself.
// A tile of a group of four waits only on what lies above it, as its partner is not known
// yet; a pair waits on all that keeps it from being free together.
bool Solver::WaitsOnItself(const TileSet& pair, const TileSet& present) const {
  TileSet reached = board_.PairWaits(pair.First(), pair.Last()) & present;
  TileSet todo = reached;
  while (!todo.Empty()) {
    if (reached.Intersects(pair)) return true;
    const int u = todo.First();
    todo.Remove(u);
    const TileSet partners = board_.groupTiles[board_.group[u]] & present;
    const TileSet waits = partners.Count() == 2
                              ? board_.PairWaits(partners.First(), partners.Last()) | partners
                              : board_.above[u];
    const TileSet fresh = (waits & present).Without(reached);
    reached |= fresh;
    todo |= fresh;
  }
  return reached.Intersects(pair);
}

void Solver::ListMoves(Frame& f) {
  f.moveCount = f.nextMove = 0;
  std::uint64_t groupsSeen = 0;
  f.free.ForEach([&](int i) {
    const int g = board_.group[i];
    if (groupsSeen >> g & 1) return;
    groupsSeen |= std::uint64_t{1} << g;
    int t[4], n = 0;
    (board_.groupTiles[g] & f.free).ForEach([&](int j) {
      if (n < 4) t[n++] = j;
    });
    for (int p = 0; p < n; ++p)
      for (int q = p + 1; q < n; ++q)
        f.moves[f.moveCount++] = {static_cast<std::uint8_t>(t[p]), static_cast<std::uint8_t>(t[q])};
  });
  if (!techniques_.moveOrdering && restarts_ == 0) return;

  std::array<int, MaxMoves> score;
  for (int k = 0; k < f.moveCount; ++k) {
    score[k] = techniques_.moveOrdering ? Score(f, f.moves[k]) : 0;
    if (restarts_ > 0) {
      // After a restart the order is mostly shuffled: the score only leans on it.
      shuffle_ ^= shuffle_ << 13;
      shuffle_ ^= shuffle_ >> 7;
      shuffle_ ^= shuffle_ << 17;
      score[k] = score[k] * 16 + static_cast<int>(shuffle_ % 512);
    }
  }
  // An insertion sort: the lists are short, it keeps ties in order, and it never allocates.
  for (int k = 1; k < f.moveCount; ++k) {
    const Move m = f.moves[k];
    const int s = score[k];
    int j = k;
    for (; j > 0 && score[j - 1] < s; --j) {
      f.moves[j] = f.moves[j - 1];
      score[j] = score[j - 1];
    }
    f.moves[j] = m;
    score[j] = s;
  }
}

// The tiles a move frees, each worth five when its group has another free tile, a new pair
// to take, and one otherwise.
int Solver::Score(const Frame& f, Move m) const {
  TileSet after = f.present;
  after.Remove(m.a);
  after.Remove(m.b);
  TileSet free = f.free;
  free.Remove(m.a);
  free.Remove(m.b);
  int score = 0;
  ((board_.blocks[m.a] | board_.blocks[m.b]) & after).Without(free).ForEach([&](int i) {
    if (!board_.IsFree(i, after)) return;
    score += board_.groupTiles[board_.group[i]].Intersects(free) ? 5 : 1;
  });
  return score;
}

void Solver::Restart() {
  ++restarts_;
  restartAt_ = nodes_ + RestartUnit * RunLength(restarts_ + 1);
  shuffle_ = 0x9E3779B97F4A7C15ULL * restarts_;
  depth_ = 0;
  ListMoves(frames_[0]);
}

SolveStatus Solver::Finish(SolveStatus status) {
  status_ = status;
  if (status != SolveStatus::Winnable) solutionLength_ = 0;
  for (int k = 0; k < solutionLength_; ++k)
    solution_[k] = {board_.tile[path_[k].a], board_.tile[path_[k].b]};
  return status;
}

bool Solver::OutOfTime() {
  return budget_.milliseconds != 0 && clock_.TickCount() - startTick_ >= budget_.milliseconds;
}

} // namespace engine
