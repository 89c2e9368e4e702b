#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {
namespace {

constexpr uint32_t kBackground = Rgb(0x11, 0x22, 0x33);

// Every pixel distinct, so a misplaced pixel cannot pass for the right one.
Bitmap Numbered(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, Rgb(0x80, y, x));
  return b;
}

std::string Where(int x, int y) {
  return "at (" + std::to_string(x) + "," + std::to_string(y) + ")";
}

// Pixel-by-pixel model of a clipped block transfer, in 64 bits so extreme inputs stay exact.
// Returns whether destination (x, y) is covered and, if so, the source pixel it reads.
bool SourceFor(int x, int y, int64_t dx, int64_t dy, const Bitmap& src, const Rect& r, int* sx,
               int* sy) {
  const int64_t fx = x - dx + r.left, fy = y - dy + r.top;
  if (fx < r.left || fx >= r.right || fy < r.top || fy >= r.bottom) return false;
  if (fx < 0 || fy < 0 || fx >= src.Width() || fy >= src.Height()) return false;
  *sx = static_cast<int>(fx);
  *sy = static_cast<int>(fy);
  return true;
}

// Runs a copy blit (or a transparent draw keyed on one source colour) and checks every
// destination pixel against the model.
void CheckTransfer(int dx, int dy, Rect r, bool transparent, const std::string& label) {
  const Bitmap src = Numbered(4, 3);
  const uint32_t key = src.Pixel(1, 1);
  Bitmap dst(5, 4, kBackground);
  if (transparent)
    DrawTransparent(dst, dx, dy, src, r, key);
  else
    Blit(dst, dx, dy, src, r);
  for (int y = 0; y < dst.Height(); ++y) {
    for (int x = 0; x < dst.Width(); ++x) {
      int sx = 0, sy = 0;
      uint32_t want = kBackground;
      if (SourceFor(x, y, dx, dy, src, r, &sx, &sy) && !(transparent && sx == 1 && sy == 1))
        want = src.Pixel(sx, sy);
      ASSERT_EQ(dst.Pixel(x, y), want) << label << " " << Where(x, y);
    }
  }
}

TEST(BitmapTest, ConstructionAccessAndEmptyBitmaps) {
  Bitmap b(3, 2, Rgb(1, 2, 3));
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Pixels()[5], Rgb(1, 2, 3));
  b.SetPixel(2, 1, 7);
  EXPECT_EQ(b.Pixels()[5], 7u) << "row-major with stride == width";

  const struct {
    int x, y;
  } outside[] = {{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}};
  for (const auto& p : outside) {
    b.SetPixel(p.x, p.y, 0xDEAD);
    EXPECT_EQ(b.Pixel(p.x, p.y), 0u) << Where(p.x, p.y);
  }
  for (int i = 0; i < 6; ++i) EXPECT_NE(b.Pixels()[i], 0xDEADu) << "stray write at " << i;

  const Bitmap negative(-4, 5);
  EXPECT_EQ(negative.Width(), 0);
  EXPECT_TRUE(negative.Empty());

  // Nothing may touch memory of an empty bitmap, whichever side of the operation it is on.
  Bitmap empty;
  Blit(empty, 0, 0, b, b.Bounds());
  Blit(b, 0, 0, empty, Rect{0, 0, 5, 5});
  DrawTransparent(empty, 0, 0, b, b.Bounds(), 0);
  FillRect(empty, Rect{-5, -5, 5, 5}, 1);
  FrameRect(empty, Rect{-5, -5, 5, 5}, 1, 2);
  EXPECT_EQ(empty.Pixel(0, 0), 0u);
  b.Resize(0, 7);
  EXPECT_TRUE(b.Empty());
}

TEST(BitmapTest, RectHelpers) {
  EXPECT_EQ((Rect{INT_MIN, 0, INT_MAX, 1}).Width(), INT_MAX) << "saturates, no overflow";
  EXPECT_EQ((Rect{5, 5, 2, 9}).Width(), 0) << "inverted rect is empty, not flipped";
  EXPECT_TRUE((Rect{5, 5, 2, 9}).Empty());
  const struct {
    Rect a, b, want;
  } cases[] = {
      {{0, 0, 10, 10}, {5, 2, 20, 8}, {5, 2, 10, 8}},
      {{0, 0, 10, 10}, {10, 0, 20, 10}, {}},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {-1, -2, 3, 4}, {-1, -2, 3, 4}},
  };
  for (const auto& c : cases) EXPECT_EQ(Intersect(c.a, c.b), c.want);
}

