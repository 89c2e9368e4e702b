#pragma once

#include <string>
#include <vector>

#include "engine/game_state.h"

namespace records {

inline constexpr const char* FavouritesFileName = "Favelay.ini";

// The favourites a fresh installation starts with.
std::vector<std::string> DefaultFavourites();

// Favelay.ini as it was found: one layout name a line.
struct FavouritesRead {
  enum class Status { Read, Missing, Unreadable };
  Status status = Status::Missing;
  std::vector<std::string> names; // in file order, empty lines left out
  std::string error;              // why an existing file could not be read
};
FavouritesRead ReadFavourites(const std::string& path);

// Writes the names whole, each line ended by CR LF, replacing the file in one step. Returns an
// empty string or the reason it failed.
std::string WriteFavourites(const std::string& path, const std::vector<std::string>& names);

// Start-up's FaveLayout: the names of Favelay.ini in the player's folder or, when there is no
// such file, the built-in three, written as a new one. A file that is there but cannot be read
// gives the built-in three and is left alone.
std::vector<std::string> LoadFaveLayout(const std::string& playerFolder);

// A name dropped on the favourites: inserted before `before` (at the end when that is not a
// favourite), then the favourites reordered by their first byte only, then adjacent twins thinned
// once from the top.
void DropFavourite(std::vector<std::string>& favourites, const std::string& name, int before);

// What ShowLayouts makes of the Layout menu's entries 1..LayoutCount (index k - 1 for entry k).
struct LayoutEntryMark {
  bool visible = true;
  bool checked = false;
  friend bool operator==(const LayoutEntryMark&, const LayoutEntryMark&) = default;
};
// Every entry shows unless "View Favorites Only" is on; then the favourites (by exact name) and
// the current layout show. The current layout, the only one checked, is LayoutIndex while that
// is a layout, else the entry the next Solitaire game takes (CheckedEntry).
std::vector<LayoutEntryMark> ShowLayouts(const engine::LayoutState& layouts,
                                         const std::vector<std::string>& FaveLayout, bool showFave);

} // namespace records
