#pragma once

#include <cstdint>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/window_port.h"
#include "play/traits.h"

namespace play {

using MouseButton = platform::PointerButton;
// The keys a game can be played with; every other key is Other.
using Key = platform::Key;

// The result window of a cleared board that ends with a verdict instead of a result for the
// hall of fame, top to bottom.
struct VerdictWindow {
  std::string_view heading = "Congratulations !";
  std::string_view subheading = "You finished the board...";
  std::string_view message; // empty: no verdict, the board ends with its result
  std::string_view button = "Thank you !";
};

// The variant a start command gives; KeepVariant replays the variant the last game of this
// kind left in LayoutIndex ("Play Same Game Again", "Last Played Game", the toolbar's "New").
constexpr int KeepVariant = 0;

// One game (or the layout editor) as the program drives it. The application forwards every
// event to the game of the current mode; a game never tests the mode to find out what it is, it
// has its traits. Every hook but Start and Release does nothing unless the game needs it.
class Game {
public:
  explicit Game(const Traits& traits) : traits_(traits) {}
  virtual ~Game() = default;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  const Traits& traits() const { return traits_; }

  // Starts a new game of the variant (numbered by the game itself, or KeepVariant).
  virtual void Start(int variant) = 0;
  // A mouse button released over the board picture at pixel (X, Y): picks happen on release.
  virtual void Release(MouseButton button, int X, int Y) = 0;
  // The pointer moved over the board picture. Games on the stacked board leave this to the
  // board's own pointer tracking.
  virtual void PointerMove(int /*X*/, int /*Y*/) {}
  virtual void KeyDown(Key) {}
  // Any key was released.
  virtual void KeyUp(Key) {}

  // The play commands, enabled only where the traits list them.
  virtual void Back() {}
  virtual void Hint() {}
  virtual void Shuffle() {}
  virtual void Restart() {}
  virtual void StillWinnable() {}
  virtual void Solve() {}

  // The count of every status refresh: FreeCount and MovesLeft, or what the game shows instead.
  virtual void CountMoves() {}
  // The status refresh found no move left while tiles remain.
  virtual void NoMovesLeft() {}
  // Every 50 ms clock tick while the game is current, paused or not, before the clock's own work.
  virtual void Tick() {}
  // One run of the thread timer in the game's mode (only with traits().threadTimer).
  virtual void Step() {}
  // Work the game does in the background of the event loop (a search, a demonstration), one
  // slice of less than a display frame per call. The thread timer calls it while the game is
  // played and has such work, between events only: never inside another rule, such as a
  // modal window.
  virtual bool HasBackgroundWork() const { return false; }
  virtual void Background() {}
  // Composes the game's own field into `work`, inside `area` (BoardContent::OwnField).
  virtual void DrawField(platform::Bitmap& /*work*/, platform::Rect /*area*/) {}
  // A check mark of the menus changed: a game that shows an option redraws what it shows.
  virtual void OptionChanged() {}

  // The level the finished game reached, which its hall-of-fame entry keeps; 0 for none.
  virtual int LevelReached() const { return 0; }
  // The end of a cleared board: a verdict shown instead of a result and a hall-of-fame entry.
  virtual VerdictWindow Verdict() const { return {}; }

private:
  const Traits& traits_;
};

} // namespace play
