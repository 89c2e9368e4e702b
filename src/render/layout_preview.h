#pragma once

#include <cstdint>

#include "engine/board.h"
#include "platform/bitmap.h"

namespace render {

// The layout chooser's preview and the thumbnails of its expanded view.
inline constexpr int PreviewWidth = 206, PreviewHeight = 138;
inline constexpr std::uint32_t PreviewPurple = platform::Rgb(128, 0, 128);
// The miniature tile's transparent colour.
inline constexpr std::uint32_t MinusKey = platform::Rgb(0, 0, 0);

// What a preview is drawn on: the board background stretched to the preview, or plain purple
// (also when there is no background to stretch).
platform::Bitmap PreviewBackdrop(const platform::Bitmap& background, bool withBackground);

// The backdrop with the miniature tile at every position of the layout, in the board's painter's
// order (layer by layer, right to left, top to bottom) at a quarter of its pitch.
platform::Bitmap MinusRedraw(const platform::Bitmap& backdrop, const engine::LayoutGrid& cells,
                             const platform::Bitmap& minus);

} // namespace render
