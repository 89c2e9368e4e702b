#pragma once

#include <string>

namespace platform::qt {

struct LocalDate {
  int year = 0, month = 0, day = 0;
};

// Today in the user's time zone.
LocalDate TodayLocal();
// The user's short date pattern in the letters d, M and y ("M/d/yy", "dd.MM.yyyy" ...).
std::string ShortDatePattern();

} // namespace platform::qt
