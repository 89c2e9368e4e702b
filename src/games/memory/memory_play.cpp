#include "games/memory/memory_play.h"

namespace memory {

using namespace engine;
using play::Sound;

namespace {

void TakeOff(Board& b, play::Host& host, int tile) {
  b.BoardGrid.Set(b.TilePos[tile], 0);
  host.RedrawTile(tile);
  b.TilePos[tile] = {};
}

void ResolvePair(GameState& state, play::Host& host) {
  Board& b = state.board;
  if (state.options.ShowGirls) host.ShowPanelHOF();
  const int first = b.FirstPick, second = b.SecondPick;
  b.FirstPick = 0;
  b.SecondPick = 0;
  if (TileGroup(first) != TileGroup(second)) {
    host.FullRedraw();
    state.scoring.PenaltySeconds += MismatchPenaltySeconds;
    return;
  }
  const int removed = b.TileCount - b.TilesLeft;
  b.History.entries[removed] = {static_cast<std::uint8_t>(first), b.TilePos[first]};
  b.History.entries[removed + 1] = {static_cast<std::uint8_t>(second), b.TilePos[second]};
  b.History.count = removed + 2;
  b.LastPickA = first;
  b.LastPickB = second;
  TakeOff(b, host, first);
  TakeOff(b, host, second);
  b.TilesLeft -= 2;
  host.PlayWave(Sound::Done);
}

} // namespace

void TurnTile(GameState& state, play::Host& host, int X, int Y) {
  Board& b = state.board;
  const int h = ClickedTile(b, X, Y);
  if (h == 0) return;
  const auto tile = static_cast<std::uint8_t>(h);
  if (b.FirstPick == 0) {
    b.FirstPick = tile;
    host.PlayWave(Sound::Select);
    host.RedrawTile(tile);
    return;
  }
  b.PrevSecondPick = b.SecondPick;
  b.SecondPick = tile;
  if (tile == b.FirstPick) return;
  host.PlayWave(Sound::Select);
  host.RedrawTile(tile);
  state.RevealCountdown = RevealTicks;
  b.LastPickA = tile;
}

void CountDownReveal(GameState& state, play::Host& host) {
  if (state.RevealCountdown <= 0) return;
  if (--state.RevealCountdown == 0) ResolvePair(state, host);
}

} // namespace memory
