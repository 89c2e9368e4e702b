#include "engine/layout_loading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "engine/layout_file.h"
#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;
using engine::GameState;
using engine::LayoutGrid;
using testing_support::BuiltLayout;
using testing_support::ReadText;
using testing_support::TestLayout;

// A program folder of its own with a Layouts folder, a fresh game and recorded services.
struct Scene {
  testing_support::TempFolder tmp;
  std::unique_ptr<GameState> state = std::make_unique<GameState>();
  testing_support::RecordingServices services{*state};

  Scene() { state->layouts.Folders = tmp.path().string() + "/"; }
  std::string Folder() const { return state->layouts.LayoutsFolder(); }
  std::string Put(const std::string& name, const std::string& bytes) const {
    return tmp.Write("Layouts/" + name, bytes);
  }
  std::string Copy(const std::string& from, const std::string& name) const {
    return Put(name, ReadText(from));
  }
  std::vector<std::string>& messages() { return services.scriptedUi().messages; }

  // A layout that is already current, so a refused load can be seen to leave it alone.
  void MakeCurrent() {
    auto& l = state->layouts;
    l.LayoutCells = Cells(TestLayout("four.lay"));
    l.LayoutName = "Before";
    l.LayoutPath = "/before/Four.lay";
    l.LayoutIndex = 2;
    l.CheckedEntry = 2;
  }
  static LayoutGrid Cells(const std::string& layFile) {
    return engine::ParseLay(ReadText(layFile)).cells;
  }
};

struct Current {
  LayoutGrid cells;
  std::string name, path;
  int index, checked;
  static Current Of(const engine::LayoutState& l) {
    return {l.LayoutCells, l.LayoutName, l.LayoutPath, l.LayoutIndex, l.CheckedEntry};
  }
  bool operator==(const Current&) const = default;
};

std::string Selected(const std::string& name) {
  return "Layout \u201C" + name + "\u201D selected.";
}