TEST(BitmapTest, RasterOpsCombineColourBitsAndKeepDestinationTopByte) {
  const uint32_t s = 0x7FC3A50Fu, d = 0xFF5AF00Fu;
  const struct {
    RasterOp op;
    uint32_t want;
  } cases[] = {
      {RasterOp::Copy, s},
      {RasterOp::And, 0xFF42A00Fu},
      {RasterOp::Or, 0xFFDBF50Fu},
      {RasterOp::Xor, 0xFF995500u},
  };
  for (const auto& c : cases) {
    const Bitmap src(2, 2, s);
    Bitmap dst(3, 3, d);
    Blit(dst, 1, 1, src, src.Bounds(), c.op);
    EXPECT_EQ(dst.Pixel(1, 1), c.want) << static_cast<int>(c.op);
    EXPECT_EQ(dst.Pixel(2, 2), c.want) << static_cast<int>(c.op);
    EXPECT_EQ(dst.Pixel(0, 0), d) << "outside the block " << static_cast<int>(c.op);
    EXPECT_EQ(dst.Pixel(2, 0), d) << "outside the block " << static_cast<int>(c.op);
  }
}

const struct TransferCase {
  const char* name;
  int dx, dy;
  Rect r;
} kTransfers[] = {
    {"inside", 1, 1, {1, 0, 3, 2}},
    {"src off left", 0, 0, {-2, 0, 3, 3}},
    {"src off top", 2, 0, {0, -2, 2, 3}},
    {"src off right", 0, 1, {2, 0, 9, 3}},
    {"src off bottom", 0, 0, {0, 1, 4, 7}},
    {"src off every side", 0, 0, {-1, -1, 5, 4}},
    {"dst off left", -2, 1, {0, 0, 4, 3}},
    {"dst off top", 1, -2, {0, 0, 4, 3}},
    {"dst off right", 3, 0, {0, 0, 4, 3}},
    {"dst off bottom", 0, 2, {0, 0, 4, 3}},
    {"both off left", -1, 0, {-2, 0, 4, 3}},
    {"src wholly outside", 0, 0, {4, 0, 8, 3}},
    {"dst wholly outside", 5, 0, {0, 0, 4, 3}},
    {"dst wholly above", 0, -3, {0, 0, 4, 3}},
    {"empty rect", 0, 0, {2, 2, 2, 3}},
    {"inverted rect", 0, 0, {3, 3, 1, 1}},
    {"huge rect", 1, 1, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
    {"far destination", INT_MAX, INT_MIN, {0, 0, 4, 3}},
    {"wrap bait", INT_MAX, 0, {INT_MIN + 1, 0, 4, 3}},
};

class TransferTest : public ::testing::TestWithParam<TransferCase> {};

TEST_P(TransferTest, CopyBlitMatchesModel) {
  const TransferCase& c = GetParam();
  CheckTransfer(c.dx, c.dy, c.r, false, c.name);
}

TEST_P(TransferTest, TransparentDrawMatchesModel) {
  const TransferCase& c = GetParam();
  CheckTransfer(c.dx, c.dy, c.r, true, c.name);
}

INSTANTIATE_TEST_SUITE_P(Clipping, TransferTest, ::testing::ValuesIn(kTransfers));

TEST(BitmapTest, ExtremeCoordinatesStayInsideBothBitmaps) {
  const int v[] = {INT_MIN, INT_MIN + 1, -3, 0, 2, INT_MAX - 1, INT_MAX};
  for (int dx : v)
    for (int dy : v)
      for (int l : v)
        for (int t : v)
          for (int r : {INT_MIN, 1, 3, INT_MAX})
            for (int b : {INT_MIN, 2, INT_MAX}) {
              CheckTransfer(dx, dy, Rect{l, t, r, b}, (dx ^ l) & 1, "extreme");
              if (HasFatalFailure()) return;
            }
}

TEST(BitmapTest, TransparentKeyIgnoresTopByte) {
  const uint32_t magenta = 0x00FF00FFu;
  for (uint32_t key : {magenta, magenta | 0xFF000000u, magenta | 0x12000000u}) {
    Bitmap src(3, 1, Rgb(1, 2, 3));
    src.SetPixel(0, 0, Rgb(255, 0, 255));
    src.SetPixel(1, 0, magenta);
    src.SetPixel(2, 0, Rgb(254, 0, 255));
    Bitmap dst(3, 1, kBackground);
    DrawTransparent(dst, 0, 0, src, src.Bounds(), key);
    EXPECT_EQ(dst.Pixel(0, 0), kBackground) << std::hex << key;
    EXPECT_EQ(dst.Pixel(1, 0), kBackground) << std::hex << key;
    EXPECT_EQ(dst.Pixel(2, 0), Rgb(254, 0, 255)) << "near miss is drawn " << std::hex << key;
  }
}

// Model of an inside pen: a pixel of r is inked when it is within pen of any edge.
bool Inked(int x, int y, const Rect& r, int pen) {
  if (pen <= 0 || x < r.left || x >= r.right || y < r.top || y >= r.bottom) return false;
  const int64_t p = pen;
  return x < r.left + p || y < r.top + p || x >= int64_t{r.right} - p || y >= int64_t{r.bottom} - p;
}

TEST(BitmapTest, FillAndFrameMatchModel) {
  const struct {
    Rect r;
    int pen; // 0 here means FillRect
  } cases[] = {
      {{1, 1, 7, 6}, 0},
      {{-3, 2, 4, 99}, 0},
      {{6, 6, 2, 2}, 0},
      {{1, 1, 7, 6}, 1},
      {{1, 1, 7, 6}, 2},
      {{0, 0, 8, 7}, 3},
      {{2, 1, 6, 6}, 2},
      {{1, 1, 7, 6}, 4},
      {{2, 2, 5, 4}, 1},
      {{-2, -1, 5, 4}, 2},
      {{3, 2, 12, 9}, 1},
      {{-5, -5, 20, 20}, 3},
      {{1, 1, 7, 6}, -1},
      {{1, 1, 7, 6}, INT_MAX},
      {{INT_MIN, 0, INT_MAX, 7}, 2},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MAX / 2 + 1},
      {{INT_MIN, INT_MIN, 3, 3}, INT_MAX},
  };
  for (const auto& c : cases) {
    Bitmap b(8, 7, kBackground);
    const uint32_t ink = Rgb(200, 10, 10);
    if (c.pen == 0)
      FillRect(b, c.r, ink);
    else
      FrameRect(b, c.r, ink, c.pen);
    for (int y = 0; y < b.Height(); ++y) {
      for (int x = 0; x < b.Width(); ++x) {
        const bool inked = c.pen == 0 ? Inked(x, y, c.r, INT_MAX) : Inked(x, y, c.r, c.pen);
        ASSERT_EQ(b.Pixel(x, y), inked ? ink : kBackground)
            << "rect {" << c.r.left << "," << c.r.top << "," << c.r.right << "," << c.r.bottom
            << "} pen " << c.pen << " " << Where(x, y);
      }
    }
  }
}

