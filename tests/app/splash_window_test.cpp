#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include "qt/splash_window.h"
#include "window_fixture.h"

namespace {

using qt::SplashWindow;
using window_testing::WindowTest;

TEST(SplashVersionTest, TakesTheTitleAfterItsFirstBlank) {
  struct Case {
    const char* title;
    const char* version;
  } cases[] = {{"Pelmar 7.77", "v7.77"}, {"Pelmar 7.77 beta", "v7.77 beta"}, {"Pelmar", "vPelmar"}};
  for (const Case& c : cases) EXPECT_EQ(qt::SplashVersion(c.title), c.version);
}

class SplashTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { WindowTest::SetUpTestSuite(); }
};

TEST_F(SplashTest, ShowsTheVersionOnDarkRedInTheCorner) {
  SplashWindow splash;
  splash.show();
  EXPECT_EQ(splash.size(), QSize(261, 156));
  EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
  const QRect version = splash.VersionArea();
  EXPECT_EQ(version.topLeft(), QPoint(228, 138));
  EXPECT_TRUE(QRect(0, 0, 261, 156).contains(version)) << "the version fits the picture";

  const QImage shot = splash.grab().toImage();
  int white = 0, red = 0;
  for (int y = version.top(); y <= version.bottom(); ++y)
    for (int x = version.left(); x <= version.right(); ++x) {
      const QRgb p = shot.pixel(x, y);
      // White over the red at least half covering: the green and blue come only from the ink.
      white += qRed(p) > 190 && qGreen(p) > 128 && qGreen(p) == qBlue(p);
      red += p == qRgb(132, 0, 0);
    }
  EXPECT_GT(white, 10) << "the version is written in white";
  EXPECT_GT(red, white) << "on a dark red ground";

  // Centred on the screen.
  const QRect screen = QApplication::primaryScreen()->geometry();
  EXPECT_LE(std::abs(splash.geometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(splash.geometry().center().y() - screen.center().y()), 1);
}

TEST_F(SplashTest, TheProgressLineIsCentredAndShowsItsText) {
  SplashWindow splash;
  splash.show();
  const QLabel& progress = splash.Progress();
  EXPECT_TRUE(progress.font().bold());
  EXPECT_EQ(progress.font().pointSize(), 8);
  EXPECT_EQ(progress.palette().color(QPalette::WindowText), QColor(215, 215, 255));
  int previousWidth = 0;
  for (const char* text : {"Initializing...", "Loading help files...",
                           "Checking for MIDI files... and a rather longer line"}) {
    SCOPED_TRACE(text);
    splash.Splashing(text);
    EXPECT_EQ(progress.text(), text);
    EXPECT_EQ(progress.y(), 132);
    EXPECT_EQ(progress.x(), (splash.width() - progress.width()) / 2);
    EXPECT_GT(progress.width(), previousWidth) << "the label fits its text";
    previousWidth = progress.width();
  }
}

TEST_F(SplashTest, TheApplicationMakesOneThatShowsAtOnce) {
  std::unique_ptr<platform::SplashPort> port = WindowTest::App().CreateSplash();
  auto& splash = dynamic_cast<SplashWindow&>(*port);
  EXPECT_TRUE(splash.isVisible());
  port->Splashing("Reading high scores...");
  EXPECT_EQ(splash.Progress().text(), "Reading high scores...");
  port->Close();
  EXPECT_FALSE(splash.isVisible());
}

} // namespace
