#pragma once

#include <span>
#include <vector>

#include "play/game.h"

namespace play {

// The games the program can play, in the order of their modes; the first is the game of the
// layouts, which the program falls back to.
class GameList {
public:
  void Add(Game& game) { games_.push_back(&game); }
  std::span<Game* const> All() const { return games_; }
  Game& Default() const { return *games_.front(); }
  // The game of a mode, or null for the screens between games (and games not built).
  Game* ForMode(int mode) const;

private:
  std::vector<Game*> games_;
};

} // namespace play
