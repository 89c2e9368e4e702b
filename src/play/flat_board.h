#pragma once

#include "engine/game_state.h"
#include "play/host.h"

namespace play {

// A rectangle of tile positions on one layer, one tile apart: columns x = left, left + 2, ...
// and rows y = top, top + 2, ...
struct FlatRectangle {
  int columns = 0, rows = 0;
  int left = 0, top = 0;
  constexpr int Positions() const { return columns * rows; }
};

// One variant of a game played on flat rectangles of tiles: its hall-of-fame code and the
// rectangle that each of its layers fills, from layer 1 up.
struct FlatVariant {
  int code = 0;
  FlatRectangle rectangle;
  int layers = 1;
  constexpr int Tiles() const { return rectangle.Positions() * layers; }
};

// Deals the variant onto an empty board from the generator as it stands, so that a seed always
// gives the same deal: layer after layer, each slot in turn goes to a randomly drawn empty cell
// of the rectangle, its column drawn before its row. Slots number on from layer to layer, so
// the four tiles of a group share a layer.
void DealFlat(engine::Board& board, engine::Generator& rng, const FlatVariant& variant);

// Starts a new game of the variant around its deal: the game variables afresh, the last
// Solitaire layout remembered, the variant's code in LayoutIndex, a deal seeded by the clock, the
// clock started, `started` on the status line, the mode entered and everything drawn.
void StartFlatGame(engine::GameState& state, Host& host, const FlatVariant& variant,
                   engine::Mode mode, const char* started);

} // namespace play
