#include "app/pelmar.h"

#include <algorithm>
#include <array>

#include "app/panel_items.h"
#include "app/picture_loading.h"
#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/layout_loading.h"
#include "engine/shuffle.h"
#include "games/player_clocks_panel.h"
#include "platform/files.h"
#include "platform/qt/builtin_files.h"
#include "platform/qt/short_date.h"
#include "records/game_number.h"
#include "records/game_over.h"
#include "records/hall_viewer.h"
#include "shell/command_enabling.h"
#include "shell/data_folders.h"
#include "shell/game_result.h"
#include "shell/games_panel.h"
#include "shell/settings.h"
#include "shell/sound_effects.h"
#include "shell/startup.h"

namespace {

using shell::CommandId;

constexpr int SmallScreenWidth = 640;

constexpr int LayoutRadioGroup = 1, TilesetRadioGroup = 2, BackgroundRadioGroup = 3,
              MusicRadioGroup = 4, CommandRadioGroups = 4; // + shell::RadioGroup

// The screens that hold no game: leaving or entering them keeps the hall-of-fame highlight.
bool IsScreenMode(int mode) {
  return mode == engine::ModeNone || mode >= engine::ModeGamesPanel;
}

// The screens drawn on the clean background only.
bool ShowsBackgroundOnly(int mode) {
  static constexpr std::array Modes{engine::ModeSlider, engine::ModeHashira, engine::ModeGamesPanel,
                                    engine::ModePaused, engine::ModeGameOver};
  return std::find(Modes.begin(), Modes.end(), mode) != Modes.end();
}

// The fixed entries at the top of the picture menus exclude the folder entries below them.
int PictureRadioGroup(CommandId id) {
  switch (id) {
  case CommandId::LoadTilesetFromDisk:
    return TilesetRadioGroup;
  case CommandId::LoadBackgroundFromDisk:
  case CommandId::SolidBackground:
    return BackgroundRadioGroup;
  default:
    return 0;
  }
}

bool IsEnabledAtStart(const shell::Command& c) {
  if (c.availability != shell::Availability::Built) return false;
  return !c.gate || shell::CommandEnabled(*c.gate, engine::ModeNone);
}

// Menu indices of the Tileset and Background menus and the window's command ids.
int TilesetCommand(int index) {
  return index == render::PictureMenu::FromDisk
             ? static_cast<int>(CommandId::LoadTilesetFromDisk)
             : shell::TilesetEntryBase + index - render::FirstTilesetEntry + 1;
}
int BackgroundCommand(int index) {
  if (index == render::PictureMenu::FromDisk)
    return static_cast<int>(CommandId::LoadBackgroundFromDisk);
  if (index == render::SolidBackgroundIndex) return static_cast<int>(CommandId::SolidBackground);
  return shell::BackgroundEntryBase + index - render::FirstBackgroundEntry + 1;
}

} // namespace

