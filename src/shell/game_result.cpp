#include "shell/game_result.h"

#include <cstdio>

#include "play/clock.h"
#include "play/game_codes.h"

namespace shell {

GameResult TimedBoardResult(int totalSeconds) {
  const int seconds = totalSeconds < 0 ? 0 : totalSeconds;
  char time[8];
  std::snprintf(time, sizeof time, "%02d:%02d", (seconds / 60) % 100, seconds % 60);
  GameResult result;
  result.endMessage = std::string("Your final time is ") + time;
  return result;
}

GameResult FinishedGameResult(int layoutIndex, int gameScore, int penaltySeconds) {
  namespace code = play::game_code;
  const std::string score = "Your final score is " + std::to_string(gameScore);
  GameResult result;
  switch (layoutIndex) {
  case code::Slider:
  case code::Hashira:
    // Nobody finishes these boards: they end when the field is full.
    result.heading = "   Game Over !";
    result.subheading.clear();
    result.endMessage = score;
    return result;
  case code::ClicksEasy:
  case code::ClicksNormal:
  case code::ClicksHard:
    result.endMessage = gameScore > 0 ? score : "You reached the top ! Great !";
    return result;
  default:
    return TimedBoardResult(gameScore + penaltySeconds);
  }
}

} // namespace shell
