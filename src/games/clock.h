#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/game_services.h"
#include "engine/game_state.h"
#include "games/status_bar.h"

namespace games {

// The hall-of-fame keys of the games other than Solitaire, kept in LayoutIndex while one is
// played (every code is at least engine::FirstGameCode).
namespace game_code {
constexpr int RiversEasy = 1000;
constexpr int RiversHard = 1001;
constexpr int MemoryEasy = 1010;
constexpr int MemoryHard = 1011;
constexpr int ClicksEasy = 1020;
constexpr int ClicksHard = 1021; // hard came before normal, and the keys in saved files stay
constexpr int ClicksNormal = 1022;
constexpr int Slider = 1030;
constexpr int Hashira = 1040;
} // namespace game_code

// "99:59" is the most the time field can show: a timed game that gets there is abandoned.
constexpr int TimeLimitSeconds = 6000;

// "MM:SS" with leading zeros; a millisecond count is cut to whole seconds first.
ShortText FormatTime(int seconds);
ShortText FormatMilliseconds(std::int64_t milliseconds);

// The time a timed game shows and reports: its clock plus the penalties.
inline int ShownSeconds(const engine::Scoring& s) {
  return s.GameScore + s.PenaltySeconds;
}

// A pause keeps what the clocks had run and starts them again from there. Two players freeze
// only their turn clocks; the overall clock of their game runs on through the pause.
void PauseClocks(engine::Scoring& s, int pausedMode, std::uint32_t now);
void ResumeClocks(engine::Scoring& s, int pausedMode, std::uint32_t now);

// One player's clock on the side panel of a two-player game.
struct PlayerClock {
  std::int64_t seconds = -1;
  ShortText time;
  bool nameShown = true;
};
using PlayerClocks = std::array<PlayerClock, 2>; // PLAYER 1, PLAYER 2

// Brings both clocks to `now`: the player on turn adds his running turn to his total and his
// name blinks, shown only in the second half of each second. A time is formatted again only
// when its second changes.
void UpdatePlayerClocks(PlayerClocks& clocks, const engine::Scoring& s, std::uint32_t now);

// Where the games built on the clock tick plug in; each default does nothing.
class ClockHooks {
public:
  virtual ~ClockHooks() = default;
  // Memory: counts the reveal delay down and resolves the face-up pair when it reaches 0.
  virtual void CountRevealDown() {}
  // Music (only with "Play music" checked): repeats the piece or picks another when it ended.
  virtual void CheckMusicEnd() {}
  // Two players, every tick: draws both names and clocks on the side panel.
  virtual void DrawPlayerClocks(const PlayerClocks&) {}
  // Slider: counts the occupied cells of its field into TilesLeft.
  virtual void RecountSliderTiles() {}
  // Slider: shows the score centred in its score panel; called only when the score changed.
  virtual void ShowSliderScore(std::string_view) {}
  // Clicks, on every refresh that finds no group left: must not ask while its question is open.
  virtual void AskGiveUp() {}
};

// The 50 ms clock: game time, time limit, status line and status bar.
class GameClock {
public:
  GameClock(engine::GameState& state, engine::GameServices& services, ClockHooks& hooks);

  // One tick of the clock timer.
  void Temps();
  // Whether a tick has anything to do: a game or the layout editor runs, a status message is
  // still moving, or music plays and its end must be noticed. An idle screen lets the clock rest.
  bool HasWork(bool musicPlaying) const;
  // Refreshes the status bar and notices a finished board or a board without moves.
  void WriteScore();
  // The "Time" caption and "&Show Time Left": switched off, the time field empties at once.
  void ShowTimeClick();
  // The "Moves left" caption and "Show &Moves Left": likewise for the moves field.
  void NStatus();

  StatusBar& Bar() { return bar_; }

private:
  void RunGameClock(std::uint32_t now);
  void ShowSliderScore();

  engine::GameState& state_;
  engine::GameServices& services_;
  ClockHooks& hooks_;
  StatusBar bar_;
  PlayerClocks playerClocks_;
  std::optional<int> sliderScoreShown_;
};

} // namespace games
