#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/window_port.h"

namespace play {

// A cell cursor for playing a field of cells by keys: the arrows move it, Enter or Space click
// the cell under it. It stays hidden until a key is pressed, and the pointer hides it again, so
// a player who uses the mouse never sees it.
class KeyboardCursor {
public:
  KeyboardCursor(int firstColumn, int lastColumn, int firstRow, int lastRow);

  enum class Action : std::uint8_t { None, Redraw, Click };
  // The first key only shows the cursor where it stands: a click on a cell the player has not
  // seen would surprise.
  Action Press(platform::Key key);
  // Hidden again, standing where it stood; true when it was shown (the field needs a redraw).
  bool Hide();
  // A new game: hidden, in the middle of the field.
  void Reset();

  bool Shown() const { return shown_; }
  int Column() const { return column_; }
  int Row() const { return row_; }

private:
  int firstColumn_, lastColumn_, firstRow_, lastRow_;
  int column_ = 0, row_ = 0;
  bool shown_ = false;
};

// The cursor's frame: bright on every background and every tile kind.
constexpr std::uint32_t KeyboardCursorColour = platform::Rgb(255, 224, 0);
constexpr int KeyboardCursorPen = 3;

} // namespace play
