#include "engine/deal.h"

#include "engine/free_rule.h"

namespace engine {

namespace {

void ClearTilePositions(Board& board) {
  for (Position& p : board.TilePos) p = {};
}

void DealPlainlyFromCurrentSeed(GameState& state, GameServices& services) {
  Board& b = state.board;
  bool animate = state.options.Animate && b.GameMode != ModeEditor && !state.options.RandomSeed1;
  for (int t = 1; t <= b.TilesLeft; ++t) {
    Position p;
    DrawLimit limit("the plain deal");
    do {
      limit.Count();
      p.x = state.rng.Random(GridWidth) + 1;
      p.y = state.rng.Random(GridHeight) + 1;
      p.z = state.rng.Random(GridLayers) + 1;
    } while (b.BoardGrid(p) != Undealt);
    Place(b, t, p);
    if (animate) {
      services.RedrawTile(t);
      services.Repaint();
    }
  }
}

} // namespace

void Place(Board& board, int tile, const Position& p) {
  board.BoardGrid.Set(p, static_cast<std::uint8_t>(tile));
  board.TilePos[tile] = p;
}

int CountFreeUndealt(const TileGrid& grid, const PositionList& list) {
  int n = 0;
  for (int i = 1; i <= list.length; ++i)
    if (grid(list.at[i]) == Undealt && IsPositionFree(grid, list.at[i])) ++n;
  return n;
}

Position DrawFreeUndealt(Generator& rng, const TileGrid& grid, const PositionList& list,
                         const Position* other) {
  for (DrawLimit limit("the draw of a free position");;) {
    limit.Count();
    const Position& p = list.at[(rng.Random(list.length) + 1) % 256];
    if (grid(p) == Undealt && IsPositionFree(grid, p) && (other == nullptr || !(p == *other)))
      return p;
  }
}

PositionList UndealtPositions(const TileGrid& grid) {
  PositionList list;
  for (int z = 1; z <= GridLayers; ++z)
    for (int y = 1; y <= GridHeight; ++y)
      for (int x = 1; x <= GridWidth; ++x)
        if (grid(x, y, z) == Undealt && list.length < MaxTiles) list.at[++list.length] = {x, y, z};
  return list;
}

int FillFromLayout(TileGrid& grid, const LayoutGrid& layout) {
  int count = 0;
  for (int z = 1; z <= GridLayers; ++z)
    for (int y = 1; y <= GridHeight; ++y)
      for (int x = 1; x <= GridWidth; ++x) {
        // The readers refuse larger layouts; the cap keeps tile numbers within the tables
        // whatever else fills the layout.
        bool position = layout(x, y, z) != 0 && count < MaxTiles;
        grid.Set(x, y, z, position ? Undealt : 0);
        count += position;
      }
  return count;
}

void SeedDeal(GameState& state, GameServices& services) {
  if (state.options.RandomSeed1 && state.board.GameNumber > 0)
    state.rng.RandSeed = static_cast<std::uint32_t>(state.board.GameNumber);
  else
    state.rng.Randomize(services.clock());
}

void PlainDeal(GameState& state, GameServices& services) {
  SeedDeal(state, services);
  DealPlainlyFromCurrentSeed(state, services);
}

WinnableDeal CreateBoard(GameState& state, GameServices& services) {
  Board& b = state.board;
  WinnableDeal deal;
  bool animate = AnimatesDeal(state);
  if (animate) {
    services.ShowEmptyBoard();
    services.Repaint();
  }
  ClearTilePositions(b);

  int n = FillFromLayout(b.BoardGrid, state.layouts.LayoutCells);
  const PositionList list = UndealtPositions(b.BoardGrid);
  b.TilesLeft = b.TileCount = n;
  int k = 1;
  SeedDeal(state, services);

  // Take free pairs off the full layout until it is empty; starting over when stuck.
  while (n >= k) {
    b.FreeCount = CountFreeUndealt(b.BoardGrid, list);
    if (b.FreeCount <= 1) {
      if (++deal.restarts > MaxWinnableRestarts) {
        FillFromLayout(b.BoardGrid, state.layouts.LayoutCells);
        deal.plainFallback = true;
        DealPlainlyFromCurrentSeed(state, services);
        return deal;
      }
      FillFromLayout(b.BoardGrid, state.layouts.LayoutCells);
      k = 1;
      continue;
    }
    Position p = DrawFreeUndealt(state.rng, b.BoardGrid, list, nullptr);
    Position q = DrawFreeUndealt(state.rng, b.BoardGrid, list, &p);
    deal.removals[k] = p;
    deal.removals[k + 1] = q;
    b.BoardGrid.Set(p, 0);
    b.BoardGrid.Set(q, 0);
    k += 2;
  }
  deal.removalCount = k - 1;

  // Give every removed pair two tiles of one group, last pair first.
  k -= 2;
  DrawLimit limit("the winnable deal's pairs");
  while (k >= 1) {
    limit.Count();
    int a = state.rng.Random(n) + 1;
    int c = state.rng.Random(n) + 1;
    if (TileGroup(a) != TileGroup(c) || a == c || b.TilePos[a].OnBoard() || b.TilePos[c].OnBoard())
      continue;
    Place(b, a, deal.removals[k]);
    Place(b, c, deal.removals[k + 1]);
    if (animate) {
      services.FullRedraw();
      services.Repaint();
    }
    k -= 2;
  }
  return deal;
}

// Animations of the deal are skipped for numbered games and outside play, where nobody watches.
bool AnimatesDeal(const GameState& state) {
  int mode = state.board.GameMode;
  return state.options.Animate && mode != ModeNone && mode != ModeEditor &&
         mode != ModeGamesPanel && !state.options.RandomSeed1;
}

void PrepareLayoutBoard(GameState& state) {
  Board& b = state.board;
  LayoutState& layouts = state.layouts;
  if (layouts.LayoutIndex >= FirstGameCode)
    layouts.LayoutIndex = layouts.CheckedEntry > 0 ? layouts.CheckedEntry : state.LastBoard;
  b.TilesLeft = b.TileCount = FillFromLayout(b.BoardGrid, layouts.LayoutCells);
  // All positions are cleared, not only those of this deal: a tile the new layout does not
  // use must not keep a position from the last board.
  ClearTilePositions(b);
  b.History.count = 0;
}

void DealLayout(GameState& state, GameServices& services) {
  if (state.options.Winnable)
    CreateBoard(state, services);
  else
    PlainDeal(state, services);
}

void AnnounceNumberedGame(GameState& state) {
  const Board& b = state.board;
  if (b.GameNumber > 0 && state.options.RandomSeed1)
    ShowStatus(state.status,
               "Specific Board started. Random Seed #" + std::to_string(b.GameNumber));
}

void AnnounceNewGame(GameState& state) {
  if (state.status.StatusScrollPos < 2 || state.status.StatusMessage == NoMoreMoves)
    ShowStatus(state.status, "New game started.");
}

} // namespace engine
