#include "render/tile_sheet.h"

namespace render {

using platform::Rect;

Rect FaceBox(int picture) {
  const engine::FaceCellXY& cell = engine::FaceCell[picture];
  int col = cell.x / 40, row = cell.y / 50;
  return Rect{41 * col + 1, 51 * row + 1, 41 * col + 41, 51 * row + 51};
}

SheetCell TileCell(int picture) {
  const engine::FaceCellXY& cell = engine::FaceCell[picture];
  return {cell.x / 40 * TileWidth, cell.y / 50 * TileHeight};
}

void ComposeTileSheet(const platform::Bitmap& tileset, platform::Bitmap& sheet) {
  for (int p = 1; p <= engine::PictureCount; ++p) {
    SheetCell cell = TileCell(p);
    Rect face = FaceBox(p);
    Rect mask{face.left, face.top + MaskOffsetY, face.right, face.bottom + MaskOffsetY};
    platform::Blit(sheet, cell.x, cell.y, tileset, TileBodyRect, platform::RasterOp::Copy);
    platform::Blit(sheet, cell.x + EdgeSize, cell.y, tileset, mask, platform::RasterOp::And);
    platform::Blit(sheet, cell.x + EdgeSize, cell.y, tileset, face, platform::RasterOp::Or);
  }
}

} // namespace render
