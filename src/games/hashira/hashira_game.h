#pragma once

#include <optional>

#include "engine/game_state.h"
#include "games/hashira/columns_pictures.h"
#include "games/hashira/hashira_rules.h"
#include "games/hashira/hashira_state.h"
#include "games/hashira/pit_drawing.h"
#include "play/game.h"
#include "play/host.h"

namespace hashira {

// Columns of three tiles fall into the pit, steered with the arrow keys; lines of three equal
// tiles vanish. One step per run of the thread timer.
class HashiraGame final : public play::Game {
public:
  // The Hashira command of the menus and of the games panel: the result goes to Hashira's table.
  enum Variant { Named = 1 };

  HashiraGame(engine::GameState& state, play::Host& host);

  void Start(int variant) override;
  // Starts a game on the generator as it stands: Start seeds it from the clock first, a tester
  // with a number of his own.
  void Begin(int variant);
  void Release(play::MouseButton, int, int) override {}
  void KeyDown(play::Key key) override;
  void KeyUp(play::Key key) override;
  void Step() override;
  void DrawField(platform::Bitmap& work, platform::Rect area) override;
  // "Show Next Tiles" fills the next-piece picture or leaves it silver.
  void OptionChanged() override;
  int LevelReached() const override { return Level(columns_); }

  const ColumnsGame& Columns() const { return columns_; }

private:
  void ShowColumnsTexts();
  // Shows the part of the pit that changed since it was last drawn.
  void ShowPitChanges();

  engine::GameState& state_;
  play::Host& host_;
  ColumnsGame columns_;
  std::optional<ColumnsPictures> pictures_;
  PanelFigures shownFigures_; // what the panel shows now
  PitPicture shownPit_;       // what the pit shows now
};

} // namespace hashira
