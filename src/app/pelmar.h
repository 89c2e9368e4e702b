#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "app/game_list.h"
#include "editor/editor_view.h"
#include "engine/game_state.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/window_port.h"
#include "play/clock.h"
#include "play/game_list.h"
#include "play/host.h"
#include "play/thread_timer.h"
#include "records/hall_file.h"
#include "records/hall_of_fame.h"
#include "records/hall_panel.h"
#include "records/hall_viewer.h"
#include "records/help_viewer.h"
#include "render/backgrounds.h"
#include "render/board_renderer.h"
#include "render/pointer_tracking.h"
#include "render/tilesets.h"
#include "shell/commands.h"
#include "shell/idle_animations.h"
#include "shell/music.h"
#include "shell/pause.h"
#include "shell/settings.h"
#include "shell/settings_keys.h"

// The application object: owns every piece of game state and the games, and wires the rules,
// the drawing and the clock to the window. The window only turns events into calls here, and
// every call runs one rule to its end: input that arrives while an animation shows its frames
// waits until the rule is over.
class TPelmar final : public play::Host,
                      public render::BoardView,
                      public play::ClockHooks,
                      public shell::MusicView,
                      public records::HallHooks,
                      public render::CurrentTileView,
                      public editor::EditorView,
                      public platform::WindowEvents {
public:
  // The data is read from, and the player's files are kept in, `folders`: a portable program
  // folder, or the installed data and the player's own folders.
  TPelmar(platform::ProgramFolders folders, platform::Audio& audio, platform::Desktop& desktop);
  ~TPelmar() override;

  // The start-up sequence over a window that is not shown yet. False when the program cannot
  // run (no layout at all); the player has been told why.
  bool Init(platform::WindowPort& window);
  // The start-up window that shows what Init is doing; it closes when the main window shows.
  void SetSplash(platform::SplashPort* splash) { splash_ = splash; }
  // Shows the window where the settings place it, then the games panel takes over.
  void ShowMainWindow();
  void FormShow();

  engine::GameState& State() { return state_; }
  render::BoardPictures& Pictures() { return pictures_; }
  // The game of the current mode, null on the screens between games.
  play::Game* ActiveGame() const { return games_.list.ForMode(state_.board.GameMode); }

  // engine::GameServices
  platform::Ui& ui() override { return window_->ui(); }
  platform::Clock& clock() override { return desktop_.Time(); }
  void IM(int newMode) override;
  void FullRedraw() override { renderer_.FullRedraw(); }
  void RedrawTile(int tile) override { renderer_.RedrawTile(tile); }
  void HLRedrawTile(int tile) override { renderer_.HLRedrawTile(tile); }
  void ShowEmptyBoard() override { renderer_.ShowFond(); }
  void Repaint() override;
  void CountMoves() override;
  void BeginGame() override;
  void LayoutAdded(int index) override;

  // play::Host
  void PlayWave(play::Sound sound) override;
  void RefreshHighlightColour() override { renderer_.ColorHighlight(); }
  std::uint32_t HighlightPenColour() override { return pictures_.PenColour; }
  void ShowPanelHOF() override;
  void ResetPauseCaptions() override;
  void Stop() override;
  void AskGameNumber() override;
  void ShowCursor(render::CursorShape shape) override;
  void FlashRefusal(int tile) override;
  platform::Desktop& desktop() override { return desktop_; }
  void ShowBoardRect(platform::Rect area) override;
  play::PanelCanvas SidePanel() override;
  void ShowSidePanel() override { window_->ShowSidePanel(); }
  void SetPathFound(bool found) override { pictures_.PathFound = found; }

  // play::ClockHooks
  void CheckMusicEnd() override {
    if (music_) music_->MediaNotify();
  }

  // shell::MusicView
  void CheckMusicEntry(int midiNumber) override;
  void EnableMusicButton(bool enabled) override;

  // render::BoardView
  void Show(platform::Rect changed) override { window_->ShowBoard(changed); }
  render::BoardLook Look() const override;
  void RefreshHallPanel() override;
  void DrawOwnField(platform::Bitmap& work, platform::Rect area) override;
  void GameOver() override;

  // records::HallHooks
  void WriteAltGirls(bool on) override;

  // render::CurrentTileView
  void ShowCurrentTile(int tile) override;

  // platform::WindowEvents
  void OnCommand(int id) override;
  void OnStatusCaptionClick(int field) override;
  void OnBoardPress() override;
  void OnBoardMove(int x, int y) override;
  void OnBoardRelease(platform::PointerButton button, int x, int y) override;
  void OnKeyDown(platform::Key key) override;
  void OnKeyUp(platform::Key key) override;
  bool OnClockTick() override;
  bool MayClose() override;
  void OnClosing() override;
  void FormActivate() override;
  void FormDeactivate() override;
  void FormResize(const platform::BoardArea& board) override;
  int Timer1timer() override;

private:
  // Runs one event's handler to its end, or keeps it for later when another handler is still
  // running (an animation showing its frames, a modal window): a rule is never re-entered.
  enum class Arrival { Input, Timer };
  template <class F> void Handle(F&& handler, Arrival arrival);
  // The game whose rules run now: the one being played, or the one the pause screen hides.
  play::Game* CurrentGame() const;
  // Starts a game. Until it takes its mode, the screen still has the mode of before, but the
  // deal is the new game's: its rules count and draw meanwhile.
  void StartGame(play::Game& game, int variant);
  // The game a board of now belongs to: the one starting, else the one being played.
  play::Game* BoardGame() const { return starting_ ? starting_ : ActiveGame(); }

  // Start-up (pelmar_startup.cpp).
  std::string LoadFiles();
  void ReadSettings();
  void SaveSettings();
  // The settings file's values from the state they come from.
  void CollectSettings();
  void Splashing(const std::string& text);
  void ActiveTilesetBackground();
  void LoadStartLayout();
  void BuildMenus();
  void PlaceGamesPanel();

  // The commands (pelmar_commands.cpp).
  void RunCommand(int id);
  void RunFixedCommand(shell::CommandId id);
  bool StartGameCommand(shell::CommandId id);
  void SyncCheckMarks();
  void SyncPictureMenus();
  void NewGame();
  void Exit() { window_->Close(); }
  void Redraw();
  void Back() { RunPlayCommand(&play::Game::Back); }
  void Hint() { RunPlayCommand(&play::Game::Hint); }
  void Shuffle() { RunPlayCommand(&play::Game::Shuffle); }
  void Restart() { RunPlayCommand(&play::Game::Restart); }
  void StillWinnable() { RunPlayCommand(&play::Game::StillWinnable); }
  void Solve() { RunPlayCommand(&play::Game::Solve); }
  void RunPlayCommand(void (play::Game::*command)());
  void Pause();
  void ShowPauseStep(shell::PauseStep step);
  void ShowPauseCaptions(const shell::PauseCaptions& captions);
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
  // "Start Level" on the games panel: the level menu, then the button shows the level chosen.
  void StartLevelClick();
  void ShowStartLevel();
  void LoadTilesetFromDisk() {
    WithPause([this] { tilesets_.Load1Click(render::PictureMenu::FromDisk); });
  }
  void LoadBackgroundFromDisk() {
    WithPause([this] { backgrounds_.LoadBackgroundClick(render::PictureMenu::FromDisk); });
  }
  void SolidBackground() {
    WithPause([this] { backgrounds_.None1Click(true); });
  }
  // Around the program's own modal windows the game pauses, when the player asked so.
  template <class Window> void WithPause(Window&& window) {
    ShowPauseStep(shell::CheckPause(state_, pause_, *this, games_.list));
    window();
    ShowPauseStep(shell::UnCheckPause(state_, pause_, *this, games_.list));
  }

  // The help window and the about window (pelmar_help.cpp).
  void LoadHelpFiles();
  void CallHelp(records::HelpPageId page);
  void HelpClick();
  void WhatsNew1Click();
  void French1Click();
  void ViewTiles1Click();
  void About();

  // Layouts (pelmar_layouts.cpp): the Layout menu, the chooser and its favourites, and the
  // window parts of the layout editor.
  // editor::EditorView
  void ShowEditorParts(const std::vector<platform::InfoField>& strip, bool canSave) override;
  void HideEditorParts() override;
  void SetStripValue(int field, const std::string& value) override;
  std::string StripText(int field) override;
  void FocusBoard() override;
  void SetCursorCell(const engine::Position& cell) override;
  void RedrawArea(platform::Rect area) override;
  // Entry 1..LayoutCount of the Layout menu is played; false when its file could not be read.
  bool LoadlayoutClick(int entry);
  void LoadLayoutFromDisk();
  void SelectLayout();
  void ViewAllLayouts();
  void ViewFavoritesOnly();
  // Shows, hides and checks the Layout menu's entries by the favourites and the current layout.
  void ShowLayouts();
  // Whether a command belongs to the menu bar on show: the others are out of the player's reach.
  bool OnShownMenuBar(int id) const;
  std::vector<std::string> FaveLayout_;
  platform::Bitmap miniature_; // the chooser's miniature tile, read when it first opens
  platform::MenuBar menuBar_ = platform::MenuBar::Main;

  struct Handler {
    shell::CommandId id;
    void (TPelmar::*run)();
  };
  static const Handler Handlers[];

  // The end of a cleared board that gives a verdict instead of a record.
  void VerdictGameOver(const play::VerdictWindow& verdict);
  // Back to the games panel once the end of a board has been shown.
  void LeaveFinishedBoard();
  void ShowStatusBar();
  // After every event: wakes the timers that have work again.
  void RunThreadTimerWhenNeeded();
  void RunClockWhenNeeded();
  bool MusicSounding();
  // A command may have changed what the settings file keeps: it is saved a moment later, so a
  // crash or a kill loses nothing of it.
  void SettingsChanged();
  void SaveChangedSettings();

  engine::GameState state_;
  render::BoardPictures pictures_;
  render::BoardRenderer renderer_;
  app::Games games_;
  play::GameClock gameClock_;
  platform::WindowPort* window_ = nullptr;
  platform::SplashPort* splash_ = nullptr;
  platform::Desktop& desktop_;
  shell::PauseState pause_;
  platform::BoardArea boardArea_;
  shell::IdlePictures idlePictures_;
  play::ThreadTimerPacing threadPacing_;
  render::CursorShape cursor_ = render::CursorShape::Arrow;

  // The event gate: whether a handler runs, whether an animation shows a frame, the events
  // that wait meanwhile, and a close that waits for the animation's end.
  bool handling_ = false;
  int presenting_ = 0;
  std::deque<std::function<void()>> waiting_;
  bool closeWaiting_ = false;
  play::Game* starting_ = nullptr;
  std::uint32_t refusalEnds_ = 0;

  platform::Audio& audio_;
  shell::MusicState musicState_;
  std::optional<shell::Music> music_; // needs the window's dialogs: made by Init
  shell::SettingsValues settings_;
  shell::SettingsFile settingsFile_;
  std::optional<std::uint32_t> settingsChangedAt_;
  // What the settings file holds as last read or written.
  std::pair<engine::Options, shell::SettingsValues> saved_;
  bool settingsWarned_ = false;
  records::HallState hall_;
  records::HallFile hallFile_;
  records::HallPictures hallPictures_;
  platform::Bitmap SaveHof_{records::PanelWidth, records::PanelHeight};
  render::Tilesets tilesets_;
  render::Backgrounds backgrounds_;
  int tilesetIndex_ = render::DefaultTilesetIndex;
  int backgroundIndex_ = render::DefaultBackgroundIndex;
  records::HelpViewer help_{pictures_.TileSheet, desktop_.Painter()};
};
