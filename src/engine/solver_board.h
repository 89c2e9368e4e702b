#pragma once

#include <array>
#include <cstdint>

#include "engine/board.h"
#include "engine/tile_set.h"

namespace engine {

// Which free rule a search plays by: "Vertical Variation" opens the top and bottom sides in
// place of the left and right ones.
enum class FreeRule : std::uint8_t { Normal, Vertical };

constexpr int GroupCount = MaxTiles / 4;

// A position as the search sees it: the tiles on the board numbered 0..count-1 in ascending
// tile number, and for each what stands in its way. Only tiles can ever block: a position
// with anything else on the board is not playable (see `playable`).
struct SolverBoard {
  int count = 0;
  std::array<std::uint8_t, MaxTiles> tile{};  // tile number of each index
  std::array<std::uint8_t, MaxTiles> group{}; // TileGroup of each index
  // The tiles on the two sides the rule looks at (left and right, or top and bottom) and on
  // the cover; a tile is free when its cover is gone and one side is empty.
  std::array<TileSet, MaxTiles> sideA{}, sideB{}, cover{};
  // Every tile that must be gone before this one can be free: its cover, and theirs in turn.
  // A tile on the cover can only go once its own cover has gone, so this holds in every
  // position reached by play.
  std::array<TileSet, MaxTiles> above{};
  // The tiles reached by stepping to side A again and again, and the same for side B. A tile
  // that left while its neighbour on side B stayed was free by its side A, so everything
  // beyond it on that side had gone before it: a tile is free by a side only once all that
  // lies beyond it there has gone, with whatever lies above those.
  std::array<TileSet, MaxTiles> beyondA{}, beyondB{};
  std::array<TileSet, MaxTiles> clearA{}, clearB{}; // beyond, with what lies above
  // The tiles this one stands beside or on: the only ones its leaving can free.
  std::array<TileSet, MaxTiles> blocks{};
  std::array<TileSet, GroupCount> groupTiles{};
  TileSet all;
  // False when the board can never be emptied whatever is played: a group with an odd number
  // of tiles (a layout of an odd number of positions), or a cell that holds no tile that play
  // could take off.
  bool playable = false;

  bool IsFree(int i, const TileSet& present) const {
    return !cover[i].Intersects(present) &&
           (!sideA[i].Intersects(present) || !sideB[i].Intersects(present));
  }
  // What must be gone before tiles i and j can leave together: what lies above them and,
  // when one lies beyond the other, whatever lies beyond each on its far side. It holds i or
  // j when they can never be free together.
  TileSet PairWaits(int i, int j) const {
    TileSet waits = above[i] | above[j];
    if (beyondA[i].Has(j)) waits |= clearB[i] | clearA[j];
    if (beyondB[i].Has(j)) waits |= clearA[i] | clearB[j];
    return waits;
  }
  TileSet FreeTiles(const TileSet& present) const {
    TileSet free;
    present.ForEach([&](int i) {
      if (IsFree(i, present)) free.Add(i);
    });
    return free;
  }
};

// Whether tile t lies on the board where the grid has it, inside the anchor box: the tiles a
// search plays with.
bool StandsOnBoard(const Board& board, int t);

// Reads the tiles of a board into `out` (the caller keeps it: it is large and is read on
// every step of a search).
void ReadSolverBoard(const Board& board, FreeRule rule, SolverBoard& out);

} // namespace engine
