#include "platform/rtf_reader.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/rtf_format.h"
#include "platform/rtf_text.h"
#include "platform/rtf_words.h"

namespace platform {

namespace {

using rtf::AppendBreakable;
using rtf::AppendUtf8;
using rtf::CharState;
using rtf::Clamp;
using rtf::FromCp1252;
using rtf::MaxTableEntries;
using rtf::Printable;
using rtf::Replacement;
using rtf::Word;

// Bounds on what a document gives beyond its format (see rtf_format.h).
constexpr int MaxUnicodeSkip = 8;
constexpr std::size_t MaxFontNameBytes = 64;
constexpr std::size_t MaxControlWordLength = 32;
constexpr int MaxParameter = 1'000'000'000;

enum class Destination { Text, Skip, FontTable, ColourTable, ListNumbering, ListText };

struct GroupState {
  Destination destination = Destination::Text;
  CharState chars;
  ParagraphFormat paragraph;
  int unicodeSkip = 1;
};

class Reader {
public:
  explicit Reader(std::string_view in) : in_(in) {}

  RichText Read() {
    while (pos_ < in_.size() && !full_) {
      const char c = in_[pos_++];
      switch (c) {
      case '{':
        OpenGroup();
        break;
      case '}':
        if (!CloseGroup()) return Finish();
        break;
      case '\\':
        ControlSequence();
        break;
      case '\r':
      case '\n':
        break;
      default:
        TextByte(c);
      }
    }
    return Finish();
  }

private:
  GroupState& Top() { return stack_.back(); }
  bool Skipping() const {
    return overflow_ > 0 || stack_.empty() || stack_.back().destination == Destination::Skip;
  }
  // Within the characters that stand in for a \uN character: one more is swallowed.
  bool Swallowed() {
    if (pendingSkip_ == 0) return false;
    --pendingSkip_;
    return true;
  }

  void OpenGroup() {
    pendingSkip_ = 0;
    ignorableNext_ = false;
    if (overflow_ > 0 || stack_.size() >= static_cast<std::size_t>(MaxRtfDepth)) {
      ++overflow_;
      return;
    }
    stack_.push_back(stack_.empty() ? GroupState{} : stack_.back());
  }

  // False when the outermost group closed: the document ends there.
  bool CloseGroup() {
    pendingSkip_ = 0;
    ignorableNext_ = false;
    if (overflow_ > 0) {
      --overflow_;
      return true;
    }
    if (stack_.size() <= 1) return false; // kept for the text after the last paragraph mark
    const GroupState closed = std::move(stack_.back());
    stack_.pop_back();
    if (closed.destination == Destination::FontTable) CommitFont();
    // A list's numbering is stated in a group of its own but belongs to the paragraph around.
    if (closed.destination == Destination::ListNumbering &&
        Top().destination == Destination::Text) {
      Top().paragraph.list = closed.paragraph.list;
      Top().paragraph.listStart = closed.paragraph.listStart;
    }
    return true;
  }

  void ControlSequence() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (IsLetter(c)) return ControlWord();
    ++pos_;
    if (c == '\'') return HexCharacter();
    if (Skipping() || Swallowed()) return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
      return AddCharacter(static_cast<unsigned char>(c));
    case '~':
      return AddCharacter(0x00A0);
    case '_':
      return AddCharacter(0x2011);
    case '*':
      ignorableNext_ = true;
      return;
    case '\r':
    case '\n':
      return EndParagraph();
    default:
      return; // \- optional hyphens, \| \: index marks and the unknown are left out
    }
  }

  static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  void ControlWord() {
    const std::size_t start = pos_;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
    const std::string_view name = in_.substr(start, pos_ - start);
    bool negative = false, hasParameter = false;
    std::int64_t parameter = 0;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    // Every digit belongs to the word however many there are; the value saturates.
    while (pos_ < in_.size() && IsDigit(in_[pos_])) {
      hasParameter = true;
      parameter = std::min<std::int64_t>(parameter * 10 + (in_[pos_++] - '0'), MaxParameter);
    }
    if (negative) parameter = -parameter;
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    Handle(name.size() <= MaxControlWordLength ? name : std::string_view(), hasParameter,
           parameter);
  }

  void HexCharacter() {
    int value = 0;
    for (int i = 0; i < 2; ++i) {
      const int digit = pos_ < in_.size() ? HexDigit(in_[pos_]) : -1;
      if (digit < 0) return; // a broken escape shows nothing
      value = value * 16 + digit;
      ++pos_;
    }
    if (Skipping() || Swallowed()) return;
    if (const char32_t c = FromCp1252(static_cast<unsigned char>(value))) AddCharacter(c);
  }

  static int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  void TextByte(char c) {
    if (Skipping() || Swallowed()) return;
    AddCharacter(FromCp1252(static_cast<unsigned char>(c)));
  }

