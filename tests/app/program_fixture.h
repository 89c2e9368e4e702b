#pragma once

#include <gtest/gtest.h>

#include "app/pelmar.h"
#include "support/fake_audio.h"
#include "support/fake_window.h"
#include "support/test_platform.h"

// The whole program on a fake window, over a copy of the data the build made.
namespace program_testing {

using shell::CommandId;

class ProgramTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(pelmar_.Init(window_));
    pelmar_.ShowMainWindow();
  }

  engine::GameState& State() { return pelmar_.State(); }
  engine::Board& Board() { return pelmar_.State().board; }
  std::uint32_t& Now() { return desktop_.clock.tick; }

  void Command(CommandId id) { pelmar_.OnCommand(static_cast<int>(id)); }
  bool Enabled(CommandId id) const { return window_.Enabled(static_cast<int>(id)); }

  // A numbered Solitaire game on the current layout, as "Solitaire (Specific)" deals it.
  void DealNumberedGame(int number) {
    window_.gameNumbers.push_back(std::to_string(number));
    Command(CommandId::SpecificSolitaire);
    Tick(); // the status refresh counts the free tiles
  }

  // The middle of a tile's face on the board picture.
  static std::pair<int, int> TileCentre(const engine::Board& b, int tile) {
    const engine::Position& p = b.TilePos[tile];
    return {20 * p.x + 6 * p.z + b.BoardLeft - 26, 25 * p.y - 6 * p.z + b.BoardTop - 34};
  }
  void ClickTile(int tile) {
    const auto [x, y] = TileCentre(Board(), tile);
    pelmar_.OnBoardRelease(platform::PointerButton::Left, x, y);
  }

  // One tick of the 50 ms clock; whether the clock wants the next one.
  bool TickAwake() {
    Now() += 50;
    return pelmar_.OnClockTick();
  }

  // Ticks of the 50 ms clock, the time running with them.
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) {
      Now() += 50;
      pelmar_.OnClockTick();
    }
  }

  testing_support::ProgramFolder folder_;
  testing_support::FakeAudio audio_;
  testing_support::TestDesktop desktop_;
  TPelmar pelmar_{folder_.Path(), audio_, desktop_};
  testing_support::FakeWindow window_{pelmar_};
};

// The program on a fake window, for tests that prepare its folders first; not yet started.
struct Program {
  explicit Program(platform::ProgramFolders folders) : pelmar(std::move(folders), audio, desktop) {}
  testing_support::FakeAudio audio;
  testing_support::TestDesktop desktop;
  TPelmar pelmar;
  testing_support::FakeWindow window{pelmar};
};

// The first two pairs of matching free tiles of the last count, none sharing a tile.
std::vector<std::pair<int, int>> FreePairs(const engine::Board& b);

} // namespace program_testing
