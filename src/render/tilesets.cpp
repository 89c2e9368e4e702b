#include "render/tilesets.h"

#include <array>
#include <string>

#include "platform/files.h"
#include "platform/picture_file.h"
#include "render/tile_sheet.h"

namespace render {

namespace {

constexpr std::array<std::string_view, 15> HonourLabels{
    "BAM", "PLUM", "MUM", "ORC", "WIN", "SPR", "SUM", "AUT", "D1", "D2", "D3", "N", "S", "E", "W"};
constexpr std::array<std::string_view, 9> Digits{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr int SuitPictures = 27;

const platform::Font LabelFont{"Small Fonts", 6, false, false};

// A picture smaller than a tileset would leave the tiles blank where it ends.
std::string TooSmall(const platform::Bitmap& picture) {
  if (picture.Width() >= TilesetWidth && picture.Height() >= TilesetHeight) return {};
  return "the picture is " + std::to_string(picture.Width()) + "x" +
         std::to_string(picture.Height()) + " pixels, and a tileset needs " +
         std::to_string(TilesetWidth) + "x" + std::to_string(TilesetHeight);
}

} // namespace

std::string_view RomanizedLabel(int picture) {
  if (picture >= 1 && picture <= SuitPictures) return Digits[(picture - 1) % 9];
  if (picture > SuitPictures && picture <= engine::PictureCount)
    return HonourLabels[picture - SuitPictures - 1];
  return {};
}

Tilesets::Tilesets(engine::GameState& state, engine::GameServices& services,
                   BoardPictures& pictures)
    : state_(state), services_(services), pictures_(pictures) {}

platform::DataFolder Tilesets::Folder() const {
  return state_.layouts.Folders.Data("Tilesets");
}

void Tilesets::Load1Click(int index) {
  const bool startingUp = state_.board.GameMode == engine::ModeNone;
  std::string path;
  if (index == PictureMenu::FromDisk) {
    const auto chosen = ChooseFromDisk(
        menu, {"Please choose a Tileset bitmap file", "Tileset files (*.bmp)|*.bmp", Folder().own},
        services_.ui(), startingUp);
    if (!chosen) return;
    path = *chosen;
  } else {
    const int entry = index - FirstTilesetEntry;
    if (entry < 0 || entry >= static_cast<int>(menu.captions.size())) return;
    path = Folder().Find(menu.captions[entry] + ".bmp");
    if (!platform::FileExists(path)) return Load1Click(PictureMenu::FromDisk);
  }
  platform::DecodedPicture picture = platform::ReadPictureFile(path, false);
  if (const std::string refusal = picture.ok ? TooSmall(picture.bitmap) : picture.error;
      !refusal.empty()) {
    services_.ui().ShowMessage("Unable to load the tileset \"" + path + "\": " + refusal + ".");
    return;
  }
  menu.checked = index;
  pictures_.TilesetBitmap = std::move(picture.bitmap);
  ChangeTexture();
  if (!startingUp) services_.FullRedraw();
}

void Tilesets::ShowRomanizedClick() {
  state_.options.ShowRomanized = !state_.options.ShowRomanized;
  if (menu.checked != PictureMenu::NoEntry) Load1Click(menu.checked);
}

void Tilesets::ChangeTexture() {
  if (state_.options.ShowRomanized && painter) {
    for (int p = 1; p <= engine::PictureCount; ++p) {
      const platform::Rect face = FaceBox(p);
      const std::string_view label = RomanizedLabel(p);
      // Opaque black in the picture and in its mask, so it shows black on the finished tile.
      painter->DrawText(pictures_.TilesetBitmap, face.left + 1, face.top + 1, label, LabelFont,
                        platform::Rgb(0, 0, 0));
      painter->DrawText(pictures_.TilesetBitmap, face.left + 1, face.top + 1 + MaskOffsetY, label,
                        LabelFont, platform::Rgb(0, 0, 0));
    }
  }
  ComposeTileSheet(pictures_.TilesetBitmap, pictures_.TileSheet);
}

void RetireOldTilesets(const std::string& tilesetsFolder) {
  static constexpr std::array<const char*, 4> OldFiles{"pai.bmp", "pai256.bmp", "darkpai.bmp",
                                                       "bluepai.bmp"};
  for (const char* name : OldFiles)
    if (!platform::FileExists(tilesetsFolder + name)) return;
  const std::string backup = tilesetsFolder + "Backup/";
  if (!platform::MakeFolder(backup)) return;
  for (const char* name : OldFiles) platform::MoveFile(tilesetsFolder + name, backup + name);
}

} // namespace render
