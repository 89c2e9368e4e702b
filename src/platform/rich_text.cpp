#include "platform/rich_text.h"

#include <array>

namespace platform {

namespace {

std::string Letters(int number, char first) {
  std::string letters;
  for (; number > 0; number = (number - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>(first + (number - 1) % 26));
  return letters;
}

std::string Roman(int number, bool upper) {
  struct Digit {
    int value;
    const char* lower;
    const char* upper;
  };
  static constexpr std::array<Digit, 13> Digits{{{1000, "m", "M"},
                                                 {900, "cm", "CM"},
                                                 {500, "d", "D"},
                                                 {400, "cd", "CD"},
                                                 {100, "c", "C"},
                                                 {90, "xc", "XC"},
                                                 {50, "l", "L"},
                                                 {40, "xl", "XL"},
                                                 {10, "x", "X"},
                                                 {9, "ix", "IX"},
                                                 {5, "v", "V"},
                                                 {4, "iv", "IV"},
                                                 {1, "i", "I"}}};
  std::string roman;
  for (const Digit& d : Digits)
    for (; number >= d.value; number -= d.value) roman += upper ? d.upper : d.lower;
  return roman;
}

std::string Marker(ListStyle style, int number) {
  // Letters and Roman numerals have no zero, and Roman numerals end at 3999: such items count
  // in digits.
  const bool roman = number >= 1 && number <= 3999, letters = number >= 1;
  switch (style) {
  case ListStyle::None:
    return {};
  case ListStyle::Bullet:
    return "\u2022";
  case ListStyle::LowerLetter:
  case ListStyle::UpperLetter:
    if (letters) return Letters(number, style == ListStyle::LowerLetter ? 'a' : 'A') + ".";
    break;
  case ListStyle::LowerRoman:
  case ListStyle::UpperRoman:
    if (roman) return Roman(number, style == ListStyle::UpperRoman) + ".";
    break;
  case ListStyle::Decimal:
    break;
  }
  return std::to_string(number) + ".";
}

} // namespace

std::vector<std::string> ListMarkers(const RichText& text) {
  std::vector<std::string> markers;
  markers.reserve(text.paragraphs.size());
  ListStyle previous = ListStyle::None;
  int number = 0;
  for (const Paragraph& p : text.paragraphs) {
    const ListStyle style = p.format.list;
    number = style == previous ? number + 1 : p.format.listStart;
    previous = style;
    markers.push_back(Marker(style, number));
  }
  return markers;
}

} // namespace platform
