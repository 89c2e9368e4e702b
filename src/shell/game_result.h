#pragma once

#include <string>

namespace shell {

// The texts of the result window of a finished one-player board, top to bottom.
struct GameResult {
  std::string caption = "Board finished !";
  std::string heading = "Congratulations !";
  std::string subheading = "You finished the board...";
  std::string endMessage;
  std::string button = "Thank you !";
};

// The result of a timed board: its elapsed seconds plus the penalties, as mm:ss. The minutes
// wrap at 100 so that the line keeps its width.
GameResult TimedBoardResult(int totalSeconds);

} // namespace shell
