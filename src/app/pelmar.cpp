#include "app/pelmar.h"

#include <array>
#include <tuple>
#include <utility>

#include "records/game_number.h"
#include "records/game_over.h"
#include "shell/command_enabling.h"
#include "shell/games_panel.h"
#include "shell/sound_effects.h"

namespace {

// The screens that show the clean background only: the board picture is wiped on entering them.
bool ShowsBackgroundOnly(int mode) {
  return mode == engine::ModeGamesPanel || mode == engine::ModePaused ||
         mode == engine::ModeGameOver;
}

const play::Traits* TraitsOf(const play::Game* game) {
  return game ? &game->traits() : nullptr;
}

} // namespace

TPelmar::TPelmar(platform::ProgramFolders folders, platform::Audio& audio,
                 platform::Desktop& desktop)
    : renderer_(state_, pictures_, *this), games_(app::MakeGames(state_, *this, *this)),
      gameClock_(state_, *this, *this), desktop_(desktop), audio_(audio),
      settingsFile_(folders.config + std::string(shell::SettingsFileName)),
      hallFile_(folders.player + records::HallFileName), tilesets_(state_, *this, pictures_),
      backgrounds_(state_, *this, pictures_) {
  state_.layouts.Folders = std::move(folders);
  tilesets_.painter = &desktop.Painter();
}

TPelmar::~TPelmar() = default;

// Input that arrives while a handler runs waits for its end; a timer tick runs at once, unless
// an animation frame is on its way to the screen (the rule is then halfway through a step).
template <class F> void TPelmar::Handle(F&& handler, Arrival arrival) {
  if (handling_) {
    if (arrival == Arrival::Input)
      waiting_.emplace_back(std::forward<F>(handler));
    else if (presenting_ == 0)
      handler();
    return;
  }
  handling_ = true;
  handler();
  while (!waiting_.empty()) {
    const std::function<void()> next = std::move(waiting_.front());
    waiting_.pop_front();
    next();
  }
  handling_ = false;
  ShowStatusBar();
  RunClockWhenNeeded();
  RunThreadTimerWhenNeeded();
  if (closeWaiting_) {
    closeWaiting_ = false;
    window_->Close();
  }
}

play::Game* TPelmar::CurrentGame() const {
  const int mode = state_.board.GameMode;
  return games_.list.ForMode(mode == engine::ModePaused ? pause_.PausedMode : mode);
}

void TPelmar::IM(int newMode) {
  const int old = state_.board.GameMode;
  const play::Game* leaving = ActiveGame();
  const play::Game* entering = games_.list.ForMode(newMode);
  if (leaving && leaving->traits().wipesBoard) renderer_.ShowFond();
  // Leaving or entering a screen between games keeps the hall-of-fame highlight.
  if (old != newMode && leaving && entering) state_.LastHallRank = 0;
  state_.board.GameMode = static_cast<std::uint8_t>(newMode);
  // A new screen starts with the arrow; the pointer rules bring the hand back over tiles.
  ShowCursor(render::CursorShape::Arrow);
  if (entering && entering->traits().isGame) window_->ShowSameGameButton();
  if (entering ? entering->traits().wipesBoard : ShowsBackgroundOnly(newMode)) renderer_.ShowFond();
  window_->ShowGamesPanel(shell::GamesPanelShown(newMode, state_.options));
  window_->EnableBoardPopup(!entering || entering->traits().isGame);
  for (const shell::Command& c : shell::Commands())
    if (c.gate && c.availability == shell::Availability::Built)
      window_->SetEnabled(static_cast<int>(c.id),
                          shell::CommandEnabled(*c.gate, newMode, TraitsOf(entering)));
  RunClockWhenNeeded();
  RunThreadTimerWhenNeeded();
}

void TPelmar::Repaint() {
  ++presenting_;
  window_->Present();
  --presenting_;
}

void TPelmar::CountMoves() {
  if (play::Game* game = BoardGame()) game->CountMoves();
}

void TPelmar::StartGame(play::Game& game, int variant) {
  play::Game* const before = std::exchange(starting_, &game);
  game.Start(variant);
  starting_ = before;
}

void TPelmar::BeginGame() {
  StartGame(*games_.layoutGame, games_.layoutVariant);
  ShowLayouts(); // the layout just loaded, saved or restored is the current one
}

void TPelmar::PlayWave(play::Sound sound) {
  shell::PlayWave(audio_, state_.options, sound);
}

