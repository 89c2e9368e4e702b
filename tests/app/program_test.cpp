#include <gtest/gtest.h>

#include <filesystem>

#include "games/solitaire/solitaire_play.h"
#include "platform/ini_file.h"
#include "program_fixture.h"
#include "support/mode_table.h"

namespace program_testing {

namespace fs = std::filesystem;
using testing_support::BoardIsConsistent;

std::vector<std::pair<int, int>> FreePairs(const engine::Board& b) {
  std::vector<std::pair<int, int>> pairs;
  std::vector<int> used;
  for (int i = 1; i <= b.FreeCount; ++i)
    for (int j = i + 1; j <= b.FreeCount; ++j) {
      const int s = b.FreeList[i], t = b.FreeList[j];
      if (engine::TileGroup(s) != engine::TileGroup(t)) continue;
      if (std::find(used.begin(), used.end(), s) != used.end() ||
          std::find(used.begin(), used.end(), t) != used.end())
        continue;
      pairs.push_back({s, t});
      used.insert(used.end(), {s, t});
    }
  return pairs;
}

namespace {

TEST_F(ProgramTest, StartsOnTheGamesPanelWithTheTraditionalLayout) {
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);
  EXPECT_EQ(State().layouts.LayoutNames[State().layouts.LayoutIndex - 1], "Traditional");
  EXPECT_TRUE(window_.gamesPanelShown);
  EXPECT_FALSE(Enabled(CommandId::Back));
  EXPECT_FALSE(Enabled(CommandId::Pause));
  EXPECT_TRUE(Enabled(CommandId::RandomSolitaire));
  EXPECT_FALSE(window_.sameGameButton) << "revealed by the first game";
}

TEST_F(ProgramTest, EachGameEnablesTheCommandsOfItsMode) {
  // Every game of the list has the traits its mode asks for.
  for (int mode = engine::ModeSolitaire; mode <= engine::ModeHashira; ++mode) {
    const play::Game* game = nullptr;
    Board().GameMode = static_cast<std::uint8_t>(mode);
    game = pelmar_.ActiveGame();
    if (!game) continue; // not part of this program yet
    const play::Traits expected = testing_support::ExpectedTraits(mode);
    const play::Traits& t = game->traits();
    for (int c = 0; c <= static_cast<int>(play::PlayCommand::Solve); ++c) {
      const auto command = static_cast<play::PlayCommand>(c);
      EXPECT_EQ(t.commands.Has(command), expected.commands.Has(command)) << mode << " " << c;
    }
    EXPECT_EQ(std::tie(t.clock.timed, t.clock.scoresTilesLeft, t.clock.showsStatus,
                       t.clock.showsMoves, t.clock.showsTime, t.clock.swingsNoMoves),
              std::tie(expected.clock.timed, expected.clock.scoresTilesLeft,
                       expected.clock.showsStatus, expected.clock.showsMoves,
                       expected.clock.showsTime, expected.clock.swingsNoMoves))
        << mode;
    EXPECT_EQ(
        std::tie(t.firstCode, t.lastCode, t.threadTimer, t.turnClocks),
        std::tie(expected.firstCode, expected.lastCode, expected.threadTimer, expected.turnClocks))
        << mode;
    const play::Mascot &m = t.mascot, &e = expected.mascot;
    EXPECT_EQ(std::tie(m.measure, m.low, m.high, m.belowLow, m.middle, m.above, m.other),
              std::tie(e.measure, e.low, e.high, e.belowLow, e.middle, e.above, e.other))
        << mode;
  }
}

TEST_F(ProgramTest, AGameRevealsPlaySameGameAgainAndStopReturnsToThePanel) {
  DealNumberedGame(5);
  ASSERT_EQ(Board().GameMode, engine::ModeSolitaire);
  EXPECT_TRUE(window_.sameGameButton);
  EXPECT_FALSE(window_.gamesPanelShown);
  EXPECT_TRUE(Enabled(CommandId::Hint));
  Command(CommandId::Stop);
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);
  EXPECT_TRUE(window_.gamesPanelShown);
  EXPECT_FALSE(Enabled(CommandId::Stop));
  EXPECT_FALSE(Enabled(CommandId::Hint));
}

