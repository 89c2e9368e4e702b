#include "seed_option.h"

#include <charconv>
#include <climits>

namespace tool {

bool ParsePositive(const std::string& text, int& value) {
  long long parsed = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (ec != std::errc() || end != text.data() + text.size() || parsed < 1 || parsed > INT_MAX)
    return false;
  value = static_cast<int>(parsed);
  return true;
}

std::string ParseSeed(const std::string& text, int& seed) {
  if (ParsePositive(text, seed)) return {};
  return "the game number must be a whole number from 1 to 2147483647, not \"" + text + "\"";
}

} // namespace tool
