#include "play/clock.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "play/status_line.h"

namespace play {
namespace {

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

void PauseClocks(engine::Scoring& s, bool turnClocks, std::uint32_t now) {
  if (turnClocks) {
    s.PausedTurn1 = static_cast<int>(now - s.TurnStartTick1);
    s.PausedTurn2 = static_cast<int>(now - s.TurnStartTick2);
  } else {
    s.PausedElapsed = static_cast<int>(now - s.GameStartTick);
  }
}

void ResumeClocks(engine::Scoring& s, bool turnClocks, std::uint32_t now) {
  if (turnClocks) {
    s.TurnStartTick1 = now - static_cast<std::uint32_t>(s.PausedTurn1);
    s.TurnStartTick2 = now - static_cast<std::uint32_t>(s.PausedTurn2);
  } else {
    s.GameStartTick = now - static_cast<std::uint32_t>(s.PausedElapsed);
  }
}

GameClock::GameClock(engine::GameState& state, Host& host, ClockHooks& hooks)
    : state_(state), host_(host), hooks_(hooks) {}

void GameClock::Temps(Game* game) {
  AnimateStatusLine(state_.status, state_.options.CoolStatus, bar_);
  if (state_.options.PlayMusic) hooks_.CheckMusicEnd();
  RunGameClock(game, host_.clock().TickCount());
  // The time limit may have ended the game.
  if (game && state_.board.GameMode != game->traits().mode) game = nullptr;
  WriteScore(game);
}

bool GameClock::HasWork(const Game* game, bool musicPlaying) const {
  // A pair turned up before a pause is still resolved by the ticks of the pause.
  return game != nullptr || musicPlaying || !StatusLineAtRest(state_.status) ||
         state_.RevealCountdown > 0;
}

void GameClock::RunGameClock(const Game* game, std::uint32_t now) {
  if (!game) return;
  engine::Scoring& s = state_.scoring;
  const ClockRules& rules = game->traits().clock;
  if (rules.timed) {
    s.GameScore = static_cast<int>((now - s.GameStartTick) / 1000);
    if (ShownSeconds(s) >= TimeLimitSeconds) host_.Stop();
  } else if (rules.scoresTilesLeft) {
    s.GameScore = state_.board.TilesLeft;
  }
}

void GameClock::WriteScore(Game* game) {
  engine::Board& b = state_.board;
  const engine::Options& options = state_.options;
  if (!game || !game->traits().clock.showsStatus || b.GameFinished) {
    bar_.ClearValues();
    return;
  }

  game->CountMoves();
  const ClockRules& rules = game->traits().clock;
  bar_.ShowTiles(b.TilesLeft);
  if (rules.showsMoves && options.ShowMoves)
    bar_.ShowMovesLeft(b.MovesLeft);
  else
    bar_.ClearMovesLeft();
  if (rules.showsTime && options.ShowTime)
    bar_.ShowTime(ShownSeconds(state_.scoring));
  else
    bar_.ClearTime();

  engine::StatusLine& status = state_.status;
  if (b.MovesLeft > 0) status.StatusBounce = false;
  if (b.MovesLeft == 0) {
    if (b.TilesLeft > 0 && rules.swingsNoMoves && !status.StatusBounce) {
      status.StatusDirection = 1;
      engine::ShowStatus(status, engine::NoMoreMoves);
      status.StatusBounce = true;
    }
    game->NoMovesLeft();
  }
  // The redraw notices the empty board and ends the game, which sets GameOverShown.
  if (b.TilesLeft == 0 && !b.GameOverShown) host_.FullRedraw();
}

void GameClock::ShowTimeClick() {
  state_.options.ShowTime = !state_.options.ShowTime;
  if (!state_.options.ShowTime) bar_.ClearTime();
}

void GameClock::NStatus() {
  state_.options.ShowMoves = !state_.options.ShowMoves;
  if (!state_.options.ShowMoves) bar_.ClearMovesLeft();
}

} // namespace play
