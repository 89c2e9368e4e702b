#pragma once

#include <string>

#include "platform/desktop.h"
#include "records/hall_panel.h"
#include "render/board_renderer.h"
#include "shell/idle_animations.h"

namespace app {

// The built-in pause picture and games-panel logos. A picture that cannot be read stays empty,
// and its animation then draws nothing.
shell::IdlePictures LoadIdlePictures(platform::Desktop& desktop);

// The side panel's background and the mascot pictures; one that cannot be read stays blank.
records::HallPictures LoadHallPictures(platform::Desktop& desktop);

} // namespace app
