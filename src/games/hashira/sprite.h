#pragma once

#include <vector>

#include "platform/bitmap.h"

namespace hashira {

// A picture whose black is transparent, kept as the opaque runs of each row: drawing it copies
// whole runs instead of testing every pixel, which keeps a busy pit cheap at a hundred steps a
// second.
class Sprite {
public:
  Sprite() = default;
  explicit Sprite(const platform::Bitmap& picture);

  // Draws the sprite with its top-left corner at (x, y), nothing of it outside `clip`.
  void Draw(platform::Bitmap& target, int x, int y, const platform::Rect& clip) const;

private:
  struct Run {
    int row, left, right;
  };
  platform::Bitmap picture_;
  std::vector<Run> runs_;
};

} // namespace hashira
