// The seven help documents: copied beside the binary unchanged, and plain RTF for any reader.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct HelpDocument {
  const char* file;
  const char* heading; // the title the document opens with
};

const HelpDocument Documents[] = {
    {"pelmar.rtf", "Welcome to Pelmar"}, {"whatsnew.rtf", "What's New in Pelmar 7.77"},
    {"whatsold.rtf", "What's Old"},      {"rules.rtf", "Game Rules"},
    {"menu.rtf", "Menu Items"},          {"trouble.rtf", "Troubleshooting FAQ"},
    {"francais.rtf", "Aide de Pelmar"},
};

void PrintTo(const HelpDocument& d, std::ostream* os) {
  *os << d.file;
}

// Where the control word `word` (a backslash and letters) stands whole, not as the start of a
// longer one, as \par does inside \pard.
std::size_t FindControlWord(const std::string& text, const std::string& word) {
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
    if (at + word.size() == text.size() ||
        !std::isalpha(static_cast<unsigned char>(text[at + word.size()])))
      return at;
  return std::string::npos;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

fs::path Source(const HelpDocument& d) {
  return fs::path(PELMAR_ASSETS_DIR) / "help" / d.file;
}
fs::path Built(const HelpDocument& d) {
  return fs::path(PELMAR_BUILD_DIR) / d.file;
}

class HelpDocumentTest : public ::testing::TestWithParam<HelpDocument> {};

TEST_P(HelpDocumentTest, LiesBesideTheBinaryUnchanged) {
  ASSERT_TRUE(fs::is_regular_file(Built(GetParam()))) << Built(GetParam());
  const std::string source = ReadAll(Source(GetParam()));
  ASSERT_FALSE(source.empty());
  EXPECT_TRUE(source == ReadAll(Built(GetParam()))) << "the copy differs from its source";
}

TEST_P(HelpDocumentTest, DeclaresRtfWithTheWesternCodePage) {
  const std::string text = ReadAll(Source(GetParam()));
  EXPECT_EQ(text.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(text.find("\\ansicpg1252"), std::string::npos);
  EXPECT_NE(text.find("{\\fonttbl"), std::string::npos);
}

TEST_P(HelpDocumentTest, BracesBalanceInOneOuterGroup) {
  const std::string text = ReadAll(Source(GetParam()));
  int depth = 0;
  std::size_t closedAt = std::string::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\')
      ++i; // \{ \} and \\ are text, not groups
    else if (text[i] == '{')
      ++depth;
    else if (text[i] == '}' && --depth == 0 && closedAt == std::string::npos)
      closedAt = i;
    ASSERT_GE(depth, 0) << "a group closes that never opened, at byte " << i;
  }
  EXPECT_EQ(depth, 0) << "groups left open at the end";
  ASSERT_NE(closedAt, std::string::npos);
  // Whatever follows the outer group is lost to a reader, so only white space may.
  EXPECT_EQ(text.find_first_not_of(" \r\n", closedAt + 1), std::string::npos);
}

TEST_P(HelpDocumentTest, IsSevenBitWithWellFormedEscapes) {
  const std::string text = ReadAll(Source(GetParam()));
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    ASSERT_LT(c, 0x80u) << "byte " << i << " is not 7-bit: accents go as \\'xx";
    ASSERT_NE(c, 0u) << "NUL at byte " << i;
    if (text.compare(i, 2, "\\'") == 0) {
      ASSERT_LE(i + 4, text.size());
      EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(text[i + 2])) &&
                  std::isxdigit(static_cast<unsigned char>(text[i + 3])))
          << "bad escape at byte " << i;
    }
  }
}

TEST_P(HelpDocumentTest, OpensWithItsHeading) {
  const std::string text = ReadAll(Source(GetParam()));
  const std::size_t heading = text.find(GetParam().heading);
  ASSERT_NE(heading, std::string::npos) << GetParam().heading;
  EXPECT_LT(heading, FindControlWord(text, "\\par")) << "the heading is not the first paragraph";
  const std::size_t paragraph = text.rfind("\\pard", heading);
  ASSERT_NE(paragraph, std::string::npos);
  EXPECT_NE(FindControlWord(text.substr(paragraph, heading - paragraph), "\\b"), std::string::npos)
      << "the heading is not bold";
}

INSTANTIATE_TEST_SUITE_P(Help, HelpDocumentTest, ::testing::ValuesIn(Documents),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           return name.substr(0, name.find('.'));
                         });

TEST(HelpDocuments, AreExactlyTheSevenPagesOfTheHelpWindow) {
  std::set<std::string> found, expected;
  for (const auto& entry : fs::directory_iterator(fs::path(PELMAR_ASSETS_DIR) / "help"))
    found.insert(entry.path().filename().string());
  for (const HelpDocument& d : Documents) expected.insert(d.file);
  EXPECT_EQ(found, expected);
}

TEST(HelpDocuments, TheFrenchPageIsInFrench) {
  const std::string text = ReadAll(fs::path(PELMAR_ASSETS_DIR) / "help" / "francais.rtf");
  // Accented words as they must be escaped under code page 1252.
  const char* const words[] = {"tuiles",         "libre",      "r\\'e8gles",
                               "fen\\'eatre",    "\\'e0 deux", "tableau d'honneur",
                               "Pour commencer", "\\'c9chap",  "\\'ab Stop \\'bb"};
  for (const char* word : words) EXPECT_NE(text.find(word), std::string::npos) << word;
}

TEST(HelpDocuments, AMissingOneStopsTheBuildLoudly) {
  char pattern[] = "/tmp/pelmar_help_XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path root = pattern, assets = root / "assets", out = root / "out";
  fs::copy(PELMAR_ASSETS_DIR, assets, fs::copy_options::recursive);
  fs::remove(assets / "help" / "whatsold.rtf");
  const fs::path log = root / "stderr.txt";
  const std::string command = std::string("\"") + PELMAR_ASSETGEN + "\" --assets \"" +
                              assets.string() + "\" --out \"" + out.string() +
                              "\" >/dev/null 2>\"" + log.string() + "\"";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "status " << status;
  EXPECT_NE(ReadAll(log).find("whatsold.rtf"), std::string::npos) << ReadAll(log);
  // The six present documents are not copied either: no half set beside the binary.
  for (const HelpDocument& d : Documents) EXPECT_FALSE(fs::exists(out / d.file)) << d.file;
  fs::remove_all(root);
}

} // namespace
