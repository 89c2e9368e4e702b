#pragma once

#include "platform/qt/window_port.h"

namespace app {

// The games panel as the window shows it, from the panel's table and the command table.
platform::qt::GamesPanelItems GamesPanelItems();

} // namespace app
