#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/layout_file.h"
#include "program_fixture.h"
#include "records/favourites.h"
#include "shell/data_folders.h"

namespace program_testing {
namespace {

using platform::PointerButton;
using testing_support::ReadText;

// The layout editor and the chooser on the whole program, with a small layout of two rows of
// four and a hall of fame that holds results for it and for a layout that is gone.
class LayoutsTest : public ProgramTest {
protected:
  void SetUp() override {
    folder_.Folder().Write("Layouts/Eight.lay", ReadText(testing_support::TestLayout("eight.lay")));
    const std::string record = "Ann       125   40 07/12/26";
    folder_.Folder().Write("Hallfame.ini",
                           "[Eight]\r\nRank1=" + record + "\r\n[Gone]\r\nRank1=" + record + "\r\n");
    ProgramTest::SetUp();
  }

  // A click where the editor proposes the first-layer position (x, y), nothing being beside it
  // on the right or below.
  void ClickOn(int x, int y, PointerButton button = PointerButton::Left) {
    pelmar_.OnBoardRelease(button, Board().BoardLeft + 20 * x - 20, Board().BoardTop + 25 * y - 47);
  }
  // The value of the information strip's field with this caption.
  std::string& Strip(const std::string& caption) {
    const auto& fields = window_.infoStrip;
    const auto it = std::find_if(fields.begin(), fields.end(), [&](const platform::InfoField& f) {
      return f.caption == caption;
    });
    EXPECT_NE(it, fields.end()) << caption;
    return window_.infoValues[static_cast<int>(it - fields.begin())];
  }
  const std::string& Message() const { return window_.scriptedUi.messages.back(); }
  int Entry(const std::string& name) {
    const auto& names = State().layouts.LayoutNames;
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin()) + 1;
  }
  engine::LayoutGrid FileCells(const std::string& name) {
    return engine::ParseLay(ReadText(State().layouts.LayoutsFolder() + name + ".lay")).cells;
  }
  std::string HallFile() { return ReadText(folder_.Path() + "Hallfame.ini"); }
  void ExpectMainWindowBack() {
    EXPECT_EQ(window_.menuBar, platform::MenuBar::Main);
    EXPECT_TRUE(window_.parts[platform::WindowPart::Toolbar]);
    EXPECT_TRUE(window_.infoStrip.empty());
    EXPECT_EQ(Board().GameMode, engine::ModeSolitaire);
  }
};

TEST_F(LayoutsTest, ANewLayoutOfEightTilesIsTriedThenPlayedToTheEnd) {
  Command(CommandId::CreateLayout);
  ASSERT_EQ(Board().GameMode, engine::ModeEditor);
  EXPECT_EQ(window_.menuBar, platform::MenuBar::Editor);
  EXPECT_FALSE(window_.parts[platform::WindowPart::Toolbar]);
  EXPECT_FALSE(window_.popupEnabled) << "the right button removes";
  EXPECT_FALSE(Enabled(CommandId::EditorSave)) << "a new layout has no file to save over";
  EXPECT_EQ(Strip("Layout Name"), "New Layout");
  for (int k = 0; k < 8; ++k) ClickOn(2 + 4 * (k % 4), 2 + 4 * (k / 4));
  EXPECT_EQ(Strip("Tiles"), "8");
  EXPECT_EQ(Strip("Free Tiles"), "8");
  EXPECT_EQ(Strip("Needed"), "0");
  Strip("Layout Name") = "Eight apart";

  Command(CommandId::EditorTryIt);
  EXPECT_EQ(Message(), "Layout saved as \"Temporary.lay\". Click on \"Edit layout\" to call the "
                       "layout editor and save it under a definitive name.");
  ExpectMainWindowBack();
  const engine::LayoutState& l = State().layouts;
  EXPECT_EQ(ReadText(l.LayoutsFolder() + "Temporary.lay").substr(0, 25),
            "Pelmar 6.0\r\nEight apart\r\n");
  ASSERT_EQ(l.LayoutNames.back(), "Temporary");
  EXPECT_EQ(l.LayoutIndex, l.LayoutCount());
  const platform::MenuItem& item = window_.items[shell::LayoutEntryBase + l.LayoutCount()];
  EXPECT_EQ(item.caption, "Temporary");
  EXPECT_TRUE(item.checked);

  ASSERT_EQ(Board().TilesLeft, 8);
  while (Board().TilesLeft > 0) {
    Tick();
    const auto pairs = FreePairs(Board());
    ASSERT_FALSE(pairs.empty());
    Now() += 5000;
    ClickTile(pairs[0].first);
    ClickTile(pairs[0].second);
  }
  Tick();
  EXPECT_EQ(window_.results.size(), 1u);
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);
  EXPECT_NE(HallFile().find("[Temporary]"), std::string::npos) << "the new layout's own table";
}

