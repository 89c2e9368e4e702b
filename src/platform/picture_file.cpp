#include "platform/picture_file.h"

#include "platform/files.h"
#include "platform/jpeg_reader.h"

namespace platform {

namespace {
// Far above any tileset or background we make, far below what would strain the memory.
constexpr std::size_t MaxPictureFileBytes = 64u << 20;
} // namespace

DecodedPicture ReadPictureFile(const std::string& path, bool jpeg) {
  FileRead file = ReadWholeFile(path, MaxPictureFileBytes);
  if (!file.ok) {
    DecodedPicture failed;
    failed.error = file.error;
    return failed;
  }
  return jpeg ? DecodeJpeg(file.bytes) : DecodeBmp(file.bytes);
}

} // namespace platform