  void Handle(std::string_view name, bool hasParameter, std::int64_t parameter) {
    const std::optional<Word> found = rtf::FindWord(name);
    if (found == Word::Binary) {
      // Binary data may hold any byte, braces and backslashes included.
      pos_ += static_cast<std::size_t>(
          std::clamp<std::int64_t>(parameter, 0, static_cast<std::int64_t>(in_.size() - pos_)));
      return;
    }
    if (Skipping()) return;
    if (Swallowed()) return;
    if (ignorableNext_) {
      ignorableNext_ = false;
      // Of the destinations a reader may ignore, only the list numbering shows on the page.
      if (found != Word::ListNumbering) {
        Top().destination = Destination::Skip;
        return;
      }
    }
    if (!found) {
      if (const std::optional<char32_t> c = rtf::CharacterWord(name)) AddCharacter(*c);
      return;
    }
    const Word word = *found;
    GroupState& g = Top();
    if (rtf::ApplyFormat(word, hasParameter, parameter, g.chars, g.paragraph)) return;
    switch (word) {
    case Word::Par:
      return EndParagraph();
    case Word::Line:
      return AddCharacter('\n');
    case Word::Tab:
    case Word::Cell:
      return AddCharacter('\t');
    case Word::Font:
      if (g.destination == Destination::FontTable) {
        CommitFont();
        fontNumber_ = Clamp(parameter, 0, MaxParameter);
      } else {
        g.chars.font = Clamp(parameter, 0, MaxParameter);
      }
      return;
    case Word::DefaultFont:
      defaultFont_ = Clamp(parameter, 0, MaxParameter);
      return;
    case Word::Unicode:
      if (!hasParameter) return;
      // Values above 32767 are written as negative 16-bit numbers.
      UnicodeCharacter(parameter < 0 ? parameter + 65536 : parameter);
      pendingSkip_ = g.unicodeSkip;
      return;
    case Word::UnicodeSkip:
      g.unicodeSkip = Clamp(parameter, 0, MaxUnicodeSkip);
      return;
    case Word::Binary:
      return;
    case Word::FontTable:
      g.destination = Destination::FontTable;
      return;
    case Word::ColourTable:
      g.destination = Destination::ColourTable;
      return;
    case Word::Red:
      entry_.red = Clamp(parameter, 0, 255);
      entry_.set = true;
      return;
    case Word::Green:
      entry_.green = Clamp(parameter, 0, 255);
      entry_.set = true;
      return;
    case Word::Blue:
      entry_.blue = Clamp(parameter, 0, 255);
      entry_.set = true;
      return;
    case Word::ListNumbering:
      g.destination = Destination::ListNumbering;
      g.paragraph.list = ListStyle::None;
      g.paragraph.listStart = 1;
      return;
    case Word::ListText:
      g.destination = Destination::ListText;
      marker_ = TextRun{};
      return;
    case Word::SkipDestination:
      g.destination = Destination::Skip;
      return;
    default:
      return; // a format word, applied above
    }
  }

  // Characters beyond 16 bits come as a pair of surrogates in two \u words.
  void UnicodeCharacter(std::int64_t value) {
    if (value >= 0xD800 && value < 0xDC00) {
      if (highSurrogate_) {
        highSurrogate_ = 0;
        AddCharacter(Replacement);
      }
      highSurrogate_ = static_cast<char32_t>(value);
      return;
    }
    if (value >= 0xDC00 && value < 0xE000) {
      if (!highSurrogate_) return AddCharacter(Replacement);
      const char32_t c = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (value - 0xDC00);
      highSurrogate_ = 0;
      return AddCharacter(c);
    }
    AddCharacter(value >= 0 && value <= 0xFFFF ? static_cast<char32_t>(value) : Replacement);
  }

  void AddCharacter(char32_t c) {
    if (highSurrogate_) {
      highSurrogate_ = 0;
      AddCharacter(Replacement);
    }
    GroupState& g = Top();
    switch (g.destination) {
    case Destination::Text:
      if (Printable(c)) AddToParagraph(c, g.chars);
      return;
    case Destination::ListText:
      if (marker_.text.empty()) marker_.format = Resolve(g.chars);
      if (Printable(c)) AppendUtf8(marker_.text, c);
      return;
    case Destination::FontTable:
      if (c == ';')
        CommitFont();
      else if (Printable(c) && fontName_.size() < MaxFontNameBytes)
        AppendUtf8(fontName_, c);
      return;
    case Destination::ColourTable:
      if (c == ';') CommitColour();
      return;
    case Destination::ListNumbering:
    case Destination::Skip:
      return;
    }
  }

  void AddToParagraph(char32_t c, const CharState& chars) {
    if (!extent_.AddCharacter(c, chars.halfPoints)) {
      full_ = true;
      return;
    }
    const CharFormat format = Resolve(chars);
    std::vector<TextRun>& runs = paragraph_.runs;
    if (runs.empty() || (!(runs.back().format == format) && runs.size() < MaxRtfRuns))
      runs.push_back(TextRun{{}, format});
    AppendBreakable(runs.back().text, c, unbroken_);
  }

