#include <gtest/gtest.h>

#include <filesystem>

#include "shell/data_folders.h"
#include "support/test_platform.h"

namespace {

using testing_support::TempFolder;
using Names = std::vector<std::string>;

TEST(DataFoldersTest, CaptionsAreSortedWithoutRegardToCase) {
  TempFolder folder;
  for (const char* name : {"walnut.jpg", "Clouds.jpg", "Bamboo.bmp", "Slate.BMP", "notes.txt"})
    folder.Write(name, "x");
  std::filesystem::create_directory(folder.path() / "Inner.jpg");
  EXPECT_EQ(shell::ScanCaptions(folder.path().string(), {".jpg", ".bmp"}),
            (Names{"Bamboo", "Clouds", "walnut"}));
}

TEST(DataFoldersTest, MissingFolderGivesAnEmptyList) {
  EXPECT_TRUE(shell::ScanCaptions("/nonexistent/pelmar/folder", {".bmp"}).empty());
}

// Other programs' files are listed like ours: one entry per map, sorted in among the ".lay"
// captions; a taken name gets its file's name, an unreadable file is listed by its file name.
TEST(DataFoldersTest, LayoutsOfOtherProgramsAreListedLikeOurs) {
  TempFolder folder;
  for (const char* name : {"Arena.lay", "zoo.lay", "Crab.shp", "Arena.layout", "notes.txt"})
    folder.Write(name, "x");
  folder.Write("broken.map", "<mahjongg>");
  for (const char* name : {"pyramid.layout", "twins.map"})
    folder.Write(name, testing_support::ReadText(testing_support::TestLayout(name)));
  const shell::LayoutListing listing = shell::ScanLayouts(folder.path().string());
  EXPECT_EQ(listing.captions, (Names{"Arena", "Arena (Arena.layout)", "Bridge & Tower", "broken",
                                     "Plain", "pyramid", "zoo"}));
  EXPECT_EQ(listing.shpNames, Names{"Crab.shp"});
  EXPECT_EQ(listing.foreign,
            (std::vector<engine::ForeignEntry>{{"Arena (Arena.layout)", "Arena.layout", ""},
                                               {"broken", "broken.map", ""},
                                               {"pyramid", "pyramid.layout", ""},
                                               {"Bridge & Tower", "twins.map", "Bridge & Tower"},
                                               {"Plain", "twins.map", "Plain"}}));
}

} // namespace
