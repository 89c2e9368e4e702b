#include "qt/board_fit.h"

#include <algorithm>
#include <cmath>

namespace qt {

int BoardFit::BoardX(double widgetX) const {
  return static_cast<int>(std::floor((widgetX - left) / scale));
}

int BoardFit::BoardY(double widgetY) const {
  return static_cast<int>(std::floor((widgetY - top) / scale));
}

BoardFit FitBoard(int boardWidth, int boardHeight, int widgetWidth, int widgetHeight,
                  double pixelRatio) {
  BoardFit fit;
  if (boardWidth <= 0 || boardHeight <= 0 || widgetWidth <= 0 || widgetHeight <= 0) return fit;
  const double free = std::min(static_cast<double>(widgetWidth) / boardWidth,
                               static_cast<double>(widgetHeight) / boardHeight);
  // Between the natural size and twice it the board fills the room smoothly; from twice on it
  // keeps whole factors of screen pixels, where the border left over is small and every pixel
  // stays sharp: on a screen of twice the density that is from the natural size on.
  const double onScreen = free * pixelRatio;
  fit.scale = onScreen >= 2.0 ? std::floor(onScreen) / pixelRatio : free;
  fit.width = static_cast<int>(std::lround(boardWidth * fit.scale));
  fit.height = static_cast<int>(std::lround(boardHeight * fit.scale));
  fit.left = (widgetWidth - fit.width) / 2;
  fit.top = (widgetHeight - fit.height) / 2;
  return fit;
}

} // namespace qt
