#include "tool_commands.h"

#include <charconv>
#include <climits>
#include <memory>
#include <ostream>

#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/layout_file.h"
#include "hashira_command.h"
#include "layout_drawing.h"
#include "platform/files.h"
#include "quiet_services.h"

namespace tool {

namespace {

using engine::ParsedLayout;

const char* const Usage =
    "usage: pelmar-tool deal LAYOUT --seed N [--winnable]\n"
    "       pelmar-tool moves LAYOUT --seed N [--winnable] [--vertical]\n"
    "       pelmar-tool check FILE...\n"
    "       pelmar-tool convert IN OUT.lay\n"
    "       pelmar-tool hashira --seed N [--start-level L] [--speed 1|2|3] [--no-animate-chain]\n"
    "                           --ticks T [--key K:KEY]...\n"
    "LAYOUT and IN are .lay or .shp files (convert also takes a layout drawing, .txt);\n"
    "N is a game number from 1 to 2147483647.\n"
    "hashira plays T steps from the generator seeded N (0 to 4294967295), each KEY (left, right,\n"
    "up, down or release) acting just before step K, and prints score, removed, level, finished\n"
    "and one \"kind x y state\" line per block.\n";

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Reads a layout the way the game does; drawings are the tool's own source format. A .shp
// layout is named by its path, as in the game.
ParsedLayout ReadLayout(const std::string& path) {
  platform::FileRead file = platform::ReadWholeFile(path, engine::MaxLayoutFileBytes);
  if (!file.ok) {
    ParsedLayout unreadable;
    unreadable.fault = file.error;
    return unreadable;
  }
  if (EndsWith(path, ".shp")) {
    ParsedLayout parsed = engine::ParseShp(file.bytes);
    parsed.name = path;
    return parsed;
  }
  if (EndsWith(path, ".txt")) return ParseLayoutDrawing(file.bytes);
  ParsedLayout parsed = engine::ParseLay(file.bytes);
  if (parsed.outcome == ParsedLayout::Outcome::WrongHeader) {
    parsed.outcome = ParsedLayout::Outcome::Broken;
    parsed.fault =
        "its version header \"" + parsed.header + "\" is not \"Pelmar 3.0\" or \"Pelmar 6.0\"";
  }
  return parsed;
}

bool ReportIfBroken(const std::string& path, const ParsedLayout& parsed, std::ostream& err) {
  if (parsed.outcome == ParsedLayout::Outcome::Ok) return false;
  err << path << ": " << parsed.fault << "\n";
  return true;
}

struct DealOptions {
  std::string layout;
  int seed = 0;
  bool winnable = false, vertical = false;
};

// Parses "LAYOUT --seed N [--winnable] [--vertical]"; an empty string on success.
std::string ParseDealOptions(const std::vector<std::string>& args, bool allowVertical,
                             DealOptions& options) {
  bool seeded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--seed") {
      if (++i == args.size()) return "--seed needs a game number";
      const std::string& n = args[i];
      long long value = 0;
      auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), value);
      if (ec != std::errc() || end != n.data() + n.size() || value < 1 || value > INT_MAX)
        return "the game number must be a whole number from 1 to 2147483647, not \"" + n + "\"";
      options.seed = static_cast<int>(value);
      seeded = true;
    } else if (a == "--winnable") {
      options.winnable = true;
    } else if (a == "--vertical" && allowVertical) {
      options.vertical = true;
    } else if (a.starts_with("--") || !options.layout.empty()) {
      return "unexpected argument \"" + a + "\"";
    } else {
      options.layout = a;
    }
  }
  if (options.layout.empty()) return "no layout file given";
  if (!seeded) return "--seed is required";
  return {};
}

// Deals the layout exactly as a numbered game of that number.
void DealNumberedGame(engine::GameState& state, const ParsedLayout& layout,
                      const DealOptions& options) {
  QuietServices services(state);
  state.layouts.LayoutCells = layout.cells;
  state.options.Winnable = options.winnable;
  state.options.Vertical = options.vertical;
  state.options.RandomSeed1 = true;
  state.board.GameNumber = options.seed;
  services.BeginGame();
}

int DealOrMoves(const std::vector<std::string>& args, bool moves, std::ostream& out,
                std::ostream& err) {
  DealOptions options;
  if (std::string problem = ParseDealOptions(args, moves, options); !problem.empty()) {
    err << "pelmar-tool: " << problem << "\n" << Usage;
    return UsageError;
  }
  ParsedLayout layout = ReadLayout(options.layout);
  if (ReportIfBroken(options.layout, layout, err)) return InvalidInput;

  auto state = std::make_unique<engine::GameState>();
  DealNumberedGame(*state, layout, options);
  const engine::Board& b = state->board;
  if (!moves) {
    for (int t = 1; t <= b.TileCount; ++t) {
      const engine::Position& p = b.TilePos[t];
      out << t << ' ' << p.x << ' ' << p.y << ' ' << p.z << '\n';
    }
    return Success;
  }
  engine::IsItFree(*state);
  out << "free " << b.FreeCount << "\nmoves " << b.MovesLeft << "\nlist";
  for (int k = 1; k <= b.FreeCount; ++k) out << ' ' << static_cast<int>(b.FreeList[k]);
  out << '\n';
  return Success;
}

int Check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) {
    err << "pelmar-tool: check needs at least one file\n" << Usage;
    return UsageError;
  }
  int status = Success;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& path = args[i];
    ParsedLayout layout = ReadLayout(path);
    if (ReportIfBroken(path, layout, err)) {
      out << path << ": invalid: " << layout.fault << "\n";
      status = InvalidInput;
      continue;
    }
    engine::TileGrid grid;
    int positions = engine::FillFromLayout(grid, layout.cells);
    out << path << ": \"" << layout.name << "\", " << positions << " positions, "
        << engine::FreeTiles(grid) << " free\n";
    for (const std::string& warning : layout.warnings) out << "  warning: " << warning << "\n";
  }
  return status;
}

int Convert(const std::vector<std::string>& args, std::ostream& err) {
  if (args.size() != 3 || !EndsWith(args[2], ".lay")) {
    err << "pelmar-tool: convert needs an input file and an output file ending in .lay\n" << Usage;
    return UsageError;
  }
  ParsedLayout layout = ReadLayout(args[1]);
  if (ReportIfBroken(args[1], layout, err)) return InvalidInput;
  std::string failure =
      platform::WriteFileAtomically(args[2], engine::FormatLay(layout.cells, layout.name));
  if (!failure.empty()) {
    err << args[2] << ": " << failure << "\n";
    return InvalidInput;
  }
  return Success;
}

} // namespace

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string command = args.empty() ? "" : args[0];
  if (command == "deal") return DealOrMoves(args, false, out, err);
  if (command == "moves") return DealOrMoves(args, true, out, err);
  if (command == "check") return Check(args, out, err);
  if (command == "convert") return Convert(args, err);
  if (command == "hashira") return RunHashira(args, out, err, Usage);
  if (command == "--help" || command == "help") {
    out << Usage;
    return Success;
  }
  err << (command.empty() ? "pelmar-tool: no command given\n"
                          : "pelmar-tool: unknown command \"" + command + "\"\n")
      << Usage;
  return UsageError;
}

} // namespace tool
