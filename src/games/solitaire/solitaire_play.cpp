#include "games/solitaire/solitaire_play.h"

#include <utility>

#include "engine/free_rule.h"
#include "engine/shuffle.h"
#include "games/solitaire/two_players.h"
#include "play/pair_hint.h"

namespace solitaire {

using namespace engine;
using play::Sound;

namespace {

// Removed tiles slide along the top layer to the nearer edge column: from x 1..16 to the left,
// from 17..33 to the right.
constexpr int LeftEdge = 0, RightEdge = GridWidth, LastLeftColumn = 16;

// A click on tile h, which lies under the pointer.
void PickTile(GameState& state, Host& host, std::uint8_t h) {
  Board& b = state.board;
  const bool pickable = IsFree(state, h);
  if (b.FirstPick == 0) {
    if (!pickable) {
      host.PlayWave(Sound::NoWay);
      host.FlashRefusal(h);
      return;
    }
    b.FirstPick = h;
    host.PlayWave(Sound::Select);
    host.RedrawTile(h);
    return;
  }
  // A refused click must leave the picks exactly as they were.
  b.PrevSecondPick = b.SecondPick;
  if (!pickable) {
    host.PlayWave(Sound::NoWay);
    host.FlashRefusal(h);
    return;
  }
  if (h == b.FirstPick) {
    b.FirstPick = 0;
    b.SecondPick = 0;
    host.PlayWave(Sound::Select);
    host.RedrawTile(h);
    return;
  }
  b.SecondPick = h;
  b.LastPickA = h;
  host.RedrawTile(h);
}

// A removed tile on its way to the edge, and the top-layer tile it lies over meanwhile.
struct SlidingTile {
  std::uint8_t tile = 0;
  std::uint8_t hidden = 0;
};

int NextColumn(int x) {
  if (x == LeftEdge || x == RightEdge) return x;
  return x <= LastLeftColumn ? x - 1 : x + 1;
}

// A tile that its partner landed on is off the board and rides along under it: it has arrived.
bool AtEdge(const Board& b, const SlidingTile& s) {
  const int x = b.TilePos[s.tile].x;
  return x == LeftEdge || x == RightEdge;
}

// Gives the tile's cell back to whatever it covers there, and the tile's area shows it again.
void Uncover(Board& b, Host& host, const SlidingTile& s) {
  const Position& at = b.TilePos[s.tile];
  b.BoardGrid.Set(at, s.hidden);
  if (s.hidden != 0) b.TilePos[s.hidden] = at;
  host.RedrawTile(s.tile);
}

void SlideOneColumn(Board& b, Host& host, SlidingTile& self, SlidingTile& partner) {
  Position& at = b.TilePos[self.tile];
  if (!at.OnBoard()) return;
  Uncover(b, host, self);
  const Position next{NextColumn(at.x), at.y, GridLayers};
  const std::uint8_t below = b.BoardGrid(next);
  if (below == partner.tile) {
    // The partner goes under this tile for good, and with it what the partner was covering:
    // hiding the partner itself would put it back on the board when this tile moves on.
    self.hidden = partner.hidden;
    partner.hidden = 0;
  } else {
    self.hidden = below;
  }
  if (below != 0) b.TilePos[below] = {};
  b.BoardGrid.Set(next, self.tile);
  at = next;
  host.RedrawTile(self.tile);
}

// Both tiles move one column per frame, drawn above everything, until both reach an edge.
void SlideOff(Board& b, Host& host, SlidingTile& first, SlidingTile& second) {
  do {
    SlideOneColumn(b, host, first, second);
    SlideOneColumn(b, host, second, first);
    host.Repaint();
  } while (!AtEdge(b, first) || !AtEdge(b, second));
}

// The tile leaves the board; a top-layer tile it stopped on at the edge gets its cell back.
void TakeOff(Board& b, Host& host, const SlidingTile& s) {
  if (b.TilePos[s.tile].OnBoard()) Uncover(b, host, s);
  b.TilePos[s.tile] = {};
}

void RemovePair(GameState& state, Host& host) {
  Board& b = state.board;
  SlidingTile first{b.FirstPick}, second{b.SecondPick};
  const int removed = b.TileCount - b.TilesLeft;
  b.History.entries[removed] = {first.tile, b.TilePos[first.tile]};
  b.History.entries[removed + 1] = {second.tile, b.TilePos[second.tile]};
  b.LastPickA = first.tile;
  b.LastPickB = second.tile;
  b.FirstPick = 0;
  b.SecondPick = 0;
  if (state.options.AnimateTiles) SlideOff(b, host, first, second);
  TakeOff(b, host, first);
  TakeOff(b, host, second);
  b.TilesLeft -= 2;
  b.History.count = removed + 2;
  host.PlayWave(Sound::Done);
  if (b.GameMode == ModeTwoPlayers) EndTurn(state, host.clock().TickCount());
  if (state.options.ShowGirls) host.ShowPanelHOF();
}

// Both picks are set: a matching pair goes, otherwise the tile clicked last stays selected.
void SettlePicks(GameState& state, Host& host) {
  Board& b = state.board;
  if (b.FirstPick == 0 || b.SecondPick == 0) return;
  if (TileGroup(b.FirstPick) == TileGroup(b.SecondPick)) {
    RemovePair(state, host);
    return;
  }
  b.LastPickA = b.FirstPick;
  b.FirstPick = b.SecondPick;
  b.SecondPick = 0;
  host.RedrawTile(b.LastPickA);
  host.FlashRefusal(b.LastPickA); // not a pair: the tile let go shows it
  host.PlayWave(Sound::Select);
}

// Move n of the count: the n-th pair of neighbours in FreeList that share a group.
bool MarkMove(Board& b, int n) {
  for (int k = 1; k < b.FreeCount; ++k) {
    if (TileGroup(b.FreeList[k]) != TileGroup(b.FreeList[k + 1]) || --n > 0) continue;
    b.HintA = b.FreeList[k];
    b.HintB = b.FreeList[k + 1];
    return true;
  }
  return false;
}

} // namespace

bool IsFree(const GameState& state, int t) {
  return state.options.Vertical ? Dispo_Vertical(state.board, t) : Dispo(state.board, t);
}

void ButtonDown(GameState& state, Host& host, MouseButton button, int X, int Y) {
  const Board& b = state.board;
  const int px = X - b.BoardLeft, py = Y - b.BoardTop;
  ChoisitPai(state, host, px, py, px / ColumnWidth, button, py / RowHeight);
}

void ChoisitPai(GameState& state, Host& host, int px, int py, int col, MouseButton /*button*/,
                int row) {
  Board& b = state.board;
  const int h = WhatTileThere(b, px, py);
  if (InsideBoard(col, row) && h > 0) PickTile(state, host, static_cast<std::uint8_t>(h));
  b.LastPickA = 0;
  b.LastPickB = 0;
  SettlePicks(state, host);
}

void PickPair(GameState& state, Host& host, std::uint8_t first, std::uint8_t second) {
  Board& b = state.board;
  // The tile selected before would pair with the first pick instead.
  if (const std::uint8_t selected = std::exchange(b.FirstPick, 0)) host.RedrawTile(selected);
  b.SecondPick = 0;
  for (const std::uint8_t tile : {first, second}) {
    PickTile(state, host, tile);
    b.LastPickA = 0;
    b.LastPickB = 0;
    SettlePicks(state, host);
  }
}

void Back(GameState& state, Host& host) {
  const Board& b = state.board;
  // Two players: the turn goes back to whoever removed the pair, with his clock as it stood.
  if (b.GameMode == ModeTwoPlayers && b.TilesLeft != 0 && b.TilesLeft < b.TileCount)
    TakeBackTurn(state, host.clock().TickCount());
  play::BackPair(state, host);
}

void Hint(GameState& state, Host& host) {
  play::NextHint(state, host, MarkMove);
}

void Shuffle1Click(GameState& state, Host& host) {
  Board& b = state.board;
  if (b.GameFinished) return;
  b.HintA = b.HintB = 0;
  b.FirstPick = b.SecondPick = 0;
  if (state.options.Shuffable)
    ShuffleBoard(state, host);
  else
    SwapShuffle(state, host, false);
  host.CountMoves();
  if (b.MovesLeft >= 2)
    ShowStatus(state.status,
               "Tiles shuffled. " + std::to_string(b.MovesLeft) + " new moves found.");
  else if (b.MovesLeft == 1)
    ShowStatus(state.status, "Tiles shuffled. 1 new move found.");
  else
    ShowStatus(state.status, "No moves found. Try to press Back a few times.");
  // Two players share the board and the cost, so the shuffle costs neither of them.
  if (b.GameMode == ModeSolitaire) state.scoring.PenaltySeconds += 10 * b.MovesLeft;
  host.FullRedraw();
}

} // namespace solitaire
