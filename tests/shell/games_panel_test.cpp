#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/game_state.h"
#include "shell/games_panel.h"

namespace {

using shell::CommandId;

TEST(GamesPanelTest, SixGamesWithTheirPicturesHintsAndButtons) {
  struct Case {
    std::string picture;
    std::string hint;
    CommandId command;
    std::vector<std::string> difficulties;
  } cases[] = {
      {"screen1.jpg",
       "Tile-Matching game - Match the pairs when they're free on their sides !",
       CommandId::RandomSolitaire,
       {"Classic", "Two Players"}},
      {"screen2.jpg",
       "Rivers game - Connect the matching tiles !",
       CommandId::RiversHard,
       {"Easy Rivers (84 tiles)", "Hard Rivers (144 tiles)"}},
      {"screen3.jpg",
       "Memory game - Play a Concentration game !",
       CommandId::MemoryEasy,
       {"Easy Memory (32 tiles)", "Hard Memory (60 tiles)"}},
      {"screen4.jpg",
       "Clicks - Remove groups of tiles with a single click !",
       CommandId::ClicksHard,
       {"Easy", "Normal", "Hard"}},
      {"screen5.jpg",
       "Slider - Form lines of tiles by sliding them !",
       CommandId::Slider,
       {"Slider New game"}},
      {"screen6.jpg",
       "Hashira - Remove columns of 3 or more tiles !",
       CommandId::Hashira,
       {"Hashira", "Start Level"}},
  };
  const auto games = shell::PanelGames();
  ASSERT_EQ(games.size(), std::size(cases));
  for (std::size_t i = 0; i < games.size(); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(games[i].picture, c.picture);
    EXPECT_EQ(games[i].hint, c.hint);
    EXPECT_EQ(games[i].command, c.command) << c.picture;
    ASSERT_EQ(games[i].difficulties.size(), c.difficulties.size()) << c.picture;
    for (std::size_t k = 0; k < c.difficulties.size(); ++k)
      EXPECT_EQ(games[i].difficulties[k].caption, c.difficulties[k]);
  }
}

TEST(GamesPanelTest, DifficultyButtonsRunTheMatchingMenuCommands) {
  const std::pair<std::string_view, CommandId> expected[] = {
      {"Classic", CommandId::RandomSolitaire},
      {"Two Players", CommandId::TwoPlayerSolitaire},
      {"Easy Rivers (84 tiles)", CommandId::RiversEasy},
      {"Hard Rivers (144 tiles)", CommandId::RiversHard},
      {"Easy Memory (32 tiles)", CommandId::MemoryEasy},
      {"Hard Memory (60 tiles)", CommandId::MemoryHard},
      {"Easy", CommandId::ClicksEasy},
      {"Normal", CommandId::ClicksNormal},
      {"Hard", CommandId::ClicksHard},
      {"Slider New game", CommandId::Slider},
      {"Hashira", CommandId::Hashira}};
  for (const auto& [caption, command] : expected) {
    bool found = false;
    for (const shell::PanelGame& game : shell::PanelGames())
      for (const shell::DifficultyButton& b : game.difficulties)
        if (b.caption == caption) {
          found = true;
          EXPECT_EQ(b.command, command) << caption;
        }
    EXPECT_TRUE(found) << caption;
  }
}

// Every game is built: every button of the panel can be pressed.
TEST(GamesPanelTest, OnlyBuiltGamesCanBePressed) {
  std::set<std::string> enabled;
  for (const shell::PanelGame& game : shell::PanelGames()) {
    if (shell::PanelButtonEnabled(game.command)) enabled.insert(std::string(game.picture));
    for (const shell::DifficultyButton& b : game.difficulties)
      if (shell::PanelButtonEnabled(b.command)) enabled.insert(std::string(b.caption));
  }
  EXPECT_EQ(enabled,
            (std::set<std::string>{"screen1.jpg", "Classic", "Two Players", "screen2.jpg",
                                   "Easy Rivers (84 tiles)", "Hard Rivers (144 tiles)",
                                   "screen3.jpg", "Easy Memory (32 tiles)", "Hard Memory (60 tiles)",
                                   "screen4.jpg", "Easy", "Normal", "Hard", "screen5.jpg",
                                   "Slider New game", "screen6.jpg", "Hashira", "Start Level"}));
  EXPECT_TRUE(shell::PanelButtonEnabled(shell::SameGameCommand));
  EXPECT_FALSE(shell::PanelButtonEnabled(std::nullopt));
}

TEST(GamesPanelTest, ShownOnThePanelScreenAndOnRequestDuringAPause) {
  for (int mode = 0; mode <= engine::ModeClosing; ++mode)
    for (const bool welcomePause : {false, true}) {
      engine::Options options;
      options.WelcomePause = welcomePause;
      const bool expected = mode == 9 || (mode == 10 && welcomePause);
      EXPECT_EQ(shell::GamesPanelShown(mode, options), expected)
          << "mode " << mode << " WelcomePause " << welcomePause;
    }
}

TEST(GamesPanelTest, CentredOverTheBoardWithTruncatingHalves) {
  struct Case {
    int width, height, top;
    int left, expectedTop;
  } cases[] = {{704, 468, 0, 99, 33},   {704, 468, 25, 99, 58},    {506, 402, 0, 0, 0},
               {505, 401, 10, 0, 10},   {300, 200, 0, -102, -100}, // toward zero, not -103
               {1408, 936, 3, 451, 270}};
  for (const Case& c : cases) {
    const shell::PanelOrigin origin = shell::CentredPanelOrigin(c.width, c.height, c.top);
    EXPECT_EQ(origin.left, c.left) << c.width << "x" << c.height;
    EXPECT_EQ(origin.top, c.expectedTop) << c.width << "x" << c.height;
  }
}

} // namespace
