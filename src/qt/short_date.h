#pragma once

#include <string>

#include "platform/desktop.h"

namespace qt {
using namespace platform;

// Today in the user's time zone.
LocalDate TodayLocal();
// The user's short date pattern in the letters d, M and y ("M/d/yy", "dd.MM.yyyy" ...).
std::string ShortDatePattern();

} // namespace qt
