#pragma once

#include "engine/game_services.h"
#include "engine/game_state.h"

namespace engine {

// The most passes the swap shuffle makes looking for a board with a move.
constexpr int MaxSwapPasses = 101;
// The most passes the winnable shuffle's simulation may take before it leaves the board as is.
constexpr int MaxShufflePasses = 200;

// Swaps every tile with a randomly drawn one, pass after pass, until the count finds a move or
// MaxSwapPasses passes are done. With `withinLayers` a tile only trades places in its own layer.
void SwapShuffle(GameState& state, GameServices& services, bool withinLayers);

// The winnable shuffle: rebuilds the remaining tiles so that they can all be removed. Leaves
// the board exactly as it was when it cannot. Returns whether it changed the board.
bool ShuffleBoard(GameState& state, GameServices& services);

} // namespace engine
