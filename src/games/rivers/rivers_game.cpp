#include "games/rivers/rivers_game.h"

#include "games/rivers/rivers_count.h"
#include "games/rivers/rivers_play.h"
#include "play/game_codes.h"
#include "play/pair_undo.h"

namespace rivers {

namespace {

using play::PlayCommand;

constexpr play::FlatVariant EasyLayout{play::game_code::RiversEasy, {14, 6, 4, 5}, 1};
constexpr play::FlatVariant HardLayout{play::game_code::RiversHard, {12, 6, 6, 5}, 2};

const play::Traits RiversTraits{
    .mode = engine::ModeRivers,
    .firstCode = play::game_code::RiversEasy,
    .lastCode = play::game_code::RiversHard,
    .commands = {PlayCommand::Back, PlayCommand::Hint, PlayCommand::Pause, PlayCommand::Shuffle,
                 PlayCommand::Restart, PlayCommand::Stop},
    .clock = {.timed = true,
              .showsStatus = true,
              .showsMoves = true,
              .showsTime = true,
              .swingsNoMoves = true},
    .pointer = {.tracksTiles = true, .playable = Playable},
    .mascot = {play::Mascot::Measure::ShownSeconds, 120, 240, 7, 6, 8, 15},
};

} // namespace

const play::FlatVariant& Layout(Variant variant) {
  return variant == Easy ? EasyLayout : HardLayout;
}

RiversGame::RiversGame(engine::GameState& state, play::Host& host)
    : Game(RiversTraits), state_(state), host_(host) {}

void RiversGame::Start(int variant) {
  // Replaying keeps the variant of the last game; the picture button's hard one stands in when
  // LayoutIndex holds no Rivers code, so the result never lands in another game's table.
  if (variant == play::KeepVariant)
    variant = state_.layouts.LayoutIndex == EasyLayout.code ? Easy : Hard;
  play::StartFlatGame(state_, host_, Layout(static_cast<Variant>(variant)), engine::ModeRivers,
                      "Mahjongg Rivers started.");
}

void RiversGame::Release(play::MouseButton, int X, int Y) {
  ChoisitPai(state_, host_, X, Y);
}

void RiversGame::Back() {
  play::BackPair(state_, host_);
}

void RiversGame::Hint() {
  rivers::Hint(state_, host_);
}

void RiversGame::Shuffle() {
  Shuffle1Click(state_, host_);
}

void RiversGame::Restart() {
  play::Restart(state_, host_);
}

void RiversGame::CountMoves() {
  rivers::CountMoves(state_.board);
}

} // namespace rivers
