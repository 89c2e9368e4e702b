// The tilesets the build made, checked against the layout the game cuts tiles from: the game
// ANDs a mask onto the face and ORs the picture, so any picture pixel that is not black where its
// mask is white shows up as a stain on the tile.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/tiles.h"
#include "platform/bmp_reader.h"
#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;
using platform::Bitmap;

constexpr int LayoutWidth = 369, LayoutHeight = 567, MaskOffset = 312;
constexpr std::uint32_t Black = 0x000000, White = 0xFFFFFF;

struct Region {
  int left, top, width, height;
};
constexpr Region TileBody{0, 256, 46, 56}, BlankFace{6, 256, 40, 50}, SelectedFace{52, 256, 40, 50},
    HintFace{98, 256, 40, 50}, OutlineMask{138, 256, 46, 56};

struct Tileset {
  std::string fileName;
  std::string caption; // the menu entry: the file name without ".bmp"
  std::string bytes;
  Bitmap bitmap;
  std::string decodeError;
};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

const std::vector<Tileset>& Tilesets() {
  static const std::vector<Tileset> sets = [] {
    std::vector<Tileset> found;
    for (const auto& entry : fs::directory_iterator(fs::path(PELMAR_BUILD_DIR) / "Tilesets")) {
      if (!entry.is_regular_file() || Lower(entry.path().extension().string()) != ".bmp") continue;
      Tileset set{entry.path().filename().string(),
                  entry.path().stem().string(),
                  testing_support::ReadText(entry.path()),
                  {},
                  {}};
      platform::DecodedPicture picture = platform::DecodeBmp(set.bytes);
      set.bitmap = std::move(picture.bitmap);
      set.decodeError = picture.error;
      found.push_back(std::move(set));
    }
    std::sort(found.begin(), found.end(), [](const Tileset& a, const Tileset& b) {
      return Lower(a.caption) < Lower(b.caption);
    });
    return found;
  }();
  return sets;
}

std::uint32_t At(const Bitmap& b, int x, int y) {
  return b.Pixel(x, y) & platform::kRgbMask;
}

// Top-left corner of picture p's face box; its mask lies MaskOffset further down.
void FaceBox(int p, int* left, int* top) {
  *left = 41 * (engine::FaceCell[p].x / 40) + 1;
  *top = 51 * (engine::FaceCell[p].y / 50) + 1;
}

std::string Pixels(const Bitmap& b, const Region& r) {
  std::string bytes;
  for (int y = r.top; y < r.top + r.height; ++y)
    for (int x = r.left; x < r.left + r.width; ++x) bytes += std::to_string(At(b, x, y)) + ",";
  return bytes;
}

TEST(Tilesets, AtLeastFourWithTheIvorySetAsTheDefaultEntry) {
  const auto& sets = Tilesets();
  ASSERT_GE(sets.size(), 4u);
  // The game checks the second entry of its sorted menu when nothing else was chosen.
  EXPECT_EQ(sets[1].caption, "Ivory");
  for (const Tileset& set : sets)
    EXPECT_EQ(set.fileName, set.caption + ".bmp") << "the game lists only names ending in \".bmp\"";
}

TEST(Tilesets, AreUncompressed24BitBitmapsHoldingTheWholeLayout) {
  for (const Tileset& set : Tilesets()) {
    SCOPED_TRACE(set.caption);
    ASSERT_GE(set.bytes.size(), 54u);
    EXPECT_EQ(set.decodeError, "");
    EXPECT_EQ(set.bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(set.bytes[28]), 24) << "bits per pixel";
    EXPECT_EQ(set.bytes.substr(30, 4), std::string(4, '\0')) << "compression";
    EXPECT_GE(set.bitmap.Width(), LayoutWidth);
    EXPECT_GE(set.bitmap.Height(), LayoutHeight);
  }
}

