#pragma once

#include "engine/game_state.h"
#include "play/flat_board.h"
#include "play/game.h"
#include "play/host.h"

namespace rivers {

enum Variant { Easy = 1, Hard };

// Easy: 84 tiles on one layer. Hard: 144 tiles, a second layer covering the first.
const play::FlatVariant& Layout(Variant variant);

// Joining pairs of tiles by paths of at most three straight segments, against the clock.
class RiversGame final : public play::Game {
public:
  RiversGame(engine::GameState& state, play::Host& host);

  // "Mahjongg Rivers": a new deal of the variant, or KeepVariant for the one played last.
  void Start(int variant) override;
  void Release(play::MouseButton button, int X, int Y) override;
  void Back() override;
  void Hint() override;
  void Shuffle() override;
  void Restart() override;
  void CountMoves() override;

private:
  engine::GameState& state_;
  play::Host& host_;
};

} // namespace rivers