TEST_F(ProgramTest, ClickingAMatchingFreePairRemovesIt) {
  DealNumberedGame(42);
  const auto pairs = FreePairs(Board());
  ASSERT_FALSE(pairs.empty()) << "game 42 offers no move";
  const auto [first, second] = pairs[0];
  ClickTile(first);
  EXPECT_EQ(Board().FirstPick, first);
  ClickTile(second);
  EXPECT_FALSE(Board().TilePos[first].OnBoard());
  EXPECT_EQ(Board().TilesLeft, 142);
  EXPECT_TRUE(BoardIsConsistent(Board()));
}

TEST_F(ProgramTest, ARefusedClickFlashesTheTileForAMoment) {
  DealNumberedGame(42);
  int blocked = 0;
  for (int t = 1; t <= engine::MaxTiles && !blocked; ++t)
    if (!solitaire::IsFree(State(), t) && Board().TilePos[t].OnBoard() &&
        Board().BoardGrid(Board().TilePos[t].x, Board().TilePos[t].y, Board().TilePos[t].z + 1) ==
            0)
      blocked = t;
  ASSERT_NE(blocked, 0);
  ClickTile(blocked);
  EXPECT_EQ(Board().FirstPick, 0);
  EXPECT_EQ(pelmar_.Pictures().RefusedTile, blocked);
  const auto [x, y] = TileCentre(Board(), blocked);
  const auto red = [&] { // the frame's left edge, two pixels in from the face's corner
    return pelmar_.Pictures().Game.Pixel(x - 19, y) & platform::kRgbMask;
  };
  EXPECT_EQ(red(), 0xE61E1Eu);
  Tick(4);
  EXPECT_EQ(pelmar_.Pictures().RefusedTile, 0);
  EXPECT_NE(red(), 0xE61E1Eu);
}

TEST_F(ProgramTest, PauseHidesTheGameAndItsPicksWaitForContinue) {
  DealNumberedGame(9);
  const int tile = FreePairs(Board())[0].first;
  Command(CommandId::Pause);
  EXPECT_EQ(Board().GameMode, engine::ModePaused);
  EXPECT_EQ(window_.items[static_cast<int>(CommandId::Pause)].caption, "&Continue");
  EXPECT_EQ(window_.buttonCaptions[static_cast<int>(CommandId::Pause)], "Play");
  EXPECT_FALSE(Enabled(CommandId::Back));
  EXPECT_FALSE(Enabled(CommandId::Stop)) << "Stop is not offered while paused";
  ClickTile(tile);
  EXPECT_EQ(Board().FirstPick, 0) << "a paused board takes no picks";
  Command(CommandId::Pause);
  EXPECT_EQ(Board().GameMode, engine::ModeSolitaire);
  EXPECT_EQ(window_.items[static_cast<int>(CommandId::Pause)].caption, "&Pause");
  ClickTile(tile);
  EXPECT_EQ(Board().FirstPick, tile);
  // A new game from the pause screen brings the captions back too.
  Command(CommandId::Pause);
  Command(CommandId::RandomSolitaire);
  EXPECT_EQ(Board().GameMode, engine::ModeSolitaire);
  EXPECT_EQ(window_.items[static_cast<int>(CommandId::Pause)].caption, "&Pause");
}

