#pragma once

#include <optional>
#include <string>

#include "engine/deal.h"
#include "engine/game_services.h"
#include "engine/game_state.h"
#include "engine/solitaire_play.h"
#include "engine/two_players.h"
#include "games/clock.h"
#include "games/thread_timer.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/qt/text_painter.h"
#include "platform/qt/window_port.h"
#include "records/hall_file.h"
#include "records/hall_of_fame.h"
#include "records/hall_panel.h"
#include "records/hall_viewer.h"
#include "render/backgrounds.h"
#include "render/board_renderer.h"
#include "render/pointer_tracking.h"
#include "render/tilesets.h"
#include "shell/commands.h"
#include "shell/idle_animations.h"
#include "shell/last_played_game.h"
#include "shell/music.h"
#include "shell/pause.h"
#include "shell/settings.h"
#include "shell/settings_keys.h"

// The application object: owns every piece of game state and wires the rules, the drawing and
// the clock to the window. The window only turns events into calls here.
class TPelmar final : public engine::GameServices,
                      public render::BoardView,
                      public games::ClockHooks,
                      public shell::MusicView,
                      public records::HallHooks,
                      public render::CurrentTileView,
                      public platform::qt::WindowEvents {
public:
  TPelmar(std::string programDir, platform::Audio& audio);

  // The start-up sequence over a window that is not shown yet. False when the program cannot
  // run (no layout at all); the player has been told why.
  bool Init(platform::qt::WindowPort& window);
  // The start-up window that shows what Init is doing; it closes when the main window shows.
  void SetSplash(platform::qt::SplashPort* splash) { splash_ = splash; }
  // Shows the window where the settings place it, then the games panel takes over.
  void ShowMainWindow();
  void FormShow();

  engine::GameState& State() { return state_; }
  render::BoardPictures& Pictures() { return pictures_; }

  // engine::GameServices
  platform::Ui& ui() override { return window_->ui(); }
  platform::Clock& clock() override { return clock_; }
  void IM(int newMode) override;
  void FullRedraw() override { renderer_.FullRedraw(); }
  void RedrawTile(int tile) override { renderer_.RedrawTile(tile); }
  void HLRedrawTile(int tile) override { renderer_.HLRedrawTile(tile); }
  void ShowEmptyBoard() override { renderer_.ShowFond(); }
  void Repaint() override;
  void ProcessMessages() override { window_->ProcessEvents(); }
  void RefreshHighlightColour() override { renderer_.ColorHighlight(); }
  void ShowPanelHOF() override;
  void ResetPauseCaptions() override;
  void PlayWave(engine::Sound sound) override;
  void GameOver() override;
  void Stop() override;
  void CountMoves() override;
  void AskGameNumber() override;
  void LayoutAdded(int index) override;

  // games::ClockHooks
  void DrawPlayerClocks(const games::PlayerClocks& clocks) override;
  void CheckMusicEnd() override {
    if (music_) music_->MediaNotify();
  }

  // shell::MusicView
  void CheckMusicEntry(int midiNumber) override;
  void EnableMusicButton(bool enabled) override;

  // render::BoardView
  void Show(platform::Rect changed) override { window_->ShowBoard(changed); }
  void RefreshHallPanel() override;

  // records::HallHooks
  void WriteAltGirls(bool on) override;

  // render::CurrentTileView
  void ShowCurrentTile(int tile) override;

  // platform::qt::WindowEvents
  void OnCommand(int id) override;
  void OnStatusCaptionClick(int field) override;
  void OnBoardPress() override;
  void OnBoardMove(int x, int y) override;
  void OnBoardRelease(platform::qt::PointerButton button, int x, int y) override;
  bool OnClockTick() override;
  void OnClosing() override;
  void FormActivate() override;
  void FormDeactivate() override;
  void FormResize(const platform::qt::BoardArea& board) override;
  int Timer1timer() override;

private:
  // The data folders: the menus' entries, the start layout. Empty, or what the program cannot
  // start without.
  std::string LoadFiles();
  // The settings file: read once while starting, written once at close.
  void ReadSettings();
  void SaveSettings();
  void Splashing(const std::string& text);
  void ActiveTilesetBackground();
  void LoadStartLayout();
  void BuildMenus();
  void RunFixedCommand(shell::CommandId id);
  void SyncCheckMarks();
  void ShowStatusBar();
  void PlaceGamesPanel();
  // After every event: wakes the timers that have work again.
  void RunThreadTimerWhenNeeded();
  void RunClockWhenNeeded();

  // Handlers of the commands that are more than a check mark.
  void NewGame();
  void Exit() { window_->Close(); }
  void Redraw() { engine::Redraw1Click(state_, *this); }
  void Back() { engine::Back(state_, *this); }
  void Hint() { engine::Hint(state_, *this); }
  void Shuffle();
  void Restart() { engine::Restart(state_, *this); }
  void Pause();
  void ShowPauseStep(shell::PauseStep step);
  void ShowPauseCaptions(const shell::PauseCaptions& captions);
  void Vertical();
  void Shadows();
  void ShowRomanized() { tilesets_.ShowRomanizedClick(); }
  void Gradient() { backgrounds_.CoolBackgroundClick(); }
  void ShowToolbar();
  void ApplyLook();
  void CoolMenu() { FlipAndApplyLook(state_.options.CoolMenu); }
  void CoolToolbar() { FlipAndApplyLook(state_.options.CoolToolbar); }
  void FlatButtons() { FlipAndApplyLook(state_.options.FlatButtons); }
  void FlipAndApplyLook(bool& option) {
    option = !option;
    ApplyLook();
  }
  void ShowHallPanel();
  void ShowGirls();
  void ShowTile();
  void ShowScores();
  // The hall window; the table its "Launch" chose, or 0.
  int RunHallWindow();
  // Starts the game of a table, so that its result lands there.
  void Launch(int slot);
  void SaveHall();
  std::string Today() const;
  void ShowStatusLine();
  void CoolMouse();
  void AnimateCursor();
  void PlayMusic() { music_->PlayMusicClick(); }
  void RandomMusic() { music_->RandomMusicClick(); }
  void SetMusic() { music_->SetMusicClick(); }
  void EnableMOD() { music_->EnableMODClick(); }
  void AnimatePauseClick();
  void Invert() { renderer_.InvertClick(); }
  void HighlightNone() { renderer_.Highlight1Click(); }
  void HighlightRed() { renderer_.Highlight2Click(render::RectangleEntry::Red); }
  void HighlightColoredTile() { renderer_.Highlight3Click(); }
  void HighlightGreen() { renderer_.Highlight2Click(render::RectangleEntry::Green); }
  void HighlightBlue() { renderer_.Highlight2Click(render::RectangleEntry::Blue); }
  void ShowMoves() { gameClock_.NStatus(); }
  void ShowTime() { gameClock_.ShowTimeClick(); }

  void LoadlayoutClick(int entry);
  void LoadTilesetFromDisk() { tilesets_.Load1Click(render::PictureMenu::FromDisk); }
  void LoadBackgroundFromDisk() { backgrounds_.LoadBackgroundClick(render::PictureMenu::FromDisk); }
  void SolidBackground() { backgrounds_.None1Click(true); }
  // Shows the marks of the Tileset and Background menus as the choosers left them.
  void SyncPictureMenus();

  struct Handler {
    shell::CommandId id;
    void (TPelmar::*run)();
  };
  static const Handler Handlers[];
  // How "Last Played Game" starts each kind of game that this program can play.
  struct GameStart {
    shell::GameKind kind;
    void (TPelmar::*start)();
  };
  static const GameStart GameStarts[];
  void RandomSolitaire();
  void SpecificSolitaire() { engine::NewSpecificGame1Click(state_, *this); }
  void TwoPlayers() { engine::TwoPlayers(state_, *this); }
  // The verdict of a cleared two-player board; no record is kept.
  void TwoPlayerGameOver();
  // Shows the cursor the rules chose, when it differs from the one shown.
  void ShowCursor(render::CursorShape shape);

  engine::GameState state_;
  render::BoardPictures pictures_;
  platform::SystemClock clock_;
  render::BoardRenderer renderer_;
  games::GameClock gameClock_;
  platform::qt::WindowPort* window_ = nullptr;
  platform::qt::SplashPort* splash_ = nullptr;
  shell::PauseState pause_;
  platform::qt::BoardArea boardArea_;
  shell::IdlePictures idlePictures_;
  games::ThreadTimerPacing threadPacing_;
  render::CursorShape cursor_ = render::CursorShape::Arrow;

  platform::Audio& audio_;
  shell::MusicState musicState_;
  std::optional<shell::Music> music_; // needs the window's dialogs: made by Init
  shell::SettingsValues settings_;
  shell::SettingsFile settingsFile_;
  records::HallState hall_;
  records::HallFile hallFile_;
  records::HallPictures hallPictures_;
  platform::Bitmap SaveHof_{records::PanelWidth, records::PanelHeight};
  platform::qt::QtTextPainter painter_;
  render::Tilesets tilesets_;
  render::Backgrounds backgrounds_;
  int tilesetIndex_ = render::DefaultTilesetIndex;
  int backgroundIndex_ = render::DefaultBackgroundIndex;
};
