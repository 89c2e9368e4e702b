#include "shell/last_played_game.h"

#include <array>

#include "engine/game_state.h"

namespace shell {

namespace {

// One row per kind, first match wins. A kind that leaves no game code has an empty range.
struct KindRule {
  GameKind kind;
  int mode;
  int firstCode, lastCode;
};

constexpr int NoCode = 0;

constexpr std::array Rules{
    KindRule{GameKind::Hashira, engine::ModeHashira, 1040, 1040},
    KindRule{GameKind::Slider, engine::ModeSlider, 1030, 1030},
    KindRule{GameKind::Clicks, engine::ModeClicks, 1020, 1022},
    KindRule{GameKind::Memory, engine::ModeMemory, 1010, 1011},
    KindRule{GameKind::Rivers, engine::ModeRivers, 1000, 1001},
    KindRule{GameKind::TwoPlayerSolitaire, engine::ModeTwoPlayers, NoCode, NoCode - 1},
};

} // namespace

GameKind LastPlayedKind(int mode, int layoutIndex) {
  for (const KindRule& rule : Rules)
    if (mode == rule.mode || (layoutIndex >= rule.firstCode && layoutIndex <= rule.lastCode))
      return rule.kind;
  return GameKind::Solitaire;
}

} // namespace shell
