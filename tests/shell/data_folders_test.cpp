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
  EXPECT_TRUE(shell::ScanCaptions(std::string("/nonexistent/pelmar/folder"), {".bmp"}).empty());
}

// Installed, the menus list the player's files with the shipped ones; a name the player has is
// read from the player's folder, whatever its extension.
TEST(DataFoldersTest, PlayersFilesAreListedWithTheShippedOnesAndWin) {
  TempFolder own, shipped;
  for (const char* name : {"Arena.lay", "Mine.lay", "Clouds.bmp"}) own.Write(name, "own");
  for (const char* name : {"Arena.lay", "Castle.lay", "Clouds.jpg"}) shipped.Write(name, "x");
  const platform::DataFolder folder(own.path().string(), shipped.path().string());
  EXPECT_EQ(shell::ScanCaptions(folder, {".lay"}), (Names{"Arena", "Castle", "Mine"}));
  EXPECT_EQ(folder.Find("Arena.lay"), (own.path() / "Arena.lay").string());
  EXPECT_EQ(folder.Find("Castle.lay"), (shipped.path() / "Castle.lay").string());
  EXPECT_EQ(folder.FindFirst({"Clouds.jpg", "Clouds.bmp"}), (own.path() / "Clouds.bmp").string());
  EXPECT_EQ(folder.FindFirst({"Gone.jpg"}), "");
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
