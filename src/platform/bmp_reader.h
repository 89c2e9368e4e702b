#pragma once

#include <string>
#include <string_view>

#include "platform/bitmap.h"

namespace platform {

struct DecodedPicture {
  bool ok = false;
  Bitmap bitmap;     // when ok
  std::string error; // a short reason for the player when not ok
};

// The largest picture any reader accepts, so a header cannot make us allocate gigabytes.
constexpr int MaxPictureSide = 8192;

// Decodes a Windows bitmap: uncompressed 1, 4, 8, 24 and 32 bits per pixel (and 16-bit 5-5-5),
// bottom-up or top-down. Every size and offset in the file is checked against the file's
// length before it is used.
DecodedPicture DecodeBmp(std::string_view bytes);

} // namespace platform
