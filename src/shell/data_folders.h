#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The captions of the files in `folder` whose names contain one of `markers` (case-sensitive,
// so "Clouds.JPG" is not a ".jpg"): each name without its last four characters, sorted without
// regard to case. A missing folder gives an empty list.
std::vector<std::string> ScanCaptions(const std::string& folder,
                                      std::initializer_list<std::string_view> markers);

// The captions, as ScanCaptions makes them, of the files in `folder` whose names end in
// `extension`, where '?' stands for any one character (".m?d"); case-sensitive.
std::vector<std::string> ScanCaptionsWithExtension(const std::string& folder,
                                                   std::string_view extension);

// The whole file names of the files in `folder` that contain one of `markers`, in the order
// the folder lists them.
std::vector<std::string> ScanFileNames(const std::string& folder,
                                       std::initializer_list<std::string_view> markers);

} // namespace shell
