#pragma once

#include "engine/game_state.h"
#include "play/host.h"

namespace memory {

// Clock ticks a turned-up pair stays on show: half a second.
constexpr int RevealTicks = 10;
// What turning up two tiles that do not match costs.
constexpr int MismatchPenaltySeconds = 2;

// A click released at (X, Y) of the board picture turns the tile there face up; the second
// one starts the countdown that shows the pair. The face-up tile clicked again stays as it is.
void TurnTile(engine::GameState& state, play::Host& host, int X, int Y);

// One clock tick of the countdown; when it runs out, a matching pair leaves the board and any
// other pair turns face down again for two seconds of penalty.
void CountDownReveal(engine::GameState& state, play::Host& host);

} // namespace memory
