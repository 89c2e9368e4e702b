#include "app/picture_loading.h"

namespace app {

shell::IdlePictures LoadIdlePictures(platform::Desktop& desktop) {
  shell::IdlePictures idle;
  idle.pause = platform::BuiltinPicture(desktop, "pause.bmp");
  for (int i = 0; i < shell::LogoCount; ++i)
    idle.logos[i] = platform::BuiltinPicture(desktop, "logo" + std::to_string(i + 1) + ".bmp");
  return idle;
}

records::HallPictures LoadHallPictures(platform::Desktop& desktop) {
  records::HallPictures hall;
  if (platform::Bitmap background = platform::BuiltinPicture(desktop, records::HofPicFile);
      !background.Empty())
    hall.HofPic = std::move(background);
  for (int i = 0; i < records::GirlsCount; ++i)
    hall.Girls[i] = platform::BuiltinPicture(desktop, records::GirlsFiles[i].file);
  return hall;
}

} // namespace app
