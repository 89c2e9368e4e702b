#include "shell/pause.h"

#include "play/clock.h"

namespace shell {

namespace {

const play::Game* PausableGame(const play::GameList& games, int mode) {
  const play::Game* game = games.ForMode(mode);
  return game && game->traits().isGame ? game : nullptr;
}

} // namespace

PauseStep PauseClick(engine::GameState& state, PauseState& pause, engine::GameServices& services,
                     const play::GameList& games) {
  const int mode = state.board.GameMode;
  const std::uint32_t now = services.clock().TickCount();
  if (const play::Game* game = PausableGame(games, mode)) {
    pause.PausedMode = mode;
    play::PauseClocks(state.scoring, game->traits().turnClocks, now);
    services.IM(engine::ModePaused);
    services.ShowEmptyBoard();
    return PauseStep::Paused;
  }
  if (mode != engine::ModePaused) return PauseStep::Ignored;
  services.IM(pause.PausedMode);
  const play::Game* paused = games.ForMode(pause.PausedMode);
  play::ResumeClocks(state.scoring, paused && paused->traits().turnClocks, now);
  services.FullRedraw();
  return PauseStep::Resumed;
}

PauseStep FormDeactivate(engine::GameState& state, PauseState& pause,
                         engine::GameServices& services, const play::GameList& games) {
  if (state.board.GameMode == engine::ModePaused) return PauseStep::Ignored;
  return PauseClick(state, pause, services, games);
}

PauseStep FormActivate(engine::GameState& state, PauseState& pause, engine::GameServices& services,
                       const play::GameList& games) {
  if (state.board.GameMode != engine::ModePaused) return PauseStep::Ignored;
  return PauseClick(state, pause, services, games);
}

PauseStep CheckPause(engine::GameState& state, PauseState& pause, engine::GameServices& services,
                     const play::GameList& games) {
  if (!state.options.GoCheckPause || state.board.GameMode == engine::ModePaused)
    return PauseStep::Ignored;
  return PauseClick(state, pause, services, games);
}

PauseStep UnCheckPause(engine::GameState& state, PauseState& pause, engine::GameServices& services,
                       const play::GameList& games) {
  if (!state.options.GoCheckPause || state.board.GameMode != engine::ModePaused)
    return PauseStep::Ignored;
  return PauseClick(state, pause, services, games);
}

} // namespace shell
