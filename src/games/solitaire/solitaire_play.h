#pragma once

#include <cstdint>

#include "engine/game_state.h"
#include "play/game.h"
#include "play/host.h"
#include "play/pair_undo.h"

namespace solitaire {

using engine::GameState;
using play::Host;
using play::MouseButton;

// A mouse button released over the board picture at pixel (X, Y). Picks happen on release; the
// press only changes the cursor.
void ButtonDown(GameState& state, Host& host, MouseButton button, int X, int Y);

// The pick at a pointer position relative to the board origin, with the half-tile column and
// row it falls in (px div 20, py div 25): a free tile is selected, a second free tile of its
// group removes the pair, any other free tile takes over the selection, and a tile that is not
// free is refused with "noway".
void ChoisitPai(GameState& state, Host& host, int px, int py, int col, MouseButton button, int row);

// Picks the two tiles one after the other as two clicks on them would, from no selection, so
// that a matching free pair goes the way a player's does: sliding off, into the history, with
// its sounds.
void PickPair(GameState& state, Host& host, std::uint8_t first, std::uint8_t second);

// Takes the last removed pair back (play::BackPair); two players also get the turn back.
void Back(GameState& state, Host& host);
using play::Restart;

// Marks the next possible move, cycling through them; each hint costs 40 seconds.
void Hint(GameState& state, Host& host);

// The "Shuffle" command: reshuffles the tiles still on the board, with its message; one player
// pays for the moves it finds.
void Shuffle1Click(GameState& state, Host& host);

// Whether a tile may be picked, by the free-tile rule the options choose.
bool IsFree(const GameState& state, int t);

} // namespace solitaire
