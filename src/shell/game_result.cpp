#include "shell/game_result.h"

#include <cstdio>

namespace shell {

GameResult TimedBoardResult(int totalSeconds) {
  const int seconds = totalSeconds < 0 ? 0 : totalSeconds;
  char time[8];
  std::snprintf(time, sizeof time, "%02d:%02d", (seconds / 60) % 100, seconds % 60);
  GameResult result;
  result.endMessage = std::string("Your final time is ") + time;
  return result;
}

} // namespace shell
