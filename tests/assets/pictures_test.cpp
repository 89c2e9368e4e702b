// The built-in pictures and the backgrounds that assetgen placed in the build folder, read back
// by the game's own bitmap reader and by libjpeg, and held to the sizes, pixels and key colours
// the program relies on when it loads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>

#include "platform/bmp_reader.h"
#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;
using platform::Bitmap;

const fs::path Builtin = fs::path(PELMAR_BUILD_DIR) / "builtin";
const fs::path Backgrounds = fs::path(PELMAR_BUILD_DIR) / "Backgrounds";

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};
void JpegFail(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// Plain C between setjmp and the decoder: nothing there may need a destructor.
bool DecodeJpeg(const std::string& bytes, Bitmap& out) {
  jpeg_decompress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = JpegFail;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out.Resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             info.output_width * 3, 1);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, row, 1);
    for (int x = 0; x < out.Width(); ++x)
      out.SetPixel(x, y, platform::Rgb(row[0][3 * x], row[0][3 * x + 1], row[0][3 * x + 2]));
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

// The picture in the file; an empty bitmap when it cannot be read.
Bitmap Decode(const fs::path& path) {
  const std::string bytes = testing_support::ReadText(path);
  Bitmap bitmap;
  if (path.extension() == ".jpg") return DecodeJpeg(bytes, bitmap) ? std::move(bitmap) : Bitmap{};
  if (bytes.size() < 30 || bytes.compare(0, 2, "BM") != 0 || bytes[28] != 24) return {};
  platform::DecodedPicture picture = platform::DecodeBmp(bytes);
  return picture.ok ? std::move(picture.bitmap) : Bitmap{};
}

std::uint32_t At(const Bitmap& b, int x, int y) {
  return b.Pixel(x, y) & platform::kRgbMask;
}
constexpr std::uint32_t Key(int r, int g, int b) {
  return platform::Rgb(r, g, b) & platform::kRgbMask;
}

struct Size {
  int width, height;
};

// Cursors keep their alpha in a PNG: the signature, then the header chunk with the size.
Size PngRgbaSize(const std::string& bytes) {
  if (bytes.size() < 26 || bytes.compare(0, 8, "\x89PNG\r\n\x1A\n") != 0 || bytes[25] != 6)
    return {0, 0};
  const auto be32 = [&](std::size_t at) {
    int v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
  };
  return {be32(16), be32(20)};
}

// Where a picture must show its key colour: at all four corners round a figure, or, for a tile
// seen from the front, at the two corners its sloping edge leaves free.
enum class Keyed { No, Corners, TileCorners };

struct BuiltinFile {
  std::string name;
  Size size;
  std::uint32_t key = 0;
  Keyed keyed = Keyed::No;
};

std::vector<BuiltinFile> BuiltinFiles() {
  std::vector<BuiltinFile> files;
  const auto add = [&](const std::string& name, Size size, std::uint32_t key = 0,
                       Keyed keyed = Keyed::No) {
    files.push_back({name, size, key, keyed});
  };
  const std::uint32_t black = Key(0, 0, 0), orchid = Key(124, 65, 123);
  const std::pair<const char*, Size> plain[] = {
      {"splash.bmp", {261, 156}},      {"hall_panel.bmp", {92, 472}},
      {"nuages.jpg", {640, 400}},      {"violet.jpg", {200, 400}},
      {"slider_grid.bmp", {320, 320}}, {"next_grid.bmp", {64, 144}},
      {"score_panel.bmp", {105, 65}},  {"hand.png", {32, 32}},
      {"hand_pressed.png", {32, 32}},  {"shadow_v01.bmp", {10, 20}},
      {"shadow_h.bmp", {20, 10}}};
  for (const auto& [name, size] : plain) add(name, size);
  add("pause.bmp", {156, 61}, black, Keyed::Corners);
  add("digits.bmp", {200, 22}, black, Keyed::Corners);
  add("miniature_tile.bmp", {13, 15}, black, Keyed::TileCorners);
  add("small_joker.bmp", {38, 38}, black, Keyed::TileCorners);
  for (int i = 1; i <= 6; ++i) {
    const std::string n = std::to_string(i);
    add("screen" + n + ".jpg", {154, 104});
    add("small_tile" + n + ".bmp", {38, 38}, black, Keyed::TileCorners);
    add("logo" + n + ".bmp", {38, 40}, Key(128, 0, 128), Keyed::TileCorners);
    if (i >= 2 && i <= 5) add("shadow_v" + n + ".bmp", {10, 20});
  }
  const Size panel{92, 166};
  for (const char* set : {"welcome", "clicks", "rivers", "solitaire"})
    for (const char* mood : {"content", "delighted", "worried"})
      add(std::string("hof_") + set + "_" + mood + ".bmp", panel, Key(132, 255, 132),
          Keyed::Corners);
  for (const char* mood : {"focused", "cheer", "surprised"})
    add(std::string("hof_hashira_") + mood + ".bmp", panel, Key(125, 64, 124), Keyed::Corners);
  for (const char* game : {"other", "clicks", "rivers"})
    add(std::string("hof_orchid_") + game + ".bmp", panel, orchid, Keyed::Corners);
  add("hof_orchid_solitaire.bmp", panel, Key(124, 66, 123), Keyed::Corners);
  return files;
}

