#include "shell/command_enabling.h"

#include <array>
#include <cstdint>
#include <initializer_list>

namespace shell {

namespace {

constexpr int ModeCount = 13;

constexpr std::uint16_t Modes(std::initializer_list<int> modes) {
  std::uint16_t set = 0;
  for (int m : modes) set = static_cast<std::uint16_t>(set | (1u << m));
  return set;
}

struct Enabling {
  PlayCommand command;
  std::uint16_t modes;
};

// Every mode not listed for a command disables it: a game that does not undo must not offer Back.
constexpr std::array<Enabling, 6> EnablingTable{{
    {PlayCommand::Back, Modes({1, 2, 3, 5})},
    {PlayCommand::Hint, Modes({1, 3})},
    {PlayCommand::Pause, Modes({1, 2, 3, 4, 5, 6, 7, 10})},
    {PlayCommand::Shuffle, Modes({1, 2, 3})},
    {PlayCommand::Restart, Modes({1, 3, 5})},
    {PlayCommand::Stop, Modes({1, 2, 3, 4, 5, 6, 7})},
}};

} // namespace

bool CommandEnabled(PlayCommand command, int mode) {
  if (mode < 0 || mode >= ModeCount) return false;
  for (const Enabling& row : EnablingTable)
    if (row.command == command) return (row.modes >> mode) & 1u;
  return false;
}

} // namespace shell