const TPelmar::Handler TPelmar::Handlers[] = {
    {CommandId::LastPlayedGame, &TPelmar::NewGame},
    {CommandId::RandomSolitaire, &TPelmar::RandomSolitaire},
    {CommandId::SpecificSolitaire, &TPelmar::SpecificSolitaire},
    {CommandId::TwoPlayerSolitaire, &TPelmar::TwoPlayers},
    {CommandId::Exit, &TPelmar::Exit},
    {CommandId::Redraw, &TPelmar::Redraw},
    {CommandId::LoadTilesetFromDisk, &TPelmar::LoadTilesetFromDisk},
    {CommandId::LoadBackgroundFromDisk, &TPelmar::LoadBackgroundFromDisk},
    {CommandId::SolidBackground, &TPelmar::SolidBackground},
    {CommandId::Back, &TPelmar::Back},
    {CommandId::Hint, &TPelmar::Hint},
    {CommandId::Shuffle, &TPelmar::Shuffle},
    {CommandId::Restart, &TPelmar::Restart},
    {CommandId::Pause, &TPelmar::Pause},
    {CommandId::Stop, &TPelmar::Stop},
    {CommandId::Vertical, &TPelmar::Vertical},
    {CommandId::ShowRomanized, &TPelmar::ShowRomanized},
    {CommandId::ShowHallOfFame, &TPelmar::ShowHallPanel},
    {CommandId::CoolMenu, &TPelmar::CoolMenu},
    {CommandId::CoolToolbar, &TPelmar::CoolToolbar},
    {CommandId::FlatButtons, &TPelmar::FlatButtons},
    {CommandId::HallOfFame, &TPelmar::ShowScores},
    {CommandId::PlayerName, &TPelmar::ShowScores},
    {CommandId::ShowGirls, &TPelmar::ShowGirls},
    {CommandId::ShowTile, &TPelmar::ShowTile},
    {CommandId::Gradient, &TPelmar::Gradient},
    {CommandId::ShowToolbar, &TPelmar::ShowToolbar},
    {CommandId::ShowStatusBar, &TPelmar::ShowStatusLine},
    {CommandId::CoolMouse, &TPelmar::CoolMouse},
    {CommandId::AnimateCursor, &TPelmar::AnimateCursor},
    {CommandId::PlayMusic, &TPelmar::PlayMusic},
    {CommandId::RandomMusic, &TPelmar::RandomMusic},
    {CommandId::SetMusic, &TPelmar::SetMusic},
    {CommandId::EnableMOD, &TPelmar::EnableMOD},
    {CommandId::Shadows, &TPelmar::Shadows},
    {CommandId::AnimatePause, &TPelmar::AnimatePauseClick},
    {CommandId::Invert, &TPelmar::Invert},
    {CommandId::HighlightNone, &TPelmar::HighlightNone},
    {CommandId::HighlightRed, &TPelmar::HighlightRed},
    {CommandId::HighlightColoredTile, &TPelmar::HighlightColoredTile},
    {CommandId::HighlightGreen, &TPelmar::HighlightGreen},
    {CommandId::HighlightBlue, &TPelmar::HighlightBlue},
    {CommandId::ShowMoves, &TPelmar::ShowMoves},
    {CommandId::ShowTime, &TPelmar::ShowTime},
};

// Only kinds that can be played are listed: "Last Played Game" after a kind that is not built
// yet starts nothing rather than another game.
const TPelmar::GameStart TPelmar::GameStarts[] = {
    {shell::GameKind::Solitaire, &TPelmar::RandomSolitaire},
    {shell::GameKind::TwoPlayerSolitaire, &TPelmar::TwoPlayers},
};

TPelmar::TPelmar(std::string programDir, platform::Audio& audio)
    : renderer_(state_, pictures_, *this, *this), gameClock_(state_, *this, *this), audio_(audio),
      settingsFile_(programDir + std::string(shell::SettingsFileName)),
      hallFile_(programDir + records::HallFileName), tilesets_(state_, *this, pictures_),
      backgrounds_(state_, *this, pictures_) {
  state_.layouts.ProgramDir = std::move(programDir);
}

bool TPelmar::Init(platform::qt::WindowPort& window) {
  window_ = &window;
  music_.emplace(musicState_, state_.options, state_.rng, audio_, ui(), *this,
                 state_.layouts.ProgramDir + "Musics");
  Splashing("Initializing...");
  window_->SetBoardPicture(pictures_.Game);
  window_->SetBackgroundPicture(pictures_.BackgroundBitmap);
  engine::ShowStatus(state_.status, " ");
  Splashing("Loading preferences...");
  ReadSettings();
  // A screen 640 pixels wide has no room beside the board nor above it.
  if (window_->ScreenWidth() == SmallScreenWidth) {
    state_.options.ShowHallOfFame = false;
    state_.options.ShowToolbar = false;
  }
  render::RetireOldTilesets(state_.layouts.ProgramDir + "Tilesets/");
  shell::LoadSoundEffects(audio_, platform::qt::ReadBuiltin);
  if (const std::string missing = LoadFiles(); !missing.empty()) {
    if (splash_) splash_->Close(); // it would stand over the message
    splash_ = nullptr;
    ui().ShowMessage(missing);
    return false;
  }
  Splashing("Initializing...");
  BuildMenus();
  CheckMusicEntry(musicState_.MidiNumber);
  EnableMusicButton(state_.options.PlayMusic);
  window_->ShowPart(platform::qt::WindowPart::StatusLine, state_.options.ShowStatusBar);
  window_->ShowPart(platform::qt::WindowPart::Toolbar, state_.options.ShowToolbar);
  ApplyLook();
  Splashing("Loading graphics...");
  window_->SetGamesPanel(app::GamesPanelItems());
  idlePictures_ = app::LoadIdlePictures();
  hallPictures_ = app::LoadHallPictures();
  SaveHof_ = hallPictures_.HofPic;
  window_->SetSidePanelPicture(SaveHof_);
  if (state_.options.ShowHallOfFame) {
    window_->ShowPart(platform::qt::WindowPart::SidePanel, true);
    hall_.HallPanelRefresh = true;
  }
  ActiveTilesetBackground();
  LoadStartLayout();
  ShowPanelHOF();
  window_->AfterFirstPaint([this] {
    if (state_.options.PlayMusic) music_->CallMusic();
  });
  renderer_.ColorHighlight();
  window_->StartClock();
  return true;
}

