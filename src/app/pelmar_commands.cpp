// The commands of the menus, the toolbar and the board's pop-up menu.
#include <algorithm>

#include "app/menu_items.h"
#include "app/pelmar.h"
#include "shell/games_panel.h"
#include "shell/last_played_game.h"
#include "shell/settings.h"

using shell::CommandId;

const TPelmar::Handler TPelmar::Handlers[] = {
    {CommandId::LastPlayedGame, &TPelmar::NewGame},
    {CommandId::Exit, &TPelmar::Exit},
    {CommandId::Redraw, &TPelmar::Redraw},
    {CommandId::LoadTilesetFromDisk, &TPelmar::LoadTilesetFromDisk},
    {CommandId::LoadBackgroundFromDisk, &TPelmar::LoadBackgroundFromDisk},
    {CommandId::SolidBackground, &TPelmar::SolidBackground},
    {CommandId::Back, &TPelmar::Back},
    {CommandId::Hint, &TPelmar::Hint},
    {CommandId::Shuffle, &TPelmar::Shuffle},
    {CommandId::Restart, &TPelmar::Restart},
    {CommandId::StillWinnable, &TPelmar::StillWinnable},
    {CommandId::Solve, &TPelmar::Solve},
    {CommandId::Pause, &TPelmar::Pause},
    {CommandId::Stop, &TPelmar::Stop},
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
    {CommandId::StartLevel, &TPelmar::StartLevelClick},
    {CommandId::HelpContents, &TPelmar::HelpClick},
    {CommandId::WhatsNew, &TPelmar::WhatsNew1Click},
    {CommandId::FrenchHelp, &TPelmar::French1Click},
    {CommandId::ViewTiles, &TPelmar::ViewTiles1Click},
    {CommandId::About, &TPelmar::About},
    {CommandId::SelectLayout, &TPelmar::SelectLayout},
    {CommandId::LoadLayoutFromDisk, &TPelmar::LoadLayoutFromDisk},
    {CommandId::ViewAllLayouts, &TPelmar::ViewAllLayouts},
    {CommandId::ViewFavoritesOnly, &TPelmar::ViewFavoritesOnly},
};

void TPelmar::RunCommand(int id) {
  if (!OnShownMenuBar(id)) return;
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
  SettingsChanged();
}

void TPelmar::RunFixedCommand(CommandId id) {
  const shell::Command* command = shell::FindCommand(id);
  if (!command || command->availability != shell::Availability::Built) return;
  const auto handler = std::find_if(std::begin(Handlers), std::end(Handlers),
                                    [id](const Handler& h) { return h.id == id; });
  const auto game = std::find_if(games_.commands.begin(), games_.commands.end(),
                                 [id](const app::GameCommand& c) { return c.command == id; });
  if (StartGameCommand(id)) {
  } else if (handler != std::end(Handlers)) {
    (this->*handler->run)();
  } else if (game != games_.commands.end()) {
    game->run();
  } else {
    shell::ApplyMark(*command, state_.options);
    if (play::Game* active = ActiveGame()) active->OptionChanged();
  }
  SyncCheckMarks();
}

bool TPelmar::StartGameCommand(CommandId id) {
  const auto start = std::find_if(games_.starts.begin(), games_.starts.end(),
                                  [id](const app::GameStart& s) { return s.command == id; });
  if (start == games_.starts.end()) return false;
  StartGame(*start->game, start->variant);
  return true;
}

void TPelmar::SyncCheckMarks() {
  // A handler may refuse the change (the player cancels a question): the marks show the options.
  for (const shell::Command& c : shell::Commands())
    if (shell::IsCheckable(c))
      window_->SetChecked(static_cast<int>(c.id), shell::IsChecked(c, state_.options));
}

void TPelmar::SyncPictureMenus() {
  const auto sync = [this](const render::PictureMenu& menu, int (*command)(int), int first) {
    window_->SetChecked(command(render::PictureMenu::FromDisk),
                        menu.checked == render::PictureMenu::FromDisk);
    for (int k = 0; k < static_cast<int>(menu.captions.size()); ++k)
      window_->SetChecked(command(first + k), menu.checked == first + k);
  };
  sync(tilesets_.menu, app::TilesetCommand, render::FirstTilesetEntry);
  sync(backgrounds_.menu, app::BackgroundCommand, render::FirstBackgroundEntry);
  window_->SetChecked(static_cast<int>(CommandId::SolidBackground),
                      backgrounds_.menu.checked == render::SolidBackgroundIndex);
}

void TPelmar::NewGame() {
  // Each game reuses the variant that its last game left in LayoutIndex.
  StartGame(shell::LastPlayedGame(games_.list, state_.board.GameMode, state_.layouts.LayoutIndex),
            play::KeepVariant);
}

void TPelmar::Redraw() {
  engine::Board& b = state_.board;
  // A paused game's picks are its own too: the pause screen's Redraw must not drop them.
  const play::Game* game = CurrentGame();
  if (!game || !game->traits().keepsPicksOnRedraw) {
    b.HintA = b.HintB = 0;
    b.FirstPick = b.SecondPick = 0;
  }
  renderer_.FullRedraw();
  ShowPanelHOF();
}

void TPelmar::RunPlayCommand(void (play::Game::*command)()) {
  if (play::Game* game = ActiveGame()) (game->*command)();
}

void TPelmar::StartLevelClick() {
  const int level = window_->PopUpMenu(static_cast<int>(CommandId::StartLevel),
                                       shell::StartLevelMenu(), state_.options.StartLevel);
  if (level == 0) return;
  state_.options.StartLevel = level; // the next game starts there
  ShowStartLevel();
}

void TPelmar::ShowStartLevel() {
  window_->SetCaptions(static_cast<int>(CommandId::StartLevel), {},
                       shell::StartLevelCaption(state_.options.StartLevel));
}

void TPelmar::Shadows() {
  state_.options.Shadows = !state_.options.Shadows;
  renderer_.FullRedraw();
}

void TPelmar::ShowToolbar() {
  state_.options.ShowToolbar = !state_.options.ShowToolbar;
  window_->ShowPart(platform::WindowPart::Toolbar, state_.options.ShowToolbar);
  renderer_.FullRedraw();
}

void TPelmar::ApplyLook() {
  const engine::Options& o = state_.options;
  window_->SetLook({o.CoolMenu, o.CoolToolbar, o.FlatButtons});
}

void TPelmar::ShowStatusLine() {
  state_.options.ShowStatusBar = !state_.options.ShowStatusBar;
  window_->ShowPart(platform::WindowPart::StatusLine, state_.options.ShowStatusBar);
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

void TPelmar::ShowHallPanel() {
  engine::Options& o = state_.options;
  o.ShowHallOfFame = !o.ShowHallOfFame;
  window_->ShowPart(platform::WindowPart::SidePanel, o.ShowHallOfFame);
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

void TPelmar::ShowScores() {
  int launch = 0;
  WithPause([&] { launch = RunHallWindow(); });
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
    RunFixedCommand(*order->command);
  }
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
  const platform::LocalDate today = desktop_.TodayLocal();
  return records::ShortDateText(today.year, today.month, today.day, desktop_.ShortDatePattern());
}
