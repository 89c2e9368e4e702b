#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/test_platform.h"

namespace {

using platform::IniFile;

TEST(IniFile, ReadsIntegersStrictly) {
  struct Case {
    std::string value;
    int expected;
  } cases[] = {
      {"42", 42},     {"-7", -7},          {"+5", 5},
      {"  12  ", 12}, {"12abc", -1},       {"abc", -1},
      {"", -1},       {"99999999999", -1}, {"2147483647", 2147483647},
      {"0x10", -1},   {"1.5", -1},
  };
  for (const Case& c : cases) {
    const IniFile ini = IniFile::Parse("[S]\nk=" + c.value + "\n");
    EXPECT_EQ(ini.ReadInteger("S", "k", -1), c.expected) << '"' << c.value << '"';
  }
}

TEST(IniFile, ReadsBoolsAsNumbers) {
  const IniFile ini = IniFile::Parse("[S]\na=1\nb=0\nc=2\nd=yes\n");
  EXPECT_TRUE(ini.ReadBool("S", "a", false));
  EXPECT_FALSE(ini.ReadBool("S", "b", true));
  EXPECT_TRUE(ini.ReadBool("S", "c", false));
  EXPECT_TRUE(ini.ReadBool("S", "d", true)) << "junk keeps the fallback";
  EXPECT_FALSE(ini.ReadBool("S", "d", false));
  EXPECT_FALSE(ini.ReadBool("S", "missing", false));
}

TEST(IniFile, MatchesNamesWithoutCaseAndTrimsValues) {
  const IniFile ini = IniFile::Parse("[Pelmar]\r\nCurrentPlayer1 =  Anna Lee \r\n");
  EXPECT_EQ(ini.ReadString("pelmar", "currentplayer1", "x"), "Anna Lee");
  EXPECT_TRUE(ini.HasSection("PELMAR"));
  EXPECT_FALSE(ini.HasKey("Pelmar", "Other"));
  EXPECT_EQ(ini.ReadString("Other", "CurrentPlayer1", "fallback"), "fallback");
}

TEST(IniFile, SkipsWhatIsNotOurs) {
  const std::string longValue(IniFile::MaxValueLength + 1, 'x');
  std::string text = "orphan=1\n[S]\n\x01\x02\xff junk line\n=no key\nlong=" + longValue +
                     "\nk=first\nk=second\n[broken\nafter=3\n";
  text.push_back('\0');
  text += "\n[T]\nt=4";
  const IniFile ini = IniFile::Parse(text);
  EXPECT_FALSE(ini.HasKey("S", "orphan"));
  EXPECT_FALSE(ini.HasKey("S", "long"));
  EXPECT_EQ(ini.ReadString("S", "k", ""), "first");
  EXPECT_EQ(ini.ReadInteger("S", "after", 0), 3) << "a broken header does not end the section";
  EXPECT_EQ(ini.ReadInteger("T", "t", 0), 4) << "the last line needs no line break";
}

TEST(IniFile, WritesInFirstSeenOrderAndRoundTrips) {
  IniFile ini = IniFile::Parse("[B]\nz=1\n[A]\ny=2\n");
  ini.WriteInteger("A", "x", -3);
  ini.WriteBool("B", "z", false);
  ini.WriteString("C", "name", "two\nlines");
  EXPECT_EQ(ini.Format(), "[B]\nz=0\n\n[A]\ny=2\nx=-3\n\n[C]\nname=two\n");
  EXPECT_EQ(IniFile::Parse(ini.Format()).Format(), ini.Format());
  ini.EraseSection("a");
  EXPECT_FALSE(ini.HasSection("A"));
}

TEST(IniFile, LoadsAndSavesFiles) {
  testing_support::TempFolder tmp;
  const std::string path = (tmp.path() / "Pelmar.ini").string();
  EXPECT_FALSE(IniFile::Load(path).HasSection("Pelmar")) << "a missing file is empty";
  EXPECT_EQ(IniFile::Load(path).ReadError(), "") << "and no error";
  IniFile ini;
  ini.WriteString("Pelmar", "Launches", "3");
  ASSERT_EQ(ini.Save(path), "");
  EXPECT_EQ(IniFile::Load(path).ReadInteger("Pelmar", "Launches", 0), 3);
  EXPECT_NE(ini.Save((tmp.path() / "missing" / "Pelmar.ini").string()), "");

  // Files that are there but cannot be read load empty and say why, so no one writes over them.
  std::filesystem::resize_file(path, IniFile::MaxFileBytes + 1);
  for (const std::string& unreadable : {path, tmp.path().string()}) {
    const IniFile loaded = IniFile::Load(unreadable);
    EXPECT_FALSE(loaded.HasSection("Pelmar")) << unreadable;
    EXPECT_NE(loaded.ReadError(), "") << unreadable;
  }
}

} // namespace
