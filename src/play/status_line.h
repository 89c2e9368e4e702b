#pragma once

#include "engine/game_state.h"
#include "play/status_bar.h"

namespace play {

// One clock tick of the status line. A new message grows in from the left edge one character
// per tick (whole on the next tick without "Cool Status"); with StatusBounce it swings back and
// forth. Positions count characters, so a step never lands inside a UTF-8 sequence.
void AnimateStatusLine(engine::StatusLine& status, bool coolStatus, StatusBar& bar);

// True when the last message is shown whole and nothing swings: ticks would change nothing.
bool StatusLineAtRest(const engine::StatusLine& status);

} // namespace play
