#pragma once

#include <array>

#include "games/hashira/hashira_state.h"
#include "games/hashira/sprite.h"
#include "platform/bitmap.h"
#include "platform/desktop.h"

namespace hashira {

constexpr int TileSize = 38; // a small tile with its edge below and on the left
constexpr int DigitWidth = 20, DigitHeight = 22;

// The pictures of the pit and its panel, loaded with the first game.
struct ColumnsPictures {
  std::array<Sprite, KindCount> Clicko; // the small tiles
  std::array<Sprite, 10> Digitaux;      // the digits of the points shown in the pit
  platform::Bitmap Violet;              // the panel's background
};
ColumnsPictures LoadColumnsPictures(platform::Desktop& desktop);
// The ten digits of a strip in which digit d is the 20 x 22 cell at x = 20 d.
std::array<Sprite, 10> DigitSprites(const platform::Bitmap& strip);

} // namespace hashira
