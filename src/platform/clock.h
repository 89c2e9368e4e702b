#pragma once

#include <cstdint>

namespace platform {

struct TimeOfDay {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// The only source of time: a manual clock in tests makes game clocks and seeding repeatable.
class Clock {
public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps like a 32-bit tick counter.
  virtual std::uint32_t TickCount() = 0;
  // The current time of day in UTC.
  virtual TimeOfDay NowUtc() = 0;
};

// The real clock of the machine.
class SystemClock final : public Clock {
public:
  std::uint32_t TickCount() override;
  TimeOfDay NowUtc() override;
};

} // namespace platform
