#include "shell/commands.h"

#include <array>

namespace shell {

namespace {

using engine::Options;
using A = Availability;
using P = PlayCommand;

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

constexpr Command Option(CommandId id, std::string_view caption, bool Options::*option,
                         std::string_view shortcut = {}) {
  Command c = Entry(id, Menu::Options, caption, shortcut);
  c.option = option;
  return c;
}

constexpr Command Highlight(CommandId id, std::string_view caption, int mode) {
  Command c = Entry(id, Menu::Highlight, caption);
  c.highlightMode = mode;
  return c;
}

constexpr Command LastFixed(Command c) {
  c.separatorAfter = true;
  return c;
}

const std::array Table{
    Entry(CommandId::LastPlayedGame, Menu::New, "Last Played Game"),
    Entry(CommandId::RandomSolitaire, Menu::New, "Solitaire (Random)", "F2"),
    Entry(CommandId::SpecificSolitaire, Menu::New, "Solitaire (Specific)", {}, A::NotBuilt),
    Entry(CommandId::TwoPlayerSolitaire, Menu::New, "Solitaire (2-Player)", "Shift+F2",
          A::NotBuilt),
    Entry(CommandId::RiversEasy, Menu::New, "Rivers (Easy)", "F3", A::NotBuilt),
    Entry(CommandId::RiversHard, Menu::New, "Rivers (Hard)", "Shift+F3", A::NotBuilt),
    Entry(CommandId::MemoryEasy, Menu::New, "Memory (Easy)", "F4", A::NotBuilt),
    Entry(CommandId::MemoryHard, Menu::New, "Memory (Hard)", "Shift+F4", A::NotBuilt),
    Entry(CommandId::ClicksEasy, Menu::New, "Clicks (Easy)", "Ctrl+F5", A::NotBuilt),
    Entry(CommandId::ClicksNormal, Menu::New, "Clicks (Normal)", "F5", A::NotBuilt),
    Entry(CommandId::ClicksHard, Menu::New, "Clicks (Hard)", "Shift+F5", A::NotBuilt),
    Entry(CommandId::Slider, Menu::New, "Slider", "F6", A::NotBuilt),
    Entry(CommandId::Hashira, Menu::New, "Hashira", "F7", A::NotBuilt),
    Entry(CommandId::Exit, Menu::New, "E&xit", "Ctrl+C"),
    Play(CommandId::Back, "&Back", "Ctrl+Z", P::Back),
    Play(CommandId::Hint, "&Hint", "Ctrl+H", P::Hint),
    Play(CommandId::Shuffle, "Shu&ffle", "Ctrl+S", P::Shuffle),
    Play(CommandId::Restart, "&Restart", "Ctrl+R", P::Restart),
    Play(CommandId::Pause, "&Pause", "F12", P::Pause),
    Play(CommandId::Stop, "&Stop", "Ctrl+X", P::Stop),
    Entry(CommandId::SelectLayout, Menu::Layout, "Select Layout", {}, A::NotBuilt),
    Entry(CommandId::CreateLayout, Menu::Layout, "Create Layout", {}, A::NotBuilt),
    LastFixed(Entry(CommandId::EditLayout, Menu::Layout, "Edit Layout", {}, A::NotBuilt)),
    LastFixed(Entry(CommandId::LoadTilesetFromDisk, Menu::Tileset, "Load from disk")),
    Entry(CommandId::LoadBackgroundFromDisk, Menu::Background, "Load from disk"),
    LastFixed(Entry(CommandId::SolidBackground, Menu::Background, "None (Solid)")),
    Option(CommandId::Vertical, "Vertical Variation", &Options::Vertical),
    Option(CommandId::Winnable, "Winnable Layouts (in at least one way)", &Options::Winnable),
    Option(CommandId::Shuffable, "Winnable Shuffles (in at least one way)", &Options::Shuffable),
    Option(CommandId::AnimateBoard, "Animate Board while building the tiles", &Options::Animate),
    Option(CommandId::AnimateTiles, "Animate Tiles in Mahjongg Solitaire", &Options::AnimateTiles),
    Option(CommandId::Shadows, "Enable 3D shadows on tilesets", &Options::Shadows),
    Option(CommandId::Invert, "&Invert selection", &Options::Invert),
    Highlight(CommandId::HighlightNone, "None", 0),
    Highlight(CommandId::HighlightRed, "Red Rectangle", 1),
    Highlight(CommandId::HighlightColoredTile, "Colored Tile", 2),
    Highlight(CommandId::HighlightGreen, "Green Rectangle", 3),
    Highlight(CommandId::HighlightBlue, "Blue Rectangle", 4),
    Option(CommandId::ShowMoves, "Show &Moves Left", &Options::ShowMoves, "Ctrl+M"),
    Option(CommandId::ShowTime, "&Show Time Left", &Options::ShowTime, "Ctrl+L"),
    Option(CommandId::CoolStatus, "Cool Status", &Options::CoolStatus),
    Option(CommandId::AnimatePause, "Animate Pause and Start screens", &Options::AnimatePause),
    Option(CommandId::WelcomePause, "Show Games Panel during Pause", &Options::WelcomePause),
    Entry(CommandId::Redraw, Menu::Board, "Redraw"),
    Entry(CommandId::HelpContents, Menu::Help, "&Help", {}, A::NotBuilt),
    Entry(CommandId::About, Menu::Help, "&About...", {}, A::NotBuilt),
};

constexpr std::array Toolbar{
    ToolbarButton{CommandId::LastPlayedGame, "New", "document-new", "tool_new.png"},
    ToolbarButton{CommandId::Back, "Back", "edit-undo", "tool_back.png"},
    ToolbarButton{CommandId::Hint, "Hint", "help-contents", "tool_hint.png"},
    ToolbarButton{CommandId::Shuffle, "Shuffle", "view-refresh", "tool_shuffle.png"},
    ToolbarButton{CommandId::Pause, "Pause", "media-playback-pause", "tool_pause.png", true,
                  "media-playback-start", "tool_play.png"},
    ToolbarButton{CommandId::SelectLayout, "Layout", "view-grid", "tool_layout.png"},
    ToolbarButton{CommandId::HelpContents, "Help", "help-browser", "tool_help.png", false},
    ToolbarButton{CommandId::About, "About", "help-about", "tool_about.png"},
    ToolbarButton{CommandId::Exit, "Exit", "application-exit", "tool_exit.png"},
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
};
constexpr std::array MenuTitles{
    MenuName{Menu::New, "&New"},
    MenuName{Menu::Game, "Game"},
    MenuName{Menu::Layout, "&Layout"},
    MenuName{Menu::Tileset, "Tileset"},
    MenuName{Menu::Background, "Background"},
    MenuName{Menu::Options, "Options"},
    MenuName{Menu::Highlight, "Highlight"},
    MenuName{Menu::Help, "&Help"},
};

} // namespace

std::span<const Command> Commands() {
  return Table;
}

const Command* FindCommand(CommandId id) {
  for (const Command& c : Table)
    if (c.id == id) return &c;
  return nullptr;
}

bool IsCheckable(const Command& command) {
  return command.option != nullptr || command.highlightMode.has_value();
}

bool IsChecked(const Command& command, const engine::Options& options) {
  if (command.option) return options.*command.option;
  return command.highlightMode == options.HighlightMode;
}

std::span<const ToolbarButton> ToolbarButtons() {
  return Toolbar;
}

std::span<const PopupEntry> BoardPopup() {
  return Popup;
}

std::string_view MenuTitle(Menu menu) {
  for (const MenuName& m : MenuTitles)
    if (m.menu == menu) return m.title;
  return {};
}

} // namespace shell
