#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tool {

// "rivers --variant easy|hard --seed N [--moves]": the deal the generator gives from RandSeed
// N, one "t x y z" line per slot, or with --moves the count of the fresh deal.
int RiversCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const char* usage);

// "memory --variant easy|hard --seed N": the deal, as for rivers.
int MemoryCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const char* usage);

} // namespace tool
