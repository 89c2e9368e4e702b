#pragma once

#include <gtest/gtest.h>

#include "games/hashira/hashira_state.h"

namespace testing_support {

// What the pit keeps between steps of a running game: no two blocks share a cell, every block at
// rest lies on the floor or on another block, and the column under the player's control is the
// last three records, one above the other.
::testing::AssertionResult PitIsConsistent(const hashira::ColumnsGame& game);

} // namespace testing_support
