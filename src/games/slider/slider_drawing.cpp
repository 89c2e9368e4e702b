#include "games/slider/slider_drawing.h"

#include <string>

namespace slider {

namespace {

using platform::Rect;

constexpr int HighlightPen = 3;
constexpr std::uint32_t SelectionColour = platform::Rgb(255, 255, 255);
constexpr int SelectionPen = 2;
const platform::Font ScoreFont{"Arial", 16, true};
constexpr std::uint32_t ScoreColour = platform::Rgb(255, 226, 150);
constexpr int ScoreTop = 26; // in the panel's dark window

void DrawPicture(const render::ClippedCanvas& canvas, const platform::Bitmap& picture, int x,
                 int y) {
  canvas.Blit(x, y, picture, picture.Bounds(), platform::RasterOp::Copy);
}

// The hovered cell's outline: round the face of a tile, round the felt of an empty cell. A
// 3-pixel pen running along the outline lies one pixel outside it.
Rect HoverOutline(const SliderField& field, Cell cell) {
  const Rect tile = TilePicture(cell);
  const int edge = render::SmallTileSize - 32;
  if (field(cell) != 0) return {tile.left + edge - 1, tile.top - 1, tile.right + 1, tile.top + 33};
  return {tile.left - 1, tile.top + edge - 1, tile.left + 33, tile.bottom + 1};
}

} // namespace

void SliderPictures::Load(platform::Desktop& desktop) {
  tiles.Load(desktop);
  if (!Grid.Empty()) return;
  Grid = platform::BuiltinPicture(desktop, "slider_grid.bmp");
  NextGrid = platform::BuiltinPicture(desktop, "next_grid.bmp");
  ScorePanel = platform::BuiltinPicture(desktop, "score_panel.bmp");
}

void RedrawSlider(platform::Bitmap& work, const render::ClippedCanvas& canvas,
                  const SliderPictures& pictures, const SliderField& field, const NextKinds& next,
                  const SliderMarks& marks, platform::TextPainter& painter) {
  DrawPicture(canvas, pictures.Grid, GridX, GridY);
  DrawPicture(canvas, pictures.NextGrid, NextGridX, NextGridY);
  for (int c = FieldSize; c >= 1; --c)
    for (int r = 1; r <= FieldSize; ++r) {
      const Rect at = TilePicture({c, r});
      pictures.tiles.Draw(canvas, field(c, r), at.left, at.top);
    }
  if (marks.selected != NoCell && field(marks.selected) != 0) {
    const Rect tile = TilePicture(marks.selected);
    canvas.Frame({tile.left + 6, tile.top, tile.right, tile.top + 32}, SelectionColour,
                 SelectionPen);
  }
  if (marks.highlight && marks.hover != NoCell)
    canvas.Frame(HoverOutline(field, marks.hover), marks.pen, HighlightPen);
  if (marks.keys != NoCell) {
    const Rect tile = TilePicture(marks.keys);
    canvas.Frame({tile.left - 1, tile.top - 1, tile.right + 1, tile.bottom + 1},
                 play::KeyboardCursorColour, play::KeyboardCursorPen);
  }
  if (marks.showNext)
    for (int k = 1; k <= NewTiles; ++k)
      pictures.tiles.Draw(canvas, next[k - 1] + 1, 560, 112 + 32 * k);

  DrawPicture(canvas, pictures.ScorePanel, ScorePanelX, ScorePanelY);
  const Rect panel{ScorePanelX, ScorePanelY, ScorePanelX + 105, ScorePanelY + 65};
  if (platform::Intersect(panel, canvas.Clip()).Empty()) return;
  const std::string score = std::to_string(marks.score);
  painter.DrawText(work, ScorePanelX + (panel.Width() - painter.TextWidth(score, ScoreFont)) / 2,
                   ScorePanelY + ScoreTop, score, ScoreFont, ScoreColour);
}

} // namespace slider
