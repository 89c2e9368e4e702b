#pragma once

#include "engine/game_state.h"
#include "play/host.h"

namespace solitaire {

// Starts a one-player Solitaire game on the current layout.
void BeginGame(engine::GameState& state, play::Host& host);

void RandomSolitaireGame1Click(engine::GameState& state, play::Host& host);
void NewSpecificGame1Click(engine::GameState& state, play::Host& host);

// The "Vertical Variation" menu command: it changes the free-tile rule, so a game in progress
// must start again.
void VerticalClick(engine::GameState& state, play::Host& host);

} // namespace solitaire
