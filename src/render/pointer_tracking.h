#pragma once

#include "engine/game_services.h"
#include "engine/game_state.h"

namespace render {

// The pointer shapes the board uses: the arrow, and with "Cool Mouse" a hand over tiles that
// closes while a button is held.
enum class CursorShape { Arrow, Hand, PressedHand };

// The side panel's copy of the pointed tile ("Show Current Tile"); tile 0 wipes the spot.
class CurrentTileView {
public:
  virtual ~CurrentTileView() = default;
  virtual void ShowCurrentTile(int tile) = 0;
};

// How a game on the stacked board follows the pointer.
struct PointerRules {
  bool tracksTiles = false;
  // With the Highlight "None" the hand still follows the tiles.
  bool handWithoutHighlight = false;
  // "Show Current Tile" copies the pointed tile beside the board.
  bool showsCurrentTile = false;
  // What "Only Possible Moves" highlights; null for every tile.
  bool (*playable)(const engine::GameState& state, int tile) = nullptr;
};

// The pointer moved to (X, Y) of the board picture: the tile under it gets the pointer
// highlight (only a playable one with "Only Possible Moves"), and the cursor follows. Redraws
// only the faces whose mark changed.
void FormMouseMove(engine::GameState& state, const PointerRules& rules,
                   engine::GameServices& services, CurrentTileView& panel, CursorShape& cursor,
                   int X, int Y);

// A button went down over the board: the hand closes.
void HandDown(const engine::Options& options, CursorShape& cursor);

// The button came up: a closed hand opens again.
void HandUp(CursorShape& cursor);

} // namespace render
