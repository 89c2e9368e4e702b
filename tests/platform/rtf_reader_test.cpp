#include "platform/rtf_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

using platform::ReadRtf;
using platform::RichText;

// A short picture of what was read: paragraphs split by " | ", each with its non-default layout
// in brackets and its runs, formatted runs as {attributes:text}.
std::string Dump(const RichText& text) {
  static const char* const Lists[] = {"", "bullet", "1.", "a.", "A.", "i.", "I."};
  static const char* const Alignments[] = {"", "centre", "right", "justified"};
  std::string out;
  for (const platform::Paragraph& p : text.paragraphs) {
    if (!out.empty()) out += " | ";
    const platform::ParagraphFormat& f = p.format;
    std::string layout;
    const auto add = [&](const std::string& item) { layout += (layout.empty() ? "" : " ") + item; };
    if (f.alignment != platform::Alignment::Left) add(Alignments[static_cast<int>(f.alignment)]);
    if (f.leftIndent) add("li" + std::to_string(f.leftIndent));
    if (f.firstLineIndent) add("fi" + std::to_string(f.firstLineIndent));
    if (f.rightIndent) add("ri" + std::to_string(f.rightIndent));
    if (f.spaceBefore) add("sb" + std::to_string(f.spaceBefore));
    if (f.spaceAfter) add("sa" + std::to_string(f.spaceAfter));
    for (int tab : f.tabStops) add("tx" + std::to_string(tab));
    if (f.list != platform::ListStyle::None) add(Lists[static_cast<int>(f.list)]);
    if (f.list != platform::ListStyle::None && f.list != platform::ListStyle::Bullet &&
        f.listStart != 1)
      add("from" + std::to_string(f.listStart));
    if (!layout.empty()) out += "[" + layout + "]";
    for (const platform::TextRun& run : p.runs) {
      const platform::CharFormat& c = run.format;
      std::string attributes;
      if (c.bold) attributes += "b";
      if (c.italic) attributes += "i";
      if (c.underline) attributes += "u";
      if (c.halfPoints != 24) attributes += std::to_string(c.halfPoints);
      if (c.colour) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%06X", static_cast<unsigned>(*c.colour));
        attributes += hex;
      }
      if (c.font >= 0) attributes += "@" + text.fonts.at(c.font);
      out += attributes.empty() ? run.text : "{" + attributes + ":" + run.text + "}";
    }
  }
  return out;
}

struct Case {
  const char* what;
  std::string rtf;
  std::string expected;
};

void ExpectReads(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(Dump(ReadRtf(c.rtf)), c.expected) << c.what;
}

TEST(RtfReader, ReadsCharacterFormatting) {
  ExpectReads({
      {"paragraphs", R"({\rtf1 one\par two\par})", "one | two"},
      {"text after the last mark", R"({\rtf1 one\par two})", "one | two"},
      {"bold, italic, underline toggled", R"({\rtf1 a\b b\b0 c\i d\i0\ul e\ulnone f\uldb g\ul0 h})",
       "a{b:b}c{i:d}{u:e}f{u:g}h"},
      {"groups keep their formatting to themselves", R"({\rtf1 a{\b\i b{\ul c}}d})",
       "a{bi:b}{biu:c}d"},
      {"sizes and plain", R"({\rtf1\fs20 a\fs36\b b\plain c})", "{20:a}{b36:b}c"},
      {"colours from the table",
       R"({\rtf1{\colortbl;\red128\green0\blue0;\red0\green70\blue140;}\cf1 a\cf2 b\cf0 c\cf9 d})",
       "{#800000:a}{#00468C:b}cd"},
      {"fonts from the table, the default one first",
       R"({\rtf1\deff1{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fmodern Courier New;}}a\f0 b\f7 c})",
       "{@Courier New:a}{@Arial:b}c"},
      {"a font table without inner groups", R"({\rtf1{\fonttbl\f0 Arial;\f1 Serif;}\f1 x})",
       "{@Serif:x}"},
  });
}

