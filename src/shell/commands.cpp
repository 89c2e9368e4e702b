#include "shell/commands.h"

#include <algorithm>
#include <array>

namespace shell {

namespace {

using engine::Options;
using A = Availability;
using P = play::PlayCommand;

constexpr Command Entry(CommandId id, Menu menu, std::string_view caption,
                        std::string_view shortcut = {}, A availability = A::Built) {
  return Command{id, menu, caption, shortcut, availability, nullptr, std::nullopt, std::nullopt};
}

constexpr Command Play(CommandId id, std::string_view caption, std::string_view shortcut, P gate,
                       A availability = A::Built) {
  Command c = Entry(id, Menu::Game, caption, shortcut, availability);
  c.gate = gate;
  return c;
}

// Options are usable before their game is built: the mark flips and is kept for it.
constexpr Command Option(CommandId id, Menu menu, std::string_view caption, bool Options::*option,
                         std::string_view shortcut = {}) {
  Command c = Entry(id, menu, caption, shortcut);
  c.option = option;
  return c;
}

constexpr Command Choice(CommandId id, Menu menu, std::string_view caption, RadioGroup group,
                         int value) {
  Command c = Entry(id, menu, caption);
  c.radio = Radio{group, value};
  return c;
}

constexpr Command SeparatorAfter(Command c) {
  c.separatorAfter = true;
  return c;
}

using G = RadioGroup;

const std::array Table{
    Entry(CommandId::LastPlayedGame, Menu::New, "Last Played Game"),
    Entry(CommandId::RandomSolitaire, Menu::New, "Solitaire (Random)", "F2"),
    Entry(CommandId::SpecificSolitaire, Menu::New, "Solitaire (Specific)"),
    Entry(CommandId::TwoPlayerSolitaire, Menu::New, "Solitaire (2-Player)", "Shift+F2"),
    Entry(CommandId::RiversEasy, Menu::New, "Rivers (Easy)", "F3"),
    Entry(CommandId::RiversHard, Menu::New, "Rivers (Hard)", "Shift+F3"),
    Entry(CommandId::MemoryEasy, Menu::New, "Memory (Easy)", "F4"),
    Entry(CommandId::MemoryHard, Menu::New, "Memory (Hard)", "Shift+F4"),
    Entry(CommandId::ClicksEasy, Menu::New, "Clicks (Easy)", "Ctrl+F5"),
    Entry(CommandId::ClicksNormal, Menu::New, "Clicks (Normal)", "F5"),
    Entry(CommandId::ClicksHard, Menu::New, "Clicks (Hard)", "Shift+F5"),
    Entry(CommandId::Slider, Menu::New, "Slider", "F6"),
    Entry(CommandId::Hashira, Menu::New, "Hashira", "F7"),
    Entry(CommandId::Exit, Menu::New, "E&xit", "Ctrl+C"),
    Play(CommandId::Back, "&Back", "Ctrl+Z", P::Back),
    Play(CommandId::Hint, "&Hint", "Ctrl+H", P::Hint),
    Play(CommandId::StillWinnable, "Is this board still winnable?", {}, P::StillWinnable),
    Play(CommandId::Solve, "Solve", {}, P::Solve),
    Play(CommandId::Shuffle, "Shu&ffle", "Ctrl+S", P::Shuffle),
    Play(CommandId::Restart, "&Restart", "Ctrl+R", P::Restart),
    Play(CommandId::Pause, "&Pause", "F12", P::Pause),
    Play(CommandId::Stop, "&Stop", "Ctrl+X", P::Stop),
    Entry(CommandId::HallOfFame, Menu::Game, "&Hall of Fame", "F10"),
    Entry(CommandId::PlayerName, Menu::Game, "&Player Name"),
    Entry(CommandId::SelectLayout, Menu::Layout, "Select Layout"),
    Entry(CommandId::CreateLayout, Menu::Layout, "Create Layout"),
    Entry(CommandId::EditLayout, Menu::Layout, "Edit Layout"),
    SeparatorAfter(Entry(CommandId::LoadLayoutFromDisk, Menu::Layout, "Load from disk")),
    SeparatorAfter(Entry(CommandId::LoadTilesetFromDisk, Menu::Tileset, "Load from disk")),
    Entry(CommandId::LoadBackgroundFromDisk, Menu::Background, "Load from disk"),
    SeparatorAfter(Entry(CommandId::SolidBackground, Menu::Background, "None (Solid)")),

    // Options: one submenu per game, then the look of the window, then the window's parts.
    Option(CommandId::Vertical, Menu::Solitaire, "Vertical Variation", &Options::Vertical),
    Option(CommandId::Winnable, Menu::Solitaire, "Winnable Layouts (in at least one way)",
           &Options::Winnable),
    Option(CommandId::Shuffable, Menu::Solitaire, "Winnable Shuffles (in at least one way)",
           &Options::Shuffable),
    Option(CommandId::AnimateBoard, Menu::Solitaire, "Animate Board while building the tiles",
           &Options::Animate),
    Option(CommandId::AnimateTiles, Menu::Solitaire, "Animate Tiles in Mahjongg Solitaire",
           &Options::AnimateTiles),
    Option(CommandId::AnimateTileRivers, Menu::Rivers, "Animate Tile Rivers in Mahjongg Rivers",
           &Options::TileRivers),
    Option(CommandId::AnimateClicks, Menu::Clicks, "Animate Falling Tiles in Mahjongg Clicks",
           &Options::AnimateClicks),
    Option(CommandId::JokerAllow, Menu::Slider, "Enable jokers on Slider game",
           &Options::JokerAllow),
    Option(CommandId::AnimateSlider, Menu::Slider, "Animate Sliding Tiles in Mahjongg Slider",
           &Options::AnimateSlider),
    Option(CommandId::AnimateNext, Menu::Slider, "Animate New Tiles in Mahjongg Slider",
           &Options::AnimateNext),
    Option(CommandId::HighlightSlider, Menu::Slider, "Highlight Slider", &Options::HighlightSlider),
    // Slider and Hashira both show the coming tiles; the entry sits with the game that has more.
    Option(CommandId::ShowNext, Menu::Slider, "Show Next Tiles", &Options::ShowNext, "Ctrl+N"),
    Option(CommandId::AnimateChain, Menu::Hashira, "Animate Chain Reactions fully in Hashira",
           &Options::AnimateChain),
    Choice(CommandId::FallNormally, Menu::Hashira, "Hashira Columns Fall Normally", G::FallSpeed,
           1),
    Choice(CommandId::FallQuickly, Menu::Hashira, "Hashira Columns Fall Quickly", G::FallSpeed, 2),
    Choice(CommandId::FallVeryQuickly, Menu::Hashira, "Hashira Columns Fall Very Quickly",
           G::FallSpeed, 3),
    Option(CommandId::Shadows, Menu::Look, "Enable 3D shadows on tilesets", &Options::Shadows),
    Option(CommandId::ShowRomanized, Menu::Look, "Show Romanized Tilesets",
           &Options::ShowRomanized),
    Option(CommandId::Gradient, Menu::Look, "Gradient effect on Solid backgrounds",
           &Options::Gradient),
    Option(CommandId::Invert, Menu::Look, "&Invert selection", &Options::Invert),
    Option(CommandId::OnlyPossible, Menu::Look, "Only Possible Moves", &Options::OnlyPossible),
    Option(CommandId::CoolMouse, Menu::Look, "Cool Mouse", &Options::CoolMouse),
    Option(CommandId::AnimateCursor, Menu::Look, "Animate Cool Cursor when clicking",
           &Options::AnimateCursor),
    Option(CommandId::CoolMenu, Menu::Look, "Cool Menu", &Options::CoolMenu),
    Option(CommandId::CoolToolbar, Menu::Look, "Cool Toolbar", &Options::CoolToolbar),
    Option(CommandId::FlatButtons, Menu::Look, "Cool Buttons", &Options::FlatButtons),
    Option(CommandId::CoolStatus, Menu::Look, "Cool Status", &Options::CoolStatus),
    Choice(CommandId::HighlightNone, Menu::Highlight, "None", G::Highlight, 0),
    Choice(CommandId::HighlightRed, Menu::Highlight, "Red Rectangle", G::Highlight, 1),
    Choice(CommandId::HighlightColoredTile, Menu::Highlight, "Colored Tile", G::Highlight, 2),
    Choice(CommandId::HighlightGreen, Menu::Highlight, "Green Rectangle", G::Highlight, 3),
    Choice(CommandId::HighlightBlue, Menu::Highlight, "Blue Rectangle", G::Highlight, 4),
    Option(CommandId::PauseFocus, Menu::Pause, "Pause game when losing focus",
           &Options::GoCheckPause),
    Option(CommandId::WelcomePause, Menu::Pause, "Show Games Panel during Pause",
           &Options::WelcomePause),
    Option(CommandId::AnimatePause, Menu::Pause, "Animate Pause and Start screens",
           &Options::AnimatePause),
    Option(CommandId::ShowToolbar, Menu::Options, "Show &Toolbar", &Options::ShowToolbar),
    Option(CommandId::ShowStatusBar, Menu::Options, "Show Status Bar", &Options::ShowStatusBar),
    Option(CommandId::ShowMoves, Menu::Options, "Show &Moves Left", &Options::ShowMoves, "Ctrl+M"),
    Option(CommandId::ShowTime, Menu::Options, "&Show Time Left", &Options::ShowTime, "Ctrl+L"),
    Option(CommandId::ShowHallOfFame, Menu::Options, "Show Hall of &Fame", &Options::ShowHallOfFame,
           "Ctrl+F"),
    Option(CommandId::ShowGirls, Menu::Options, "Show Manga Girls", &Options::ShowGirls),
    SeparatorAfter(
        Option(CommandId::ShowTile, Menu::Options, "Show Current Tile", &Options::ShowTile)),
    Choice(CommandId::ViewAllLayouts, Menu::Options, "View All Layouts", G::Favorites, 0),
    SeparatorAfter(Choice(CommandId::ViewFavoritesOnly, Menu::Options, "View Favorites Only",
                          G::Favorites, 1)),
    Option(CommandId::EnableHall, Menu::Options, "Enable time tracking for the Hall of fame",
           &Options::EnableHall),
    Option(CommandId::StartDirectly, Menu::Options, "Begin game directly at startup",
           &Options::StartDirectly),
    Option(CommandId::SetRes800, Menu::Options, "Switch to 800x600 / High-Color at startup",
           &Options::SetRes800),

    Option(CommandId::PlayMusic, Menu::Music, "Play music", &Options::PlayMusic),
    // The toolbar's "Music" button, also in the menu for the keyboard.
    Entry(CommandId::SetMusic, Menu::Music, "Pause music"),
    Option(CommandId::PlaySounds, Menu::Music, "Play sound effects", &Options::PlaySounds),
    Option(CommandId::StartMusic, Menu::Music, "Run music automatically at startup",
           &Options::StartMusic),
    Option(CommandId::EnableMOD, Menu::Music, "Enable MOD digital music player",
           &Options::EnableMOD),
    SeparatorAfter(
        Option(CommandId::RandomMusic, Menu::Music, "Random Music", &Options::RandomMusic)),
    Entry(CommandId::Redraw, Menu::Board, "Redraw"),
    // Opens the Hashira level menu under its button.
    Entry(CommandId::StartLevel, Menu::GamesPanel, "Start Level"),
    Entry(CommandId::HelpContents, Menu::Help, "&Contents", "F1"),
    Entry(CommandId::WhatsNew, Menu::Help, "What's New"),
    Entry(CommandId::FrenchHelp, Menu::Help, "French Help"),
    SeparatorAfter(Entry(CommandId::ViewTiles, Menu::Help, "View Tiles")),
    Entry(CommandId::About, Menu::Help, "&About..."),

    // The layout editor's menu bar. Its shortcuts are those of other commands of the main bar,
    // which is out of reach meanwhile.
    Entry(CommandId::EditorSave, Menu::EditorExit, "Save"),
    Entry(CommandId::EditorSaveAs, Menu::EditorExit, "Save as..."),
    SeparatorAfter(Entry(CommandId::EditorTryIt, Menu::EditorExit, "Try it")),
    Entry(CommandId::EditorExit, Menu::EditorExit, "Exit"),
    Entry(CommandId::MoveToLeft, Menu::EditorMove, "Move to left <", "Ctrl+S"),
    Entry(CommandId::MoveToRight, Menu::EditorMove, "Move to right >", "Ctrl+D"),
    Entry(CommandId::MoveToTop, Menu::EditorMove, "Move to top /\\", "Ctrl+E"),
    Entry(CommandId::MoveToBottom, Menu::EditorMove, "Move to bottom \\/", "Ctrl+X"),
};

constexpr std::array Toolbar{
    ToolbarButton{CommandId::LastPlayedGame, "New", "", "document-new", "tool_new.png"},
    ToolbarButton{CommandId::Back, "Back", "Undo move", "edit-undo", "tool_back.png"},
    ToolbarButton{CommandId::Hint, "Hint", "Show possible moves", "help-contents", "tool_hint.png"},
    ToolbarButton{CommandId::Shuffle, "Shuffle", "Shuffle tiles", "view-refresh",
                  "tool_shuffle.png"},
    ToolbarButton{CommandId::Pause, "Pause", "", "media-playback-pause", "tool_pause.png", true,
                  "media-playback-start", "tool_play.png"},
    ToolbarButton{CommandId::SetMusic, "Music", "Pause music", "audio-x-generic", "tool_music.png",
                  false},
    ToolbarButton{CommandId::SelectLayout, "Layout", "Choose new layout", "view-grid",
                  "tool_layout.png"},
    ToolbarButton{CommandId::HelpContents, "Help", "Help :)", "help-browser", "tool_help.png",
                  false},
    ToolbarButton{CommandId::About, "About", "", "help-about", "tool_about.png"},
    ToolbarButton{CommandId::HallOfFame, "Hall", "Best of the best :)", "emblem-favorite",
                  "tool_hall.png"},
    ToolbarButton{CommandId::Exit, "Exit", "", "application-exit", "tool_exit.png"},
};

constexpr std::array Popup{
    PopupEntry{CommandId::Back, "Back"},
    PopupEntry{CommandId::Hint, "Hint"},
    PopupEntry{CommandId::Shuffle, "Shuffle"},
    PopupEntry{CommandId::Restart, "Restart"},
    PopupEntry{CommandId::Pause, "Pause", false},
    PopupEntry{CommandId::Stop, "Stop"},
    PopupEntry{CommandId::Redraw, "Redraw", false, true},
    PopupEntry{CommandId::SelectLayout, "Layout"},
};

struct MenuName {
  Menu menu;
  std::string_view title;
  std::optional<Menu> parent = std::nullopt;
  platform::MenuBar bar = platform::MenuBar::Main;
};
constexpr std::array MenuTitles{
    MenuName{Menu::New, "&New"},
    MenuName{Menu::Game, "Game"},
    MenuName{Menu::Layout, "&Layout"},
    MenuName{Menu::Tileset, "Tileset"},
    MenuName{Menu::Background, "Background"},
    MenuName{Menu::Options, "Options"},
    MenuName{Menu::Music, "&Music"},
    MenuName{Menu::Help, "&Help"},
    MenuName{Menu::Highlight, "Highlight", Menu::Options},
    MenuName{Menu::Solitaire, "Solitaire", Menu::Options},
    MenuName{Menu::Rivers, "Rivers", Menu::Options},
    MenuName{Menu::Clicks, "Clicks", Menu::Options},
    MenuName{Menu::Slider, "Slider", Menu::Options},
    MenuName{Menu::Hashira, "Hashira", Menu::Options},
    MenuName{Menu::Look, "Look", Menu::Options},
    MenuName{Menu::Pause, "Pause", Menu::Options},
    MenuName{Menu::EditorExit, "Exit", std::nullopt, platform::MenuBar::Editor},
    MenuName{Menu::EditorMove, "Move Board", std::nullopt, platform::MenuBar::Editor},
    MenuName{Menu::Board, "Board"},
    MenuName{Menu::GamesPanel, "Games Panel"},
};

const MenuName* FindMenu(Menu menu) {
  for (const MenuName& m : MenuTitles)
    if (m.menu == menu) return &m;
  return nullptr;
}

} // namespace

std::span<const Command> Commands() {
  return Table;
}

const Command* FindCommand(CommandId id) {
  for (const Command& c : Table)
    if (c.id == id) return &c;
  return nullptr;
}

std::optional<Menu> ParentMenu(Menu menu) {
  const MenuName* m = FindMenu(menu);
  return m ? m->parent : std::nullopt;
}

platform::MenuBar MenuBarOf(Menu menu) {
  const MenuName* m = FindMenu(menu);
  return m ? m->bar : platform::MenuBar::Main;
}

int RadioValue(RadioGroup group, const engine::Options& options) {
  switch (group) {
  case RadioGroup::Highlight:
    return options.HighlightMode;
  case RadioGroup::FallSpeed:
    return options.SpeedFall;
  case RadioGroup::Favorites:
    return options.ShowFave ? 1 : 0;
  }
  return 0;
}

void SetRadioValue(RadioGroup group, engine::Options& options, int value) {
  switch (group) {
  case RadioGroup::Highlight:
    options.HighlightMode = value;
    break;
  case RadioGroup::FallSpeed:
    options.SpeedFall = value;
    break;
  case RadioGroup::Favorites:
    options.ShowFave = value != 0;
    break;
  }
}

bool IsRadioChoice(RadioGroup group, int value) {
  return std::any_of(Table.begin(), Table.end(), [&](const Command& c) {
    return c.radio && c.radio->group == group && c.radio->value == value;
  });
}

bool IsCheckable(const Command& command) {
  return command.option != nullptr || command.radio.has_value();
}

bool IsChecked(const Command& command, const engine::Options& options) {
  if (command.option) return options.*command.option;
  return command.radio && RadioValue(command.radio->group, options) == command.radio->value;
}

void ApplyMark(const Command& command, engine::Options& options) {
  if (command.option)
    options.*command.option = !(options.*command.option);
  else if (command.radio)
    SetRadioValue(command.radio->group, options, command.radio->value);
}

std::span<const ToolbarButton> ToolbarButtons() {
  return Toolbar;
}

std::span<const PopupEntry> BoardPopup() {
  return Popup;
}

std::string_view MenuTitle(Menu menu) {
  const MenuName* m = FindMenu(menu);
  return m ? m->title : std::string_view{};
}

} // namespace shell
