#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "shell/commands.h"

namespace {

using shell::Command;
using shell::CommandId;
using shell::Commands;

TEST(CommandsTest, IdsAndShortcutsAreUnique) {
  std::set<CommandId> ids;
  std::set<std::string_view> shortcuts;
  for (const Command& c : Commands()) {
    EXPECT_TRUE(ids.insert(c.id).second) << c.caption;
    if (c.shortcut.empty()) continue;
    EXPECT_TRUE(shortcuts.insert(c.shortcut).second) << c.shortcut;
  }
}

TEST(CommandsTest, FolderEntriesCannotMeetFixedIds) {
  for (const Command& c : Commands()) EXPECT_LT(static_cast<int>(c.id), shell::LayoutEntryBase);
}

TEST(CommandsTest, PlayCommandsCarryTheirCaptionsAndKeys) {
  struct Case {
    CommandId id;
    std::string_view caption, shortcut;
    shell::PlayCommand gate;
  } cases[] = {
      {CommandId::Back, "&Back", "Ctrl+Z", shell::PlayCommand::Back},
      {CommandId::Hint, "&Hint", "Ctrl+H", shell::PlayCommand::Hint},
      {CommandId::Shuffle, "Shu&ffle", "Ctrl+S", shell::PlayCommand::Shuffle},
      {CommandId::Restart, "&Restart", "Ctrl+R", shell::PlayCommand::Restart},
      {CommandId::Pause, "&Pause", "F12", shell::PlayCommand::Pause},
      {CommandId::Stop, "&Stop", "Ctrl+X", shell::PlayCommand::Stop},
  };
  for (const Case& c : cases) {
    const Command* command = shell::FindCommand(c.id);
    ASSERT_NE(command, nullptr) << c.caption;
    EXPECT_EQ(command->caption, c.caption);
    EXPECT_EQ(command->shortcut, c.shortcut);
    EXPECT_EQ(command->gate, c.gate) << c.caption;
  }
}

TEST(CommandsTest, CheckMarksFollowTheOptions) {
  engine::Options options;
  options.Vertical = true;
  options.HighlightMode = 4;
  struct Case {
    CommandId id;
    bool checked;
  } cases[] = {{CommandId::Vertical, true},        {CommandId::Winnable, false},
               {CommandId::Shuffable, true},       {CommandId::HighlightBlue, true},
               {CommandId::HighlightGreen, false}, {CommandId::HighlightNone, false}};
  for (const Case& c : cases) {
    const Command* command = shell::FindCommand(c.id);
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(shell::IsCheckable(*command));
    EXPECT_EQ(shell::IsChecked(*command, options), c.checked) << command->caption;
  }
  EXPECT_FALSE(shell::IsCheckable(*shell::FindCommand(CommandId::Back)));
}

TEST(CommandsTest, ToolbarButtonsRunCommandsOfTheTable) {
  for (const shell::ToolbarButton& b : shell::ToolbarButtons())
    EXPECT_NE(shell::FindCommand(b.command), nullptr) << b.caption;
}

} // namespace