TEST(RtfReader, ReadsCharactersAndEscapes) {
  ExpectReads({
      {"code page 1252", R"({\rtf1 r\'e8gles fen\'eatre \'ab\'bb \'80\'85})",
       "r\u00e8gles fen\u00eatre \u00ab\u00bb \u20ac\u2026"},
      {"an undefined byte of the code page", R"({\rtf1 a\'81b})", "ab"},
      {"\\u with its stand-in skipped", R"({\rtf1 caf\u233?s \uc2\u8364xyz \uc0\u233 e})",
       "caf\u00e9s \u20acz \u00e9e"},
      {"negative \\u", R"({\rtf1\u-3913?})", "\uf0b7"},
      {"a stand-in ends at its group", R"({\rtf1\uc3{\u233 a}bc})", "\u00e9bc"},
      {"surrogate pair", R"({\rtf1\u-10179?\u-8704?})", "\U0001F600"},
      {"lone surrogates", R"({\rtf1 a\u-10179?b\u-8704?c})", "a\ufffdb\ufffdc"},
      {"symbols", R"({\rtf1 \{\}\\\~\_\-\bullet\emdash\endash\lquote\rquote\ldblquote\rdblquote})",
       "{}\\\u00a0\u2011\u2022\u2014\u2013\u2018\u2019\u201c\u201d"},
      {"tabs, lines and cells", "{\\rtf1 a\\tab b\\line c\\cell d\\row e}", "a\tb\nc\td | e"},
      {"line ends in the file are not text", "{\\rtf1 a\r\nb\\\nc}", "ab | c"},
      {"control characters are left out", std::string("{\\rtf1 a\x01\x7f\tb}"), "a\tb"},
  });
}

TEST(RtfReader, ReadsParagraphLayoutAndLists) {
  ExpectReads({
      {"layout, reset by \\pard",
       R"({\rtf1\pard\qc\sb240\sa100 a\par\pard\li400\fi-200\ri50\tx400\tx800\qj b\par\pard c})",
       "[centre sb240 sa100]a | [justified li400 fi-200 ri50 tx400 tx800]b | c"},
      {"the mark's layout is the paragraph's", R"({\rtf1 a\qr\par})", "[right]a"},
      {"a written bullet stays text", R"({\rtf1\li400\fi-200\tx400\bullet\tab item\par})",
       "[li400 fi-200 tx400]\u2022\titem"},
      {"bullet list: the written marker gives way",
       R"({\rtf1{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1{\pntxtb\'B7}}\li720 one\par{\pntext\'B7\tab}two\par\pard three\par})",
       "[li720 bullet]one | [li720 bullet]two | three"},
      {"numbered list from a start",
       R"({\rtf1{\pntext 3.\tab}{\*\pn\pnlvlbody\pndec\pnstart3{\pntxta.}}x\par{\pn\pnlvl1\pnucrm}y\par{\pn\pnlvl2}z\par})",
       "[1. from3]x | [I.]y | [1.]z"},
      {"letters", R"({\rtf1{\*\pn\pnlcltr\pnlvlbody}x\par})", "[a.]x"},
      {"a marker without list keeps its text", R"({\rtf1{\listtext\f0 1.\tab}\ls1 one\par})",
       "1.\tone"},
  });
}

TEST(RtfReader, LeavesOutWhatItDoesNotKnow) {
  ExpectReads({
      {"unknown words", R"({\rtf1\viewkind4\uc1\lang1036\frobnicate-12 a\zz b})", "ab"},
      {"ignorable destinations", R"({\rtf1{\*\generator Writer;}{\*\unknown {x}y}a})", "a"},
      {"known destinations without \\*",
       R"({\rtf1{\info{\title T}{\author A}}{\stylesheet{\s0 Normal;}}{\header h}a})", "a"},
      {"a picture with braces in its binary data", "{\\rtf1{\\pict\\bin4 }}{{a}b}", "b"},
      {"a field shows its result", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})",
       "link"},
      {"a field instruction without \\*", R"({\rtf1{\field{\fldinst PAGE}{\fldrslt 1}}})", "1"},
  });
}

