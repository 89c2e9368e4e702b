#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tool {

// "hashira --seed N [--start-level L] [--speed 1|2|3] [--no-animate-chain] --ticks T
// [--key K:KEY]...": plays T steps of a Hashira game started with the generator seeded N, each
// key pressed or released just before its step, and prints where the game stands. A usage
// problem is reported with `usage` after it.
int RunHashira(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const char* usage);

} // namespace tool
