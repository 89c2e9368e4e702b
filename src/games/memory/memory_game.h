#pragma once

#include "engine/game_state.h"
#include "play/flat_board.h"
#include "play/game.h"
#include "play/host.h"

namespace memory {

enum Variant { Easy = 1, Hard };

// Easy: 32 tiles, four of each of eight groups. Hard: 60 tiles of fifteen groups.
const play::FlatVariant& Layout(Variant variant);

// Turning up pairs of face-down tiles, against the clock.
class MemoryGame final : public play::Game {
public:
  MemoryGame(engine::GameState& state, play::Host& host);

  // "Mahjongg Memory": a new deal of the variant, or KeepVariant for the one played last.
  void Start(int variant) override;
  void Release(play::MouseButton button, int X, int Y) override;
  // The turned-up pair's countdown runs on, also while the game is paused.
  void Tick() override;

private:
  engine::GameState& state_;
  play::Host& host_;
};

} // namespace memory
