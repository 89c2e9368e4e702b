#pragma once

#include <cstdint>
#include <string>

#include "platform/rich_text.h"
#include "platform/rtf_reader.h"

// The characters of a page of text as the RTF reader and its plain-text fallback collect them.
namespace platform::rtf {

constexpr char32_t Replacement = 0xFFFD;

// A byte of code page 1252 as a character; 0 for the five bytes the code page leaves undefined.
char32_t FromCp1252(unsigned char byte);

// Control characters other than tab and line break have no place in a page of text.
bool Printable(char32_t c);

void AppendUtf8(std::string& out, char32_t c);

// Appends the character in UTF-8, giving a word that has grown too long an invisible chance to
// break: Qt takes time that grows with the square of a word's length to break it over lines.
// `unbroken` counts the characters since the last chance to break.
void AppendBreakable(std::string& out, char32_t c, int& unbroken);

// How tall the text collected so far would stand in a narrow column, in twips, roughly: each
// character covers its width times its line's height, and each paragraph adds its spacing and
// a line. Qt's text layout stalls on a document some eight million pixels tall, so reading stops
// well before, whatever the sizes, spacings and indents a file asks for.
class Extent {
public:
  // False once the text has grown too tall.
  bool AddCharacter(char32_t c, int halfPoints) {
    if (c == '\t' || c == '\n')
      lines_ += LineHeight(halfPoints); // may start a line of its own
    else
      area_ += 6LL * halfPoints * LineHeight(halfPoints);
    return Within();
  }
  bool AddParagraph(const ParagraphFormat& f, int halfPoints) {
    lines_ += f.spaceBefore + f.spaceAfter + LineHeight(halfPoints);
    return Within();
  }

private:
  static std::int64_t LineHeight(int halfPoints) { return 12LL * halfPoints; }
  bool Within() const { return lines_ + area_ / NarrowColumn <= MaxRtfExtent; }

  static constexpr std::int64_t NarrowColumn = 2400;
  std::int64_t lines_ = 0, area_ = 0;
};

} // namespace platform::rtf
