// The storm: the whole program on the fake window under random clicks, keys, menu commands,
// clock ticks and timer runs across every mode, with the invariants of the board and of each
// game checked after every event. Input also arrives while animations present their frames.
//
//   storm [--seed N] [--events M]
//
// Prints the events per second; on the first broken invariant it prints the seed, the event and
// what broke, and exits with 1.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/pelmar.h"
#include "storm_checks.h"
#include "support/fake_audio.h"
#include "support/fake_window.h"
#include "support/test_platform.h"

namespace {

using shell::CommandId;

// The commands the storm chooses from: every game start, the play commands and the options that
// change how the games play or look. Exit is left out (the storm would end), and so are the
// commands whose dialogs only cancel.
const std::vector<CommandId> StormCommands{CommandId::LastPlayedGame,
                                           CommandId::RandomSolitaire,
                                           CommandId::SpecificSolitaire,
                                           CommandId::TwoPlayerSolitaire,
                                           CommandId::RiversEasy,
                                           CommandId::RiversHard,
                                           CommandId::MemoryEasy,
                                           CommandId::MemoryHard,
                                           CommandId::ClicksEasy,
                                           CommandId::ClicksNormal,
                                           CommandId::ClicksHard,
                                           CommandId::Slider,
                                           CommandId::Hashira,
                                           CommandId::Back,
                                           CommandId::Hint,
                                           CommandId::Shuffle,
                                           CommandId::Restart,
                                           CommandId::StillWinnable,
                                           CommandId::Solve,
                                           CommandId::Pause,
                                           CommandId::Stop,
                                           CommandId::Redraw,
                                           CommandId::Vertical,
                                           CommandId::Winnable,
                                           CommandId::Shuffable,
                                           CommandId::AnimateBoard,
                                           CommandId::AnimateTiles,
                                           CommandId::AnimateTileRivers,
                                           CommandId::AnimateClicks,
                                           CommandId::AnimateSlider,
                                           CommandId::AnimateNext,
                                           CommandId::ShowNext,
                                           CommandId::AnimateChain,
                                           CommandId::FallNormally,
                                           CommandId::FallVeryQuickly,
                                           CommandId::JokerAllow,
                                           CommandId::HighlightSlider,
                                           CommandId::OnlyPossible,
                                           CommandId::HighlightNone,
                                           CommandId::HighlightColoredTile,
                                           CommandId::HighlightGreen,
                                           CommandId::Invert,
                                           CommandId::Shadows,
                                           CommandId::ShowHallOfFame,
                                           CommandId::ShowGirls,
                                           CommandId::ShowTile,
                                           CommandId::AnimatePause,
                                           CommandId::WelcomePause,
                                           CommandId::SelectLayout,
                                           CommandId::CreateLayout,
                                           CommandId::EditLayout,
                                           CommandId::ViewAllLayouts,
                                           CommandId::ViewFavoritesOnly};

// The layout editor's menu bar, which replaces the main one while it runs.
const std::vector<CommandId> EditorCommands{CommandId::EditorSave,  CommandId::EditorSaveAs,
                                            CommandId::EditorTryIt, CommandId::EditorExit,
                                            CommandId::MoveToLeft,  CommandId::MoveToRight,
                                            CommandId::MoveToTop,   CommandId::MoveToBottom};

constexpr platform::Key Keys[] = {platform::Key::Left, platform::Key::Right, platform::Key::Up,
                                  platform::Key::Down, platform::Key::Enter, platform::Key::Space,
                                  platform::Key::Other};

class Storm {
public:
  explicit Storm(unsigned seed) : random_(seed), pelmar_(folder_.Path(), audio_, desktop_) {}

  bool Start() {
    if (!pelmar_.Init(window_)) return false;
    pelmar_.ShowMainWindow();
    // In the chooser the player looks at a layout, then plays, edits or creates one, drops it
    // on the favourites, or closes it.
    window_.chooserScript = [this](platform::LayoutChooserModel& chooser) {
      const int items = static_cast<int>(chooser.Items().size());
      chooser.LayoutListClick(Roll(items));
      switch (Roll(5)) {
      case 0:
        chooser.BitBtn1Click();
        break;
      case 1:
        chooser.BitBtn3Click();
        break;
      case 2:
        chooser.BitBtn4Click();
        break;
      case 3:
        chooser.FaveLayoutsDragDrop(Roll(items), -1);
        break;
      default:
        break;
      }
    };
    // Now and then a player clicks, presses a key or picks a command while a frame is shown.
    window_.duringFrame = [this] {
      if (!insideFrame_ && Chance(5)) {
        insideFrame_ = true;
        checks_.SeveralChanges();
        Input();
        insideFrame_ = false;
      }
    };
    return true;
  }

