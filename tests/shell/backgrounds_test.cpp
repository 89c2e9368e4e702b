#include <gtest/gtest.h>

#include "shell/backgrounds.h"

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
    shell::TileBackground(board, picture);
    EXPECT_EQ(board.Pixel(c.x, c.y), picture.Pixel(c.sourceX, c.sourceY))
        << c.w << "x" << c.h << " at " << c.x << "," << c.y;
  }
}

TEST(BackgroundsTest, EmptyPictureLeavesTheBoardAlone) {
  Bitmap board(704, 468, Rgb(1, 2, 3));
  shell::TileBackground(board, Bitmap());
  EXPECT_EQ(board.Pixel(300, 200), Rgb(1, 2, 3));
}

} // namespace
