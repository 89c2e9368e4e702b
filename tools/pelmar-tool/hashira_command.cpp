#include "hashira_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>

#include "games/hashira/hashira_game.h"
#include "quiet_services.h"
#include "tool_commands.h"

namespace tool {

namespace {

using platform::Key;

// A key acting just before step `step`; a release stands for any key let go.
struct KeyEvent {
  long long step = 0;
  std::optional<Key> pressed; // none: released
};

struct HashiraRun {
  std::uint32_t seed = 0;
  int startLevel = 1;
  int speed = 3;
  bool animateChain = true;
  long long ticks = 0;
  std::vector<KeyEvent> keys;
};

std::optional<long long> Whole(const std::string& text, long long lowest, long long highest) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
    return std::nullopt;
  return value;
}

std::optional<KeyEvent> ParseKey(const std::string& text) {
  struct Name {
    const char* name;
    std::optional<Key> key;
  };
  static const Name Names[] = {{"left", Key::Left},
                               {"right", Key::Right},
                               {"up", Key::Up},
                               {"down", Key::Down},
                               {"release", std::nullopt}};
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const std::optional<long long> step = Whole(text.substr(0, colon), 1, INT64_MAX);
  const std::string name = text.substr(colon + 1);
  for (const Name& n : Names)
    if (step && name == n.name) return KeyEvent{*step, n.key};
  return std::nullopt;
}

// Parses the options; an empty string on success, else the problem.
std::string Parse(const std::vector<std::string>& args, HashiraRun& run) {
  bool seeded = false, timed = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--no-animate-chain") {
      run.animateChain = false;
      continue;
    }
    const bool takesValue =
        a == "--seed" || a == "--start-level" || a == "--speed" || a == "--ticks" || a == "--key";
    if (!takesValue) return "unexpected argument \"" + a + "\"";
    if (++i == args.size()) return a + " needs a value";
    const std::string& v = args[i];
    if (a == "--seed") {
      const auto seed = Whole(v, 0, UINT32_MAX);
      if (!seed) return "the seed must be a whole number from 0 to 4294967295, not \"" + v + "\"";
      run.seed = static_cast<std::uint32_t>(*seed);
      seeded = true;
    } else if (a == "--start-level") {
      const auto level = Whole(v, 1, 10);
      if (!level) return "the start level must be 1 to 10, not \"" + v + "\"";
      run.startLevel = static_cast<int>(*level);
    } else if (a == "--speed") {
      const auto speed = Whole(v, 1, 3);
      if (!speed) return "the speed must be 1, 2 or 3, not \"" + v + "\"";
      run.speed = static_cast<int>(*speed);
    } else if (a == "--ticks") {
      const auto ticks = Whole(v, 0, INT64_MAX);
      if (!ticks) return "the ticks must be a whole number from 0, not \"" + v + "\"";
      run.ticks = *ticks;
      timed = true;
    } else {
      const auto key = ParseKey(v);
      if (!key)
        return "a key is STEP:KEY with STEP from 1 and KEY left, right, up, down or "
               "release, not \"" +
               v + "\"";
      run.keys.push_back(*key);
    }
  }
  if (!seeded) return "--seed is required";
  if (!timed) return "--ticks is required";
  return {};
}

void Play(const HashiraRun& run, std::ostream& out) {
  auto state = std::make_unique<engine::GameState>();
  engine::Options& o = state->options;
  o.StartLevel = run.startLevel;
  o.SpeedFall = run.speed;
  o.AnimateChain = run.animateChain;
  o.ShowNext = true;
  QuietServices services(*state);
  hashira::HashiraGame game(*state, services);
  services.game = &game;
  state->rng.RandSeed = run.seed; // in place of the clock's seed
  game.Begin(hashira::HashiraGame::Named);

  std::vector<KeyEvent> keys = run.keys;
  std::stable_sort(keys.begin(), keys.end(),
                   [](const KeyEvent& a, const KeyEvent& b) { return a.step < b.step; });
  auto next = keys.begin();
  for (long long step = 1; step <= run.ticks && !state->board.GameFinished; ++step) {
    for (; next != keys.end() && next->step == step; ++next) {
      if (next->pressed)
        game.KeyDown(*next->pressed);
      else
        game.KeyUp(Key::Other);
    }
    game.Step();
  }

  const hashira::ColumnsGame& g = game.Columns();
  out << "score " << state->scoring.GameScore << "\nremoved " << g.TilesRemoved << "\nlevel "
      << hashira::Level(g) << "\nfinished " << (state->board.GameFinished ? 1 : 0) << '\n';
  for (int i = 1; i <= g.BlockCount; ++i) {
    const hashira::Block& b = g.ColumnBlocks[static_cast<std::size_t>(i)];
    out << b.kind << ' ' << b.x << ' ' << static_cast<long long>(std::trunc(b.y)) << ' ' << b.state
        << '\n';
  }
}

} // namespace

int RunHashira(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const char* usage) {
  HashiraRun run;
  if (const std::string problem = Parse(args, run); !problem.empty()) {
    err << "pelmar-tool: " << problem << "\n" << usage;
    return UsageError;
  }
  Play(run, out);
  return Success;
}

} // namespace tool
