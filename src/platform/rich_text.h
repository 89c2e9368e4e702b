#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A formatted document in plain terms, as the help pages show it: paragraphs of runs of equally
// formatted text. Lengths are in twips (1/1440 inch), font sizes in half points.
struct CharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 24;
  std::optional<std::uint32_t> colour; // 0xRRGGBB; none for the view's own text colour
  int font = -1;                       // in RichText::fonts; -1 for the view's own face

  friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

// UTF-8 text; '\t' moves to the next tab stop and '\n' breaks the line inside the paragraph.
struct TextRun {
  std::string text;
  CharFormat format;
};

enum class Alignment { Left, Centre, Right, Justified };

// A list paragraph shows its marker (a bullet, or its number in the list) before its text.
enum class ListStyle { None, Bullet, Decimal, LowerLetter, UpperLetter, LowerRoman, UpperRoman };

struct ParagraphFormat {
  Alignment alignment = Alignment::Left;
  int leftIndent = 0;
  int rightIndent = 0;
  int firstLineIndent = 0; // from leftIndent; negative for a hanging first line
  int spaceBefore = 0;
  int spaceAfter = 0;
  std::vector<int> tabStops; // from the left edge, in the order given
  ListStyle list = ListStyle::None;
  int listStart = 1; // the number of the first item of a numbered list

  friend bool operator==(const ParagraphFormat&, const ParagraphFormat&) = default;
};

struct Paragraph {
  ParagraphFormat format;
  // The format of the paragraph mark: it sets the height of a paragraph without text.
  CharFormat mark;
  std::vector<TextRun> runs;
};

struct RichText {
  std::vector<std::string> fonts; // family names
  std::vector<Paragraph> paragraphs;
};

// The marker each paragraph shows before its text, in UTF-8: a bullet, or the item's number in
// its list ("3.", "c.", "iv."); empty outside lists. A list runs on through consecutive
// paragraphs of one style and starts again at its first item's start after anything else.
std::vector<std::string> ListMarkers(const RichText& text);

} // namespace platform
