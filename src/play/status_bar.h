#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace play {

// A number's text built on the stack: the clock formats twenty times a second.
struct ShortText {
  std::array<char, 16> chars{};
  std::size_t size = 0;
  std::string_view view() const { return {chars.data(), size}; }
};

ShortText FormatDecimal(int value);

// One value field of the status line; `changed` stays set until the window has painted it.
struct StatusField {
  std::string text;
  bool changed = false;
};

// A field that remembers the number it shows, so its text is built only when the number changes.
class NumberField {
public:
  using Format = ShortText (*)(int);
  explicit NumberField(Format format) : format_(format) {}
  const StatusField& Field() const { return field_; }
  void Show(int value);
  void Clear();
  void MarkShown() { field_.changed = false; }

private:
  Format format_;
  std::optional<int> value_;
  StatusField field_;
};

// What the status line shows beside its captions "Tiles", "Moves left", "Time" and "Status".
// The window repaints only the fields marked changed, then calls MarkShown.
class StatusBar {
public:
  StatusBar();

  const StatusField& Tiles() const { return tiles_.Field(); }
  const StatusField& MovesLeft() const { return movesLeft_.Field(); }
  const StatusField& Time() const { return time_.Field(); }
  const StatusField& Status() const { return status_; }
  void MarkShown();

  void ShowTiles(int count) { tiles_.Show(count); }
  void ShowMovesLeft(int count) { movesLeft_.Show(count); }
  void ShowTime(int seconds) { time_.Show(seconds); }
  void ClearMovesLeft() { movesLeft_.Clear(); }
  void ClearTime() { time_.Clear(); }
  void ClearValues();
  void ShowStatusText(std::string_view text);

private:
  NumberField tiles_, movesLeft_, time_;
  StatusField status_;
};

} // namespace play
