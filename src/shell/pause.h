#pragma once

#include <string_view>

#include "engine/game_services.h"
#include "engine/game_state.h"
#include "play/game_list.h"

namespace shell {

// The mode a pause returns to (the games panel until a game is paused), and the phase of the
// pause-screen and games-panel animations.
struct PauseState {
  int PausedMode = engine::ModeGamesPanel;
  int AnimationStep = 0;
};

enum class PauseStep { Ignored, Paused, Resumed };

// The Pause command: freezes the clocks of a running game and hides its tiles, or
// brings a paused game back with the time it had. Every other mode ignores it.
PauseStep PauseClick(engine::GameState& state, PauseState& pause, engine::GameServices& services,
                     const play::GameList& games);

// The program lost activation: a running game pauses whatever the options say, so no time runs
// while the player looks elsewhere. A game already paused stays paused.
PauseStep FormDeactivate(engine::GameState& state, PauseState& pause,
                         engine::GameServices& services, const play::GameList& games);
// The program is active again: a paused game resumes, also one the player paused by hand.
PauseStep FormActivate(engine::GameState& state, PauseState& pause, engine::GameServices& services,
                       const play::GameList& games);

// Around the program's own modal windows: with "Pause game when losing focus" checked, a running
// game pauses before the window opens and resumes after it closes.
PauseStep CheckPause(engine::GameState& state, PauseState& pause, engine::GameServices& services,
                     const play::GameList& games);
PauseStep UnCheckPause(engine::GameState& state, PauseState& pause, engine::GameServices& services,
                       const play::GameList& games);

// The captions of the menu entry and the toolbar button while paused and while playing.
struct PauseCaptions {
  std::string_view menu, button;
};
constexpr PauseCaptions PausedCaptions{"&Continue", "Play"};
constexpr PauseCaptions PlayingCaptions{"&Pause", "Pause"};

} // namespace shell
