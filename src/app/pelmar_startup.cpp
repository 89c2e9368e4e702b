// Start-up: the data folders, the settings, the menus and the first screen.
#include <algorithm>
#include <utility>

#include "app/menu_items.h"
#include "app/panel_items.h"
#include "app/pelmar.h"
#include "app/picture_loading.h"
#include "engine/layout_loading.h"
#include "platform/files.h"
#include "records/favourites.h"
#include "shell/data_folders.h"
#include "shell/games_panel.h"
#include "shell/settings.h"
#include "shell/sound_effects.h"
#include "shell/startup.h"

namespace {

constexpr int SmallScreenWidth = 640;

// Where a message says the program looked: the player's folder and the shipped one.
std::string InFolders(const platform::DataFolder& folder) {
  const std::vector<std::string> listed = folder.Listed();
  if (listed.size() == 1) return "the folder \"" + listed[0] + "\"";
  return "the folders \"" + listed[0] + "\" and \"" + listed[1] + "\"";
}

} // namespace

bool TPelmar::Init(platform::WindowPort& window) {
  window_ = &window;
  const platform::ProgramFolders& folders = state_.layouts.Folders;
  platform::MakePlayerFolders(folders);
  music_.emplace(musicState_, state_.options, state_.rng, audio_, ui(), *this,
                 folders.Data("Musics"));
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
  // Only the program's own folder had the old sets; an installed one is not ours to change.
  if (folders.Portable()) render::RetireOldTilesets(folders.shipped + "Tilesets/");
  shell::LoadSoundEffects(audio_,
                          [this](const std::string& name) { return desktop_.ReadBuiltin(name); });
  Splashing("Loading graphics...");
  idlePictures_ = app::LoadIdlePictures(desktop_);
  hallPictures_ = app::LoadHallPictures(desktop_);
  SaveHof_ = hallPictures_.HofPic;
  window_->SetSidePanelPicture(SaveHof_);
  if (const std::string missing = LoadFiles(); !missing.empty()) {
    if (splash_) splash_->Close(); // it would stand over the message
    splash_ = nullptr;
    ui().ShowMessage(missing);
    return false;
  }
  Splashing("Initializing...");
  FaveLayout_ = records::LoadFaveLayout(state_.layouts.Folders.player);
  BuildMenus();
  CheckMusicEntry(musicState_.MidiNumber);
  EnableMusicButton(state_.options.PlayMusic);
  window_->ShowPart(platform::WindowPart::StatusLine, state_.options.ShowStatusBar);
  window_->ShowPart(platform::WindowPart::Toolbar, state_.options.ShowToolbar);
  ApplyLook();
  window_->SetGamesPanel(app::GamesPanelItems());
  ShowStartLevel();
  if (state_.options.ShowHallOfFame) {
    window_->ShowPart(platform::WindowPart::SidePanel, true);
    hall_.HallPanelRefresh = true;
  }
  ActiveTilesetBackground();
  LoadStartLayout();
  ShowPanelHOF();
  window_->AfterFirstPaint([this] {
    // Nothing shows the help documents before the player asks: the board need not wait.
    LoadHelpFiles();
    if (state_.options.PlayMusic) music_->CallMusic();
    RunClockWhenNeeded();
  });
  renderer_.ColorHighlight();
  window_->StartClock();
  return true;
}

void TPelmar::ShowMainWindow() {
  // A place stored on a screen of another width could lie off this one.
  platform::Placement placement;
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
  state_.options.StartLevel = settings_.StartLevel;
  tilesetIndex_ = settings_.TilesetIndex;
  backgroundIndex_ = settings_.BackgroundIndex;
  tilesets_.menu.lastLoaded = settings_.LastLoadedTileset;
  backgrounds_.menu.lastLoaded = settings_.LastLoadedBackground;
  backgrounds_.ColorBackground = static_cast<std::uint32_t>(settings_.ColorBackground);
  hall_.CurrentPlayerName = records::NormalisedPlayerName(settings_.CurrentPlayerName);
  hall_.AltGirls = settings_.AltGirls;
  saved_ = {state_.options, settings_};
}

