#include "render/pointer_tracking.h"

namespace render {

using engine::GameState;

namespace {

bool Eligible(const GameState& state, const PointerRules& rules, int t) {
  if (t <= 0) return false;
  return !state.options.OnlyPossible || !rules.playable || rules.playable(state, t);
}

void ClearHover(engine::PointerState& pointer, engine::GameServices& services) {
  if (pointer.HoverTile == 0) return;
  int old = pointer.HoverTile;
  pointer.HoverTile = 0;
  services.HLRedrawTile(old);
}

} // namespace

void FormMouseMove(GameState& state, const PointerRules& rules, engine::GameServices& services,
                   CurrentTileView& panel, CursorShape& cursor, int X, int Y) {
  const engine::Options& options = state.options;
  if (!rules.tracksTiles) return;
  if (options.HighlightMode == 0 && !rules.handWithoutHighlight) return;

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

  const bool showsTile = rules.showsCurrentTile && options.ShowTile;
  if (!Eligible(state, rules, t)) {
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
