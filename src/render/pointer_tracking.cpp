#include "render/pointer_tracking.h"

#include "engine/free_rule.h"

namespace render {

using engine::GameState;

namespace {

// Screens without a board to point at.
bool IgnoresPointer(int mode) {
  switch (mode) {
  case engine::ModeNone:
  case engine::ModeHashira:
  case engine::ModeGamesPanel:
  case engine::ModePaused:
  case engine::ModeGameOver:
    return true;
  default:
    return false;
  }
}

// Without any highlight only these modes still need the pointer (for the cursor and the
// grids of their own).
bool NeedsPointerWithoutHighlight(int mode) {
  return mode == engine::ModeSolitaire || mode == engine::ModeTwoPlayers ||
         mode == engine::ModeSlider || mode == engine::ModeEditor;
}

bool IsStackedGame(int mode) {
  return mode >= engine::ModeSolitaire && mode <= engine::ModeMemory;
}

bool Eligible(const GameState& state, int t) {
  if (t <= 0) return false;
  const engine::Options& o = state.options;
  if (!o.OnlyPossible || state.board.GameMode == engine::ModeMemory) return true;
  return o.Vertical ? engine::Dispo_Vertical(state.board, t) : engine::Dispo(state.board, t);
}

void ClearHover(engine::PointerState& pointer, engine::GameServices& services) {
  if (pointer.HoverTile == 0) return;
  int old = pointer.HoverTile;
  pointer.HoverTile = 0;
  services.HLRedrawTile(old);
}

} // namespace

void FormMouseMove(GameState& state, engine::GameServices& services, CurrentTileView& panel,
                   CursorShape& cursor, int X, int Y) {
  const int mode = state.board.GameMode;
  const engine::Options& options = state.options;
  if (IgnoresPointer(mode)) return;
  if (options.HighlightMode == 0 && !NeedsPointerWithoutHighlight(mode)) return;
  // Slider, Clicks and the layout editor follow the pointer with grids of their own.
  if (!IsStackedGame(mode)) return;

  engine::PointerState& pointer = state.pointer;
  const int px = X - state.board.BoardLeft, py = Y - state.board.BoardTop;
  pointer.PrevPointedTile = pointer.PointedTile;
  // Integer division truncates toward zero: up to a half-tile left of or above the origin
  // still counts as the first column or row.
  const int col = px / 20, row = py / 25;
  if (col < 0 || col > 34 || row < 0 || row > 20) return;
  const int t = engine::WhatTileThere(state.board, px, py);
  if (options.CoolMouse) {
    if (t == 0)
      cursor = CursorShape::Arrow;
    else if (pointer.PrevPointedTile == 0)
      cursor = CursorShape::Hand;
  }
  if (options.HighlightMode == 0) return;

  // Solitaire alone shows the pointed tile beside the board.
  const bool showsTile = mode == engine::ModeSolitaire && options.ShowTile;
  if (!Eligible(state, t)) {
    if (showsTile) panel.ShowCurrentTile(0);
    ClearHover(pointer, services);
    pointer.PointedTile = 0;
    pointer.PrevPointedTile = 0;
    return;
  }
  pointer.PointedTile = t;
  if (showsTile) panel.ShowCurrentTile(t);
  if (pointer.PrevPointedTile == pointer.PointedTile) return;
  if (pointer.PrevPointedTile != 0) ClearHover(pointer, services);
  pointer.HoverTile = static_cast<std::uint8_t>(t);
  services.HLRedrawTile(t);
}

void HandDown(const engine::Options& options, CursorShape& cursor) {
  if (cursor == CursorShape::Hand && options.AnimateCursor) cursor = CursorShape::PressedHand;
}

void HandUp(CursorShape& cursor) {
  if (cursor == CursorShape::PressedHand) cursor = CursorShape::Hand;
}

} // namespace render
