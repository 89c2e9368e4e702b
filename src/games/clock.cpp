#include "games/clock.h"

#include <algorithm>
#include <charconv>

#include "games/status_line.h"

namespace games {
namespace {

// What the clock and the status bar do in each GameMode; modes past the table do none of it.
struct ModeRules {
  bool timed;         // the game clock counts and the time limit applies
  bool showsMoves;    // "Moves left" may be shown
  bool showsTime;     // "Time" may be shown
  bool swingsNoMoves; // a board without moves swings "SORRY, NO MORE MOVES !!"
};

constexpr std::array<ModeRules, 7> RulesByMode = {{
    {false, false, false, false}, // no game
    {true, true, true, true},     // Solitaire
    {true, true, false, true},    // two players: the side panel shows their own clocks
    {true, true, true, true},     // Rivers
    {true, false, true, false},   // Memory: every tile can always be turned
    {false, true, false, false},  // Clicks: scored by the tiles left, not timed
    {false, false, false, false}, // Slider
}};

ModeRules RulesOf(int mode) {
  return mode < static_cast<int>(RulesByMode.size()) ? RulesByMode[mode] : ModeRules{};
}

void AppendTwoDigits(ShortText& text, std::int64_t value) {
  char* first = text.chars.data() + text.size;
  if (value < 10) *first++ = '0';
  text.size = static_cast<std::size_t>(
      std::to_chars(first, text.chars.data() + text.chars.size(), value).ptr - text.chars.data());
}

} // namespace

ShortText FormatTime(int seconds) {
  return FormatMilliseconds(std::int64_t{seconds} * 1000);
}

ShortText FormatMilliseconds(std::int64_t milliseconds) {
  // A clock never runs backwards, and no game runs for a million minutes: both ends would only
  // print nonsense.
  const std::int64_t seconds = std::clamp<std::int64_t>(milliseconds / 1000, 0, 99'999'999);
  ShortText text;
  AppendTwoDigits(text, seconds / 60);
  text.chars[text.size++] = ':';
  AppendTwoDigits(text, seconds % 60);
  return text;
}

void PauseClocks(engine::Scoring& s, int pausedMode, std::uint32_t now) {
  if (pausedMode == engine::ModeTwoPlayers) {
    s.PausedTurn1 = static_cast<int>(now - s.TurnStartTick1);
    s.PausedTurn2 = static_cast<int>(now - s.TurnStartTick2);
  } else {
    s.PausedElapsed = static_cast<int>(now - s.GameStartTick);
  }
}

void ResumeClocks(engine::Scoring& s, int pausedMode, std::uint32_t now) {
  if (pausedMode == engine::ModeTwoPlayers) {
    s.TurnStartTick1 = now - static_cast<std::uint32_t>(s.PausedTurn1);
    s.TurnStartTick2 = now - static_cast<std::uint32_t>(s.PausedTurn2);
  } else {
    s.GameStartTick = now - static_cast<std::uint32_t>(s.PausedElapsed);
  }
}

void UpdatePlayerClocks(PlayerClocks& clocks, const engine::Scoring& s, std::uint32_t now) {
  const std::array<int, 2> finishedTurns = {s.PlayerTime1, s.PlayerTime2};
  const std::array<std::uint32_t, 2> turnStarts = {s.TurnStartTick1, s.TurnStartTick2};
  const bool blinkOn = now % 1000 > 500;
  for (int player = 0; player < 2; ++player) {
    const bool onTurn = player == s.CurrentPlayer;
    std::int64_t ms = finishedTurns[player];
    if (onTurn) ms += now - turnStarts[player];
    PlayerClock& clock = clocks[player];
    if (clock.seconds != ms / 1000) {
      clock.seconds = ms / 1000;
      clock.time = FormatMilliseconds(ms);
    }
    clock.nameShown = !onTurn || blinkOn;
  }
}

GameClock::GameClock(engine::GameState& state, engine::GameServices& services, ClockHooks& hooks)
    : state_(state), services_(services), hooks_(hooks) {}

void GameClock::Temps() {
  hooks_.CountRevealDown();
  AnimateStatusLine(state_.status, state_.options.CoolStatus, bar_);
  if (state_.options.PlayMusic) hooks_.CheckMusicEnd();
  const std::uint32_t now = services_.clock().TickCount();
  if (state_.board.GameMode == engine::ModeTwoPlayers) {
    UpdatePlayerClocks(playerClocks_, state_.scoring, now);
    hooks_.DrawPlayerClocks(playerClocks_);
  }
  RunGameClock(now);
  WriteScore();
}

bool GameClock::HasWork(bool musicPlaying) const {
  const int mode = state_.board.GameMode;
  const bool playing = mode > engine::ModeNone && mode <= engine::ModeEditor;
  return playing || musicPlaying || !StatusLineAtRest(state_.status);
}

void GameClock::RunGameClock(std::uint32_t now) {
  engine::Scoring& s = state_.scoring;
  const int mode = state_.board.GameMode;
  if (RulesOf(mode).timed) {
    s.GameScore = static_cast<int>((now - s.GameStartTick) / 1000);
    if (ShownSeconds(s) >= TimeLimitSeconds) services_.Stop();
  } else if (mode == engine::ModeClicks) {
    s.GameScore = state_.board.TilesLeft;
  }
}

void GameClock::WriteScore() {
  engine::Board& b = state_.board;
  const engine::Options& options = state_.options;
  const int mode = b.GameMode;
  if (mode == engine::ModeNone || mode > engine::ModeSlider || b.GameFinished) {
    bar_.ClearValues();
    return;
  }

  if (mode == engine::ModeSlider)
    hooks_.RecountSliderTiles();
  else
    services_.CountMoves();

  const ModeRules rules = RulesOf(mode);
  bar_.ShowTiles(b.TilesLeft);
  if (rules.showsMoves && options.ShowMoves)
    bar_.ShowMovesLeft(b.MovesLeft);
  else
    bar_.ClearMovesLeft();
  if (mode == engine::ModeSlider) ShowSliderScore();
  if (rules.showsTime && options.ShowTime)
    bar_.ShowTime(ShownSeconds(state_.scoring));
  else
    bar_.ClearTime();

  engine::StatusLine& status = state_.status;
  if (b.MovesLeft > 0) status.StatusBounce = false;
  if (b.MovesLeft == 0 && mode == engine::ModeClicks) {
    hooks_.AskGiveUp();
  } else if (b.TilesLeft > 0 && b.MovesLeft == 0 && rules.swingsNoMoves && !status.StatusBounce) {
    status.StatusDirection = 1;
    engine::ShowStatus(status, engine::NoMoreMoves);
    status.StatusBounce = true;
  }
  // The redraw notices the empty board and ends the game, which sets GameOverShown.
  if (b.TilesLeft == 0 && !b.GameOverShown) services_.FullRedraw();
}

void GameClock::ShowSliderScore() {
  const int score = state_.scoring.GameScore;
  if (sliderScoreShown_ == score) return;
  sliderScoreShown_ = score;
  const ShortText text = FormatDecimal(score);
  hooks_.ShowSliderScore(text.view());
}

void GameClock::ShowTimeClick() {
  state_.options.ShowTime = !state_.options.ShowTime;
  if (!state_.options.ShowTime) bar_.ClearTime();
}

void GameClock::NStatus() {
  state_.options.ShowMoves = !state_.options.ShowMoves;
  if (!state_.options.ShowMoves) bar_.ClearMovesLeft();
}

} // namespace games
