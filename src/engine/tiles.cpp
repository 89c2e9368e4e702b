#include "engine/tiles.h"

namespace engine {

namespace {

constexpr std::array<std::uint8_t, MaxTiles + 1> MakeFaceOf() {
  std::array<std::uint8_t, MaxTiles + 1> faces{};
  faces[0] = 63;
  for (int t = 1; t <= MaxTiles; ++t) {
    int group = TileGroup(t);
    if (t >= 109 && t <= 116) {
      faces[t] = static_cast<std::uint8_t>(t - 109 + 28); // flowers and seasons: one picture each
    } else if (group < 27) {
      faces[t] = static_cast<std::uint8_t>(group + 1);
    } else {
      faces[t] = static_cast<std::uint8_t>(group + 7);
    }
  }
  return faces;
}

constexpr std::array<FaceCellXY, PictureCount + 1> MakeFaceCell() {
  std::array<FaceCellXY, PictureCount + 1> cells{};
  auto at = [&](int p, int x, int y) {
    cells[p] = {static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
  };
  for (int p = 1; p <= 9; ++p) at(p, 40 * (p - 1), 100);          // craks
  for (int p = 10; p <= 18; ++p) at(p, 40 * (p - 10), 50);        // bamboos
  for (int p = 19; p <= 27; ++p) at(p, 40 * (p - 19), 0);         // dots
  for (int p = 28; p <= 31; ++p) at(p, 40 * (p - 28), 200);       // flowers
  for (int p = 32; p <= 35; ++p) at(p, 40 * (p - 32), 150);       // seasons
  for (int p = 36; p <= 38; ++p) at(p, 160 + 40 * (p - 36), 200); // dragons
  for (int p = 39; p <= 42; ++p) at(p, 160 + 40 * (p - 39), 150); // winds
  return cells;
}

} // namespace

const std::array<std::uint8_t, MaxTiles + 1> FaceOf = MakeFaceOf();
const std::array<FaceCellXY, PictureCount + 1> FaceCell = MakeFaceCell();

} // namespace engine
