#include "shell/games_panel.h"

#include <array>

#include "engine/game_state.h"

namespace shell {

namespace {

using C = CommandId;

constexpr std::array SolitaireButtons{DifficultyButton{"Classic", C::RandomSolitaire},
                                      DifficultyButton{"Two Players", C::TwoPlayerSolitaire}};
constexpr std::array RiversButtons{DifficultyButton{"Easy Rivers (84 tiles)", C::RiversEasy},
                                   DifficultyButton{"Hard Rivers (144 tiles)", C::RiversHard}};
constexpr std::array MemoryButtons{DifficultyButton{"Easy Memory (32 tiles)", C::MemoryEasy},
                                   DifficultyButton{"Hard Memory (60 tiles)", C::MemoryHard}};
constexpr std::array ClicksButtons{DifficultyButton{"Easy", C::ClicksEasy},
                                   DifficultyButton{"Normal", C::ClicksNormal},
                                   DifficultyButton{"Hard", C::ClicksHard}};
constexpr std::array SliderButtons{DifficultyButton{"Slider New game", C::Slider}};
constexpr std::array HashiraButtons{DifficultyButton{"Hashira", C::Hashira},
                                    DifficultyButton{"Start Level", C::StartLevel}};

// A picture starts the hard Rivers and Clicks but the easy Memory: the variant most players
// come back for.
constexpr std::array Games{
    PanelGame{"screen1.jpg",
              "Tile-Matching game - Match the pairs when they're free on their sides !",
              C::RandomSolitaire, SolitaireButtons},
    PanelGame{"screen2.jpg", "Rivers game - Connect the matching tiles !", C::RiversHard,
              RiversButtons},
    PanelGame{"screen3.jpg", "Memory game - Play a Concentration game !", C::MemoryEasy,
              MemoryButtons},
    PanelGame{"screen4.jpg", "Clicks - Remove groups of tiles with a single click !", C::ClicksHard,
              ClicksButtons},
    PanelGame{"screen5.jpg", "Slider - Form lines of tiles by sliding them !", C::Slider,
              SliderButtons},
    PanelGame{"screen6.jpg", "Hashira - Remove columns of 3 or more tiles !", C::Hashira,
              HashiraButtons},
};

} // namespace

std::span<const PanelGame> PanelGames() {
  return Games;
}

std::vector<std::string> StartLevelMenu() {
  std::vector<std::string> entries;
  for (int level = 1; level <= HighestStartLevel; ++level)
    entries.push_back("Start at Level " + std::to_string(level));
  return entries;
}

std::string StartLevelCaption(int level) {
  return "Level " + std::to_string(level);
}

bool PanelButtonEnabled(std::optional<CommandId> command) {
  if (!command) return false;
  const Command* c = FindCommand(*command);
  return c && c->availability == Availability::Built;
}

bool GamesPanelShown(int mode, const engine::Options& options) {
  return mode == engine::ModeGamesPanel || (mode == engine::ModePaused && options.WelcomePause);
}

PanelOrigin CentredPanelOrigin(int boardWidth, int boardHeight, int boardTop) {
  return {(boardWidth - PanelWidth) / 2, (boardHeight - PanelHeight) / 2 + boardTop};
}

} // namespace shell
