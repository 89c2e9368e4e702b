#include "play/status_bar.h"

#include <charconv>

#include "play/clock.h"

namespace play {

ShortText FormatDecimal(int value) {
  ShortText text;
  auto end = std::to_chars(text.chars.data(), text.chars.data() + text.chars.size(), value).ptr;
  text.size = static_cast<std::size_t>(end - text.chars.data());
  return text;
}

void NumberField::Show(int value) {
  if (value_ == value) return;
  value_ = value;
  field_.text.assign(format_(value).view());
  field_.changed = true;
}

void NumberField::Clear() {
  if (!value_) return;
  value_.reset();
  field_.text.clear();
  field_.changed = true;
}

StatusBar::StatusBar() : tiles_(FormatDecimal), movesLeft_(FormatDecimal), time_(FormatTime) {}

void StatusBar::MarkShown() {
  tiles_.MarkShown();
  movesLeft_.MarkShown();
  time_.MarkShown();
  status_.changed = false;
}

void StatusBar::ClearValues() {
  tiles_.Clear();
  movesLeft_.Clear();
  time_.Clear();
}

void StatusBar::ShowStatusText(std::string_view text) {
  if (status_.text == text) return;
  status_.text.assign(text);
  status_.changed = true;
}

} // namespace play
