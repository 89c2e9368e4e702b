#pragma once

#include <cstdint>
#include <string_view>

#include "engine/game_state.h"
#include "play/host.h"

namespace solitaire {

using engine::GameState;
using engine::Scoring;

// Starts a two-player Solitaire game on the current layout: the same deal as one player would
// get (a numbered game deals the same board), PLAYER 1 on turn, both clocks at zero.
void TwoPlayers(GameState& state, play::Host& host);

// A pair was removed: the player on turn adds his turn to his total and the other one starts.
void EndTurn(GameState& state, std::uint32_t now);

// Back in a two-player game takes back the last pair and gives the turn to the player who
// removed it, with his clock as it stood then, so neither player gains or loses time by it.
void TakeBackTurn(GameState& state, std::uint32_t now);

// Who won a cleared board: the smaller total time.
std::string_view Verdict(const Scoring& scoring);

} // namespace solitaire
