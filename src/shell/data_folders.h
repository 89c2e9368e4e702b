#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_state.h"
#include "platform/program_folders.h"

namespace shell {

// The order of every list of names the player sees: by caption, without regard to case.
bool LessIgnoringCase(const std::string& a, const std::string& b);

// The captions of the files in `folder` whose names contain one of `markers` (case-sensitive,
// so "Clouds.JPG" is not a ".jpg"): each name without its last four characters, sorted without
// regard to case. A missing folder gives an empty list. Every scan lists the player's files and
// the shipped ones together, a file name once.
std::vector<std::string> ScanCaptions(const platform::DataFolder& folder,
                                      std::initializer_list<std::string_view> markers);

// The captions, as ScanCaptions makes them, of the files in `folder` whose names end in
// `extension`, where '?' stands for any one character (".m?d"); case-sensitive.
std::vector<std::string> ScanCaptionsWithExtension(const platform::DataFolder& folder,
                                                   std::string_view extension);

// The whole file names of the files in `folder` that contain one of `markers`, in the order
// the folder lists them.
std::vector<std::string> ScanFileNames(const platform::DataFolder& folder,
                                       std::initializer_list<std::string_view> markers);

// The files of a Layouts folder as the layout list takes them.
struct LayoutListing {
  // The captions of our ".lay" files and the entries of other programs' files, sorted together
  // without regard to case: other programs' layouts are listed like ours.
  std::vector<std::string> captions;
  std::vector<std::string> shpNames; // whole ".shp" file names, in folder order
  // Where each entry of another program's file comes from, in the files' own order. A map file
  // gives an entry per map, named by the map; a caption that is taken already gets the file name
  // in brackets after it.
  std::vector<engine::ForeignEntry> foreign;
};
LayoutListing ScanLayouts(const platform::DataFolder& folder);

} // namespace shell
