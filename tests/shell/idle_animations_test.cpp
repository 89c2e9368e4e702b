#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "shell/idle_animations.h"

namespace {

using platform::Rect;
using shell::Point;

struct RecordingView : render::BoardView {
  void Show(Rect changed) override { shown.push_back(changed); }
  render::BoardLook Look() const override { return {}; }
  void GameOver() override {}
  std::vector<Rect> shown;
};

constexpr std::uint32_t Grass = platform::Rgb(0, 120, 40);
constexpr std::uint32_t Paint = platform::Rgb(250, 240, 10);
constexpr std::uint32_t Stale = platform::Rgb(9, 9, 9);

// A picture with its key colour in the top-left corner and paint everywhere else.
platform::Bitmap KeyedPicture(int width, int height, std::uint32_t key, std::uint32_t paint) {
  platform::Bitmap b(width, height, paint);
  b.SetPixel(0, 0, key);
  return b;
}

struct Scene {
  Scene() {
    pictures.BackgroundBitmap.Fill(Grass);
    pictures.WorkBitmap.Fill(Stale);
    pictures.Game.Fill(Stale);
    idle.pause = KeyedPicture(shell::PausePictureWidth, shell::PausePictureHeight,
                              shell::PausePictureKey, Paint);
    for (int i = 0; i < shell::LogoCount; ++i)
      idle.logos[i] = KeyedPicture(shell::LogoWidth, shell::LogoHeight, shell::LogoKey,
                                   platform::Rgb(10 * i, 200, 100));
  }
  render::BoardPictures pictures;
  shell::IdlePictures idle;
  RecordingView view;
};

TEST(IdleAnimationsTest, ThePausePictureWandersOnItsFigure) {
  struct Case {
    int t;
    Point at;
  } cases[] = {{0, {280, 395}}, {100, {112, 371}}, {157, {81, 339}}, {1000, {388, 258}}};
  for (const Case& c : cases) EXPECT_EQ(shell::PausePicturePosition(c.t), c.at) << c.t;
}

TEST(IdleAnimationsTest, TheLogosFollowEachOtherElevenStepsApart) {
  struct Case {
    int t, logo;
    Point at;
  } cases[] = {{0, 0, {320, 440}},
               {0, 1, {277, 438}},
               {0, 5, {111, 407}},
               {300, 2, {351, 1}},
               {628, 0, {321, 439}}};
  for (const Case& c : cases) EXPECT_EQ(shell::LogoPosition(c.t, c.logo), c.at) << c.t;
  EXPECT_EQ(shell::LogoPosition(11, 0), shell::LogoPosition(0, 1));
}

TEST(IdleAnimationsTest, TheStepStartsAgainInsteadOfOverflowing) {
  EXPECT_EQ(shell::NextAnimationStep(0), 1);
  EXPECT_EQ(shell::NextAnimationStep(41), 42);
  EXPECT_EQ(shell::NextAnimationStep(std::numeric_limits<int>::max()), 0);
}

TEST(IdleAnimationsTest, APauseFrameErasesTheOldPlaceAndDrawsTheNew) {
  Scene s;
  int step = 100;
  shell::AnimatePauseScreen(step, s.pictures, s.idle, s.view);
  EXPECT_EQ(step, 101);
  const Point old = shell::PausePicturePosition(100), now = shell::PausePicturePosition(101);
  const platform::Bitmap& game = s.pictures.Game;
  // The old place is background again where the new picture does not cover it.
  EXPECT_TRUE(platform::SameColour(game.Pixel(old.x + 155, old.y + 60), Grass));
  EXPECT_TRUE(platform::SameColour(game.Pixel(now.x + 10, now.y + 10), Paint));
  // The key colour leaves the board as it was.
  EXPECT_TRUE(platform::SameColour(game.Pixel(now.x, now.y), Stale));
  // Nothing outside the two places changed.
  EXPECT_TRUE(platform::SameColour(game.Pixel(5, 5), Stale));
  EXPECT_TRUE(platform::SameColour(s.pictures.WorkBitmap.Pixel(now.x + 10, now.y + 10), Stale));
  ASSERT_EQ(s.view.shown.size(), 2u);
  EXPECT_EQ(s.view.shown[1], (Rect{now.x, now.y, now.x + 156, now.y + 61}));
}

TEST(IdleAnimationsTest, APanelFrameDrawsTheLogosInReverseOrderAndClipsAtTheEdges) {
  Scene s;
  int step = 0;
  shell::AnimateGamesPanel(step, s.pictures, s.idle, s.view);
  EXPECT_EQ(step, 1);
  for (int i = 0; i < shell::LogoCount; ++i) {
    const Point at = shell::LogoPosition(1, i);
    const std::uint32_t logo = s.idle.logos[shell::LogoCount - 1 - i].Pixel(5, 5);
    EXPECT_TRUE(platform::SameColour(s.pictures.Game.Pixel(at.x + 5, at.y + 5), logo)) << i;
    EXPECT_TRUE(platform::SameColour(s.pictures.WorkBitmap.Pixel(at.x + 5, at.y + 5), logo)) << i;
    // The key colour lets the work bitmap through, and the board shows the work bitmap.
    EXPECT_FALSE(platform::SameColour(s.pictures.Game.Pixel(at.x, at.y), logo)) << i;
    EXPECT_EQ(s.pictures.Game.Pixel(at.x, at.y), s.pictures.WorkBitmap.Pixel(at.x, at.y)) << i;
  }
  // The old places are background again where no logo covers them now.
  const Point old = shell::LogoPosition(0, 5);
  EXPECT_TRUE(platform::SameColour(s.pictures.Game.Pixel(old.x, old.y + 39), Grass));
  EXPECT_TRUE(platform::SameColour(s.pictures.WorkBitmap.Pixel(old.x, old.y + 39), Grass));
  // At step 0 logo 0 reaches below the board's last row: only the visible part is shown.
  for (const Rect& r : s.view.shown) {
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.bottom, s.pictures.Game.Height());
  }
  EXPECT_EQ(s.view.shown.size(), 12u);
}

} // namespace
