#include "tool_commands.h"

#include <memory>
#include <ostream>

#include "clicks_command.h"
#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/layout_file.h"
#include "engine/layout_reader.h"
#include "hashira_command.h"
#include "layout_drawing.h"
#include "platform/files.h"
#include "quiet_services.h"
#include "rivers_memory_command.h"
#include "seed_option.h"
#include "slider_command.h"
#include "solve_command.h"

namespace tool {

using engine::ParsedLayout;

const char* const Usage =
    "usage: pelmar-tool deal LAYOUT --seed N [--winnable]\n"
    "       pelmar-tool moves LAYOUT --seed N [--winnable] [--vertical]\n"
    "       pelmar-tool check FILE...\n"
    "       pelmar-tool convert IN OUT.lay [--map NAME]\n"
    "       pelmar-tool rivers --variant easy|hard --seed N [--moves]\n"
    "       pelmar-tool memory --variant easy|hard --seed N\n"
    "       pelmar-tool clicks --kinds 4|5|6 --seed N [--click C,R]...\n"
    "       pelmar-tool slider --seed N [--jokers] [--click C,R]...\n"
    "       pelmar-tool solve LAYOUT --seed N [--winnable] [--vertical] [--budget-ms B] [--moves]\n"
    "       pelmar-tool solve-stats LAYOUT --from N --count K [--winnable] [--vertical]\n"
    "                   [--budget-ms B]\n"
    "       pelmar-tool hashira --seed N [--start-level L] [--speed 1|2|3] [--no-animate-chain]\n"
    "                           --ticks T [--key K:KEY]...\n"
    "LAYOUT and IN are .lay or .shp files, or the layouts of other mahjong solitaire programs\n"
    "(convert also takes a layout drawing, .txt); a file of several maps gives its first map,\n"
    "or the map NAME. N is a game number from 1 to 2147483647; for clicks and slider it seeds\n"
    "the generator (0 to 4294967295), and C,R is a cell: clicks C 2..19, R 2..13; slider C and\n"
    "R 1..9. B is a search time in milliseconds (1000 unless given); K how many game numbers,\n"
    "counting up from N. hashira plays T steps from the generator seeded N (0 to 4294967295),\n"
    "each KEY (left, right, up, down or release) acting just before step K, and prints score,\n"
    "removed, level, finished and one \"kind x y state\" line per block.\n";

namespace {

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

ParsedLayout Broken(std::string fault) {
  ParsedLayout broken;
  broken.fault = std::move(fault);
  return broken;
}

// Every layout of a file, read the way the game reads it; drawings are the tool's own source
// format. A wrong version header is only a fault here: there is no fallback to offer.
std::vector<ParsedLayout> ReadLayouts(const std::string& path) {
  if (EndsWith(path, ".txt")) {
    platform::FileRead file = platform::ReadWholeFile(path, engine::MaxLayoutFileBytes);
    return {file.ok ? ParseLayoutDrawing(file.bytes) : Broken(file.error)};
  }
  engine::LayoutFileRead file = engine::ReadLayoutFile(path);
  if (!file.readError.empty()) return {Broken(file.readError)};
  for (ParsedLayout& layout : file.layouts)
    if (layout.outcome == ParsedLayout::Outcome::WrongHeader)
      layout = Broken(engine::FaultOf(layout));
  return file.layouts;
}

} // namespace

bool ReportIfBroken(const std::string& path, const ParsedLayout& parsed, std::ostream& err) {
  if (parsed.outcome == ParsedLayout::Outcome::Ok) return false;
  err << path << ": " << parsed.fault << "\n";
  return true;
}

// One layout of a file: the map `map` of a map file, else its first.
ParsedLayout ReadLayout(const std::string& path, const std::string& map) {
  std::vector<ParsedLayout> layouts = ReadLayouts(path);
  if (const ParsedLayout* found = engine::FindMap(layouts, map)) return *found;
  std::string names;
  for (const ParsedLayout& layout : layouts)
    names += (names.empty() ? "\"" : ", \"") + layout.name + "\"";
  return Broken("it holds no map named \"" + map + "\" (its maps: " + names + ")");
}

std::string ParseDealOptions(const std::vector<std::string>& args, bool allowVertical,
                             DealOptions& options) {
  bool seeded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--seed") {
      if (++i == args.size()) return "--seed needs a game number";
      if (std::string problem = ParseSeed(args[i], options.seed); !problem.empty()) return problem;
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

namespace {

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
    for (const ParsedLayout& layout : ReadLayouts(path)) {
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
  }
  return status;
}

int Convert(const std::vector<std::string>& args, std::ostream& err) {
  std::vector<std::string> files;
  std::string map;
  bool mapGiven = false, usable = true;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] != "--map") {
      files.push_back(args[i]);
    } else if (mapGiven || ++i == args.size() || args[i].empty()) {
      usable = false;
    } else {
      map = args[i];
      mapGiven = true;
    }
  }
  if (!usable || files.size() != 2 || !EndsWith(files[1], ".lay")) {
    err << "pelmar-tool: convert needs an input file, an output file ending in .lay and at most "
           "one --map NAME\n"
        << Usage;
    return UsageError;
  }
  ParsedLayout layout = ReadLayout(files[0], map);
  if (ReportIfBroken(files[0], layout, err)) return InvalidInput;
  std::string failure =
      platform::WriteFileAtomically(files[1], engine::FormatLay(layout.cells, layout.name));
  if (!failure.empty()) {
    err << files[1] << ": " << failure << "\n";
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
  if (command == "rivers") return RiversCommand(args, out, err, Usage);
  if (command == "memory") return MemoryCommand(args, out, err, Usage);
  if (command == "clicks") return RunClicks(args, out, err, Usage);
  if (command == "slider") return RunSlider(args, out, err, Usage);
  if (command == "solve" || command == "solve-stats") return Solve(args, out, err);
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
