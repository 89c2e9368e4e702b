#pragma once

#include <cstdint>
#include <filesystem>

class QImage;
namespace platform {
class Bitmap;
}

namespace assetgen {

namespace fs = std::filesystem;

// Each maker writes its files below `out` (the build folder, beside the game's binary) and reads
// its hand-written sources, if any, below `assets` (the repository's assets/ folder). Every
// output must come out byte for byte the same on every run.
void MakeTilesets(const fs::path& out);                          // Tilesets/*.bmp
void MakeBackgrounds(const fs::path& out);                       // Backgrounds/*.jpg, *.bmp
void MakePictures(const fs::path& out);                          // builtin/*: pictures, cursors
void MakeMusic(const fs::path& assets, const fs::path& out);     // Musics/*.mid
void MakeSounds(const fs::path& out);                            // builtin/*.wav
void CopyHelpDocuments(const fs::path& assets, const fs::path& out); // *.rtf beside the binary
void MakeProgramIcon(const fs::path& out); // icons/hicolor/*/apps/pelmar.*, builtin/icon.png

// One page with every picture, tileset, background and layout, for a person to review.
void DrawContactSheet(const fs::path& out, const fs::path& sheetPng);

// A copy of one of our bitmaps as a Qt image, for painting and saving.
QImage ToQImage(const platform::Bitmap& bitmap);

// A small deterministic noise source for textures: the same seed, the same art.
class ArtNoise {
public:
  explicit ArtNoise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  std::uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  // A value in [0, 1).
  double Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }

private:
  std::uint32_t state_;
};

} // namespace assetgen
