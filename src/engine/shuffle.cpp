#include "engine/shuffle.h"

#include <array>

#include "engine/deal.h"
#include "engine/free_rule.h"

namespace engine {

namespace {

bool OnTile(const TileGrid& grid, int x, int y, int z) {
  return grid(x, y, z) != 0;
}

} // namespace

void SwapShuffle(GameState& state, GameServices& services, bool withinLayers) {
  Board& b = state.board;
  for (int pass = 1; pass <= MaxSwapPasses; ++pass) {
    for (int z = 1; z <= GridLayers; ++z)
      for (int x = 1; x <= GridWidth; ++x)
        for (int y = 1; y <= GridHeight; ++y) {
          int c = b.BoardGrid(x, y, z);
          if (c == 0) continue;
          Position other;
          DrawLimit limit("the swap shuffle");
          do {
            limit.Count();
            other.x = state.rng.Random(GridWidth) + 1;
            other.y = state.rng.Random(GridHeight) + 1;
            other.z = withinLayers ? z : state.rng.Random(GridLayers) + 1;
          } while (!OnTile(b.BoardGrid, other.x, other.y, other.z));
          int f = b.BoardGrid(other);
          std::swap(b.TilePos[c], b.TilePos[f]);
          b.BoardGrid.Set(other, static_cast<std::uint8_t>(c));
          b.BoardGrid.Set(x, y, z, static_cast<std::uint8_t>(f));
        }
    services.CountMoves();
    if (b.MovesLeft > 0) return;
  }
}

bool ShuffleBoard(GameState& state, GameServices& services) {
  Board& b = state.board;
  int mode = b.GameMode;
  bool animate = state.options.Animate && !state.options.RandomSeed1;
  if (animate) {
    services.ShowEmptyBoard();
    services.Repaint();
  }

  const int count = b.TileCount < MaxTiles ? b.TileCount : MaxTiles;
  std::array<Position, MaxTiles + 1> saved = b.TilePos;
  for (int t = 1; t <= count; ++t) b.TilePos[t] = {};

  TileGrid template_;
  for (int z = 1; z <= GridLayers; ++z)
    for (int y = 1; y <= GridHeight; ++y)
      for (int x = 1; x <= GridWidth; ++x)
        template_.Set(x, y, z, b.BoardGrid(x, y, z) != 0 ? Undealt : 0);
  b.BoardGrid = template_;
  const PositionList list = UndealtPositions(b.BoardGrid);

  auto putBack = [&] {
    b.BoardGrid.Clear();
    for (int t = 1; t <= count; ++t) {
      b.TilePos[t] = saved[t];
      if (saved[t].OnBoard()) b.BoardGrid.Set(saved[t], static_cast<std::uint8_t>(t));
    }
  };

  b.FreeCount = CountFreeUndealt(b.BoardGrid, list);
  if (b.FreeCount <= 1) {
    putBack();
    return false;
  }

  std::array<std::uint8_t, MaxTiles + 1> remaining{};
  int r = 0;
  for (int t = 1; t <= count; ++t)
    if (saved[t].OnBoard()) remaining[++r] = static_cast<std::uint8_t>(t);

  state.rng.Randomize(services.clock());
  std::array<Position, MaxTiles + 2> stack{};
  int j = 0, k = 1;
  do {
    ++j;
    b.FreeCount = CountFreeUndealt(b.BoardGrid, list);
    if (b.FreeCount < 2) {
      b.BoardGrid = template_;
      k = 1;
      continue;
    }
    Position p = DrawFreeUndealt(state.rng, b.BoardGrid, list, nullptr);
    Position q = DrawFreeUndealt(state.rng, b.BoardGrid, list, &p);
    stack[k] = p;
    stack[k + 1] = q;
    b.BoardGrid.Set(p, 0);
    b.BoardGrid.Set(q, 0);
    k += 2;
  } while (r >= k && j <= MaxShufflePasses);

  if (j > MaxShufflePasses) {
    putBack();
    return false;
  }

  b.BoardGrid.Clear();
  for (int t = 1; t <= count; ++t) b.TilePos[t] = {};
  k -= 2;
  // The remaining tiles pair up as (1st, 2nd), (3rd, 4th)...: every group keeps an even number
  // of tiles on the board, so each such pair belongs to one group.
  DrawLimit limit("the winnable shuffle's pairs");
  while (k > 0) {
    limit.Count();
    int e = state.rng.Random(r - 1) + 1;
    int a = remaining[e];
    int c = remaining[e % 2 == 1 ? e + 1 : e - 1];
    if (b.TilePos[a].OnBoard() || b.TilePos[c].OnBoard()) continue;
    Place(b, a, stack[k]);
    Place(b, c, stack[k + 1]);
    if (state.options.Animate && mode != ModeNone && mode != ModeEditor && mode != ModeGamesPanel) {
      services.FullRedraw();
      services.Repaint();
    }
    k -= 2;
  }
  return true;
}

} // namespace engine
