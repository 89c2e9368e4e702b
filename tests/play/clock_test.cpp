#include "play/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "games/solitaire/solitaire_game.h"
#include "play/thread_timer.h"
#include "support/mode_table.h"
#include "support/test_platform.h"

// Counts heap allocations, so a test can hold the steady tick to none. Kept out of line, so the
// compiler does not pair the malloc and free it sees with the new and delete of the callers.
static long heapAllocations = 0;
[[gnu::noinline]] void* operator new(std::size_t size) {
  ++heapAllocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
  std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using namespace play;
using engine::Mode;

struct RecordingHooks final : ClockHooks {
  void CheckMusicEnd() override { calls.push_back("music"); }
  std::vector<std::string> calls;
};

class ClockTest : public ::testing::Test {
protected:
  engine::GameState state;
  testing_support::RecordingServices services{state};
  RecordingHooks hooks;
  GameClock clock{state, services, hooks};
  std::uint32_t& now = services.manualClock().tick;
  std::unique_ptr<testing_support::StandInGame> game;

  // The game being played, as the program finds it: none on the screens between games.
  Game* Playing() {
    return game && game->traits().mode == state.board.GameMode ? game.get() : nullptr;
  }

  // A game running for `elapsedMs`, with two tiles left that match when `matching`.
  void Start(int mode, int elapsedMs = 0, bool matching = true) {
    game = std::make_unique<testing_support::StandInGame>(mode);
    services.game = nullptr;
    state.board = {};
    state.board.MovesLeft = matching ? 1 : 0; // the stand-in game does not count
    state.board.GameMode = static_cast<std::uint8_t>(mode);
    state.scoring.GameStartTick = now - elapsedMs;
    Place(1, 2);
    Place(matching ? 2 : 5, 10);
    state.board.TilesLeft = 2;
  }
  void Place(int tile, int x) {
    state.board.TilePos[tile] = {x, 2, 1};
    state.board.BoardGrid.Set(x, 2, 1, static_cast<std::uint8_t>(tile));
  }
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) {
      now += 50;
      clock.Temps(Playing());
    }
  }
  std::string Shown() { return clock.Bar().Status().text; }
};