TEST(BuiltinPictures, EveryFileHasItsSizeAndFormat) {
  const std::vector<BuiltinFile> files = BuiltinFiles();
  EXPECT_EQ(files.size(), 56u);
  for (const BuiltinFile& f : files) {
    SCOPED_TRACE(f.name);
    const fs::path path = Builtin / f.name;
    ASSERT_TRUE(fs::exists(path));
    Size size{0, 0};
    if (path.extension() == ".png") {
      size = PngRgbaSize(testing_support::ReadText(path));
    } else {
      const Bitmap b = Decode(path);
      size = {b.Width(), b.Height()};
    }
    EXPECT_EQ(size.width, f.size.width);
    EXPECT_EQ(size.height, f.size.height);
  }
}

// The board draws shadows with black as the key, so the pieces must be exactly this dither.
TEST(BuiltinPictures, ShadowPiecesAreTheDitherOfTheTable) {
  struct Piece {
    const char* file;
    int width, height;
    bool (*grey)(int c, int r);
  };
  const Piece pieces[] = {
      {"shadow_v01.bmp", 10, 20, [](int c, int r) { return r <= 9 && (c + r) % 2 == 0; }},
      {"shadow_v2.bmp", 10, 20, [](int c, int r) { return (c + r) % 2 == 1; }},
      {"shadow_v3.bmp", 10, 20, [](int c, int r) { return r <= 9 && c >= r && (c + r) % 2 == 0; }},
      {"shadow_v4.bmp", 10, 20, [](int c, int r) { return r <= 9 && c <= r && (c + r) % 2 == 0; }},
      {"shadow_v5.bmp", 10, 20, [](int c, int r) { return r <= 14 && (c + r) % 2 == 1; }},
      {"shadow_h.bmp", 20, 10, [](int c, int r) { return (c + r) % 2 == 0; }},
  };
  for (const Piece& piece : pieces) {
    const Bitmap b = Decode(Builtin / piece.file);
    ASSERT_EQ(b.Width(), piece.width) << piece.file;
    ASSERT_EQ(b.Height(), piece.height) << piece.file;
    for (int r = 0; r < piece.height; ++r)
      for (int c = 0; c < piece.width; ++c)
        ASSERT_EQ(At(b, c, r), piece.grey(c, r) ? Key(128, 128, 128) : Key(0, 0, 0))
            << piece.file << " at column " << c << ", row " << r;
  }
}

// Pictures drawn with a key colour show it round their figure, and a figure inside it.
TEST(BuiltinPictures, KeyColoursSurroundTheFigures) {
  int keyedFiles = 0;
  for (const BuiltinFile& f : BuiltinFiles()) {
    if (f.keyed == Keyed::No) continue;
    SCOPED_TRACE(f.name);
    ++keyedFiles;
    const Bitmap b = Decode(Builtin / f.name);
    ASSERT_FALSE(b.Empty());
    const int right = b.Width() - 1, bottom = b.Height() - 1;
    std::vector<std::pair<int, int>> corners = {{0, 0}, {right, bottom}};
    if (f.keyed == Keyed::Corners) corners.insert(corners.end(), {{right, 0}, {0, bottom}});
    for (auto [x, y] : corners) EXPECT_EQ(At(b, x, y), f.key) << "at " << x << ", " << y;
    int figure = 0;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) figure += At(b, x, y) != f.key;
    EXPECT_GT(figure, b.Width() * b.Height() / 4);
  }
  EXPECT_EQ(keyedFiles, 35);
}

