#pragma once

#include <gtest/gtest.h>

#include "engine/game_state.h"

namespace testing_support {

// One event of a Rivers game kept its rules: the tiles that left the board were one pair of one
// group that a path joined just before, and no tile changed its layer. Within one game only: a
// new deal lays the tiles afresh.
::testing::AssertionResult RiversEventIsSound(const engine::Board& before,
                                              const engine::Board& after);

// A Memory board shows at most two tiles face up, both on the board; while they are on show
// the countdown runs, and it runs for no single tile.
::testing::AssertionResult MemoryFaceUpIsSound(const engine::GameState& state);

} // namespace testing_support
