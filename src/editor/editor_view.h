#pragma once

#include <string>
#include <vector>

#include "engine/board.h"
#include "platform/bitmap.h"
#include "platform/window_port.h"

namespace editor {

// What the layout editor asks of the window around the board: its own menu bar and information
// strip while it runs, the strip's values and name box, and the cursor tile. The application
// implements it.
class EditorView {
public:
  virtual ~EditorView() = default;

  // The editor's menu bar and `strip` in place of the main menu bar and the toolbar; "Save" is
  // usable only on a layout that has a file of its own.
  virtual void ShowEditorParts(const std::vector<platform::InfoField>& strip, bool canSave) = 0;
  // The main menu bar back, the toolbar as the player's option has it, and no strip.
  virtual void HideEditorParts() = 0;
  virtual void SetStripValue(int field, const std::string& value) = 0;
  // What the player typed in the strip's text box.
  virtual std::string StripText(int field) = 0;
  // The keys go to the board again, not to the strip's text box.
  virtual void FocusBoard() = 0;

  // The cell drawn as the cursor tile, zero-based (render::NoEditorCursor for none); only the
  // next redraw of its area shows it.
  virtual void SetCursorCell(const engine::Position& cell) = 0;
  // Redraws the board inside a refresh rectangle (render::WholeBoard for all of it).
  virtual void RedrawArea(platform::Rect area) = 0;
};

} // namespace editor
