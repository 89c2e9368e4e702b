#pragma once

#include "engine/game_state.h"

namespace engine {

// The normal rule: one side (left or right) open and nothing on top.
bool Dispo(const Board& board, int t);
// The "Vertical Variation": the top or bottom side open instead of left or right.
bool Dispo_Vertical(const Board& board, int t);
// The normal rule on a bare position, occupied or not; false when any coordinate is 0.
bool IsPositionFree(const TileGrid& grid, int x, int y, int z);
inline bool IsPositionFree(const TileGrid& grid, const Position& p) {
  return IsPositionFree(grid, p.x, p.y, p.z);
}
// The occupied anchor cells that are free by the normal rule.
int FreeTiles(const TileGrid& grid);
// Recounts FreeCount, FreeList and MovesLeft by the free-tile rule of Solitaire.
void IsItFree(GameState& state);

} // namespace engine
