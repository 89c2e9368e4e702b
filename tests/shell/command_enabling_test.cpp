#include <gtest/gtest.h>

#include <string>

#include "shell/command_enabling.h"
#include "support/mode_table.h"

namespace {

using play::PlayCommand;

// The games' traits decide in the modes of games; the screens between games decide by themselves.
bool CommandEnabled(PlayCommand command, int mode) {
  const bool game = mode >= engine::ModeSolitaire && mode <= engine::ModeHashira;
  const play::Traits traits = testing_support::ExpectedTraits(mode);
  return shell::CommandEnabled(command, mode, game ? &traits : nullptr);
}

// One row per command: '1' where the mode (0..12, left to right) enables it.
struct Row {
  PlayCommand command;
  const char* name;
  std::string modes;
};

const Row Expected[] = {
    //                              0123456789012
    {PlayCommand::Back, "Back", "0111010000000"},
    {PlayCommand::Hint, "Hint", "0101000000000"},
    {PlayCommand::Pause, "Pause", "0111111100100"},
    {PlayCommand::Shuffle, "Shuffle", "0111000000000"},
    {PlayCommand::Restart, "Restart", "0101010000000"},
    {PlayCommand::Stop, "Stop", "0111111100000"},
    {PlayCommand::StillWinnable, "Is this board still winnable?", "0100000000000"},
    {PlayCommand::Solve, "Solve", "0100000000000"},
};

TEST(CommandEnablingTest, FollowsTheModeTable) {
  for (const Row& row : Expected)
    for (int mode = 0; mode < static_cast<int>(row.modes.size()); ++mode)
      EXPECT_EQ(CommandEnabled(row.command, mode), row.modes[mode] == '1')
          << row.name << " in mode " << mode;
}

TEST(CommandEnablingTest, ModesOutsideTheRangeEnableNothing) {
  for (const Row& row : Expected)
    for (int mode : {-1, 13, 255, 1 << 20})
      EXPECT_FALSE(CommandEnabled(row.command, mode)) << row.name;
}

} // namespace