TEST(RtfReader, ReadsBrokenDocumentsSafely) {
  const std::string deep = std::string(10000, '{') + "deep" + std::string(10000, '}');
  ExpectReads({
      {"groups left open", R"({\rtf1{\b a{\i b)", "{b:a}{bi:b}"},
      {"more groups closed than opened", R"({\rtf1 a}}}b)", "a"},
      {"10,000 nested groups", "{\\rtf1 a" + deep + "b}", "ab"},
      {"10,000 groups never closed", "{\\rtf1 a" + std::string(10000, '{') + "b", "a"},
      {"huge numbers",
       R"({\rtf1\fs99999999999999999999 a\fs-5 b\li-99999999999 c\u99999999999 d\cf99999999 e})",
       "[li-2880]{400:a}{2:bc\ufffde}"},
      {"a huge binary length", R"({\rtf1 a\bin99999999999999 b})", "a"},
      {"a huge stand-in count", R"({\rtf1\uc99999\u233 abcdefghij})", "\u00e9ij"},
      {"a cut escape", R"({\rtf1 a\'e)", "a"},
      {"a lone backslash at the end", "{\\rtf1 a\\", "a"},
      {"not RTF", "Line one\r\nLine\x01 two\n\nthree", "Line one | Line two |  | three"},
      {"empty", "", ""},
  });
}

TEST(RtfReader, BoundsWhatAFileCanBuild) {
  std::string many = "{\\rtf1 ";
  for (int i = 0; i < 60000; ++i) many += "\\par";
  EXPECT_EQ(ReadRtf(many).paragraphs.size(), platform::MaxRtfParagraphs);

  std::string tabs = "{\\rtf1 ";
  for (int i = 0; i < 1000; ++i) tabs += "\\tx" + std::to_string(i);
  EXPECT_EQ(ReadRtf(tabs + " a}").paragraphs.at(0).format.tabStops.size(), 64u);

  std::string formats = "{\\rtf1 ";
  for (int i = 0; i < 1000; ++i) formats += "\\b a\\b0 b";
  const RichText changes = ReadRtf(formats + "}");
  const platform::Paragraph& changing = changes.paragraphs.at(0);
  ASSERT_EQ(changing.runs.size(), platform::MaxRtfRuns);
  std::string all;
  for (const platform::TextRun& run : changing.runs) all += run.text;
  EXPECT_EQ(std::count(all.begin(), all.end(), 'a') + std::count(all.begin(), all.end(), 'b'), 2000)
      << "no text is lost";

  // A word too long to break cheaply gets invisible chances to break, in RTF and plain text.
  const std::string word(130, 'x'),
      broken = std::string(64, 'x') + "\u200b" + std::string(64, 'x') + "\u200bxx";
  EXPECT_EQ(Dump(ReadRtf("{\\rtf1 " + word + "\\par " + word + "}")), broken + " | " + broken);
  EXPECT_EQ(Dump(ReadRtf(word)), broken);

  // Nothing past the first MaxRtfBytes is read.
  const std::string skipped = "{\\rtf1{\\*\\junk " + std::string(platform::MaxRtfBytes, 'x');
  EXPECT_TRUE(ReadRtf(skipped + "}tail}").paragraphs.empty());

  // However large the letters and wide the spacing, the text stops growing at a height Qt can
  // still lay out.
  std::string spaced = "{\\rtf1\\sa31680\\sb31680 ";
  for (int i = 0; i < 5000; ++i) spaced += "x\\par ";
  EXPECT_LT(ReadRtf(spaced).paragraphs.size(), 500u);
  const RichText letters = ReadRtf("{\\rtf1\\fs400 " + std::string(100000, 'W') + "}");
  ASSERT_EQ(letters.paragraphs.size(), 1u);
  EXPECT_LT(letters.paragraphs[0].runs.at(0).text.size(), 10000u);
  EXPECT_LT(
      ReadRtf(std::string(platform::MaxRtfBytes, 'x')).paragraphs.at(0).runs.at(0).text.size(),
      platform::MaxRtfBytes)
      << "plain text too";

  // Junk after an RTF header, and pure junk: read within a moment, whatever it shows.
  std::mt19937 generator(77);
  std::string junk(platform::MaxRtfBytes, '\0');
  for (char& c : junk) c = static_cast<char>(generator());
  for (const std::string& input : {"{\\rtf1" + junk, junk}) {
    const auto start = std::chrono::steady_clock::now();
    ReadRtf(input);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  }
}

