#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "platform/bmp_reader.h"
#include "platform/jpeg_reader.h"
#include "qt/builtin_files.h"
#include "shell/commands.h"
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
    const std::string bytes = qt::ReadBuiltin(name);
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
  EXPECT_TRUE(qt::ReadBuiltin("no such picture.bmp").empty());
}

// A desktop without an icon theme shows our own pictures: each button names one that is built
// in, the size of a toolbar picture, with a see-through background, and its twice as dense
// picture for a screen of twice the density.
TEST(BuiltinFiles, EveryToolbarButtonHasItsOwnPicture) {
  for (const shell::ToolbarButton& b : shell::ToolbarButtons()) {
    SCOPED_TRACE(std::string(b.caption));
    std::vector<std::string_view> pictures{b.fallback};
    if (!b.otherIcon.empty()) pictures.push_back(b.otherFallback);
    for (std::string_view picture : pictures) {
      SCOPED_TRACE(std::string(picture));
      ASSERT_FALSE(picture.empty());
      const std::string bytes = qt::ReadBuiltin(std::string(picture));
      ASSERT_FALSE(bytes.empty()) << "not among the built-in files";
      const QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                            static_cast<int>(bytes.size()));
      ASSERT_FALSE(image.isNull());
      EXPECT_EQ(image.size(), QSize(24, 24));
      EXPECT_TRUE(image.hasAlphaChannel());
      EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
      std::string dense(picture);
      dense.insert(dense.size() - 4, "@2x"); // the name Qt looks for beside the picture
      const std::string denseBytes = qt::ReadBuiltin(dense);
      EXPECT_EQ(QImage::fromData(reinterpret_cast<const uchar*>(denseBytes.data()),
                                 static_cast<int>(denseBytes.size()))
                    .size(),
                QSize(48, 48));
    }
  }
}

} // namespace
