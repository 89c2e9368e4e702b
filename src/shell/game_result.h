#pragma once

#include <string>

namespace shell {

inline constexpr const char* HallOfFameLine = "And you enter the Hall of Fame !";

// The texts of the result window of a finished one-player game, top to bottom.
struct GameResult {
  std::string caption = "Board finished !";
  std::string heading = "Congratulations !";
  std::string subheading = "You finished the board...";
  std::string endMessage;
  std::string hallLine; // HallOfFameLine when the result enters the hall of fame, else empty
  std::string button = "Thank you !";
};

// The result of a timed board: its elapsed seconds plus the penalties, as mm:ss. The minutes
// wrap at 100 so that the line keeps its width.
GameResult TimedBoardResult(int totalSeconds);

// The result window of the game whose table is `layoutIndex` (a layout or a game code), from
// the game's GameScore (Hashira's whole points) and PenaltySeconds.
GameResult FinishedGameResult(int layoutIndex, int gameScore, int penaltySeconds);

} // namespace shell
