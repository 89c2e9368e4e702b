#pragma once

#include <cstdint>

#include "engine/game_state.h"
#include "play/game.h"
#include "play/host.h"
#include "play/status_bar.h"

namespace play {

// "99:59" is the most the time field can show: a timed game that gets there is abandoned.
constexpr int TimeLimitSeconds = 6000;

// "MM:SS" with leading zeros; a millisecond count is cut to whole seconds first.
ShortText FormatTime(int seconds);
ShortText FormatMilliseconds(std::int64_t milliseconds);

// The time a timed game shows and reports: its clock plus the penalties.
inline int ShownSeconds(const engine::Scoring& s) {
  return s.GameScore + s.PenaltySeconds;
}

// A pause keeps what the clocks had run and starts them again from there. A game of turns
// freezes only the turn clocks; the overall clock of such a game runs on through the pause.
void PauseClocks(engine::Scoring& s, bool turnClocks, std::uint32_t now);
void ResumeClocks(engine::Scoring& s, bool turnClocks, std::uint32_t now);

// Where the music plugs into the tick.
class ClockHooks {
public:
  virtual ~ClockHooks() = default;
  // Music (only with "Play music" checked): repeats the piece or picks another when it ended.
  virtual void CheckMusicEnd() {}
};

// The 50 ms clock: game time, time limit, status line and status bar. `game` is the game being
// played (GameMode's), null on the screens between games.
class GameClock {
public:
  GameClock(engine::GameState& state, Host& host, ClockHooks& hooks);

  // One tick of the clock timer, after the current game's own Tick.
  void Temps(Game* game);
  // Whether a tick has anything to do: a game or the layout editor runs, a status message is
  // still moving, music plays and its end must be noticed, or a face-up pair waits to be
  // resolved. An idle screen lets the clock rest.
  bool HasWork(const Game* game, bool musicPlaying) const;
  // Refreshes the status bar and notices a finished board or a board without moves.
  void WriteScore(Game* game);
  // The "Time" caption and "&Show Time Left": switched off, the time field empties at once.
  void ShowTimeClick();
  // The "Moves left" caption and "Show &Moves Left": likewise for the moves field.
  void NStatus();

  StatusBar& Bar() { return bar_; }

private:
  void RunGameClock(const Game* game, std::uint32_t now);

  engine::GameState& state_;
  Host& host_;
  ClockHooks& hooks_;
  StatusBar bar_;
};

} // namespace play
