#pragma once

namespace shell {

// The play commands whose availability follows the game mode.
enum class PlayCommand { Back, Hint, Pause, Shuffle, Restart, Stop };

// Whether a play command may be used while GameMode is `mode`; unknown modes enable nothing.
bool CommandEnabled(PlayCommand command, int mode);

} // namespace shell
