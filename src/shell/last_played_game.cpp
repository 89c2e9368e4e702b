#include "shell/last_played_game.h"

namespace shell {

play::Game& LastPlayedGame(const play::GameList& games, int mode, int layoutIndex) {
  const auto all = games.All();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    const play::Traits& t = (*it)->traits();
    if (t.isGame && (t.mode == mode || t.HasCode(layoutIndex))) return **it;
  }
  return games.Default();
}

} // namespace shell
