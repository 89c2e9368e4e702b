#include "seed_option.h"

#include <charconv>
#include <climits>

namespace tool {

std::string ParseSeed(const std::string& text, int& seed) {
  long long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > INT_MAX)
    return "the game number must be a whole number from 1 to 2147483647, not \"" + text + "\"";
  seed = static_cast<int>(value);
  return {};
}

} // namespace tool