TEST_F(ProgramTest, TheClockRestsOnIdleScreensAndWakesForAGame) {
  audio_.StopMusic(); // a playing track keeps the clock awake on every screen
  for (int i = 0; i < 100 && TickAwake(); ++i) {
  }
  EXPECT_FALSE(TickAwake()) << "the start-up message stands: nothing to tick for";
  window_.clockRunning = false;
  DealNumberedGame(13);
  EXPECT_TRUE(window_.clockRunning);
  EXPECT_TRUE(pelmar_.OnClockTick()) << "a running game is timed";
  Command(CommandId::Pause);
  for (int i = 0; i < 100 && TickAwake(); ++i) {
  }
  EXPECT_FALSE(TickAwake()) << "a paused game's clock stands still";
}

TEST_F(ProgramTest, TheEndOfATrackIsNoticedOnTheGamesPanel) {
  ASSERT_EQ(audio_.starts.size(), 1u) << "the music starts once the board is on screen";
  for (int i = 0; i < 100; ++i) Tick();
  EXPECT_TRUE(pelmar_.OnClockTick()) << "the clock ticks on while a track plays";
  audio_.EndTrack();
  Tick();
  EXPECT_EQ(audio_.starts.size() + static_cast<std::size_t>(audio_.restarts), 2u);
  EXPECT_TRUE(audio_.MusicPlaying());
  audio_.StopMusic();
  EXPECT_FALSE(pelmar_.OnClockTick()) << "without music the panel lets the clock rest";
}

TEST_F(ProgramTest, AChangedOptionReachesTheSettingsFileWithoutAClose) {
  const std::string path = folder_.Path() + "Pelmar.ini";
  Command(CommandId::ShowMoves);
  Tick(25);
  ASSERT_TRUE(fs::exists(path)) << "saved a moment after the change";
  EXPECT_NE(testing_support::ReadText(path).find("ShowMoves=0"), std::string::npos)
      << testing_support::ReadText(path);
}

TEST_F(ProgramTest, TheGameIsPausedAroundEachModalWindow) {
  struct Case {
    CommandId command;
    std::function<void()> script; // what the player does in the window
  } cases[] = {
      {CommandId::SpecificSolitaire, [&] { window_.gameNumbers.push_back("12"); }},
      {CommandId::SolidBackground, [&] { window_.scriptedUi.colours.push_back(0x336699); }},
      {CommandId::LoadBackgroundFromDisk, [] {}},
      {CommandId::HallOfFame, [] {}},
  };
  int modeWhileOpen = -1; // outlives the loop: the next deal's dialog still reports here
  for (const Case& c : cases) {
    DealNumberedGame(3);
    modeWhileOpen = -1;
    window_.duringDialog = [&] { modeWhileOpen = Board().GameMode; };
    window_.scriptedUi.whileAsking = [&] { modeWhileOpen = Board().GameMode; };
    c.script();
    Command(c.command);
    EXPECT_EQ(modeWhileOpen, engine::ModePaused) << static_cast<int>(c.command);
    EXPECT_EQ(Board().GameMode, engine::ModeSolitaire) << static_cast<int>(c.command);
  }
}

TEST_F(ProgramTest, TheStatusCaptionsToggleTheirFields) {
  DealNumberedGame(7);
  Tick();
  for (const auto& [field, command] :
       {std::pair{1, CommandId::ShowMoves}, std::pair{2, CommandId::ShowTime}}) {
    ASSERT_FALSE(window_.status[field].empty()) << field;
    pelmar_.OnStatusCaptionClick(field);
    EXPECT_EQ(window_.status[field], "") << field;
    EXPECT_FALSE(window_.items[static_cast<int>(command)].checked) << field;
    pelmar_.OnStatusCaptionClick(field);
    Tick();
    EXPECT_FALSE(window_.status[field].empty()) << field;
  }
}

// Clears the board as the last pair would, with the clock at `seconds` and a 40 s penalty.
void ClearBoard(engine::GameState& state, std::uint32_t now, int seconds) {
  engine::Board& b = state.board;
  for (int t = 1; t <= engine::MaxTiles; ++t) {
    if (!b.TilePos[t].OnBoard()) continue;
    b.BoardGrid.Set(b.TilePos[t], 0);
    b.TilePos[t] = {};
  }
  b.TilesLeft = 0;
  state.scoring.GameStartTick = now - static_cast<std::uint32_t>(seconds * 1000);
}

