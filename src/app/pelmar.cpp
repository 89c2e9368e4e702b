#include "app/pelmar.h"

#include <algorithm>
#include <array>

#include "app/panel_items.h"
#include "app/picture_loading.h"
#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/layout_loading.h"
#include "engine/shuffle.h"
#include "platform/files.h"
#include "shell/command_enabling.h"
#include "shell/data_folders.h"
#include "shell/game_result.h"
#include "shell/games_panel.h"

namespace {

using shell::CommandId;

// A fresh installation starts on this layout.
constexpr const char* StartLayout = "Traditional";

constexpr int LayoutRadioGroup = 1, TilesetRadioGroup = 2, BackgroundRadioGroup = 3,
              HighlightRadioGroup = 4;

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
};

TPelmar::TPelmar(std::string programDir)
    : renderer_(state_, pictures_, *this, *this), gameClock_(state_, *this, *this),
      tilesets_(state_, *this, pictures_), backgrounds_(state_, *this, pictures_) {
  state_.layouts.ProgramDir = std::move(programDir);
}

bool TPelmar::Init(platform::qt::WindowPort& window) {
  window_ = &window;
  window_->SetBoardPicture(pictures_.Game);
  engine::ShowStatus(state_.status, " ");
  LoadFiles();
  if (state_.layouts.LayoutCount() == 0) {
    ui().ShowMessage("No layout was found in the folder \"" + state_.layouts.LayoutsFolder() +
                     "\". Pelmar cannot start without one.");
    return false;
  }
  BuildMenus();
  window_->SetGamesPanel(app::GamesPanelItems());
  idlePictures_ = app::LoadIdlePictures();
  ActiveTilesetBackground();
  LoadStartLayout();
  renderer_.ColorHighlight();
  window_->StartClock();
  return true;
}

