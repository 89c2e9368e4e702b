// Feeds arbitrary bytes to the BMP reader: it must refuse or decode, never read out of bounds.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto picture = platform::DecodeBmp(std::string_view(reinterpret_cast<const char*>(data), size));
  if (picture.ok && (picture.bitmap.Width() < 1 || picture.bitmap.Height() < 1)) std::abort();
  if (!picture.ok && picture.error.empty()) std::abort();
  return 0;
}
