#pragma once

#include "games/clicks/clicks_field.h"
#include "platform/bitmap.h"
#include "render/clipped_canvas.h"
#include "render/small_tiles.h"

namespace clicks {

// Where the picture of cell (c, r) lies on the board picture, for the board origin
// (BoardLeft, BoardTop).
constexpr platform::Rect CellPicture(int c, int r, int boardLeft, int boardTop) {
  const int x = 32 * c + boardLeft - 40, y = 32 * r + boardTop - 48;
  return {x, y, x + render::SmallTileSize, y + render::SmallTileSize};
}

// `RedrawClicks`: every tile of the field. Columns right to left and rows top down, so each
// tile covers the edge that its neighbours on the right and above leave under it.
void RedrawClicks(const render::ClippedCanvas& canvas, const ClicksField& field,
                  const render::SmallTiles& tiles, int boardLeft, int boardTop);

} // namespace clicks
