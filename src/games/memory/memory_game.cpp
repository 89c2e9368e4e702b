#include "games/memory/memory_game.h"

#include "games/memory/memory_play.h"
#include "play/game_codes.h"

namespace memory {

namespace {

using play::PlayCommand;

constexpr play::FlatVariant EasyLayout{play::game_code::MemoryEasy, {8, 4, 10, 7}, 1};
constexpr play::FlatVariant HardLayout{play::game_code::MemoryHard, {10, 6, 8, 5}, 1};

// The picks are the tiles turned face up, so the board's "Redraw" keeps them; every tile may be
// turned, so the pointer marks any of them.
const play::Traits MemoryTraits{
    .mode = engine::ModeMemory,
    .firstCode = play::game_code::MemoryEasy,
    .lastCode = play::game_code::MemoryHard,
    .commands = {PlayCommand::Pause, PlayCommand::Stop},
    .clock = {.timed = true, .showsStatus = true, .showsTime = true},
    .faces = render::TileFaces::BacksButPicks,
    .pointer = {.tracksTiles = true},
    .mascot = {play::Mascot::Measure::ShownSeconds, 60, 120, 7, 6, 8, 15},
    .keepsPicksOnRedraw = true,
};

} // namespace

const play::FlatVariant& Layout(Variant variant) {
  return variant == Easy ? EasyLayout : HardLayout;
}

MemoryGame::MemoryGame(engine::GameState& state, play::Host& host)
    : Game(MemoryTraits), state_(state), host_(host) {}

void MemoryGame::Start(int variant) {
  // Replaying keeps the variant of the last game; the picture button's easy one stands in when
  // LayoutIndex holds no Memory code, so the result never lands in another game's table.
  if (variant == play::KeepVariant)
    variant = state_.layouts.LayoutIndex == HardLayout.code ? Hard : Easy;
  play::StartFlatGame(state_, host_, Layout(static_cast<Variant>(variant)), engine::ModeMemory,
                      "Mahjongg Memory started.");
}

void MemoryGame::Release(play::MouseButton, int X, int Y) {
  TurnTile(state_, host_, X, Y);
}

void MemoryGame::Tick() {
  CountDownReveal(state_, host_);
}

} // namespace memory
