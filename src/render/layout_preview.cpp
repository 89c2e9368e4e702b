#include "render/layout_preview.h"

namespace render {

platform::Bitmap PreviewBackdrop(const platform::Bitmap& background, bool withBackground) {
  platform::Bitmap backdrop(PreviewWidth, PreviewHeight, PreviewPurple);
  if (!withBackground || background.Empty()) return backdrop;
  // Nearest pixel, as a plain stretch of the picture does.
  for (int y = 0; y < PreviewHeight; ++y)
    for (int x = 0; x < PreviewWidth; ++x)
      backdrop.SetPixel(x, y,
                        background.Pixel(x * background.Width() / PreviewWidth,
                                         y * background.Height() / PreviewHeight));
  return backdrop;
}

platform::Bitmap MinusRedraw(const platform::Bitmap& backdrop, const engine::LayoutGrid& cells,
                             const platform::Bitmap& minus) {
  platform::Bitmap preview = backdrop;
  for (int z = 1; z <= engine::GridLayers; ++z)
    for (int x = engine::GridWidth; x >= 1; --x)
      for (int y = 1; y <= engine::GridHeight; ++y)
        if (cells(x, y, z))
          platform::DrawTransparent(preview, 5 * (x - 1) + 3 * (z - 1) + 14,
                                    6 * (y - 1) - 3 * (z - 1) + 8, minus, minus.Bounds(), MinusKey);
  return preview;
}

} // namespace render
