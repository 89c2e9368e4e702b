#pragma once

#include <string>
#include <string_view>

#include "engine/game_services.h"
#include "engine/game_state.h"
#include "platform/text.h"
#include "render/board_renderer.h"
#include "render/picture_menu.h"

namespace render {

// The Tileset menu: "Load from disk", a separator, then the files of the Tilesets folder.
constexpr int FirstTilesetEntry = 2;
// A fresh installation starts on the second file.
constexpr int DefaultTilesetIndex = 3;

// The short romanized name printed on a picture: "1".."9", "BAM", "N", ...
std::string_view RomanizedLabel(int picture);

// Chooses, loads and composes the tileset that every tile is drawn from.
class Tilesets {
public:
  Tilesets(engine::GameState& state, engine::GameServices& services, BoardPictures& pictures);

  PictureMenu menu;
  // Prints the romanized labels; without one the labels are left out.
  platform::TextPainter* painter = nullptr;

  // The handler of every entry of the menu, by menu index. An entry whose file has gone falls
  // back to "Load from disk"; a file that cannot be read keeps the tiles and the mark as they
  // were and tells the player why.
  void Load1Click(int index);
  // The labels are printed into the loaded bitmap itself, so the file is read again either way.
  void ShowRomanizedClick();
  // Composes the finished tiles from TilesetBitmap.
  void ChangeTexture();

private:
  platform::DataFolder Folder() const;

  engine::GameState& state_;
  engine::GameServices& services_;
  BoardPictures& pictures_;
};

// Moves the four tilesets of earlier versions into "Backup" when all four are there, so the
// menu lists only the current ones. A move that fails leaves that file where it is.
void RetireOldTilesets(const std::string& tilesetsFolder);

} // namespace render
