#include "slider_command.h"

#include <algorithm>
#include <memory>
#include <ostream>

#include "field_arguments.h"
#include "games/slider/slider_game.h"
#include "quiet_services.h"
#include "tool_commands.h"

namespace tool {

int RunSlider(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const char* usage) {
  using slider::FieldSize;
  FieldArguments parsed;
  if (std::string problem =
          ParseFieldArguments(args, {1, FieldSize, 1, FieldSize}, {"--jokers"}, false, parsed);
      !problem.empty()) {
    err << "pelmar-tool: " << problem << "\n" << usage;
    return UsageError;
  }

  auto state = std::make_unique<engine::GameState>();
  QuietServices services(*state);
  slider::SliderGame game(*state, services);
  services.game = &game;
  state->options.JokerAllow =
      std::find(parsed.flags.begin(), parsed.flags.end(), "--jokers") != parsed.flags.end();
  state->rng.RandSeed = parsed.seed;
  game.Deal();
  for (const auto& [c, r] : parsed.clicks)
    if (game.ClickCell({c, r}) == slider::SliderGame::Answer::NoWay)
      out << "noway " << c << ',' << r << '\n';

  for (int r = 1; r <= FieldSize; ++r) {
    for (int c = 1; c <= FieldSize; ++c) out << static_cast<int>(game.Field()(c, r));
    out << '\n';
  }
  out << "next";
  for (std::uint8_t kind : game.Next()) out << ' ' << kind + 1;
  const engine::Board& b = state->board;
  // A field that lines have emptied ends the game too, at the next look the program takes.
  out << "\nscore " << state->scoring.GameScore << "\nfinished "
      << (b.GameFinished || b.TilesLeft == 0) << '\n';
  return Success;
}

} // namespace tool
