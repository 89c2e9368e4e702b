#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "records/hall_file.h"
#include "support/test_platform.h"

namespace {

using records::HallFile;
using records::HallOfFame;
using testing_support::ReadText;
using testing_support::TempFolder;

const std::vector<std::string> Layouts = {"Green Dragon", "Arena", "The Big One"};

HallOfFame ReadHall(const std::string& text, const std::vector<std::string>& layouts = Layouts) {
  HallOfFame hall;
  HallFile file("unused");
  file.ReadFrom(platform::IniFile::Parse(text), hall, layouts);
  return hall;
}

TEST(HallFileTest, ReadsSectionsWithoutBlanksAndPadsShortValues) {
  const HallOfFame hall =
      ReadHall(ReadText(std::filesystem::path(PELMAR_TEST_DATA) / "hall" / "Hallfame.ini"));
  EXPECT_EQ(hall.Entry(1, 1), "Ann       125   40 07/12/26");
  EXPECT_EQ(hall.Entry(1, 2), "Bob       300    0 06/12/26");
  EXPECT_TRUE(records::IsEmptyEntry(hall.Entry(1, 3)));
  EXPECT_EQ(hall.Entry(1000, 1), "Cleo       59    0 01/11/26");
  EXPECT_EQ(hall.Entry(1000, 2), records::NeverUsedEntry) << "a missing key";
  EXPECT_EQ(hall.Entry(1020, 1), "Dan         0    0 02/11/26");
  EXPECT_EQ(hall.Entry(1040, 1), "Gus       123    4 04/11/26");
  EXPECT_EQ(hall.Entry(2, 1), records::NeverUsedEntry) << "a missing section";

  const HallOfFame padded = ReadHall("[Arena]\nRank1=0000    0\nRank2=\n");
  EXPECT_EQ(padded.Entry(2, 1), "---------0000    0");
  EXPECT_TRUE(records::IsEmptyEntry(padded.Entry(2, 2)));
}

TEST(HallFileTest, DamageReadsAsEmptyEntries) {
  const std::string longLine = "[Arena]\nRank1=Ann       125   40 " + std::string(2 << 20, '7');
  struct Case {
    std::string text;
    int rank;
    bool empty;
  } cases[] = {
      {"[Arena]\nRank1=Ann      12345    0 07/12/26\n", 1, true},
      {"[Arena]\nRank1=Ann       1x5    0 07/12/26\n", 1, true},
      {"[Arena]\nRank1=Ann       125    0 07/12/26\n", 1, false},
      {longLine, 1, true},
      {"[Arena]\nRank1=Ann       125    0\x00\x01\xff\n" + std::string("\x00\xff\x80", 3), 1,
       false},
      {std::string("\xff\xfe\x00[Arena\x00]\nRank1=\x80\x81\n", 20), 1, true},
      {"[Arena]\nRank2=Ann       125    0 07/12/26\n", 1, true}, // ranks need not be in order
  };
  for (const Case& c : cases) {
    const HallOfFame hall = ReadHall(c.text);
    EXPECT_EQ(records::IsEmptyEntry(hall.Entry(2, c.rank)), c.empty) << c.text.substr(0, 60);
    // Whatever was read, the table still takes results.
    HallOfFame copy = hall;
    EXPECT_GE(copy.AddHall(2, 10, 0, "X", "07/12/26"), 1);
  }
}

class HallSaveTest : public ::testing::Test {
protected:
  std::string Path() const { return (folder_.path() / "Hallfame.ini").string(); }
  TempFolder folder_;
};

TEST_F(HallSaveTest, WritesLayoutsWithEntriesAndEveryGameSection) {
  HallOfFame hall;
  hall.AddHall(3, 200, 10, "Al Bundy", "07/12/26"); // "The Big One"
  HallFile file(Path());
  EXPECT_EQ(file.Read(hall, Layouts), "") << "a missing file is no news";
  hall.AddHall(3, 200, 10, "Al Bundy", "07/12/26");
  EXPECT_EQ(file.Save(hall, Layouts), "");

  const platform::IniFile saved = platform::IniFile::Load(Path());
  EXPECT_TRUE(saved.HasSection("TheBigOne"));
  EXPECT_EQ(saved.ReadString("TheBigOne", "Rank1", ""), "Al Bundy  200   10 07/12/26");
  EXPECT_EQ(saved.ReadString("TheBigOne", "Rank10", ""), records::NeverUsedEntry);
  EXPECT_FALSE(saved.HasSection("GreenDragon"));
  EXPECT_FALSE(saved.HasSection("Arena"));
  for (const char* game : {"Rivers", "Rivers2", "Memory", "Memory2", "Clicks", "Clicks2", "Clicks3",
                           "Slider", "Columns"})
    EXPECT_EQ(saved.ReadString(game, "Rank10", ""), records::NeverUsedEntry) << game;

  // Read back by a later run.
  HallOfFame again;
  HallFile(Path()).Read(again, Layouts);
  EXPECT_EQ(again.Entry(3, 1), "Al Bundy  200   10 07/12/26");
}

TEST_F(HallSaveTest, ResetTableLosesItsSectionGameSectionsStay) {
  folder_.Write("Hallfame.ini", "[TheBigOne]\nRank1=Ann       125   40 07/12/26\n"
                                "[Gone Layout]\nRank1=Zed        99    0 01/01/26\n"
                                "[Slider]\nRank1=Fay       420    0 03/11/26\n");
  HallOfFame hall;
  HallFile file(Path());
  file.Read(hall, Layouts);
  hall.Reset(3);
  hall.Reset(1030);
  EXPECT_EQ(file.Save(hall, Layouts), "");
  const platform::IniFile saved = platform::IniFile::Load(Path());
  EXPECT_FALSE(saved.HasSection("TheBigOne"));
  EXPECT_EQ(saved.ReadString("Slider", "Rank1", ""), records::EmptyEntry);
  // A layout that is not installed now keeps its table for when it returns.
  EXPECT_EQ(saved.ReadString("Gone Layout", "Rank1", ""), "Zed        99    0 01/01/26");
}

TEST_F(HallSaveTest, APlayerNamedWithHyphensKeepsHisSection) {
  HallOfFame hall;
  HallFile file(Path());
  file.Read(hall, Layouts);
  hall.AddHall(2, 100, 0, "--------", "07/12/26");
  ASSERT_EQ(file.Save(hall, Layouts), "");
  HallOfFame next;
  HallFile(Path()).Read(next, Layouts);
  EXPECT_EQ(next.Entry(2, 1), "--------  100    0 07/12/26");
}

TEST_F(HallSaveTest, KeepsGoneLayoutsUntouched) {
  folder_.Write("Hallfame.ini", "[Gone Layout]\nRank1=Zed        99    0 01/01/26\n");
  HallOfFame hall;
  HallFile file(Path());
  file.Read(hall, Layouts);
  ASSERT_EQ(file.Save(hall, Layouts), "");
  const platform::IniFile saved = platform::IniFile::Load(Path());
  EXPECT_EQ(saved.ReadString("Gone Layout", "Rank1", ""), "Zed        99    0 01/01/26");
}

TEST_F(HallSaveTest, EntrySavedAtOnceSurvivesAKill) {
  {
    HallOfFame hall;
    HallFile file(Path());
    file.Read(hall, Layouts);
    hall.AddHall(1, 77, 0, "Quick", "07/12/26");
    ASSERT_EQ(file.Save(hall, Layouts), "");
    // The process dies here: nothing else is written, nothing is closed.
  }
  HallOfFame next;
  HallFile(Path()).Read(next, Layouts);
  EXPECT_EQ(next.Entry(1, 1), "Quick      77    0 07/12/26");
}

// A layout named like a game table keeps its own section, and each table survives the other.
TEST_F(HallSaveTest, ALayoutNamedLikeAGameTableKeepsItsOwnSection) {
  const std::vector<std::string> layouts = {"Slider", "Clicks 3", "columns", "Arena"};
  folder_.Write("Hallfame.ini", "[Slider]\nRank1=Fay       420    0 03/11/26\n");
  HallOfFame hall;
  HallFile file(Path());
  file.Read(hall, layouts);
  EXPECT_EQ(hall.Entry(1030, 1), "Fay       420    0 03/11/26");
  EXPECT_TRUE(records::IsEmptyEntry(hall.Entry(1, 1))) << "the game's table is not the layout's";
  const struct { int layout, game; } pairs[] = {{1, 1030}, {2, 1022}, {3, 1040}};
  for (const auto& p : pairs) {
    hall.AddHall(p.layout, 100 + p.layout, 0, "Lay", "07/12/26");
    hall.AddHall(p.game, 200 + p.layout, 0, "Game", "07/12/26");
  }
  ASSERT_EQ(file.Save(hall, layouts), "");

  const platform::IniFile saved = platform::IniFile::Load(Path());
  EXPECT_EQ(saved.ReadString("Layout Slider", "Rank1", ""), "Lay       101    0 07/12/26");
  EXPECT_EQ(saved.ReadString("Layout Clicks3", "Rank1", ""), "Lay       102    0 07/12/26");
  EXPECT_EQ(saved.ReadString("Layout columns", "Rank1", ""), "Lay       103    0 07/12/26");
  HallOfFame again;
  HallFile(Path()).Read(again, layouts);
  for (const auto& p : pairs) {
    EXPECT_EQ(again.Entry(p.layout, 1), hall.Entry(p.layout, 1)) << p.layout;
    for (int rank = 1; rank <= records::HallRanks; ++rank)
      EXPECT_EQ(again.Entry(p.game, rank), hall.Entry(p.game, rank)) << p.game << " " << rank;
  }
}

// Tests run as root, who may read anything: a file padded past the reading limit stands for
// one the player may not read. It holds every record all the same.
TEST_F(HallSaveTest, AFileThatCannotBeReadIsReportedAndNeverWrittenOver) {
  folder_.Write("Hallfame.ini", "[Arena]\nRank1=Ann       125   40 07/12/26\n");
  std::filesystem::resize_file(Path(), platform::IniFile::MaxFileBytes + 1);
  const std::string before = ReadText(Path());
  HallOfFame hall;
  HallFile file(Path());
  const std::string told = file.Read(hall, Layouts);
  EXPECT_EQ(told.rfind("Unable to read " + Path() + " (", 0), 0u) << told;
  hall.AddHall(2, 100, 0, "Bob", "07/12/26");
  EXPECT_EQ(file.Save(hall, Layouts), "") << "told once, when it was read";
  EXPECT_EQ(ReadText(Path()), before);
}

TEST_F(HallSaveTest, UnwritableFolderIsReportedOnceAndPlayGoesOn) {
  // A "folder" that is a file cannot be written into, whatever rights the test runs with.
  folder_.Write("Program", "not a folder");
  const std::string path = (folder_.path() / "Program" / "Hallfame.ini").string();
  HallOfFame hall;
  HallFile file(path);
  file.Read(hall, Layouts);
  hall.AddHall(2, 100, 0, "Bob", "07/12/26");
  EXPECT_EQ(file.Save(hall, Layouts), "Unable to write to " + path);
  EXPECT_TRUE(file.LastSaveFailed());
  hall.AddHall(2, 90, 0, "Bob", "07/12/26");
  EXPECT_EQ(file.Save(hall, Layouts), "") << "reported once";
  EXPECT_TRUE(file.LastSaveFailed());
  EXPECT_EQ(records::MainValue(hall.Entry(2, 1)), 90) << "the tables live on in memory";
  EXPECT_EQ(ReadText(folder_.path() / "Program"), "not a folder");
}

} // namespace
