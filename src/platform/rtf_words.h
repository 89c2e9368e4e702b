#pragma once

#include <optional>
#include <string_view>

namespace platform::rtf {

// The control words the RTF reader acts on, by what they do.
enum class Word {
  Par,
  Line,
  Tab,
  Cell,
  Plain,
  Pard,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  FontSize,
  Colour,
  Font,
  DefaultFont,
  Left,
  Centre,
  Right,
  Justified,
  LeftIndent,
  RightIndent,
  FirstIndent,
  SpaceBefore,
  SpaceAfter,
  TabStop,
  Unicode,
  UnicodeSkip,
  Binary,
  FontTable,
  ColourTable,
  Red,
  Green,
  Blue,
  ListNumbering,
  ListText,
  ListBullet,
  ListBody,
  ListContinue,
  Decimal,
  LowerLetter,
  UpperLetter,
  LowerRoman,
  UpperRoman,
  ListStart,
  SkipDestination,
};

// What a control word does; nothing for a word the reader leaves out.
std::optional<Word> FindWord(std::string_view name);
// The character a control word such as \bullet stands for; nothing for any other word.
std::optional<char32_t> CharacterWord(std::string_view name);

} // namespace platform::rtf
