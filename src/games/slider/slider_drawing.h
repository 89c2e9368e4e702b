#pragma once

#include "games/slider/slider_field.h"
#include "platform/bitmap.h"
#include "platform/desktop.h"
#include "platform/text.h"
#include "play/keyboard_cursor.h"
#include "render/clipped_canvas.h"
#include "render/small_tiles.h"

namespace slider {

// The pictures of the Slider board, read when the first game starts.
struct SliderPictures {
  render::SmallTiles tiles;
  platform::Bitmap Grid, NextGrid, ScorePanel;
  void Load(platform::Desktop& desktop);
};

// Board-picture geometry: the field and the next tiles lie where they lie whatever the board
// origin; the score panel sits below the next tiles.
constexpr int GridX = 180, GridY = 78, NextGridX = 544, NextGridY = 120;
constexpr int ScorePanelX = 524, ScorePanelY = 290;

// The picture of cell (c, r): its face is the 32-pixel square right of its 6-pixel edge.
constexpr platform::Rect TilePicture(Cell cell) {
  const int x = 196 + 32 * (cell.c - 1), y = 88 + 32 * (cell.r - 1);
  return {x, y, x + render::SmallTileSize, y + render::SmallTileSize};
}

// What a redraw shows besides the field itself.
struct SliderMarks {
  Cell hover = NoCell;    // outlined with "Highlight Slider"
  Cell selected = NoCell; // the tile that moves next
  Cell keys = NoCell;     // the keyboard's cursor, when shown
  bool highlight = false; // "Highlight Slider"
  bool showNext = false;  // "Show Next Tiles"
  std::uint32_t pen = 0;  // the highlight's pen colour
  int score = 0;
};

// `RedrawSlider`: the grid pictures, the tiles (columns right to left, rows top down, so each
// covers the edges its neighbours leave under it), the marks, the next tiles and the score panel
// with the score centred in it.
void RedrawSlider(platform::Bitmap& work, const render::ClippedCanvas& canvas,
                  const SliderPictures& pictures, const SliderField& field, const NextKinds& next,
                  const SliderMarks& marks, platform::TextPainter& painter);

} // namespace slider
