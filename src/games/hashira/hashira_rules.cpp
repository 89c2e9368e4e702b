#include "games/hashira/hashira_rules.h"

#include <algorithm>
#include <array>
#include <string>

#include "games/hashira/column_order.h"

namespace hashira {

namespace {

// Steps of the marked blocks' blinking before they go, with and without the full animation.
constexpr int MarkedTicksAnimated = 30, MarkedTicksQuick = 10;
// Pixels per step of the blocks that fall into a gap.
constexpr double GapFallAnimated = 4, GapFallQuick = 8;
// The column drops this fast while Down is held.
constexpr double FastDrop = 8;

// Points of one check by the number of blocks it marked, before the chain multiplies them.
int BasePoints(int marked) {
  static constexpr int Points[] = {500, 700, 1000, 1500, 2500, 4000, 6000, 10000};
  if (marked < 3) return 0;
  return Points[std::min(marked, 10) - 3];
}

// The list closes up over the record, and its last place is cleared.
void DeleteBlock(ColumnsGame& game, int position) {
  auto& blocks = game.ColumnBlocks;
  std::copy(blocks.begin() + position + 1, blocks.begin() + game.BlockCount + 1,
            blocks.begin() + position);
  blocks[game.BlockCount] = Block{};
  --game.BlockCount;
}

// Phase 2: once the marked blocks have blinked long enough they go, and whatever stood above
// them starts to fall.
void RemoveMarked(ColumnsGame& game, bool animateChain) {
  ++game.PhaseTicks;
  if (game.PhaseTicks <= (animateChain ? MarkedTicksAnimated : MarkedTicksQuick)) return;
  auto& blocks = game.ColumnBlocks;
  int position = 1;
  while (position <= game.BlockCount) {
    const Block& marked = blocks[position];
    if (marked.state != Marked) {
      ++position;
      continue;
    }
    // From the row right above the block itself. (Above the pit, the row top of an exact row
    // height lies one row higher, which would leave the block just above hanging in the air.)
    for (int row = static_cast<int>(marked.y) - CellSize; row >= HighestRowTop; row -= CellSize) {
      Block& above = blocks[FindBlock(game, marked.x, row)];
      if (above.state == InPlay) {
        above.state = Dropping;
        game.ColumnPhase = FillingGaps;
      }
    }
    DeleteBlock(game, position); // the next record moved into this place: examine it too
  }
  if (game.ColumnPhase == ShowingMarked) game.ColumnPhase = ColumnDue;
}

// The blocks fall in the order of the list, not from the bottom up: one below may come to rest,
// snapping back to its row, after the one above it has moved or stopped, and over a few steps
// such overlaps add up until two blocks end in one cell. Each column is then set right from the
// bottom up, in the order its blocks stood before the step: a block at rest too close above the
// one under it goes up onto it (and falls on if that one still falls), and a falling block that
// reached the one under it goes back above it. Where no two blocks meet, nothing changes.
void KeepBlocksApart(ColumnsGame& game, const std::array<double, MaxBlocks + 1>& heightBefore) {
  auto& blocks = game.ColumnBlocks;
  for (int x = 0; x <= RightmostX; x += CellSize) {
    const ColumnOrder column = BlocksOfColumn(
        game, x, [&](int a, int b) { return heightBefore[a] > heightBefore[b]; }); // lowest first
    for (int k = 1; k < column.count; ++k) {
      const Block& under = blocks[column.positions[k - 1]];
      Block& b = blocks[column.positions[k]];
      const double highest = under.y - CellSize;
      if (b.state == Dropping ? b.y >= under.y : b.y > highest) {
        b.y = highest;
        if (under.state == Dropping) b.state = Dropping;
      }
    }
  }
}

// Phase 3: the loosened blocks fall until they rest on a block or the floor; then the lines
// they formed are checked, one more link of the chain.
void FillGaps(ColumnsGame& game, engine::GameState& state, StepEvents& events) {
  ++game.PhaseTicks;
  game.ColumnPhase = ColumnDue;
  const double fall = state.options.AnimateChain ? GapFallAnimated : GapFallQuick;
  auto& blocks = game.ColumnBlocks;
  std::array<double, MaxBlocks + 1> heightBefore;
  for (int i = 1; i <= game.BlockCount; ++i) heightBefore[i] = blocks[i].y;
  for (int i = 1; i <= game.BlockCount; ++i) {
    Block& b = blocks[i];
    if (b.state != Dropping) continue;
    game.ColumnPhase = FillingGaps;
    b.y += fall;
    const int under = blocks[FindBlock(game, b.x, RowTop(b.y) + CellSize)].state;
    if (under == InPlay || under == Marked || b.y > FloorRowTop) {
      b.y = RowTop(b.y);
      b.state = InPlay;
    }
  }
  KeepBlocksApart(game, heightBefore);
  if (game.ColumnPhase == ColumnDue) CheckLines(game, state, events);
}

// Phase 0: the next column enters at the top of the third pit column, unless its place there
// is taken, which ends the game. False when the game is over.
bool EnterColumn(ColumnsGame& game, engine::GameState& state, StepEvents& events) {
  game.ChainLevel = 0;
  game.ColumnPhase = ColumnFalls;
  game.SideStep = 0;
  game.DropSpeed = NormalDropSpeed(game, state.options.SpeedFall);
  // The list has room for a full pit and three full rows above it; a free entry cell leaves
  // room for the column, and the second test only keeps the list from ever overflowing.
  if (FindBlock(game, EntryX, 0) != 0 || game.BlockCount > MaxBlocks - ColumnLength) {
    engine::ShowStatus(state.status,
                       "GAME OVER -- Final Score : " + std::to_string(state.scoring.GameScore));
    state.board.GameFinished = true;
    state.board.GameOverShown = false;
    events.gameOver = true;
    return false;
  }
  for (int k = 0; k < ColumnLength; ++k)
    game.ColumnBlocks[++game.BlockCount] = {
        EntryX, static_cast<double>(-CellSize * (ColumnLength - k)), InPlay, game.NextColumn[k]};
  for (int& kind : game.NextColumn) kind = state.rng.Random(KindCount);
  events.nextChanged = true;
  return true;
}

// Phase 1: the keys steer the column, which falls until something stops it.
void SteerColumn(ColumnsGame& game, engine::GameState& state, StepEvents& events) {
  auto& blocks = game.ColumnBlocks;
  Block& top = blocks[game.BlockCount - 2];
  Block& middle = blocks[game.BlockCount - 1];
  Block& bottom = blocks[game.BlockCount];
  const DirectionFlags& keys = game.flags;

  if (keys.up && !keys.prevUp) {
    const int bottomKind = bottom.kind;
    bottom.kind = middle.kind;
    middle.kind = top.kind;
    top.kind = bottomKind;
  }
  game.DropSpeed = keys.down ? FastDrop : NormalDropSpeed(game, state.options.SpeedFall);
  // Only the cell beside the bottom tile's lower part is looked at; a tile standing exactly on a
  // row top looks at the row below, which is free whenever its own row is, except on the floor,
  // where there is no row below: there it looks at its own.
  const int beside = std::min(RowTop(bottom.y) + CellSize, FloorRowTop);
  if (keys.left && !keys.prevLeft && bottom.x > 0 &&
      FindBlock(game, bottom.x - CellSize, beside) == 0)
    game.SideStep = -CellSize;
  if (keys.right && !keys.prevRight && bottom.x < RightmostX &&
      FindBlock(game, bottom.x + CellSize, beside) == 0)
    game.SideStep = CellSize;
  for (Block* b : {&top, &middle, &bottom}) b->x += game.SideStep;
  game.SideStep = 0;
  for (Block* b : {&top, &middle, &bottom}) b->y += game.DropSpeed;

  if (FindBlock(game, bottom.x, RowTop(bottom.y) + CellSize) != 0 || bottom.y > FloorRowTop) {
    events.landed = true;
    bottom.y = RowTop(bottom.y);
    middle.y = bottom.y - CellSize;
    top.y = bottom.y - 2 * CellSize;
    CheckLines(game, state, events);
  }
}

} // namespace

int FindBlock(const ColumnsGame& game, int x, int y) {
  for (int i = 1; i <= game.BlockCount; ++i) {
    const Block& b = game.ColumnBlocks[i];
    if (b.x == x && b.y == y) return i;
  }
  return 0;
}

int RowTop(double y) {
  const int whole = static_cast<int>(y); // toward zero, as the division below
  return CellSize * (whole / CellSize) - (y < 0 ? CellSize : 0);
}

int Level(const ColumnsGame& game) {
  return game.TilesRemoved / TilesPerLevel + 1;
}

double NormalDropSpeed(const ColumnsGame& game, int speedFall) {
  return (game.TilesRemoved / TilesPerLevel * 0.1 + 0.4) * speedFall;
}

PanelFigures ColumnsTexts(const ColumnsGame& game, int gameScore) {
  return {gameScore, game.TilesRemoved - TilesPerLevel * (game.StartLevel - 1), Level(game)};
}

void BeginColumns(ColumnsGame& game, engine::GameState& state, int startLevel) {
  game.ColumnPhase = ColumnDue;
  game.StartLevel = startLevel;
  game.TilesRemoved = TilesPerLevel * (startLevel - 1);
  game.BlockCount = 0;
  game.ColumnBlocks.fill(Block{});
  for (int& kind : game.NextColumn) kind = state.rng.Random(KindCount);
  game.flags = {};
  game.SideStep = 0;
  game.DropSpeed = 0;
  state.board.GameFinished = false;
  state.board.GameOverShown = false;
  state.scoring.GameScore = 0;
  game.LastPoints = 0;
}

void CheckLines(ColumnsGame& game, engine::GameState& state, StepEvents& events) {
  ++game.ChainLevel;
  auto& blocks = game.ColumnBlocks;
  // Down, right, down-right and down-left: longer lines show up as overlapping lines of three.
  static constexpr int Directions[][2] = {
      {0, CellSize}, {CellSize, 0}, {CellSize, CellSize}, {-CellSize, CellSize}};
  for (int i = 1; i <= game.BlockCount; ++i) {
    Block& b = blocks[i];
    const int x = b.x, y = static_cast<int>(b.y);
    for (const auto& [dx, dy] : Directions) {
      Block& second = blocks[FindBlock(game, x + dx, y + dy)];
      Block& third = blocks[FindBlock(game, x + 2 * dx, y + 2 * dy)];
      // The sentinel has no kind, so a line never reaches it.
      if (second.kind == b.kind && third.kind == b.kind)
        b.state = second.state = third.state = Marked;
    }
  }
  game.ColumnPhase = ColumnDue;
  const int marked =
      static_cast<int>(std::count_if(blocks.begin() + 1, blocks.begin() + game.BlockCount + 1,
                                     [](const Block& b) { return b.state == Marked; }));
  if (marked > 0) {
    game.PhaseTicks = 0;
    game.ColumnPhase = ShowingMarked;
  }
  // The tiles count the moment they are marked, so the new level shows at once.
  game.TilesRemoved += marked;
  if (marked >= 3) events.scored = true;
  game.LastPoints = BasePoints(marked) * game.ChainLevel;
  state.scoring.GameScore += game.LastPoints;
  events.textsChanged = true;
}

StepEvents DoColumns(ColumnsGame& game, engine::GameState& state) {
  StepEvents events;
  if (game.ColumnPhase == ShowingMarked) RemoveMarked(game, state.options.AnimateChain);
  if (game.ColumnPhase == FillingGaps) FillGaps(game, state, events);
  if (game.ColumnPhase == ColumnDue && !EnterColumn(game, state, events)) return events;
  ++game.HashiraTicks;
  if (game.ColumnPhase == ColumnFalls) SteerColumn(game, state, events);
  // Down stays held until a key is released or another one pressed.
  DirectionFlags& keys = game.flags;
  keys.right = keys.left = keys.up = false;
  return events;
}

void FormKeyDown(DirectionFlags& flags, platform::Key key) {
  flags.prevRight = flags.right;
  flags.prevLeft = flags.left;
  flags.prevUp = flags.up;
  flags.right = key == platform::Key::Right;
  flags.left = key == platform::Key::Left;
  flags.up = key == platform::Key::Up;
  flags.down = key == platform::Key::Down;
}

void FormKeyUp(DirectionFlags& flags) {
  flags.right = flags.left = flags.up = flags.down = false;
}

} // namespace hashira
