#pragma once

#include <array>

#include "engine/game_state.h"
#include "games/clicks/clicks_field.h"
#include "play/game.h"
#include "play/host.h"
#include "play/keyboard_cursor.h"
#include "render/small_tiles.h"

namespace clicks {

// One click takes a group of equal neighbouring tiles; the rest fall and close up toward the
// left. Fewer tiles left at the end is better.
class ClicksGame final : public play::Game {
public:
  ClicksGame(engine::GameState& state, play::Host& host);

  // The variant is the difficulty's game code (1020 easy, 1022 normal, 1021 hard), or
  // play::KeepVariant for the difficulty of the last game.
  void Start(int variant) override;
  // Starts like Start, but fills the field from the generator as it stands, unseeded: a
  // tester's seed gives the same field as the game would deal from it.
  void Deal(int variant);

  void Release(play::MouseButton button, int X, int Y) override;
  void PointerMove(int X, int Y) override;
  void KeyDown(play::Key key) override;
  void Back() override;
  void Restart() override;
  void CountMoves() override;
  void NoMovesLeft() override;
  void DrawField(platform::Bitmap& work, platform::Rect area) override;

  // A click on cell (c, r): true when it took a group, false for "noway".
  bool ClickCell(int c, int r);

  const ClicksField& Field() const { return field_; }
  // Sets a position up to play from, as if it had been dealt: no move to take back.
  void SetField(const ClicksField& field);
  int MoveCount() const { return ClicksMoveCount; }
  // The field as it was before move k (1..MoveCount()).
  const ClicksField& Snapshot(int k) const { return ClicksHistory[k]; }

private:
  // Takes back the last move: the field before it returns.
  void GoBack();
  void Settle();
  bool Occupied(int X, int Y) const;

  engine::GameState& state_;
  play::Host& host_;
  ClicksField field_; // `ClicksField`
  int ClicksMoveCount = 0;
  // Entry k is the field before move k. A field of 216 tiles has at most 108 moves, and every
  // one keeps its entry, so undo and Restart stay exact back to the deal.
  std::array<ClicksField, MaxMoves + 1> ClicksHistory{};
  render::SmallTiles tiles_;
  play::KeyboardCursor keys_{FirstColumn, LastColumn, FirstRow, LastRow};
  // The "Game Over" question is open: the clock's status refreshes go on meanwhile and must
  // not ask again.
  bool asking_ = false;
  // The player declined to give up on a dealt field without any group: there is no move to
  // take back, and asking again at every refresh would never let him go.
  bool declinedOnDeal_ = false;
};

} // namespace clicks
