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

} // namespace
