#pragma once

#include <cstdint>

#include "engine/game_services.h"
#include "platform/bitmap.h"
#include "platform/desktop.h"
#include "platform/text.h"
#include "render/pointer_tracking.h"

namespace play {

// The built-in sound effects.
enum class Sound : std::uint8_t { Select, Done, NoWay };

// The side panel right of the board, for a game that draws its own part of it: the panel's
// off-screen copy, its clean picture, and the lettering.
struct PanelCanvas {
  platform::Bitmap& panel;
  const platform::Bitmap& clean;
  platform::TextPainter& painter;
};

// What a game needs from the program around it, beyond the board services of the engine.
class Host : public engine::GameServices {
public:
  // Plays a sound effect when "Play sound effects" is checked; returns at once.
  virtual void PlayWave(Sound sound) = 0;
  virtual void RefreshHighlightColour() = 0;
  // The pen of the pointer highlight, for a game that marks its own cells. Without a board
  // picture, the green of a fresh installation.
  virtual std::uint32_t HighlightPenColour() { return platform::Rgb(0, 128, 0); }
  // Re-renders the hall-of-fame side panel for the game being played.
  virtual void ShowPanelHOF() = 0;
  // Pause captions back to their playing texts ("&Pause", "Pause").
  virtual void ResetPauseCaptions() = 0;
  // Abandons the running game without a result and returns to the games panel.
  virtual void Stop() = 0;
  // The game number dialog; it sets the board's GameNumber.
  virtual void AskGameNumber() = 0;
  // A click on this tile was refused: besides the sound, its outline flashes for a moment.
  virtual void FlashRefusal(int tile) = 0;
  // The pointer's shape over the board; a game with a field of its own chooses it.
  virtual void ShowCursor(render::CursorShape shape) = 0;
  // The built-in pictures and the lettering.
  virtual platform::Desktop& desktop() = 0;
  // Composes `area` of the game's own field anew over the board picture as it stands (the
  // game's DrawField, which must cover the area itself) and shows at once what changed in it,
  // leaving the rest of the board alone: for a field that moves on every step of the thread
  // timer.
  virtual void ShowBoardRect(platform::Rect area) = 0;
  // Draw into the side panel only while it is shown (options.ShowHallOfFame), then show it.
  virtual PanelCanvas SidePanel() = 0;
  virtual void ShowSidePanel() = 0;
  // Set while a removed tile travels along the path to its partner: the board then marks no
  // tile, neither the picks nor the pointer's.
  virtual void SetPathFound(bool /*found*/) {}
};

} // namespace play
