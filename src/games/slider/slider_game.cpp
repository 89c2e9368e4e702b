#include "games/slider/slider_game.h"

#include "play/game_codes.h"
#include "play/game_start.h"

namespace slider {

namespace {

using play::PlayCommand;

const play::Traits SliderTraits{
    .mode = engine::ModeSlider,
    .firstCode = play::game_code::Slider,
    .lastCode = play::game_code::Slider,
    .commands = {PlayCommand::Pause, PlayCommand::Stop},
    .clock = {.showsStatus = true},
    .content = render::BoardContent::OwnField,
    .mascot = {play::Mascot::Measure::TilesLeft, 29, 60, 10, 9, 11, 14},
    .wipesBoard = true,
};

// Fewer empty cells than this after a move without a line end the game: the new tiles would
// not all find a place.
constexpr int EmptyCellsToGoOn = NewTiles + 1;
// Each new tile shows for this many frames with "Animate New Tiles", so they arrive one by one.
constexpr int NewTileFrames = 10;
// Slider sets the shared tile count as Clicks does; nothing of Slider reads it.
constexpr int SharedTileCount = 216;

} // namespace

SliderGame::SliderGame(engine::GameState& state, play::Host& host)
    : Game(SliderTraits), state_(state), host_(host) {}

void SliderGame::Start(int) {
  state_.rng.Randomize(host_.clock());
  Deal();
}

void SliderGame::Deal() {
  play::BeginOwnFieldGame(state_, host_);
  state_.layouts.LayoutIndex = play::game_code::Slider;
  engine::Board& b = state_.board;
  b.TilesLeft = StartingTiles;
  b.TileCount = SharedTileCount;
  DealSlider(field_, NextKinds_, state_.rng, state_.options.JokerAllow);
  selected_ = hover_ = NoCell;
  handShown_ = false;
  keys_.Reset();
  state_.scoring.GameScore = 0;
  pictures_.Load(host_.desktop());
  engine::ShowStatus(state_.status, "Mahjongg Slider started.");
  host_.IM(engine::ModeSlider);
  host_.FullRedraw();
  host_.ShowPanelHOF();
}

void SliderGame::SetPosition(const SliderField& field, const NextKinds& next) {
  field_ = field;
  NextKinds_ = next;
  selected_ = NoCell;
  state_.board.TilesLeft = CountTiles(field_);
}

void SliderGame::Release(play::MouseButton button, int X, int Y) {
  if (button != play::MouseButton::Left) return;
  if (const Cell cell = CellAt(X, Y); cell != NoCell) ClickCell(cell);
}

SliderGame::Answer SliderGame::ClickCell(Cell cell) {
  engine::Board& b = state_.board;
  // Only a tester's tool gets here after the end; the window has left the game by then.
  if (b.GameFinished || !InField(cell.c, cell.r)) return Answer::Ignored;
  Answer answer = Answer::Selected;
  if (field_(cell) != 0) {
    host_.PlayWave(play::Sound::Select);
    selected_ = cell;
  } else if (selected_ == NoCell) {
    host_.PlayWave(play::Sound::NoWay);
    answer = Answer::NoWay;
  } else {
    answer = Slide(cell);
  }
  if (b.GameFinished) return answer; // the redraw that ended the game showed the result
  host_.FullRedraw();
  b.TilesLeft = CountTiles(field_);
  if (state_.options.ShowGirls) host_.ShowPanelHOF();
  return answer;
}

SliderGame::Answer SliderGame::Slide(Cell target) {
  SliderPath path;
  if (!FindPath(field_, target, selected_, path)) {
    host_.PlayWave(play::Sound::NoWay);
    return Answer::NoWay;
  }
  const std::uint8_t kind = field_(selected_);
  selected_ = NoCell;
  // The tile passes the cells of the path one frame each, from where it stood to the target.
  for (int i = 0; i < path.length; ++i) {
    std::uint8_t& cell = field_.At(path.cells[i]);
    if (state_.options.AnimateSlider) {
      cell = kind;
      ShowFrame();
    }
    cell = 0;
  }
  field_.At(target) = kind;
  if (RemoveLines()) {
    host_.PlayWave(play::Sound::Done);
    return Answer::Moved;
  }
  host_.PlayWave(play::Sound::Select);
  if (FieldSize * FieldSize - CountTiles(field_) < EmptyCellsToGoOn) {
    state_.board.GameFinished = true;
    host_.FullRedraw(); // ends the game
    return Answer::Moved;
  }
  PlaceNewTiles();
  if (RemoveLines()) host_.PlayWave(play::Sound::Done);
  return Answer::Moved;
}

bool SliderGame::RemoveLines() {
  Grid<bool> remove; // `SliderRemove`
  if (MarkLines(field_, remove) == 0) return false;
  for (int c = 1; c <= FieldSize; ++c)
    for (int r = 1; r <= FieldSize; ++r)
      if (remove(c, r)) {
        field_.At({c, r}) = 0;
        ++state_.scoring.GameScore;
        ShowFrame();
      }
  return true;
}

void SliderGame::PlaceNewTiles() {
  const int frames = state_.options.AnimateNext ? NewTileFrames : 1;
  for (std::uint8_t next : NextKinds_) {
    field_.At(DrawEmptyCell(field_, state_.rng)) = static_cast<std::uint8_t>(next + 1);
    for (int frame = 0; frame < frames; ++frame) ShowFrame();
  }
  for (std::uint8_t& next : NextKinds_) next = DrawNextKind(state_.rng, state_.options.JokerAllow);
}

void SliderGame::ShowFrame() {
  host_.FullRedraw();
  host_.Repaint();
}

void SliderGame::PointerMove(int X, int Y) {
  bool redraw = keys_.Hide();
  const int px = X - 196, py = Y - 91;
  const int extent = 32 * FieldSize;
  // The last pixel row and column of the span belong to no cell.
  if (px < 0 || py < 0 || px >= extent || py >= extent) {
    handShown_ = false;
    host_.ShowCursor(render::CursorShape::Arrow);
    redraw = redraw || hover_ != NoCell;
    hover_ = NoCell;
  } else {
    const Cell cell{px / 32 + 1, py / 32 + 1};
    redraw = redraw || (state_.options.HighlightSlider && cell != hover_);
    hover_ = cell;
    if (state_.options.CoolMouse) {
      const bool hand = selected_ != NoCell || field_(cell) != 0;
      if (!hand)
        host_.ShowCursor(render::CursorShape::Arrow);
      else if (!handShown_)
        host_.ShowCursor(render::CursorShape::Hand);
      handShown_ = hand;
    }
  }
  if (redraw) host_.FullRedraw();
}

void SliderGame::KeyDown(play::Key key) {
  switch (keys_.Press(key)) {
  case play::KeyboardCursor::Action::Redraw:
    host_.FullRedraw();
    break;
  case play::KeyboardCursor::Action::Click:
    ClickCell({keys_.Column(), keys_.Row()});
    break;
  case play::KeyboardCursor::Action::None:
    break;
  }
}

void SliderGame::CountMoves() {
  state_.board.TilesLeft = CountTiles(field_);
}

void SliderGame::DrawField(platform::Bitmap& work, platform::Rect area) {
  const engine::Options& o = state_.options;
  const SliderMarks marks{hover_,
                          selected_,
                          keys_.Shown() ? Cell{keys_.Column(), keys_.Row()} : NoCell,
                          o.HighlightSlider,
                          o.ShowNext,
                          host_.HighlightPenColour(),
                          state_.scoring.GameScore};
  RedrawSlider(work, render::ClippedCanvas(work, area), pictures_, field_, NextKinds_, marks,
               host_.desktop().Painter());
}

void SliderGame::OptionChanged() {
  // "Show Next Tiles" and "Highlight Slider" change what the board shows.
  host_.FullRedraw();
}

} // namespace slider
