#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/layout_file.h"

namespace tool {

enum ExitStatus { Success = 0, InvalidInput = 1, UsageError = 2 };

// Runs one pelmar-tool command line (without the program name); writes results to out and
// problems to err.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// What the commands in other files share with those here.
extern const char* const Usage;

struct DealOptions {
  std::string layout;
  int seed = 0;
  bool winnable = false, vertical = false;
};

// One layout of a file, read as the game reads it (and the tool's drawings, .txt): the map `map`
// of a map file, else its first.
engine::ParsedLayout ReadLayout(const std::string& path, const std::string& map = {});
// Reports a layout that could not be read on err; true when it was.
bool ReportIfBroken(const std::string& path, const engine::ParsedLayout& parsed, std::ostream& err);
// Parses "LAYOUT --seed N [--winnable] [--vertical]"; an empty string on success.
std::string ParseDealOptions(const std::vector<std::string>& args, bool allowVertical,
                             DealOptions& options);
// Deals the layout exactly as a numbered game of that number.
void DealNumberedGame(engine::GameState& state, const engine::ParsedLayout& layout,
                      const DealOptions& options);

} // namespace tool
