#pragma once

#include "play/game_list.h"

namespace shell {

// The game that "Last Played Game" starts again: the game being played (GameMode) or, on the
// games panel, the game whose code the last game left in LayoutIndex. The games are asked from
// the last of the list to the first, and the first match wins; when none matches, the game of
// the layouts. A two-player game leaves a layout number there, so after it has ended a
// one-player game follows.
play::Game& LastPlayedGame(const play::GameList& games, int mode, int layoutIndex);

} // namespace shell
