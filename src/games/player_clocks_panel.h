#pragma once

#include "games/clock.h"
#include "platform/bitmap.h"
#include "platform/text.h"

namespace games {

// The part of the side panel that shows the two players' clocks.
constexpr platform::Rect PlayerClocksArea{0, 380, 92, 468};

// Draws both names and times into the panel's off-screen copy over its clean background; the
// name of the player on turn is left out while it blinks off.
void DrawPlayerClocks(platform::Bitmap& panel, const platform::Bitmap& cleanPanel,
                      const PlayerClocks& clocks, platform::TextPainter& painter);

} // namespace games