  // One random event, then the checks; the description of a broken invariant, or empty.
  std::string Step() {
    checks_.Before(pelmar_);
    std::string what;
    const int kind = Roll(100);
    if (kind < 30) {
      what = "a tick";
      desktop_.clock.tick += Chance(2) ? 1000 : 50;
      pelmar_.OnClockTick();
    } else if (kind < 40) {
      what = "a thread-timer run";
      pelmar_.Timer1timer();
    } else if (kind < 52) {
      what = Command();
    } else if (kind < 54) {
      what = "a change of activation";
      Chance(50) ? pelmar_.FormDeactivate() : pelmar_.FormActivate();
    } else {
      what = Input();
    }
    AnswerNextQuestions();
    const std::string broken = checks_.After(pelmar_, what);
    return broken.empty() ? broken : what + ": " + broken;
  }

private:
  int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool Chance(int percent) { return Roll(100) < percent; }

  // Mostly a command of the menu bar on show; now and then one of the other bar, which the
  // player cannot reach and the program must ignore.
  std::string Command() {
    const bool editing = window_.menuBar == platform::MenuBar::Editor;
    const bool shownBar = Chance(90);
    const std::vector<CommandId>& commands = editing == shownBar ? EditorCommands : StormCommands;
    const CommandId id =
        commands[static_cast<std::size_t>(Roll(static_cast<int>(commands.size())))];
    if (id == CommandId::SpecificSolitaire)
      window_.gameNumbers.push_back(std::to_string(1 + Roll(1'000'000)));
    checks_.SeveralChanges();
    pelmar_.OnCommand(static_cast<int>(id));
    return "command " + std::to_string(static_cast<int>(id));
  }

  // A click on a tile or anywhere, a pointer move, or a key.
  std::string Input() {
    const int kind = Roll(100);
    if (kind < 60) {
      const auto [x, y] = Target();
      const auto button =
          Chance(90) ? platform::PointerButton::Left : platform::PointerButton::Right;
      checks_.ClickGiven(pelmar_);
      pelmar_.OnBoardPress();
      pelmar_.OnBoardRelease(button, x, y);
      return "a click at " + std::to_string(x) + "," + std::to_string(y);
    }
    if (kind < 80) {
      const auto [x, y] = Target();
      pelmar_.OnBoardMove(x, y);
      return "a move to " + std::to_string(x) + "," + std::to_string(y);
    }
    const platform::Key key = Keys[Roll(7)];
    if (Chance(70))
      pelmar_.OnKeyDown(key);
    else
      pelmar_.OnKeyUp(key);
    return "key " + std::to_string(static_cast<int>(key));
  }

  // Mostly the middle of a tile on the board, so that games advance; else any pixel.
  std::pair<int, int> Target() {
    const engine::Board& b = pelmar_.State().board;
    if (Chance(60)) {
      const int tile = 1 + Roll(engine::MaxTiles);
      const engine::Position& p = b.TilePos[tile];
      if (p.OnBoard())
        return {20 * p.x + 6 * p.z + b.BoardLeft - 26, 25 * p.y - 6 * p.z + b.BoardTop - 34};
    }
    return {Roll(704), Roll(468)};
  }

  // The questions a game may ask next get a random answer.
  void AnswerNextQuestions() {
    testing_support::ScriptedUi& ui = window_.scriptedUi;
    if (ui.okAnswers.empty()) ui.okAnswers.push_back(Chance(50));
    if (ui.yesAnswers.empty()) ui.yesAnswers.push_back(Chance(50));
  }

  std::mt19937 random_;
  testing_support::ProgramFolder folder_;
  testing_support::FakeAudio audio_;
  testing_support::TestDesktop desktop_;
  TPelmar pelmar_;
  testing_support::FakeWindow window_{pelmar_};
  storm::Checks checks_;
  bool insideFrame_ = false;
};

} // namespace

int main(int argc, char** argv) {
  unsigned seed = 1;
  long events = 10'000;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--seed")
      seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    else if (option == "--events")
      events = std::strtol(argv[i + 1], nullptr, 10);
  }
  Storm storm(seed);
  if (!storm.Start()) {
    std::fprintf(stderr, "storm: the program did not start\n");
    return 1;
  }
  const auto start = std::chrono::steady_clock::now();
  for (long e = 1; e <= events; ++e)
    if (const std::string broken = storm.Step(); !broken.empty()) {
      std::fprintf(stderr, "storm --seed %u: event %ld, %s\n", seed, e, broken.c_str());
      return 1;
    }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("storm --seed %u: %ld events, no broken invariant, %.0f events per second\n", seed,
              events, events / seconds);
  return 0;
}
