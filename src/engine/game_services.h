#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/ui.h"

namespace engine {

// The built-in sound effects.
enum class Sound { Select, Done, NoWay };

// What the rules need from the layers above them: drawing, mode switching, dialogs and the
// counts of other games. The application object implements it; tests record the calls.
class GameServices {
public:
  virtual ~GameServices() = default;

  virtual platform::Ui& ui() = 0;
  virtual platform::Clock& clock() = 0;

  // Switches GameMode and everything that follows from it.
  virtual void IM(int newMode) = 0;

  virtual void FullRedraw() = 0;
  // Refreshes the area of one tile at its current position.
  virtual void RedrawTile(int tile) = 0;
  // Refreshes only the face of one tile, for the pointer highlight.
  virtual void HLRedrawTile(int tile) = 0;
  // Wipes the board picture back to the clean background.
  virtual void ShowEmptyBoard() = 0;
  // Shows the composed board now, for animations that run inside one event.
  virtual void Repaint() = 0;
  // Lets pending window events run.
  virtual void ProcessMessages() = 0;
  virtual void RefreshHighlightColour() = 0;
  virtual void ShowPanelHOF() = 0;
  // Pause captions back to their playing texts ("&Pause", "Pause").
  virtual void ResetPauseCaptions() = 0;

  // Plays a sound effect when "Play sound effects" is checked; returns at once.
  virtual void PlayWave(Sound sound) = 0;

  // A finished board: records the result, shows it and returns to the games panel.
  virtual void GameOver() = 0;
  // Abandons the running game without a result and returns to the games panel.
  virtual void Stop() = 0;

  // Counts free tiles and moves by the rule of the current game.
  virtual void CountMoves() = 0;

  // The game number dialog; it sets the board's GameNumber.
  virtual void AskGameNumber() = 0;

  // A layout saved under a new name became entry `index` of the list: the menus, the
  // hall-of-fame tables and the layout chooser learn of it.
  virtual void LayoutAdded(int index) = 0;
};

} // namespace engine
