#pragma once

#include "engine/game_state.h"
#include "games/slider/slider_drawing.h"
#include "games/slider/slider_field.h"
#include "play/game.h"
#include "play/host.h"
#include "play/keyboard_cursor.h"

namespace slider {

// Tiles slide along free paths to form lines of five; every move that forms none brings three
// new tiles. The game ends when the field is nearly full; more points are better.
class SliderGame final : public play::Game {
public:
  SliderGame(engine::GameState& state, play::Host& host);

  void Start(int variant) override;
  // Starts like Start, but deals from the generator as it stands, unseeded: a tester's seed
  // gives the same game as the program would deal from it.
  void Deal();

  void Release(play::MouseButton button, int X, int Y) override;
  void PointerMove(int X, int Y) override;
  void KeyDown(play::Key key) override;
  void CountMoves() override;
  void DrawField(platform::Bitmap& work, platform::Rect area) override;
  void OptionChanged() override;

  // How the game answered a click on a cell.
  enum class Answer { Ignored, Selected, NoWay, Moved };
  Answer ClickCell(Cell cell);

  const SliderField& Field() const { return field_; }
  const NextKinds& Next() const { return NextKinds_; }
  Cell Selected() const { return selected_; }
  // Sets a position up to play from, nothing selected.
  void SetPosition(const SliderField& field, const NextKinds& next);

private:
  Answer Slide(Cell target);
  // The line check: the lines go one cell after the other, a point each. True when any went.
  bool RemoveLines();
  void PlaceNewTiles();
  // Shows the board as it stands now, one frame of an animation.
  void ShowFrame();

  engine::GameState& state_;
  play::Host& host_;
  SliderField field_;      // `SliderField`
  NextKinds NextKinds_{};  // `NextKinds`
  Cell selected_ = NoCell; // `SliderSelCol`, `SliderSelRow`
  Cell hover_ = NoCell;    // `SliderHoverCol`, `SliderHoverRow`
  // The pointer was over a cell that shows the hand: moving on keeps the hand as it is (it may
  // be pressed).
  bool handShown_ = false;
  SliderPictures pictures_;
  play::KeyboardCursor keys_{1, FieldSize, 1, FieldSize};
};

} // namespace slider
