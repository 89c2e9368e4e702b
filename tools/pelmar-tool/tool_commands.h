#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tool {

enum ExitStatus { Success = 0, InvalidInput = 1, UsageError = 2 };

// Runs one pelmar-tool command line (without the program name); writes results to out and
// problems to err.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tool
