#include "play/flat_board.h"

namespace play {

using namespace engine;

namespace {

// Empties the board of the last game, whatever it dealt: slots beyond this deal keep no
// position that could point into the new board.
void ClearBoard(Board& b, int tiles) {
  b.BoardGrid.Clear();
  b.TilePos.fill({});
  b.History.count = 0;
  b.TilesLeft = tiles;
  b.TileCount = tiles;
}

} // namespace

void DealFlat(Board& board, Generator& rng, const FlatVariant& variant) {
  ClearBoard(board, variant.Tiles());
  const FlatRectangle& r = variant.rectangle;
  int slot = 0;
  for (int z = 1; z <= variant.layers; ++z)
    for (int dealt = 0; dealt < r.Positions(); ++dealt) {
      Position p{0, 0, z};
      DrawLimit limit("the flat deal");
      do {
        limit.Count();
        p.x = 2 * rng.Random(r.columns) + r.left;
        p.y = 2 * rng.Random(r.rows) + r.top;
      } while (board.BoardGrid(p) != 0);
      ++slot;
      board.BoardGrid.Set(p, static_cast<std::uint8_t>(slot));
      board.TilePos[slot] = p;
    }
}

void StartFlatGame(GameState& state, Host& host, const FlatVariant& variant, Mode mode,
                   const char* started) {
  host.RefreshHighlightColour();
  InitVar(state);
  LayoutState& layouts = state.layouts;
  // Solitaire comes back to the layout it was played on.
  if (layouts.LayoutIndex > 0 && layouts.LayoutIndex < FirstGameCode)
    state.LastBoard = layouts.LayoutIndex;
  layouts.LayoutIndex = variant.code;
  state.rng.Randomize(host.clock());
  DealFlat(state.board, state.rng, variant);
  if (state.board.GameMode == ModePaused) host.ResetPauseCaptions();
  state.scoring.GameStartTick = host.clock().TickCount();
  ShowStatus(state.status, started);
  host.IM(mode);
  host.FullRedraw();
  host.ShowPanelHOF();
}

} // namespace play
