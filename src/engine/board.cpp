#include "engine/board.h"

namespace engine {

int LayoutGrid::Positions() const {
  int n = 0;
  for (std::uint8_t c : cells) n += c != 0;
  return n;
}

int WhatTileThere(const Board& board, int px, int py) {
  // The scan order decides overlaps: the last hit wins, so a higher layer beats a lower one,
  // and within a layer the smaller x and then the larger y win.
  int found = 0;
  for (int z = 1; z <= GridLayers; ++z) {
    for (int x = GridWidth; x >= 1; --x) {
      int left = 20 * x + 6 * z - 52;
      if (px < left || px >= left + 46) continue;
      for (int y = 1; y <= GridHeight; ++y) {
        std::uint8_t v = board.BoardGrid(x, y, z);
        if (v == 0) continue;
        int top = 25 * y - 6 * z - 59;
        if (py >= top && py < top + 56) found = v;
      }
    }
  }
  return found;
}

int ClickedTile(const Board& board, int X, int Y) {
  const int px = X - board.BoardLeft, py = Y - board.BoardTop;
  return InsideBoard(px / ColumnWidth, py / RowHeight) ? WhatTileThere(board, px, py) : 0;
}

} // namespace engine
