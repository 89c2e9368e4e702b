#include "app/picture_loading.h"

#include "platform/bmp_reader.h"
#include "platform/qt/builtin_files.h"

namespace app {

namespace {

platform::Bitmap BuiltinBitmap(const std::string& name) {
  platform::DecodedPicture decoded = platform::DecodeBmp(platform::qt::ReadBuiltin(name));
  return decoded.ok ? std::move(decoded.bitmap) : platform::Bitmap();
}

} // namespace

shell::IdlePictures LoadIdlePictures() {
  shell::IdlePictures idle;
  idle.pause = BuiltinBitmap("pause.bmp");
  for (int i = 0; i < shell::LogoCount; ++i)
    idle.logos[i] = BuiltinBitmap("logo" + std::to_string(i + 1) + ".bmp");
  return idle;
}

} // namespace app
