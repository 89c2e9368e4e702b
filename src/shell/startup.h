#pragma once

#include <string>
#include <vector>

#include "engine/game_state.h"

namespace shell {

// Fills the layout list (the ".lay" captions sorted, then the ".shp" file names), makes a stored
// layout number that points nowhere the "Traditional" layout, and decides the layout the program
// starts on: LayoutPath and CheckedEntry are set, and the current layout number (LayoutIndex, or
// LastBoard while a game code is current) is kept within the list. False when there is no
// layout at all. The captions may hold entries of other programs' files, which `foreign` says
// where to find (ScanLayouts lists both).
bool ChooseStartLayout(engine::GameState& state, std::vector<std::string> layCaptions,
                       const std::vector<std::string>& shpNames,
                       std::vector<engine::ForeignEntry> foreign = {});

} // namespace shell
