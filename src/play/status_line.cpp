#include "play/status_line.h"

#include <algorithm>
#include <string_view>

namespace play {
namespace {

bool StartsCharacter(std::string_view text, std::size_t i) {
  return i == 0 || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
}

// The text from its `position`th character (1-based) to the end.
std::string_view CharactersFrom(std::string_view text, int position) {
  int seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (StartsCharacter(text, i) && ++seen >= position) return text.substr(i);
  return {};
}

// A shown message is replaced by a single blank, and the line keeps showing it. Its length 0
// tells this blank apart from a blank line asked for by ShowStatus(" "), which must be shown.
bool IsRetired(const engine::StatusLine& s) {
  return s.StatusMessage == " " && s.StatusLength == 0;
}

void Retire(engine::StatusLine& s) {
  s.StatusMessage.assign(1, ' ');
  s.StatusLength = 0;
}

} // namespace

bool StatusLineAtRest(const engine::StatusLine& s) {
  return !s.StatusBounce && s.StatusScrollPos <= 1 && IsRetired(s);
}

void AnimateStatusLine(engine::StatusLine& s, bool coolStatus, StatusBar& bar) {
  if (s.StatusBounce) {
    s.StatusScrollPos += s.StatusDirection;
    if (s.StatusScrollPos <= 0 || s.StatusScrollPos >= s.StatusLength) {
      s.StatusDirection = -s.StatusDirection;
      s.StatusScrollPos += s.StatusDirection;
    }
    s.StatusScrollPos = std::max(s.StatusScrollPos, 1);
    bar.ShowStatusText(CharactersFrom(s.StatusMessage, s.StatusScrollPos));
  } else if (s.StatusScrollPos > 1) {
    s.StatusScrollPos = coolStatus ? s.StatusScrollPos - 1 : 1;
    bar.ShowStatusText(CharactersFrom(s.StatusMessage, s.StatusScrollPos));
  } else if (!IsRetired(s)) {
    // Normally already shown by the last step; a message of one character (or none) never
    // slides, so this is where it appears.
    bar.ShowStatusText(s.StatusMessage);
    Retire(s);
  }
}

} // namespace play
