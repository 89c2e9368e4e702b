#pragma once

#include <QWidget>

#include "platform/window_port.h"

namespace qt {
using namespace platform;

// The modal result window of a finished game: its lines centred, one button to close it.
void RunResultDialog(QWidget& parent, const ResultWindow& result);

} // namespace qt
