#include "field_arguments.h"

#include <algorithm>
#include <charconv>

namespace tool {

namespace {

bool ParseNumber(const std::string& text, long long& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

std::string ParseCell(const std::string& text, const CellRange& cells, std::pair<int, int>& cell) {
  const std::string wrong =
      "a click names a cell as C,R with C " + std::to_string(cells.firstColumn) + ".." +
      std::to_string(cells.lastColumn) + " and R " + std::to_string(cells.firstRow) + ".." +
      std::to_string(cells.lastRow) + ", not \"" + text + "\"";
  const std::size_t comma = text.find(',');
  long long c = 0, r = 0;
  if (comma == std::string::npos || !ParseNumber(text.substr(0, comma), c) ||
      !ParseNumber(text.substr(comma + 1), r) || c < cells.firstColumn || c > cells.lastColumn ||
      r < cells.firstRow || r > cells.lastRow)
    return wrong;
  cell = {static_cast<int>(c), static_cast<int>(r)};
  return {};
}

} // namespace

std::string ParseFieldArguments(const std::vector<std::string>& args, const CellRange& cells,
                                const std::vector<std::string>& plainFlags, bool takesKinds,
                                FieldArguments& parsed) {
  bool seeded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = a == "--seed" || a == "--click" || (a == "--kinds" && takesKinds);
    if (hasValue && i + 1 == args.size()) return a + " needs a value";
    if (a == "--seed") {
      const std::string& n = args[++i];
      long long value = 0;
      if (!ParseNumber(n, value) || value < 0 || value > UINT32_MAX)
        return "the seed must be a whole number from 0 to 4294967295, not \"" + n + "\"";
      parsed.seed = static_cast<std::uint32_t>(value);
      seeded = true;
    } else if (a == "--click") {
      std::pair<int, int> cell;
      if (std::string problem = ParseCell(args[++i], cells, cell); !problem.empty()) return problem;
      parsed.clicks.push_back(cell);
    } else if (a == "--kinds" && takesKinds) {
      parsed.kinds = args[++i];
      parsed.flags.push_back(a);
    } else if (std::find(plainFlags.begin(), plainFlags.end(), a) != plainFlags.end()) {
      parsed.flags.push_back(a);
    } else {
      return "unexpected argument \"" + a + "\"";
    }
  }
  if (!seeded) return "--seed is required";
  return {};
}

} // namespace tool
