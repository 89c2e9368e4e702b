#pragma once

#include <string_view>

#include "engine/game_services.h"
#include "engine/game_state.h"

namespace shell {

// The mode a pause returns to; the games panel until a game is paused.
struct PauseState {
  int PausedMode = engine::ModeGamesPanel;
};

enum class PauseStep { Ignored, Paused, Resumed };

// The Pause command: freezes the clocks of a running game (modes 1..7) and hides its tiles, or
// brings a paused game back with the time it had. Every other mode ignores it.
PauseStep PauseClick(engine::GameState& state, PauseState& pause, engine::GameServices& services);

// The captions of the menu entry and the toolbar button while paused and while playing.
struct PauseCaptions {
  std::string_view menu, button;
};
constexpr PauseCaptions PausedCaptions{"&Continue", "Play"};
constexpr PauseCaptions PlayingCaptions{"&Pause", "Pause"};

} // namespace shell