void TPelmar::ShowPanelHOF() {
  if (!state_.options.ShowHallOfFame) return;
  const play::Game* game = BoardGame();
  records::ShowPanelHOF(state_, TraitsOf(game), TraitsOf(starting_ ? starting_ : CurrentGame()),
                        hall_, hallPictures_, SaveHof_, desktop_.Painter(), *this);
  // The panel is drawn afresh, the pointed tile's spot included.
  const int pointed = state_.pointer.PointedTile;
  if (game && game->traits().pointer.showsCurrentTile && state_.options.ShowTile && pointed > 0)
    records::ShowCurrentTile(SaveHof_, hallPictures_.HofPic, state_.board, pictures_, pointed);
  window_->ShowSidePanel();
}

void TPelmar::RefreshHallPanel() {
  if (hall_.HallPanelRefresh) ShowPanelHOF();
}

void TPelmar::ShowCurrentTile(int tile) {
  records::ShowCurrentTile(SaveHof_, hallPictures_.HofPic, state_.board, pictures_, tile);
  window_->ShowSidePanel();
}

void TPelmar::ShowBoardRect(platform::Rect area) {
  render::BoardPictures& p = pictures_;
  DrawOwnField(p.WorkBitmap, platform::Intersect(area, p.Game.Bounds()));
  // A step often moves things by less than a pixel, and then nothing need reach the screen.
  const platform::Rect changed = platform::ChangedArea(p.WorkBitmap, p.Game, area);
  if (changed.Empty()) return;
  platform::Blit(p.Game, changed.left, changed.top, p.WorkBitmap, changed);
  window_->ShowBoard(changed);
}

play::PanelCanvas TPelmar::SidePanel() {
  return {SaveHof_, hallPictures_.HofPic, desktop_.Painter()};
}

render::BoardLook TPelmar::Look() const {
  const play::Game* game = BoardGame();
  if (!game) return {};
  const play::Traits& t = game->traits();
  return {t.content, t.faces, t.isGame};
}

void TPelmar::DrawOwnField(platform::Bitmap& work, platform::Rect area) {
  if (play::Game* game = BoardGame()) game->DrawField(work, area);
}

void TPelmar::ResetPauseCaptions() {
  ShowPauseCaptions(shell::PlayingCaptions);
}

void TPelmar::ShowPauseCaptions(const shell::PauseCaptions& captions) {
  const int pause = static_cast<int>(shell::CommandId::Pause);
  window_->SetCaptions(pause, std::string(captions.menu), std::string(captions.button));
  window_->SetButtonLook(pause, captions.button == shell::PausedCaptions.button);
}

void TPelmar::Pause() {
  ShowPauseStep(shell::PauseClick(state_, pause_, *this, games_.list));
}

void TPelmar::ShowPauseStep(shell::PauseStep step) {
  switch (step) {
  case shell::PauseStep::Paused:
    ShowPauseCaptions(shell::PausedCaptions);
    break;
  case shell::PauseStep::Resumed:
    ShowPauseCaptions(shell::PlayingCaptions);
    break;
  case shell::PauseStep::Ignored:
    break;
  }
}

void TPelmar::GameOver() {
  const play::Game* game = ActiveGame();
  if (game && !game->Verdict().message.empty()) return VerdictGameOver(game->Verdict());
  engine::Board& b = state_.board;
  ShowCursor(render::CursorShape::Arrow);
  renderer_.ShowFond();
  b.GameOverShown = true;
  const records::GameOverOutcome outcome =
      records::PrepareGameOver(state_, hall_, game ? game->LevelReached() : 0);
  gameClock_.WriteScore(ActiveGame());
  ShowStatusBar();
  IM(engine::ModeGameOver);
  // The record is made and saved before the window shows it: nothing is lost if the program is
  // stopped while the window is open.
  if (outcome.qualifies) {
    records::AddHall(state_, hall_, outcome, Today());
    SaveHall();
  }
  const shell::GameResult& r = outcome.window;
  window_->ShowResult({r.caption,
                       {r.heading, r.subheading, r.endMessage},
                       r.button,
                       r.hallLine,
                       &hallPictures_.Girls[outcome.picture],
                       records::GirlsFiles[outcome.picture].key});
  int launch = 0;
  if (outcome.qualifies) {
    ShowPanelHOF();
    hall_.HallJustEntered = true;
    launch = RunHallWindow();
    hall_.HallJustEntered = false;
  }
  LeaveFinishedBoard();
  Launch(launch);
}

