#pragma once

#include <string_view>

#include "platform/bmp_reader.h"

namespace platform {

// Decodes a baseline or progressive JPEG (greyscale or colour) through libjpeg. A corrupt or
// cut-short file is refused rather than shown half grey, and a header claiming a size beyond
// MaxPictureSide is refused before anything is allocated.
DecodedPicture DecodeJpeg(std::string_view bytes);

} // namespace platform
