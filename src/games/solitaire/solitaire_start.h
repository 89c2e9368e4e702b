#pragma once

#include "engine/game_state.h"
#include "play/host.h"

namespace solitaire {

// Whether the current layout can be dealt; when it cannot (no layout could be read), the player
// is told so and no game starts: an empty board would be "won" at once.
bool LayoutCanBeDealt(const engine::GameState& state, play::Host& host);

// Starts a one-player Solitaire game on the current layout.
void BeginGame(engine::GameState& state, play::Host& host);

void RandomSolitaireGame1Click(engine::GameState& state, play::Host& host);
void NewSpecificGame1Click(engine::GameState& state, play::Host& host);

// The "Vertical Variation" menu command: it changes the free-tile rule, so a game in progress
// must start again.
void VerticalClick(engine::GameState& state, play::Host& host);

} // namespace solitaire
