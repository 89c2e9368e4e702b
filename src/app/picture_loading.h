#pragma once

#include <string>

#include "render/board_renderer.h"
#include "shell/idle_animations.h"

namespace app {

// The built-in pause picture and games-panel logos. A picture that cannot be read stays empty,
// and its animation then draws nothing.
shell::IdlePictures LoadIdlePictures();

} // namespace app