TEST_F(ProgramTest, AFinishedBoardIsRecordedShownAndLeftOnce) {
  const std::uint32_t backgroundBefore =
      pelmar_.Pictures().BackgroundBitmap.Pixel(5, 5) & platform::kRgbMask;
  DealNumberedGame(11);
  ClearBoard(State(), Now(), 65);
  State().scoring.PenaltySeconds = 40;
  Tick();
  ASSERT_EQ(window_.results.size(), 1u);
  const platform::ResultWindow& r = window_.results[0];
  EXPECT_EQ(r.caption, "Board finished !");
  EXPECT_EQ(r.lines, (std::vector<std::string>{"Congratulations !", "You finished the board...",
                                               "Your final time is 01:45"}));
  EXPECT_EQ(r.hallLine, "And you enter the Hall of Fame !");
  EXPECT_EQ(window_.hallWindows, 1);
  // The record was written when it was made, before any close of the program.
  const std::string saved = testing_support::ReadText(folder_.Path() + "Hallfame.ini");
  EXPECT_NE(saved.find("Rank1=Player1   105   40 "), std::string::npos) << saved;
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);
  Tick(3);
  EXPECT_EQ(window_.results.size(), 1u) << "the end of a board is handled once";
  // The panel's board area still follows a new background.
  window_.scriptedUi.colours.push_back(0x102030);
  pelmar_.OnCommand(static_cast<int>(CommandId::SolidBackground));
  EXPECT_EQ(pelmar_.Pictures().Game.Pixel(5, 5) & platform::kRgbMask,
            pelmar_.Pictures().BackgroundBitmap.Pixel(5, 5) & platform::kRgbMask);
  EXPECT_NE(pelmar_.Pictures().BackgroundBitmap.Pixel(5, 5) & platform::kRgbMask, backgroundBefore);
}

TEST_F(ProgramTest, ATwoPlayerGameEndsWithTheVerdictAndNoRecord) {
  Command(CommandId::TwoPlayerSolitaire);
  ASSERT_EQ(Board().GameMode, engine::ModeTwoPlayers);
  EXPECT_FALSE(Enabled(CommandId::Hint));
  EXPECT_FALSE(Enabled(CommandId::Restart));
  EXPECT_TRUE(Enabled(CommandId::Back));
  ClearBoard(State(), Now(), 21);
  State().scoring.PlayerTime1 = 9'000;
  State().scoring.PlayerTime2 = 12'000;
  Tick();
  ASSERT_EQ(window_.results.size(), 1u);
  EXPECT_EQ(window_.results[0].lines.back(), "And the winner is... PLAYER 1 !");
  EXPECT_EQ(window_.hallWindows, 0) << "two players never enter the hall of fame";
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);
  EXPECT_FALSE(fs::exists(folder_.Path() + "Hallfame.ini"));
}

TEST_F(ProgramTest, RedrawDropsThePicksAndTheHint) {
  DealNumberedGame(11);
  const int tile = FreePairs(Board())[0].first;
  ClickTile(tile);
  Board().HintA = 3;
  ASSERT_EQ(Board().FirstPick, tile);
  const auto redraw = std::find_if(window_.popup.begin(), window_.popup.end(),
                                   [](const platform::PopupItem& p) { return p.isDefault; });
  ASSERT_NE(redraw, window_.popup.end());
  EXPECT_EQ(redraw->caption, "Redraw");
  pelmar_.OnCommand(redraw->command);
  EXPECT_EQ(Board().FirstPick + Board().HintA, 0);
}