TEST(RichText, NumbersListItemsInTheirStyle) {
  struct Case {
    const char* what;
    std::string rtf;
    std::vector<std::string> markers;
  } cases[] = {
      {"a numbered list runs on, and starts again after a plain paragraph",
       R"({\rtf1{\pn\pnlvlbody\pndec}a\par b\par\pard c\par{\pn\pnlvlbody\pndec\pnstart5}d\par})",
       {"1.", "2.", "", "5."}},
      {"letters past z, Roman numerals",
       R"({\rtf1{\pn\pnlvlbody\pnucltr\pnstart26}a\par b\par{\pn)"
       R"(\pnlvlbody\pnlcrm\pnstart1994}c\par{\pn\pnlvlbody\pnucrm\pnstart4000}d\par})",
       {"Z.", "AA.", "mcmxciv.", "4000."}},
      {"a bullet list between numbers",
       R"({\rtf1{\pn\pnlvlbody}a\par{\pn\pnlvlblt}b\par{\pn\pnlvlbody}c\par})",
       {"1.", "\u2022", "1."}},
      {"no letter zero", R"({\rtf1{\pn\pnlvlbody\pnlcltr\pnstart0}a\par})", {"0."}},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::ListMarkers(ReadRtf(c.rtf)), c.markers) << c.what;
}

// The help documents as the program shows them: the heading first, in bold, and no control
// word or group shown as text (a backslash before a letter, a brace).
TEST(RtfReader, ReadsTheHelpDocuments) {
  struct Document {
    const char* file;
    const char* heading;
  };
  for (const Document& d :
       {Document{"pelmar.rtf", "Welcome to Pelmar"},
        Document{"whatsnew.rtf", "What's New in Pelmar 7.77"},
        Document{"whatsold.rtf", "What's Old"}, Document{"rules.rtf", "Game Rules"},
        Document{"menu.rtf", "Menu Items"}, Document{"trouble.rtf", "Troubleshooting FAQ"},
        Document{"francais.rtf", "Aide de Pelmar"}}) {
    std::ifstream in(std::filesystem::path(PELMAR_ASSETS_DIR) / "help" / d.file, std::ios::binary);
    const RichText text =
        ReadRtf(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    ASSERT_GT(text.paragraphs.size(), 10u) << d.file;
    ASSERT_FALSE(text.paragraphs[0].runs.empty()) << d.file;
    EXPECT_EQ(text.paragraphs[0].runs[0].text, d.heading) << d.file;
    EXPECT_TRUE(text.paragraphs[0].runs[0].format.bold) << d.file;
    for (const platform::Paragraph& p : text.paragraphs)
      for (const platform::TextRun& run : p.runs)
        for (std::size_t at = 0; at < run.text.size(); ++at)
          EXPECT_TRUE(run.text[at] != '{' && run.text[at] != '}' &&
                      !(run.text[at] == '\\' && at + 1 < run.text.size() &&
                        std::isalpha(static_cast<unsigned char>(run.text[at + 1]))))
              << d.file << ": " << run.text;
  }
}

} // namespace
