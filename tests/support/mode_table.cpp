#include "support/mode_table.h"

namespace testing_support {

namespace {

using play::PlayCommand;
using P = PlayCommand;

struct ModeRow {
  int mode;
  play::CommandSet commands;
  play::ClockRules clock;
  int firstCode, lastCode;
  bool threadTimer;
  play::Mascot mascot;
};

using M = play::Mascot::Measure;

constexpr play::ClockRules Timed{.timed = true,
                                 .showsStatus = true,
                                 .showsMoves = true,
                                 .showsTime = true,
                                 .swingsNoMoves = true};

const ModeRow Rows[] = {
    {engine::ModeSolitaire,
     {P::Back, P::Hint, P::Pause, P::Shuffle, P::Restart, P::Stop, P::StillWinnable, P::Solve},
     Timed,
     0,
     0,
     false,
     {M::MovesLeft, 2, 7, 11, 9, 10, 14}},
    {engine::ModeTwoPlayers,
     {P::Back, P::Pause, P::Shuffle, P::Stop},
     {.timed = true, .showsStatus = true, .showsMoves = true, .swingsNoMoves = true},
     0,
     0,
     false,
     {}},
    {engine::ModeRivers,
     {P::Back, P::Hint, P::Pause, P::Shuffle, P::Restart, P::Stop},
     Timed,
     1000,
     1001,
     false,
     {M::ShownSeconds, 120, 240, 7, 6, 8, 15}},
    {engine::ModeMemory,
     {P::Pause, P::Stop},
     {.timed = true, .showsStatus = true, .showsTime = true},
     1010,
     1011,
     false,
     {M::ShownSeconds, 60, 120, 7, 6, 8, 15}},
    {engine::ModeClicks,
     {P::Back, P::Pause, P::Restart, P::Stop},
     {.scoresTilesLeft = true, .showsStatus = true, .showsMoves = true},
     1020,
     1022,
     false,
     {M::MovesLeft, 6, 24, 5, 3, 4, 13}},
    {engine::ModeSlider,
     {P::Pause, P::Stop},
     {.showsStatus = true},
     1030,
     1030,
     false,
     {M::TilesLeft, 29, 60, 10, 9, 11, 14}},
    {engine::ModeHashira,
     {P::Pause, P::Stop},
     {},
     1040,
     1040,
     true,
     {M::Random, 0, 0, 16, 17, 18, 13}},
};

} // namespace

play::Traits ExpectedTraits(int mode) {
  play::Traits traits;
  traits.mode = static_cast<engine::Mode>(mode);
  for (const ModeRow& row : Rows)
    if (row.mode == mode) {
      traits.commands = row.commands;
      traits.clock = row.clock;
      traits.firstCode = row.firstCode;
      traits.lastCode = row.lastCode;
      traits.threadTimer = row.threadTimer;
      traits.mascot = row.mascot;
      traits.turnClocks = mode == engine::ModeTwoPlayers;
      traits.pointer.showsCurrentTile = mode == engine::ModeSolitaire;
    }
  return traits;
}

const play::GameList& StandInGames() {
  static const auto* games = [] {
    auto* list = new play::GameList;
    for (int mode = engine::ModeSolitaire; mode <= engine::ModeHashira; ++mode)
      list->Add(*new StandInGame(mode)); // they live as long as the test program
    return list;
  }();
  return *games;
}

} // namespace testing_support