void TPelmar::FormShow() {
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

void TPelmar::LoadFiles() {
  const std::string& dir = state_.layouts.ProgramDir;
  render::RetireOldTilesets(dir + "Tilesets/");
  backgrounds_.menu.captions = shell::ScanCaptions(dir + "Backgrounds", {".jpg", ".bmp"});
  tilesets_.menu.captions = shell::ScanCaptions(dir + "Tilesets", {".bmp"});
  state_.layouts.LayoutNames = shell::ScanLayoutNames(state_.layouts.LayoutsFolder());
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
  int entry = shell::EntryNamed(layouts.LayoutNames, StartLayout, 1);
  std::string path = layouts.LayoutsFolder() + layouts.LayoutNames[entry - 1];
  if (platform::FileExists(path + ".lay")) path += ".lay";
  if (!platform::FileExists(path)) {
    entry = 1;
    path = layouts.LayoutsFolder() + layouts.LayoutNames[0];
    if (!engine::IsShpEntry(path)) path += ".lay";
  }
  layouts.LayoutIndex = layouts.CheckedEntry = entry;
  layouts.LayoutPath = path;
  layouts.StartupLoading = true;
  if (engine::IsShpEntry(path))
    engine::RunShpLayout(state_, *this, path);
  else
    engine::RunLayout(state_, *this, path);
  layouts.StartupLoading = false;
  window_->SetChecked(shell::LayoutEntryBase + entry, true);
}

void TPelmar::BuildMenus() {
  using platform::qt::MenuItem;
  std::vector<MenuItem> items;
  for (const shell::Command& c : shell::Commands()) {
    if (c.menu == shell::Menu::Board) continue;
    MenuItem item;
    item.id = static_cast<int>(c.id);
    const bool inSubmenu = c.menu == shell::Menu::Highlight;
    item.menu = shell::MenuTitle(inSubmenu ? shell::Menu::Options : c.menu);
    if (inSubmenu) item.submenu = shell::MenuTitle(c.menu);
    item.caption = c.caption;
    item.shortcut = c.shortcut;
    item.checkable = shell::IsCheckable(c);
    item.checked = shell::IsChecked(c, state_.options);
    item.enabled = IsEnabledAtStart(c);
    item.radioGroup = c.highlightMode ? HighlightRadioGroup : PictureRadioGroup(c.id);
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

  std::vector<platform::qt::ToolItem> tools;
  for (const shell::ToolbarButton& b : shell::ToolbarButtons())
    tools.push_back({static_cast<int>(b.command), std::string(b.caption), std::string(b.icon),
                     std::string(b.fallback), b.menuGlyph, std::string(b.otherIcon),
                     std::string(b.otherFallback)});
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
  const render::CursorShape before = cursor_;
  cursor_ = render::CursorShape::Arrow;
  ApplyCursor(before);
  if (shell::RevealsSameGameButton(newMode)) window_->ShowSameGameButton();
  if (ShowsBackgroundOnly(newMode)) renderer_.ShowFond();
  window_->ShowGamesPanel(shell::GamesPanelShown(newMode, state_.options));
  window_->EnableBoardPopup(newMode != engine::ModeEditor);
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
  // The hall-of-fame side panel is not part of this window yet: nothing shows a table.
}

void TPelmar::ResetPauseCaptions() {
  ShowPauseCaptions(shell::PlayingCaptions);
}

void TPelmar::ShowPauseCaptions(const shell::PauseCaptions& captions) {
  window_->SetCaptions(static_cast<int>(CommandId::Pause), std::string(captions.menu),
                       std::string(captions.button));
}

void TPelmar::Pause() {
  ShowPauseStep(shell::PauseClick(state_, pause_, *this));
}

void TPelmar::FormActivate() {
  ShowPauseStep(shell::FormActivate(state_, pause_, *this));
}

void TPelmar::FormDeactivate() {
  ShowPauseStep(shell::FormDeactivate(state_, pause_, *this));
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

void TPelmar::PlayWave(engine::Sound) {
  // The program has no audio output yet; play goes on silently, as without a sound device.
}

void TPelmar::GameOver() {
  engine::Board& b = state_.board;
  renderer_.ShowFond();
  b.GameOverShown = true;
  gameClock_.WriteScore();
  ShowStatusBar();
  IM(engine::ModeGameOver);
  const shell::GameResult result = shell::TimedBoardResult(games::ShownSeconds(state_.scoring));
  window_->ShowResult(
      {result.caption, {result.heading, result.subheading, result.endMessage}, result.button});
  IM(engine::ModeGamesPanel);
  pause_.PausedMode = engine::ModeGamesPanel;
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
  // "Solitaire (Specific)" stays disabled until its dialog exists; the number stays as it is.
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
  else if (inList(shell::BackgroundEntryBase, backgrounds_.menu.captions.size()))
    backgrounds_.LoadBackgroundClick(id - shell::BackgroundEntryBase - 1 +
                                     render::FirstBackgroundEntry);
  else
    RunFixedCommand(static_cast<CommandId>(id));
  SyncPictureMenus();
}

void TPelmar::RunFixedCommand(CommandId id) {
  const shell::Command* command = shell::FindCommand(id);
  if (!command || command->availability != shell::Availability::Built) return;
  const auto handler = std::find_if(std::begin(Handlers), std::end(Handlers),
                                    [id](const Handler& h) { return h.id == id; });
  if (handler != std::end(Handlers))
    (this->*handler->run)();
  else if (command->option)
    state_.options.*command->option = !(state_.options.*command->option);
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

void TPelmar::ApplyCursor(render::CursorShape before) {
  static constexpr std::array Shapes{platform::qt::BoardCursor::Arrow,
                                     platform::qt::BoardCursor::Hand,
                                     platform::qt::BoardCursor::PressedHand};
  if (cursor_ != before) window_->SetBoardCursor(Shapes[static_cast<int>(cursor_)]);
}

void TPelmar::OnStatusCaptionClick(int field) {
  // "Moves left" and "Time" stand for their menu options; "Tiles" and "Status" do nothing.
  if (field == 1) RunFixedCommand(CommandId::ShowMoves);
  if (field == 2) RunFixedCommand(CommandId::ShowTime);
}

void TPelmar::OnBoardPress() {
  const render::CursorShape before = cursor_;
  render::HandDown(state_.options, cursor_);
  ApplyCursor(before);
}

void TPelmar::OnBoardMove(int x, int y) {
  const render::CursorShape before = cursor_;
  render::FormMouseMove(state_, *this, cursor_, x, y);
  ApplyCursor(before);
}

void TPelmar::OnBoardRelease(platform::qt::PointerButton button, int x, int y) {
  static constexpr std::array Buttons{engine::MouseButton::Left, engine::MouseButton::Right,
                                      engine::MouseButton::Middle};
  const render::CursorShape before = cursor_;
  render::HandUp(cursor_);
  ApplyCursor(before);
  engine::ButtonDown(state_, *this, Buttons[static_cast<int>(button)], x, y);
}

void TPelmar::OnClockTick() {
  gameClock_.Temps();
  ShowStatusBar();
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
}
