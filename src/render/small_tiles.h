#pragma once

#include <array>
#include <cstdint>

#include "platform/bitmap.h"
#include "platform/desktop.h"
#include "render/clipped_canvas.h"

namespace render {

// The small tile pictures of the games on a field of their own (`Clicko`): kinds 1..6 and, as
// the seventh, the joker. Each is 38 x 38 on black, which stays transparent: a 32-pixel face
// with a 6-pixel edge on its left and below, so tiles drawn on a 32-pixel pitch overlap.
constexpr int SmallTileSize = 38;
constexpr int SmallTileKinds = 7;
constexpr std::uint32_t SmallTileKey = platform::Rgb(0, 0, 0);

class SmallTiles {
public:
  // Reads the pictures the first time a game needs them; later calls keep what was read.
  void Load(platform::Desktop& desktop);
  // The picture of `kind` with its top-left corner at (x, y); kinds outside 1..7 draw nothing.
  void Draw(const ClippedCanvas& canvas, int kind, int x, int y) const;

private:
  std::array<platform::Bitmap, SmallTileKinds> pictures_;
  bool loaded_ = false;
};

} // namespace render
