#include "engine/layout_entries.h"

#include <filesystem>

#include "engine/layout_loading.h"

namespace engine {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) && !ec;
}

} // namespace

const ForeignEntry* FindForeignEntry(const LayoutState& layouts, const std::string& name) {
  for (const ForeignEntry& entry : layouts.ForeignLayouts)
    if (entry.caption == name) return &entry;
  return nullptr;
}

LayoutSource SourceOfEntry(const LayoutState& layouts, int entry) {
  if (entry < 1 || entry > layouts.LayoutCount()) return {};
  const std::string& name = layouts.LayoutNames[entry - 1];
  if (const ForeignEntry* foreign = FindForeignEntry(layouts, name))
    return {layouts.LayoutFile(foreign->fileName), foreign->map};
  if (IsShpEntry(name)) return {layouts.LayoutFile(name), {}};
  return {layouts.LayoutFile(name + ".lay"), {}};
}

int EntryOfFile(const LayoutState& layouts, const std::string& path) {
  const auto entryNamed = [&](const std::string& name) {
    for (int entry = 1; entry <= layouts.LayoutCount(); ++entry)
      if (layouts.LayoutNames[entry - 1] == name) return entry;
    return 0;
  };
  // The entries of a foreign file are kept in its own order, so the first one holds its first
  // layout wherever the sorted list put it.
  for (const ForeignEntry& foreign : layouts.ForeignLayouts)
    if (SameFile(layouts.LayoutFile(foreign.fileName), path)) return entryNamed(foreign.caption);
  for (int entry = 1; entry <= layouts.LayoutCount(); ++entry)
    if (SameFile(SourceOfEntry(layouts, entry).path, path)) return entry;
  return 0;
}

bool LoadLayoutEntry(GameState& state, GameServices& services, int entry) {
  if (entry < 1 || entry > state.layouts.LayoutCount()) return false;
  return LoadLayoutAs(state, services, entry, SourceOfEntry(state.layouts, entry));
}

bool LoadLayoutFromDisk(GameState& state, GameServices& services) {
  const std::string path = services.ui().AskOpenFileName(LoadLayoutTitle, LoadLayoutFilter,
                                                         state.layouts.LayoutsFolder());
  if (path.empty()) return false;
  if (const int entry = EntryOfFile(state.layouts, path)) {
    return LoadLayoutEntry(state, services, entry);
  }
  return LoadLayoutAs(state, services, 0, {path, {}});
}

} // namespace engine
