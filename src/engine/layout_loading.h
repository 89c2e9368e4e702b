#pragma once

#include <string>

#include "engine/game_services.h"
#include "engine/game_state.h"
#include "engine/layout_entries.h"

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

// The same for a layout file of any format we read (the map `map` of a map file, its first when
// `map` is empty), named as its format names it. A .lay file of another version is refused,
// without falling back.
bool RunLayoutFile(GameState& state, GameServices& services, const std::string& path,
                   const std::string& map);

// The Layout menu entries 1..LayoutCount: entry k of the list becomes current and is played.
bool LoadlayoutClick(GameState& state, GameServices& services, int entry);
bool LoadShplayoutClick(GameState& state, GameServices& services, int entry);

// Makes `entry` current (0: a layout outside the list) with the layout of `source` and plays
// it, reading it as its file's name says: .lay, .shp, or any other format. The layout of before
// stays current when it cannot be read.
bool LoadLayoutAs(GameState& state, GameServices& services, int entry, const LayoutSource& source);

// Reads the layout start-up chose (LayoutPath, and the map of CheckedEntry when that entry
// comes from the same file) without starting a game.
bool RunStartLayout(GameState& state, GameServices& services);

// Writes LayoutCells and LayoutName as a .lay file and makes it an entry of the list.
bool SaveLayout(GameState& state, GameServices& services);

// The layout name of an entry's file: ".shp" entries carry their extension in the list.
inline bool IsShpEntry(const std::string& listName) {
  return listName.size() > 4 && listName.compare(listName.size() - 4, 4, ".shp") == 0;
}

} // namespace engine
