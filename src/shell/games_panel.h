#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/options.h"
#include "shell/commands.h"

namespace shell {

// The games panel: what it says and which command each of its buttons runs. The window only
// lays these out; whether a button can be pressed follows the command table, so a game that is
// not built yet shows its buttons disabled.
constexpr int PanelWidth = 505, PanelHeight = 401;
constexpr int PictureButtonWidth = 154, PictureButtonHeight = 104;
constexpr int PanelGameColumns = 3;

constexpr std::string_view PanelTitle = "Welcome to";
constexpr std::string_view PanelProgramName = "Pelmar !";
constexpr std::string_view PanelDescriptionAtStart = "Game Description...";

// A button under a game's picture; `command` is empty for a button that does nothing.
struct DifficultyButton {
  std::string_view caption;
  std::optional<CommandId> command;
};

struct PanelGame {
  std::string_view picture; // a built-in picture of PictureButtonWidth x PictureButtonHeight
  std::string_view hint;    // shown on the description line while the pointer is over it
  CommandId command;        // what a click on the picture starts
  std::span<const DifficultyButton> difficulties;
};

// The six games in reading order: Solitaire, Rivers, Memory above; Clicks, Slider, Hashira below.
std::span<const PanelGame> PanelGames();

// The button across the top that starts the last played game again.
constexpr std::string_view SameGameCaption = "Play Same Game Again";
constexpr CommandId SameGameCommand = CommandId::LastPlayedGame;
// "Classic" is the default button until the first game makes "Play Same Game Again" one.
constexpr CommandId DefaultPanelCommand = CommandId::RandomSolitaire;

// The Hashira start levels: "Start Level" pops up a menu of them, checked at the chosen one, and
// then shows the chosen level as its caption.
constexpr int HighestStartLevel = 10;
std::vector<std::string> StartLevelMenu();
std::string StartLevelCaption(int level);

// Whether a panel button can be pressed now: its command exists and is built.
bool PanelButtonEnabled(std::optional<CommandId> command);

// The panel is the screen of mode 9, and stays over the pause screen when the player asked so.
bool GamesPanelShown(int mode, const engine::Options& options);

struct PanelOrigin {
  int left, top;
};
// The panel centred over a board picture of the given size whose top edge is at `boardTop`;
// the halves truncate toward zero, so a board narrower than the panel puts it at a negative
// position that keeps it centred.
PanelOrigin CentredPanelOrigin(int boardWidth, int boardHeight, int boardTop);

} // namespace shell
