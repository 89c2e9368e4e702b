#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/game_state.h"
#include "engine/solver.h"
#include "play/host.h"

namespace solitaire {

// "Is this board still winnable?" and "Solve". The solver searches in the background of the
// event loop, one short slice per call of Background, so the window never waits for it; a
// demonstration then removes the winning pairs one at a time, picked as a player picks them.
class BoardSolving {
public:
  // About two seconds of searching, five in the background: enough for all but the hardest
  // deals of the layouts we ship. A search beyond it ends in "could not tell", never a guess.
  static constexpr engine::SolveBudget DefaultBudget{.nodes = 5'000'000};

  BoardSolving(engine::GameState& state, play::Host& host,
               engine::SolveBudget budget = DefaultBudget);
  ~BoardSolving();

  // Whether the board as it stands can still be cleared: the answer goes to the status line
  // and costs as much time as a hint.
  void AskWinnable();
  // Looks for the way to clear the board, then shows it pair by pair.
  void Solve();
  bool HasWork() const { return task_ != Task::None; }
  // A slice of the search, or the demonstration's next pair once its time has come.
  void Background();
  // The player acted: a demonstration, or its search, stops. True when one did.
  bool StopDemonstration();
  // A new deal: nothing carries over.
  void Reset();
  // The program removed pairs of this board: clearing it is no player's result.
  bool Demonstrated() const { return demonstrated_; }

private:
  enum class Task : std::uint8_t { None, Answer, Search, Demonstrate };
  // A board that cannot be won is asked about again with every pair taken back, to tell
  // whether Back can lead to a win.
  enum class Stage : std::uint8_t { AsItStands, FromItsStart };

  bool OddLayout();
  void StartSearch(Task task);
  void Finish(engine::SolveStatus status);
  void PlayNextPair();
  void ShowStatus(const char* text);

  engine::GameState& state_;
  play::Host& host_;
  engine::SolveBudget budget_;
  std::unique_ptr<engine::Solver> solver_; // 6 MB: made at the first question
  Task task_ = Task::None;
  Stage stage_ = Stage::AsItStands;
  // The tiles as they lay when the search began (or the last pair went): work on a board that
  // changed meanwhile is dropped.
  std::array<engine::Position, engine::MaxTiles + 1> searched_{};
  std::uint32_t lastPairTick_ = 0;
  bool demonstrated_ = false;
};

} // namespace solitaire
