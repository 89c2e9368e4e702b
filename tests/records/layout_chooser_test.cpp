#include "records/layout_chooser.h"

#include <gtest/gtest.h>

#include "records/favourites.h"
#include "render/layout_preview.h"
#include "support/test_platform.h"

namespace {

using Action = records::ChooserOutcome::Action;
using Names = std::vector<std::string>;
using platform::Bitmap;
using testing_support::ReadText;
using testing_support::TestLayout;

const Bitmap Minus(13, 15, platform::Rgb(255, 255, 255));
const Bitmap Green(704, 468, platform::Rgb(0, 128, 0));

// A program folder with a layout of every kind, one of them of another version.
class LayoutChooserTest : public ::testing::Test {
protected:
  LayoutChooserTest() {
    auto& l = layouts_;
    l.Folders = tmp_.path().string() + "/";
    tmp_.Write("Layouts/Eight.lay", ReadText(TestLayout("eight.lay")));
    tmp_.Write("Layouts/old.lay", "Other 1.0\r\nOld\r\n" + std::string(3400, '1') + "\r\n");
    tmp_.Write("Layouts/shape.shp", ReadText(TestLayout("shape.shp")));
    tmp_.Write("Layouts/twins.map", ReadText(TestLayout("twins.map")));
    l.LayoutNames = {"Eight", "old", "Bridge & Tower", "Plain", "shape.shp"};
    l.ForeignLayouts = {{"Bridge & Tower", "twins.map", "Bridge & Tower"},
                        {"Plain", "twins.map", "Plain"}};
  }
  records::LayoutChooser Open() {
    return records::LayoutChooser(layouts_, {"Traditional"}, Green, Minus, previewBack_, ui_);
  }
  std::string FavouritesFile() const {
    return layouts_.Folders.player + records::FavouritesFileName;
  }

  testing_support::TempFolder tmp_;
  engine::LayoutState layouts_;
  bool previewBack_ = false;
  testing_support::ScriptedUi ui_;
};

bool AllOf(const Bitmap& b, std::uint32_t colour) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (!platform::SameColour(b.Pixel(x, y), colour)) return false;
  return true;
}

TEST_F(LayoutChooserTest, PreviewsEveryKindOfLayoutAndPlaysTheEntryOfTheItem) {
  records::LayoutChooser chooser = Open();
  EXPECT_EQ(chooser.Items(), (Names{"Bridge & Tower", "Eight", "old", "Plain", "shape.shp"}));
  EXPECT_EQ(chooser.SelectedItem(), 0);
  struct Case {
    int item;
    std::string tiles, freeTiles, fullName;
    int entry;
  } cases[] = {
      {0, "12", "8", "Bridge & Tower", 3},
      {4, "144", "28", layouts_.LayoutsFolder() + "shape.shp", 5},
      // Another version: an empty preview and the reason, never the picture before it.
      {2, "", "", "Cannot be shown: its version header \"Other 1.0\" is not", 2},
      {1, "8", "4", "Eight", 1},
      {3, "4", "2", "Plain", 4},
  };
  for (const Case& c : cases) {
    chooser.LayoutListClick(c.item);
    const platform::LayoutPreviewLabels& labels = chooser.Labels();
    EXPECT_EQ(labels.tiles, c.tiles) << c.item;
    EXPECT_EQ(labels.freeTiles, c.freeTiles) << c.item;
    EXPECT_EQ(labels.fullName.substr(0, c.fullName.size()), c.fullName) << labels.fullName;
    EXPECT_EQ(AllOf(chooser.Preview(), render::PreviewPurple), c.tiles.empty()) << c.item;
    EXPECT_TRUE(chooser.BitBtn1Click());
    EXPECT_EQ(chooser.Outcome(), (records::ChooserOutcome{Action::Play, c.entry}));
  }
  EXPECT_TRUE(chooser.BitBtn3Click());
  EXPECT_EQ(chooser.Outcome(), (records::ChooserOutcome{Action::Edit, 4}));
  EXPECT_TRUE(chooser.BitBtn4Click());
  EXPECT_EQ(chooser.Outcome().action, Action::Create);

  // The check box draws on the board background from then on, and says so to the settings.
  chooser.CheckBox1Click(true);
  EXPECT_TRUE(previewBack_);
  EXPECT_TRUE(platform::SameColour(chooser.Preview().Pixel(0, 0), platform::Rgb(0, 128, 0)));
  EXPECT_TRUE(AllOf(chooser.Thumbnail(2), platform::Rgb(0, 128, 0)));
  chooser.ScrollClick(1);
  EXPECT_EQ(chooser.Outcome(), (records::ChooserOutcome{Action::Play, 1}));
}

// Read when it opens, written whole when it closes, whatever closed it (so "Cancel" keeps edits).
TEST_F(LayoutChooserTest, FavouritesAreReadOnOpeningAndWrittenWholeOnClosing) {
  tmp_.Write(records::FavouritesFileName, "Traditional\r\nArena\r\nGone\r\n");
  records::LayoutChooser chooser = Open();
  EXPECT_EQ(chooser.Favourites(), (Names{"Arena", "Gone", "Traditional"}));
  chooser.FaveLayoutsDragDrop(1, -1); // "Eight" below the last: by its E after Arena
  EXPECT_EQ(chooser.Favourites(), (Names{"Arena", "Eight", "Gone", "Traditional"}));
  chooser.LayoutListDragDrop(2);
  EXPECT_EQ(chooser.Favourites(), (Names{"Arena", "Eight", "Traditional"}));

  chooser.FaveLayoutsClick(1);
  EXPECT_EQ(chooser.SelectedItem(), 1);
  EXPECT_FALSE(chooser.FaveLayoutsDblClick(0)); // "Arena" is not a layout of this folder
  EXPECT_EQ(chooser.Outcome().action, Action::None);

  EXPECT_EQ(chooser.SaveFavourites(), (Names{"Arena", "Eight", "Traditional"}));
  EXPECT_EQ(ReadText(FavouritesFile()), "Arena\r\nEight\r\nTraditional\r\n");
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(LayoutChooserTest, AFavouritesFileItCannotReadOrWriteIsReportedAndLeftAlone) {
  const std::string junk("Arena\0Zen", 9);
  tmp_.Write(records::FavouritesFileName, junk);
  records::LayoutChooser unreadable = Open();
  EXPECT_EQ(unreadable.Favourites(), Names{"Traditional"}); // FaveLayout of this run
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_NE(ui_.messages[0].find(FavouritesFile()), std::string::npos);
  unreadable.FaveLayoutsDragDrop(0, 0);
  EXPECT_EQ(unreadable.SaveFavourites(), (Names{"Bridge & Tower", "Traditional"}));
  EXPECT_EQ(ReadText(FavouritesFile()), junk);

  layouts_.Folders = layouts_.Folders.player + "absent/";
  records::LayoutChooser unwritable = Open();
  unwritable.SaveFavourites();
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_EQ(ui_.messages[1], "Unable to write to " + FavouritesFile());
}

} // namespace
