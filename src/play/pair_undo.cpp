#include "play/pair_undo.h"

namespace play {

using namespace engine;

void BackPair(GameState& state, Host& host) {
  const Board& b = state.board;
  if (b.TilesLeft != 0 && b.TilesLeft != b.TileCount) GoBack(state, host);
  // The swing would go on claiming there is no move while the move just given back exists.
  if (state.status.StatusBounce) {
    state.status.StatusBounce = false;
    ShowStatus(state.status, "   ");
  }
}

void GoBack(GameState& state, Host& host) {
  BackHistory(state);
  host.FullRedraw();
  if (state.options.ShowGirls) host.ShowPanelHOF();
  host.Repaint();
}

void BackHistory(GameState& state) {
  Board& b = state.board;
  if (b.TilesLeft >= b.TileCount) return;
  b.TilesLeft += 2;
  b.FirstPick = 0;
  b.SecondPick = 0;
  b.HintA = 0;
  b.HintB = 0;
  const int removed = b.TileCount - b.TilesLeft;
  for (int i = removed; i <= removed + 1; ++i) {
    const MoveRecord& entry = b.History.entries[i];
    b.TilePos[entry.tile] = entry.pos;
    b.BoardGrid.Set(entry.pos, entry.tile);
  }
  b.History.count = removed;
}

void Restart(GameState& state, Host& host) {
  Board& b = state.board;
  if (b.TilesLeft == 0 || b.TilesLeft == b.TileCount) return;
  // A step that gives nothing back ends the rewind: waiting for the deal would never end then.
  while (b.TilesLeft < b.TileCount) {
    const int before = b.TilesLeft;
    GoBack(state, host);
    if (b.TilesLeft == before) break;
  }
  Scoring& s = state.scoring;
  s.GameScore = 0;
  s.PenaltySeconds = 0;
  s.PausedElapsed = 0;
  s.PausedTurn1 = 0;
  s.PausedTurn2 = 0;
  state.pointer.HoverTile = 0;
  s.GameStartTick = host.clock().TickCount();
  ShowStatus(state.status, "Game restarted.");
}

} // namespace play
