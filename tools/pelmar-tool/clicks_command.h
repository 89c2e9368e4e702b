#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tool {

// "clicks --kinds 4|5|6 --seed N [--click C,R]...": fills a Clicks field from the seed, plays
// the clicks in order and prints the field, the tiles left and the groups.
int RunClicks(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const char* usage);

} // namespace tool
