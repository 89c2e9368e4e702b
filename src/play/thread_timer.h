#pragma once

#include <cstdint>

#include "engine/game_state.h"
#include "play/game.h"

namespace play {

// TimerColumns: one Hashira step, or one frame of the idle animations, per tick.
constexpr int TimerColumnsInterval = 8;
// The shortest sleep between two runs, however long the handler took.
constexpr int MinimumTimerSleep = 10;

// How long the thread timer sleeps after each run of its handler. A slow handler lowers the
// rate instead of piling ticks up; with the 8 ms interval the sleep is always 10 ms.
class ThreadTimerPacing {
public:
  explicit ThreadTimerPacing(int intervalMs = TimerColumnsInterval) : interval_(intervalMs) {}
  // The sleep after a run that started at `runStart` and ended at `runEnd` (tick counts).
  int NextDelay(std::uint32_t runStart, std::uint32_t runEnd) const;

private:
  int interval_;
};

// Whether the handler has anything to do: the steps of a game that runs on the thread timer or
// has work in the background, and the animations of the games panel and the pause screen only
// with "Animate Pause and Start screens". `game` is the game being played, or null.
bool ThreadTimerNeeded(const engine::GameState& state, const Game* game);

} // namespace play
