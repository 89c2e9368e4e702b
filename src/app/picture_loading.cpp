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

records::HallPictures LoadHallPictures() {
  records::HallPictures hall;
  if (platform::Bitmap background = BuiltinBitmap(records::HofPicFile); !background.Empty())
    hall.HofPic = std::move(background);
  for (int i = 0; i < records::GirlsCount; ++i)
    hall.Girls[i] = BuiltinBitmap(records::GirlsFiles[i].file);
  return hall;
}

} // namespace app