bool Mentions(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(RunLayout, GoodLayoutLoadsAndBeginsAGame) {
  struct Case {
    std::string file, name;
    int positions;
  } cases[] = {{TestLayout("four.lay"), "Four in a Row", 4},
               {TestLayout("eight.lay"), "Eight", 8},
               {TestLayout("stacked.lay"), "Two Stacked", 2},
               {TestLayout("odd.lay"), "Odd One Out", 5},
               {BuiltLayout("Traditional"), "Traditional", 144}};
  for (const Case& c : cases) {
    Scene s;
    s.state->LastHallRank = 3;
    ASSERT_TRUE(engine::RunLayout(*s.state, s.services, c.file)) << c.file;
    EXPECT_TRUE(s.messages().empty()) << c.file;
    EXPECT_EQ(s.state->layouts.LayoutName, c.name);
    EXPECT_TRUE(s.state->layouts.LayoutCells == Scene::Cells(c.file)) << c.file;
    EXPECT_EQ(s.state->LastHallRank, 0);
    EXPECT_EQ(s.state->status.StatusMessage, Selected(c.name));
    EXPECT_EQ(s.state->board.GameMode, engine::ModeSolitaire) << c.file;
    EXPECT_EQ(s.state->board.TileCount, c.positions);
    EXPECT_EQ(s.state->board.TilesLeft, c.positions);
    EXPECT_TRUE(testing_support::BoardIsConsistent(s.state->board)) << c.file;
  }
}

TEST(RunLayout, AtStartupOnlyTheBannerShows) {
  Scene s;
  s.state->layouts.StartupLoading = true;
  s.Copy(TestLayout("shape.shp"), "shape.shp");
  s.state->layouts.LayoutNames = {"shape.shp"};
  ASSERT_TRUE(engine::RunLayout(*s.state, s.services, TestLayout("eight.lay")));
  EXPECT_EQ(s.state->layouts.LayoutName, "Eight");
  EXPECT_EQ(s.state->status.StatusMessage, engine::StartupBanner);
  ASSERT_TRUE(engine::LoadShplayoutClick(*s.state, s.services, 1));
  EXPECT_EQ(s.state->status.StatusMessage, engine::StartupBanner);
  EXPECT_TRUE(s.state->layouts.LayoutCells ==
              engine::ParseShp(ReadText(TestLayout("shape.shp"))).cells);
  EXPECT_EQ(s.state->board.GameMode, engine::ModeNone);
  EXPECT_TRUE(s.services.modes.empty());
  EXPECT_TRUE(s.messages().empty());
}

std::string OtherVersion(const std::string& header) {
  return header + "\r\nOld\r\n" + std::string(3399, '0') + "1\r\n";
}

TEST(RunLayout, OtherVersionPlaysTraditionalInstead) {
  for (bool fromMenu : {false, true}) {
    Scene s;
    s.Copy(BuiltLayout("Traditional"), "Traditional.lay");
    std::string old = s.Put("Old.lay", OtherVersion("Some Other Game 2.0"));
    // The name twice: the later entry is the one that counts.
    s.state->layouts.LayoutNames = {"Traditional", "Old", "Traditional", "Other"};
    bool loaded = fromMenu ? engine::LoadlayoutClick(*s.state, s.services, 2)
                           : engine::RunLayout(*s.state, s.services, old);
    ASSERT_TRUE(loaded) << fromMenu;
    EXPECT_EQ(s.messages(), std::vector<std::string>{
                                "You are trying to play a layout intended for use with Some Other "
                                "Game 2.0"});
    EXPECT_EQ(s.state->layouts.LayoutIndex, 3);
    EXPECT_EQ(s.state->layouts.LayoutName, "Traditional");
    EXPECT_EQ(s.state->layouts.LayoutPath, s.Folder() + "Traditional.lay");
    EXPECT_EQ(s.state->board.GameMode, engine::ModeSolitaire);
    EXPECT_EQ(s.state->board.TilesLeft, 144);
  }
}

TEST(RunLayout, FallbackIsTriedOnceAndTheOldLayoutStays) {
  struct Case {
    std::string label;
    std::optional<std::string> traditional; // none: no such file
    std::string secondMessage;
  } cases[] = {
      {"Traditional missing", std::nullopt, "Unable to read"},
      {"Traditional of another version", OtherVersion("Another 1.0"),
       "You are trying to play a layout intended for use with Another 1.0"},
      {"Traditional broken", std::string("Pelmar 3.0\r\nTraditional\r\n0101\r\n"),
       "cannot be used"},
  };
  for (const Case& c : cases) {
    Scene s;
    if (c.traditional) s.Put("Traditional.lay", *c.traditional);
    std::string old = s.Put("Old.lay", OtherVersion("Some Other Game 2.0"));
    s.state->layouts.LayoutNames = {"Old", "Traditional"};
    s.MakeCurrent();
    Current before = Current::Of(s.state->layouts);
    EXPECT_FALSE(engine::RunLayout(*s.state, s.services, old)) << c.label;
    ASSERT_EQ(s.messages().size(), 2u) << c.label;
    EXPECT_TRUE(Mentions(s.messages()[1], c.secondMessage)) << c.label << ": " << s.messages()[1];
    EXPECT_TRUE(Current::Of(s.state->layouts) == before) << c.label;
    EXPECT_TRUE(s.services.modes.empty()) << c.label;
  }
}

TEST(RunLayout, UnusableFilesAreRefusedAndTheOldLayoutStays) {
  Scene s;
  std::string shortLine =
      s.Put("Short.lay", "Pelmar 6.0\r\nShort\r\n" + std::string(3399, '1') + "\r\n");
  std::string shortShp = s.Put("short.shp", std::string("0000A0302\r\n"));
  std::string absent = s.Folder() + "Absent.lay";
  s.state->layouts.LayoutNames = {"Short", "Absent", "short.shp"};
  s.MakeCurrent();
  const Current before = Current::Of(s.state->layouts);
  struct Case {
    std::string label, path, mentions;
    bool (*load)(GameState&, engine::GameServices&, const std::string&);
  } cases[] = {{"short line 3", shortLine, "3399", engine::RunLayout},
               {"missing .lay", absent, "Unable to read", engine::RunLayout},
               {"short .shp", shortShp, "144", engine::RunShpLayout},
               {"missing .shp", s.Folder() + "absent.shp", "Unable to read", engine::RunShpLayout}};
  for (const Case& c : cases) {
    s.messages().clear();
    EXPECT_FALSE(c.load(*s.state, s.services, c.path)) << c.label;
    ASSERT_EQ(s.messages().size(), 1u) << c.label;
    EXPECT_TRUE(Mentions(s.messages()[0], c.path)) << s.messages()[0];
    EXPECT_TRUE(Mentions(s.messages()[0], c.mentions)) << s.messages()[0];
    EXPECT_TRUE(Current::Of(s.state->layouts) == before) << c.label;
  }
  // The menu entries put back the path, index and check mark they changed.
  EXPECT_FALSE(engine::LoadlayoutClick(*s.state, s.services, 1));
  EXPECT_FALSE(engine::LoadlayoutClick(*s.state, s.services, 2));
  EXPECT_FALSE(engine::LoadShplayoutClick(*s.state, s.services, 3));
  s.messages().clear();
  for (int entry : {0, -1, 4})
    EXPECT_FALSE(engine::LoadlayoutClick(*s.state, s.services, entry)) << entry;
  EXPECT_TRUE(s.messages().empty());
  EXPECT_TRUE(Current::Of(s.state->layouts) == before);
  EXPECT_TRUE(s.services.modes.empty());
}

TEST(RunLayout, HugeFileIsRefusedWithoutFillingMemory) {
  Scene s;
  std::string huge = s.Folder() + "Huge.lay";
  s.Copy(TestLayout("eight.lay"), "Huge.lay");
  fs::resize_file(huge, std::uintmax_t{2} << 30); // sparse: takes no disk space
  rusage before{}, after{};
  getrusage(RUSAGE_SELF, &before);
  EXPECT_FALSE(engine::RunLayout(*s.state, s.services, huge));
  EXPECT_FALSE(engine::RunShpLayout(*s.state, s.services, huge));
  getrusage(RUSAGE_SELF, &after);
  fs::remove(huge);
  ASSERT_EQ(s.messages().size(), 2u);
  EXPECT_TRUE(Mentions(s.messages()[0], "larger than")) << s.messages()[0];
  EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "kilobytes more at peak";
}

TEST(LoadShplayoutClick, NamesTheLayoutByItsFullPath) {
  Scene s;
  s.Copy(TestLayout("shape.shp"), "shape.shp");
  s.state->layouts.LayoutNames = {"Traditional", "shape.shp"};
  ASSERT_TRUE(engine::LoadShplayoutClick(*s.state, s.services, 2));
  const std::string path = s.Folder() + "shape.shp";
  EXPECT_EQ(s.state->layouts.LayoutPath, path);
  EXPECT_EQ(s.state->layouts.LayoutName, path);
  EXPECT_EQ(s.state->status.StatusMessage, Selected(path));
  EXPECT_EQ(s.state->layouts.LayoutIndex, 2);
  EXPECT_EQ(s.state->layouts.CheckedEntry, 2);
  EXPECT_EQ(s.state->board.TilesLeft, 144);
  EXPECT_TRUE(testing_support::BoardIsConsistent(s.state->board));
}

// A direct load is named after the file it read, not after whatever was loaded before.
TEST(RunShpLayout, NamesTheLayoutByThePathItWasGiven) {
  Scene s;
  std::string path = s.Copy(TestLayout("shape.shp"), "shape.shp");
  ASSERT_TRUE(engine::RunShpLayout(*s.state, s.services, path));
  EXPECT_EQ(s.state->layouts.LayoutName, path);
  EXPECT_EQ(s.state->status.StatusMessage, Selected(path));
}

// Every kind of entry plays through the one entry point, each named as its format names it.
TEST(LoadLayoutEntry, PlaysEveryKindOfEntry) {
  Scene s;
  s.Copy(TestLayout("eight.lay"), "Eight.lay");
  s.Copy(TestLayout("shape.shp"), "shape.shp");
  s.Copy(TestLayout("pyramid.layout"), "pyramid.layout");
  s.Copy(TestLayout("twins.map"), "twins.map");
  auto& l = s.state->layouts;
  l.LayoutNames = {"Bridge & Tower", "Eight", "Plain", "pyramid", "shape.shp"};
  l.ForeignLayouts = {{"pyramid", "pyramid.layout", ""},
                      {"Bridge & Tower", "twins.map", "Bridge & Tower"},
                      {"Plain", "twins.map", "Plain"}};
  struct Case {
    int entry;
    std::string name, file;
    int tiles;
  } cases[] = {{3, "Plain", "twins.map", 4},
               {1, "Bridge & Tower", "twins.map", 12},
               {4, "pyramid", "pyramid.layout", 16},
               {2, "Eight", "Eight.lay", 8},
               {5, s.Folder() + "shape.shp", "shape.shp", 144}};
  for (const Case& c : cases) {
    ASSERT_TRUE(engine::LoadLayoutEntry(*s.state, s.services, c.entry)) << c.name;
    EXPECT_EQ(l.LayoutName, c.name);
    EXPECT_EQ(l.LayoutPath, s.Folder() + c.file);
    EXPECT_EQ(l.LayoutIndex, c.entry);
    EXPECT_EQ(l.CheckedEntry, c.entry);
    EXPECT_EQ(s.state->status.StatusMessage, Selected(c.name));
    EXPECT_EQ(s.state->board.TilesLeft, c.tiles) << c.name;
  }
  EXPECT_TRUE(s.messages().empty());

  // At the next start the map of the checked entry is read again, without a game.
  l.CheckedEntry = 3;
  l.LayoutPath = s.Folder() + "twins.map";
  ASSERT_TRUE(engine::RunStartLayout(*s.state, s.services));
  EXPECT_EQ(l.LayoutName, "Plain");
  EXPECT_EQ(s.state->status.StatusMessage, engine::StartupBanner);
  EXPECT_FALSE(l.StartupLoading);

  // A map that left its file since the list was made is refused, and the layout stays.
  s.Put("twins.map", "<mahjongg><map name='Other'><tile x='0' y='0'/></map></mahjongg>");
  EXPECT_FALSE(engine::LoadLayoutEntry(*s.state, s.services, 1));
  ASSERT_EQ(s.messages().size(), 1u);
  EXPECT_TRUE(Mentions(s.messages()[0], "no map named \"Bridge & Tower\"")) << s.messages()[0];
  EXPECT_EQ(l.LayoutIndex, 5);
}

TEST(LoadLayoutFromDisk, ListedFilesPlayAsTheirEntryOthersOutsideTheList) {
  Scene s;
  s.Put("pair.map", "<mahjongg><map name='Zen'><tile x='0' y='0'/><tile x='2' y='0'/></map>"
                    "<map name='Apple'><tile x='0' y='0'/></map></mahjongg>");
  auto& l = s.state->layouts;
  l.LayoutNames = {"Apple", "Zen", "Traditional"};
  l.ForeignLayouts = {{"Zen", "pair.map", "Zen"}, {"Apple", "pair.map", "Apple"}};
  auto& dialog = s.services.scriptedUi().openFileNames;

  EXPECT_FALSE(engine::LoadLayoutFromDisk(*s.state, s.services)); // cancelled
  EXPECT_EQ(s.services.scriptedUi().questions.size(), 1u);

  // The first map of a listed file plays as the entry the list gave it, wherever sorting put it.
  dialog.push_back(s.Folder() + "pair.map");
  ASSERT_TRUE(engine::LoadLayoutFromDisk(*s.state, s.services));
  EXPECT_EQ(l.LayoutIndex, 2);
  EXPECT_EQ(l.LayoutName, "Zen");

  // A file from elsewhere plays as no entry, so its results land in no layout's table.
  dialog.push_back(TestLayout("pyramid.layout"));
  ASSERT_TRUE(engine::LoadLayoutFromDisk(*s.state, s.services));
  EXPECT_EQ(l.LayoutIndex, 0);
  EXPECT_EQ(l.CheckedEntry, 0);
  EXPECT_EQ(l.LayoutName, "pyramid");
  EXPECT_EQ(s.state->board.TilesLeft, 16);

  s.MakeCurrent();
  const Current before = Current::Of(l);
  dialog.push_back(s.Put("bad.map", "<mahjongg><map><tile x='1.5' y='0'/></map></mahjongg>"));
  EXPECT_FALSE(engine::LoadLayoutFromDisk(*s.state, s.services));
  ASSERT_FALSE(s.messages().empty());
  EXPECT_TRUE(Mentions(s.messages().back(), "bad.map")) << s.messages().back();
  EXPECT_TRUE(Mentions(s.messages().back(), "between")) << s.messages().back();
  EXPECT_TRUE(Current::Of(l) == before);
}

TEST(SaveLayout, CancelledDialogSavesTemporary) {
  Scene s;
  s.state->layouts.LayoutCells = Scene::Cells(TestLayout("eight.lay"));
  s.state->layouts.LayoutName = "Eight";
  s.state->layouts.LayoutNames = {"Traditional"};
  s.state->board.GameMode = engine::ModeEditor;
  ASSERT_TRUE(engine::SaveLayout(*s.state, s.services));
  EXPECT_EQ(s.services.scriptedUi().questions.size(), 1u);
  EXPECT_EQ(s.messages(), std::vector<std::string>{
                              "Layout saved as \"Temporary.lay\". Click on \"Edit layout\" to call "
                              "the layout editor and save it under a definitive name."});
  const std::string file = s.Folder() + "Temporary.lay";
  EXPECT_EQ(s.state->layouts.LayoutPath, file);
  EXPECT_EQ(ReadText(file), ReadText(TestLayout("eight.lay")));
  EXPECT_EQ(s.services.modes, std::vector<int>{engine::ModeNone});
  EXPECT_EQ(s.state->board.GameMode, engine::ModeNone);
}

TEST(SaveLayout, KnownNamesAreReusedAndNewOnesAdded) {
  struct Case {
    std::string label, path; // path relative to Layouts/; "?" prefix: given by the dialog
    std::string file;
    int index;
    bool added;
  } cases[] = {
      {"known, from the dialog", "?Castle", "Castle.lay", 2, false},
      {"known, current path", "Castle.lay", "Castle.lay", 2, false},
      {"new, from the dialog", "?Fort.lay", "Fort.lay", 4, true},
      {"new, no extension", "Fort", "Fort.lay", 4, true},
      {"another folder: played outside the list", "?../Fort.lay", "../Fort.lay", 0, false},
  };
  for (const Case& c : cases) {
    Scene s;
    auto& l = s.state->layouts;
    l.LayoutCells = Scene::Cells(BuiltLayout("Traditional"));
    l.LayoutName = "My Castle";
    l.LayoutNames = {"Traditional", "Castle", "Other"};
    l.CheckedEntry = 1;
    if (c.path[0] == '?')
      s.services.scriptedUi().saveFileNames.push_back(s.Folder() + c.path.substr(1));
    else
      l.LayoutPath = s.Folder() + c.path;
    ASSERT_TRUE(engine::SaveLayout(*s.state, s.services)) << c.label;
    EXPECT_TRUE(s.messages().empty()) << c.label;
    EXPECT_EQ(l.LayoutPath, s.Folder() + c.file) << c.label;
    EXPECT_EQ(l.LayoutIndex, c.index) << c.label;
    EXPECT_EQ(l.LayoutCount(), c.added ? 4 : 3) << c.label;
    EXPECT_EQ(l.CheckedEntry, c.index) << c.label;
    if (c.index > 0) {
      EXPECT_EQ(l.LayoutNames[c.index - 1], c.file.substr(0, c.file.size() - 4)) << c.label;
    }
    EXPECT_EQ(s.services.addedLayouts, c.added ? std::vector<int>{4} : std::vector<int>{});
    EXPECT_EQ(s.services.modes, std::vector<int>{engine::ModeNone}) << c.label;
    engine::ParsedLayout back = engine::ParseLay(ReadText(l.LayoutPath));
    EXPECT_TRUE(back.cells == l.LayoutCells) << c.label;
    EXPECT_EQ(back.name, "My Castle") << c.label;
  }
}

// "Save" on a layout read from a .shp file or another program's file asks for a name instead of
// writing "name.shp.lay" beside it.
TEST(SaveLayout, ALayoutFromAnotherFormatIsSavedUnderANewName) {
  for (const char* file : {"shape.shp", "pyramid.layout"}) {
    Scene s;
    s.state->layouts.LayoutCells = Scene::Cells(TestLayout("eight.lay"));
    s.state->layouts.LayoutPath = s.Copy(TestLayout(file), file);
    s.services.scriptedUi().saveFileNames.push_back(s.Folder() + "Mine.lay");
    ASSERT_TRUE(engine::SaveLayout(*s.state, s.services)) << file;
    EXPECT_EQ(s.services.scriptedUi().questions.size(), 1u) << file;
    EXPECT_EQ(s.state->layouts.LayoutPath, s.Folder() + "Mine.lay");
    EXPECT_EQ(ReadText(s.Folder() + file), ReadText(TestLayout(file)));
    EXPECT_FALSE(fs::exists(s.Folder() + file + ".lay"));
  }
}

// Installed, the shipped layouts are not the player's to change: the edit of one is saved as the
// player's own, which is read in its place from then on.
TEST(SaveLayout, AShippedLayoutIsSavedAsThePlayersOwn) {
  Scene s;
  auto& l = s.state->layouts;
  l.Folders.shipped = s.tmp.path().string() + "/share/";
  l.Folders.player = l.Folders.config = s.tmp.path().string() + "/home/";
  fs::create_directories(s.Folder());
  const std::string shipped = s.tmp.Write("share/Layouts/Castle.lay", "shipped");
  l.LayoutNames = {"Castle"};
  l.LayoutCells = Scene::Cells(TestLayout("four.lay"));
  l.LayoutPath = shipped;
  ASSERT_TRUE(engine::SaveLayout(*s.state, s.services));
  EXPECT_EQ(l.LayoutPath, s.Folder() + "Castle.lay");
  EXPECT_EQ(l.LayoutFile("Castle.lay"), l.LayoutPath);
  EXPECT_EQ(ReadText(shipped), "shipped");
  EXPECT_EQ(l.LayoutNames, std::vector<std::string>{"Castle"});
}

// A folder such as "my.layouts/" must not keep "Fort" from getting its extension.
TEST(SaveLayout, ExtensionIsJudgedByTheFileNameOnly) {
  Scene s;
  s.state->layouts.Folders = s.tmp.path().string() + "/my.layouts/";
  fs::create_directories(s.Folder());
  s.state->layouts.LayoutCells = Scene::Cells(TestLayout("four.lay"));
  s.state->layouts.LayoutPath = s.Folder() + "Fort";
  ASSERT_TRUE(engine::SaveLayout(*s.state, s.services));
  EXPECT_EQ(s.state->layouts.LayoutPath, s.Folder() + "Fort.lay");
  EXPECT_TRUE(fs::exists(s.Folder() + "Fort.lay"));
  EXPECT_EQ(s.state->layouts.LayoutNames, std::vector<std::string>{"Fort"});
}

TEST(SaveLayout, UnwritablePathIsReportedAndNothingIsListed) {
  Scene s;
  fs::create_directories(s.Folder() + "Dir.lay");
  for (std::string path : {s.tmp.path().string() + "/absent/Fort.lay", s.Folder() + "Dir.lay"}) {
    s.messages().clear();
    s.state->layouts.LayoutPath = path;
    EXPECT_FALSE(engine::SaveLayout(*s.state, s.services)) << path;
    EXPECT_EQ(s.messages(), std::vector<std::string>{"Unable to write to " + path});
  }
  EXPECT_TRUE(s.state->layouts.LayoutNames.empty());
  EXPECT_TRUE(s.services.addedLayouts.empty());
  EXPECT_TRUE(s.services.modes.empty());
}

} // namespace
