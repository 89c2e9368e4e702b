#include "shell/pause.h"

#include "games/clock.h"

namespace shell {

namespace {

bool IsGameMode(int mode) {
  return mode >= engine::ModeSolitaire && mode <= engine::ModeHashira;
}

} // namespace

PauseStep PauseClick(engine::GameState& state, PauseState& pause, engine::GameServices& services) {
  const int mode = state.board.GameMode;
  const std::uint32_t now = services.clock().TickCount();
  if (IsGameMode(mode)) {
    pause.PausedMode = mode;
    games::PauseClocks(state.scoring, mode, now);
    services.IM(engine::ModePaused);
    services.ShowEmptyBoard();
    return PauseStep::Paused;
  }
  if (mode != engine::ModePaused) return PauseStep::Ignored;
  services.IM(pause.PausedMode);
  games::ResumeClocks(state.scoring, pause.PausedMode, now);
  services.FullRedraw();
  return PauseStep::Resumed;
}

PauseStep FormDeactivate(engine::GameState& state, PauseState& pause,
                         engine::GameServices& services) {
  if (state.board.GameMode == engine::ModePaused) return PauseStep::Ignored;
  return PauseClick(state, pause, services);
}

PauseStep FormActivate(engine::GameState& state, PauseState& pause,
                       engine::GameServices& services) {
  if (state.board.GameMode != engine::ModePaused) return PauseStep::Ignored;
  return PauseClick(state, pause, services);
}

PauseStep CheckPause(engine::GameState& state, PauseState& pause, engine::GameServices& services) {
  if (!state.options.GoCheckPause || state.board.GameMode == engine::ModePaused)
    return PauseStep::Ignored;
  return PauseClick(state, pause, services);
}

PauseStep UnCheckPause(engine::GameState& state, PauseState& pause,
                       engine::GameServices& services) {
  if (!state.options.GoCheckPause || state.board.GameMode != engine::ModePaused)
    return PauseStep::Ignored;
  return PauseClick(state, pause, services);
}

} // namespace shell
