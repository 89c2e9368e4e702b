#pragma once

#include <gtest/gtest.h>

#include "engine/game_state.h"

namespace testing_support {

// What the layout editor keeps after every operation: LayoutCells, BoardGrid and TilePos name
// the same cells, `tilesToPlace` is what remains of 144, no tile overlaps another of its layer
// and none above the first layer floats over empty ground.
::testing::AssertionResult DesignIsConsistent(const engine::GameState& state, int tilesToPlace);

} // namespace testing_support
