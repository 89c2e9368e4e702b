#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "shell/idle_animations.h"
#include "window_fixture.h"

namespace {

using window_testing::WindowTest;

class IdleAnimationWindowTest : public WindowTest {
protected:
  QAction* Animate() { return Window().Action(static_cast<int>(shell::CommandId::AnimatePause)); }

  // Whether the first logo's middle shows on the board after `frames` frames.
  bool LogoShownAfter(int frames) {
    const shell::Point at = shell::LogoPosition(frames, 1);
    const platform::Bitmap& game = pelmar_.Pictures().Game;
    return !platform::SameColour(game.Pixel(at.x + 19, at.y + 20),
                                 pelmar_.Pictures().BackgroundBitmap.Pixel(at.x + 19, at.y + 20));
  }
};

TEST_F(IdleAnimationWindowTest, AnIdlePanelWithoutAnimationsIsNotWokenUp) {
  ASSERT_NE(Animate(), nullptr);
  EXPECT_EQ(Animate()->text(), "Animate Pause and Start screens");
  EXPECT_FALSE(Animate()->isChecked());
  EXPECT_FALSE(Window().ThreadTimerRunning());
  EXPECT_EQ(pelmar_.Timer1timer(), platform::ThreadTimerStopped);
}

TEST_F(IdleAnimationWindowTest, TheLogosCircleBehindThePanelWhileAnimationIsOn) {
  Animate()->trigger();
  EXPECT_TRUE(pelmar_.State().options.AnimatePause);
  EXPECT_TRUE(Animate()->isChecked());
  EXPECT_TRUE(Window().ThreadTimerRunning());
  EXPECT_EQ(pelmar_.Timer1timer(), 10);
  EXPECT_TRUE(LogoShownAfter(1));
  // The timer's own runs go on drawing.
  QTest::qWait(60);
  EXPECT_TRUE(Window().ThreadTimerRunning());

  // Turning it off wipes the last frame and lets the timer run out.
  Animate()->trigger();
  EXPECT_FALSE(LogoShownAfter(1));
  QTest::qWait(30);
  EXPECT_FALSE(Window().ThreadTimerRunning());
}

TEST_F(IdleAnimationWindowTest, TheTimerStopsWhenAGameStartsAndComesBackWithThePause) {
  Animate()->trigger();
  Window().Action(static_cast<int>(shell::CommandId::RandomSolitaire))->trigger();
  ASSERT_EQ(pelmar_.State().board.GameMode, engine::ModeSolitaire);
  EXPECT_EQ(pelmar_.Timer1timer(), platform::ThreadTimerStopped);
  QTest::qWait(30);
  EXPECT_FALSE(Window().ThreadTimerRunning());

  Window().Action(static_cast<int>(shell::CommandId::Pause))->trigger();
  EXPECT_TRUE(Window().ThreadTimerRunning());
  const platform::Bitmap& game = pelmar_.Pictures().Game;
  const platform::Bitmap before = game;
  EXPECT_EQ(pelmar_.Timer1timer(), 10);
  int changed = 0;
  for (int y = 0; y < game.Height(); ++y)
    for (int x = 0; x < game.Width(); ++x) changed += game.Pixel(x, y) != before.Pixel(x, y);
  EXPECT_GT(changed, 0) << "the pause picture moves";
}

} // namespace
