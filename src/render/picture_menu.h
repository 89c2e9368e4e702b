#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace render {

// A menu of picture files that starts with "Load from disk" (the Tileset and Background menus).
// Entries are addressed by their menu index, separators included, as the settings store them.
struct PictureMenu {
  static constexpr int NoEntry = -1;
  static constexpr int FromDisk = 0;

  std::vector<std::string> captions; // the file entries, in menu order
  int checked = NoEntry;             // menu index of the checked entry
  std::string lastLoaded;            // the file last chosen with "Load from disk"
};

struct DiskDialog {
  std::string title, filter, folder;
};

// "Load from disk": asks for a file when the entry is checked already or nothing was chosen
// before, else takes the stored file; a stored file that has gone is forgotten and the dialog
// shown instead. The path to load, or nothing when the player cancelled.
//
// While the program starts there is no game to return to, so a cancelled dialog goes on with
// the stored file; with none stored the menu is left without a picture rather than asking
// again and again, which would keep a player who wants no file from ever reaching the window.
std::optional<std::string> ChooseFromDisk(PictureMenu& menu, const DiskDialog& dialog,
                                          platform::Ui& ui, bool startingUp);

} // namespace render