void TPelmar::ShowMainWindow() {
  // A place stored on a screen of another width could lie off this one.
  platform::qt::Placement placement;
  placement.fullScreen = state_.options.SetRes800;
  const bool small = window_->ScreenWidth() == SmallScreenWidth;
  placement.atStoredPlace = small || settings_.PreviousRes == window_->ScreenWidth();
  placement.x = small ? 0 : settings_.XPos;
  placement.y = small ? 0 : settings_.YPos;
  window_->ShowFirstTime(placement);
  FormShow();
}

void TPelmar::ReadSettings() {
  if (const std::string unread =
          settingsFile_.Read(window_->ScreenWidth(), state_.options, settings_);
      !unread.empty())
    ui().ShowMessage(unread);
  state_.layouts.LayoutIndex = settings_.LayoutIndex;
  state_.LastBoard = settings_.LastBoard;
  state_.board.GameNumber = settings_.GameNumber;
  tilesetIndex_ = settings_.TilesetIndex;
  backgroundIndex_ = settings_.BackgroundIndex;
  tilesets_.menu.lastLoaded = settings_.LastLoadedTileset;
  backgrounds_.menu.lastLoaded = settings_.LastLoadedBackground;
  backgrounds_.ColorBackground = static_cast<std::uint32_t>(settings_.ColorBackground);
  hall_.CurrentPlayerName = records::NormalisedPlayerName(settings_.CurrentPlayerName);
  hall_.AltGirls = settings_.AltGirls;
}

void TPelmar::SaveSettings() {
  const auto checked = [](const render::PictureMenu& menu) { return std::max(menu.checked, 0); };
  settings_.TilesetIndex = checked(tilesets_.menu);
  settings_.BackgroundIndex = checked(backgrounds_.menu);
  settings_.LastLoadedTileset = tilesets_.menu.lastLoaded;
  settings_.LastLoadedBackground = backgrounds_.menu.lastLoaded;
  settings_.ColorBackground = static_cast<int>(backgrounds_.ColorBackground);
  settings_.LayoutIndex = state_.layouts.LayoutIndex;
  settings_.LastBoard = state_.LastBoard;
  settings_.GameNumber = state_.board.GameNumber;
  settings_.MidiNumber = musicState_.MidiNumber;
  settings_.CurrentPlayerName = hall_.CurrentPlayerName;
  const platform::qt::WindowGeometry at = window_->Geometry();
  settings_.XPos = at.x;
  settings_.YPos = at.y;
  settings_.WPos = at.width;
  settings_.HPos = at.height;
  settings_.PreviousRes = window_->ScreenWidth();
  if (const std::string failed = settingsFile_.Save(state_.options, settings_); !failed.empty())
    ui().ShowMessage(failed);
}

void TPelmar::Splashing(const std::string& text) {
  if (splash_) splash_->Splashing(text);
}

void TPelmar::FormShow() {
  if (splash_) splash_->Close();
  splash_ = nullptr;
  if (state_.board.GameMode != engine::ModeNone) return;
  PlaceGamesPanel();
  IM(engine::ModeGamesPanel);
  if (state_.options.StartDirectly) NewGame();
}

void TPelmar::FormResize(const platform::qt::BoardArea& board) {
  boardArea_ = board;
  PlaceGamesPanel();
}

void TPelmar::PlaceGamesPanel() {
  if (!window_) return; // the window reports its size before Init hands it over
  // Centred over the board picture wherever the window shows it, at the panel's own size.
  const shell::PanelOrigin origin =
      shell::CentredPanelOrigin(boardArea_.width, boardArea_.height, boardArea_.top);
  window_->PlaceGamesPanel(boardArea_.left + origin.left, origin.top);
}

