#include <random>

#include "app/program_fixture.h"
#include "games/hashira/hashira_game.h"
#include "support/hashira_invariants.h"

namespace program_testing {
namespace {

using platform::Key;

class HashiraProgramTest : public ProgramTest {
protected:
  // The game stays the same object when paused and when started again.
  const hashira::ColumnsGame& Columns() {
    if (!game_) game_ = dynamic_cast<const hashira::HashiraGame*>(pelmar_.ActiveGame());
    EXPECT_NE(game_, nullptr);
    return game_->Columns();
  }
  const hashira::Block& Bottom() { return Columns().ColumnBlocks[Columns().BlockCount]; }
  int ButtonMenu(int choice) {
    window_.menuChoices.push_back(choice);
    Command(CommandId::StartLevel);
    return State().options.StartLevel;
  }

private:
  const hashira::HashiraGame* game_ = nullptr;
};

TEST_F(HashiraProgramTest, TheLevelMenuChoosesWhereTheNextGameStartsAndIsKept) {
  EXPECT_EQ(window_.buttonCaptions[static_cast<int>(CommandId::StartLevel)], "Level 1");
  EXPECT_EQ(ButtonMenu(5), 5);
  ASSERT_EQ(window_.poppedMenus.size(), 1u);
  const auto& menu = window_.poppedMenus[0];
  EXPECT_EQ(menu.entries.size(), 10u);
  EXPECT_EQ(menu.entries.front(), "Start at Level 1");
  EXPECT_EQ(menu.entries.back(), "Start at Level 10");
  EXPECT_EQ(menu.checked, 1);
  EXPECT_EQ(window_.buttonCaptions[static_cast<int>(CommandId::StartLevel)], "Level 5");
  EXPECT_EQ(ButtonMenu(0), 5) << "closed without a choice";
  EXPECT_EQ(window_.poppedMenus.back().checked, 5);

  Command(CommandId::Hashira);
  EXPECT_EQ(Board().GameMode, engine::ModeHashira);
  EXPECT_EQ(State().layouts.LayoutIndex, 1040);
  EXPECT_EQ(State().status.StatusMessage, "Mahjongg Hashira started.");
  EXPECT_EQ(hashira::ColumnsTexts(Columns(), 0), (hashira::PanelFigures{0, 0, 5}));
  ButtonMenu(2);
  EXPECT_EQ(hashira::ColumnsTexts(Columns(), 0), (hashira::PanelFigures{0, 0, 5}))
      << "a level chosen while playing waits for the next game";
  for (CommandId id : {CommandId::Pause, CommandId::Stop}) EXPECT_TRUE(Enabled(id));
  for (CommandId id : {CommandId::Back, CommandId::Hint, CommandId::Shuffle, CommandId::Restart})
    EXPECT_FALSE(Enabled(id));
  EXPECT_TRUE(window_.threadTimerRunning);

  window_.Close();
  const std::string saved = testing_support::ReadText(folder_.Path() + "Pelmar.ini");
  EXPECT_NE(saved.find("StartLevel=2\n"), std::string::npos) << saved;
}

TEST_F(HashiraProgramTest, KeysSteerTheColumnAndAPauseHoldsItWhereItStood) {
  audio_.StopMusic(); // a playing track would keep the clock awake
  Command(CommandId::Hashira);
  pelmar_.Timer1timer(); // the first column enters
  ASSERT_EQ(Bottom().x, 64);
  const int shows = window_.boardShows;
  pelmar_.OnKeyDown(Key::Left);
  pelmar_.Timer1timer();
  EXPECT_EQ(Bottom().x, 32);
  EXPECT_EQ(window_.boardShows, shows + 1) << "one picture per step";
  const platform::Rect shown = window_.lastShown;
  EXPECT_EQ(platform::Intersect(shown, hashira::PitRect), shown) << "only the pit";
  EXPECT_LT(shown.Width(), hashira::PitRect.Width()) << "only what changed in it";
  pelmar_.OnKeyDown(Key::Down);
  pelmar_.Timer1timer();
  EXPECT_EQ(Columns().DropSpeed, 8);

  Command(CommandId::Pause);
  const double y = Bottom().y;
  const int ticks = Columns().HashiraTicks;
  EXPECT_EQ(pelmar_.Timer1timer(), platform::ThreadTimerStopped) << "a pause does not wake";
  pelmar_.OnKeyDown(Key::Down);
  pelmar_.OnKeyUp(Key::Down);
  EXPECT_FALSE(Columns().flags.down) << "let go during the pause";
  Tick(40);
  EXPECT_FALSE(pelmar_.OnClockTick()) << "nor does the clock, once the status line rests";
  Command(CommandId::Pause);
  EXPECT_EQ(Board().GameMode, engine::ModeHashira);
  EXPECT_EQ(Bottom().y, y);
  EXPECT_EQ(Columns().HashiraTicks, ticks);
  EXPECT_NE(pelmar_.Timer1timer(), platform::ThreadTimerStopped);
  EXPECT_GT(Bottom().y, y);
}

TEST_F(HashiraProgramTest, TheEndEntersTheHallOfFameInHundredsWithTheLevelReached) {
  State().options.StartLevel = 3;
  desktop_.clock.timeOfDay = {0, 0, 0, 33}; // a deal that scores 1200 without a key
  Command(CommandId::Hashira);
  for (int step = 0; step < 5000 && Board().GameMode == engine::ModeHashira; ++step)
    pelmar_.Timer1timer();
  EXPECT_EQ(State().status.StatusMessage, "GAME OVER -- Final Score : 1200");
  ASSERT_EQ(window_.results.size(), 1u);
  const platform::ResultWindow& r = window_.results[0];
  EXPECT_EQ(r.lines, (std::vector<std::string>{"   Game Over !", "", "Your final score is 1200"}));
  EXPECT_EQ(r.hallLine, "And you enter the Hall of Fame !");
  const std::string saved = testing_support::ReadText(folder_.Path() + "Hallfame.ini");
  EXPECT_NE(saved.find("[Columns]\nRank1=Player1    12    3 "), std::string::npos) << saved;
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);

  Command(CommandId::LastPlayedGame);
  EXPECT_EQ(Board().GameMode, engine::ModeHashira) << "Play Same Game Again knows Hashira";
  Command(CommandId::Stop);
  EXPECT_EQ(Board().GameMode, engine::ModeGamesPanel);
  EXPECT_EQ(window_.results.size(), 1u) << "a stopped game leaves no result";
}

// Keys, steps, pauses and clock ticks at random until the game ends: the pit keeps its
// invariants after every event, drawing and all.
TEST_F(HashiraProgramTest, RandomPlayKeepsThePitSound) {
  std::mt19937 random(7);
  const auto below = [&random](int n) { return static_cast<int>(random() % n); };
  Command(CommandId::FallVeryQuickly);
  Command(CommandId::Hashira);
  for (int event = 0; event < 20000; ++event) {
    switch (below(24)) {
    case 0:
    case 1:
      pelmar_.OnKeyDown(static_cast<Key>(below(7)));
      break;
    case 2:
      pelmar_.OnKeyUp(Key::Other);
      break;
    case 3:
      Command(CommandId::Pause);
      break;
    case 4:
      Tick();
      break;
    default:
      pelmar_.Timer1timer();
      break;
    }
    if (Board().GameMode == engine::ModeGamesPanel) break; // the game is over
    ASSERT_TRUE(testing_support::PitIsConsistent(Columns())) << event;
  }
  EXPECT_EQ(window_.results.size(), 1u) << "played to its end";
}

} // namespace
} // namespace program_testing
