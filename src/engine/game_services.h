#pragma once

#include "platform/clock.h"
#include "platform/ui.h"

namespace engine {

// What the shared board rules need from the layers above them: the player's dialogs, the time,
// the drawing of the board and the mode switch. The application object implements it; tests
// record the calls.
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
  // One step of an animation: the composed board reaches the screen before this returns. No
  // input is handled meanwhile; it waits until the animation is over.
  virtual void Repaint() = 0;

  // Counts free tiles and moves by the rule of the current game.
  virtual void CountMoves() = 0;

  // Begins a one-player game on the layout that was just loaded.
  virtual void BeginGame() = 0;

  // A layout saved under a new name became entry `index` of the list: the menus, the
  // hall-of-fame tables and the layout chooser learn of it.
  virtual void LayoutAdded(int index) = 0;
};

} // namespace engine
