#include "games/hashira/pit_drawing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "games/hashira/column_order.h"

namespace hashira {

namespace {

using platform::Rect;
using Tile = PitPicture::Tile;

// Where a block's tile is drawn on the board picture.
int TileLeft(const Block& b) {
  return PitLeft + b.x - 4;
}
int TileTop(const Block& b) {
  return static_cast<int>(b.y) + PitTop + 16;
}

bool Shown(const ColumnsGame& game, const Block& b) {
  const bool blinkedOut = b.state == Marked && game.PhaseTicks % 2 != 0;
  return b.kind >= 0 && b.kind < KindCount && !blinkedOut;
}

// The digits of the points of the last check, waving and sinking while the chain resolves. A
// figure of three digits stands in the middle of five places, one of four a place to the right.
std::array<Tile, PitPicture::PointsPlaces> PointsShown(const ColumnsGame& game, bool animateChain) {
  std::array<Tile, PitPicture::PointsPlaces> places{};
  const bool chain = game.ColumnPhase == ShowingMarked || game.ColumnPhase == FillingGaps;
  if (!animateChain || !chain) return places;
  char figures[16];
  const auto written = std::to_chars(figures, figures + sizeof figures, game.LastPoints);
  const std::string_view number(figures, static_cast<std::size_t>(written.ptr - figures));
  const std::size_t lead = number.size() == 3 || number.size() == 4 ? 1 : 0;
  for (std::size_t i = 0; i < number.size() && lead + i < places.size(); ++i) {
    const int p = static_cast<int>(lead + i) + 1;
    const int top = static_cast<int>(25 * std::cos(0.25 * game.HashiraTicks + 0.5 * p)) + PitTop +
                    4 * game.PhaseTicks + 100;
    places[lead + i] = {PitLeft + 30 + 19 * p, top, number[i] - '0'};
  }
  return places;
}

// The smallest rectangle holding both; an empty one adds nothing.
Rect Cover(const Rect& a, const Rect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Rect Area(const Tile& t, int width, int height) {
  return t.kind < 0 ? Rect{} : Rect{t.left, t.top, t.left + width, t.top + height};
}

} // namespace

PitPicture PitShown(const ColumnsGame& game, bool animateChain) {
  PitPicture picture;
  picture.count = game.BlockCount;
  for (int i = 1; i <= game.BlockCount; ++i) {
    const Block& b = game.ColumnBlocks[static_cast<std::size_t>(i)];
    if (Shown(game, b))
      picture.tiles[static_cast<std::size_t>(i)] = {TileLeft(b), TileTop(b), b.kind};
  }
  picture.digits = PointsShown(game, animateChain);
  return picture;
}

Rect PitChanges(const PitPicture& before, const PitPicture& after) {
  Rect changed;
  for (int i = 1; i <= std::max(before.count, after.count); ++i) {
    const Tile& a = before.tiles[static_cast<std::size_t>(i)];
    const Tile& b = after.tiles[static_cast<std::size_t>(i)];
    if (a != b)
      changed = Cover(changed, Cover(Area(a, TileSize, TileSize), Area(b, TileSize, TileSize)));
  }
  for (std::size_t p = 0; p < before.digits.size(); ++p) {
    const Tile& a = before.digits[p];
    const Tile& b = after.digits[p];
    if (a != b)
      changed =
          Cover(changed, Cover(Area(a, DigitWidth, DigitHeight), Area(b, DigitWidth, DigitHeight)));
  }
  return platform::Intersect(changed, PitRect);
}

void DrawPit(platform::Bitmap& work, const ColumnsGame& game, const ColumnsPictures& pictures,
             bool animateChain, Rect area) {
  const Rect clip = platform::Intersect(area, PitRect);
  if (clip.Empty()) return;
  platform::FillRect(work, clip, platform::Rgb(0, 0, 0));
  // Right to left, so each column covers the edge on the left of the one beside it; top down,
  // so each block covers the lower edge of the one above. Equal heights keep the list's order.
  const auto& blocks = game.ColumnBlocks;
  for (int x = RightmostX; x >= 0; x -= CellSize) {
    const ColumnOrder column =
        BlocksOfColumn(game, x, [&](int a, int b) { return blocks[a].y < blocks[b].y; });
    for (int k = 0; k < column.count; ++k) {
      const Block& b = blocks[column.positions[k]];
      if (Shown(game, b)) pictures.Clicko[b.kind].Draw(work, TileLeft(b), TileTop(b), clip);
    }
  }
  for (const Tile& d : PointsShown(game, animateChain))
    if (d.kind >= 0) pictures.Digitaux[d.kind].Draw(work, d.left, d.top, clip);
}

} // namespace hashira
