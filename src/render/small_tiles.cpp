#include "render/small_tiles.h"

#include <string>

namespace render {

void SmallTiles::Load(platform::Desktop& desktop) {
  if (loaded_) return;
  for (int kind = 1; kind < SmallTileKinds; ++kind)
    pictures_[kind - 1] =
        platform::BuiltinPicture(desktop, "small_tile" + std::to_string(kind) + ".bmp");
  pictures_[SmallTileKinds - 1] = platform::BuiltinPicture(desktop, "small_joker.bmp");
  loaded_ = true;
}

void SmallTiles::Draw(const ClippedCanvas& canvas, int kind, int x, int y) const {
  if (kind < 1 || kind > SmallTileKinds) return;
  const platform::Bitmap& picture = pictures_[kind - 1];
  canvas.DrawTransparent(x, y, picture, picture.Bounds(), SmallTileKey);
}

} // namespace render
