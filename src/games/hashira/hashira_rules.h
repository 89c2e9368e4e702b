#pragma once

#include "engine/game_state.h"
#include "games/hashira/hashira_state.h"
#include "platform/window_port.h"

namespace hashira {

// What a step did that the speakers and the screen must follow.
struct StepEvents {
  bool landed = false;       // the column came to rest: "select"
  bool scored = false;       // a check marked a line: "done"
  bool textsChanged = false; // a check ran: score, tiles removed and level may have changed
  bool nextChanged = false;  // a column entered and the next one was drawn
  bool gameOver = false;     // no room for the next column: the game is finished
};

// The first block lying exactly at (x, y), or 0, the sentinel.
int FindBlock(const ColumnsGame& game, int x, int y);
// The top of the row that a block at height y overlaps from above: the row its lower part
// covers lies just below. Rows above the pit count down from -32.
int RowTop(double y);
int Level(const ColumnsGame& game);
// Pixels per step that the column falls by itself at the game's level.
double NormalDropSpeed(const ColumnsGame& game, int speedFall);

// What the panel's figures show (ShowColumnsTexts).
struct PanelFigures {
  int score = 0;   // ColumnsScore
  int removed = 0; // BlocksRemoved: since the level the game began at
  int level = 1;   // Level
  friend bool operator==(const PanelFigures&, const PanelFigures&) = default;
};
PanelFigures ColumnsTexts(const ColumnsGame& game, int gameScore);

// A new game on the generator as it stands, `startLevel` 1..10.
void BeginColumns(ColumnsGame& game, engine::GameState& state, int startLevel);
// The check after a landing and after a fall: lines of three equal blocks are marked and scored.
void CheckLines(ColumnsGame& game, engine::GameState& state, StepEvents& events);
// One step of the thread timer: the phases in their order, then the keys that acted are spent.
StepEvents DoColumns(ColumnsGame& game, engine::GameState& state);

// A key press sets its own flag and clears the other three; a release clears all four.
void FormKeyDown(DirectionFlags& flags, platform::Key key);
void FormKeyUp(DirectionFlags& flags);

} // namespace hashira
