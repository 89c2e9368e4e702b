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

} // namespace

std::vector<std::string> ScanFileNames(const std::string& folder,
                                       std::initializer_list<std::string_view> markers) {
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return names;
  for (const auto& entry : it) {
    std::error_code typeError;
    if (entry.is_directory(typeError)) continue;
    std::string name = entry.path().filename().string();
    const bool wanted = std::any_of(markers.begin(), markers.end(), [&](std::string_view marker) {
      return name.find(marker) != std::string::npos;
    });
    if (wanted) names.push_back(std::move(name));
  }
  return names;
}

std::vector<std::string> ScanCaptions(const std::string& folder,
                                      std::initializer_list<std::string_view> markers) {
  std::vector<std::string> captions;
  for (std::string& name : ScanFileNames(folder, markers))
    if (name.size() > ExtensionLength)
      captions.push_back(name.substr(0, name.size() - ExtensionLength));
  std::stable_sort(captions.begin(), captions.end(), LessIgnoringCase);
  return captions;
}

} // namespace shell
