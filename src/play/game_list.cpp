#include "play/game_list.h"

namespace play {

Game* GameList::ForMode(int mode) const {
  for (Game* game : games_)
    if (game->traits().mode == mode) return game;
  return nullptr;
}

} // namespace play
