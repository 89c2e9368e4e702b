#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tool {

// The arguments of the subcommands that play a field of their own: the generator's seed, the
// clicks in order, and the flags the subcommand knows.
struct FieldArguments {
  std::uint32_t seed = 0;
  std::vector<std::pair<int, int>> clicks; // column, row
  std::vector<std::string> flags;          // the flags given, without their values
  std::string kinds;                       // the value of --kinds, when given
};

// The cells a click may name, both ends included.
struct CellRange {
  int firstColumn, lastColumn, firstRow, lastRow;
};

// Parses "--seed N [--click C,R]... [flags]": `valueFlags` take a value (only "--kinds" is
// known), `plainFlags` none. An empty string on success, else what is wrong.
std::string ParseFieldArguments(const std::vector<std::string>& args, const CellRange& cells,
                                const std::vector<std::string>& plainFlags, bool takesKinds,
                                FieldArguments& parsed);

} // namespace tool
