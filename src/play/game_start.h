#pragma once

#include "engine/game_state.h"
#include "play/host.h"

namespace play {

// The first steps every game on a field of its own takes when it starts: the highlight colour,
// the last Solitaire layout kept for the next Solitaire game, the shared board cleared, the
// per-game counters and the clock reset, the pause captions back to playing. The game then
// stores its own hall-of-fame code and deals.
void BeginOwnFieldGame(engine::GameState& state, Host& host);

} // namespace play
