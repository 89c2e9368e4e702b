#include "app/picture_loading.h"

#include "platform/bmp_reader.h"
#include "platform/files.h"
#include "platform/jpeg_reader.h"
#include "platform/qt/builtin_files.h"
#include "render/tile_sheet.h"
#include "shell/backgrounds.h"

namespace app {

namespace {

// Far above any tileset or background we make, far below what would strain the memory.
constexpr std::size_t MaxPictureFileBytes = 64u << 20;

platform::DecodedPicture ReadPicture(const std::string& path, bool jpeg) {
  platform::FileRead file = platform::ReadWholeFile(path, MaxPictureFileBytes);
  if (!file.ok) {
    platform::DecodedPicture failed;
    failed.error = file.error;
    return failed;
  }
  return jpeg ? platform::DecodeJpeg(file.bytes) : platform::DecodeBmp(file.bytes);
}

std::string Refusal(const std::string& what, const std::string& path, const std::string& reason) {
  return "Unable to load the " + what + " \"" + path + "\": " + reason + ".";
}

platform::Bitmap BuiltinBitmap(const std::string& name) {
  platform::DecodedPicture decoded = platform::DecodeBmp(platform::qt::ReadBuiltin(name));
  return decoded.ok ? std::move(decoded.bitmap) : platform::Bitmap();
}

} // namespace

std::string LoadTileset(const std::string& path, render::BoardPictures& pictures) {
  platform::DecodedPicture picture = ReadPicture(path, false);
  if (!picture.ok) return Refusal("tileset", path, picture.error);
  pictures.TilesetBitmap = std::move(picture.bitmap);
  render::ComposeTileSheet(pictures.TilesetBitmap, pictures.TileSheet);
  return {};
}

std::string LoadBackground(const std::string& path, render::BoardPictures& pictures) {
  const bool jpeg = path.find(".jpg") != std::string::npos;
  platform::DecodedPicture picture = ReadPicture(path, jpeg);
  if (!picture.ok) return Refusal("background", path, picture.error);
  shell::TileBackground(pictures.BackgroundBitmap, picture.bitmap);
  return {};
}

shell::IdlePictures LoadIdlePictures() {
  shell::IdlePictures idle;
  idle.pause = BuiltinBitmap("pause.bmp");
  for (int i = 0; i < shell::LogoCount; ++i)
    idle.logos[i] = BuiltinBitmap("logo" + std::to_string(i + 1) + ".bmp");
  return idle;
}

} // namespace app
