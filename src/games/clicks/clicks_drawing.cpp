#include "games/clicks/clicks_drawing.h"

namespace clicks {

void RedrawClicks(const render::ClippedCanvas& canvas, const ClicksField& field,
                  const render::SmallTiles& tiles, int boardLeft, int boardTop) {
  for (int c = LastColumn; c >= FirstColumn; --c)
    for (int r = FirstRow; r <= LastRow; ++r) {
      const platform::Rect at = CellPicture(c, r, boardLeft, boardTop);
      tiles.Draw(canvas, field(c, r), at.left, at.top);
    }
}

} // namespace clicks
