#include "platform/desktop.h"

#include "platform/bmp_reader.h"
#include "platform/jpeg_reader.h"

namespace platform {

Bitmap BuiltinPicture(Desktop& desktop, const std::string& name) {
  const std::string bytes = desktop.ReadBuiltin(name);
  DecodedPicture decoded = name.ends_with(".jpg") ? DecodeJpeg(bytes) : DecodeBmp(bytes);
  return decoded.ok ? std::move(decoded.bitmap) : Bitmap();
}

} // namespace platform
