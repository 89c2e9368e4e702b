#include "platform/clock.h"

#include <chrono>

namespace platform {

std::uint32_t SystemClock::TickCount() {
  using namespace std::chrono;
  auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<std::uint32_t>(ms);
}

TimeOfDay SystemClock::NowUtc() {
  using namespace std::chrono;
  auto now = system_clock::now();
  auto sinceMidnight = now - floor<days>(now);
  auto ms = duration_cast<milliseconds>(sinceMidnight).count();
  TimeOfDay t;
  t.millisecond = static_cast<int>(ms % 1000);
  t.second = static_cast<int>(ms / 1000 % 60);
  t.minute = static_cast<int>(ms / 60000 % 60);
  t.hour = static_cast<int>(ms / 3600000);
  return t;
}

} // namespace platform
