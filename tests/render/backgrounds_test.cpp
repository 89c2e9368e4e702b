#include <gtest/gtest.h>

#include "render/backgrounds.h"

#include <filesystem>

#include "support/test_platform.h"

namespace {

using platform::Bitmap;
using platform::Rgb;

// A picture whose every pixel says where it came from, so a copy shows its source position.
Bitmap Numbered(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, Rgb(x, y, 7));
  return b;
}

TEST(BackgroundsTest, PlacesPicturesAsTheBoardNeeds) {
  struct Case {
    int w, h;
    int x, y; // a board pixel
    int sourceX, sourceY;
  } cases[] = {
      {100, 100, 0, 0, 0, 0},      {100, 100, 703, 467, 3, 67},    {100, 100, 250, 120, 50, 20},
      {704, 300, 10, 310, 10, 10}, {704, 300, 703, 299, 703, 299}, {800, 600, 703, 467, 703, 467},
  };
  for (const Case& c : cases) {
    Bitmap board(704, 468, Rgb(1, 2, 3));
    const Bitmap picture = Numbered(c.w, c.h);
    render::TileBackground(board, picture);
    EXPECT_EQ(board.Pixel(c.x, c.y), picture.Pixel(c.sourceX, c.sourceY))
        << c.w << "x" << c.h << " at " << c.x << "," << c.y;
  }
}

TEST(BackgroundsTest, EmptyPictureLeavesTheBoardAlone) {
  Bitmap board(704, 468, Rgb(1, 2, 3));
  render::TileBackground(board, Bitmap());
  EXPECT_EQ(board.Pixel(300, 200), Rgb(1, 2, 3));
}

} // namespace

namespace {

using render::PictureMenu;
using testing_support::SolidBmp;

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  const int cases[][4] = {
      {1, 468, 255, 2}, {254, 468, 255, 466}, {255, 468, 255, 468},  {1, 1, 2, 1},
      {-1, 1, 2, -1},   {3, 1, -2, -2},       {127, -128, 254, -64}, {254, -200, 254, -200},
      {0, -7, 254, 0},  {1, 3, 4, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(render::MulDiv(c[0], c[1], c[2]), c[3]) << c[0] << "," << c[1];
}

TEST(SolidBackground, PaintsBandsAndTheGradientEndsInBlack) {
  Bitmap board(704, 468);
  const std::uint32_t teal = 0x808000; // red 0, green 128, blue 128
  render::PaintSolidBackground(board, teal, false);
  EXPECT_EQ(board.Pixel(0, 0), Rgb(0, 128, 128));
  EXPECT_EQ(board.Pixel(703, 467), Rgb(0, 128, 128));
  render::PaintSolidBackground(board, 0x0000FF, true);
  EXPECT_EQ(board.Pixel(0, 0), Rgb(255, 0, 0)) << "band 0 has the colour";
  EXPECT_EQ(board.Pixel(5, 1), Rgb(255, 0, 0));
  EXPECT_EQ(board.Pixel(5, 2), Rgb(254, 0, 0)) << "band 1 starts at row 2";
  EXPECT_EQ(board.Pixel(300, 466), Rgb(0, 0, 0)) << "band 254 is black";
  EXPECT_EQ(board.Pixel(300, 467), Rgb(0, 0, 0));
}

struct BackgroundsFixture : testing::Test {
  BackgroundsFixture() : services(state), backgrounds(state, services, pictures) {
    state.layouts.Folders = tmp.path().string() + "/";
    backgrounds.menu.captions = {"Clouds", "Sea"};
  }
  testing_support::ScriptedUi& ui() { return services.scriptedUi(); }

  testing_support::TempFolder tmp;
  engine::GameState state;
  testing_support::RecordingServices services;
  render::BoardPictures pictures;
  render::Backgrounds backgrounds;
};

TEST_F(BackgroundsFixture, PrefersJpegAndRefusesABrokenOneWithoutHarm) {
  tmp.Write("Backgrounds/Clouds.bmp", SolidBmp(8, 8, 0x112233));
  tmp.Write("Backgrounds/Clouds.jpg", "\xFF\xD8 cut short");
  backgrounds.LoadBackgroundClick(3);
  ASSERT_EQ(ui().messages.size(), 1u);
  EXPECT_NE(ui().messages[0].find("Clouds.jpg"), std::string::npos);
  EXPECT_EQ(backgrounds.menu.checked, PictureMenu::NoEntry) << "the mark stays where it was";
  std::filesystem::remove(tmp.path() / "Backgrounds" / "Clouds.jpg");
  backgrounds.LoadBackgroundClick(3);
  EXPECT_EQ(backgrounds.menu.checked, 3);
  EXPECT_EQ(pictures.BackgroundBitmap.Pixel(703, 467), Rgb(0x11, 0x22, 0x33));
}

TEST_F(BackgroundsFixture, ANameInCapitalsIsReadAsABitmap) {
  const std::string path = tmp.Write("Mine.JPG", SolidBmp(4, 4, 0x445566));
  EXPECT_TRUE(backgrounds.NouveauFond(path));
  EXPECT_EQ(pictures.BackgroundBitmap.Pixel(100, 100), Rgb(0x44, 0x55, 0x66));
  EXPECT_EQ(services.fullRedraws, 0);
}

TEST_F(BackgroundsFixture, SolidColourAsksOnlyFromTheMenuInARunningProgram) {
  backgrounds.None1Click(true);
  EXPECT_TRUE(ui().colourDialogStarts.empty()) << "at start-up the stored colour is painted";
  EXPECT_EQ(backgrounds.menu.checked, render::SolidBackgroundIndex);
  state.board.GameMode = engine::ModeGamesPanel;
  backgrounds.None1Click(true);
  ASSERT_EQ(ui().colourDialogStarts.size(), 1u);
  EXPECT_EQ(ui().colourDialogStarts[0], 0x008080u) << "the dialog starts on teal";
  EXPECT_EQ(backgrounds.ColorBackground, 0x808000u) << "cancel keeps the colour";
  ui().colours = {0xFF0000};
  backgrounds.None1Click(true);
  EXPECT_EQ(backgrounds.ColorBackground, 0x0000FFu);
  EXPECT_EQ(pictures.BackgroundBitmap.Pixel(0, 0), Rgb(255, 0, 0));
}

TEST_F(BackgroundsFixture, GradientToggleRepaintsOnlyASolidBackground) {
  state.board.GameMode = engine::ModeGamesPanel;
  tmp.Write("Backgrounds/Sea.bmp", SolidBmp(8, 8, 0x0000FF));
  backgrounds.LoadBackgroundClick(4);
  backgrounds.CoolBackgroundClick();
  EXPECT_EQ(pictures.BackgroundBitmap.Pixel(300, 467), Rgb(0, 0, 255));
  backgrounds.None1Click(false);
  backgrounds.CoolBackgroundClick();
  EXPECT_TRUE(state.options.Gradient);
  EXPECT_EQ(pictures.BackgroundBitmap.Pixel(300, 467), Rgb(0, 0, 0));
  EXPECT_TRUE(ui().colourDialogStarts.empty());
}

} // namespace
