#pragma once

#include "platform/window_port.h"

namespace app {

// The games panel as the window shows it, from the panel's table and the command table.
platform::GamesPanelItems GamesPanelItems();

} // namespace app
