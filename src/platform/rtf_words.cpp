#include "platform/rtf_words.h"

#include <unordered_map>

namespace platform::rtf {

namespace {

const std::unordered_map<std::string_view, Word>& Words() {
  static const std::unordered_map<std::string_view, Word> words = [] {
    std::unordered_map<std::string_view, Word> w{
        {"par", Word::Par},
        {"sect", Word::Par},
        {"page", Word::Par},
        {"column", Word::Par},
        {"row", Word::Par},
        {"line", Word::Line},
        {"tab", Word::Tab},
        {"cell", Word::Cell},
        {"nestcell", Word::Cell},
        {"plain", Word::Plain},
        {"pard", Word::Pard},
        {"b", Word::Bold},
        {"i", Word::Italic},
        {"ulnone", Word::UnderlineNone},
        {"fs", Word::FontSize},
        {"cf", Word::Colour},
        {"f", Word::Font},
        {"deff", Word::DefaultFont},
        {"ql", Word::Left},
        {"qc", Word::Centre},
        {"qr", Word::Right},
        {"qj", Word::Justified},
        {"li", Word::LeftIndent},
        {"ri", Word::RightIndent},
        {"fi", Word::FirstIndent},
        {"sb", Word::SpaceBefore},
        {"sa", Word::SpaceAfter},
        {"tx", Word::TabStop},
        {"u", Word::Unicode},
        {"uc", Word::UnicodeSkip},
        {"bin", Word::Binary},
        {"fonttbl", Word::FontTable},
        {"colortbl", Word::ColourTable},
        {"red", Word::Red},
        {"green", Word::Green},
        {"blue", Word::Blue},
        {"pn", Word::ListNumbering},
        {"pntext", Word::ListText},
        {"listtext", Word::ListText},
        {"pnlvlblt", Word::ListBullet},
        {"pnlvlbody", Word::ListBody},
        {"pnlvl", Word::ListBody}, // an outline level, numbered
        {"pnlvlcont", Word::ListContinue},
        {"pndec", Word::Decimal},
        {"pnlcltr", Word::LowerLetter},
        {"pnucltr", Word::UpperLetter},
        {"pnlcrm", Word::LowerRoman},
        {"pnucrm", Word::UpperRoman},
        {"pnstart", Word::ListStart},
    };
    // Every kind of underline is shown as the one underline.
    for (std::string_view u : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                               "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                               "ulthldash", "ululdbwave", "ulw", "ulwave"})
      w.emplace(u, Word::Underline);
    // Destinations whose text is not part of the page, even where the writer did not mark
    // them with \*.
    for (std::string_view d : {"annotation", "atnauthor",    "atnid",      "author",
                               "bkmkend",    "bkmkstart",    "buptim",     "colorschememapping",
                               "comment",    "company",      "creatim",    "datastore",
                               "doccomm",    "docvar",       "falt",       "fchars",
                               "filetbl",    "fldinst",      "footer",     "footerf",
                               "footerl",    "footerr",      "footnote",   "ftncn",
                               "ftnsep",     "ftnsepc",      "generator",  "header",
                               "headerf",    "headerl",      "headerr",    "info",
                               "keywords",   "latentstyles", "lchars",     "listoverridetable",
                               "listtable",  "mmathPr",      "nonshppict", "object",
                               "objdata",    "operator",     "panose",     "pgdsctbl",
                               "pict",       "pntxta",       "pntxtb",     "printim",
                               "private",    "result",       "revtbl",     "revtim",
                               "rsidtbl",    "shp",          "shppict",    "stylesheet",
                               "subject",    "tc",           "template",   "themedata",
                               "title",      "txe",          "userprops",  "xe",
                               "xmlnstbl"})
      w.emplace(d, Word::SkipDestination);
    return w;
  }();
  return words;
}

// Control words that stand for one character.
const std::unordered_map<std::string_view, char32_t>& CharacterWords() {
  static const std::unordered_map<std::string_view, char32_t> words{
      {"bullet", 0x2022},    {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C},
      {"rdblquote", 0x201D}, {"endash", 0x2013}, {"emdash", 0x2014}, {"enspace", 0x2002},
      {"emspace", 0x2003},   {"qmspace", 0x2005}};
  return words;
}

} // namespace

std::optional<Word> FindWord(std::string_view name) {
  const auto& words = Words();
  const auto found = words.find(name);
  if (found == words.end()) return std::nullopt;
  return found->second;
}

std::optional<char32_t> CharacterWord(std::string_view name) {
  const auto& words = CharacterWords();
  const auto found = words.find(name);
  if (found == words.end()) return std::nullopt;
  return found->second;
}

} // namespace platform::rtf
