#include "play/thread_timer.h"

#include <algorithm>

namespace play {

int ThreadTimerPacing::NextDelay(std::uint32_t runStart, std::uint32_t runEnd) const {
  // Unsigned difference: a run across the wrap of the tick counter still measures right.
  const std::int64_t handlerMs = runEnd - runStart;
  return static_cast<int>(std::max<std::int64_t>(interval_ - handlerMs, MinimumTimerSleep));
}

bool ThreadTimerNeeded(const engine::GameState& state, const Game* game) {
  if (game) return game->traits().threadTimer || game->HasBackgroundWork();
  switch (state.board.GameMode) {
  case engine::ModeGamesPanel:
  case engine::ModePaused:
    return state.options.AnimatePause;
  default:
    return false;
  }
}

} // namespace play
