#pragma once

#include <cstdint>
#include <string>

#include "engine/game_services.h"
#include "engine/game_state.h"
#include "render/board_renderer.h"
#include "render/picture_menu.h"

namespace render {

// The Background menu: "Load from disk", "None (Solid)", a separator, then the files of the
// Backgrounds folder.
constexpr int SolidBackgroundIndex = 1;
constexpr int FirstBackgroundEntry = 3;
// A fresh installation starts on the fourth file.
constexpr int DefaultBackgroundIndex = 6;
// Red in the low byte, then green, then blue, as the settings store it: teal.
constexpr std::uint32_t DefaultColorBackground = 0x808000;

// a·b/c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

// Lays a picture onto the board background: a picture smaller than the board in either
// direction is repeated from the top-left corner, rows top to bottom; a larger one is drawn once
// and cut at the board's edges. The background is not cleared first.
void TileBackground(platform::Bitmap& background, const platform::Bitmap& picture);

// Paints 256 horizontal bands of `colour` (red in the low byte); with `gradient` they darken
// from the colour at the top to black at the bottom.
void PaintSolidBackground(platform::Bitmap& background, std::uint32_t colour, bool gradient);

// Chooses and paints the picture behind the board.
class Backgrounds {
public:
  Backgrounds(engine::GameState& state, engine::GameServices& services, BoardPictures& pictures);

  PictureMenu menu;
  std::uint32_t ColorBackground = DefaultColorBackground;

  // The handler of "Load from disk" and of every file entry, by menu index.
  void LoadBackgroundClick(int index);
  // Loads a picture file into BackgroundBitmap; false when it could not, in which case the
  // background is unchanged and the player was told why.
  bool NouveauFond(const std::string& path);
  // "None (Solid)": asks for the colour when the player chose the entry in a running program;
  // the program itself rebuilds the solid background without asking.
  void None1Click(bool askColour);
  void CoolBackgroundClick();

private:
  platform::DataFolder Folder() const;

  engine::GameState& state_;
  engine::GameServices& services_;
  BoardPictures& pictures_;
};

} // namespace render
