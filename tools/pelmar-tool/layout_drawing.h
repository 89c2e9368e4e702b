#pragma once

#include <string_view>

#include "engine/layout_file.h"

namespace tool {

// A layout drawn by hand: a "name: ..." line, then for each layer a "layer N" line followed by
// 20 rows of 34 characters, "X" where a tile is anchored and "." elsewhere. Lines starting
// with "#" are comments; layers left out are empty.
engine::ParsedLayout ParseLayoutDrawing(std::string_view text);

} // namespace tool
