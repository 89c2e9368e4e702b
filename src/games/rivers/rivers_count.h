#pragma once

#include "engine/game_state.h"

namespace rivers {

// A move: two uncovered tiles of one group that a path joins.
bool Joinable(const engine::Board& board, int a, int b);

// Recounts MovesLeft (every joinable pair within each group of four slots) and FreeList (the
// tiles of those pairs, in slot order).
void CountMoves(engine::Board& board);

// Puts move n of the count (1-based, in the count's order) into HintA and HintB; false when
// there are fewer moves.
bool MarkMove(engine::Board& board, int n);

// A tile that is part of a move by the last count: "Only Possible Moves" highlights it.
bool Playable(const engine::GameState& state, int tile);

} // namespace rivers
