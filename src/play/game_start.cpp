#include "play/game_start.h"

namespace play {

void BeginOwnFieldGame(engine::GameState& state, Host& host) {
  host.RefreshHighlightColour();
  const int layout = state.layouts.LayoutIndex;
  if (layout > 0 && layout < engine::FirstGameCode) state.LastBoard = layout;
  state.board.BoardGrid.Clear();
  engine::InitVar(state);
  state.scoring.PausedElapsed = 0;
  state.scoring.GameStartTick = host.clock().TickCount();
  host.ResetPauseCaptions();
}

} // namespace play