void TPelmar::VerdictGameOver(const play::VerdictWindow& verdict) {
  engine::Board& b = state_.board;
  renderer_.ShowFond();
  b.GameOverShown = true;
  gameClock_.WriteScore(ActiveGame());
  ShowStatusBar();
  IM(engine::ModePaused); // both turn clocks stop here
  window_->ShowResult({"Board finished !",
                       {std::string(verdict.heading), std::string(verdict.subheading),
                        std::string(verdict.message)},
                       std::string(verdict.button)});
  LeaveFinishedBoard();
}

void TPelmar::LeaveFinishedBoard() {
  IM(engine::ModeGamesPanel);
  pause_.PausedMode = engine::ModeGamesPanel;
  // The end was handled (GameOverShown stays); the panel's redraws draw again.
  state_.board.GameFinished = false;
}

void TPelmar::Stop() {
  if (state_.board.GameMode == engine::ModePaused) ResetPauseCaptions();
  // The abandoned game's face-up pair goes with it: no other screen waits for its countdown.
  state_.RevealCountdown = 0;
  IM(engine::ModeGamesPanel);
  renderer_.ShowFond();
  ShowPanelHOF();
}

void TPelmar::AskGameNumber() {
  records::GameNumberModel model(state_.board.GameNumber, state_.rng);
  platform::GameNumberDialog dialog;
  dialog.text = model.Text();
  dialog.edited = [&](const std::string& text) { model.RandomSeedChange(text); };
  dialog.newRandomSeed = [&] {
    model.BitBtn2Click();
    return model.Text();
  };
  dialog.newSmallSeed = [&] {
    model.BitBtn3Click();
    return model.Text();
  };
  dialog.accepted = [&](const std::string& text) {
    if (const std::string refusal = model.BitBtn1Click(text); !refusal.empty())
      ui().ShowMessage(refusal);
  };
  WithPause([&] { window_->AskGameNumber(dialog); });
}

void TPelmar::FlashRefusal(int tile) {
  constexpr std::uint32_t FlashMs = 150;
  const int before = std::exchange(pictures_.RefusedTile, tile);
  if (before != 0 && before != tile) HLRedrawTile(before);
  refusalEnds_ = clock().TickCount() + FlashMs;
  HLRedrawTile(tile);
}

void TPelmar::ShowCursor(render::CursorShape shape) {
  static constexpr std::array Shapes{platform::BoardCursor::Arrow, platform::BoardCursor::Hand,
                                     platform::BoardCursor::PressedHand};
  if (shape == cursor_) return;
  cursor_ = shape;
  window_->SetBoardCursor(Shapes[static_cast<int>(shape)]);
}

void TPelmar::OnCommand(int id) {
  Handle([this, id] { RunCommand(id); }, Arrival::Input);
}

void TPelmar::OnStatusCaptionClick(int field) {
  Handle(
      [this, field] {
        // "Moves left" and "Time" stand for their menu options; "Tiles" and "Status" do nothing.
        if (field == 1) RunFixedCommand(shell::CommandId::ShowMoves);
        if (field == 2) RunFixedCommand(shell::CommandId::ShowTime);
      },
      Arrival::Input);
}

void TPelmar::OnBoardPress() {
  if (handling_) return; // the cursor follows the next press
  render::CursorShape next = cursor_;
  render::HandDown(state_.options, next);
  ShowCursor(next);
}

void TPelmar::OnBoardMove(int x, int y) {
  if (handling_) return; // a rule runs: the pointer is looked at again when it moves next
  Handle(
      [this, x, y] {
        play::Game* game = ActiveGame();
        if (!game) return;
        const play::Traits& t = game->traits();
        if (!t.pointer.tracksTiles) return game->PointerMove(x, y);
        render::CursorShape next = cursor_;
        render::FormMouseMove(state_, t.pointer, *this, *this, next, x, y);
        ShowCursor(next);
      },
      Arrival::Input);
}

void TPelmar::OnBoardRelease(platform::PointerButton button, int x, int y) {
  Handle(
      [this, button, x, y] {
        render::CursorShape next = cursor_;
        render::HandUp(next);
        ShowCursor(next);
        // While a pair lies face up, every click on the board waits for it to turn.
        if (state_.RevealCountdown > 0) return;
        play::Game* game = ActiveGame();
        if (!game) return;
        // The first click on a stacked board ends the panel's redraw with every board redraw.
        if (game->traits().content == render::BoardContent::StackedBoard)
          hall_.HallPanelRefresh = false;
        game->Release(button, x, y);
      },
      Arrival::Input);
}

