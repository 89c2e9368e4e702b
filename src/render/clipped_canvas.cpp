#include "render/clipped_canvas.h"

namespace render {

using platform::Rect;

void ClippedCanvas::Blit(int dx, int dy, const platform::Bitmap& src, Rect part,
                         platform::RasterOp op) const {
  if (Trim(dx, dy, part)) platform::Blit(target_, dx, dy, src, part, op);
}

void ClippedCanvas::DrawTransparent(int dx, int dy, const platform::Bitmap& src, Rect part,
                                    std::uint32_t key) const {
  if (Trim(dx, dy, part)) platform::DrawTransparent(target_, dx, dy, src, part, key);
}

void ClippedCanvas::Frame(const Rect& r, std::uint32_t colour, int pen) const {
  const Rect bands[] = {
      {r.left, r.top, r.right, r.top + pen},
      {r.left, r.bottom - pen, r.right, r.bottom},
      {r.left, r.top + pen, r.left + pen, r.bottom - pen},
      {r.right - pen, r.top + pen, r.right, r.bottom - pen},
  };
  for (const Rect& band : bands)
    platform::FillRect(target_, platform::Intersect(band, clip_), colour);
}

bool ClippedCanvas::Trim(int& dx, int& dy, Rect& part) const {
  const Rect landed = platform::Intersect({dx, dy, dx + part.Width(), dy + part.Height()}, clip_);
  if (landed.Empty()) return false;
  part = {part.left + landed.left - dx, part.top + landed.top - dy, part.left + landed.right - dx,
          part.top + landed.bottom - dy};
  dx = landed.left;
  dy = landed.top;
  return true;
}

} // namespace render
