#include <gtest/gtest.h>

#include <algorithm>
#include <concepts>
#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "shell/commands.h"

namespace {

using shell::Command;
using shell::CommandId;
using shell::Commands;
using shell::Menu;
using shell::RadioGroup;

// Counts the fields of Options, and its bools, without naming them: a new option that nobody
// binds to a menu entry shows up here.
struct AnyField {
  template <class T> operator T() const;
};
struct BoolField {
  template <class T>
  requires std::same_as<T, bool>
  operator T() const;
};

template <std::size_t... I> constexpr bool FitsFields(std::index_sequence<I...>) {
  return requires {
    engine::Options{((void)I, AnyField{})...};
  };
}

template <std::size_t N = 0> constexpr std::size_t FieldCount() {
  if constexpr (FitsFields(std::make_index_sequence<N + 1>{}))
    return FieldCount<N + 1>();
  else
    return N;
}

template <std::size_t Position, std::size_t... I>
constexpr bool IsBoolAt(std::index_sequence<I...>) {
  return requires {
    engine::Options{std::conditional_t<I == Position, BoolField, AnyField>{}...};
  };
}

template <std::size_t... P> constexpr std::size_t CountBools(std::index_sequence<P...>) {
  return (0 + ... + (IsBoolAt<P>(std::make_index_sequence<P + 1>{}) ? 1 : 0));
}

constexpr std::size_t BoolOptionCount = CountBools(std::make_index_sequence<FieldCount()>{});

// The layout editor's bar takes keys of the main bar, which is out of reach meanwhile.
TEST(CommandsTest, IdsAreUniqueAndShortcutsWithinAMenuBar) {
  std::set<CommandId> ids;
  std::set<std::pair<platform::MenuBar, std::string_view>> shortcuts;
  for (const Command& c : Commands()) {
    EXPECT_TRUE(ids.insert(c.id).second) << c.caption;
    if (c.shortcut.empty()) continue;
    const auto menu = shell::ParentMenu(c.menu).value_or(c.menu);
    EXPECT_TRUE(shortcuts.insert({shell::MenuBarOf(menu), c.shortcut}).second) << c.shortcut;
  }
}

TEST(CommandsTest, FolderEntriesCannotMeetFixedIds) {
  for (const Command& c : Commands()) EXPECT_LT(static_cast<int>(c.id), shell::LayoutEntryBase);
}

TEST(CommandsTest, CaptionsAreUniqueWithinAMenu) {
  std::set<std::pair<Menu, std::string_view>> seen;
  for (const Command& c : Commands())
    EXPECT_TRUE(seen.insert({c.menu, c.caption}).second) << c.caption;
}

// The window finds a menu by its title, submenus included.
TEST(CommandsTest, EveryMenuHasATitleOfItsOwnAndSubmenusHangFromTheBar) {
  std::map<std::string_view, Menu> titles;
  for (const Command& c : Commands()) {
    const auto [known, added] = titles.emplace(shell::MenuTitle(c.menu), c.menu);
    EXPECT_TRUE(added || known->second == c.menu) << c.caption;
    EXPECT_FALSE(shell::MenuTitle(c.menu).empty()) << c.caption;
    if (const auto parent = shell::ParentMenu(c.menu)) {
      EXPECT_FALSE(shell::ParentMenu(*parent).has_value()) << "one level of submenus only";
      EXPECT_FALSE(shell::MenuTitle(*parent).empty());
    }
  }
}

TEST(CommandsTest, PlayCommandsCarryTheirCaptionsAndKeys) {
  struct Case {
    CommandId id;
    std::string_view caption, shortcut;
    play::PlayCommand gate;
  } cases[] = {
      {CommandId::Back, "&Back", "Ctrl+Z", play::PlayCommand::Back},
      {CommandId::Hint, "&Hint", "Ctrl+H", play::PlayCommand::Hint},
      {CommandId::Shuffle, "Shu&ffle", "Ctrl+S", play::PlayCommand::Shuffle},
      {CommandId::Restart, "&Restart", "Ctrl+R", play::PlayCommand::Restart},
      {CommandId::Pause, "&Pause", "F12", play::PlayCommand::Pause},
      {CommandId::Stop, "&Stop", "Ctrl+X", play::PlayCommand::Stop},
      {CommandId::StillWinnable, "Is this board still winnable?", "",
       play::PlayCommand::StillWinnable},
      {CommandId::Solve, "Solve", "", play::PlayCommand::Solve},
  };
  for (const Case& c : cases) {
    const Command* command = shell::FindCommand(c.id);
    ASSERT_NE(command, nullptr) << c.caption;
    EXPECT_EQ(command->caption, c.caption);
    EXPECT_EQ(command->shortcut, c.shortcut);
    EXPECT_EQ(command->gate, c.gate) << c.caption;
  }
}

TEST(CommandsTest, EveryBoolOptionIsBoundToExactlyOneEntry) {
  std::vector<bool engine::Options::*> bound;
  for (const Command& c : Commands()) {
    if (!c.option) continue;
    EXPECT_EQ(std::count(bound.begin(), bound.end(), c.option), 0) << c.caption;
    bound.push_back(c.option);
    EXPECT_TRUE(shell::IsCheckable(c));
    EXPECT_FALSE(c.radio.has_value()) << c.caption << ": a mark or a radio entry, not both";
    // Options of games still being built keep their mark all the same.
    EXPECT_EQ(c.availability, shell::Availability::Built) << c.caption;
  }
  const auto isBound = [&](bool engine::Options::*field) {
    return std::find(bound.begin(), bound.end(), field) != bound.end();
  };
  EXPECT_FALSE(isBound(&engine::Options::RandomSeed1)) << "a hidden mark, set by the game";
  EXPECT_FALSE(isBound(&engine::Options::ShowFave)) << "held by its radio pair";
  // Those two are the only bools of Options without an entry of their own.
  EXPECT_EQ(bound.size() + 2, BoolOptionCount);
}

TEST(CommandsTest, RadioGroupsCheckExactlyTheChosenEntry) {
  std::map<RadioGroup, std::vector<const Command*>> groups;
  for (const Command& c : Commands())
    if (c.radio) groups[c.radio->group].push_back(&c);
  ASSERT_EQ(groups.size(), 3u);
  for (const auto& [group, entries] : groups) {
    EXPECT_GE(entries.size(), 2u);
    std::set<int> values;
    for (const Command* e : entries) {
      EXPECT_TRUE(values.insert(e->radio->value).second) << e->caption;
      EXPECT_EQ(e->menu, entries.front()->menu) << e->caption << ": a group lives in one menu";
      EXPECT_TRUE(shell::IsRadioChoice(group, e->radio->value));
    }
    EXPECT_FALSE(shell::IsRadioChoice(group, *values.rbegin() + 1));

    const engine::Options fresh;
    EXPECT_TRUE(values.count(shell::RadioValue(group, fresh))) << "a fresh start checks one";
    for (const Command* chosen : entries) {
      engine::Options options;
      shell::ApplyMark(*chosen, options);
      for (const Command* e : entries)
        EXPECT_EQ(shell::IsChecked(*e, options), e == chosen) << chosen->caption;
    }
  }
}

TEST(CommandsTest, RadioGroupsHoldTheirValuesInTheOptions) {
  struct Case {
    CommandId id;
    int engine::Options::*number;
    bool engine::Options::*flag;
    int expected;
  } cases[] = {
      {CommandId::HighlightRed, &engine::Options::HighlightMode, nullptr, 1},
      {CommandId::HighlightNone, &engine::Options::HighlightMode, nullptr, 0},
      {CommandId::FallNormally, &engine::Options::SpeedFall, nullptr, 1},
      {CommandId::FallQuickly, &engine::Options::SpeedFall, nullptr, 2},
      {CommandId::ViewFavoritesOnly, nullptr, &engine::Options::ShowFave, 1},
      {CommandId::ViewAllLayouts, nullptr, &engine::Options::ShowFave, 0},
  };
  for (const Case& c : cases) {
    engine::Options options;
    options.ShowFave = !c.expected;
    shell::ApplyMark(*shell::FindCommand(c.id), options);
    const int value = c.number ? options.*c.number : (options.*c.flag ? 1 : 0);
    EXPECT_EQ(value, c.expected) << shell::FindCommand(c.id)->caption;
  }
}

TEST(CommandsTest, CheckMarksFollowTheOptions) {
  engine::Options options;
  options.Vertical = true;
  options.HighlightMode = 4;
  options.SpeedFall = 1;
  struct Case {
    CommandId id;
    bool checked;
  } cases[] = {{CommandId::Vertical, true},        {CommandId::Winnable, false},
               {CommandId::Shuffable, true},       {CommandId::HighlightBlue, true},
               {CommandId::HighlightGreen, false}, {CommandId::HighlightNone, false},
               {CommandId::FallNormally, true},    {CommandId::FallVeryQuickly, false},
               {CommandId::ViewAllLayouts, true},  {CommandId::ViewFavoritesOnly, false}};
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