void TPelmar::CollectSettings() {
  const auto checked = [](const render::PictureMenu& menu) { return std::max(menu.checked, 0); };
  settings_.TilesetIndex = checked(tilesets_.menu);
  settings_.BackgroundIndex = checked(backgrounds_.menu);
  settings_.LastLoadedTileset = tilesets_.menu.lastLoaded;
  settings_.LastLoadedBackground = backgrounds_.menu.lastLoaded;
  settings_.ColorBackground = static_cast<int>(backgrounds_.ColorBackground);
  settings_.LayoutIndex = state_.layouts.LayoutIndex;
  settings_.LastBoard = state_.LastBoard;
  settings_.GameNumber = state_.board.GameNumber;
  settings_.StartLevel = state_.options.StartLevel;
  settings_.MidiNumber = musicState_.MidiNumber;
  settings_.CurrentPlayerName = hall_.CurrentPlayerName;
  const platform::WindowGeometry at = window_->Geometry();
  settings_.XPos = at.x;
  settings_.YPos = at.y;
  settings_.WPos = at.width;
  settings_.HPos = at.height;
  settings_.PreviousRes = window_->ScreenWidth();
}

void TPelmar::SaveSettings() {
  CollectSettings();
  // Saved a moment after every change, and at close: a failure is told once.
  if (const std::string failed = settingsFile_.Save(state_.options, settings_);
      !failed.empty() && !std::exchange(settingsWarned_, true))
    ui().ShowMessage(failed);
  saved_ = {state_.options, settings_};
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

void TPelmar::PlaceGamesPanel() {
  if (!window_) return; // the window reports its size before Init hands it over
  // Centred over the board picture wherever the window shows it, at the panel's own size.
  const shell::PanelOrigin origin =
      shell::CentredPanelOrigin(boardArea_.width, boardArea_.height, boardArea_.top);
  window_->PlaceGamesPanel(boardArea_.left + origin.left, origin.top);
}

std::string TPelmar::LoadFiles() {
  const platform::ProgramFolders& folders = state_.layouts.Folders;
  const auto nothingIn = [](const std::string& what, const platform::DataFolder& folder) {
    return "No " + what + " was found in " + InFolders(folder) +
           ". Pelmar cannot start without one.";
  };
  Splashing("Checking for MIDI files...");
  if (!music_->Discover(settings_.MidiNumber))
    return nothingIn("music track", folders.Data("Musics"));
  Splashing("Checking for graphics...");
  backgrounds_.menu.captions = shell::ScanCaptions(folders.Data("Backgrounds"), {".jpg", ".bmp"});
  tilesets_.menu.captions = shell::ScanCaptions(folders.Data("Tilesets"), {".bmp"});
  Splashing("Checking for layouts...");
  const platform::DataFolder layouts = folders.Data("Layouts");
  const shell::LayoutListing listing = shell::ScanLayouts(layouts);
  if (!shell::ChooseStartLayout(state_, listing.captions, listing.shpNames, listing.foreign))
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
  const platform::ProgramFolders& folders = state_.layouts.Folders;
  // An index beyond the menu or on a separator clicks nothing.
  if (backgroundIndex_ == render::SolidBackgroundIndex)
    backgrounds_.None1Click(false);
  else if (backgroundIndex_ != render::FirstBackgroundEntry - 1)
    backgrounds_.LoadBackgroundClick(backgroundIndex_);
  // The message is for a stored choice the empty folder cannot give; a solid colour or a
  // picture from elsewhere shows as chosen.
  if (backgrounds_.menu.captions.empty() && backgroundIndex_ >= render::FirstBackgroundEntry)
    ui().ShowMessage("No background picture was found in " +
                     InFolders(folders.Data("Backgrounds")) + ". The board is shown on black.");
  tilesets_.Load1Click(tilesetIndex_);
  if (tilesets_.menu.captions.empty() && tilesetIndex_ >= render::FirstTilesetEntry)
    ui().ShowMessage("No tileset was found in " + InFolders(folders.Data("Tilesets")) +
                     ". The tiles are shown without pictures.");
  SyncPictureMenus();
}

void TPelmar::LoadStartLayout() {
  engine::RunStartLayout(state_, *this);
  ShowLayouts();
}

void TPelmar::BuildMenus() {
  window_->SetMenus(app::MenuItems(state_, {state_.layouts.LayoutNames, tilesets_.menu.captions,
                                            backgrounds_.menu.captions, musicState_.Tracks}),
                    app::ToolItems());
  window_->SetBoardPopup(app::PopupItems());
}

void TPelmar::OnClosing() {
  IM(engine::ModeClosing);
  SaveSettings();
  SaveHall();
  music_->Close();
}
