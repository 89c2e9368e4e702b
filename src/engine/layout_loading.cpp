#include "engine/layout_loading.h"

#include <filesystem>

#include "engine/deal.h"
#include "engine/layout_entries.h"
#include "engine/layout_file.h"
#include "engine/layout_reader.h"
#include "platform/files.h"

namespace engine {

namespace {

// The quotation marks around a layout name in the status line.
constexpr const char* OpenQuote = "\u201C";
constexpr const char* CloseQuote = "\u201D";

// Where a refused load leaves things: the layout of before, still current.
struct CurrentLayout {
  std::string path;
  int index;
  int checked;
  static CurrentLayout Of(const LayoutState& l) {
    return {l.LayoutPath, l.LayoutIndex, l.CheckedEntry};
  }
  void Restore(LayoutState& l) const {
    l.LayoutPath = path;
    l.LayoutIndex = index;
    l.CheckedEntry = checked;
  }
};

// The layouts of a file of any format; false, and the player told why, when it cannot be read.
bool ReadLayouts(GameServices& services, const std::string& path, LayoutFileRead& file) {
  file = ReadLayoutFile(path);
  if (!file.readError.empty())
    services.ui().ShowMessage("Unable to read the layout file \"" + path + "\": " + file.readError +
                              ".");
  return file.readError.empty();
}

void RefuseLayout(GameServices& services, const std::string& path, const std::string& fault) {
  services.ui().ShowMessage("The layout file \"" + path + "\" cannot be used: " + fault + ".");
}

// The last step of every load: the banner at start-up, else the name and a new game.
void LayoutLoaded(GameState& state, GameServices& services, const LayoutGrid& cells,
                  const std::string& name) {
  state.layouts.LayoutCells = cells;
  state.layouts.LayoutName = name;
  state.LastHallRank = 0;
  if (state.layouts.StartupLoading) {
    ShowStatus(state.status, StartupBanner);
    return;
  }
  ShowStatus(state.status, std::string("Layout ") + OpenQuote + name + CloseQuote + " selected.");
  services.BeginGame();
}

int FindLayoutName(const LayoutState& layouts, const std::string& name) {
  int found = 0;
  for (int k = 1; k <= layouts.LayoutCount(); ++k)
    if (layouts.LayoutNames[k - 1] == name) found = k; // the last match wins
  return found;
}

bool RunLayoutOnce(GameState& state, GameServices& services, const std::string& path,
                   bool mayFallBack) {
  LayoutFileRead file;
  if (!ReadLayouts(services, path, file)) return false;
  const ParsedLayout& parsed = file.layouts.front();
  switch (parsed.outcome) {
  case ParsedLayout::Outcome::Ok:
    LayoutLoaded(state, services, parsed.cells, parsed.name);
    return true;
  case ParsedLayout::Outcome::Broken:
    RefuseLayout(services, path, parsed.fault);
    return false;
  case ParsedLayout::Outcome::WrongHeader:
    break;
  }
  services.ui().ShowMessage("You are trying to play a layout intended for use with " +
                            parsed.header);
  if (!mayFallBack) return false; // a broken fallback must not send us round again

  LayoutState& layouts = state.layouts;
  CurrentLayout before = CurrentLayout::Of(layouts);
  // The check mark follows too, or the menu would point at the layout that was refused.
  if (int traditional = FindLayoutName(layouts, "Traditional"))
    layouts.LayoutIndex = layouts.CheckedEntry = traditional;
  layouts.LayoutPath = layouts.LayoutFile("Traditional.lay");
  if (RunLayoutOnce(state, services, layouts.LayoutPath, false)) return true;
  before.Restore(layouts);
  return false;
}

} // namespace

bool RunLayout(GameState& state, GameServices& services, const std::string& path) {
  return RunLayoutOnce(state, services, path, true);
}

bool RunShpLayout(GameState& state, GameServices& services, const std::string& path) {
  return RunLayoutFile(state, services, path, {});
}

bool RunLayoutFile(GameState& state, GameServices& services, const std::string& path,
                   const std::string& map) {
  LayoutFileRead file;
  if (!ReadLayouts(services, path, file)) return false;
  const ParsedLayout* parsed = FindMap(file.layouts, map);
  if (!parsed) {
    RefuseLayout(services, path, "it holds no map named \"" + map + "\"");
    return false;
  }
  if (parsed->outcome != ParsedLayout::Outcome::Ok) {
    RefuseLayout(services, path, FaultOf(*parsed));
    return false;
  }
  LayoutLoaded(state, services, parsed->cells, parsed->name);
  return true;
}

namespace {

bool RunSource(GameState& state, GameServices& services, const LayoutSource& source) {
  if (IsShpEntry(source.path)) return RunShpLayout(state, services, source.path);
  if (source.path.ends_with(".lay")) return RunLayout(state, services, source.path);
  return RunLayoutFile(state, services, source.path, source.map);
}

} // namespace

bool LoadLayoutAs(GameState& state, GameServices& services, int entry, const LayoutSource& source) {
  LayoutState& layouts = state.layouts;
  CurrentLayout before = CurrentLayout::Of(layouts);
  layouts.LayoutPath = source.path;
  layouts.LayoutIndex = entry;
  layouts.CheckedEntry = entry;
  if (RunSource(state, services, source)) return true;
  before.Restore(layouts);
  return false;
}

bool RunStartLayout(GameState& state, GameServices& services) {
  LayoutState& layouts = state.layouts;
  LayoutSource source{layouts.LayoutPath, {}};
  if (layouts.CheckedEntry >= 1 && layouts.CheckedEntry <= layouts.LayoutCount())
    if (LayoutSource checked = SourceOfEntry(layouts, layouts.CheckedEntry);
        checked.path == source.path)
      source = checked;
  layouts.StartupLoading = true;
  const bool loaded = RunSource(state, services, source);
  layouts.StartupLoading = false;
  return loaded;
}

bool LoadlayoutClick(GameState& state, GameServices& services, int entry) {
  const LayoutState& layouts = state.layouts;
  if (entry < 1 || entry > layouts.LayoutCount()) return false;
  return LoadLayoutAs(state, services, entry,
                      {layouts.LayoutFile(layouts.LayoutNames[entry - 1] + ".lay"), {}});
}

bool LoadShplayoutClick(GameState& state, GameServices& services, int entry) {
  const LayoutState& layouts = state.layouts;
  if (entry < 1 || entry > layouts.LayoutCount()) return false;
  return LoadLayoutAs(state, services, entry,
                      {layouts.LayoutFile(layouts.LayoutNames[entry - 1]), {}});
}

bool SaveLayout(GameState& state, GameServices& services) {
  LayoutState& layouts = state.layouts;
  platform::Ui& ui = services.ui();
  // A layout read from a file of another format is saved under a name of the player's choice:
  // writing next to it as "name.shp.lay" would hide the edit behind a name nobody looks for.
  if (layouts.LayoutPath != "Temporary" && !layouts.LayoutPath.ends_with(".lay") &&
      platform::FileExists(layouts.LayoutPath))
    layouts.LayoutPath.clear();
  if (layouts.LayoutPath.empty())
    layouts.LayoutPath =
        ui.AskSaveFileName("Please choose a name for your layout file",
                           "LAY Layout files (*.lay)|*.lay", layouts.LayoutsFolder());
  if (layouts.LayoutPath.empty() || layouts.LayoutPath == "Temporary") {
    layouts.LayoutPath = layouts.LayoutsFolder() + "Temporary";
    ui.ShowMessage("Layout saved as \"Temporary.lay\". Click on \"Edit layout\" to call the layout "
                   "editor and save it under a definitive name.");
  }
  // Judged by the end of the file name: a folder or a name that merely contains ".lay" must
  // still get its extension, or the file would be written without one.
  if (!layouts.LayoutPath.ends_with(".lay")) layouts.LayoutPath += ".lay";
  // The shipped layouts are not the player's to change: an edit of one becomes the player's own
  // layout of that name, which the list takes in its place.
  if (const std::string shipped = layouts.Folders.Data("Layouts").shipped;
      !layouts.Folders.Portable() && layouts.LayoutPath.starts_with(shipped))
    layouts.LayoutPath = layouts.LayoutsFolder() + layouts.LayoutPath.substr(shipped.size());

  std::string failure = platform::WriteFileAtomically(
      layouts.LayoutPath, FormatLay(layouts.LayoutCells, layouts.LayoutName));
  if (!failure.empty()) {
    ui.ShowMessage("Unable to write to " + layouts.LayoutPath);
    return false;
  }
  services.IM(ModeNone);

  // A file saved in another folder is played from there, outside the list: an entry of the list
  // would look for it in the Layouts folder, and its results would go to a layout of that name.
  std::error_code ec;
  if (!std::filesystem::equivalent(std::filesystem::path(layouts.LayoutPath).parent_path(),
                                   layouts.LayoutsFolder(), ec)) {
    layouts.LayoutIndex = layouts.CheckedEntry = 0;
    return true;
  }
  std::string fileName = platform::FileNameOf(layouts.LayoutPath);
  std::string name = fileName.substr(0, fileName.size() >= 4 ? fileName.size() - 4 : 0);
  if (int existing = FindLayoutName(layouts, name)) {
    // The check mark follows, or the next game after another one would deal the layout of before.
    layouts.LayoutIndex = layouts.CheckedEntry = existing;
    return true;
  }
  layouts.LayoutNames.push_back(name);
  layouts.LayoutIndex = layouts.LayoutCount();
  layouts.CheckedEntry = layouts.LayoutIndex;
  services.LayoutAdded(layouts.LayoutIndex);
  return true;
}

} // namespace engine
