#include <gtest/gtest.h>

#include <filesystem>

#include "platform/bmp_reader.h"
#include "platform/jpeg_reader.h"
#include "platform/qt/builtin_files.h"
#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;

// Every picture and sound the generator made for the program is inside the binary, byte for
// byte, and every picture decodes with the program's own readers.
TEST(BuiltinFiles, EveryGeneratedFileIsBuiltInAndDecodes) {
  int checked = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(PELMAR_BUILD_DIR) / "builtin")) {
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    const std::string bytes = platform::qt::ReadBuiltin(name);
    ASSERT_FALSE(bytes.empty()) << "not built into the program";
    EXPECT_TRUE(bytes == testing_support::ReadText(entry.path()));
    const std::string ext = entry.path().extension().string();
    if (ext == ".bmp") {
      EXPECT_TRUE(platform::DecodeBmp(bytes).ok);
    } else if (ext == ".jpg") {
      EXPECT_TRUE(platform::DecodeJpeg(bytes).ok);
    }
    ++checked;
  }
  EXPECT_GT(checked, 50);
  EXPECT_TRUE(platform::qt::ReadBuiltin("no such picture.bmp").empty());
}

} // namespace
