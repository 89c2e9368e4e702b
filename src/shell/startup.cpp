#include "shell/startup.h"

#include <algorithm>

#include "engine/layout_entries.h"
#include "platform/files.h"

namespace shell {

namespace {

constexpr const char* StartLayout = "Traditional";

// The layout number a start-up decision changes: LayoutIndex, or LastBoard while LayoutIndex
// holds another game's code.
int& CurrentLayoutNumber(engine::GameState& state) {
  return state.layouts.LayoutIndex < engine::FirstGameCode ? state.layouts.LayoutIndex
                                                           : state.LastBoard;
}

} // namespace

bool ChooseStartLayout(engine::GameState& state, std::vector<std::string> layCaptions,
                       const std::vector<std::string>& shpNames,
                       std::vector<engine::ForeignEntry> foreign) {
  engine::LayoutState& layouts = state.layouts;
  layouts.ForeignLayouts = std::move(foreign);
  const int layCount = static_cast<int>(layCaptions.size());
  // The ".shp" entries count too: a player who chose one finds it again at the next start.
  const int listed = layCount + static_cast<int>(shpNames.size());
  if (layouts.LayoutIndex < 1 ||
      (layouts.LayoutIndex > listed && layouts.LayoutIndex < engine::FirstGameCode))
    for (int k = 0; k < layCount; ++k)
      if (layCaptions[k] == StartLayout) layouts.LayoutIndex = k + 1;
  layouts.LayoutNames = std::move(layCaptions);
  for (const std::string& shp : shpNames) {
    layouts.LayoutNames.push_back(shp);
    if (layouts.LayoutFile(shp) == layouts.LayoutPath)
      CurrentLayoutNumber(state) = static_cast<int>(layouts.LayoutNames.size());
  }
  const int count = layouts.LayoutCount();
  if (count == 0) return false;

  int d = std::min(CurrentLayoutNumber(state), count);
  std::string path;
  if (d >= 1 && engine::FindForeignEntry(layouts, layouts.LayoutNames[d - 1])) {
    path = engine::SourceOfEntry(layouts, d).path;
  } else if (d >= 1) {
    const std::string& name = layouts.LayoutNames[d - 1];
    path = layouts.LayoutFile(name);
    if (const std::string lay = layouts.LayoutFile(name + ".lay"); platform::FileExists(lay))
      path = lay;
    if (platform::FileExists(path + ".shp")) path += ".shp";
  } else {
    CurrentLayoutNumber(state) = 1;
  }
  if (d < 1 || !platform::FileExists(path)) {
    d = 1;
    path = engine::SourceOfEntry(layouts, 1).path;
  }
  layouts.LayoutPath = path;
  layouts.CheckedEntry = d;
  return true;
}

} // namespace shell
