#pragma once

#include "engine/game_state.h"
#include "games/solitaire/board_solving.h"
#include "games/solitaire/player_clocks_panel.h"
#include "play/game.h"
#include "play/host.h"

namespace solitaire {

// One player against the clock on the current layout.
class SolitaireGame final : public play::Game {
public:
  // Random deals by the clock, Specific asks for a game number first, OnLayout deals the layout
  // just loaded with the seeding as it stands.
  enum Variant { Random = 1, Specific, OnLayout };

  SolitaireGame(engine::GameState& state, play::Host& host);

  void Start(int variant) override;
  void Release(play::MouseButton button, int X, int Y) override;
  void Back() override;
  void Hint() override;
  void Shuffle() override;
  void Restart() override;
  void StillWinnable() override;
  void Solve() override;
  void CountMoves() override;
  bool HasBackgroundWork() const override { return solving_.HasWork(); }
  void Background() override { solving_.Background(); }
  // A board the program cleared in a demonstration ends without a result.
  play::VerdictWindow Verdict() const override;

private:
  engine::GameState& state_;
  play::Host& host_;
  BoardSolving solving_;
};

// Two players take turns at one board; the smaller total time wins.
class TwoPlayerGame final : public play::Game {
public:
  TwoPlayerGame(engine::GameState& state, play::Host& host);

  void Start(int variant) override;
  void Release(play::MouseButton button, int X, int Y) override;
  void Back() override;
  void Shuffle() override;
  void CountMoves() override;
  // Both players' clocks on the side panel, every tick of a running game.
  void Tick() override;
  play::VerdictWindow Verdict() const override;

private:
  engine::GameState& state_;
  play::Host& host_;
  PlayerClocks clocks_;
};

} // namespace solitaire
