#pragma once

#include "platform/bitmap.h"

namespace shell {

// Lays a picture onto the board background: a picture smaller than the board in either
// direction is repeated from the top-left corner, rows top to bottom; a larger one is drawn once
// and cut at the board's edges. The background is not cleared first.
void TileBackground(platform::Bitmap& background, const platform::Bitmap& picture);

} // namespace shell
