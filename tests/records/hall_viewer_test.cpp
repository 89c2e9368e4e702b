#include <gtest/gtest.h>

#include "records/hall_viewer.h"
#include "support/test_platform.h"

namespace {

using records::HallViewer;
using shell::CommandId;

class RecordingHooks final : public records::HallHooks {
public:
  void ShowPanelHOF() override { ++panels; }
  void WriteAltGirls(bool on) override { written.push_back(on); }
  int panels = 0;
  std::vector<bool> written;
};

class HallViewerTest : public ::testing::Test {
protected:
  HallViewerTest() { game_.layouts.LayoutNames = {"Green Dragon", "Arena"}; }
  HallViewer Open(int layoutIndex) {
    game_.layouts.LayoutIndex = layoutIndex;
    return HallViewer(hall_, game_, ui_, hooks_);
  }
  engine::GameState game_;
  records::HallState hall_;
  testing_support::ScriptedUi ui_;
  RecordingHooks hooks_;
};

TEST_F(HallViewerTest, ListsLayoutsThenGamesAndMapsItemsToTables) {
  const HallViewer viewer = Open(1);
  EXPECT_EQ(viewer.Items(), (std::vector<std::string>{
                                "Green Dragon Layout", "Arena Layout", "Rivers (Easy)",
                                "Rivers (Hard)", "Memory (Easy)", "Memory (Hard)", "Clicks (Easy)",
                                "Clicks (Normal)", "Clicks (Hard)", "Slider", "Hashira"}));
  const std::vector<std::string>& names = game_.layouts.LayoutNames;
  const int slots[] = {1, 2, 1000, 1001, 1010, 1011, 1020, 1022, 1021, 1030, 1040, -1};
  for (int item = 0; item < 12; ++item) {
    EXPECT_EQ(records::SlotOfItem(item, names), slots[item]) << item;
    if (slots[item] > 0) {
      EXPECT_EQ(records::ItemOfSlot(slots[item], names), item);
    }
  }
  EXPECT_EQ(records::SlotOfItem(-1, names), -1);
  EXPECT_EQ(records::ItemOfSlot(3, names), -1) << "a layout not in the list";
  EXPECT_EQ(records::ItemOfSlot(1005, names), -1);
}

TEST_F(HallViewerTest, NeverMoreLayoutItemsThanSlots) {
  game_.layouts.LayoutNames.assign(1005, "L");
  const HallViewer viewer = Open(1);
  EXPECT_EQ(viewer.Items().size(), 999u + 9u);
  EXPECT_EQ(records::SlotOfItem(999, game_.layouts.LayoutNames), 1000);
}

TEST_F(HallViewerTest, ColumnRulesPerTable) {
  struct Case {
    int slot;
    const char* entry;
    const char* mainHeader;
    const char* secondHeader;
    const char* name;
    const char* main;
    int mainLeft;
    const char* second;
    const char* date;
  } cases[] = {
      {1, "Ann       125   40 07/12/26", "Time", "Malus", "Ann     ", "02:05", 157, "00:40",
       "07/12/26"},
      {1, "-------- 0000    0 00/00/00", "Time", "Malus", " ", "   ", 157, "   ", ""},
      {1, "-------- 0000    0", "Time", "Malus", " ", "   ", 157, "   ", ""},
      {1000, "Ann      9999    0 07/12/26", "Time", "Malus", "Ann     ", "166:39", 157, "00:00",
       "07/12/26"},
      {1020, "Ann         0    0 07/12/26", "Score", "Malus", "Ann     ", "   0", 157, "",
       "07/12/26"},
      {1022, "Ann        17    0 07/12/26", "Score", "Malus", "Ann     ", "  17", 157, "",
       "07/12/26"},
      {1030, "Ann       420    0 07/12/26", "Score", "Malus", "Ann     ", " 420", 157, "",
       "07/12/26"},
      {1030, "Ann      4200    0 07/12/26", "Score", "Malus", "Ann     ", "4200", 158, "",
       "07/12/26"},
      {1030, "-------- 0000    0", "Score", "Malus", " ", "   ", 157, "", ""},
      {1040, "Ann         1    3 07/12/26", "Score", "Level", "Ann     ", " 100", 157, "   3",
       "07/12/26"},
      {1040, "Ann        99   10 07/12/26", "Score", "Level", "Ann     ", "9900", 158, "  10",
       "07/12/26"},
      {1040, "Ann       123    0 07/12/26", "Score", "Level", "Ann     ", "12300", 155, "",
       "07/12/26"},
      {1040, "Ann      9999    9 07/12/26", "Score", "Level", "Ann     ", "999900", 151, "   9",
       "07/12/26"},
  };
  for (const Case& c : cases) {
    records::HallOfFame hall;
    hall.SetEntry(c.slot, 1, c.entry);
    const platform::HallRows rows = records::GenerateRows(hall, c.slot, 0);
    EXPECT_EQ(rows.mainHeader, c.mainHeader) << c.slot;
    EXPECT_EQ(rows.secondHeader, c.secondHeader) << c.slot;
    const platform::HallRow& r = rows.rows[0];
    EXPECT_EQ(r.name, c.name) << c.entry;
    EXPECT_EQ(r.main, c.main) << c.entry;
    EXPECT_EQ(r.mainLeft, c.mainLeft) << c.entry;
    EXPECT_EQ(r.second, c.second) << c.entry;
    EXPECT_EQ(r.date, c.date) << c.entry;
    EXPECT_FALSE(r.highlighted);
  }
}

TEST_F(HallViewerTest, HighlightOnlyForTheEntryJustMadeInItsTable) {
  hall_.tables.AddHall(1, 100, 0, "A", "07/12/26");
  hall_.tables.AddHall(1, 50, 0, "B", "07/12/26");
  game_.LastHallRank = 1;
  struct Case {
    bool justEntered;
    int shownSlot;
    int highlightedRank; // 0 for none
  } cases[] = {{true, 1, 1}, {false, 1, 0}, {true, 2, 0}, {true, 1000, 0}};
  for (const Case& c : cases) {
    hall_.HallJustEntered = c.justEntered;
    HallViewer viewer = Open(1);
    viewer.GenerateList(c.shownSlot);
    for (int rank = 1; rank <= 10; ++rank)
      EXPECT_EQ(viewer.Rows().rows[rank - 1].highlighted, rank == c.highlightedRank)
          << c.justEntered << " " << c.shownSlot << " " << rank;
  }
}

TEST_F(HallViewerTest, OpensOnTheCurrentTableOrNone) {
  EXPECT_EQ(Open(2).Rows().selectedItem, 1);
  EXPECT_EQ(Open(1021).Rows().selectedItem, 2 + 6);
  HallViewer none = Open(-1);
  EXPECT_EQ(none.Rows().selectedItem, -1);
  EXPECT_FALSE(none.BitBtn2Click());
  none.DeleteHighscoresClick();
  EXPECT_TRUE(ui_.questions.empty());
  none.LayoutComboBoxChange(-1);
  EXPECT_EQ(none.Rows().selectedItem, -1);
  none.LayoutComboBoxChange(3);
  EXPECT_EQ(none.Rows().selectedItem, 3);
}

TEST_F(HallViewerTest, ResetAsksAndEmptiesOnlyOnOk) {
  for (bool ok : {false, true}) {
    hall_ = {};
    ui_ = {};
    hooks_.panels = 0;
    hall_.tables.AddHall(2, 100, 0, "A", "07/12/26");
    HallViewer viewer = Open(2);
    ui_.okAnswers = {ok};
    viewer.DeleteHighscoresClick();
    ASSERT_EQ(ui_.questions.size(), 1u);
    EXPECT_NE(ui_.questions[0].find(
                  "Do you really want to remove the Hall of Fame entries for this layout ?"),
              std::string::npos);
    EXPECT_EQ(hall_.tables.Entry(2, 1), ok ? "-------- 0000    0" : "A         100    0 07/12/26");
    EXPECT_EQ(viewer.Rows().rows[0].name, ok ? " " : "A       ");
    EXPECT_EQ(viewer.Changed(), ok);
    EXPECT_EQ(hooks_.panels, 1);
    EXPECT_TRUE(hall_.HallPanelRefresh);
  }
}

TEST_F(HallViewerTest, NameEditRenamesTheNewEntryAndPersistsOrchid) {
  game_.layouts.LayoutIndex = 1;
  hall_.tables.AddHall(1, 100, 0, "Player1", "07/12/26");
  game_.LastHallRank = 1;
  hall_.HallJustEntered = true;
  HallViewer viewer = Open(1);
  viewer.PlayerNameChange("Orchid");
  EXPECT_EQ(hooks_.written, std::vector<bool>{true});
  EXPECT_EQ(viewer.Rows().rows[0].name, "Orchid  ");
  EXPECT_TRUE(viewer.Rows().rows[0].highlighted);
  EXPECT_TRUE(viewer.Changed());
  EXPECT_GE(hooks_.panels, 1);
}

TEST(LaunchTest, StartsExactlyTheTablesGame) {
  struct Case {
    int slot;
    std::optional<records::LaunchOrder> order;
  } cases[] = {
      {1, records::LaunchOrder{1, std::nullopt}},
      {999, records::LaunchOrder{999, std::nullopt}},
      {1000, records::LaunchOrder{0, CommandId::RiversEasy}},
      {1001, records::LaunchOrder{0, CommandId::RiversHard}},
      {1010, records::LaunchOrder{0, CommandId::MemoryEasy}},
      {1011, records::LaunchOrder{0, CommandId::MemoryHard}},
      {1020, records::LaunchOrder{0, CommandId::ClicksEasy}},
      {1021, records::LaunchOrder{0, CommandId::ClicksHard}},
      {1022, records::LaunchOrder{0, CommandId::ClicksNormal}},
      {1030, records::LaunchOrder{0, CommandId::Slider}},
      {1040, records::LaunchOrder{0, CommandId::Hashira}},
      {1002, std::nullopt},
      {0, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(records::LaunchOrderFor(c.slot), c.order) << c.slot;
}

TEST_F(HallViewerTest, LaunchTakesTheSelectedTable) {
  HallViewer viewer = Open(1);
  viewer.LayoutComboBoxChange(7); // Clicks (Normal)
  EXPECT_TRUE(viewer.BitBtn2Click());
  EXPECT_EQ(viewer.LaunchSlot(), 1022);
}

} // namespace
