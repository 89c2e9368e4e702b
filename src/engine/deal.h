#pragma once

#include <array>

#include "engine/game_services.h"
#include "engine/game_state.h"

namespace engine {

// How many times the winnable deal may start its simulation over before it gives up on the
// layout and deals plainly: a layout that can never be emptied must not hang the program.
constexpr int MaxWinnableRestarts = 2000;

// Positions of the undealt (155) cells in scan order: layer, then row, then column, numbered
// from 1. Every other entry stays (0, 0, 0): a drawn index is taken mod 256, so any index drawn
// lands inside the array.
struct PositionList {
  std::array<Position, 256> at{};
  int length = 0;
};
PositionList UndealtPositions(const TileGrid& grid);

// Puts a tile on the board: its cell and its position agree.
void Place(Board& board, int tile, const Position& p);

// The free positions of the list whose tile is not dealt or taken off yet. Cells already taken
// off are not counted, or the search for two free positions could wait for ever on a board
// with only one.
int CountFreeUndealt(const TileGrid& grid, const PositionList& list);

// Draws list entries until one is undealt, free and not `other`; at least one must exist.
Position DrawFreeUndealt(Generator& rng, const TileGrid& grid, const PositionList& list,
                         const Position* other);

// Fills the anchor box from the layout: 155 on positions, 0 elsewhere. Returns the count.
int FillFromLayout(TileGrid& grid, const LayoutGrid& layout);

// Seeds the generator for a deal: the game number of a numbered game, else the clock.
void SeedDeal(GameState& state, GameServices& services);

// The plain deal of tiles 1..TilesLeft onto the 155 cells. Seeds the generator first.
void PlainDeal(GameState& state, GameServices& services);

// What the winnable deal did: the pairs of positions in the order the simulation removed them
// (removing them in this order clears the board), and how often it started over.
struct WinnableDeal {
  std::array<Position, MaxTiles + 2> removals{}; // 1-based, pairs at k and k + 1
  int removalCount = 0;
  int restarts = 0;
  bool plainFallback = false; // gave up after MaxWinnableRestarts and dealt plainly
};

// The winnable deal, built backwards from a simulated solution.
WinnableDeal CreateBoard(GameState& state, GameServices& services);

// Whether the deal shows its tiles arriving: "Animate Board while building the tiles" checked,
// the screen a game (not start-up, the layout editor or the games panel), and no numbered game.
bool AnimatesDeal(const GameState& state);

// The current layout's positions made ready for a deal: the last Solitaire layout when another
// game's code is current, every position undealt, no tile placed, no move made.
void PrepareLayoutBoard(GameState& state);

// Deals the prepared board: the winnable deal with "Winnable Layouts" checked, else plainly.
void DealLayout(GameState& state, GameServices& services);

// The status lines of a new deal: the game number of a numbered game, then "New game started."
// unless a message is still sliding in.
void AnnounceNumberedGame(GameState& state);
void AnnounceNewGame(GameState& state);

} // namespace engine
