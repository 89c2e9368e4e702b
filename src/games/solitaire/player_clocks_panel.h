#pragma once

#include <array>
#include <cstdint>

#include "engine/game_state.h"
#include "platform/bitmap.h"
#include "platform/text.h"
#include "play/clock.h"

namespace solitaire {

// One player's clock on the side panel of a two-player game.
struct PlayerClock {
  std::int64_t seconds = -1;
  play::ShortText time;
  bool nameShown = true;
};
using PlayerClocks = std::array<PlayerClock, 2>; // PLAYER 1, PLAYER 2

// Brings both clocks to `now`: the player on turn adds his running turn to his total and his
// name blinks, shown only in the second half of each second. A time is formatted again only
// when its second changes.
void UpdatePlayerClocks(PlayerClocks& clocks, const engine::Scoring& s, std::uint32_t now);

// The part of the side panel that shows the two players' clocks.
constexpr platform::Rect PlayerClocksArea{0, 380, 92, 468};

// Draws both names and times into the panel's off-screen copy over its clean background; the
// name of the player on turn is left out while it blinks off.
void DrawPlayerClocks(platform::Bitmap& panel, const platform::Bitmap& cleanPanel,
                      const PlayerClocks& clocks, platform::TextPainter& painter);

} // namespace solitaire
