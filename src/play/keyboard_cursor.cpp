#include "play/keyboard_cursor.h"

#include <algorithm>

namespace play {

KeyboardCursor::KeyboardCursor(int firstColumn, int lastColumn, int firstRow, int lastRow)
    : firstColumn_(firstColumn), lastColumn_(lastColumn), firstRow_(firstRow), lastRow_(lastRow) {
  Reset();
}

KeyboardCursor::Action KeyboardCursor::Press(platform::Key key) {
  using platform::Key;
  if (key == Key::Other) return Action::None;
  if (!shown_) {
    shown_ = true;
    return Action::Redraw;
  }
  switch (key) {
  case Key::Left:
    column_ = std::max(column_ - 1, firstColumn_);
    break;
  case Key::Right:
    column_ = std::min(column_ + 1, lastColumn_);
    break;
  case Key::Up:
    row_ = std::max(row_ - 1, firstRow_);
    break;
  case Key::Down:
    row_ = std::min(row_ + 1, lastRow_);
    break;
  default:
    return Action::Click;
  }
  return Action::Redraw;
}

bool KeyboardCursor::Hide() {
  const bool wasShown = shown_;
  shown_ = false;
  return wasShown;
}

void KeyboardCursor::Reset() {
  shown_ = false;
  column_ = (firstColumn_ + lastColumn_) / 2;
  row_ = (firstRow_ + lastRow_) / 2;
}

} // namespace play
