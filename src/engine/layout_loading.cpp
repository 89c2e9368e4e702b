#include "engine/layout_loading.h"

#include "engine/deal.h"
#include "engine/layout_file.h"
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

bool ReadLayoutFile(GameServices& services, const std::string& path, platform::FileRead& file) {
  file = platform::ReadWholeFile(path, MaxLayoutFileBytes);
  if (!file.ok)
    services.ui().ShowMessage("Unable to read the layout file \"" + path + "\": " + file.error +
                              ".");
  return file.ok;
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
  platform::FileRead file;
  if (!ReadLayoutFile(services, path, file)) return false;
  ParsedLayout parsed = ParseLay(file.bytes);
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
  layouts.LayoutPath = layouts.LayoutsFolder() + "Traditional.lay";
  if (RunLayoutOnce(state, services, layouts.LayoutPath, false)) return true;
  before.Restore(layouts);
  return false;
}

} // namespace

bool RunLayout(GameState& state, GameServices& services, const std::string& path) {
  return RunLayoutOnce(state, services, path, true);
}

bool RunShpLayout(GameState& state, GameServices& services, const std::string& path) {
  platform::FileRead file;
  if (!ReadLayoutFile(services, path, file)) return false;
  ParsedLayout parsed = ParseShp(file.bytes);
  if (parsed.outcome != ParsedLayout::Outcome::Ok) {
    RefuseLayout(services, path, parsed.fault);
    return false;
  }
  LayoutLoaded(state, services, parsed.cells, path);
  return true;
}

bool LoadlayoutClick(GameState& state, GameServices& services, int entry) {
  LayoutState& layouts = state.layouts;
  if (entry < 1 || entry > layouts.LayoutCount()) return false;
  CurrentLayout before = CurrentLayout::Of(layouts);
  layouts.LayoutPath = layouts.LayoutsFolder() + layouts.LayoutNames[entry - 1] + ".lay";
  layouts.LayoutIndex = entry;
  layouts.CheckedEntry = entry;
  if (RunLayout(state, services, layouts.LayoutPath)) return true;
  before.Restore(layouts);
  return false;
}

bool LoadShplayoutClick(GameState& state, GameServices& services, int entry) {
  LayoutState& layouts = state.layouts;
  if (entry < 1 || entry > layouts.LayoutCount()) return false;
  CurrentLayout before = CurrentLayout::Of(layouts);
  layouts.LayoutPath = layouts.LayoutsFolder() + layouts.LayoutNames[entry - 1];
  layouts.LayoutIndex = entry;
  layouts.CheckedEntry = entry;
  if (RunShpLayout(state, services, layouts.LayoutPath)) return true;
  before.Restore(layouts);
  return false;
}

bool SaveLayout(GameState& state, GameServices& services) {
  LayoutState& layouts = state.layouts;
  platform::Ui& ui = services.ui();
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

  std::string failure = platform::WriteFileAtomically(
      layouts.LayoutPath, FormatLay(layouts.LayoutCells, layouts.LayoutName));
  if (!failure.empty()) {
    ui.ShowMessage("Unable to write to " + layouts.LayoutPath);
    return false;
  }
  services.IM(ModeNone);

  std::string fileName = platform::FileNameOf(layouts.LayoutPath);
  std::string name = fileName.substr(0, fileName.size() >= 4 ? fileName.size() - 4 : 0);
  if (int existing = FindLayoutName(layouts, name)) {
    layouts.LayoutIndex = existing;
    return true;
  }
  layouts.LayoutNames.push_back(name);
  layouts.LayoutIndex = layouts.LayoutCount();
  layouts.CheckedEntry = layouts.LayoutIndex;
  services.LayoutAdded(layouts.LayoutIndex);
  return true;
}

} // namespace engine
