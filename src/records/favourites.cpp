#include "records/favourites.h"

#include <algorithm>

#include "platform/files.h"

namespace records {

namespace {

// Far more than a thousand layout names; a larger file is not ours.
constexpr std::size_t MaxFavouritesBytes = 1 << 20;

// An empty name has no first character; it sorts before every other.
unsigned char FirstByte(const std::string& name) {
  return name.empty() ? 0 : static_cast<unsigned char>(name[0]);
}

} // namespace

std::vector<std::string> DefaultFavourites() {
  return {"Arena", "N for Tessel", "Traditional"};
}

FavouritesRead ReadFavourites(const std::string& path) {
  FavouritesRead read;
  if (!platform::FileExists(path)) return read;
  const platform::FileRead file = platform::ReadWholeFile(path, MaxFavouritesBytes);
  read.status = FavouritesRead::Status::Unreadable;
  if (!file.ok) {
    read.error = file.error;
    return read;
  }
  if (file.bytes.find('\0') != std::string::npos) {
    read.error = "it is not a text file";
    return read;
  }
  read.status = FavouritesRead::Status::Read;
  std::string_view text = file.bytes;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) read.names.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return read;
}

std::string WriteFavourites(const std::string& path, const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += name + "\r\n";
  return platform::WriteFileAtomically(path, text);
}

std::vector<std::string> LoadFaveLayout(const std::string& playerFolder) {
  const std::string path = playerFolder + FavouritesFileName;
  FavouritesRead read = ReadFavourites(path);
  if (read.status == FavouritesRead::Status::Read) return read.names;
  // A folder we cannot write to keeps the built-in names for this run; the chooser says so when
  // it cannot write either.
  if (read.status == FavouritesRead::Status::Missing) WriteFavourites(path, DefaultFavourites());
  return DefaultFavourites();
}

void DropFavourite(std::vector<std::string>& favourites, const std::string& name, int before) {
  const int count = static_cast<int>(favourites.size());
  favourites.insert(favourites.begin() + (before >= 0 && before < count ? before : count), name);
  const int n = count + 1;
  for (int i = 0; i < n - 1; ++i)
    for (int j = n - 1; j > i; --j)
      if (FirstByte(favourites[j]) < FirstByte(favourites[i]))
        std::swap(favourites[i], favourites[j]);
  // One pass: a name left three times in a row keeps two of them.
  for (int i = 0; i < static_cast<int>(favourites.size()) - 1; ++i)
    if (favourites[i] == favourites[i + 1]) favourites.erase(favourites.begin() + i);
}

std::vector<LayoutEntryMark> ShowLayouts(const engine::LayoutState& layouts,
                                         const std::vector<std::string>& FaveLayout,
                                         bool showFave) {
  const int count = layouts.LayoutCount();
  const int current = layouts.LayoutIndex >= 1 && layouts.LayoutIndex <= count
                          ? layouts.LayoutIndex
                          : layouts.CheckedEntry;
  std::vector<LayoutEntryMark> marks(count);
  for (int k = 1; k <= count; ++k) {
    const std::string& name = layouts.LayoutNames[k - 1];
    marks[k - 1].checked = k == current;
    marks[k - 1].visible =
        !showFave || k == current ||
        std::find(FaveLayout.begin(), FaveLayout.end(), name) != FaveLayout.end();
  }
  return marks;
}

} // namespace records