TEST_F(LayoutsTest, TheEditorPlacesUpTo144AndSavesOnlyAPlayableMultipleOf4) {
  Command(CommandId::CreateLayout);
  Command(CommandId::EditorTryIt);
  EXPECT_EQ(Message(), "This layout is not playable ! Please make more free moves...");
  EXPECT_EQ(window_.boardFocused, 1);
  for (int y = 1; y <= 19; y += 2)
    for (int x = 1; x <= 33; x += 2) ClickOn(x, y);
  EXPECT_EQ(Strip("Tiles"), "144") << "the last 26 clicks placed nothing";
  EXPECT_EQ(Strip("Needed"), "0");
  ClickOn(1, 1, PointerButton::Right);
  ClickOn(3, 1, PointerButton::Right);
  EXPECT_EQ(Strip("Tiles"), "142");
  EXPECT_EQ(Strip("Needed"), "2");
  Command(CommandId::EditorSaveAs);
  EXPECT_EQ(Message(), "You haven't finished building the layout yet ! The \" Tiles left \" "
                       "indicator must be a multiple of 4...");
  EXPECT_EQ(Board().GameMode, engine::ModeEditor);
  Command(CommandId::Hint);
  Command(CommandId::RandomSolitaire);
  EXPECT_EQ(Board().GameMode, engine::ModeEditor) << "the main menu bar is out of reach";

  // "Exit" discards the design and plays the layout of before from its file.
  Command(CommandId::EditorExit);
  ExpectMainWindowBack();
  EXPECT_EQ(State().layouts.LayoutIndex, Entry("Traditional"));
  EXPECT_EQ(State().layouts.LayoutCells, FileCells("Traditional"));
  EXPECT_EQ(Board().TilesLeft, 144);
}

TEST_F(LayoutsTest, SavingKeepsTheHallOfFameAndANewNameFindsItsOwn) {
  pelmar_.OnCommand(shell::LayoutEntryBase + Entry("Eight"));
  Command(CommandId::EditLayout);
  ASSERT_TRUE(Enabled(CommandId::EditorSave));
  EXPECT_EQ(Strip("Tiles"), "8");
  Command(CommandId::MoveToTop);
  const engine::LayoutGrid edited = State().layouts.LayoutCells;
  const int count = State().layouts.LayoutCount();
  Command(CommandId::EditorSave);
  ExpectMainWindowBack();
  EXPECT_EQ(FileCells("Eight"), edited);
  EXPECT_EQ(State().layouts.LayoutCount(), count) << "no second entry";

  Command(CommandId::EditLayout);
  window_.scriptedUi.saveFileNames.push_back(State().layouts.LayoutsFolder() + "Gone");
  Command(CommandId::EditorSaveAs);
  ExpectMainWindowBack();
  EXPECT_EQ(State().layouts.LayoutNames.back(), "Gone");
  EXPECT_EQ(State().layouts.LayoutIndex, count + 1);
  window_.Close();
  const std::string hall = HallFile();
  for (const char* section : {"[Eight]", "[Gone]"})
    EXPECT_NE(hall.find(section), std::string::npos) << section << " lost its results";
}

TEST_F(LayoutsTest, TheChooserKeepsItsFavouritesHoweverItClosesAndPlaysWhatWasChosen) {
  // A layout made during this run is listed in its sorted place.
  Command(CommandId::CreateLayout);
  for (int k = 0; k < 4; ++k) ClickOn(2 + 4 * k, 2);
  Command(CommandId::EditorTryIt);
  std::vector<std::string> items;
  window_.chooserScript = [&](platform::LayoutChooserModel& chooser) {
    items = chooser.Items();
    const int temporary =
        static_cast<int>(std::find(items.begin(), items.end(), "Temporary") - items.begin());
    chooser.FaveLayoutsDragDrop(temporary, -1); // then "Cancel"
  };
  Command(CommandId::SelectLayout);
  EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), shell::LessIgnoringCase));
  EXPECT_EQ(ReadText(folder_.Path() + records::FavouritesFileName),
            "Arena\r\nN for Tessel\r\nTraditional\r\nTemporary\r\n");
  Command(CommandId::ViewFavoritesOnly);
  EXPECT_FALSE(window_.hidden[shell::LayoutEntryBase + Entry("Temporary")]);
  EXPECT_TRUE(window_.hidden[shell::LayoutEntryBase + Entry("Pyramid")]);

  window_.chooserScript = [&](platform::LayoutChooserModel& chooser) {
    chooser.LayoutListClick(
        static_cast<int>(std::find(items.begin(), items.end(), "Pyramid") - items.begin()));
    chooser.BitBtn1Click();
  };
  Command(CommandId::SelectLayout);
  EXPECT_EQ(State().layouts.LayoutIndex, Entry("Pyramid"));
  EXPECT_EQ(Board().GameMode, engine::ModeSolitaire);
  EXPECT_FALSE(window_.hidden[shell::LayoutEntryBase + Entry("Pyramid")]) << "the current one";
  window_.chooserScript = [](platform::LayoutChooserModel& chooser) { chooser.BitBtn3Click(); };
  Command(CommandId::SelectLayout);
  EXPECT_EQ(Board().GameMode, engine::ModeEditor);
  EXPECT_EQ(State().layouts.LayoutIndex, Entry(items[0]));
}

TEST_F(LayoutsTest, LoadFromDiskPlaysALayoutOfAnotherProgram) {
  window_.scriptedUi.openFileNames.push_back(testing_support::TestLayout("pyramid.layout"));
  Command(CommandId::LoadLayoutFromDisk);
  EXPECT_EQ(Board().GameMode, engine::ModeSolitaire);
  EXPECT_EQ(State().layouts.LayoutIndex, 0) << "outside the list";
  for (int k = 1; k <= State().layouts.LayoutCount(); ++k)
    EXPECT_FALSE(window_.items[shell::LayoutEntryBase + k].checked) << k;
}

} // namespace
} // namespace program_testing
