#include "games/solitaire/solitaire_start.h"

#include "engine/deal.h"

namespace solitaire {

using namespace engine;

bool LayoutCanBeDealt(const GameState& state, play::Host& host) {
  if (state.layouts.LayoutCells.Positions() > 0) return true;
  host.ui().ShowMessage("No layout could be read, so there is no board to play. Choose a layout "
                        "in the Layout menu.");
  return false;
}

void BeginGame(GameState& state, play::Host& host) {
  Board& b = state.board;
  // The layout editor deals its design, an empty one too, to lay the tiles it draws.
  if (b.GameMode != ModeEditor && !LayoutCanBeDealt(state, host)) return;
  host.RefreshHighlightColour();
  InitVar(state);
  host.ResetPauseCaptions();
  host.ShowEmptyBoard();

  PrepareLayoutBoard(state);

  if (AnimatesDeal(state)) host.Repaint();
  if (b.GameMode != ModeEditor) host.IM(ModeSolitaire);

  DealLayout(state, host);
  AnnounceNumberedGame(state);
  host.FullRedraw();
  host.ShowPanelHOF();
  AnnounceNewGame(state);
  state.scoring.GameStartTick = host.clock().TickCount();
}

void RandomSolitaireGame1Click(GameState& state, play::Host& host) {
  state.options.RandomSeed1 = false;
  BeginGame(state, host);
}

void NewSpecificGame1Click(GameState& state, play::Host& host) {
  state.options.RandomSeed1 = true;
  host.AskGameNumber();
  state.rng.Randomize(host.clock());
  BeginGame(state, host);
}

void VerticalClick(GameState& state, play::Host& host) {
  switch (state.board.GameMode) {
  case ModeSolitaire:
    if (host.ui().AskOkCancel("Vertical variation",
                              "If you want to change the game mode, you'll have to restart "
                              "your game. Do you wish to continue ?")) {
      // Through the program, so that the game knows a new deal began.
      host.BeginGame();
      state.options.Vertical = !state.options.Vertical;
    }
    break;
  case ModeNone:
  case ModeGamesPanel:
    state.options.Vertical = !state.options.Vertical;
    break;
  default:
    break;
  }
}

} // namespace solitaire
