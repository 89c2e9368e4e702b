#pragma once

#include <string>

namespace tool {

// Reads the number given to "--seed": a whole number from 1 to 2147483647. Returns the problem
// to report, or an empty string when `seed` was set.
std::string ParseSeed(const std::string& text, int& seed);
// A whole number from 1 to 2147483647 (a time, a count); false for anything else.
bool ParsePositive(const std::string& text, int& value);

} // namespace tool
