#include "platform/rtf_format.h"

namespace platform::rtf {

namespace {

// Spacing of more than 22 inches, or 200-point letters, is taken as the most the view shows.
constexpr int MaxTwips = 31680;
// Indents leave a column of text at least a couple of inches wide in the help window.
constexpr int MaxIndent = 2880;
constexpr int MinHalfPoints = 2, MaxHalfPoints = 400;
constexpr int MaxListStart = 32767;
constexpr std::size_t MaxTabStops = 64;

void SetNumbering(ParagraphFormat& p, ListStyle style) {
  if (p.list != ListStyle::Bullet) p.list = style;
}

} // namespace

bool ApplyFormat(Word word, bool hasParameter, std::int64_t parameter, CharState& chars,
                 ParagraphFormat& p) {
  const bool on = !hasParameter || parameter != 0;
  switch (word) {
  case Word::Plain:
    chars = CharState{};
    return true;
  case Word::Pard:
    p = ParagraphFormat{};
    return true;
  case Word::Bold:
    chars.bold = on;
    return true;
  case Word::Italic:
    chars.italic = on;
    return true;
  case Word::Underline:
    chars.underline = on;
    return true;
  case Word::UnderlineNone:
    chars.underline = false;
    return true;
  case Word::FontSize:
    chars.halfPoints = hasParameter ? Clamp(parameter, MinHalfPoints, MaxHalfPoints) : 24;
    return true;
  case Word::Colour:
    chars.colour = Clamp(parameter, 0, static_cast<int>(MaxTableEntries));
    return true;
  case Word::Left:
    p.alignment = Alignment::Left;
    return true;
  case Word::Centre:
    p.alignment = Alignment::Centre;
    return true;
  case Word::Right:
    p.alignment = Alignment::Right;
    return true;
  case Word::Justified:
    p.alignment = Alignment::Justified;
    return true;
  case Word::LeftIndent:
    p.leftIndent = Clamp(parameter, -MaxIndent, MaxIndent);
    return true;
  case Word::RightIndent:
    p.rightIndent = Clamp(parameter, -MaxIndent, MaxIndent);
    return true;
  case Word::FirstIndent:
    p.firstLineIndent = Clamp(parameter, -MaxIndent, MaxIndent);
    return true;
  case Word::SpaceBefore:
    p.spaceBefore = Clamp(parameter, 0, MaxTwips);
    return true;
  case Word::SpaceAfter:
    p.spaceAfter = Clamp(parameter, 0, MaxTwips);
    return true;
  case Word::TabStop:
    if (p.tabStops.size() < MaxTabStops) p.tabStops.push_back(Clamp(parameter, 0, MaxTwips));
    return true;
  case Word::ListBullet:
    p.list = ListStyle::Bullet;
    return true;
  case Word::ListBody:
    if (p.list == ListStyle::None || p.list == ListStyle::Bullet) p.list = ListStyle::Decimal;
    return true;
  case Word::ListContinue:
    p.list = ListStyle::None;
    return true;
  case Word::Decimal:
    SetNumbering(p, ListStyle::Decimal);
    return true;
  case Word::LowerLetter:
    SetNumbering(p, ListStyle::LowerLetter);
    return true;
  case Word::UpperLetter:
    SetNumbering(p, ListStyle::UpperLetter);
    return true;
  case Word::LowerRoman:
    SetNumbering(p, ListStyle::LowerRoman);
    return true;
  case Word::UpperRoman:
    SetNumbering(p, ListStyle::UpperRoman);
    return true;
  case Word::ListStart:
    p.listStart = Clamp(parameter, 0, MaxListStart);
    return true;
  default:
    return false;
  }
}

} // namespace platform::rtf
