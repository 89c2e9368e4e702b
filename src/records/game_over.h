#pragma once

#include <string_view>

#include "engine/game_state.h"
#include "records/hall_of_fame.h"
#include "shell/game_result.h"

namespace records {

// What a finished one-player game shows and offers to the hall of fame.
struct GameOverOutcome {
  shell::GameResult window; // with the hall-of-fame line when the result enters
  int picture = 1;          // the mascot picture of the result window
  bool qualifies = false;
  int result = 0;      // what the table ranks: time plus penalty, tiles left, points (/100)
  int secondValue = 0; // the penalty, or Hashira's level
};

// Decides the result window and whether the result enters the table of the current
// LayoutIndex. A cleared Clicks board scores 0 here. Draws the mascot (one of 1, 4, 7, 10)
// from the program's generator.
GameOverOutcome PrepareGameOver(engine::GameState& state, const HallState& hall, int hashiraLevel);

// Enters a qualifying result with today's date text; LastHallRank takes its rank.
void AddHall(engine::GameState& state, HallState& hall, const GameOverOutcome& outcome,
             std::string_view date);

} // namespace records