TEST_F(ProgramTest, RedrawKeepsThePointedTileBesideTheBoard) {
  Command(CommandId::ShowTile);
  DealNumberedGame(11);
  const int tile = FreePairs(Board())[0].first;
  const auto [x, y] = TileCentre(Board(), tile);
  pelmar_.OnBoardMove(x, y);
  const platform::Rect spot = records::CurrentTileSpot;
  const auto spotShown = [&] {
    const play::PanelCanvas canvas = pelmar_.SidePanel();
    const platform::Bitmap &panel = canvas.panel, &clean = canvas.clean;
    for (int py = spot.top; py < spot.bottom; ++py)
      for (int px = spot.left; px < spot.right; ++px)
        if (!platform::SameColour(panel.Pixel(px, py), clean.Pixel(px, py))) return true;
    return false;
  };
  ASSERT_TRUE(spotShown());
  Command(CommandId::Redraw);
  EXPECT_TRUE(spotShown()) << "the redraw keeps the pointed tile in its spot";
}

TEST_F(ProgramTest, RomanizedTilesetsPrintTheirLabels) {
  desktop_.texts.clear();
  Command(CommandId::ShowRomanized);
  const std::vector<std::string>& printed = desktop_.texts;
  EXPECT_NE(std::find(printed.begin(), printed.end(), "BAM"), printed.end())
      << printed.size() << " texts printed";
}

TEST_F(ProgramTest, TheSolidBackgroundIsAMenuChoiceThatExcludesThePictures) {
  const int solid = static_cast<int>(CommandId::SolidBackground);
  const int fourth = shell::BackgroundEntryBase + 4;
  EXPECT_TRUE(window_.items[fourth].checked) << "a fresh installation shows the fourth picture";
  window_.scriptedUi.colours.push_back(0x336699);
  pelmar_.OnCommand(solid);
  EXPECT_TRUE(window_.items[solid].checked);
  EXPECT_FALSE(window_.items[fourth].checked);
}

// Input that arrives while an animation shows its frames waits until the rule is over.
TEST_F(ProgramTest, ASecondNewGameDuringTheAnimatedDealWaitsForTheFirst) {
  State().options.Animate = true;
  Command(CommandId::RandomSolitaire); // from the panel: the deal is not animated there
  int injected = 0;
  window_.duringFrame = [&] {
    if (injected++ == 0) Command(CommandId::RandomSolitaire);
  };
  Command(CommandId::RandomSolitaire);
  EXPECT_GT(window_.presents, 2);
  EXPECT_EQ(injected > 1, true) << "the second deal was animated too";
  EXPECT_EQ(Board().TilesLeft, 144);
  EXPECT_TRUE(BoardIsConsistent(Board()));
}

TEST_F(ProgramTest, ClicksDuringTheSlideOffWaitAndKeepTheHistoryWhole) {
  DealNumberedGame(42);
  ASSERT_TRUE(State().options.AnimateTiles);
  const auto pairs = FreePairs(Board());
  ASSERT_GE(pairs.size(), 2u);
  const auto [a, b] = pairs[0];
  const auto [c, d] = pairs[1];
  bool clicked = false;
  window_.duringFrame = [&] {
    if (std::exchange(clicked, true)) return;
    ClickTile(c);
    ClickTile(d);
    ClickTile(b); // a double click on the tile that is leaving
  };
  ClickTile(a);
  ClickTile(b);
  EXPECT_TRUE(clicked);
  EXPECT_EQ(Board().TilesLeft, 140);
  EXPECT_TRUE(Board().FirstPick == 0 || Board().TilePos[Board().FirstPick].OnBoard());
  EXPECT_TRUE(BoardIsConsistent(Board()));
  window_.duringFrame = nullptr;
  Command(CommandId::Back);
  Command(CommandId::Back);
  EXPECT_EQ(Board().TilesLeft, 144);
  EXPECT_TRUE(BoardIsConsistent(Board()));
}

