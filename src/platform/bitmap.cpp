#include "platform/bitmap.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>

namespace platform {
namespace {

int ClampSize(int n) {
  return n < 0 ? 0 : n;
}

size_t PixelCount(int width, int height) {
  return static_cast<size_t>(width) * static_cast<size_t>(height);
}

// A w x h block read at (sx, sy) in the source and written at (dx, dy) in the destination, with
// every pixel of it inside both bitmaps.
struct Block {
  int sx, sy, dx, dy, w, h;
};

// Callers pass arbitrary ints, so edges are moved in 64 bits where sums like INT_MAX + 1 or
// 0 - INT_MIN cannot wrap round to a position inside the bitmap.
std::optional<Block> ClipBlock(const Bitmap& dst, int64_t dx, int64_t dy, const Bitmap& src,
                               const Rect& r) {
  int64_t sx0 = r.left, sy0 = r.top, sx1 = r.right, sy1 = r.bottom;

  // Trimming a source edge drags the destination corner along so positions stay paired.
  if (sx0 < 0) {
    dx -= sx0;
    sx0 = 0;
  }
  if (sy0 < 0) {
    dy -= sy0;
    sy0 = 0;
  }
  sx1 = std::min<int64_t>(sx1, src.Width());
  sy1 = std::min<int64_t>(sy1, src.Height());

  if (dx < 0) {
    sx0 -= dx;
    dx = 0;
  }
  if (dy < 0) {
    sy0 -= dy;
    dy = 0;
  }
  sx1 = std::min<int64_t>(sx1, sx0 + (dst.Width() - dx));
  sy1 = std::min<int64_t>(sy1, sy0 + (dst.Height() - dy));

  if (sx1 <= sx0 || sy1 <= sy0) return std::nullopt;
  return Block{static_cast<int>(sx0), static_cast<int>(sy0),       static_cast<int>(dx),
               static_cast<int>(dy),  static_cast<int>(sx1 - sx0), static_cast<int>(sy1 - sy0)};
}

// Calls row(dstRow, srcRow, width, backward) once per row of the block. When the block moves
// within a single bitmap the rows are visited, and each row walked, in the order that reads every
// source pixel before anything lands on it, so self-blits need no scratch buffer.
template <typename RowFn>
void ForEachRow(Bitmap& dst, const Bitmap& src, const Block& b, RowFn&& row) {
  const size_t dstStride = static_cast<size_t>(dst.Width());
  const size_t srcStride = static_cast<size_t>(src.Width());
  uint32_t* d = dst.Pixels() + b.dy * dstStride + b.dx;
  const uint32_t* s = src.Pixels() + b.sy * srcStride + b.sx;

  const bool same = &dst == &src;
  const bool bottomUp = same && b.dy > b.sy;
  const bool backward = same && b.dy == b.sy && b.dx > b.sx;
  for (int i = 0; i < b.h; ++i) {
    const size_t y = static_cast<size_t>(bottomUp ? b.h - 1 - i : i);
    row(d + y * dstStride, s + y * srcStride, b.w, backward);
  }
}

template <typename Op> void CombineRows(Bitmap& dst, const Bitmap& src, const Block& b, Op op) {
  ForEachRow(dst, src, b, [op](uint32_t* d, const uint32_t* s, int w, bool backward) {
    if (backward) {
      for (int x = w - 1; x >= 0; --x) d[x] = op(d[x], s[x]);
    } else {
      for (int x = 0; x < w; ++x) d[x] = op(d[x], s[x]);
    }
  });
}

} // namespace

Rect Intersect(const Rect& a, const Rect& b) {
  const Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
  return r.Empty() ? Rect{} : r;
}

Bitmap::Bitmap(int width, int height, uint32_t fill) {
  Resize(width, height, fill);
}

uint32_t Bitmap::Pixel(int x, int y) const {
  if (!Contains(x, y)) return 0;
  return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void Bitmap::SetPixel(int x, int y, uint32_t colour) {
  if (!Contains(x, y)) return;
  pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = colour;
}

void Bitmap::Resize(int width, int height, uint32_t fill) {
  width_ = ClampSize(width);
  height_ = ClampSize(height);
  pixels_.assign(PixelCount(width_, height_), fill);
}

void Bitmap::Fill(uint32_t colour) {
  std::fill(pixels_.begin(), pixels_.end(), colour);
}

void Blit(Bitmap& dst, int dx, int dy, const Bitmap& src, Rect srcRect, RasterOp op) {
  const std::optional<Block> b = ClipBlock(dst, dx, dy, src, srcRect);
  if (!b) return;

  switch (op) {
  case RasterOp::Copy:
    if (&dst == &src) {
      // Rows are visited in a safe order; memmove covers a block sliding along its own row.
      ForEachRow(dst, src, *b, [](uint32_t* d, const uint32_t* s, int w, bool) {
        std::memmove(d, s, static_cast<size_t>(w) * sizeof(uint32_t));
      });
    } else {
      ForEachRow(dst, src, *b, [](uint32_t* d, const uint32_t* s, int w, bool) {
        std::memcpy(d, s, static_cast<size_t>(w) * sizeof(uint32_t));
      });
    }
    break;
  case RasterOp::And:
    CombineRows(dst, src, *b, [](uint32_t d, uint32_t s) { return d & (s | ~kRgbMask); });
    break;
  case RasterOp::Or:
    CombineRows(dst, src, *b, [](uint32_t d, uint32_t s) { return d | (s & kRgbMask); });
    break;
  case RasterOp::Xor:
    CombineRows(dst, src, *b, [](uint32_t d, uint32_t s) { return d ^ (s & kRgbMask); });
    break;
  }
}

void DrawTransparent(Bitmap& dst, int dx, int dy, const Bitmap& src, Rect srcRect, uint32_t key) {
  const std::optional<Block> b = ClipBlock(dst, dx, dy, src, srcRect);
  if (!b) return;
  CombineRows(dst, src, *b, [key](uint32_t d, uint32_t s) { return SameColour(s, key) ? d : s; });
}

void FillRect(Bitmap& dst, Rect r, uint32_t colour) {
  const Rect c = Intersect(r, dst.Bounds());
  if (c.Empty()) return;
  const size_t stride = static_cast<size_t>(dst.Width());
  uint32_t* row = dst.Pixels() + static_cast<size_t>(c.top) * stride + static_cast<size_t>(c.left);
  for (int y = c.top; y < c.bottom; ++y, row += stride) std::fill_n(row, c.Width(), colour);
}

Rect ChangedArea(const Bitmap& a, const Bitmap& b, Rect r) {
  const Rect c = Intersect(Intersect(r, a.Bounds()), b.Bounds());
  if (c.Empty()) return {};
  const auto row = [c](const Bitmap& m, int y) {
    return m.Pixels() + static_cast<size_t>(y) * static_cast<size_t>(m.Width()) +
           static_cast<size_t>(c.left);
  };
  const size_t bytes = static_cast<size_t>(c.Width()) * sizeof(uint32_t);
  const auto differs = [&](int y) { return std::memcmp(row(a, y), row(b, y), bytes) != 0; };
  int top = c.top;
  while (top < c.bottom && !differs(top)) ++top;
  if (top == c.bottom) return {};
  int bottom = c.bottom;
  while (!differs(bottom - 1)) --bottom;
  int left = c.right, right = c.left;
  for (int y = top; y < bottom; ++y) {
    const uint32_t *pa = row(a, y), *pb = row(b, y);
    int x = 0;
    while (c.left + x < left && pa[x] == pb[x]) ++x;
    left = std::min(left, c.left + x);
    x = c.Width() - 1;
    while (c.left + x >= right && pa[x] == pb[x]) --x;
    right = std::max(right, c.left + x + 1);
  }
  return {left, top, right, bottom};
}

void FrameRect(Bitmap& dst, Rect r, uint32_t colour, int penWidth) {
  if (penWidth <= 0 || r.Empty()) return;

  // Real extents, not Rect::Width(), which saturates and could turn a thin frame round a huge
  // rectangle into a fill.
  const int64_t w = static_cast<int64_t>(r.right) - r.left;
  const int64_t h = static_cast<int64_t>(r.bottom) - r.top;
  const int64_t pen = penWidth;
  if (2 * pen >= w || 2 * pen >= h) {
    FillRect(dst, r, colour);
    return;
  }

  // The pen is under half the rectangle on both axes, so every inner edge lies strictly between
  // the outer ones and fits in an int.
  const int innerLeft = static_cast<int>(r.left + pen);
  const int innerTop = static_cast<int>(r.top + pen);
  const int innerRight = static_cast<int>(r.right - pen);
  const int innerBottom = static_cast<int>(r.bottom - pen);
  FillRect(dst, Rect{r.left, r.top, r.right, innerTop}, colour);
  FillRect(dst, Rect{r.left, innerBottom, r.right, r.bottom}, colour);
  FillRect(dst, Rect{r.left, innerTop, innerLeft, innerBottom}, colour);
  FillRect(dst, Rect{innerRight, innerTop, r.right, innerBottom}, colour);
}

} // namespace platform
