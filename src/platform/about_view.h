#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

// The about window in plain terms: its texts, and what "View Statistics" does. "OK" closes it.
struct AboutBox {
  std::string caption;
  std::string programName;
  std::string version;
  std::vector<std::string> credits;
  std::function<void()> viewStatistics;
};

} // namespace platform