TEST_F(ProgramTest, ThePointerAndTheClockWaitDuringTheAnimatedDeal) {
  State().options.Animate = true;
  State().options.OnlyPossible = true;
  Command(CommandId::RandomSolitaire);
  window_.duringFrame = [&] {
    // Over the middle of the board, where tiles are still undealt.
    pelmar_.OnBoardMove(350, 230);
    pelmar_.OnBoardRelease(platform::PointerButton::Left, 350, 230);
    pelmar_.OnClockTick();
  };
  Command(CommandId::RandomSolitaire);
  window_.duringFrame = nullptr;
  EXPECT_TRUE(BoardIsConsistent(Board()));
  EXPECT_TRUE(Board().FirstPick == 0 || Board().TilePos[Board().FirstPick].OnBoard());
}

TEST_F(ProgramTest, ACloseDuringAnAnimationWaitsForItsEnd) {
  DealNumberedGame(42);
  const auto [a, b] = FreePairs(Board())[0];
  bool asked = false;
  window_.duringFrame = [&] {
    if (std::exchange(asked, true)) return;
    window_.Close();
    EXPECT_FALSE(window_.closed) << "not in the middle of a move";
  };
  ClickTile(a);
  ClickTile(b);
  EXPECT_TRUE(window_.closed);
  EXPECT_EQ(Board().TilesLeft, 142);
  EXPECT_TRUE(fs::exists(folder_.Path() + "Pelmar.ini"));
}

// Tests run as root, who may read anything: files padded past the reading limit stand for
// files the player may not read. Each is reported once at start and left as it was at close.
TEST(UnreadableFilesTest, AreReportedOnceAndLeftAsTheyWereAtClose) {
  testing_support::ProgramFolder folder;
  std::vector<std::pair<std::string, std::string>> files;
  for (const char* name : {"Pelmar.ini", "Hallfame.ini"}) {
    const std::string path = folder.Folder().Write(name, "[Pelmar]\nCurrentPlayer1=Mia\n");
    fs::resize_file(path, platform::IniFile::MaxFileBytes + 1);
    files.emplace_back(path, testing_support::ReadText(path));
  }
  Program program(folder.Path());
  auto& [audio, desktop, pelmar, window] = program;
  ASSERT_TRUE(pelmar.Init(window));
  pelmar.ShowMainWindow();
  window.Close();
  ASSERT_TRUE(window.closed);
  const std::vector<std::string>& messages = window.scriptedUi.messages;
  ASSERT_EQ(messages.size(), 2u);
  for (std::size_t i = 0; i < files.size(); ++i) {
    const auto& [path, before] = files[i];
    EXPECT_TRUE(messages[i].starts_with("Unable to read " + path)) << messages[i];
    EXPECT_EQ(testing_support::ReadText(path), before) << path;
  }
}

TEST(MissingDataTest, NoGameStartsOnALayoutThatCouldNotBeRead) {
  testing_support::ProgramFolder folder;
  folder.Folder().Write("Layouts/Traditional.lay", std::string("\x13\x88 not a layout\x01", 16));
  Program program(folder.Path());
  auto& [audio, desktop, pelmar, window] = program;
  ASSERT_TRUE(pelmar.Init(window));
  pelmar.ShowMainWindow();
  const std::size_t refused = window.scriptedUi.messages.size();
  ASSERT_GE(refused, 1u) << "the unreadable layout is reported at start";
  for (CommandId start : {CommandId::RandomSolitaire, CommandId::TwoPlayerSolitaire}) {
    pelmar.OnCommand(static_cast<int>(start));
    desktop.clock.tick += 5'000;
    pelmar.OnClockTick();
    EXPECT_EQ(pelmar.State().board.GameMode, engine::ModeGamesPanel);
  }
  EXPECT_EQ(window.scriptedUi.messages.size(), refused + 2);
  EXPECT_TRUE(window.results.empty()) << "an empty board is never won";
  EXPECT_FALSE(fs::exists(folder.Path() + "Hallfame.ini"));
}

