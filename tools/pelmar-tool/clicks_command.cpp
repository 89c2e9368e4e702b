#include "clicks_command.h"

#include <memory>
#include <ostream>

#include "field_arguments.h"
#include "games/clicks/clicks_game.h"
#include "play/game_codes.h"
#include "quiet_services.h"
#include "tool_commands.h"

namespace tool {

namespace {

// The difficulty whose field has this many kinds of tiles.
int DifficultyOf(const std::string& kinds) {
  namespace code = play::game_code;
  if (kinds == "4") return code::ClicksEasy;
  if (kinds == "5") return code::ClicksNormal;
  if (kinds == "6") return code::ClicksHard;
  return 0;
}

} // namespace

int RunClicks(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const char* usage) {
  FieldArguments parsed;
  std::string problem = ParseFieldArguments(
      args, {clicks::FirstColumn, clicks::LastColumn, clicks::FirstRow, clicks::LastRow}, {}, true,
      parsed);
  const int difficulty = DifficultyOf(parsed.kinds);
  if (problem.empty() && difficulty == 0) problem = "--kinds must be 4, 5 or 6";
  if (!problem.empty()) {
    err << "pelmar-tool: " << problem << "\n" << usage;
    return UsageError;
  }

  auto state = std::make_unique<engine::GameState>();
  QuietServices services(*state);
  clicks::ClicksGame game(*state, services);
  services.game = &game;
  state->rng.RandSeed = parsed.seed;
  game.Deal(difficulty);
  for (const auto& [c, r] : parsed.clicks)
    if (!game.ClickCell(c, r)) out << "noway " << c << ',' << r << '\n';

  for (int r = clicks::FirstRow; r <= clicks::LastRow; ++r) {
    for (int c = clicks::FirstColumn; c <= clicks::LastColumn; ++c)
      out << static_cast<int>(game.Field()(c, r));
    out << '\n';
  }
  services.CountMoves();
  out << "tiles " << state->board.TilesLeft << "\ngroups " << state->board.MovesLeft << '\n';
  return Success;
}

} // namespace tool
