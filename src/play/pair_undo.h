#pragma once

#include "engine/game_state.h"
#include "play/host.h"

// Undo for the games that remove pairs and keep them in the move history.
namespace play {

// Takes the last removed pair back, and stops the "no more moves" swing of the status line.
void BackPair(engine::GameState& state, Host& host);
// One undo step with its redraw.
void GoBack(engine::GameState& state, Host& host);
// Puts the last removed pair back on the board from the move history.
void BackHistory(engine::GameState& state);
// Takes every move back and starts the clock and the penalties afresh.
void Restart(engine::GameState& state, Host& host);

} // namespace play
