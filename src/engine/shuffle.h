#pragma once

#include "engine/game_services.h"
#include "engine/game_state.h"

namespace engine {

// The most passes the swap shuffle makes looking for a board with a move.
constexpr int MaxSwapPasses = 101;
// The most passes the winnable shuffle's simulation may take before it leaves the board as is.
constexpr int MaxShufflePasses = 200;

// The "Shuffle" command: reshuffles the tiles still on the board, with its message and penalty.
void Shuffle1Click(GameState& state, GameServices& services);

// The winnable shuffle: rebuilds the remaining tiles so that they can all be removed. Leaves
// the board exactly as it was when it cannot. Returns whether it changed the board.
bool ShuffleBoard(GameState& state, GameServices& services);

} // namespace engine
