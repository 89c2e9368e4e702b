#pragma once

#include <string_view>
#include <vector>

#include "engine/layout_file.h"

namespace engine {

// The layouts other mahjong solitaire programs save, so that their players can bring their
// collections.
//
// Both formats count in half tiles from 0 at the top left of a tile's footprint, and so does a
// .shp position; a position lands where a .shp position of the same numbers lands: x + 2, y + 2,
// layer + 1. Tiles may therefore start in columns 0-32 and rows 0-18 of layers 0-4. A tile
// outside that, a position between two half-tile cells, or more than 144 tiles refuse the
// layout with a message; positions named twice count once.

inline constexpr std::string_view QuarterGridHeaderV10 = "kmahjongg-layout-v1.0";
inline constexpr std::string_view QuarterGridHeaderV11 = "kmahjongg-layout-v1.1";

// The text format: the version header; for version 1.1 the grid's width ("w32"), height
// ("h16") and depth ("d5") on lines of their own, which version 1.0 fixes at 32, 16 and 5;
// then the grid, layer by layer and row by row, one character per half-tile cell: "." for
// none, and a tile as "12" over "43" (its four quarters clockwise from the top left). Lines
// starting with "#" are comments; blank lines are skipped. The name comes from the file name.
ParsedLayout ParseQuarterGrid(std::string_view text);

// The XML format: a <mahjongg> element holding <map name="..."> elements. A map holds
// <tile x y>, <row left right y> (a tile every 2 cells from left to right) and
// <column x top bottom> (a tile every 2 cells from top to bottom); each takes its layer from a
// "z" (or "layer") attribute or from an enclosing <layer z="...">, else layer 0. One layout per
// map, named by its "name"; never empty, a file we cannot read gives one broken entry.
std::vector<ParsedLayout> ParseLayoutMaps(std::string_view text);

} // namespace engine