std::string TPelmar::LoadFiles() {
  const std::string& dir = state_.layouts.ProgramDir;
  const auto nothingIn = [](const std::string& what, const std::string& folder) {
    return "No " + what + " was found in the folder \"" + folder +
           "\". Pelmar cannot start without one.";
  };
  Splashing("Checking for MIDI files...");
  if (!music_->Discover(settings_.MidiNumber)) return nothingIn("music track", dir + "Musics/");
  Splashing("Checking for graphics...");
  backgrounds_.menu.captions = shell::ScanCaptions(dir + "Backgrounds", {".jpg", ".bmp"});
  tilesets_.menu.captions = shell::ScanCaptions(dir + "Tilesets", {".bmp"});
  Splashing("Checking for layouts...");
  const std::string layouts = state_.layouts.LayoutsFolder();
  if (!shell::ChooseStartLayout(state_, shell::ScanCaptions(layouts, {".lay"}),
                                shell::ScanFileNames(layouts, {".shp"})))
    return nothingIn("layout", layouts);
  Splashing("Reading high scores...");
  if (const std::string unread = hallFile_.Read(hall_.tables, state_.layouts.LayoutNames);
      !unread.empty())
    ui().ShowMessage(unread);
  // Stored files that have gone are forgotten, so "Load from disk" asks afresh.
  for (render::PictureMenu* menu : {&tilesets_.menu, &backgrounds_.menu})
    if (!menu->lastLoaded.empty() && !platform::FileExists(menu->lastLoaded))
      menu->lastLoaded.clear();
  return {};
}

void TPelmar::ActiveTilesetBackground() {
  const std::string& dir = state_.layouts.ProgramDir;
  // An index beyond the menu or on a separator clicks nothing.
  if (backgroundIndex_ == render::SolidBackgroundIndex)
    backgrounds_.None1Click(false);
  else if (backgroundIndex_ != render::FirstBackgroundEntry - 1)
    backgrounds_.LoadBackgroundClick(backgroundIndex_);
  if (backgrounds_.menu.captions.empty())
    ui().ShowMessage("No background picture was found in the folder \"" + dir +
                     "Backgrounds/\". The board is shown on black.");
  tilesets_.Load1Click(tilesetIndex_);
  if (tilesets_.menu.captions.empty())
    ui().ShowMessage("No tileset was found in the folder \"" + dir +
                     "Tilesets/\". The tiles are shown without pictures.");
  SyncPictureMenus();
}

void TPelmar::SyncPictureMenus() {
  const auto sync = [this](const render::PictureMenu& menu, int (*command)(int), int first) {
    window_->SetChecked(command(render::PictureMenu::FromDisk),
                        menu.checked == render::PictureMenu::FromDisk);
    for (int k = 0; k < static_cast<int>(menu.captions.size()); ++k)
      window_->SetChecked(command(first + k), menu.checked == first + k);
  };
  sync(tilesets_.menu, TilesetCommand, render::FirstTilesetEntry);
  sync(backgrounds_.menu, BackgroundCommand, render::FirstBackgroundEntry);
  window_->SetChecked(static_cast<int>(CommandId::SolidBackground),
                      backgrounds_.menu.checked == render::SolidBackgroundIndex);
}

void TPelmar::LoadStartLayout() {
  engine::LayoutState& layouts = state_.layouts;
  layouts.StartupLoading = true;
  if (engine::IsShpEntry(layouts.LayoutPath))
    engine::RunShpLayout(state_, *this, layouts.LayoutPath);
  else
    engine::RunLayout(state_, *this, layouts.LayoutPath);
  layouts.StartupLoading = false;
  if (layouts.CheckedEntry > 0)
    window_->SetChecked(shell::LayoutEntryBase + layouts.CheckedEntry, true);
}

