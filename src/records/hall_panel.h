#pragma once

#include <array>
#include <cstdint>

#include "engine/game_services.h"
#include "engine/game_state.h"
#include "platform/bitmap.h"
#include "platform/text.h"
#include "play/traits.h"
#include "records/hall_of_fame.h"
#include "render/board_renderer.h"

namespace records {

constexpr int PanelWidth = 92, PanelHeight = 472;
constexpr int GirlsCount = 19, GirlsWidth = 92, GirlsHeight = 166;
// Where "Show Current Tile" puts a copy of the pointed tile in Solitaire.
constexpr platform::Rect CurrentTileSpot{24, 390, 70, 446};

// The built-in pictures of the panel's mascot, by index, with the colour drawn as transparent.
struct GirlsPicture {
  const char* file;
  std::uint32_t key;
};
extern const std::array<GirlsPicture, GirlsCount> GirlsFiles;
inline constexpr const char* HofPicFile = "hall_panel.bmp";

struct HallPictures {
  platform::Bitmap HofPic{PanelWidth, PanelHeight};
  std::array<platform::Bitmap, GirlsCount> Girls;
};

// How far the list moves up: room for the mascot, the players' clocks or the pointed tile.
// `game` is the game being played, null on the screens between games.
int PanelShift(const engine::Options& options, const play::Traits* game);

// The mascot for a game (the paused one on the pause screen; null for none): its face follows
// the player's progress, by the measure its traits name. A random face draws one number from
// the program's generator at each call.
int GirlsIndex(const play::Traits* game, const engine::GameState& state, bool altGirls,
               engine::Generator& rng);

// What one rendering of the panel shows.
struct PanelContent {
  int shift = -20;
  int girl = -1; // the mascot picture, -1 for the title instead
  int slot = 0;  // the table listed
  int lastHallRank = 0;
};

// Composes the panel: background, then the title or the mascot, then the entries of the table.
void ComposePanel(platform::Bitmap& SaveHof, const HallPictures& pictures, const HallOfFame& hall,
                  const PanelContent& content, platform::TextPainter& painter);

// Everything ShowPanelHOF decides and draws into SaveHof; the caller then shows it. `game` is the
// game being played, `pictured` the one the mascot shows (the paused one on the pause screen).
// Counts the moves first when the mascot depends on them.
void ShowPanelHOF(engine::GameState& state, const play::Traits* game, const play::Traits* pictured,
                  const HallState& hall, const HallPictures& pictures, platform::Bitmap& SaveHof,
                  platform::TextPainter& painter, engine::GameServices& services);

// The pointed tile in the panel's spot, or the spot wiped when `tile` is 0 or covered by a tile
// directly above it.
void ShowCurrentTile(platform::Bitmap& SaveHof, const platform::Bitmap& HofPic,
                     const engine::Board& board, const render::BoardPictures& boardPictures,
                     int tile);

} // namespace records
