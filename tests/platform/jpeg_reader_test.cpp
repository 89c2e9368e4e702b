#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/jpeg_reader.h"

namespace {

using platform::DecodeJpeg;

// A small picture in four flat colour blocks, encoded at high quality, so decoded pixels stay
// close to what went in.
std::string EncodeTestPicture(int width, int height, bool grey = false) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = grey ? 1 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 98, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * info.input_components);
  while (info.next_scanline < info.image_height) {
    int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < width; ++x) {
      bool right = x >= width / 2, lower = y >= height / 2;
      unsigned char r = right ? 220 : 30, g = lower ? 200 : 40, b = right == lower ? 180 : 60;
      if (grey)
        row[x] = right ? 200 : 50;
      else {
        row[3 * x] = r;
        row[3 * x + 1] = g;
        row[3 * x + 2] = b;
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

bool Near(std::uint32_t pixel, int r, int g, int b) {
  auto close = [](int a, int e) { return std::abs(a - e) <= 12; };
  return close(pixel >> 16 & 0xFF, r) && close(pixel >> 8 & 0xFF, g) && close(pixel & 0xFF, b);
}

TEST(DecodeJpeg, DecodesColourAndGreyPictures) {
  auto colour = DecodeJpeg(EncodeTestPicture(32, 16));
  ASSERT_TRUE(colour.ok) << colour.error;
  ASSERT_EQ(colour.bitmap.Width(), 32);
  ASSERT_EQ(colour.bitmap.Height(), 16);
  EXPECT_TRUE(Near(colour.bitmap.Pixel(2, 2), 30, 40, 180));
  EXPECT_TRUE(Near(colour.bitmap.Pixel(29, 2), 220, 40, 60));
  EXPECT_TRUE(Near(colour.bitmap.Pixel(2, 13), 30, 200, 60));
  EXPECT_TRUE(Near(colour.bitmap.Pixel(29, 13), 220, 200, 180));

  auto grey = DecodeJpeg(EncodeTestPicture(16, 8, true));
  ASSERT_TRUE(grey.ok) << grey.error;
  EXPECT_TRUE(Near(grey.bitmap.Pixel(1, 1), 50, 50, 50));
  EXPECT_TRUE(Near(grey.bitmap.Pixel(14, 6), 200, 200, 200));
}

TEST(DecodeJpeg, RefusesBrokenFilesWithAReason) {
  const std::string good = EncodeTestPicture(64, 48);
  std::string huge = good;
  // The start-of-frame marker holds the height and width after its length and precision.
  std::size_t sof = huge.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  huge[sof + 5] = huge[sof + 7] = static_cast<char>(0xEA);
  huge[sof + 6] = huge[sof + 8] = 0x60; // 60000 x 60000
  std::string corrupt = good;
  for (std::size_t i = good.size() / 2; i < good.size() / 2 + 40; ++i) corrupt[i] = '\x13';
  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"empty", ""},
      {"a BMP", "BM" + std::string(60, '\0')},
      {"text", "this is not a picture at all"},
      {"the header only", good.substr(0, 200)},
      {"cut inside the picture data", good.substr(0, good.size() * 2 / 3)},
      {"a size beyond any screen", huge},
      {"scrambled picture data", corrupt},
  };
  for (const Case& c : cases) {
    auto picture = DecodeJpeg(c.file);
    EXPECT_FALSE(picture.ok) << c.what;
    EXPECT_FALSE(picture.error.empty()) << c.what;
  }
  EXPECT_TRUE(DecodeJpeg(good).ok);
}

} // namespace
