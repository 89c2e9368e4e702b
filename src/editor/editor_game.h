#pragma once

#include <string>

#include "editor/editor_view.h"
#include "editor/layout_design.h"
#include "engine/game_state.h"
#include "play/game.h"
#include "play/host.h"

namespace editor {

// The layout editor: a design drawn on the board, positions placed with the left button and
// taken away with the right, saved as a layout file on which a game then starts.
class EditorGame final : public play::Game {
public:
  // Create starts from an empty grid, Edit from the current layout.
  enum Variant { Create = 1, Edit };
  // The three saves: over the layout's own file, under a name the player chooses, or as the
  // temporary layout to try it at once.
  enum class SaveKind { Save, SaveAs, TryIt };

  EditorGame(engine::GameState& state, play::Host& host, EditorView& view);

  void Start(int variant) override;
  void Release(play::MouseButton button, int X, int Y) override;
  void PointerMove(int X, int Y) override;

  // "Save", "Save as..." and "Try it": refused with a message while the design cannot be
  // played; otherwise written, and a game starts on it.
  void SaveandexitClick(SaveKind kind);
  // "Exit": the design is dropped and the layout of before is played again.
  void Cancel2Click();
  // "Move Board": the design one cell over, unless it touches that edge.
  void MoveBoard(Shift shift);

  // 144 less the positions placed; nothing more can be placed below 1.
  int TilesToPlace() const { return TilesToPlace_; }

private:
  void ShowCounters();
  void Leave();

  // The layout current when the editor started, which "Exit" plays again.
  struct Before {
    engine::LayoutGrid cells;
    std::string name, path;
    int index = 0, checked = 0;
  };

  engine::GameState& state_;
  play::Host& host_;
  EditorView& view_;
  int TilesToPlace_ = engine::MaxTiles;
  platform::Rect EditorCursorRect_;
  bool canSave_ = false;
  Before before_;
};

} // namespace editor