TEST(BitmapTest, ChangedAreaBoundsTheDifferingPixelsInsideTheRectangle) {
  struct Point {
    int x, y;
  };
  const struct {
    std::vector<Point> changed;
    Rect within, expected;
  } cases[] = {
      {{}, {0, 0, 8, 7}, {}},
      {{{3, 2}}, {0, 0, 8, 7}, {3, 2, 4, 3}},
      {{{1, 5}, {6, 1}}, {0, 0, 8, 7}, {1, 1, 7, 6}},
      {{{0, 0}, {7, 6}}, {-5, -5, 50, 50}, {0, 0, 8, 7}},
      {{{1, 5}, {6, 1}}, {2, 0, 8, 4}, {6, 1, 7, 2}},
      {{{1, 5}}, {2, 0, 8, 4}, {}},
  };
  for (const auto& c : cases) {
    Bitmap a(8, 7, kBackground), b(8, 7, kBackground);
    for (const Point& p : c.changed) b.SetPixel(p.x, p.y, Rgb(9, 9, 9));
    EXPECT_EQ(ChangedArea(a, b, c.within), c.expected) << c.changed.size();
  }
}

TEST(BitmapTest, OverlappingSelfBlitReadsSourceBeforeOverwriting) {
  const struct {
    int dx, dy;
  } moves[] = {{3, 2}, {1, 2}, {0, 2}, {2, 0}, {1, 0}, {3, 0},
               {0, 0}, {0, 1}, {2, 1}, {1, 3}, {3, 1}};
  const Rect r{1, 1, 5, 4};
  for (RasterOp op : {RasterOp::Copy, RasterOp::And, RasterOp::Or, RasterOp::Xor}) {
    for (const auto& m : moves) {
      const Bitmap before = Numbered(7, 6);
      Bitmap want = before;
      Blit(want, m.dx, m.dy, before, r, op);
      Bitmap self = before;
      Blit(self, m.dx, m.dy, self, r, op);
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x)
          ASSERT_EQ(self.Pixel(x, y), want.Pixel(x, y))
              << "op " << static_cast<int>(op) << " to (" << m.dx << "," << m.dy << ") "
              << Where(x, y);

      Bitmap keyed = before;
      Bitmap keyedWant = before;
      DrawTransparent(keyedWant, m.dx, m.dy, before, r, before.Pixel(2, 2));
      DrawTransparent(keyed, m.dx, m.dy, keyed, r, before.Pixel(2, 2));
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x)
          ASSERT_EQ(keyed.Pixel(x, y), keyedWant.Pixel(x, y))
              << "transparent to (" << m.dx << "," << m.dy << ") " << Where(x, y);
    }
  }
}

} // namespace
} // namespace platform
