#include "games/hashira/hashira_game.h"

#include "games/hashira/columns_panel.h"
#include "play/game_codes.h"

namespace hashira {

namespace {

using play::PlayCommand;

bool Meets(const platform::Rect& a, const platform::Rect& b) {
  return !platform::Intersect(a, b).Empty();
}

// No clock and no status bar: the points stand on the panel beside the pit.
const play::Traits FallingColumns{
    .mode = engine::ModeHashira,
    .firstCode = play::game_code::Hashira,
    .lastCode = play::game_code::Hashira,
    .commands = {PlayCommand::Pause, PlayCommand::Stop},
    .content = render::BoardContent::OwnField,
    .mascot = {play::Mascot::Measure::Random, 0, 0, 16, 17, 18, 13},
    .threadTimer = true,
    .wipesBoard = true,
};

} // namespace

HashiraGame::HashiraGame(engine::GameState& state, play::Host& host)
    : Game(FallingColumns), state_(state), host_(host) {}

void HashiraGame::Start(int variant) {
  state_.rng.Randomize(host_.clock());
  Begin(variant);
}

void HashiraGame::Begin(int variant) {
  host_.RefreshHighlightColour();
  engine::LayoutState& layouts = state_.layouts;
  if (layouts.LayoutIndex < engine::FirstGameCode) state_.LastBoard = layouts.LayoutIndex;
  if (variant != play::KeepVariant) layouts.LayoutIndex = play::game_code::Hashira;
  if (!pictures_) pictures_ = LoadColumnsPictures(host_.desktop());
  BeginColumns(columns_, state_, state_.options.StartLevel);
  host_.ResetPauseCaptions();
  host_.IM(engine::ModeHashira);
  engine::ShowStatus(state_.status, "Mahjongg Hashira started.");
  host_.FullRedraw(); // the pit, and the panel with its figures
  host_.ShowPanelHOF();
}

void HashiraGame::KeyDown(play::Key key) {
  FormKeyDown(columns_.flags, key);
}

void HashiraGame::KeyUp(play::Key) {
  FormKeyUp(columns_.flags);
}

void HashiraGame::Step() {
  const StepEvents events = DoColumns(columns_, state_);
  if (events.landed) host_.PlayWave(play::Sound::Select);
  if (events.scored) host_.PlayWave(play::Sound::Done);
  // The redraw hands the finished game over to the end of the game.
  if (events.gameOver) return host_.FullRedraw();
  ShowPitChanges();
  if (events.nextChanged) host_.ShowBoardRect(NextPicRect);
  if (events.textsChanged) ShowColumnsTexts();
}

void HashiraGame::ShowPitChanges() {
  const PitPicture now = PitShown(columns_, state_.options.AnimateChain);
  const platform::Rect changed = PitChanges(shownPit_, now);
  shownPit_ = now;
  if (!changed.Empty()) host_.ShowBoardRect(changed);
}

void HashiraGame::ShowColumnsTexts() {
  if (ColumnsTexts(columns_, state_.scoring.GameScore) != shownFigures_)
    host_.ShowBoardRect(PanelRect);
}

void HashiraGame::DrawField(platform::Bitmap& work, platform::Rect area) {
  if (!pictures_) return;
  if (Meets(area, PitRect)) {
    DrawPit(work, columns_, *pictures_, state_.options.AnimateChain, area);
    // A step then redraws only what changes from here.
    if (platform::Intersect(area, PitRect) == PitRect)
      shownPit_ = PitShown(columns_, state_.options.AnimateChain);
  }
  if (!Meets(area, PanelRect)) return;
  shownFigures_ = ColumnsTexts(columns_, state_.scoring.GameScore);
  DrawColumnsPanel(work, shownFigures_, state_.options.ShowNext ? &columns_.NextColumn : nullptr,
                   *pictures_, host_.desktop().Painter());
}

void HashiraGame::OptionChanged() {
  host_.ShowBoardRect(NextPicRect);
}

} // namespace hashira
