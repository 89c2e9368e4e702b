#include "shell/startup.h"

#include <gtest/gtest.h>

#include "support/test_platform.h"

namespace {

using Names = std::vector<std::string>;

struct StartLayoutCase {
  const char* label;
  int layoutIndex, lastBoard;
  int checked;
  std::string file;
  int layoutIndexAfter, lastBoardAfter;
};

TEST(StartupTest, ChoosesTheStartLayout) {
  testing_support::TempFolder tmp;
  for (const char* name : {"Arena.lay", "Traditional.lay", "Wall.lay", "Crab.shp"})
    tmp.Write("Layouts/" + std::string(name), "x");
  const Names lay{"Arena", "Traditional", "Wall"};
  const Names shp{"Crab.shp"};
  const StartLayoutCase cases[] = {
      {"a fresh installation starts on Traditional", -1, 1, 2, "Traditional.lay", 2, 1},
      {"a stored number is kept", 3, 1, 3, "Wall.lay", 3, 1},
      {"beyond the list: Traditional", 9, 1, 2, "Traditional.lay", 2, 1},
      {"a chosen .shp entry, after the .lay ones, survives", 4, 1, 4, "Crab.shp", 4, 1},
      {"a game code keeps itself and starts on LastBoard", 1000, 3, 3, "Wall.lay", 1000, 3},
      {"LastBoard beyond the list: the last layout", 1010, 50, 4, "Crab.shp", 1010, 50},
      {"LastBoard below 1: the first layout", 1020, 0, 1, "Arena.lay", 1020, 1},
  };
  for (const StartLayoutCase& c : cases) {
    engine::GameState state;
    state.layouts.Folders = tmp.path().string() + "/";
    state.layouts.LayoutIndex = c.layoutIndex;
    state.LastBoard = c.lastBoard;
    ASSERT_TRUE(shell::ChooseStartLayout(state, lay, shp)) << c.label;
    EXPECT_EQ(state.layouts.LayoutNames, (Names{"Arena", "Traditional", "Wall", "Crab.shp"}));
    EXPECT_EQ(state.layouts.CheckedEntry, c.checked) << c.label;
    EXPECT_EQ(state.layouts.LayoutPath, state.layouts.LayoutsFolder() + c.file) << c.label;
    EXPECT_EQ(state.layouts.LayoutIndex, c.layoutIndexAfter) << c.label;
    EXPECT_EQ(state.LastBoard, c.lastBoardAfter) << c.label;
  }
}

TEST(StartupTest, AGoneLayoutFileFallsBackToTheFirstAndNoLayoutStopsStartUp) {
  testing_support::TempFolder tmp;
  tmp.Write("Layouts/Ring.shp", "x");
  engine::GameState state;
  state.layouts.Folders = tmp.path().string() + "/";
  state.layouts.LayoutIndex = 1;
  // "Gone" is listed but its file has vanished; the first entry is a ".shp" that keeps its name.
  ASSERT_TRUE(shell::ChooseStartLayout(state, {}, {"Ring.shp", "Gone.shp"}));
  state.layouts.LayoutIndex = 2;
  ASSERT_TRUE(shell::ChooseStartLayout(state, {}, {"Ring.shp", "Gone.shp"}));
  EXPECT_EQ(state.layouts.CheckedEntry, 1);
  EXPECT_EQ(state.layouts.LayoutPath, state.layouts.LayoutsFolder() + "Ring.shp");
  EXPECT_FALSE(shell::ChooseStartLayout(state, {}, {}));
}

TEST(StartupTest, AnEntryOfAnotherProgramsFileStartsOnThatFile) {
  testing_support::TempFolder tmp;
  tmp.Write("Layouts/twins.map", "x");
  const std::vector<engine::ForeignEntry> foreign = {{"Bridge", "twins.map", "Bridge"},
                                                     {"Plain", "twins.map", "Plain"}};
  // Entry 2 is a map; entry 3, "Wall", has no file, so the first entry, a map too, stands in.
  for (auto [index, checked] : {std::pair{2, 2}, std::pair{3, 1}}) {
    engine::GameState state;
    state.layouts.Folders = tmp.path().string() + "/";
    state.layouts.LayoutIndex = index;
    ASSERT_TRUE(shell::ChooseStartLayout(state, {"Bridge", "Plain", "Wall"}, {}, foreign));
    EXPECT_EQ(state.layouts.ForeignLayouts, foreign);
    EXPECT_EQ(state.layouts.LayoutPath, state.layouts.LayoutsFolder() + "twins.map") << index;
    EXPECT_EQ(state.layouts.CheckedEntry, checked);
  }
}

} // namespace
