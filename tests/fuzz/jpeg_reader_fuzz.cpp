// Feeds arbitrary bytes to the JPEG reader: it must refuse or decode, never crash or exit.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/jpeg_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto picture = platform::DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size));
  if (picture.ok && (picture.bitmap.Width() < 1 || picture.bitmap.Height() < 1)) std::abort();
  if (!picture.ok && picture.error.empty()) std::abort();
  return 0;
}
