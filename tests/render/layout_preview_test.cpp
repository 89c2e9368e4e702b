#include "render/layout_preview.h"

#include <gtest/gtest.h>

namespace {

using platform::Bitmap;
using platform::Rgb;

// A miniature tile whose pixels tell where in it they lie; its corner is the transparent black.
Bitmap Minus() {
  Bitmap minus(13, 15);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 13; ++x) minus.SetPixel(x, y, Rgb(10 * x + 5, 10 * y + 5, 200));
  minus.SetPixel(0, 0, Rgb(0, 0, 0));
  return minus;
}

TEST(LayoutPreview, BackdropIsTheStretchedBackgroundOrPurple) {
  Bitmap background(704, 468);
  for (int y = 0; y < 468; ++y)
    for (int x = 0; x < 704; ++x) background.SetPixel(x, y, Rgb(x / 4, y / 2, 9));
  const Bitmap stretched = render::PreviewBackdrop(background, true);
  ASSERT_EQ(stretched.Width(), 206);
  ASSERT_EQ(stretched.Height(), 138);
  EXPECT_EQ(stretched.Pixel(0, 0), Rgb(0, 0, 9));
  EXPECT_EQ(stretched.Pixel(205, 137), Rgb(700 / 4, 464 / 2, 9));
  EXPECT_EQ(stretched.Pixel(103, 69), Rgb(352 / 4, 234 / 2, 9));
  for (const Bitmap& purple :
       {render::PreviewBackdrop(background, false), render::PreviewBackdrop(Bitmap(), true)})
    EXPECT_EQ(purple.Pixel(100, 100), render::PreviewPurple);
}

// Layer by layer, right to left: a tile further left or higher up covers its neighbour.
TEST(LayoutPreview, TilesAreDrawnInTheBoardsPainterOrderAtAQuarterOfItsPitch) {
  engine::LayoutGrid cells;
  for (auto [x, y, z] : {std::tuple{1, 1, 1}, {3, 1, 1}, {1, 1, 2}}) cells.Set(x, y, z, 1);
  const Bitmap backdrop(206, 138, render::PreviewPurple);
  const Bitmap preview = render::MinusRedraw(backdrop, cells, Minus());
  struct Case {
    int x, y;
    std::uint32_t colour;
  } cases[] = {
      {14, 8, render::PreviewPurple}, // the transparent corner of the tile at (1, 1, 1)
      {15, 9, Rgb(15, 15, 200)},      // that tile, at 5 (x - 1) + 14, 6 (y - 1) + 8
      {25, 21, Rgb(115, 135, 200)},   // over (3, 1, 1), which was drawn before it
      {20, 9, Rgb(35, 45, 200)},      // the layer-2 tile, 3 right and 3 up, over both
      {36, 8, Rgb(125, 5, 200)},      // the right edge of (3, 1, 1)
      {37, 8, render::PreviewPurple},
  };
  for (const Case& c : cases) EXPECT_EQ(preview.Pixel(c.x, c.y), c.colour) << c.x << "," << c.y;
}

} // namespace
