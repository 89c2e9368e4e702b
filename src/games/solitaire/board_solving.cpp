#include "games/solitaire/board_solving.h"

#include "games/solitaire/solitaire_play.h"
#include "play/pair_hint.h"

namespace solitaire {

namespace {

using engine::SolveStatus;

// One call of Background searches for less than a display frame...
constexpr std::uint64_t SliceNodes = 2000;
constexpr std::uint32_t CallMilliseconds = 8;
// ... and at most this many slices, should the clock not move meanwhile.
constexpr int MostSlicesPerCall = 16;
// Time for the eye to follow one pair before the next goes.
constexpr std::uint32_t PairIntervalMs = 600;

constexpr const char* Searching = "Looking for a way to clear this board...";
constexpr const char* CanStillBeWon = "This board can still be won.";
constexpr const char* BackLeadsToAWin =
    "This board cannot be won any more: Back takes you to the last winnable position.";
constexpr const char* NotFromItsStart =
    "This board cannot be won, not even from its start: try Shuffle or a new game.";
// The board cannot be won, but whether an earlier position could was not found out in time.
constexpr const char* CannotBeWonAnyMore = "This board cannot be won any more.";
constexpr const char* OddPositions =
    "This board can never be won: its layout has an odd number of tiles.";
constexpr const char* NoAnswer =
    "Pelmar could not tell in time whether this board can still be won.";
constexpr const char* Watch = "Watch how this board is cleared: click to stop.";
constexpr const char* Stopped = "Demonstration stopped.";

engine::FreeRule RuleOf(const engine::Options& options) {
  return options.Vertical ? engine::FreeRule::Vertical : engine::FreeRule::Normal;
}

// The board as Back would leave it after taking every pair back.
engine::Board WithEveryPairBack(const engine::Board& now) {
  engine::Board start = now;
  for (int i = 0; i < now.TileCount - now.TilesLeft; ++i) {
    const engine::MoveRecord& entry = now.History.entries[i];
    start.TilePos[entry.tile] = entry.pos;
    start.BoardGrid.Set(entry.pos, entry.tile);
  }
  start.TilesLeft = start.TileCount;
  return start;
}

} // namespace

BoardSolving::BoardSolving(engine::GameState& state, play::Host& host, engine::SolveBudget budget)
    : state_(state), host_(host), budget_(budget) {}

BoardSolving::~BoardSolving() = default;

void BoardSolving::AskWinnable() {
  if (!OddLayout()) StartSearch(Task::Answer);
}

void BoardSolving::Solve() {
  if (!OddLayout()) StartSearch(Task::Search);
}

// A layout of an odd number of positions leaves a tile whatever is played: no search needed.
bool BoardSolving::OddLayout() {
  if (state_.board.TileCount % 2 == 0) return false;
  task_ = Task::None;
  ShowStatus(OddPositions);
  return true;
}

void BoardSolving::StartSearch(Task task) {
  const engine::Board& b = state_.board;
  if (b.TilesLeft == 0 || b.GameFinished) return;
  if (!solver_) solver_ = std::make_unique<engine::Solver>(host_.clock());
  task_ = task;
  stage_ = Stage::AsItStands;
  searched_ = b.TilePos;
  solver_->Start(b, RuleOf(state_.options), budget_);
  ShowStatus(Searching);
}

void BoardSolving::Background() {
  if (task_ == Task::None) return;
  // The player played on meanwhile: the question was about another board.
  if (state_.board.TilePos != searched_) {
    task_ = Task::None;
    ShowStatus("   ");
    return;
  }
  if (task_ == Task::Demonstrate) return PlayNextPair();
  platform::Clock& clock = host_.clock();
  const std::uint32_t start = clock.TickCount();
  SolveStatus status = SolveStatus::InProgress;
  for (int slice = 0; slice < MostSlicesPerCall && status == SolveStatus::InProgress &&
                      clock.TickCount() - start < CallMilliseconds;
       ++slice)
    status = solver_->Run(SliceNodes);
  if (status != SolveStatus::InProgress) Finish(status);
}

void BoardSolving::Finish(SolveStatus status) {
  const engine::Board& b = state_.board;
  if (task_ == Task::Search && status == SolveStatus::Winnable) {
    task_ = Task::Demonstrate;
    lastPairTick_ = host_.clock().TickCount();
    return ShowStatus(Watch);
  }
  const bool pairsToTakeBack = b.TilesLeft < b.TileCount;
  if (status == SolveStatus::NotWinnable && stage_ == Stage::AsItStands && pairsToTakeBack) {
    stage_ = Stage::FromItsStart;
    solver_->Start(WithEveryPairBack(b), RuleOf(state_.options), budget_);
    return;
  }
  const bool answered = stage_ == Stage::FromItsStart || status != SolveStatus::Unknown;
  if (task_ == Task::Answer && answered) state_.scoring.PenaltySeconds += play::HintPenaltySeconds;
  task_ = Task::None;
  switch (status) {
  case SolveStatus::Winnable:
    return ShowStatus(stage_ == Stage::AsItStands ? CanStillBeWon : BackLeadsToAWin);
  case SolveStatus::NotWinnable:
    return ShowStatus(NotFromItsStart);
  default:
    return ShowStatus(stage_ == Stage::AsItStands ? NoAnswer : CannotBeWonAnyMore);
  }
}

void BoardSolving::PlayNextPair() {
  if (host_.clock().TickCount() - lastPairTick_ < PairIntervalMs) return;
  const engine::TilePair pair = solver_->NextPair(state_.board);
  if (pair.Empty()) {
    task_ = Task::None;
    return;
  }
  demonstrated_ = true;
  const int before = state_.board.TilesLeft;
  // The result window follows the last pair: nothing is left to watch.
  if (before == 2) ShowStatus("   ");
  PickPair(state_, host_, pair.first, pair.second);
  // The last pair has ended the game; a pair refused would be refused again at every call.
  if (state_.board.TilesLeft == 0 || state_.board.TilesLeft == before) {
    task_ = Task::None;
    return;
  }
  searched_ = state_.board.TilePos;
  lastPairTick_ = host_.clock().TickCount();
}

bool BoardSolving::StopDemonstration() {
  if (task_ != Task::Search && task_ != Task::Demonstrate) return false;
  task_ = Task::None;
  ShowStatus(Stopped);
  return true;
}

void BoardSolving::Reset() {
  task_ = Task::None;
  demonstrated_ = false;
}

void BoardSolving::ShowStatus(const char* text) {
  engine::ShowStatus(state_.status, text);
}

} // namespace solitaire
