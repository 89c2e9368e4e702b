#include "shell/backgrounds.h"

namespace shell {

void TileBackground(platform::Bitmap& background, const platform::Bitmap& picture) {
  const int w = picture.Width(), h = picture.Height();
  if (picture.Empty()) return;
  if (w >= background.Width() && h >= background.Height()) {
    platform::Blit(background, 0, 0, picture, picture.Bounds());
    return;
  }
  for (int y = 0; y < background.Height(); y += h)
    for (int x = 0; x < background.Width(); x += w)
      platform::Blit(background, x, y, picture, picture.Bounds());
}

} // namespace shell
