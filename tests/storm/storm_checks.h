#pragma once

#include <string>

#include "app/pelmar.h"
#include "shell/commands.h"
#include "support/field_game_invariants.h"

namespace storm {

// The invariants the storm checks after every event: those of the stacked board while a game
// on it is current, and each game's own. A game joins by adding its checks to After.
class Checks {
public:
  // Remembers what an event's checks compare with.
  void Before(TPelmar& pelmar);
  // The event may deal anew or make several moves (a command, input during a frame): the
  // checks that follow one move at a time start afresh.
  void SeveralChanges() { several_ = true; }
  void ClickGiven(TPelmar& pelmar);
  // What broke, or empty.
  std::string After(TPelmar& pelmar, const std::string& event);

private:
  std::string StackedBoard(const engine::Board& board) const;

  engine::Board before_;
  int beforeMode_ = 0;
  bool several_ = false;
  // A click arrived while a pair lay face up: it must have changed nothing.
  bool clickDuringReveal_ = false;
  std::uint8_t picksBefore_[2] = {};
  // The game the board and the pause belong to: the last one played.
  int lastGame_ = 0;
  testing_support::SliderWatch slider_;
};

} // namespace storm
