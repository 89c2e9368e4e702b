#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board.h"
#include "engine/options.h"
#include "engine/random.h"
#include "platform/program_folders.h"

namespace engine {

// GameMode codes: which game or screen is active.
enum Mode : std::uint8_t {
  ModeNone = 0,
  ModeSolitaire = 1,
  ModeTwoPlayers = 2,
  ModeRivers = 3,
  ModeMemory = 4,
  ModeClicks = 5,
  ModeSlider = 6,
  ModeHashira = 7,
  ModeEditor = 8,
  ModeGamesPanel = 9,
  ModePaused = 10,
  ModeGameOver = 11,
  ModeClosing = 12,
};

// LayoutIndex values from here on name another game's table, not a layout.
constexpr int FirstGameCode = 1000;

// The game clock and result.
struct Scoring {
  int GameScore = 0;
  int PenaltySeconds = 0;
  std::uint32_t GameStartTick = 0;
  std::uint8_t CurrentPlayer = 0;
  std::uint32_t TurnStartTick1 = 0, TurnStartTick2 = 0;
  int PlayerTime1 = 0, PlayerTime2 = 0;
  // What a pause froze: the elapsed game time, or each player's current turn.
  int PausedElapsed = 0;
  int PausedTurn1 = 0, PausedTurn2 = 0;
  // Two players: who removed each pair and how his clock stood, so Back can give the turn back.
  struct Turn {
    std::uint8_t player = 0;
    int totalBefore = 0; // his PlayerTime before the turn
    int turnTime = 0;    // how long the turn had run when the pair went
  };
  std::array<Turn, MaxTiles / 2> Turns{};
  int TurnCount = 0;
};

// The tile under the pointer and the one drawn with the pointer highlight.
struct PointerState {
  int PointedTile = 0, PrevPointedTile = 0;
  std::uint8_t HoverTile = 0;
};

// The status line's message; the 50 ms clock slides it in from StatusScrollPos.
struct StatusLine {
  std::string StatusMessage;
  int StatusLength = 0;
  int StatusScrollPos = 1;
  bool StatusBounce = false;
  int StatusDirection = 1;
};

inline const char* const NoMoreMoves = "      SORRY, NO MORE MOVES !!";

// The number of characters (not bytes) of a UTF-8 text: the status line slides by characters.
int CharacterCount(std::string_view text);

// The one way to put a message on the status line: it starts by showing only its last character.
void ShowStatus(StatusLine& status, const std::string& text);

// An entry of the layout list read from another program's file in the Layouts folder.
struct ForeignEntry {
  std::string caption;  // the entry's name in LayoutNames
  std::string fileName; // in the Layouts folder
  std::string map;      // the map's name in a map file; empty for a file of one layout
  friend bool operator==(const ForeignEntry&, const ForeignEntry&) = default;
};

// Which layout is current and the list of known layouts (menu entries 1..LayoutCount).
struct LayoutState {
  LayoutGrid LayoutCells;
  std::string LayoutName = "External Layout";
  std::string LayoutPath;
  int LayoutIndex = -1;
  std::vector<std::string> LayoutNames; // LayoutNames[k - 1] is entry k
  int CheckedEntry = 0;                 // the entry whose menu item is checked, 0 for none
  bool StartupLoading = false;
  platform::ProgramFolders Folders;         // where the data is read and the player's files go
  std::vector<ForeignEntry> ForeignLayouts; // where the entries of other programs' files come from

  int LayoutCount() const { return static_cast<int>(LayoutNames.size()); }
  // The player's layouts folder, where new layouts are saved.
  std::string LayoutsFolder() const { return Folders.player + "Layouts/"; }
  // Where a layout file of that name is read from: the player's own, else the shipped one.
  std::string LayoutFile(const std::string& fileName) const {
    return Folders.Data("Layouts").Find(fileName);
  }
};

// Everything the board games share, owned by the application object.
struct GameState {
  Board board;
  LayoutState layouts;
  Options options;
  Generator rng;
  Scoring scoring;
  StatusLine status;
  PointerState pointer;
  int LastBoard = 1;
  int LastHallRank = 0;
  // Clock ticks until a face-up pair of tiles is resolved; every click on the board waits
  // meanwhile, in every game.
  int RevealCountdown = 0;
};

// Resets the per-game state before a deal.
void InitVar(GameState& state);

} // namespace engine
