#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bmp_reader.h"

namespace {

using platform::DecodeBmp;
using platform::Rgb;

void Put16(std::string& s, unsigned v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>(v >> 8 & 0xFF);
}
void Put32(std::string& s, unsigned v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}

// A BMP with a 40-byte header; `rows` are given top row first, already packed and padded.
std::string MakeBmp(int width, int height, int bpp, const std::vector<std::string>& rows,
                    const std::vector<unsigned>& palette = {}, unsigned compression = 0,
                    const std::vector<unsigned>& masks = {}) {
  std::string header, pixels;
  bool topDown = height < 0;
  for (std::size_t i = 0; i < rows.size(); ++i) pixels += rows[topDown ? i : rows.size() - 1 - i];
  unsigned extra = static_cast<unsigned>(palette.size() * 4 + masks.size() * 4);
  header += "BM";
  Put32(header, 54 + extra + static_cast<unsigned>(pixels.size()));
  Put32(header, 0);
  Put32(header, 54 + extra);
  Put32(header, 40);
  Put32(header, static_cast<unsigned>(width));
  Put32(header, static_cast<unsigned>(height));
  Put16(header, 1);
  Put16(header, static_cast<unsigned>(bpp));
  Put32(header, compression);
  Put32(header, static_cast<unsigned>(pixels.size()));
  Put32(header, 2835);
  Put32(header, 2835);
  Put32(header, static_cast<unsigned>(palette.size()));
  Put32(header, 0);
  for (unsigned m : masks) Put32(header, m);
  for (unsigned c : palette) Put32(header, c);
  return header + pixels;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

struct DepthCase {
  const char* what;
  std::string file;
  std::vector<std::uint32_t> expected; // top row first
};

TEST(DecodeBmp, EveryDepthAndRowOrder) {
  const std::uint32_t red = Rgb(255, 0, 0), green = Rgb(0, 255, 0), blue = Rgb(0, 0, 255),
                      white = Rgb(255, 255, 255), black = Rgb(0, 0, 0);
  const std::vector<unsigned> palette = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00};
  const DepthCase cases[] = {
      {"24 bits, bottom-up",
       MakeBmp(2, 2, 24,
               {Bytes({0, 0, 255, 0, 255, 0, 0, 0}), Bytes({255, 0, 0, 255, 255, 255, 0, 0})}),
       {red, green, blue, white}},
      {"24 bits, top-down",
       MakeBmp(2, -2, 24,
               {Bytes({0, 0, 255, 0, 255, 0, 0, 0}), Bytes({255, 0, 0, 255, 255, 255, 0, 0})}),
       {red, green, blue, white}},
      {"32 bits", MakeBmp(1, 2, 32, {Bytes({0, 0, 255, 0}), Bytes({255, 0, 0, 0})}), {red, blue}},
      {"16 bits, 5-5-5", MakeBmp(2, 1, 16, {Bytes({0x00, 0x7C, 0x1F, 0x00})}), {red, blue}},
      {"16 bits, 5-6-5 masks",
       MakeBmp(2, 1, 16, {Bytes({0x00, 0xF8, 0xE0, 0x07})}, {}, 3, {0xF800, 0x07E0, 0x001F}),
       {red, green}},
      {"8 bits with palette",
       MakeBmp(3, 1, 8, {Bytes({2, 3, 1, 0})}, palette),
       {red, green, white}},
      {"4 bits with palette",
       MakeBmp(3, 1, 4, {Bytes({0x23, 0x10, 0, 0})}, palette),
       {red, green, white}},
      {"1 bit",
       MakeBmp(9, 1, 1, {Bytes({0xA5, 0x80, 0, 0})}, {0x000000, 0xFFFFFF}),
       {white, black, white, black, black, white, black, white, white}},
  };
  for (const DepthCase& c : cases) {
    auto picture = DecodeBmp(c.file);
    ASSERT_TRUE(picture.ok) << c.what << ": " << picture.error;
    const platform::Bitmap& b = picture.bitmap;
    ASSERT_EQ(static_cast<std::size_t>(b.Width() * b.Height()), c.expected.size()) << c.what;
    for (int i = 0; i < b.Width() * b.Height(); ++i)
      EXPECT_EQ(b.Pixels()[i], c.expected[i]) << c.what << ", pixel " << i;
  }
}

TEST(DecodeBmp, RefusesBrokenFilesWithAReason) {
  const std::string good =
      MakeBmp(2, 2, 24, {Bytes({1, 2, 3, 4, 5, 6, 0, 0}), Bytes({1, 2, 3, 4, 5, 6, 0, 0})});
  std::string hugeWidth = good, zeroHeight = good, rle = good, twoBits = good, farPixels = good;
  hugeWidth[18] = hugeWidth[19] = hugeWidth[20] = static_cast<char>(0xFF);
  hugeWidth[21] = 0x0F;
  zeroHeight[22] = zeroHeight[23] = zeroHeight[24] = zeroHeight[25] = 0;
  rle[30] = 1;
  twoBits[28] = 2;
  farPixels[10] = farPixels[11] = farPixels[12] = static_cast<char>(0xFF);
  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"empty", ""},
      {"another format", "\x89PNG\r\n\x1a\n" + good.substr(8)},
      {"a header only", good.substr(0, 30)},
      {"pixels cut short", good.substr(0, good.size() - 1)},
      {"a width beyond any screen", hugeWidth},
      {"no height", zeroHeight},
      {"compressed", rle},
      {"two bits per pixel", twoBits},
      {"pixels beyond the end", farPixels},
      {"a palette cut short", MakeBmp(1, 1, 8, {Bytes({0, 0, 0, 0})}).substr(0, 54) + "\x01"},
  };
  for (const Case& c : cases) {
    auto picture = DecodeBmp(c.file);
    EXPECT_FALSE(picture.ok) << c.what;
    EXPECT_FALSE(picture.error.empty()) << c.what;
  }
  // Every prefix of a good file is refused, never read past its end.
  for (std::size_t n = 0; n < good.size(); ++n) EXPECT_FALSE(DecodeBmp(good.substr(0, n)).ok) << n;
  EXPECT_TRUE(DecodeBmp(good).ok);
}

} // namespace
