#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> FilesBelow(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), root).string()] = testing_support::ReadText(entry.path());
  return files;
}

// Generated art, music and documents live in the repository's history only as sources, so the
// generator must give the same bytes every time, or every build would change them.
TEST(Assetgen, TwoRunsGiveIdenticalFiles) {
  testing_support::TempFolder first, second;
  for (const auto* folder : {&first, &second}) {
    std::string command = std::string(PELMAR_ASSETGEN) + " --assets " PELMAR_ASSETS_DIR " --out " +
                          folder->path().string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  auto a = FilesBelow(first.path()), b = FilesBelow(second.path());
  EXPECT_GT(a.size(), 20u);
  ASSERT_EQ(a.size(), b.size());
  for (const auto& [name, bytes] : a) {
    ASSERT_TRUE(b.count(name)) << name;
    EXPECT_TRUE(bytes == b.at(name)) << name << " differs between two runs";
  }
}

} // namespace
