#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class QImage;

namespace assetgen {

// An uncompressed 24-bit Windows bitmap, bottom-up, as the game's reader expects.
void SaveBmp(const QImage& image, const std::filesystem::path& path);

// A baseline JPEG through libjpeg.
void SaveJpeg(const QImage& image, const std::filesystem::path& path, int quality = 90);

// Little-endian numbers, as Windows file headers (BMP, WAVE) store them.
void Put16(std::string& s, unsigned v);
void Put32(std::string& s, unsigned v);

// Writes bytes, creating the folder; stops assetgen with a message on failure.
void SaveBytes(std::string_view bytes, const std::filesystem::path& path);

} // namespace assetgen
