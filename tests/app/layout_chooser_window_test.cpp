#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "qt/extended_chooser_window.h"
#include "qt/layout_chooser_window.h"
#include "records/layout_chooser.h"
#include "render/layout_preview.h"
#include "support/test_platform.h"

namespace {

using Action = records::ChooserOutcome::Action;
using qt::ExtendedChoice;

// The real chooser over a folder of seven copies of one small layout.
class ChooserWindowTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "chooser_window_tests";
    static char* argv[] = {name, nullptr};
    // One application for the whole run, as Qt wants.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
  }
  static engine::LayoutState Layouts(const testing_support::TempFolder& tmp) {
    engine::LayoutState layouts;
    layouts.Folders = tmp.path().string() + "/";
    for (const char* name : {"Gamma", "alpha", "Beta", "Delta", "Eta", "Zeta", "Epsilon"}) {
      tmp.Write("Layouts/" + std::string(name) + ".lay",
                testing_support::ReadText(testing_support::TestLayout("eight.lay")));
      layouts.LayoutNames.push_back(name);
    }
    return layouts;
  }

  testing_support::TempFolder tmp_;
  engine::LayoutState layouts_ = Layouts(tmp_);
  bool previewBack_ = false;
  testing_support::ScriptedUi ui_;
  platform::Bitmap minus_{13, 15, platform::Rgb(255, 255, 255)};
  platform::Bitmap noBackground_;
  records::LayoutChooser model_{layouts_, {}, noBackground_, minus_, previewBack_, ui_};
};

TEST_F(ChooserWindowTest, ShowsTheModelAndItsButtonsCloseAsTheModelSays) {
  qt::TChooseLayout window(model_, nullptr);
  EXPECT_EQ(window.windowTitle(), "Choose a new layout...");
  EXPECT_EQ(window.size(), QSize(492, 429));
  ASSERT_EQ(window.LayoutList().count(), 7);
  EXPECT_EQ(window.LayoutList().item(0)->text(), "alpha");
  EXPECT_EQ(window.LayoutList().currentRow(), 0);
  EXPECT_EQ(window.FullName().text(), "Eight");
  EXPECT_EQ(window.Tiles().text(), "8");

  window.LayoutList().setCurrentRow(3); // "Epsilon"
  EXPECT_EQ(model_.SelectedItem(), 3);
  window.show();
  QTest::mouseClick(&window.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_EQ(model_.Outcome().action, Action::None);

  window.show();
  QTest::mouseClick(&window.PlayButton(), Qt::LeftButton);
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(model_.Outcome(), (records::ChooserOutcome{Action::Play, 7}));

  QTest::mouseClick(&window.PreviewBackground(), Qt::LeftButton);
  EXPECT_TRUE(previewBack_);
}

// Three to a row at 202-pixel steps; where two overlap, the later one is on top.
TEST_F(ChooserWindowTest, ExpandedViewPlacesThumbnailsAndPlaysTheOneClicked) {
  qt::TExtendedChoose window(model_, nullptr);
  EXPECT_EQ(window.windowTitle(), "Choose a Layout");
  qt::ThumbnailSheet& sheet = window.Sheet();
  EXPECT_EQ(sheet.size(), QSize(610, 3 * 138));
  struct Case {
    QPoint at;
    int item;
  } cases[] = {{{0, 0}, 0},    {{201, 10}, 0},  {{203, 10}, 1}, {{607, 137}, 2},
               {{10, 138}, 3}, {{405, 300}, 8}, {{10, 276}, 6}, {{610, 10}, -1}};
  for (const Case& c : cases) {
    const int expected = c.item < 7 ? c.item : -1;
    EXPECT_EQ(sheet.ItemAt(c.at), expected) << c.at.x() << "," << c.at.y();
  }
  const QImage shot = sheet.grab().toImage();
  EXPECT_EQ(shot.pixel(300, 300) & 0xFFFFFF, 0x000000u); // no eighth thumbnail: black
  EXPECT_EQ(shot.pixel(3, 140) & 0xFFFFFF, render::PreviewPurple & 0xFFFFFF);

  window.show();
  QTest::mouseClick(&sheet, Qt::LeftButton, {}, QPoint(210, 150));
  EXPECT_EQ(window.Choice(), ExtendedChoice::Thumbnail);
  EXPECT_EQ(sheet.ChosenThumbnail(), 4);
}

} // namespace
