#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/layout_file.h"

namespace engine {

// The extensions of the other programs' layout files that the Layouts folder lists beside ours.
inline constexpr std::string_view QuarterGridExtension = ".layout";
inline constexpr std::string_view MapFileExtension = ".map";
bool IsForeignLayoutFile(std::string_view fileName);

// "Layouts/Castle.layout" -> "Castle": how a file of one unnamed layout is named.
std::string NameFromFileName(const std::string& path);

// The layouts of a layout file's text, whatever its format: told by its first line where the
// format has a header, else by the extension of `path`. A .lay file keeps its wrong-header
// outcome, so the game can answer it as it always has. One entry per map of a map file, one
// for every other file; never empty. Names: line 2 of a .lay file, the path of a .shp file, the
// file name without its extension for the quarter-grid format, the map's name for a map.
std::vector<ParsedLayout> ParseLayoutText(std::string_view text, const std::string& path);

struct LayoutFileRead {
  std::string readError; // why the file could not be read; then there are no layouts
  std::vector<ParsedLayout> layouts;
};

// Reads a layout file of any format we know, at most MaxLayoutFileBytes of it.
LayoutFileRead ReadLayoutFile(const std::string& path);

// The layout named `map` among a file's layouts, the first when `map` is empty; null if none.
const ParsedLayout* FindMap(const std::vector<ParsedLayout>& layouts, std::string_view map);

// Why a layout that did not read as Ok cannot be used, in words for the player.
std::string FaultOf(const ParsedLayout& parsed);

} // namespace engine
