#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTest>

#include "qt/hall_window.h"
#include "qt/text_painter.h"
#include "records/hall_viewer.h"
#include "support/test_platform.h"

namespace {

using platform::Rgb;

class QtTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "hall_window_tests";
    static char* argv[] = {name, nullptr};
    // One application for the whole run, as Qt wants.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
  }
};

class NoHooks final : public records::HallHooks {
public:
  void ShowPanelHOF() override { ++panels; }
  void WriteAltGirls(bool on) override { altGirls.push_back(on); }
  int panels = 0;
  std::vector<bool> altGirls;
};

class HallWindowTest : public QtTest {
protected:
  static engine::GameState Game() {
    engine::GameState game;
    game.layouts.LayoutNames = {"Green Dragon", "Arena"};
    game.layouts.LayoutIndex = 2;
    return game;
  }
  static records::HallState Hall() {
    records::HallState hall;
    hall.tables.AddHall(2, 125, 40, "Ann", "07/12/26");
    hall.tables.AddHall(1030, 420, 0, "Fay", "07/12/26");
    return hall;
  }
  engine::GameState game_ = Game();
  records::HallState hall_ = Hall();
  testing_support::ScriptedUi ui_;
  NoHooks hooks_;
  records::HallViewer viewer_{hall_, game_, ui_, hooks_};
};

TEST_F(HallWindowTest, OpensOnTheCurrentTableAndFollowsTheList) {
  qt::HallWindow window(viewer_, nullptr);
  EXPECT_EQ(window.size(), QSize(550, 360));
  EXPECT_EQ(window.windowTitle(), "Hall of Fame");
  ASSERT_EQ(window.Tables().count(), 11);
  EXPECT_EQ(window.Tables().currentIndex(), 1);
  EXPECT_EQ(window.Tables().itemText(7), "Clicks (Normal)");
  EXPECT_EQ(window.PlayerName().text(), "Player1");
  EXPECT_EQ(window.PlayerName().maxLength(), 8);

  window.Tables().setCurrentIndex(9); // Slider
  EXPECT_EQ(viewer_.Rows().mainHeader, "Score");
  EXPECT_EQ(viewer_.Rows().rows[0].main, " 420");
  window.show();
  QApplication::processEvents();
  EXPECT_FALSE(window.Rows().grab().isNull());
}

TEST_F(HallWindowTest, TypingANameRenamesTheEntryJustMade) {
  hall_.HallJustEntered = true;
  game_.LastHallRank = 1;
  records::HallViewer viewer(hall_, game_, ui_, hooks_);
  qt::HallWindow window(viewer, nullptr);
  window.PlayerName().clear();
  QTest::keyClicks(&window.PlayerName(), "Alexandrina");
  EXPECT_EQ(window.PlayerName().text(), "Alexandr");
  EXPECT_EQ(hall_.tables.Entry(2, 1), "Alexandr  125   40 07/12/26");
  EXPECT_TRUE(viewer.Rows().rows[0].highlighted);
}

TEST_F(HallWindowTest, ResetAsksAndLaunchCloses) {
  qt::HallWindow window(viewer_, nullptr);
  ui_.okAnswers = {true};
  QTest::mouseClick(&window.ResetButton(), Qt::LeftButton);
  EXPECT_EQ(ui_.questions.size(), 1u);
  EXPECT_TRUE(records::IsEmptyEntry(hall_.tables.Entry(2, 1)));
  EXPECT_EQ(viewer_.Rows().rows[0].name, " ");

  window.Tables().setCurrentIndex(10); // Hashira
  QSignalSpy accepted(&window, &QDialog::accepted);
  window.show();
  QTest::mouseClick(&window.LaunchButton(), Qt::LeftButton);
  EXPECT_EQ(accepted.count(), 1);
  EXPECT_EQ(viewer_.LaunchSlot(), 1040);
}

TEST_F(QtTest, TextPainterPrintsIntoTheBitmapWithATransparentBackground) {
  qt::QtTextPainter painter;
  const std::uint32_t back = Rgb(10, 20, 30);
  platform::Bitmap bitmap(92, 60, back);
  const platform::Font font{"Comic Sans MS", 10, true, false};
  painter.DrawText(bitmap, 21, 20, "HALL OF", font, Rgb(255, 255, 0));
  const int width = painter.TextWidth("HALL OF", font);
  EXPECT_GT(width, 20);
  int yellow = 0, outside = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const std::uint32_t p = bitmap.Pixel(x, y);
      const bool inBox = x >= 21 && x < 21 + width + 2 && y >= 20 && y < 20 + 20;
      if (platform::SameColour(p, Rgb(255, 255, 0))) ++yellow;
      if (!inBox && !platform::SameColour(p, back)) ++outside;
      EXPECT_EQ(p >> 24, 0xFFu);
    }
  EXPECT_GT(yellow, 10);
  EXPECT_EQ(outside, 0) << "the background stays as it was";
  platform::Bitmap empty;
  painter.DrawText(empty, 0, 0, "x", font, 0); // nothing to paint, no crash
}

TEST_F(QtTest, NamedFontsFindTheirLookAlikes) {
  qt::QtTextPainter painter;
  // The same text is wider in a larger size and in bold, whichever face stood in.
  const int small = painter.TextWidth("Verdana", {"Verdana", 9, false, false});
  EXPECT_GT(painter.TextWidth("Verdana", {"Verdana", 14, false, false}), small);
  EXPECT_GT(painter.TextWidth("Verdana", {"Small Fonts", 9, false, false}), 0);
}

} // namespace
