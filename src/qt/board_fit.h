#pragma once

namespace qt {

// Where the board picture stands in a widget: scaled to fit keeping its aspect ratio (by a
// whole factor of screen pixels from twice the size on, so that pixels stay sharp; smoothly
// below) and centred. Sizes are in the widget's own units, `pixelRatio` screen pixels each.
struct BoardFit {
  double scale = 1.0;
  int left = 0, top = 0, width = 0, height = 0;

  // The board pixel under a widget position; outside the picture it lies beyond the board's
  // edges, which the rules treat as no tile.
  int BoardX(double widgetX) const;
  int BoardY(double widgetY) const;
  // The widget position of the centre of a board pixel.
  double WidgetX(int boardX) const { return left + (boardX + 0.5) * scale; }
  double WidgetY(int boardY) const { return top + (boardY + 0.5) * scale; }
};

BoardFit FitBoard(int boardWidth, int boardHeight, int widgetWidth, int widgetHeight,
                  double pixelRatio = 1.0);

} // namespace qt