  CharFormat Resolve(const CharState& chars) const {
    CharFormat f;
    f.bold = chars.bold;
    f.italic = chars.italic;
    f.underline = chars.underline;
    f.halfPoints = chars.halfPoints;
    if (static_cast<std::size_t>(chars.colour) < colours_.size()) f.colour = colours_[chars.colour];
    const auto font = fontIndex_.find(chars.font < 0 ? defaultFont_ : chars.font);
    if (font != fontIndex_.end()) f.font = font->second;
    return f;
  }

  void CommitFont() {
    std::string name = std::move(fontName_);
    fontName_.clear();
    while (!name.empty() && name.back() == ' ') name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    if (fontNumber_ < 0 || name.empty() || text_.fonts.size() >= MaxTableEntries) return;
    if (fontIndex_.emplace(fontNumber_, static_cast<int>(text_.fonts.size())).second)
      text_.fonts.push_back(std::move(name));
    fontNumber_ = -1;
  }

  // An entry without components, as the table's first usually is, stands for the view's own
  // colour.
  void CommitColour() {
    if (colours_.size() < MaxTableEntries)
      colours_.push_back(entry_.set ? std::optional<std::uint32_t>(
                                          (entry_.red << 16) | (entry_.green << 8) | entry_.blue)
                                    : std::nullopt);
    entry_ = ColourEntry{};
  }

  void EndParagraph() {
    if (Top().destination != Destination::Text) return;
    unbroken_ = 0;
    Paragraph p;
    p.format = Top().paragraph;
    p.mark = Resolve(Top().chars);
    p.runs = std::move(paragraph_.runs);
    paragraph_.runs.clear();
    // A list paragraph draws its own marker; the written one is for readers without lists.
    if (p.format.list == ListStyle::None && !marker_.text.empty())
      p.runs.insert(p.runs.begin(), marker_);
    marker_ = TextRun{};
    if (!extent_.AddParagraph(p.format, p.mark.halfPoints)) full_ = true;
    text_.paragraphs.push_back(std::move(p));
    if (text_.paragraphs.size() >= MaxRtfParagraphs) full_ = true;
  }

  RichText Finish() {
    if (text_.paragraphs.size() < MaxRtfParagraphs && !stack_.empty() &&
        (!paragraph_.runs.empty() || !marker_.text.empty())) {
      // The text after the last paragraph mark is a paragraph of its own, formatted as the
      // outermost group stands.
      stack_.resize(1);
      overflow_ = 0;
      EndParagraph();
    }
    return std::move(text_);
  }

  struct ColourEntry {
    int red = 0, green = 0, blue = 0;
    bool set = false;
  };

  std::string_view in_;
  std::size_t pos_ = 0;
  std::vector<GroupState> stack_;
  int overflow_ = 0; // groups open beyond MaxRtfDepth
  bool ignorableNext_ = false;
  int pendingSkip_ = 0;
  char32_t highSurrogate_ = 0;
  bool full_ = false;
  rtf::Extent extent_;
  int unbroken_ = 0;

  RichText text_;
  Paragraph paragraph_;
  TextRun marker_;

  int defaultFont_ = 0;
  int fontNumber_ = -1;
  std::string fontName_;
  std::unordered_map<int, int> fontIndex_;
  std::vector<std::optional<std::uint32_t>> colours_;
  ColourEntry entry_;
};

// Anything that is not RTF shows as it is written: one paragraph per line.
RichText ReadPlainText(std::string_view in) {
  RichText text;
  std::string line;
  rtf::Extent extent;
  bool full = false;
  int unbroken = 0;
  const auto endLine = [&] {
    Paragraph p;
    if (!line.empty()) p.runs.push_back(TextRun{std::move(line), {}});
    line.clear();
    unbroken = 0;
    full = !extent.AddParagraph(p.format, p.mark.halfPoints);
    text.paragraphs.push_back(std::move(p));
  };
  for (std::size_t i = 0; i < in.size() && !full && text.paragraphs.size() < MaxRtfParagraphs;
       ++i) {
    const char c = in[i];
    if (c == '\n') {
      endLine();
    } else if (const char32_t u = FromCp1252(static_cast<unsigned char>(c));
               u != '\n' && Printable(u)) {
      if (!extent.AddCharacter(u, CharFormat{}.halfPoints)) break;
      AppendBreakable(line, u, unbroken);
    }
  }
  if (!line.empty() && text.paragraphs.size() < MaxRtfParagraphs) endLine();
  return text;
}

} // namespace

RichText ReadRtf(std::string_view bytes) {
  bytes = bytes.substr(0, MaxRtfBytes);
  if (bytes.rfind("{\\rtf", 0) != 0) return ReadPlainText(bytes);
  return Reader(bytes).Read();
}

} // namespace platform
