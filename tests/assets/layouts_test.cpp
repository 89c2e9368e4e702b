// The layouts the build placed in Layouts/, read the way the game reads them: each must load
// without complaint, fit the board picture, stand up properly and give winnable deals that
// really play out.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/layout_file.h"
#include "platform/files.h"
#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;
using namespace engine;

// The board picture the tiles are drawn into; a Board starts with the origin of a screen of
// 800 pixels or more, where the picture is shown whole.
constexpr int PictureWidth = 704, PictureHeight = 468;

struct BuiltLayout {
  std::string file, caption; // the file name, and the menu caption: the name without extension
  bool shp = false;
  ParsedLayout parsed;
};

const std::vector<BuiltLayout>& Layouts() {
  static const std::vector<BuiltLayout> all = [] {
    std::vector<BuiltLayout> found;
    for (const auto& entry : fs::directory_iterator(fs::path(PELMAR_BUILD_DIR) / "Layouts")) {
      std::string ext = entry.path().extension().string();
      if (ext != ".lay" && ext != ".shp") continue;
      platform::FileRead file = platform::ReadWholeFile(entry.path().string(), MaxLayoutFileBytes);
      BuiltLayout layout{
          entry.path().filename().string(), entry.path().stem().string(), ext == ".shp", {}};
      if (file.ok)
        layout.parsed = layout.shp ? ParseShp(file.bytes) : ParseLay(file.bytes);
      else
        layout.parsed.fault = file.error;
      found.push_back(std::move(layout));
    }
    std::sort(found.begin(), found.end(),
              [](const BuiltLayout& a, const BuiltLayout& b) { return a.file < b.file; });
    return found;
  }();
  return all;
}

std::vector<Position> PositionsOf(const LayoutGrid& g) {
  std::vector<Position> list;
  for (int z = 1; z <= GridLayers; ++z)
    for (int y = 1; y <= GridHeight; ++y)
      for (int x = 1; x <= GridWidth; ++x)
        if (g(x, y, z)) list.push_back({x, y, z});
  return list;
}

// Whether a tile of layer z covers the half-tile cell (cx, cy).
bool Covered(const LayoutGrid& g, int cx, int cy, int z) {
  return g(cx - 1, cy - 1, z) || g(cx, cy - 1, z) || g(cx - 1, cy, z) || g(cx, cy, z);
}

TEST(BuiltLayoutsTest, TheSetIsComplete) {
  std::set<std::string> lay;
  int lists = 0, fiveHigh = 0;
  for (const BuiltLayout& l : Layouts()) {
    if (l.shp)
      ++lists;
    else
      lay.insert(l.caption);
    const std::vector<Position> all = PositionsOf(l.parsed.cells);
    fiveHigh += std::any_of(all.begin(), all.end(), [](const Position& p) { return p.z == 5; });
  }
  for (const char* name : {"Traditional", "Arena", "N for Tessel"})
    EXPECT_TRUE(lay.count(name)) << name << ".lay is missing";
  EXPECT_GE(Layouts().size(), 21u) << "Traditional and at least twenty of our own";
  EXPECT_GE(lists, 1) << "at least one layout kept as a position list";
  EXPECT_GE(fiveHigh, 5) << "several layouts should use the top layer";
}

TEST(BuiltLayoutsTest, EveryLayoutReadsCleanly) {
  for (const BuiltLayout& l : Layouts()) {
    SCOPED_TRACE(l.file);
    ASSERT_EQ(l.parsed.outcome, ParsedLayout::Outcome::Ok) << l.parsed.fault;
    EXPECT_TRUE(l.parsed.warnings.empty()) << l.parsed.warnings.front();
    int n = l.parsed.cells.Positions();
    EXPECT_LE(n, MaxTiles);
    EXPECT_EQ(n % 4, 0) << n << " positions leave a group short";
    // The status line shows the name inside the file, the menu the file name: they must agree.
    if (!l.shp) {
      EXPECT_EQ(l.parsed.name, l.caption);
    }
  }
}

TEST(BuiltLayoutsTest, EveryTileLiesInsideTheBoardPicture) {
  const Board board;
  for (const BuiltLayout& l : Layouts())
    for (const Position& p : PositionsOf(l.parsed.cells)) {
      // The drawn tile: its face and the edge of 6 pixels on its left and below it.
      int faceX = CoordX(board, p.x - 1, p.z - 1), faceY = CoordY(board, p.y - 1, p.z - 1);
      EXPECT_TRUE(faceX - 6 >= 0 && faceX + 40 <= PictureWidth && faceY >= 0 &&
                  faceY + 56 <= PictureHeight)
          << l.file << ": tile at " << p.x << "," << p.y << "," << p.z << " is drawn at "
          << faceX - 6 << "," << faceY << " to " << faceX + 40 << "," << faceY + 56;
    }
}

TEST(BuiltLayoutsTest, TilesStandOnTilesAndNeverOverlap) {
  constexpr std::pair<int, int> NeighbourSteps[] = {{1, 0}, {-1, 1}, {0, 1}, {1, 1}};
  for (const BuiltLayout& l : Layouts()) {
    const LayoutGrid& g = l.parsed.cells;
    for (const Position& p : PositionsOf(g)) {
      // Another anchor less than a tile away to the right or below shares a cell with this one.
      for (const auto& [dx, dy] : NeighbourSteps)
        EXPECT_FALSE(g(p.x + dx, p.y + dy, p.z))
            << l.file << ": tiles at " << p.x << "," << p.y << " and " << p.x + dx << ","
            << p.y + dy << " overlap on layer " << p.z;
      if (p.z == 1) continue;
      bool resting = true;
      for (int cy = p.y; cy <= p.y + 1; ++cy)
        for (int cx = p.x; cx <= p.x + 1; ++cx) resting = resting && Covered(g, cx, cy, p.z - 1);
      EXPECT_TRUE(resting) << l.file << ": tile at " << p.x << "," << p.y << "," << p.z
                           << " does not rest on tiles everywhere";
    }
  }
}

TEST(BuiltLayoutsTest, EveryLayoutOpensWithAHandfulOfFreeTiles) {
  // Too few and most deals open with a single move; too many and there is nothing to plan.
  for (const BuiltLayout& l : Layouts()) {
    TileGrid grid;
    FillFromLayout(grid, l.parsed.cells);
    int free = FreeTiles(grid);
    EXPECT_TRUE(free >= 8 && free <= 40) << l.file << ": " << free << " free tiles";
  }
}

TEST(BuiltLayoutsTest, WinnableDealsPlayOutWithoutFallingBack) {
  for (const BuiltLayout& l : Layouts()) {
    for (int number : {1, 2, 3, 4, 5, 97, 1234, 65536, 2147483647}) {
      SCOPED_TRACE(l.file + " game " + std::to_string(number));
      auto state = std::make_unique<GameState>();
      testing_support::RecordingServices services(*state);
      state->layouts.LayoutCells = l.parsed.cells;
      state->board.GameMode = ModeSolitaire;
      state->options.Winnable = state->options.RandomSeed1 = true;
      state->board.GameNumber = number;
      WinnableDeal deal = CreateBoard(*state, services);
      ASSERT_FALSE(deal.plainFallback);
      ASSERT_EQ(deal.removalCount, l.parsed.cells.Positions());
      EXPECT_TRUE(testing_support::PlaysOut(state->board, deal));
    }
  }
}

} // namespace