// The panel builds some pictures by drawing one over another; the one on top must hide all of
// the one below, or a second face would show through round the edges.
TEST(BuiltinPictures, OverlaysCoverTheirBase) {
  const char* const sets[][4] = {{"welcome", "content", "delighted", "worried"},
                                 {"clicks", "content", "delighted", "worried"},
                                 {"rivers", "content", "delighted", "worried"},
                                 {"solitaire", "content", "delighted", "worried"},
                                 {"hashira", "focused", "cheer", "surprised"}};
  const auto picture = [](const char* set, const char* mood) {
    return Decode(Builtin / (std::string("hof_") + set + "_" + mood + ".bmp"));
  };
  for (const auto& set : sets) {
    const Bitmap under = picture(set[0], set[1]);
    const std::uint32_t key = At(under, 0, 0);
    for (int top = 2; top < 4; ++top) {
      const Bitmap over = picture(set[0], set[top]);
      ASSERT_EQ(over.Width(), under.Width());
      int uncovered = 0;
      for (int y = 0; y < under.Height(); ++y)
        for (int x = 0; x < under.Width(); ++x)
          uncovered += At(under, x, y) != key && At(over, x, y) == key;
      EXPECT_EQ(uncovered, 0) << set[0] << ": " << set[top] << " over " << set[1];
    }
  }
}

struct BackgroundFile {
  const char* name;
  bool full; // at least the board's 704x468; otherwise a tile the program repeats
};
const BackgroundFile BackgroundFiles[] = {{"Bamboo Paper.bmp", false}, {"Clouds.jpg", true},
                                          {"Indigo Silk.jpg", false},  {"Jade Felt.jpg", true},
                                          {"Red Lacquer.bmp", true},   {"Slate.bmp", false},
                                          {"Walnut.jpg", true}};

double Luma(std::uint32_t c) {
  return 0.299 * (c >> 16 & 0xFF) + 0.587 * (c >> 8 & 0xFF) + 0.114 * (c & 0xFF);
}

// The mean brightness step between neighbouring columns inside the picture, and across the
// seam where its right edge meets the left edge of the next copy.
std::pair<double, double> ColumnSteps(const Bitmap& b, bool transposed) {
  const int across = transposed ? b.Height() : b.Width(),
            along = transposed ? b.Width() : b.Height();
  const auto luma = [&](int i, int j) { return Luma(transposed ? At(b, j, i) : At(b, i, j)); };
  double inside = 0, seam = 0;
  for (int j = 0; j < along; ++j) {
    for (int i = 0; i + 1 < across; ++i) inside += std::abs(luma(i + 1, j) - luma(i, j));
    seam += std::abs(luma(0, j) - luma(across - 1, j));
  }
  return {inside / (along * (across - 1.0)), seam / along};
}

TEST(Backgrounds, EachDecodesCalmInItsSizeClassAndTilesWithoutSeams) {
  for (const BackgroundFile& f : BackgroundFiles) {
    SCOPED_TRACE(f.name);
    const Bitmap b = Decode(Backgrounds / f.name);
    ASSERT_FALSE(b.Empty());
    EXPECT_EQ(f.full, b.Width() >= 704 && b.Height() >= 468);
    if (!f.full) {
      EXPECT_GE(std::min(b.Width(), b.Height()), 32);
      for (bool vertical : {false, true}) {
        const auto [inside, seam] = ColumnSteps(b, vertical);
        // Noise that does not wrap shows up as a step half again as large as those inside.
        EXPECT_LE(seam, 1.25 * inside + 0.25) << (vertical ? "top and bottom" : "left and right");
      }
    }
    // Tiles are ivory: what lies behind them stays dark and quiet.
    double sum = 0, squares = 0;
    const double count = double(b.Width()) * b.Height();
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) {
        const double l = Luma(At(b, x, y));
        sum += l;
        squares += l * l;
      }
    const double mean = sum / count;
    EXPECT_GT(mean, 30);
    EXPECT_LT(mean, 130);
    EXPECT_LT(std::sqrt(squares / count - mean * mean), 24);
  }
}

// The menu lists the captions sorted without regard to case, and a fresh installation takes
// its fourth entry; that one must be a whole picture, not a small repeated tile.
TEST(Backgrounds, TheDefaultFourthCaptionIsTheFullJadeFelt) {
  std::vector<std::string> captions;
  for (const auto& entry : fs::directory_iterator(Backgrounds)) {
    const std::string name = entry.path().filename().string();
    if (name.find(".jpg") == std::string::npos && name.find(".bmp") == std::string::npos) continue;
    const auto known = std::find_if(std::begin(BackgroundFiles), std::end(BackgroundFiles),
                                    [&](const BackgroundFile& f) { return name == f.name; });
    EXPECT_NE(known, std::end(BackgroundFiles)) << name << " is missing from the table above";
    captions.push_back(name.substr(0, name.size() - 4));
  }
  const auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  std::sort(captions.begin(), captions.end(),
            [&](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
  ASSERT_GE(captions.size(), 6u);
  EXPECT_EQ(captions[3], "Jade Felt");
  const Bitmap fourth = Decode(Backgrounds / (captions[3] + ".jpg"));
  EXPECT_GE(fourth.Width(), 704);
  EXPECT_GE(fourth.Height(), 468);
}

} // namespace