void TPelmar::BuildMenus() {
  using platform::qt::MenuItem;
  std::vector<MenuItem> items;
  for (const shell::Command& c : shell::Commands()) {
    if (c.menu == shell::Menu::Board) continue;
    MenuItem item;
    item.id = static_cast<int>(c.id);
    const std::optional<shell::Menu> parent = shell::ParentMenu(c.menu);
    item.menu = shell::MenuTitle(parent.value_or(c.menu));
    if (parent) item.submenu = shell::MenuTitle(c.menu);
    item.caption = c.caption;
    item.shortcut = c.shortcut;
    item.checkable = shell::IsCheckable(c);
    item.checked = shell::IsChecked(c, state_.options);
    item.enabled = IsEnabledAtStart(c);
    item.radioGroup =
        c.radio ? CommandRadioGroups + static_cast<int>(c.radio->group) : PictureRadioGroup(c.id);
    item.checkable = item.checkable || item.radioGroup != 0;
    item.separatorAfter = c.separatorAfter;
    items.push_back(std::move(item));
  }
  const auto addEntries = [&](shell::Menu menu, const std::vector<std::string>& captions, int base,
                              int group) {
    for (std::size_t k = 0; k < captions.size(); ++k) {
      MenuItem item;
      item.id = base + static_cast<int>(k) + 1;
      item.menu = shell::MenuTitle(menu);
      item.caption = captions[k];
      item.checkable = true;
      item.radioGroup = group;
      items.push_back(std::move(item));
    }
  };
  addEntries(shell::Menu::Layout, state_.layouts.LayoutNames, shell::LayoutEntryBase,
             LayoutRadioGroup);
  addEntries(shell::Menu::Tileset, tilesets_.menu.captions, shell::TilesetEntryBase,
             TilesetRadioGroup);
  addEntries(shell::Menu::Background, backgrounds_.menu.captions, shell::BackgroundEntryBase,
             BackgroundRadioGroup);
  addEntries(shell::Menu::Music, musicState_.Tracks, shell::MusicEntryBase, MusicRadioGroup);

  std::vector<platform::qt::ToolItem> tools;
  for (const shell::ToolbarButton& b : shell::ToolbarButtons())
    tools.push_back({static_cast<int>(b.command), std::string(b.caption), std::string(b.hint),
                     std::string(b.icon), std::string(b.fallback), b.menuGlyph,
                     std::string(b.otherIcon), std::string(b.otherFallback)});
  window_->SetMenus(items, tools);

  std::vector<platform::qt::PopupItem> popup;
  for (const shell::PopupEntry& e : shell::BoardPopup()) {
    const shell::Command* c = shell::FindCommand(e.command);
    popup.push_back({static_cast<int>(e.command), std::string(e.caption), e.followsMenuBar,
                     c && c->availability == shell::Availability::Built, e.isDefault});
  }
  window_->SetBoardPopup(popup);
}

void TPelmar::IM(int newMode) {
  const int old = state_.board.GameMode;
  if (old == engine::ModeSlider || old == engine::ModeHashira) renderer_.ShowFond();
  if (old != newMode && !IsScreenMode(old) && !IsScreenMode(newMode)) state_.LastHallRank = 0;
  state_.board.GameMode = static_cast<std::uint8_t>(newMode);
  // A new screen starts with the arrow; the pointer rules bring the hand back over tiles.
  ShowCursor(render::CursorShape::Arrow);
  if (shell::RevealsSameGameButton(newMode)) window_->ShowSameGameButton();
  if (ShowsBackgroundOnly(newMode)) renderer_.ShowFond();
  window_->ShowGamesPanel(shell::GamesPanelShown(newMode, state_.options));
  window_->EnableBoardPopup(newMode != engine::ModeEditor);
  RunClockWhenNeeded();
  for (const shell::Command& c : shell::Commands())
    if (c.gate && c.availability == shell::Availability::Built)
      window_->SetEnabled(static_cast<int>(c.id), shell::CommandEnabled(*c.gate, newMode));
  RunThreadTimerWhenNeeded();
}

void TPelmar::RunThreadTimerWhenNeeded() {
  if (games::ThreadTimerNeeded(state_)) window_->StartThreadTimer(games::MinimumTimerSleep);
}

int TPelmar::Timer1timer() {
  if (!games::ThreadTimerNeeded(state_)) return platform::qt::ThreadTimerStopped;
  const std::uint32_t start = clock_.TickCount();
  // Hashira's step joins here when that game is built.
  if (state_.board.GameMode == engine::ModeGamesPanel)
    shell::AnimateGamesPanel(pause_.AnimationStep, pictures_, idlePictures_, *this);
  else if (state_.board.GameMode == engine::ModePaused)
    shell::AnimatePauseScreen(pause_.AnimationStep, pictures_, idlePictures_, *this);
  return threadPacing_.NextDelay(start, clock_.TickCount());
}

void TPelmar::Repaint() {
  // Every board change is painted synchronously as it is shown, so an animation step is on
  // screen already; what remains is to let the window system flush it.
  window_->ProcessEvents();
}

void TPelmar::ShowPanelHOF() {
  if (!state_.options.ShowHallOfFame) return;
  const int mode = state_.board.GameMode;
  records::ShowPanelHOF(state_, mode == engine::ModePaused ? pause_.PausedMode : mode, hall_,
                        hallPictures_, SaveHof_, painter_, *this);
  window_->ShowSidePanel();
}

void TPelmar::RefreshHallPanel() {
  if (hall_.HallPanelRefresh) ShowPanelHOF();
}

