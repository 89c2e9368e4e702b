#pragma once

#include "play/traits.h"

namespace shell {

// Whether a play command may be used while GameMode is `mode`; `game` is the game of that mode,
// null for the screens between games. A game enables what its traits list, the pause screen
// only Pause (which resumes the game), every other screen nothing.
bool CommandEnabled(play::PlayCommand command, int mode, const play::Traits* game);

} // namespace shell