TEST(Tilesets, EveryPictureMatchesItsMaskAndShowsSomething) {
  for (const Tileset& set : Tilesets()) {
    SCOPED_TRACE(set.caption);
    ASSERT_FALSE(set.bitmap.Empty()) << set.decodeError;
    for (int p = 1; p <= engine::PictureCount; ++p) {
      int left = 0, top = 0, opaque = 0, stains = 0, grey = 0;
      FaceBox(p, &left, &top);
      for (int y = top; y < top + 50; ++y) {
        for (int x = left; x < left + 40; ++x) {
          const std::uint32_t mask = At(set.bitmap, x, y + MaskOffset);
          if (mask != Black && mask != White) ++grey;
          if (mask == Black)
            ++opaque;
          else if (At(set.bitmap, x, y) != Black)
            ++stains;
        }
      }
      EXPECT_EQ(grey, 0) << "picture " << p << ": mask pixels neither black nor white";
      EXPECT_EQ(stains, 0) << "picture " << p << ": coloured where its mask lets the face show";
      EXPECT_GE(opaque, 60) << "picture " << p << " is (nearly) blank";
    }
  }
}

TEST(Tilesets, No42PicturesOfASetAreAlike) {
  for (const Tileset& set : Tilesets()) {
    SCOPED_TRACE(set.caption);
    ASSERT_FALSE(set.bitmap.Empty()) << set.decodeError;
    std::map<std::string, int> seen;
    for (int p = 1; p <= engine::PictureCount; ++p) {
      int left = 0, top = 0;
      FaceBox(p, &left, &top);
      const std::string look = Pixels(set.bitmap, {left, top, 40, 50}) + "/" +
                               Pixels(set.bitmap, {left, top + MaskOffset, 40, 50});
      const auto [where, added] = seen.emplace(look, p);
      EXPECT_TRUE(added) << "pictures " << where->second << " and " << p << " are the same";
    }
  }
}

TEST(Tilesets, TileBodyFitsItsOutlineMask) {
  for (const Tileset& set : Tilesets()) {
    SCOPED_TRACE(set.caption);
    ASSERT_FALSE(set.bitmap.Empty()) << set.decodeError;
    const Bitmap& b = set.bitmap;
    const int ox = OutlineMask.left, oy = OutlineMask.top;
    for (int y = 0; y < TileBody.height; ++y) {
      for (int x = 0; x < TileBody.width; ++x) {
        const std::uint32_t mask = At(b, ox + x, oy + y);
        ASSERT_TRUE(mask == Black || mask == White) << "outline mask at " << x << "," << y;
        if (mask == White) {
          EXPECT_EQ(At(b, TileBody.left + x, TileBody.top + y), Black)
              << "tile body outside its outline at " << x << "," << y;
        }
        // Faces and the lower-left part of the edge are copied onto the board without a mask,
        // so they must lie inside the outline.
        const bool face = x >= 6 && y < 50, lowerEdge = x < 21 && y >= 50;
        if (face || lowerEdge) {
          EXPECT_EQ(mask, Black) << "outside the outline at " << x << "," << y;
        }
      }
    }
    // Seen from the lower left: the corners above the left edge and right of the bottom edge
    // belong to the board behind the tile.
    EXPECT_EQ(At(b, ox, oy), White);
    EXPECT_EQ(At(b, ox + TileBody.width - 1, oy + TileBody.height - 1), White);
  }
}

TEST(Tilesets, MarkedFacesStandOutFromTheBlankFace) {
  for (const Tileset& set : Tilesets()) {
    SCOPED_TRACE(set.caption);
    ASSERT_FALSE(set.bitmap.Empty()) << set.decodeError;
    const std::string blank = Pixels(set.bitmap, BlankFace);
    const std::string selected = Pixels(set.bitmap, SelectedFace);
    const std::string hint = Pixels(set.bitmap, HintFace);
    EXPECT_NE(selected, blank);
    EXPECT_NE(hint, blank);
    EXPECT_NE(selected, hint);
    // A face is a surface for pictures, not a hole in the tile.
    EXPECT_NE(At(set.bitmap, BlankFace.left + 20, BlankFace.top + 25), Black);
  }
}

} // namespace
