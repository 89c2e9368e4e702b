#include "games/solitaire/player_clocks_panel.h"

#include <array>

namespace solitaire {

namespace {

struct PlayerLook {
  const char* name;
  std::uint32_t colour;
  int nameY, timeY;
};
const std::array<PlayerLook, 2> Players{{
    {"PLAYER 1", platform::Rgb(255, 255, 0), 382, 402},
    {"PLAYER 2", platform::Rgb(0, 255, 255), 424, 444},
}};

} // namespace

void UpdatePlayerClocks(PlayerClocks& clocks, const engine::Scoring& s, std::uint32_t now) {
  const std::array<int, 2> finishedTurns = {s.PlayerTime1, s.PlayerTime2};
  const std::array<std::uint32_t, 2> turnStarts = {s.TurnStartTick1, s.TurnStartTick2};
  const bool blinkOn = now % 1000 > 500;
  for (int player = 0; player < 2; ++player) {
    const bool onTurn = player == s.CurrentPlayer;
    std::int64_t ms = finishedTurns[player];
    if (onTurn) ms += now - turnStarts[player];
    PlayerClock& clock = clocks[player];
    if (clock.seconds != ms / 1000) {
      clock.seconds = ms / 1000;
      clock.time = play::FormatMilliseconds(ms);
    }
    clock.nameShown = !onTurn || blinkOn;
  }
}

void DrawPlayerClocks(platform::Bitmap& panel, const platform::Bitmap& cleanPanel,
                      const PlayerClocks& clocks, platform::TextPainter& painter) {
  const platform::Rect& a = PlayerClocksArea;
  platform::Blit(panel, a.left, a.top, cleanPanel, a);
  const platform::Font names{"Arial", 12, true, false};
  const platform::Font times{"Arial", 10, true, false};
  for (std::size_t p = 0; p < Players.size(); ++p) {
    if (clocks[p].nameShown)
      painter.DrawText(panel, 8, Players[p].nameY, Players[p].name, names, Players[p].colour);
    painter.DrawText(panel, 30, Players[p].timeY, clocks[p].time.view(), times,
                     platform::Rgb(255, 255, 255));
  }
}

} // namespace solitaire