void TPelmar::ShowCurrentTile(int tile) {
  records::ShowCurrentTile(SaveHof_, hallPictures_.HofPic, state_.board, pictures_, tile);
  window_->ShowSidePanel();
}

void TPelmar::WriteAltGirls(bool on) {
  settings_.AltGirls = on;
  if (const std::string failed = settingsFile_.SaveOrchid(on); !failed.empty())
    ui().ShowMessage(failed);
}

void TPelmar::SaveHall() {
  if (const std::string failed = hallFile_.Save(hall_.tables, state_.layouts.LayoutNames);
      !failed.empty())
    ui().ShowMessage(failed);
}

std::string TPelmar::Today() const {
  const auto today = platform::qt::TodayLocal();
  return records::ShortDateText(today.year, today.month, today.day,
                                platform::qt::ShortDatePattern());
}

void TPelmar::ShowScores() {
  ShowPauseStep(shell::CheckPause(state_, pause_, *this));
  const int launch = RunHallWindow();
  ShowPauseStep(shell::UnCheckPause(state_, pause_, *this));
  Launch(launch);
}

int TPelmar::RunHallWindow() {
  records::HallViewer viewer(hall_, state_, ui(), *this);
  window_->ShowHallWindow(viewer);
  if (viewer.Changed()) SaveHall();
  return viewer.LaunchSlot();
}

void TPelmar::Launch(int slot) {
  const auto order = records::LaunchOrderFor(slot);
  if (!order) return;
  if (order->layoutEntry > 0) {
    // Loading the layout deals a one-player game on it, so the result lands in its table.
    state_.options.RandomSeed1 = false;
    LoadlayoutClick(order->layoutEntry);
  } else if (order->command) {
    OnCommand(static_cast<int>(*order->command));
  }
}

void TPelmar::ShowHallPanel() {
  engine::Options& o = state_.options;
  o.ShowHallOfFame = !o.ShowHallOfFame;
  window_->ShowPart(platform::qt::WindowPart::SidePanel, o.ShowHallOfFame);
  if (o.ShowHallOfFame) {
    ShowPanelHOF();
    hall_.HallPanelRefresh = true;
  }
  renderer_.FullRedraw();
}

void TPelmar::ShowGirls() {
  state_.options.ShowGirls = !state_.options.ShowGirls;
  ShowPanelHOF();
}

void TPelmar::ShowTile() {
  state_.options.ShowTile = !state_.options.ShowTile;
  ShowPanelHOF();
}

void TPelmar::ResetPauseCaptions() {
  ShowPauseCaptions(shell::PlayingCaptions);
}

void TPelmar::ShowPauseCaptions(const shell::PauseCaptions& captions) {
  const int pause = static_cast<int>(CommandId::Pause);
  window_->SetCaptions(pause, std::string(captions.menu), std::string(captions.button));
  window_->SetButtonLook(pause, captions.button == shell::PausedCaptions.button);
}

void TPelmar::Pause() {
  ShowPauseStep(shell::PauseClick(state_, pause_, *this));
}

void TPelmar::FormActivate() {
  ShowPauseStep(shell::FormActivate(state_, pause_, *this));
  RunClockWhenNeeded();
}

