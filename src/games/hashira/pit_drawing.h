#pragma once

#include <array>

#include "games/hashira/columns_pictures.h"
#include "games/hashira/hashira_state.h"
#include "platform/bitmap.h"

namespace hashira {

// The pit on the board picture.
constexpr platform::Rect PitRect{PitLeft - 4, PitTop + 22, PitLeft - 4 + 198, PitTop + 22 + 392};

// What the pit shows: each record's tile where it is drawn (in list order), and the digits of
// the points where they stand. Two of them tell which part of the pit a step has to redraw.
struct PitPicture {
  struct Tile {
    int left = 0, top = 0;
    int kind = -1; // -1: nothing shown; a digit for the points
    friend bool operator==(const Tile&, const Tile&) = default;
  };
  std::array<Tile, MaxBlocks + 1> tiles{};
  int count = 0;
  static constexpr int PointsPlaces = 5;
  std::array<Tile, PointsPlaces> digits{}; // the places of the points, blanks not shown
};
PitPicture PitShown(const ColumnsGame& game, bool animateChain);
// The part of the pit in which two pictures differ; empty when they agree.
platform::Rect PitChanges(const PitPicture& before, const PitPicture& after);

// The pit inside `area`: black, then the blocks column by column from the right, each column
// from the top, with the marked blocks blinking and, while a chain resolves, its points waving
// in the pit. Nothing is drawn outside the pit nor outside `area`.
void DrawPit(platform::Bitmap& work, const ColumnsGame& game, const ColumnsPictures& pictures,
             bool animateChain, platform::Rect area);

} // namespace hashira
