#include "editor/editor_game.h"

#include <algorithm>

#include "engine/free_rule.h"
#include "engine/layout_entries.h"
#include "engine/layout_loading.h"
#include "render/board_renderer.h"

namespace editor {

namespace {

// The information strip: three counters and the layout's name.
enum StripField { TilesField, FreeTilesField, NeededField, NameField };
const std::vector<platform::InfoField> Strip{
    {"Tiles", "You can have up to 144 tiles, or a multiple of 4"},
    {"Free Tiles", "You must have at least 2 free tiles to save the layout"},
    {"Needed", "Number of tiles you need to add before you can save the layout"},
    {"Layout Name", "", 50},
};

// The name goes on a line of its own in the file: a line break typed or pasted into the box
// would break the file.
std::string LayoutNameOf(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

const play::Traits Drawing{
    .mode = engine::ModeEditor,
    .faces = render::TileFaces::AllBlank,
    .isGame = false,
};

} // namespace

EditorGame::EditorGame(engine::GameState& state, play::Host& host, EditorView& view)
    : Game(Drawing), state_(state), host_(host), view_(view) {}

void EditorGame::Start(int variant) {
  engine::LayoutState& l = state_.layouts;
  before_ = {l.LayoutCells, l.LayoutName, l.LayoutPath, l.LayoutIndex, l.CheckedEntry};
  host_.IM(engine::ModeEditor);
  EditorCursorRect_ = render::WholeBoard;
  canSave_ = variant != Create;
  if (!canSave_) {
    l.LayoutCells = {};
    l.LayoutName = "New Layout";
  }
  TilesToPlace_ = engine::MaxTiles - l.LayoutCells.Positions();
  view_.ShowEditorParts(Strip, canSave_);
  view_.SetStripValue(NameField, l.LayoutName);
  engine::ShowStatus(state_.status, " ");
  // The layout's deal puts a tile on every position: from then on a position is a tile.
  state_.options.RandomSeed1 = false;
  host_.BeginGame();
  view_.SetCursorCell(render::NoEditorCursor);
  host_.FullRedraw(); // every tile alike, now that the editor's board is shown
  ShowCounters();
}

void EditorGame::Release(play::MouseButton button, int X, int Y) {
  engine::Board& b = state_.board;
  const int px = X - b.BoardLeft, py = Y - b.BoardTop;
  if (!engine::InsideBoard(px / engine::ColumnWidth, py / engine::RowHeight)) return;
  engine::LayoutGrid& cells = state_.layouts.LayoutCells;
  int change = 0;
  if (button == play::MouseButton::Left && TilesToPlace_ > 0 && PlacePosition(b, cells, px, py))
    change = -1;
  else if (button == play::MouseButton::Right && TilesToPlace_ < engine::MaxTiles &&
           RemovePosition(b, cells, px, py))
    change = 1;
  if (change == 0) return;
  host_.FullRedraw();
  TilesToPlace_ += change;
  ShowCounters();
}

// The cursor shows where a left click would place a tile. It is forgotten at every move and
// drawn again only where it changes place, so a redraw after a placement shows none until the
// pointer reaches another position.
void EditorGame::PointerMove(int X, int Y) {
  const engine::Board& b = state_.board;
  const int px = X - b.BoardLeft, py = Y - b.BoardTop;
  if (!engine::InsideBoard(px / engine::ColumnWidth, py / engine::RowHeight)) return;
  view_.SetCursorCell(render::NoEditorCursor);
  const engine::Position p = WhatAdd(b, px, py);
  if (p.z == 0) return;
  const int left = engine::CoordX(b, p.x, p.z) - 6, top = engine::CoordY(b, p.y, p.z);
  if (left == EditorCursorRect_.left && top == EditorCursorRect_.top) return;
  view_.RedrawArea(EditorCursorRect_);
  view_.SetCursorCell({p.x - 1, p.y - 1, p.z - 1});
  EditorCursorRect_ = {left, top, left + 46, top + 56};
  view_.RedrawArea(EditorCursorRect_);
}

void EditorGame::SaveandexitClick(SaveKind kind) {
  // A new layout has no file of its own: "Save" would write over the layout of before.
  if (kind == SaveKind::Save && !canSave_) return;
  engine::LayoutState& l = state_.layouts;
  if (const std::string refusal = SaveRefusal(state_.board, l.LayoutCells); !refusal.empty()) {
    host_.ui().ShowMessage(refusal);
    view_.FocusBoard();
    return;
  }
  l.LayoutName = LayoutNameOf(view_.StripText(NameField));
  if (kind == SaveKind::SaveAs) l.LayoutPath.clear();
  if (kind == SaveKind::TryIt) l.LayoutPath = "Temporary";
  // A file that could not be written keeps the design on the board: nothing is lost.
  if (!engine::SaveLayout(state_, host_)) return;
  Leave();
  host_.BeginGame();
}

void EditorGame::Cancel2Click() {
  Leave();
  engine::LayoutState& l = state_.layouts;
  l.LayoutCells = before_.cells;
  l.LayoutName = before_.name;
  l.LayoutPath = before_.path;
  l.LayoutIndex = before_.index;
  l.CheckedEntry = before_.checked;
  // No game runs while the file is read: a message about it must not let a clock tick judge
  // the editor's board.
  host_.IM(engine::ModeNone);
  const int entry =
      l.LayoutIndex >= 1 && l.LayoutIndex <= l.LayoutCount() ? l.LayoutIndex : l.CheckedEntry;
  const engine::LayoutSource source =
      entry > 0 ? engine::SourceOfEntry(l, entry) : engine::LayoutSource{l.LayoutPath, {}};
  // A file gone meanwhile: the layout as it was before the editor started is played instead.
  if (source.path.empty() || !engine::LoadLayoutAs(state_, host_, entry, source)) host_.BeginGame();
}

void EditorGame::MoveBoard(Shift shift) {
  if (!ShiftDesign(state_.board, state_.layouts.LayoutCells, shift)) return;
  host_.FullRedraw();
  host_.Repaint();
}

void EditorGame::ShowCounters() {
  const int placed = engine::MaxTiles - TilesToPlace_;
  view_.SetStripValue(TilesField, std::to_string(placed));
  view_.SetStripValue(FreeTilesField, std::to_string(engine::FreeTiles(state_.board.BoardGrid)));
  view_.SetStripValue(NeededField, std::to_string(Needed(placed)));
}

void EditorGame::Leave() {
  view_.SetCursorCell(render::NoEditorCursor);
  view_.HideEditorParts();
}

} // namespace editor
