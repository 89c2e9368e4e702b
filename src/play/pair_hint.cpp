#include "play/pair_hint.h"

namespace play {

void NextHint(engine::GameState& state, Host& host, MoveMarker markMove) {
  engine::Board& b = state.board;
  if (b.MovesLeft == 0) return;
  b.HintA = 0;
  b.HintB = 0;
  host.CountMoves();
  if (b.FreeCount <= 1 || b.MovesLeft == 0) return;
  // Every move number gets one try: should the count promise a move that the walk cannot find,
  // the hint gives up instead of searching for ever.
  for (int tries = 0; tries < b.MovesLeft; ++tries) {
    b.HintIndex = b.HintIndex % b.MovesLeft + 1;
    if (markMove(b, b.HintIndex)) {
      state.scoring.PenaltySeconds += HintPenaltySeconds;
      host.FullRedraw();
      return;
    }
  }
}

} // namespace play
