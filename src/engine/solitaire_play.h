#pragma once

#include <cstdint>

#include "engine/game_services.h"
#include "engine/game_state.h"

namespace engine {

enum class MouseButton : std::uint8_t { Left, Right, Middle };

// A mouse button released over the board picture at pixel (X, Y). Picks happen on release; the
// press only changes the cursor.
void ButtonDown(GameState& state, GameServices& services, MouseButton button, int X, int Y);

// The pick at a pointer position relative to the board origin, with the half-tile column and
// row it falls in (px div 20, py div 25). Solitaire for one and two players: a free tile is
// selected, a second free tile of its group removes the pair, any other free tile takes over
// the selection, and a tile that is not free is refused with "noway".
void ChoisitPai(GameState& state, GameServices& services, int px, int py, int col,
                MouseButton button, int row);

// Takes the last removed pair back, and stops the "no more moves" swing of the status line.
void Back(GameState& state, GameServices& services);
// One undo step with its redraw, in the games that take moves back.
void GoBack(GameState& state, GameServices& services);
// Puts the last removed pair back on the board from the move history.
void BackHistory(GameState& state);
// Takes every move back and starts the clock and the penalties afresh.
void Restart(GameState& state, GameServices& services);

// Marks the next possible move, cycling through them; each hint costs 40 seconds.
void Hint(GameState& state, GameServices& services);

// The "select" sound, and a redraw of tile t when there is one.
void SonOK(GameServices& services, int t);

// The board's "Redraw" command: drops the marks and draws everything afresh.
void Redraw1Click(GameState& state, GameServices& services);

} // namespace engine
