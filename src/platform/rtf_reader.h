#pragma once

#include <cstddef>
#include <string_view>

#include "platform/rich_text.h"

namespace platform {

// Any file a player drops beside the program is read, so everything a document can make the
// reader build is bounded: bytes past MaxRtfBytes are not read, groups nested deeper than
// MaxRtfDepth are left out with all they hold, and reading stops at MaxRtfParagraphs or once
// the text would stand MaxRtfExtent twips tall in a narrow column (some million pixels). A
// paragraph changes format at most MaxRtfRuns times; its further text keeps the last format,
// since laying out a paragraph takes time that grows with the square of its changes.
constexpr std::size_t MaxRtfBytes = 2u << 20;
constexpr int MaxRtfDepth = 100;
constexpr std::size_t MaxRtfParagraphs = 50000;
constexpr std::size_t MaxRtfRuns = 500;
constexpr long long MaxRtfExtent = 14'400'000;

// Reads an RTF document: paragraphs with their alignment, indents, spacing, tab stops and list
// marks; bold, italic, underline, font sizes, fonts and the colours of the colour table; tabs,
// line breaks, \'hh characters in code page 1252 and \uN characters. Whatever it does not know
// (control words, destinations, pictures, fields' instructions) is left out, never shown as
// text. A file that does not open as RTF reads as plain text, one paragraph per line. Never
// fails.
RichText ReadRtf(std::string_view bytes);

} // namespace platform
