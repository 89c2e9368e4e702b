#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <span>

#include "engine/dead_positions.h"
#include "engine/solver_board.h"
#include "platform/clock.h"

namespace engine {

enum class SolveStatus : std::uint8_t {
  InProgress,  // the search stopped at the end of a slice and goes on with the next Run
  Winnable,    // every tile can still be removed: Solution() shows how
  NotWinnable, // every way of playing on was tried and each leaves tiles on the board
  Unknown,     // the budget ran out first
};

// Two tile numbers removed together.
struct TilePair {
  std::uint8_t first = 0, second = 0;
  bool Empty() const { return first == 0; }
  friend bool operator==(const TilePair&, const TilePair&) = default;
};

// What the search may spend on one position; the first limit reached gives up.
struct SolveBudget {
  std::uint64_t nodes = std::numeric_limits<std::uint64_t>::max();
  std::uint32_t milliseconds = 0; // 0: no time limit
};

// The shortcuts of the search, all on by default. Each can be switched off to measure what it
// buys; none changes an answer, only the time it takes.
struct SolverTechniques {
  bool deadTable = true;       // remembers refuted positions, however they were reached
  bool clearFreeGroups = true; // a group whose tiles are all free goes at once, unbranched
  bool blockedGroups = true;   // refutes a position where a pair can never be free together
  bool waitingCycles = true;   // refutes a position where pairs wait on each other in a circle
  bool moveOrdering = true;    // tries first the pairs that free the most tiles, new pairs most
  bool restarts = true;        // starts over now and then, shuffling the order of the pairs
};

// Decides whether a Solitaire board can still be cleared, and how. A board is won when no
// tile is left on it, as the game ends a board only then; a board with a group of an odd
// number of tiles (a layout of an odd number of positions) can therefore never be won.
//
// The search is a depth-first search over the pairs that can be removed, kept on an explicit
// stack so that it can stop after any number of steps and go on later: the window runs it a
// slice at a time between events. A few wrong pairs early in a game can hide a win behind a
// huge lost subtree, so the search starts over now and then with the pairs in another order,
// keeping what it has refuted; the runs between restarts grow without end, so one of them
// finishes. It allocates only when the solver is made. The answer is exact: "not winnable"
// only after every way of playing on was refuted. The same board, rule, budget in nodes and
// techniques always give the same search.
class Solver {
public:
  // 2^18 entries of 24 bytes: 6 MB, enough for the hardest deals a budget of a second
  // allows.
  static constexpr int DefaultTableBits = 18;

  // `clock` times the budget's milliseconds; tableBits sizes the table of refuted positions.
  explicit Solver(platform::Clock& clock, int tableBits = DefaultTableBits);

  // Starts a search from the board as it stands, dropping any search before it.
  void Start(const Board& board, FreeRule rule, SolveBudget budget = {},
             SolverTechniques techniques = {});
  // Searches at most `nodes` more positions; InProgress when it stopped for that.
  SolveStatus Run(std::uint64_t nodes = std::numeric_limits<std::uint64_t>::max());

  SolveStatus Status() const { return status_; }
  // Positions examined since Start.
  std::uint64_t Nodes() const { return nodes_; }
  // For a winnable board, the pairs to remove in order, from the board given to Start.
  std::span<const TilePair> Solution() const;
  // For a winnable board that has since followed the solution for some pairs and nothing
  // else, the next pair of the solution; an empty pair when the board went another way or is
  // cleared.
  TilePair NextPair(const Board& board) const;

private:
  // Each group of four offers at most six pairs; with clearing on, at most three.
  static constexpr int MaxMoves = GroupCount * 6;
  static constexpr int MaxDepth = MaxTiles / 2;
  static constexpr std::uint32_t NodesBetweenClockReads = 1024;
  // The shortest run between restarts; the runs follow the sequence 1 1 2 1 1 2 4 1 1 2 ...
  // times this, so most are short, yet some grow without end and finish the search.
  static constexpr std::uint64_t RestartUnit = 256;

  struct Move {
    std::uint8_t a, b;
  };
  struct Frame {
    TileSet present, free;
    std::uint8_t pathLength = 0; // pairs removed to reach this position, forced ones included
    std::uint8_t moveCount = 0, nextMove = 0;
    std::array<Move, MaxMoves> moves;
  };
  enum class Outcome { Won, Refuted, Open };

  Outcome Expand(Frame& f, TileSet newlyFree, int movedGroup);
  void Remove(Frame& f, const TileSet& tiles, TileSet& newlyFree) const;
  void RemoveClearedGroups(Frame& f, TileSet newlyFree);
  bool HasBlockedGroup(const TileSet& present) const;
  bool HasNewDeadlock(const TileSet& present, int movedGroup) const;
  bool WaitsOnItself(const TileSet& pair, const TileSet& present) const;
  void ListMoves(Frame& f);
  int Score(const Frame& f, Move m) const;
  void Restart();
  SolveStatus Finish(SolveStatus status);
  bool OutOfTime();

  platform::Clock& clock_;
  DeadPositions dead_;
  SolverBoard board_;
  TileSet startTiles_; // by tile number - 1, to recognise the board in NextPair
  SolverTechniques techniques_;
  SolveBudget budget_;
  std::uint32_t startTick_ = 0;
  std::uint64_t nodes_ = 0;
  std::uint32_t restarts_ = 0;
  std::uint64_t restartAt_ = 0;
  std::uint64_t shuffle_ = 0; // the state of the generator that shuffles after a restart
  SolveStatus status_ = SolveStatus::NotWinnable;
  int depth_ = 0;
  std::array<Frame, MaxDepth + 1> frames_;
  std::array<Move, MaxDepth> path_{};
  std::array<TilePair, MaxDepth> solution_{};
  int solutionLength_ = 0;
};

} // namespace engine
