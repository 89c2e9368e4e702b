#pragma once

#include <string>
#include <vector>

#include "engine/game_state.h"
#include "platform/window_port.h"

namespace app {

// The captions of the menus built from the data folders.
struct FolderEntries {
  const std::vector<std::string>& layouts;
  const std::vector<std::string>& tilesets;
  const std::vector<std::string>& backgrounds;
  const std::vector<std::string>& tracks;
};

// The menu bar from the command table, with the folders' entries after the fixed ones.
std::vector<platform::MenuItem> MenuItems(const engine::GameState& state,
                                          const FolderEntries& folders);
// The Layout menu's item of list entry `entry`, as MenuItems makes it.
platform::MenuItem LayoutEntryItem(const std::string& caption, int entry);
std::vector<platform::ToolItem> ToolItems();
std::vector<platform::PopupItem> PopupItems();

// The window's command id of an entry of the Tileset and Background menus, by menu index.
int TilesetCommand(int index);
int BackgroundCommand(int index);

} // namespace app
