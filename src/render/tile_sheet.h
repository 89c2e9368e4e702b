#pragma once

#include "engine/tiles.h"
#include "platform/bitmap.h"

namespace render {

// Sizes of a finished tile: a 40x50 face with a 6-pixel edge on the left and at the bottom.
constexpr int TileWidth = 46, TileHeight = 56, FaceWidth = 40, FaceHeight = 50, EdgeSize = 6;
constexpr int TileSheetWidth = 800, TileSheetHeight = 600;

// Where in a tileset bitmap the special images lie.
constexpr platform::Rect TileBodyRect{0, 256, 46, 312};
constexpr platform::Rect BlankFaceRect{6, 256, 46, 306};
constexpr platform::Rect SelectedFaceRect{52, 256, 92, 306};
constexpr platform::Rect HintFaceRect{98, 256, 138, 306};
constexpr platform::Rect OutlineMaskRect{138, 256, 184, 312};
constexpr int MaskOffsetY = 312;
// The least a tileset bitmap must hold: the last column of pictures and the last row of masks.
constexpr int TilesetWidth = 369, TilesetHeight = 567;

// The face box of a picture in the tileset bitmap: 40x50 cells on a 41x51 grid.
platform::Rect FaceBox(int picture);

// The top-left corner of a picture's finished tile in the tile sheet.
struct SheetCell {
  int x = 0, y = 0;
};
SheetCell TileCell(int picture);

// Composes every finished tile once: the blank body, the face background kept where the
// picture's mask is white, the picture laid in where it is black.
void ComposeTileSheet(const platform::Bitmap& tileset, platform::Bitmap& sheet);

} // namespace render
