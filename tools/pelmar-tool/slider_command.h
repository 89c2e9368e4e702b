#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tool {

// "slider --seed N [--jokers] [--click C,R]...": starts a Slider game from the seed, plays the
// clicks in order and prints the field, the next tiles, the score and whether the game ended.
int RunSlider(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const char* usage);

} // namespace tool
