#include "games/hashira/sprite.h"

#include <algorithm>
#include <cstring>

namespace hashira {

Sprite::Sprite(const platform::Bitmap& picture) : picture_(picture) {
  constexpr std::uint32_t Black = platform::Rgb(0, 0, 0);
  for (int row = 0; row < picture.Height(); ++row) {
    int x = 0;
    while (x < picture.Width()) {
      if (platform::SameColour(picture.Pixel(x, row), Black)) {
        ++x;
        continue;
      }
      const int left = x;
      while (x < picture.Width() && !platform::SameColour(picture.Pixel(x, row), Black)) ++x;
      runs_.push_back({row, left, x});
    }
  }
}

void Sprite::Draw(platform::Bitmap& target, int x, int y, const platform::Rect& clip) const {
  const platform::Rect area = platform::Intersect(clip, target.Bounds());
  const std::uint32_t* source = picture_.Pixels();
  std::uint32_t* pixels = target.Pixels();
  const int width = target.Width(), sourceWidth = picture_.Width();
  for (const Run& run : runs_) {
    const int row = y + run.row;
    if (row < area.top || row >= area.bottom) continue;
    const int left = std::max(x + run.left, area.left);
    const int right = std::min(x + run.right, area.right);
    if (left >= right) continue;
    std::memcpy(pixels + static_cast<std::size_t>(row) * width + left,
                source + static_cast<std::size_t>(run.row) * sourceWidth + (left - x),
                static_cast<std::size_t>(right - left) * sizeof(std::uint32_t));
  }
}

} // namespace hashira
