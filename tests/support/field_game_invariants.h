#pragma once

#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "games/clicks/clicks_game.h"
#include "games/slider/slider_game.h"

namespace testing_support {

// What every Clicks field keeps between events: it has settled (no tile above a gap, no empty
// column before an occupied one), TilesLeft counts its tiles, nothing lies on the border, and
// the last move's snapshot held more tiles than the field holds now.
::testing::AssertionResult ClicksIsConsistent(const clicks::ClicksGame& game,
                                              const engine::Board& board);

// Takes back the last move and checks that exactly the field before it returned.
::testing::AssertionResult ClicksBackGivesTheSnapshot(clicks::ClicksGame& game);

// What a Slider game keeps from one event to the next: no line of five stays on the field, the
// score never falls, and the tiles change only by a move (the same count), the lines that went
// (one point each) and the three new tiles.
struct SliderWatch {
  int tiles = 0, score = 0;
};
::testing::AssertionResult SliderIsConsistent(const slider::SliderGame& game,
                                              const engine::GameState& state, SliderWatch& last);

} // namespace testing_support
