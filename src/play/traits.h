#pragma once

#include <cstdint>
#include <initializer_list>

#include "engine/game_state.h"
#include "render/board_renderer.h"
#include "render/pointer_tracking.h"

namespace play {

// The play commands whose availability follows the game being played.
enum class PlayCommand : std::uint8_t {
  Back,
  Hint,
  Pause,
  Shuffle,
  Restart,
  Stop,
  StillWinnable,
  Solve
};

class CommandSet {
public:
  constexpr CommandSet(std::initializer_list<PlayCommand> commands) {
    for (PlayCommand c : commands) bits_ = static_cast<std::uint16_t>(bits_ | Bit(c));
  }
  constexpr bool Has(PlayCommand c) const { return (bits_ & Bit(c)) != 0; }

private:
  static constexpr std::uint16_t Bit(PlayCommand c) {
    return static_cast<std::uint16_t>(1u << static_cast<int>(c));
  }
  std::uint16_t bits_ = 0;
};

// What the 50 ms clock and the status bar do while the game is played.
struct ClockRules {
  bool timed = false;           // the game clock counts and the time limit applies
  bool scoresTilesLeft = false; // the running result is the number of tiles left
  bool showsStatus = false;     // the status bar shows the counters (else it stays empty)
  bool showsMoves = false;      // "Moves left" may be shown
  bool showsTime = false;       // "Time" may be shown
  bool swingsNoMoves = false;   // a board without moves swings "SORRY, NO MORE MOVES !!"
};

// What the side panel's mascot measures of the game: its face follows the player's progress.
struct Mascot {
  enum class Measure : std::uint8_t { None, MovesLeft, ShownSeconds, TilesLeft, Random };
  Measure measure = Measure::None;
  int low = 0, high = 0;                   // the thresholds of the measure
  int belowLow = 1, middle = 1, above = 1; // the picture for each band
  int other = 12;                          // the picture of the other mascot ("Orchid")
};

// Everything the program asks of a game without playing it: the shell derives the commands it
// enables, the clock how it scores, the drawing how its board looks.
struct Traits {
  engine::Mode mode = engine::ModeNone;
  // The hall-of-fame tables it keeps in LayoutIndex while it runs; none when firstCode is 0.
  int firstCode = 0, lastCode = 0;
  CommandSet commands{};
  ClockRules clock{};
  render::BoardContent content = render::BoardContent::StackedBoard;
  render::TileFaces faces = render::TileFaces::Shown;
  render::PointerRules pointer{};
  Mascot mascot{};
  // A game, as opposed to the layout editor: it can be paused, stopped and played again.
  bool isGame = true;
  // Runs its steps on the thread timer.
  bool threadTimer = false;
  // Its own field leaves no trace: the board is wiped when the game is entered and left.
  bool wipesBoard = false;
  // The picks are what the player turned up, so the board's "Redraw" keeps them.
  bool keepsPicksOnRedraw = false;
  // Players take turns on their own clocks: a pause freezes those, and the side panel shows
  // them instead of the mascot.
  bool turnClocks = false;

  constexpr bool HasCode(int code) const {
    return firstCode != 0 && code >= firstCode && code <= lastCode;
  }
};

} // namespace play
