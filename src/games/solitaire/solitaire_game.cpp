#include "games/solitaire/solitaire_game.h"

#include "engine/free_rule.h"
#include "games/solitaire/solitaire_play.h"
#include "games/solitaire/solitaire_start.h"
#include "games/solitaire/two_players.h"

namespace solitaire {

namespace {

using play::PlayCommand;

bool PlayableTile(const engine::GameState& state, int tile) {
  return IsFree(state, tile);
}

constexpr render::PointerRules Pointer{.tracksTiles = true,
                                       .handWithoutHighlight = true,
                                       .showsCurrentTile = true,
                                       .playable = PlayableTile};

const play::Traits OnePlayer{
    .mode = engine::ModeSolitaire,
    .commands = {PlayCommand::Back, PlayCommand::Hint, PlayCommand::Pause, PlayCommand::Shuffle,
                 PlayCommand::Restart, PlayCommand::Stop, PlayCommand::StillWinnable,
                 PlayCommand::Solve},
    .clock = {.timed = true,
              .showsStatus = true,
              .showsMoves = true,
              .showsTime = true,
              .swingsNoMoves = true},
    .pointer = Pointer,
    .mascot = {play::Mascot::Measure::MovesLeft, 2, 7, 11, 9, 10, 14},
};

// The side panel shows the players' own clocks, so the status line shows no time.
const play::Traits TakingTurns{
    .mode = engine::ModeTwoPlayers,
    .commands = {PlayCommand::Back, PlayCommand::Pause, PlayCommand::Shuffle, PlayCommand::Stop},
    .clock = {.timed = true, .showsStatus = true, .showsMoves = true, .swingsNoMoves = true},
    .pointer = {.tracksTiles = true, .handWithoutHighlight = true, .playable = PlayableTile},
    .turnClocks = true,
};

constexpr play::VerdictWindow Demonstrated{.heading = "Demonstration over !",
                                           .subheading = "Pelmar cleared the board...",
                                           .message = "A board cleared for you has no place in "
                                                      "the Hall of Fame.",
                                           .button = "OK"};

} // namespace

SolitaireGame::SolitaireGame(engine::GameState& state, play::Host& host)
    : Game(OnePlayer), state_(state), host_(host), solving_(state, host) {}

void SolitaireGame::Start(int variant) {
  solving_.Reset();
  switch (variant) {
  case Specific:
    NewSpecificGame1Click(state_, host_);
    break;
  case OnLayout:
    BeginGame(state_, host_);
    break;
  default: // a new game of the kind last played is a random one
    RandomSolitaireGame1Click(state_, host_);
    break;
  }
}

void SolitaireGame::Release(play::MouseButton button, int X, int Y) {
  // A click during a demonstration only stops it.
  if (solving_.StopDemonstration()) return;
  ButtonDown(state_, host_, button, X, Y);
}

// The player's own commands end a demonstration first.
void SolitaireGame::Back() {
  solving_.StopDemonstration();
  solitaire::Back(state_, host_);
}

void SolitaireGame::Hint() {
  solving_.StopDemonstration();
  solitaire::Hint(state_, host_);
}

void SolitaireGame::Shuffle() {
  solving_.StopDemonstration();
  Shuffle1Click(state_, host_);
}

void SolitaireGame::Restart() {
  solving_.StopDemonstration();
  play::Restart(state_, host_);
}

void SolitaireGame::StillWinnable() {
  solving_.StopDemonstration();
  solving_.AskWinnable();
}

// A second Solve while the board is being cleared stops the demonstration.
void SolitaireGame::Solve() {
  if (!solving_.StopDemonstration()) solving_.Solve();
}

play::VerdictWindow SolitaireGame::Verdict() const {
  return solving_.Demonstrated() ? Demonstrated : play::VerdictWindow{};
}

void SolitaireGame::CountMoves() {
  engine::IsItFree(state_);
}

TwoPlayerGame::TwoPlayerGame(engine::GameState& state, play::Host& host)
    : Game(TakingTurns), state_(state), host_(host) {}

void TwoPlayerGame::Start(int) {
  TwoPlayers(state_, host_);
}

void TwoPlayerGame::Release(play::MouseButton button, int X, int Y) {
  ButtonDown(state_, host_, button, X, Y);
}

void TwoPlayerGame::Back() {
  solitaire::Back(state_, host_);
}

void TwoPlayerGame::Shuffle() {
  Shuffle1Click(state_, host_);
}

void TwoPlayerGame::CountMoves() {
  engine::IsItFree(state_);
}

void TwoPlayerGame::Tick() {
  if (state_.board.GameMode != traits().mode) return; // a pause freezes the clocks
  UpdatePlayerClocks(clocks_, state_.scoring, host_.clock().TickCount());
  if (!state_.options.ShowHallOfFame) return;
  const play::PanelCanvas canvas = host_.SidePanel();
  DrawPlayerClocks(canvas.panel, canvas.clean, clocks_, canvas.painter);
  host_.ShowSidePanel();
}

play::VerdictWindow TwoPlayerGame::Verdict() const {
  return {.message = solitaire::Verdict(state_.scoring)};
}

} // namespace solitaire
