#include "shell/data_folders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace shell {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

// The extension this program writes is four characters long, dot included.
constexpr std::size_t ExtensionLength = 4;

template <typename Wanted>
std::vector<std::string> FileNamesWhere(const std::string& folder, Wanted wanted) {
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return names;
  for (const auto& entry : it) {
    std::error_code typeError;
    if (entry.is_directory(typeError)) continue;
    std::string name = entry.path().filename().string();
    if (wanted(name)) names.push_back(std::move(name));
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

} // namespace

std::vector<std::string> ScanFileNames(const std::string& folder,
                                       std::initializer_list<std::string_view> markers) {
  return FileNamesWhere(folder, [&](const std::string& name) {
    return std::any_of(markers.begin(), markers.end(), [&](std::string_view marker) {
      return name.find(marker) != std::string::npos;
    });
  });
}

std::vector<std::string> ScanCaptions(const std::string& folder,
                                      std::initializer_list<std::string_view> markers) {
  return SortedCaptions(ScanFileNames(folder, markers));
}

std::vector<std::string> ScanCaptionsWithExtension(const std::string& folder,
                                                   std::string_view extension) {
  return SortedCaptions(FileNamesWhere(folder, [&](const std::string& name) {
    if (name.size() < extension.size()) return false;
    const std::string_view end = std::string_view(name).substr(name.size() - extension.size());
    return std::equal(end.begin(), end.end(), extension.begin(),
                      [](char have, char want) { return want == '?' || have == want; });
  }));
}

} // namespace shell
