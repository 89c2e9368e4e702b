#pragma once

#include <cstdint>

#include "platform/bitmap.h"

namespace render {

// Draws into a bitmap but never outside a clip area, so a partial redraw leaves the rest of the
// bitmap as the last composition made it.
class ClippedCanvas {
public:
  ClippedCanvas(platform::Bitmap& target, const platform::Rect& clip)
      : target_(target), clip_(platform::Intersect(clip, target.Bounds())) {}

  void Blit(int dx, int dy, const platform::Bitmap& src, platform::Rect part,
            platform::RasterOp op) const;
  void DrawTransparent(int dx, int dy, const platform::Bitmap& src, platform::Rect part,
                       std::uint32_t key) const;
  // An outline `pen` pixels thick lying inside r.
  void Frame(const platform::Rect& r, std::uint32_t colour, int pen) const;

  const platform::Rect& Clip() const { return clip_; }

private:
  // Cuts the block that `part` puts at (dx, dy) down to the clip area.
  bool Trim(int& dx, int& dy, platform::Rect& part) const;

  platform::Bitmap& target_;
  platform::Rect clip_;
};

} // namespace render
