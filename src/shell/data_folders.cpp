#include "shell/data_folders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "engine/layout_reader.h"

namespace shell {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

namespace {

// The extension this program writes is four characters long, dot included.
constexpr std::size_t ExtensionLength = 4;

// The player's files first, each in the order its folder lists them; a shipped file of a name
// the player has is the player's.
template <typename Wanted>
std::vector<std::string> FileNamesWhere(const platform::DataFolder& folder, Wanted wanted) {
  std::vector<std::string> names;
  std::set<std::string> seen;
  for (const std::string& listed : folder.Listed()) {
    std::error_code ec;
    std::filesystem::directory_iterator it(listed, ec);
    if (ec) continue;
    for (const auto& entry : it) {
      std::error_code typeError;
      if (entry.is_directory(typeError)) continue;
      std::string name = entry.path().filename().string();
      if (wanted(name) && seen.insert(name).second) names.push_back(std::move(name));
    }
  }
  return names;
}

std::vector<std::string> SortedCaptions(std::vector<std::string> names) {
  std::vector<std::string> captions;
  for (std::string& name : names)
    if (name.size() > ExtensionLength)
      captions.push_back(name.substr(0, name.size() - ExtensionLength));
  std::stable_sort(captions.begin(), captions.end(), LessIgnoringCase);
  return captions;
}

// The layouts one file of another program offers the list: (name, map) pairs. A file we cannot
// read is still listed, by its file name, so that choosing it tells the player why it fails.
std::vector<std::pair<std::string, std::string>>
ForeignLayoutsOf(const platform::DataFolder& folder, const std::string& fileName) {
  const std::string byFileName = engine::NameFromFileName(fileName);
  if (!fileName.ends_with(engine::MapFileExtension)) return {{byFileName, ""}};
  const engine::LayoutFileRead read = engine::ReadLayoutFile(folder.Find(fileName));
  std::vector<std::pair<std::string, std::string>> maps;
  std::set<std::string> seen;
  for (const engine::ParsedLayout& map : read.layouts)
    if (!map.name.empty() && seen.insert(map.name).second) maps.emplace_back(map.name, map.name);
  if (maps.empty()) maps.emplace_back(byFileName, "");
  return maps;
}

} // namespace

std::vector<std::string> ScanFileNames(const platform::DataFolder& folder,
                                       std::initializer_list<std::string_view> markers) {
  return FileNamesWhere(folder, [&](const std::string& name) {
    return std::any_of(markers.begin(), markers.end(), [&](std::string_view marker) {
      return name.find(marker) != std::string::npos;
    });
  });
}

std::vector<std::string> ScanCaptions(const platform::DataFolder& folder,
                                      std::initializer_list<std::string_view> markers) {
  return SortedCaptions(ScanFileNames(folder, markers));
}

std::vector<std::string> ScanCaptionsWithExtension(const platform::DataFolder& folder,
                                                   std::string_view extension) {
  return SortedCaptions(FileNamesWhere(folder, [&](const std::string& name) {
    if (name.size() < extension.size()) return false;
    const std::string_view end = std::string_view(name).substr(name.size() - extension.size());
    return std::equal(end.begin(), end.end(), extension.begin(),
                      [](char have, char want) { return want == '?' || have == want; });
  }));
}

LayoutListing ScanLayouts(const platform::DataFolder& folder) {
  LayoutListing listing;
  // Names that hold ".lay" have always been ours; "x.layout" is another program's.
  listing.captions = SortedCaptions(FileNamesWhere(folder, [](const std::string& name) {
    return name.find(".lay") != std::string::npos && !engine::IsForeignLayoutFile(name);
  }));
  listing.shpNames = ScanFileNames(folder, {".shp"});

  std::vector<std::string> files = FileNamesWhere(
      folder, [](const std::string& name) { return engine::IsForeignLayoutFile(name); });
  std::sort(files.begin(), files.end());
  std::set<std::string> taken(listing.captions.begin(), listing.captions.end());
  taken.insert(listing.shpNames.begin(), listing.shpNames.end());
  for (const std::string& file : files)
    for (auto& [caption, map] : ForeignLayoutsOf(folder, file)) {
      // Two entries of one name would share a menu caption and a hall-of-fame table.
      if (taken.count(caption)) caption += " (" + file + ")";
      if (!taken.insert(caption).second) continue;
      listing.foreign.push_back({caption, file, map});
    }
  for (const engine::ForeignEntry& entry : listing.foreign)
    listing.captions.push_back(entry.caption);
  std::stable_sort(listing.captions.begin(), listing.captions.end(), LessIgnoringCase);
  return listing;
}

} // namespace shell
