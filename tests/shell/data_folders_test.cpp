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

TEST(DataFoldersTest, LayoutListPutsShpFilesAfterTheLayFiles) {
  TempFolder folder;
  const std::string layouts = (folder.path() / "Layouts").string();
  for (const char* name : {"Layouts/Turtle.lay", "Layouts/Arena.lay", "Layouts/Alpha.shp"})
    folder.Write(name, "x");
  EXPECT_EQ(shell::ScanLayoutNames(layouts), (Names{"Arena", "Turtle", "Alpha.shp"}));
}

TEST(DataFoldersTest, MissingFolderGivesAnEmptyList) {
  EXPECT_TRUE(shell::ScanCaptions("/nonexistent/pelmar/folder", {".bmp"}).empty());
}

TEST(DataFoldersTest, EntryNamedIsOneBasedWithFallback) {
  const Names names{"Arena", "Traditional", "Wall"};
  EXPECT_EQ(shell::EntryNamed(names, "Traditional", 1), 2);
  EXPECT_EQ(shell::EntryNamed(names, "traditional", 1), 1);
  EXPECT_EQ(shell::EntryNamed({}, "Traditional", 7), 7);
}

} // namespace
