#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace platform {

// Pixels are 0xAARRGGBB words laid out exactly as a 32-bit RGB image expects, so a buffer can be
// handed to the GUI layer without conversion. Only the low 24 bits carry colour; the top byte is
// 0xFF for everything we produce (an RGB32 view wants it opaque) but is otherwise ignored.
constexpr uint32_t kRgbMask = 0x00FFFFFFu;
constexpr uint32_t kOpaque = 0xFF000000u;

constexpr uint32_t Rgb(int r, int g, int b) {
  return kOpaque | (static_cast<uint32_t>(r & 0xFF) << 16) |
         (static_cast<uint32_t>(g & 0xFF) << 8) | static_cast<uint32_t>(b & 0xFF);
}

// Colour equality as the eye sees it: the top byte does not take part.
constexpr bool SameColour(uint32_t a, uint32_t b) {
  return ((a ^ b) & kRgbMask) == 0;
}

// Half-open rectangle: right and bottom are one past the last pixel. A rectangle with
// right <= left or bottom <= top covers nothing; it is not flipped round.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  // Zero for an empty rectangle; saturates at INT_MAX instead of overflowing when the edges
  // are far apart.
  int Width() const { return Span(left, right); }
  int Height() const { return Span(top, bottom); }
  bool Empty() const { return right <= left || bottom <= top; }

  friend bool operator==(const Rect&, const Rect&) = default;

private:
  static int Span(int lo, int hi) {
    const int64_t d = static_cast<int64_t>(hi) - lo;
    if (d <= 0) return 0;
    constexpr int kMax = std::numeric_limits<int>::max();
    return d > kMax ? kMax : static_cast<int>(d);
  }
};

// The common part of a and b; an empty Rect{} when they do not overlap.
Rect Intersect(const Rect& a, const Rect& b);

class Bitmap {
public:
  Bitmap() = default;
  // Negative sizes count as zero; a bitmap with either side zero holds no pixels.
  Bitmap(int width, int height, uint32_t fill = Rgb(0, 0, 0));

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }
  Rect Bounds() const { return Rect{0, 0, width_, height_}; }

  // Row-major, stride == Width(). May be null for an empty bitmap.
  uint32_t* Pixels() { return pixels_.data(); }
  const uint32_t* Pixels() const { return pixels_.data(); }

  // Reads outside the bitmap give 0 and writes there are dropped, so callers can plot
  // without bounds checks of their own.
  uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, uint32_t colour);

  // Every pixel becomes `fill`; the old contents are not kept.
  void Resize(int width, int height, uint32_t fill = Rgb(0, 0, 0));
  void Fill(uint32_t colour);

private:
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

enum class RasterOp { Copy, And, Or, Xor };

// Combines srcRect of src into dst with its top-left corner at (dx, dy). Whatever falls outside
// either bitmap is dropped while the remaining pixels keep their positions relative to each
// other. src and dst may be the same bitmap, overlapping or not.
//
// Copy takes the source pixel whole. And, Or and Xor only touch the colour bits and keep the
// destination's top byte, so XOR-ing two opaque pixels leaves an opaque pixel.
void Blit(Bitmap& dst, int dx, int dy, const Bitmap& src, Rect srcRect,
          RasterOp op = RasterOp::Copy);

// Like a Copy blit, except that source pixels whose colour matches `key` (top byte ignored)
// leave the destination alone.
void DrawTransparent(Bitmap& dst, int dx, int dy, const Bitmap& src, Rect srcRect, uint32_t key);

void FillRect(Bitmap& dst, Rect r, uint32_t colour);

// The smallest rectangle inside r out of which a and b hold the same pixels (top bytes too), so
// that only what really changed between two pictures need be shown; empty where they agree.
Rect ChangedArea(const Bitmap& a, const Bitmap& b, Rect r);

// Outline penWidth pixels thick lying wholly inside r. A pen at least half as wide as r meets
// itself and fills r; a pen of zero or less draws nothing.
void FrameRect(Bitmap& dst, Rect r, uint32_t colour, int penWidth = 1);

} // namespace platform
