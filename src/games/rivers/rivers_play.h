#pragma once

#include "engine/game_state.h"
#include "play/host.h"

namespace rivers {

// A click released at (X, Y) of the board picture: any tile may be picked, covered ones too; a
// second tile of the first one's group that a path reaches removes the pair, any other tile
// takes over the selection, and the selected tile clicked again is let go.
void ChoisitPai(engine::GameState& state, play::Host& host, int X, int Y);

// Marks the next move of the count, stepping through them all; each hint costs 40 seconds.
void Hint(engine::GameState& state, play::Host& host);

// Shuffles the tiles within their layers until a move exists, for 40 seconds.
void Shuffle1Click(engine::GameState& state, play::Host& host);

} // namespace rivers
