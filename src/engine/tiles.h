#pragma once

#include <array>
#include <cstdint>

namespace engine {

constexpr int MaxTiles = 144;
constexpr int PictureCount = 42;

// Two tiles match exactly when their groups are equal; the four tiles of a group are
// numbered 4g+1..4g+4, which keeps a group's free tiles next to each other in sorted lists.
constexpr int TileGroup(int t) {
  return (t - 1) / 4;
}

// The picture 1..42 of each tile number (entry 0 is never read).
extern const std::array<std::uint8_t, MaxTiles + 1> FaceOf;

struct FaceCellXY {
  std::uint16_t x = 0, y = 0;
};

// Where picture p sits in a tileset bitmap of 40x50 cells (entry 0 is unused).
extern const std::array<FaceCellXY, PictureCount + 1> FaceCell;

} // namespace engine
