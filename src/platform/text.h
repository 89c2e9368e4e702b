#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/bitmap.h"

namespace platform {

struct Font {
  std::string family; // a substitute is chosen where the system lacks it
  int pointSize = 8;
  bool bold = false;
  bool italic = false;
};

// Text printed into our own bitmaps (labels on tiles, the side panels), with a transparent
// background. The window's toolkit does the lettering; the rules only say where and in what.
class TextPainter {
public:
  virtual ~TextPainter() = default;
  // Prints text with the top-left corner of its line box at (x, y), clipped to the bitmap.
  virtual void DrawText(Bitmap& target, int x, int y, std::string_view text, const Font& font,
                        std::uint32_t colour) = 0;
  // The width in pixels that DrawText would cover.
  virtual int TextWidth(std::string_view text, const Font& font) = 0;
};

} // namespace platform