void TPelmar::OnKeyDown(platform::Key key) {
  Handle(
      [this, key] {
        if (play::Game* game = ActiveGame()) game->KeyDown(key);
      },
      Arrival::Input);
}

void TPelmar::OnKeyUp(platform::Key key) {
  Handle(
      [this, key] {
        // A key let go during a pause is not held any more when the game goes on.
        if (play::Game* game = CurrentGame()) game->KeyUp(key);
      },
      Arrival::Input);
}

bool TPelmar::OnClockTick() {
  Handle(
      [this] {
        if (play::Game* current = CurrentGame()) current->Tick();
        if (pictures_.RefusedTile != 0 &&
            static_cast<std::int32_t>(clock().TickCount() - refusalEnds_) >= 0)
          HLRedrawTile(std::exchange(pictures_.RefusedTile, 0));
        gameClock_.Temps(ActiveGame());
        ShowStatusBar();
        SaveChangedSettings();
      },
      Arrival::Timer);
  return settingsChangedAt_ || gameClock_.HasWork(ActiveGame(), MusicSounding());
}

void TPelmar::RunClockWhenNeeded() {
  if (settingsChangedAt_ || gameClock_.HasWork(ActiveGame(), MusicSounding()))
    window_->StartClock();
}

void TPelmar::SettingsChanged() {
  CollectSettings();
  if (!settingsChangedAt_ &&
      std::tie(state_.options, settings_) != std::tie(saved_.first, saved_.second))
    settingsChangedAt_ = clock().TickCount();
}

void TPelmar::SaveChangedSettings() {
  constexpr std::uint32_t SaveDelayMs = 1000;
  if (!settingsChangedAt_ || clock().TickCount() - *settingsChangedAt_ < SaveDelayMs) return;
  settingsChangedAt_.reset();
  SaveSettings();
}

bool TPelmar::MusicSounding() {
  // The end of a track is noticed on the clock, so it ticks while one plays on any screen.
  return state_.options.PlayMusic && audio_.MusicPlaying();
}

void TPelmar::ShowStatusBar() {
  play::StatusBar& bar = gameClock_.Bar();
  const std::array<const play::StatusField*, platform::StatusFieldCount> fields{
      &bar.Tiles(), &bar.MovesLeft(), &bar.Time(), &bar.Status()};
  for (int i = 0; i < platform::StatusFieldCount; ++i)
    if (fields[i]->changed) window_->SetStatusField(i, fields[i]->text);
  bar.MarkShown();
}

void TPelmar::RunThreadTimerWhenNeeded() {
  if (play::ThreadTimerNeeded(state_, ActiveGame()))
    window_->StartThreadTimer(play::MinimumTimerSleep);
}

int TPelmar::Timer1timer() {
  if (!play::ThreadTimerNeeded(state_, ActiveGame())) return platform::ThreadTimerStopped;
  const std::uint32_t start = clock().TickCount();
  // Background work runs between events only: inside another rule (a modal window) it waits.
  const bool betweenEvents = !handling_;
  Handle(
      [this, betweenEvents] {
        if (play::Game* game = ActiveGame()) {
          if (game->traits().threadTimer)
            game->Step();
          else if (betweenEvents)
            game->Background();
        } else if (state_.board.GameMode == engine::ModeGamesPanel)
          shell::AnimateGamesPanel(pause_.AnimationStep, pictures_, idlePictures_, *this);
        else if (state_.board.GameMode == engine::ModePaused)
          shell::AnimatePauseScreen(pause_.AnimationStep, pictures_, idlePictures_, *this);
      },
      Arrival::Timer);
  return threadPacing_.NextDelay(start, clock().TickCount());
}

void TPelmar::FormActivate() {
  Handle([this] { ShowPauseStep(shell::FormActivate(state_, pause_, *this, games_.list)); },
         Arrival::Input);
}

void TPelmar::FormDeactivate() {
  Handle([this] { ShowPauseStep(shell::FormDeactivate(state_, pause_, *this, games_.list)); },
         Arrival::Input);
}

void TPelmar::FormResize(const platform::BoardArea& board) {
  boardArea_ = board;
  PlaceGamesPanel();
}

bool TPelmar::MayClose() {
  if (!handling_) return true;
  closeWaiting_ = true;
  return false;
}