TEST(StartUpTest, TheSplashTellsEachStepInItsOrder) {
  struct Splash final : platform::SplashPort {
    void Splashing(const std::string& text) override { texts.push_back(text); }
    void Close() override { closed = true; }
    std::vector<std::string> texts;
    bool closed = false;
  } splash;
  testing_support::ProgramFolder folder;
  Program program(folder.Path());
  auto& [audio, desktop, pelmar, window] = program;
  pelmar.SetSplash(&splash);
  ASSERT_TRUE(pelmar.Init(window));
  pelmar.ShowMainWindow();
  std::vector<std::string> steps;
  for (const std::string& text : splash.texts)
    if (steps.empty() || steps.back() != text) steps.push_back(text);
  EXPECT_EQ(steps, (std::vector<std::string>{"Initializing...", "Loading preferences...",
                                             "Loading graphics...", "Checking for MIDI files...",
                                             "Checking for graphics...", "Checking for layouts...",
                                             "Reading high scores...", "Initializing..."}));
  EXPECT_TRUE(splash.closed);
}

// A solid colour needs no picture: an empty Backgrounds folder is then no news for the player.
TEST(MissingDataTest, AnEmptyFolderIsReportedOnlyWhenTheStoredChoiceNeedsIt) {
  testing_support::ProgramFolder folder;
  {
    Program program(folder.Path());
    auto& [audio, desktop, pelmar, window] = program;
    ASSERT_TRUE(pelmar.Init(window));
    pelmar.ShowMainWindow();
    window.scriptedUi.colours.push_back(0x204060);
    pelmar.OnCommand(static_cast<int>(CommandId::SolidBackground));
    window.Close();
  }
  fs::remove_all(folder.Folder().path() / "Backgrounds");
  Program program(folder.Path());
  auto& [audio, desktop, pelmar, window] = program;
  ASSERT_TRUE(pelmar.Init(window));
  EXPECT_TRUE(window.scriptedUi.messages.empty()) << window.scriptedUi.messages[0];
}

TEST(MissingDataTest, MissingPicturesAreReportedAndTheGameStillRuns) {
  testing_support::ProgramFolder folder({"Layouts", "Musics"});
  Program program(folder.Path());
  auto& [audio, desktop, pelmar, window] = program;
  ASSERT_TRUE(pelmar.Init(window));
  const std::vector<std::string>& messages = window.scriptedUi.messages;
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_TRUE(messages[0].starts_with("No background picture was found")) << messages[0];
  EXPECT_TRUE(messages[1].starts_with("No tileset was found")) << messages[1];
  pelmar.FormShow();
  pelmar.OnCommand(static_cast<int>(CommandId::RandomSolitaire));
  EXPECT_EQ(pelmar.State().board.GameMode, engine::ModeSolitaire);
  EXPECT_EQ(pelmar.State().board.TilesLeft, 144);
}

TEST(MissingDataTest, AnEmptyMusicOrLayoutFolderStopsTheStartNamingIt) {
  struct Case {
    std::initializer_list<const char*> copied;
    std::string message;
  } cases[] = {
      {{"Musics"}, "No layout was found in the folder \"%Layouts/\""},
      {{"Layouts"}, "No music track was found in the folder \"%Musics/\""},
  };
  for (const Case& c : cases) {
    testing_support::ProgramFolder folder(c.copied);
    fs::create_directories(folder.Folder().path() / "Layouts");
    Program program(folder.Path());
    auto& [audio, desktop, pelmar, window] = program;
    EXPECT_FALSE(pelmar.Init(window));
    ASSERT_EQ(window.scriptedUi.messages.size(), 1u);
    std::string expected = c.message;
    expected.replace(expected.find('%'), 1, folder.Path());
    EXPECT_TRUE(window.scriptedUi.messages[0].starts_with(expected))
        << window.scriptedUi.messages[0];
  }
}

} // namespace

} // namespace program_testing
