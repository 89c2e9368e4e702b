#include "rivers_memory_command.h"

#include <memory>
#include <ostream>

#include "games/memory/memory_game.h"
#include "games/rivers/rivers_game.h"
#include "quiet_services.h"
#include "seed_option.h"
#include "tool_commands.h"

namespace tool {

namespace {

struct FlatOptions {
  bool easy = false;
  int seed = 0;
  bool moves = false;
};

// Parses "--variant easy|hard --seed N", with "--moves" where allowed; an empty string on
// success.
std::string ParseFlatOptions(const std::vector<std::string>& args, bool allowMoves,
                             FlatOptions& options) {
  bool seeded = false, chosen = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--seed") {
      if (++i == args.size()) return "--seed needs a game number";
      if (std::string problem = ParseSeed(args[i], options.seed); !problem.empty()) return problem;
      seeded = true;
    } else if (a == "--variant") {
      if (++i == args.size()) return "--variant needs easy or hard";
      if (args[i] != "easy" && args[i] != "hard")
        return "the variant must be easy or hard, not \"" + args[i] + "\"";
      options.easy = args[i] == "easy";
      chosen = true;
    } else if (a == "--moves" && allowMoves) {
      options.moves = true;
    } else {
      return "unexpected argument \"" + a + "\"";
    }
  }
  if (!chosen) return "--variant is required";
  if (!seeded) return "--seed is required";
  return {};
}

void PrintDeal(const engine::Board& b, std::ostream& out) {
  for (int t = 1; t <= b.TileCount; ++t) {
    const engine::Position& p = b.TilePos[t];
    out << t << ' ' << p.x << ' ' << p.y << ' ' << p.z << '\n';
  }
}

// Deals the variant as a game does after seeding the generator, with RandSeed N in place of
// the clock's.
std::unique_ptr<engine::GameState> Deal(const play::FlatVariant& variant, int seed) {
  auto state = std::make_unique<engine::GameState>();
  state->rng.RandSeed = static_cast<std::uint32_t>(seed);
  play::DealFlat(state->board, state->rng, variant);
  return state;
}

} // namespace

int RiversCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const char* usage) {
  FlatOptions options;
  if (std::string problem = ParseFlatOptions(args, true, options); !problem.empty()) {
    err << "pelmar-tool: " << problem << "\n" << usage;
    return UsageError;
  }
  auto state = Deal(rivers::Layout(options.easy ? rivers::Easy : rivers::Hard), options.seed);
  const engine::Board& b = state->board;
  if (!options.moves) {
    PrintDeal(b, out);
    return Success;
  }
  QuietServices services(*state);
  rivers::RiversGame game(*state, services);
  services.game = &game;
  services.CountMoves();
  out << "free " << b.FreeCount << "\nmoves " << b.MovesLeft << "\nlist";
  for (int k = 1; k <= b.FreeCount; ++k) out << ' ' << static_cast<int>(b.FreeList[k]);
  out << '\n';
  return Success;
}

int MemoryCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const char* usage) {
  FlatOptions options;
  if (std::string problem = ParseFlatOptions(args, false, options); !problem.empty()) {
    err << "pelmar-tool: " << problem << "\n" << usage;
    return UsageError;
  }
  PrintDeal(Deal(memory::Layout(options.easy ? memory::Easy : memory::Hard), options.seed)->board,
            out);
  return Success;
}

} // namespace tool
