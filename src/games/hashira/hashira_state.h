#pragma once

#include <array>
#include <cstdint>

namespace hashira {

// The pit: six columns of twelve cells of 32 pixels. Heights count from the pit's top edge
// downwards; a landed column may stand up to three cells above the pit.
constexpr int CellSize = 32;
constexpr int PitColumns = 6, PitRows = 12, RowsAbovePit = 3;
constexpr int RightmostX = CellSize * (PitColumns - 1); // 160
constexpr int FloorRowTop = CellSize * (PitRows - 1);   // 352
constexpr int HighestRowTop = -CellSize * RowsAbovePit; // -96
constexpr int EntryX = 64;                              // where every column enters
constexpr int KindCount = 6;
constexpr int ColumnLength = 3;
constexpr int TilesPerLevel = 30;

// Every cell of the pit and the three rows above it can hold a block. The falling column is
// appended only while its entry cell is free, so the list never needs more.
constexpr int MaxBlocks = PitColumns * (PitRows + RowsAbovePit);

// The pit's origin on the board picture.
constexpr int PitLeft = 200, PitTop = 20;

enum BlockState : int {
  Cleared = 0,
  InPlay = 1,   // resting, or part of the falling column
  Marked = 2,   // in a line, shown blinking before it goes
  Dropping = 3, // falling into a gap after a removal
};

struct Block {
  int x = 0;    // 0, 32 .. 160
  double y = 0; // the top's height in pixels, fractional while it moves
  int state = Cleared;
  int kind = -1; // 0..5, -1 for none
};

enum Phase : int {
  ColumnDue = 0,     // a new column enters next
  ColumnFalls = 1,   // the player steers the falling column
  ShowingMarked = 2, // the lines found blink before they go
  FillingGaps = 3,   // the blocks above the removed ones fall
};

// The arrow keys as the steps read them. The "previous" marks let a key act once per press
// (and once per key repeat), however many steps pass before the next one.
struct DirectionFlags {
  bool right = false, left = false, up = false, down = false;
  bool prevRight = false, prevLeft = false, prevUp = false;
};

struct ColumnsGame {
  // Position 0 is a sentinel that every failed look-up lands on: no kind, no state.
  std::array<Block, MaxBlocks + 1> ColumnBlocks{};
  int BlockCount = 0;
  int ColumnPhase = ColumnDue;
  int PhaseTicks = 0;
  int ChainLevel = 0;
  int LastPoints = 0;
  int TilesRemoved = 0; // counted from 30 per level skipped at the start
  int HashiraTicks = 0; // never reset: it only drives the wave of the points
  int SideStep = 0;
  double DropSpeed = 0;
  std::array<int, ColumnLength> NextColumn{}; // top to bottom
  int StartLevel = 1;                         // the level this game began at
  DirectionFlags flags;
};

} // namespace hashira
