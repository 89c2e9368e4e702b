#include "app/menu_items.h"

#include "render/backgrounds.h"
#include "render/tilesets.h"
#include "shell/command_enabling.h"
#include "shell/commands.h"

namespace app {

namespace {

using shell::CommandId;

constexpr int LayoutRadioGroup = 1, TilesetRadioGroup = 2, BackgroundRadioGroup = 3,
              MusicRadioGroup = 4, CommandRadioGroups = 4; // + shell::RadioGroup

// The fixed entries at the top of the picture menus exclude the folder entries below them.
int PictureRadioGroup(CommandId id) {
  switch (id) {
  case CommandId::LoadTilesetFromDisk:
    return TilesetRadioGroup;
  case CommandId::LoadBackgroundFromDisk:
  case CommandId::SolidBackground:
    return BackgroundRadioGroup;
  default:
    return 0;
  }
}

bool IsEnabledAtStart(const shell::Command& c) {
  if (c.availability != shell::Availability::Built) return false;
  return !c.gate || shell::CommandEnabled(*c.gate, engine::ModeNone, nullptr);
}

platform::MenuItem FixedItem(const shell::Command& c, const engine::Options& options) {
  platform::MenuItem item;
  item.id = static_cast<int>(c.id);
  const std::optional<shell::Menu> parent = shell::ParentMenu(c.menu);
  item.menu = shell::MenuTitle(parent.value_or(c.menu));
  item.bar = shell::MenuBarOf(parent.value_or(c.menu));
  if (parent) item.submenu = shell::MenuTitle(c.menu);
  item.caption = c.caption;
  item.shortcut = c.shortcut;
  item.checked = shell::IsChecked(c, options);
  item.enabled = IsEnabledAtStart(c);
  item.radioGroup =
      c.radio ? CommandRadioGroups + static_cast<int>(c.radio->group) : PictureRadioGroup(c.id);
  item.checkable = shell::IsCheckable(c) || item.radioGroup != 0;
  item.separatorAfter = c.separatorAfter;
  return item;
}

platform::MenuItem FolderItem(shell::Menu menu, const std::string& caption, int id, int group) {
  platform::MenuItem item;
  item.id = id;
  item.menu = shell::MenuTitle(menu);
  item.caption = caption;
  item.checkable = true;
  item.radioGroup = group;
  return item;
}

void AddEntries(std::vector<platform::MenuItem>& items, shell::Menu menu,
                const std::vector<std::string>& captions, int base, int group) {
  for (std::size_t k = 0; k < captions.size(); ++k)
    items.push_back(FolderItem(menu, captions[k], base + static_cast<int>(k) + 1, group));
}

} // namespace

std::vector<platform::MenuItem> MenuItems(const engine::GameState& state,
                                          const FolderEntries& folders) {
  std::vector<platform::MenuItem> items;
  for (const shell::Command& c : shell::Commands())
    if (c.menu != shell::Menu::Board && c.menu != shell::Menu::GamesPanel)
      items.push_back(FixedItem(c, state.options));
  AddEntries(items, shell::Menu::Layout, folders.layouts, shell::LayoutEntryBase, LayoutRadioGroup);
  AddEntries(items, shell::Menu::Tileset, folders.tilesets, shell::TilesetEntryBase,
             TilesetRadioGroup);
  AddEntries(items, shell::Menu::Background, folders.backgrounds, shell::BackgroundEntryBase,
             BackgroundRadioGroup);
  AddEntries(items, shell::Menu::Music, folders.tracks, shell::MusicEntryBase, MusicRadioGroup);
  return items;
}

platform::MenuItem LayoutEntryItem(const std::string& caption, int entry) {
  return FolderItem(shell::Menu::Layout, caption, shell::LayoutEntryBase + entry, LayoutRadioGroup);
}

std::vector<platform::ToolItem> ToolItems() {
  std::vector<platform::ToolItem> tools;
  for (const shell::ToolbarButton& b : shell::ToolbarButtons())
    tools.push_back({static_cast<int>(b.command), std::string(b.caption), std::string(b.hint),
                     std::string(b.icon), std::string(b.fallback), b.menuGlyph,
                     std::string(b.otherIcon), std::string(b.otherFallback)});
  return tools;
}

std::vector<platform::PopupItem> PopupItems() {
  std::vector<platform::PopupItem> popup;
  for (const shell::PopupEntry& e : shell::BoardPopup()) {
    const shell::Command* c = shell::FindCommand(e.command);
    popup.push_back({static_cast<int>(e.command), std::string(e.caption), e.followsMenuBar,
                     c && c->availability == shell::Availability::Built, e.isDefault});
  }
  return popup;
}

int TilesetCommand(int index) {
  return index == render::PictureMenu::FromDisk
             ? static_cast<int>(CommandId::LoadTilesetFromDisk)
             : shell::TilesetEntryBase + index - render::FirstTilesetEntry + 1;
}

int BackgroundCommand(int index) {
  if (index == render::PictureMenu::FromDisk)
    return static_cast<int>(CommandId::LoadBackgroundFromDisk);
  if (index == render::SolidBackgroundIndex) return static_cast<int>(CommandId::SolidBackground);
  return shell::BackgroundEntryBase + index - render::FirstBackgroundEntry + 1;
}

} // namespace app
