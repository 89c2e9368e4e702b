#pragma once

#include <string>

#include "engine/game_services.h"
#include "engine/game_state.h"

namespace engine {

// What the status line shows after the last layout was read at start-up.
inline const char* const StartupBanner =
    "Pelmar 7.77 - six tile games, made with care by the Pelmar team";

// Reads a .lay file into LayoutCells and, unless starting up, begins a game on it. A file of
// another version falls back to "Traditional" once; a file that cannot be read or breaks the
// format is refused with a message. Returns false when the previous layout stays.
bool RunLayout(GameState& state, GameServices& services, const std::string& path);

// The same for a .shp position list; its full path becomes the layout's name.
bool RunShpLayout(GameState& state, GameServices& services, const std::string& path);

// The Layout menu entries 1..LayoutCount: entry k of the list becomes current and is played.
bool LoadlayoutClick(GameState& state, GameServices& services, int entry);
bool LoadShplayoutClick(GameState& state, GameServices& services, int entry);

// Writes LayoutCells and LayoutName as a .lay file and makes it an entry of the list.
bool SaveLayout(GameState& state, GameServices& services);

// The layout name of an entry's file: ".shp" entries carry their extension in the list.
inline bool IsShpEntry(const std::string& listName) {
  return listName.size() > 4 && listName.compare(listName.size() - 4, 4, ".shp") == 0;
}

} // namespace engine
