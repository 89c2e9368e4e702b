#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/rich_text.h"
#include "platform/rtf_words.h"

namespace platform::rtf {

// Tables (fonts, colours) hold at most this many entries; an index beyond them is no entry.
constexpr std::size_t MaxTableEntries = 1024;

inline int Clamp(std::int64_t value, int lo, int hi) {
  return static_cast<int>(std::clamp<std::int64_t>(value, lo, hi));
}

// Character formatting as the document states it; fonts and colours by their table numbers,
// which are looked up when text is added, after the tables were read.
struct CharState {
  bool bold = false, italic = false, underline = false;
  int halfPoints = 24;
  int colour = 0;
  int font = -1; // -1: the document's default font
};

// Applies a word that sets the characters' or the paragraph's format, its value bounded so that
// no document can make the view build something absurd. False for every other word, which the
// reader handles itself.
bool ApplyFormat(Word word, bool hasParameter, std::int64_t parameter, CharState& chars,
                 ParagraphFormat& paragraph);

} // namespace platform::rtf
