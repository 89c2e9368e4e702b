#pragma once

#include <string>

#include "platform/bmp_reader.h"

namespace platform {

// Reads a picture file, as JPEG when `jpeg` is set and as a Windows bitmap otherwise. A file that
// cannot be read or decoded gives a result that is not ok, with the reason for the player.
DecodedPicture ReadPictureFile(const std::string& path, bool jpeg);

} // namespace platform
