#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "engine/options.h"
#include "platform/window_port.h"
#include "play/traits.h"

namespace shell {

// Every fixed command of the menus and the toolbar. The entries of the Layout, Tileset and
// Background menus come from the data folders and are numbered from their own bases.
enum class CommandId : int {
  LastPlayedGame = 1,
  RandomSolitaire,
  SpecificSolitaire,
  TwoPlayerSolitaire,
  RiversEasy,
  RiversHard,
  MemoryEasy,
  MemoryHard,
  ClicksEasy,
  ClicksNormal,
  ClicksHard,
  Slider,
  Hashira,
  Exit,
  Back,
  Hint,
  Shuffle,
  Restart,
  StillWinnable,
  Solve,
  Pause,
  Stop,
  SelectLayout,
  CreateLayout,
  EditLayout,
  LoadTilesetFromDisk,
  LoadBackgroundFromDisk,
  SolidBackground,
  Vertical,
  Winnable,
  Shuffable,
  AnimateBoard,
  AnimateTiles,
  Shadows,
  Invert,
  HighlightNone,
  HighlightRed,
  HighlightColoredTile,
  HighlightGreen,
  HighlightBlue,
  ShowMoves,
  ShowTime,
  CoolStatus,
  HelpContents,
  About,
  WhatsNew,
  FrenchHelp,
  ViewTiles,
  WelcomePause,
  AnimatePause,
  PauseFocus,
  AnimateTileRivers,
  AnimateClicks,
  JokerAllow,
  AnimateSlider,
  AnimateNext,
  HighlightSlider,
  ShowNext,
  AnimateChain,
  FallNormally,
  FallQuickly,
  FallVeryQuickly,
  OnlyPossible,
  ShowTile,
  CoolMouse,
  AnimateCursor,
  CoolMenu,
  CoolToolbar,
  FlatButtons,
  ShowRomanized,
  Gradient,
  ShowToolbar,
  ShowStatusBar,
  ShowHallOfFame,
  ShowGirls,
  ViewAllLayouts,
  ViewFavoritesOnly,
  EnableHall,
  StartDirectly,
  SetRes800,
  PlayMusic,
  PlaySounds,
  StartMusic,
  RandomMusic,
  EnableMOD,
  Redraw,
  SetMusic,
  HallOfFame,
  PlayerName,
  StartLevel,
  LoadLayoutFromDisk,
  EditorSave,
  EditorSaveAs,
  EditorTryIt,
  EditorExit,
  MoveToLeft,
  MoveToRight,
  MoveToTop,
  MoveToBottom,
};

// The menus of the menu bar, then the submenus of Options. The bar shows the menus in the order
// in which the command table first names them.
enum class Menu {
  New,
  Game,
  Layout,
  Tileset,
  Background,
  Options,
  Music,
  Help,
  Highlight,
  Solitaire,
  Rivers,
  Clicks,
  Slider,
  Hashira,
  Look,
  Pause,
  // The layout editor's own menu bar.
  EditorExit,
  EditorMove,
  // The board's pop-up menu only: its entries have no place on the menu bar.
  Board,
  // The games panel only: a button whose command is no entry of the menu bar.
  GamesPanel,
};

// The menu of the bar that holds a submenu; none for a menu of the bar itself.
std::optional<Menu> ParentMenu(Menu menu);
// The menu bar a menu belongs to; the pop-up menu and the games panel go with the main one.
platform::MenuBar MenuBarOf(Menu menu);

// Entries of which exactly one is checked: the group's value in the options tells which.
enum class RadioGroup { Highlight = 1, FallSpeed, Favorites };

struct Radio {
  RadioGroup group;
  int value; // the group's value while this entry is checked
};

int RadioValue(RadioGroup group, const engine::Options& options);
void SetRadioValue(RadioGroup group, engine::Options& options, int value);
// Whether some entry of the group stands for this value; a stored value no entry has is not.
bool IsRadioChoice(RadioGroup group, int value);

// Where each folder's entries start: entry k of a list has the id base + k.
constexpr int LayoutEntryBase = 1000;
constexpr int TilesetEntryBase = 3000;
constexpr int BackgroundEntryBase = 4000;
constexpr int MusicEntryBase = 5000;

// Whether a command can be used yet. A feature still being built shows its entry disabled.
enum class Availability { Built, NotBuilt };

struct Command {
  CommandId id;
  Menu menu;
  std::string_view caption; // with its & accelerator
  std::string_view shortcut;
  Availability availability = Availability::Built;
  // A check mark that only flips this option; the handler, if any, does the rest.
  bool engine::Options::*option = nullptr;
  // A radio entry: checked while its group has this value.
  std::optional<Radio> radio;
  // A play command that the game mode enables and disables.
  std::optional<play::PlayCommand> gate;
  // A separator follows: between groups of options, and before a menu's folder entries.
  bool separatorAfter = false;
};

std::span<const Command> Commands();
const Command* FindCommand(CommandId id);

bool IsCheckable(const Command& command);
bool IsChecked(const Command& command, const engine::Options& options);
// What choosing a checkable entry does to its mark: an option flips, a radio entry is chosen.
void ApplyMark(const Command& command, engine::Options& options);

// The toolbar: each button runs a command of the table and shares its enabled state.
struct ToolbarButton {
  CommandId command;
  std::string_view caption;
  std::string_view hint;     // shown while the pointer rests on the button; empty: the caption
  std::string_view icon;     // a freedesktop icon name
  std::string_view fallback; // our own picture among the built-in files, for desktops without
                             // an icon theme
  // Whether the menu items of the command show the button's picture beside their captions.
  bool menuGlyph = true;
  // The look while the button shows its other caption (Pause becomes Play); empty if none.
  std::string_view otherIcon = {};
  std::string_view otherFallback = {};
};
std::span<const ToolbarButton> ToolbarButtons();

std::string_view MenuTitle(Menu menu);

// The board's pop-up menu. Entries gated by the game mode share the enabled state of their menu
// bar twins; the others are always enabled and their handlers decide whether they act.
struct PopupEntry {
  CommandId command;
  std::string_view caption;
  bool followsMenuBar = true;
  bool isDefault = false;
};
std::span<const PopupEntry> BoardPopup();

} // namespace shell
