#include "games/rivers/rivers_play.h"

#include "engine/shuffle.h"
#include "games/rivers/river_path.h"
#include "games/rivers/rivers_count.h"
#include "play/pair_hint.h"

namespace rivers {

using namespace engine;
using play::Host;
using play::Sound;

namespace {

constexpr int ShufflePenaltySeconds = 40;

int Toward(int from, int to) {
  return from == to ? 0 : (to > from ? 1 : -1);
}

// Moves the tile one step: off its cell, which shows what lies beneath again, onto the next.
void StepTile(Board& b, Host& host, int tile, int dx, int dy) {
  Position& at = b.TilePos[tile];
  b.BoardGrid.Set(at, 0);
  host.RedrawTile(tile);
  at.x += dx;
  at.y += dy;
  b.BoardGrid.Set(at, static_cast<std::uint8_t>(tile));
  host.RedrawTile(tile);
  host.Repaint();
}

// The target tile flows back along the river, one tile step per frame, from its own cell to
// the cell beside the start; it never lands on the start itself.
void RunRiver(Board& b, Host& host, const River& river) {
  const int moving = b.FirstPick;
  for (int i = river.count - 1; i >= 1; --i) {
    const Position& to = river.points[i - 1];
    const bool last = i == 1;
    for (;;) {
      const Position& at = b.TilePos[moving];
      const int dx = 2 * Toward(at.x, to.x), dy = 2 * Toward(at.y, to.y);
      if (dx == 0 && dy == 0) break;
      if (last && at.x + dx == to.x && at.y + dy == to.y) break;
      StepTile(b, host, moving, dx, dy);
    }
  }
}

void TakeOff(Board& b, Host& host, int tile) {
  b.BoardGrid.Set(b.TilePos[tile], 0);
  host.RedrawTile(tile);
  b.TilePos[tile] = {};
}

// The history keeps where both tiles lay before the river moved the target: Back puts them
// back there.
void RemovePair(GameState& state, Host& host, const River& river) {
  Board& b = state.board;
  const int target = b.FirstPick, start = b.SecondPick;
  const int removed = b.TileCount - b.TilesLeft;
  b.History.entries[removed] = {static_cast<std::uint8_t>(target), b.TilePos[target]};
  b.History.entries[removed + 1] = {static_cast<std::uint8_t>(start), b.TilePos[start]};
  if (state.options.TileRivers) {
    host.SetPathFound(true);
    RunRiver(b, host, river);
    host.SetPathFound(false);
  }
  b.LastPickA = target;
  b.LastPickB = start;
  b.FirstPick = 0;
  b.SecondPick = 0;
  TakeOff(b, host, target);
  TakeOff(b, host, start);
  b.TilesLeft -= 2;
  b.History.count = removed + 2;
  host.PlayWave(Sound::Done);
  if (state.options.ShowGirls) host.ShowPanelHOF();
}

void PickTile(Board& b, Host& host, std::uint8_t h) {
  if (b.FirstPick == 0) {
    b.FirstPick = h;
    host.PlayWave(Sound::Select);
    host.RedrawTile(h);
    return;
  }
  b.PrevSecondPick = b.SecondPick;
  b.SecondPick = h;
  if (h == b.FirstPick) {
    b.FirstPick = 0;
    b.SecondPick = 0;
    host.PlayWave(Sound::Select);
    host.RedrawTile(h);
    return;
  }
  b.LastPickA = h;
  host.RedrawTile(h);
}

// Both picks are set: the second pick is the start of the search and the first its target.
void SettlePicks(GameState& state, Host& host) {
  Board& b = state.board;
  if (b.FirstPick == 0 || b.SecondPick == 0) return;
  River river;
  if (TileGroup(b.FirstPick) == TileGroup(b.SecondPick) &&
      CanBeReached(b, b.SecondPick, b.FirstPick, &river)) {
    RemovePair(state, host, river);
    return;
  }
  b.LastPickA = b.FirstPick;
  b.FirstPick = b.SecondPick;
  b.SecondPick = 0;
  host.RedrawTile(b.LastPickA);
  host.PlayWave(Sound::Select);
}

} // namespace

void ChoisitPai(GameState& state, Host& host, int X, int Y) {
  Board& b = state.board;
  if (const int h = ClickedTile(b, X, Y); h > 0) PickTile(b, host, static_cast<std::uint8_t>(h));
  b.LastPickA = 0;
  b.LastPickB = 0;
  SettlePicks(state, host);
}

void Hint(GameState& state, Host& host) {
  play::NextHint(state, host, MarkMove);
}

void Shuffle1Click(GameState& state, Host& host) {
  Board& b = state.board;
  if (b.GameFinished) return;
  b.HintA = b.HintB = 0;
  b.FirstPick = b.SecondPick = 0;
  SwapShuffle(state, host, true);
  ShowStatus(state.status, "Tiles shuffled. 40 seconds penalty.");
  state.scoring.PenaltySeconds += ShufflePenaltySeconds;
  // A board still without a move must say so again: the status refresh brings the "no more
  // moves" swing back only when it is not on already.
  if (b.MovesLeft == 0) state.status.StatusBounce = false;
  host.FullRedraw();
}

} // namespace rivers
