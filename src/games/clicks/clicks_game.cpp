#include "games/clicks/clicks_game.h"

#include "games/clicks/clicks_drawing.h"
#include "play/game_codes.h"
#include "play/game_start.h"

namespace clicks {

namespace {

using play::PlayCommand;
namespace code = play::game_code;

const play::Traits ClicksTraits{
    .mode = engine::ModeClicks,
    .firstCode = code::ClicksEasy,
    .lastCode = code::ClicksNormal,
    .commands = {PlayCommand::Back, PlayCommand::Pause, PlayCommand::Restart, PlayCommand::Stop},
    .clock = {.scoresTilesLeft = true, .showsStatus = true, .showsMoves = true},
    .content = render::BoardContent::OwnField,
    .mascot = {play::Mascot::Measure::MovesLeft, 6, 24, 5, 3, 4, 13},
};

struct Difficulty {
  int code;
  int kinds;
};
constexpr Difficulty Difficulties[] = {
    {code::ClicksEasy, 4}, {code::ClicksNormal, 5}, {code::ClicksHard, 6}};

// The kinds of tiles of a difficulty, 0 for a code that is no Clicks table.
int KindsOf(int gameCode) {
  for (const Difficulty& d : Difficulties)
    if (d.code == gameCode) return d.kinds;
  return 0;
}

const char* const GiveUpCaption = "Game Over";
const char* const GiveUpQuestion =
    "No more moves. Do you want to give up ? (If you reply Yes and made a good score, you'll "
    "enter the hall of fame. If you reply No, the game will go back one move)";

} // namespace

ClicksGame::ClicksGame(engine::GameState& state, play::Host& host)
    : Game(ClicksTraits), state_(state), host_(host) {}

void ClicksGame::Start(int variant) {
  state_.rng.Randomize(host_.clock());
  Deal(variant);
}

void ClicksGame::Deal(int variant) {
  play::BeginOwnFieldGame(state_, host_);
  int& index = state_.layouts.LayoutIndex;
  // A start that names no difficulty plays the last one again; the picture button's, should
  // the last game have been another.
  if (KindsOf(variant) != 0)
    index = variant;
  else if (KindsOf(index) == 0)
    index = code::ClicksHard;
  FillClicksField(field_, state_.rng, KindsOf(index));
  SetField(field_);
  state_.scoring.GameScore = FieldTiles;
  state_.board.TileCount = FieldTiles;
  asking_ = false;
  declinedOnDeal_ = false;
  keys_.Reset();
  tiles_.Load(host_.desktop());
  engine::ShowStatus(state_.status, "Mahjongg Clicks started.");
  host_.IM(engine::ModeClicks);
  host_.FullRedraw();
  host_.ShowPanelHOF();
}

void ClicksGame::SetField(const ClicksField& field) {
  field_ = field;
  ClicksMoveCount = 0;
  state_.board.TilesLeft = CountTiles(field_);
}

void ClicksGame::Release(play::MouseButton button, int X, int Y) {
  if (button != play::MouseButton::Left) return;
  const engine::Board& b = state_.board;
  const Cell cell = CellAt(X - b.BoardLeft, Y - b.BoardTop);
  ClickCell(cell.c, cell.r);
}

bool ClicksGame::ClickCell(int c, int r) {
  if (!HasEqualNeighbour(field_, c, r)) {
    host_.PlayWave(play::Sound::NoWay);
    return false;
  }
  engine::Board& b = state_.board;
  ClicksHistory[++ClicksMoveCount] = field_;
  b.TilesLeft -= RemoveGroup(field_, c, r);
  host_.PlayWave(play::Sound::Done);
  // An empty field has nothing to settle: the redraw below ends the game.
  if (b.TilesLeft > 0) Settle();
  host_.FullRedraw();
  host_.Repaint();
  if (state_.options.ShowGirls) host_.ShowPanelHOF();
  return true;
}

void ClicksGame::Settle() {
  bool moved = true;
  while (moved) {
    moved = SettlePass(field_);
    if (state_.options.AnimateClicks) {
      host_.FullRedraw();
      host_.Repaint();
    }
  }
}

bool ClicksGame::Occupied(int X, int Y) const {
  const engine::Board& b = state_.board;
  const Cell cell = CellAt(X - b.BoardLeft, Y - b.BoardTop);
  return field_(cell.c, cell.r) != 0;
}

void ClicksGame::PointerMove(int X, int Y) {
  if (keys_.Hide()) host_.FullRedraw();
  const engine::Options& o = state_.options;
  if (o.HighlightMode == 0 || !o.CoolMouse) return;
  host_.ShowCursor(Occupied(X, Y) ? render::CursorShape::Hand : render::CursorShape::Arrow);
}

void ClicksGame::KeyDown(play::Key key) {
  switch (keys_.Press(key)) {
  case play::KeyboardCursor::Action::Redraw:
    host_.FullRedraw();
    break;
  case play::KeyboardCursor::Action::Click:
    ClickCell(keys_.Column(), keys_.Row());
    break;
  case play::KeyboardCursor::Action::None:
    break;
  }
}

void ClicksGame::Back() {
  const engine::Board& b = state_.board;
  if (b.TilesLeft != 0 && b.TilesLeft != b.TileCount) GoBack();
}

void ClicksGame::GoBack() {
  if (ClicksMoveCount > 0) {
    field_ = ClicksHistory[ClicksMoveCount--];
    state_.board.TilesLeft = CountTiles(field_);
  }
  host_.FullRedraw();
  if (state_.options.ShowGirls) host_.ShowPanelHOF();
  host_.Repaint();
}

void ClicksGame::Restart() {
  engine::Board& b = state_.board;
  if (b.TilesLeft == 0 || b.TilesLeft == b.TileCount) return;
  while (ClicksMoveCount > 0) GoBack();
  engine::Scoring& s = state_.scoring;
  s.GameScore = 0;
  s.PenaltySeconds = 0;
  s.PausedElapsed = 0;
  state_.pointer.HoverTile = 0;
  s.GameStartTick = host_.clock().TickCount();
  engine::ShowStatus(state_.status, "Game restarted.");
}

void ClicksGame::CountMoves() {
  engine::Board& b = state_.board;
  b.FreeCount = b.MovesLeft = CountGroups(field_);
}

void ClicksGame::NoMovesLeft() {
  engine::Board& b = state_.board;
  if (asking_ || declinedOnDeal_ || b.TilesLeft == 0 || b.GameFinished) return;
  asking_ = true;
  const bool giveUp = host_.ui().AskYesNo(GiveUpCaption, GiveUpQuestion);
  asking_ = false;
  if (giveUp) {
    b.GameFinished = true;
    host_.FullRedraw(); // ends the game
  } else if (ClicksMoveCount == 0) {
    declinedOnDeal_ = true;
  } else {
    Back();
  }
}

void ClicksGame::DrawField(platform::Bitmap& work, platform::Rect area) {
  const render::ClippedCanvas canvas(work, area);
  const engine::Board& b = state_.board;
  RedrawClicks(canvas, field_, tiles_, b.BoardLeft, b.BoardTop);
  if (!keys_.Shown()) return;
  const platform::Rect tile = CellPicture(keys_.Column(), keys_.Row(), b.BoardLeft, b.BoardTop);
  // Around the face, which lies right of the tile's edge.
  canvas.Frame({tile.left + 5, tile.top - 1, tile.right + 1, tile.bottom - 5},
               play::KeyboardCursorColour, play::KeyboardCursorPen);
}

} // namespace clicks