TEST(TimeFormat, MinutesAndSecondsWithLeadingZeros) {
  struct Case {
    int seconds;
    const char* text;
  } cases[] = {{0, "00:00"},    {59, "00:59"},    {60, "01:00"}, {125, "02:05"},
               {5999, "99:59"}, {6000, "100:00"}, {-5, "00:00"}};
  for (const Case& c : cases) EXPECT_EQ(FormatTime(c.seconds).view(), c.text) << c.seconds;
  EXPECT_EQ(FormatMilliseconds(125'999).view(), "02:05");
  EXPECT_EQ(FormatMilliseconds(999).view(), "00:00");
}

TEST_F(ClockTest, EachModeKeepsItsOwnScore) {
  struct Case {
    int mode, score;
    const char* time;
  } cases[] = {{1, 12, "00:12"}, {2, 12, ""}, {3, 12, "00:12"}, {4, 12, "00:12"},
               {5, 2, ""},       {6, 77, ""}, {7, 77, ""},      {10, 77, ""}};
  for (const Case& c : cases) {
    Start(c.mode, 12'300);
    state.scoring.GameScore = 77;
    Tick();
    EXPECT_EQ(state.scoring.GameScore, c.score) << "mode " << c.mode;
    EXPECT_EQ(clock.Bar().Time().text, c.time) << "mode " << c.mode;
  }
}

TEST_F(ClockTest, TwoHintsInRiversAdd80SecondsAtOnce) {
  Start(Mode::ModeRivers, 30'000);
  Tick();
  EXPECT_EQ(clock.Bar().Time().text, "00:30");
  state.scoring.PenaltySeconds += 2 * 40;
  Tick();
  EXPECT_EQ(clock.Bar().Time().text, "01:50");
}

TEST_F(ClockTest, TenMinutesOfPauseDoNotCount) {
  Start(Mode::ModeSolitaire, 65'000);
  Tick();
  PauseClocks(state.scoring, false, now);
  services.IM(Mode::ModePaused);
  now += 600'000;
  Tick(3);
  EXPECT_EQ(state.scoring.GameScore, 65);
  ResumeClocks(state.scoring, false, now);
  services.IM(Mode::ModeSolitaire);
  Tick();
  EXPECT_EQ(clock.Bar().Time().text, "01:05");
}

TEST_F(ClockTest, APauseFreezesOnlyTheTurnClocksOfTwoPlayers) {
  Start(Mode::ModeTwoPlayers, 65'000);
  state.scoring.TurnStartTick1 = state.scoring.TurnStartTick2 = now - 5'000;
  PauseClocks(state.scoring, true, now);
  now += 600'000;
  ResumeClocks(state.scoring, true, now);
  Tick();
  EXPECT_EQ(now - state.scoring.TurnStartTick1, 5'050u);
  EXPECT_EQ(state.scoring.GameScore, 665);
}

TEST_F(ClockTest, TheTimeLimitAbandonsOnlyTimedGames) {
  struct Case {
    int mode, elapsedSeconds, penalty, score;
    bool stops;
  } cases[] = {{1, 5999, 0, 0, false}, {1, 6000, 0, 0, true},    {3, 5990, 10, 0, true},
               {4, 5998, 2, 0, true},  {2, 6000, 0, 0, true},    {5, 7000, 0, 0, false},
               {6, 0, 0, 9000, false}, {7, 0, 0, 250'000, false}};
  for (const Case& c : cases) {
    services.stops = 0;
    Start(c.mode, c.elapsedSeconds * 1000 - 50);
    state.scoring.PenaltySeconds = c.penalty;
    state.scoring.GameScore = c.score;
    Tick();
    EXPECT_EQ(services.stops, c.stops ? 1 : 0) << "mode " << c.mode;
    if (c.stops) {
      EXPECT_EQ(state.board.GameMode, Mode::ModeGamesPanel);
      EXPECT_EQ(clock.Bar().Tiles().text, "") << "mode " << c.mode;
    }
  }
}

TEST_F(ClockTest, ANewMessageGrowsInOneCharacterPerTick) {
  struct Case {
    bool coolStatus;
    std::vector<std::string> shown;
  } cases[] = {{true, {"lo", "llo", "ello", "Hello", "Hello"}},
               {false, {"Hello", "Hello", "Hello", "Hello", "Hello"}}};
  for (const Case& c : cases) {
    state.options.CoolStatus = c.coolStatus;
    engine::ShowStatus(state.status, "Hello");
    std::vector<std::string> shown;
    for (int i = 0; i < 5; ++i) {
      Tick();
      shown.push_back(Shown());
    }
    EXPECT_EQ(shown, c.shown) << "Cool Status " << c.coolStatus;
    EXPECT_EQ(state.status.StatusMessage, " ");
  }
}

TEST_F(ClockTest, MessagesTooShortToSlideOrSwingAreShownToo) {
  for (bool bounce : {false, true}) {
    for (const char* text : {" ", "x", ""}) {
      engine::ShowStatus(state.status, "Game restarted.");
      Tick(20);
      engine::ShowStatus(state.status, text);
      state.status.StatusBounce = bounce;
      Tick(2);
      EXPECT_EQ(Shown(), text) << "swinging " << bounce;
      if (bounce) {
        EXPECT_EQ(state.status.StatusScrollPos, 1) << '"' << text << '"';
      }
    }
  }
}

TEST_F(ClockTest, UnicodeMessagesSlideInByCharacters) {
  const std::string message = "Layout \u201CAb\u201D selected.";
  engine::ShowStatus(state.status, message);
  for (std::size_t characters = 2; characters <= 21; ++characters) {
    Tick();
    const std::string shown = Shown();
    ASSERT_TRUE(message.ends_with(shown));
    EXPECT_NE(static_cast<unsigned char>(shown[0]) & 0xC0, 0x80) << shown;
    int count = 0;
    for (char ch : shown) count += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    EXPECT_EQ(count, static_cast<int>(characters)) << shown;
  }
  EXPECT_EQ(Shown(), message);
}

TEST_F(ClockTest, NoMoreMovesSwingsOnlyInSolitaireAndRivers) {
  struct Case {
    int mode;
    bool swings;
  } cases[] = {{1, true}, {2, true}, {3, true}, {4, false}, {5, false}, {6, false}};
  for (const Case& c : cases) {
    state.status = {};
    Start(c.mode, 0, false);
    Tick();
    EXPECT_EQ(state.status.StatusBounce, c.swings) << "mode " << c.mode;
    EXPECT_EQ(state.status.StatusMessage == engine::NoMoreMoves, c.swings) << "mode " << c.mode;
  }
}

TEST_F(ClockTest, TheSwingStaysBetweenTheFirstAndTheLastButOneCharacter) {
  Start(Mode::ModeSolitaire, 0, false);
  Tick(2);
  int lowest = 99, highest = 0;
  for (int i = 0; i < 100; ++i) {
    Tick();
    lowest = std::min(lowest, state.status.StatusScrollPos);
    highest = std::max(highest, state.status.StatusScrollPos);
    ASSERT_TRUE(std::string(engine::NoMoreMoves).ends_with(Shown()));
  }
  EXPECT_EQ(lowest, 1);
  EXPECT_EQ(highest, 28);
  state.board.MovesLeft = 1; // Back or Shuffle made a move again
  Tick();
  EXPECT_FALSE(state.status.StatusBounce);
}

TEST_F(ClockTest, MovesAndTimeShowOnlyWhereTheyMeanSomething) {
  struct Case {
    int mode;
    bool moves, time;
  } cases[] = {{1, true, true},  {2, true, false}, {3, true, true},
               {4, false, true}, {5, true, false}, {6, false, false}};
  for (bool optionsOn : {true, false}) {
    state.options.ShowMoves = state.options.ShowTime = optionsOn;
    for (const Case& c : cases) {
      Start(c.mode, 5'000);
      Tick();
      EXPECT_EQ(clock.Bar().MovesLeft().text, c.moves && optionsOn ? "1" : "") << c.mode;
      EXPECT_EQ(clock.Bar().Time().text, c.time && optionsOn ? "00:05" : "") << c.mode;
      EXPECT_EQ(clock.Bar().Tiles().text, "2") << c.mode;
    }
  }
}

TEST_F(ClockTest, FieldsAreMarkedWhenTheyChangeAndCaptionsEmptyThemAtOnce) {
  Start(Mode::ModeSolitaire, 5'000);
  Tick();
  StatusBar& bar = clock.Bar();
  bar.MarkShown();
  Tick();
  EXPECT_FALSE(bar.Tiles().changed || bar.MovesLeft().changed || bar.Time().changed);
  clock.ShowTimeClick();
  clock.NStatus();
  EXPECT_TRUE(bar.Time().changed && bar.MovesLeft().changed);
  EXPECT_EQ(bar.Time().text + bar.MovesLeft().text, "");
  clock.ShowTimeClick();
  Tick(20);
  EXPECT_EQ(bar.Time().text, "00:06");
  EXPECT_FALSE(bar.Tiles().changed);
}

TEST_F(ClockTest, AFinishedBoardIsRedrawnOncePerTickUntilTheGameIsOver) {
  Start(Mode::ModeSolitaire, 5'000);
  state.board.TilesLeft = 0;
  Tick(3);
  EXPECT_EQ(services.fullRedraws, 3);
  state.board.GameOverShown = true;
  Tick(2);
  EXPECT_EQ(services.fullRedraws, 3);
  state.board.GameOverShown = false;
  state.board.GameFinished = true;
  Tick();
  EXPECT_EQ(services.fullRedraws, 3);
  EXPECT_EQ(clock.Bar().Tiles().text, "");
}

TEST_F(ClockTest, TheGameCountsEveryTickAndHearsOfABoardWithoutMoves) {
  Start(Mode::ModeClicks);
  state.board.MovesLeft = 0;
  state.options.PlayMusic = true;
  Tick();
  EXPECT_EQ(hooks.calls, std::vector<std::string>{"music"});
  EXPECT_EQ(game->calls, (std::vector<std::string>{"count", "no moves"}));
  state.board.MovesLeft = 1;
  Tick();
  EXPECT_EQ(game->calls.back(), "count");
}

TEST_F(ClockTest, ASteadyTickAllocatesNothing) {
  ClockHooks noHooks;
  GameClock quiet{state, services, noHooks};
  solitaire::SolitaireGame solitaire(state, services);
  for (bool moves : {true, false}) { // a quiet line, then the swinging message
    Start(Mode::ModeSolitaire, 5'000, moves);
    const auto run = [&] {
      for (int i = 0; i < 100; ++i) {
        now += 50;
        quiet.Temps(&solitaire);
      }
    };
    run(); // the first ticks size the buffers
    const long before = heapAllocations;
    run();
    EXPECT_EQ(heapAllocations - before, 0) << (moves ? "quiet" : "swinging");
  }
}

TEST(ThreadTimer, SleepsWhatTheIntervalLeavesButAtLeast10Ms) {
  struct Case {
    int interval;
    std::uint32_t start, end;
    int delay;
  } cases[] = {{8, 1000, 1000, 10},         {8, 1000, 1500, 10},    {30, 1000, 1005, 25},
               {30, 1000, 1019, 11},        {30, 1000, 1020, 10},   {30, 1000, 1025, 10},
               {40, 0xFFFF'FFF0, 0x10, 10}, {8, 0, 0xFFFF'FFFF, 10}};
  for (const Case& c : cases)
    EXPECT_EQ(ThreadTimerPacing(c.interval).NextDelay(c.start, c.end), c.delay)
        << c.interval << " " << c.start << ".." << c.end;
}

TEST(ThreadTimer, RunsForHashiraAndForAnimatedIdleScreens) {
  struct Case {
    int mode;
    bool animatePause, needed;
  } cases[] = {{7, false, true},   {9, false, false}, {9, true, true}, {10, true, true},
               {10, false, false}, {1, true, false},  {6, true, false}};
  for (const Case& c : cases) {
    engine::GameState state;
    state.board.GameMode = static_cast<std::uint8_t>(c.mode);
    state.options.AnimatePause = c.animatePause;
    const bool game = c.mode >= engine::ModeSolitaire && c.mode <= engine::ModeHashira;
    const testing_support::StandInGame playing(c.mode);
    EXPECT_EQ(ThreadTimerNeeded(state, game ? &playing : nullptr), c.needed)
        << c.mode << " " << c.animatePause;
  }
}

} // namespace
