#pragma once

#include <string>

#include "engine/game_services.h"
#include "engine/game_state.h"

namespace engine {

// Where the layout of a list entry is read from: a file and, for a map file, the map.
struct LayoutSource {
  std::string path;
  std::string map;
  friend bool operator==(const LayoutSource&, const LayoutSource&) = default;
};

// The foreign entry of that name, or null for our own .lay and .shp entries.
const ForeignEntry* FindForeignEntry(const LayoutState& layouts, const std::string& name);

// The file of entry 1..LayoutCount: name + ".lay", a .shp entry's own name, or the file and map
// a foreign entry came from.
LayoutSource SourceOfEntry(const LayoutState& layouts, int entry);

// The entry whose layout is the first one read from the file at `path`; 0 for none.
int EntryOfFile(const LayoutState& layouts, const std::string& path);

// A Layout menu entry: entry k becomes current and is played, whatever its file's format.
bool LoadLayoutEntry(GameState& state, GameServices& services, int entry);

inline constexpr const char* LoadLayoutTitle = "Please choose a layout file";
inline constexpr const char* LoadLayoutFilter =
    "Layout files (*.lay *.shp *.layout *.map)|*.lay;*.shp;*.layout;*.map|All files (*)|*";

// "Load from disk": a layout file of any format we read, chosen with a dialog, is played. A file
// of the list plays as its entry; any other plays outside the list (LayoutIndex 0), so that its
// results go into no layout's hall of fame. A map file gives its first map.
bool LoadLayoutFromDisk(GameState& state, GameServices& services);

} // namespace engine
