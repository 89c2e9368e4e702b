#pragma once

namespace shell {

// The kinds of game that "Last Played Game" can start again.
enum class GameKind { Hashira, Slider, Clicks, Memory, Rivers, TwoPlayerSolitaire, Solitaire };

// The kind of game to start again, from the game being played (GameMode) or, on the games panel,
// from the game code that the last game left in LayoutIndex. A two-player game leaves a layout
// number there, so after it has ended a one-player game follows.
GameKind LastPlayedKind(int mode, int layoutIndex);

} // namespace shell
