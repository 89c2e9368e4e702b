#pragma once

#include "engine/game_state.h"
#include "play/host.h"

// The hint of the games that remove pairs: each Hint marks the next move of the count.
namespace play {

inline constexpr int HintPenaltySeconds = 40;

// Marks move n of the count (from 1) in HintA and HintB; false when the count's n-th move
// cannot be found.
using MoveMarker = bool (*)(engine::Board& board, int n);

// Counts the moves afresh and marks the one after the last hinted, at HintPenaltySeconds.
void NextHint(engine::GameState& state, Host& host, MoveMarker markMove);

} // namespace play