void TPelmar::FormDeactivate() {
  ShowPauseStep(shell::FormDeactivate(state_, pause_, *this));
  RunClockWhenNeeded();
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

void TPelmar::PlayWave(engine::Sound sound) {
  shell::PlayWave(audio_, state_.options, sound);
}

void TPelmar::DrawPlayerClocks(const games::PlayerClocks& clocks) {
  if (!state_.options.ShowHallOfFame) return;
  games::DrawPlayerClocks(SaveHof_, hallPictures_.HofPic, clocks, painter_);
  window_->ShowSidePanel();
}

void TPelmar::TwoPlayerGameOver() {
  engine::Board& b = state_.board;
  renderer_.ShowFond();
  b.GameOverShown = true;
  gameClock_.WriteScore();
  ShowStatusBar();
  IM(engine::ModePaused); // both turn clocks stop here
  window_->ShowResult({"Board finished !",
                       {"Congratulations !", "You finished the board...",
                        std::string(engine::Verdict(state_.scoring))},
                       "Thank you !"});
  IM(engine::ModeGamesPanel);
  pause_.PausedMode = engine::ModeGamesPanel;
}

void TPelmar::GameOver() {
  engine::Board& b = state_.board;
  if (b.GameMode == engine::ModeTwoPlayers) return TwoPlayerGameOver();
  ShowCursor(render::CursorShape::Arrow);
  renderer_.ShowFond();
  b.GameOverShown = true;
  const records::GameOverOutcome outcome = records::PrepareGameOver(state_, hall_, 0);
  gameClock_.WriteScore();
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
  IM(engine::ModeGamesPanel);
  pause_.PausedMode = engine::ModeGamesPanel;
  Launch(launch);
}

void TPelmar::Stop() {
  if (state_.board.GameMode == engine::ModePaused) ResetPauseCaptions();
  IM(engine::ModeGamesPanel);
  renderer_.ShowFond();
  ShowPanelHOF();
}

void TPelmar::CountMoves() {
  engine::IsItFree(state_);
}

void TPelmar::AskGameNumber() {
  records::GameNumberModel model(state_.board.GameNumber, state_.rng);
  platform::qt::GameNumberDialog dialog;
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
  window_->AskGameNumber(dialog);
}

void TPelmar::LayoutAdded(int) {
  // Only the layout editor saves layouts under new names, and it is not part of this window yet.
}

void TPelmar::NewGame() {
  // Each start operation reuses the difficulty that the last game of its kind left in
  // LayoutIndex.
  const shell::GameKind kind =
      shell::LastPlayedKind(state_.board.GameMode, state_.layouts.LayoutIndex);
  const auto start = std::find_if(std::begin(GameStarts), std::end(GameStarts),
                                  [kind](const GameStart& g) { return g.kind == kind; });
  if (start != std::end(GameStarts)) (this->*start->start)();
}

void TPelmar::RandomSolitaire() {
  engine::RandomSolitaireGame1Click(state_, *this);
}

void TPelmar::Shuffle() {
  engine::Shuffle1Click(state_, *this);
}

void TPelmar::Vertical() {
  engine::VerticalClick(state_, *this);
}

void TPelmar::Shadows() {
  state_.options.Shadows = !state_.options.Shadows;
  renderer_.FullRedraw();
}

void TPelmar::ShowToolbar() {
  state_.options.ShowToolbar = !state_.options.ShowToolbar;
  window_->ShowPart(platform::qt::WindowPart::Toolbar, state_.options.ShowToolbar);
  renderer_.FullRedraw();
}

void TPelmar::ApplyLook() {
  const engine::Options& o = state_.options;
  window_->SetLook({o.CoolMenu, o.CoolToolbar, o.FlatButtons});
}

void TPelmar::ShowStatusLine() {
  state_.options.ShowStatusBar = !state_.options.ShowStatusBar;
  window_->ShowPart(platform::qt::WindowPart::StatusLine, state_.options.ShowStatusBar);
}

void TPelmar::CoolMouse() {
  state_.options.CoolMouse = !state_.options.CoolMouse;
  ShowCursor(state_.options.CoolMouse ? render::CursorShape::Hand : render::CursorShape::Arrow);
}

void TPelmar::AnimateCursor() {
  state_.options.AnimateCursor = !state_.options.AnimateCursor;
  if (!state_.options.AnimateCursor && cursor_ == render::CursorShape::PressedHand)
    ShowCursor(render::CursorShape::Hand);
}

void TPelmar::CheckMusicEntry(int midiNumber) {
  for (int k = 1; k <= musicState_.MusicCount; ++k)
    window_->SetChecked(shell::MusicEntryBase + k, k == midiNumber);
}

void TPelmar::EnableMusicButton(bool enabled) {
  window_->SetEnabled(static_cast<int>(CommandId::SetMusic), enabled);
}

void TPelmar::AnimatePauseClick() {
  state_.options.AnimatePause = !state_.options.AnimatePause;
  // The last frame stays on the board otherwise.
  const int mode = state_.board.GameMode;
  if (mode == engine::ModeGamesPanel || mode == engine::ModePaused) renderer_.FullRedraw();
  RunThreadTimerWhenNeeded();
}

void TPelmar::OnCommand(int id) {
  const auto inList = [id](int base, std::size_t count) {
    return id > base && id <= base + static_cast<int>(count);
  };
  if (inList(shell::LayoutEntryBase, state_.layouts.LayoutNames.size()))
    LoadlayoutClick(id - shell::LayoutEntryBase);
  else if (inList(shell::TilesetEntryBase, tilesets_.menu.captions.size()))
    tilesets_.Load1Click(id - shell::TilesetEntryBase - 1 + render::FirstTilesetEntry);
  else if (inList(shell::MusicEntryBase, musicState_.Tracks.size()))
    music_->LoadMidiClick(id - shell::MusicEntryBase);
  else if (inList(shell::BackgroundEntryBase, backgrounds_.menu.captions.size()))
    backgrounds_.LoadBackgroundClick(id - shell::BackgroundEntryBase - 1 +
                                     render::FirstBackgroundEntry);
  else
    RunFixedCommand(static_cast<CommandId>(id));
  SyncPictureMenus();
  RunClockWhenNeeded();
}

void TPelmar::RunFixedCommand(CommandId id) {
  const shell::Command* command = shell::FindCommand(id);
  if (!command || command->availability != shell::Availability::Built) return;
  const auto handler = std::find_if(std::begin(Handlers), std::end(Handlers),
                                    [id](const Handler& h) { return h.id == id; });
  if (handler != std::end(Handlers))
    (this->*handler->run)();
  else
    shell::ApplyMark(*command, state_.options);
  SyncCheckMarks();
}

void TPelmar::SyncCheckMarks() {
  // A handler may refuse the change (the player cancels a question): the marks show the options.
  for (const shell::Command& c : shell::Commands())
    if (shell::IsCheckable(c))
      window_->SetChecked(static_cast<int>(c.id), shell::IsChecked(c, state_.options));
}

void TPelmar::LoadlayoutClick(int entry) {
  engine::LayoutState& layouts = state_.layouts;
  if (engine::IsShpEntry(layouts.LayoutNames[entry - 1]))
    engine::LoadShplayoutClick(state_, *this, entry);
  else
    engine::LoadlayoutClick(state_, *this, entry);
  if (layouts.CheckedEntry > 0)
    window_->SetChecked(shell::LayoutEntryBase + layouts.CheckedEntry, true);
}

void TPelmar::ShowCursor(render::CursorShape shape) {
  static constexpr std::array Shapes{platform::qt::BoardCursor::Arrow,
                                     platform::qt::BoardCursor::Hand,
                                     platform::qt::BoardCursor::PressedHand};
  if (shape == cursor_) return;
  cursor_ = shape;
  window_->SetBoardCursor(Shapes[static_cast<int>(shape)]);
}

void TPelmar::OnStatusCaptionClick(int field) {
  // "Moves left" and "Time" stand for their menu options; "Tiles" and "Status" do nothing.
  if (field == 1) RunFixedCommand(CommandId::ShowMoves);
  if (field == 2) RunFixedCommand(CommandId::ShowTime);
}

void TPelmar::OnBoardPress() {
  render::CursorShape next = cursor_;
  render::HandDown(state_.options, next);
  ShowCursor(next);
}

void TPelmar::OnBoardMove(int x, int y) {
  render::CursorShape next = cursor_;
  render::FormMouseMove(state_, *this, *this, next, x, y);
  ShowCursor(next);
}

void TPelmar::OnBoardRelease(platform::qt::PointerButton button, int x, int y) {
  static constexpr std::array Buttons{engine::MouseButton::Left, engine::MouseButton::Right,
                                      engine::MouseButton::Middle};
  render::CursorShape next = cursor_;
  render::HandUp(next);
  ShowCursor(next);
  // The first click on a stacked board ends the panel's redraw with every board redraw.
  const int mode = state_.board.GameMode;
  if ((mode >= engine::ModeSolitaire && mode <= engine::ModeMemory) || mode == engine::ModeEditor)
    hall_.HallPanelRefresh = false;
  engine::ButtonDown(state_, *this, Buttons[static_cast<int>(button)], x, y);
  RunClockWhenNeeded();
}

bool TPelmar::OnClockTick() {
  gameClock_.Temps();
  ShowStatusBar();
  return gameClock_.HasWork(false);
}

void TPelmar::RunClockWhenNeeded() {
  if (gameClock_.HasWork(false)) window_->StartClock();
}

void TPelmar::ShowStatusBar() {
  games::StatusBar& bar = gameClock_.Bar();
  const std::array<const games::StatusField*, platform::qt::StatusFieldCount> fields{
      &bar.Tiles(), &bar.MovesLeft(), &bar.Time(), &bar.Status()};
  for (int i = 0; i < platform::qt::StatusFieldCount; ++i)
    if (fields[i]->changed) window_->SetStatusField(i, fields[i]->text);
  bar.MarkShown();
}

void TPelmar::OnClosing() {
  IM(engine::ModeClosing);
  SaveSettings();
  SaveHall();
  music_->Close();
}
