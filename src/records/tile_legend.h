#pragma once

#include "platform/bitmap.h"
#include "platform/text.h"
#include "render/tile_sheet.h"

namespace records {

// The help window's legend of the tiles: a framed panel with the clouds stretched over it and,
// inside its frame, a picture of every tile face with the captions of their families.
constexpr int LegendWidth = 593, LegendHeight = 353;
constexpr int LegendInset = 2; // where the picture starts inside the frame, both ways

// The top-left corner of a picture's face (1..42) in the panel.
render::SheetCell LegendPlace(int picture);

// Draws the whole panel anew into `panel`, taking each face from the tile sheet as it is now.
// Without clouds the panel is a plain sky.
void DrawTileLegend(platform::Bitmap& panel, const platform::Bitmap& clouds,
                    const platform::Bitmap& tileSheet, platform::TextPainter& painter);

} // namespace records
