#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/board.h"

namespace engine {

inline constexpr std::string_view LayHeaderFull = "Pelmar 3.0";  // 144 positions or more
inline constexpr std::string_view LayHeaderSmall = "Pelmar 6.0"; // fewer than 144

// No layout file comes anywhere near this; anything larger is refused unread.
constexpr std::size_t MaxLayoutFileBytes = 1 << 20;

struct ParsedLayout {
  enum class Outcome { Ok, WrongHeader, Broken };
  Outcome outcome = Outcome::Broken;
  LayoutGrid cells;
  std::string name;
  std::string header;                // line 1 as read, for the wrong-header message
  std::string fault;                 // why a broken file is refused, for the player
  std::vector<std::string> warnings; // accepted, but worth a layout maker's attention
};

// Reads the text of a .lay file: version header, name, 3400 cells of "0" or "1".
ParsedLayout ParseLay(std::string_view text);

// Reads the text of a .shp file: the first 144 lines each name a position in hexadecimal.
ParsedLayout ParseShp(std::string_view text);

// Refuses an empty layout or one of more than 144 positions; warns of a count that leaves a
// short last group or a tile that can never be removed.
void CheckPositionCount(ParsedLayout& parsed);

// The text of a .lay file for these cells and name.
std::string FormatLay(const LayoutGrid& cells, const std::string& name);

} // namespace engine
