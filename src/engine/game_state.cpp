#include "engine/game_state.h"

namespace engine {

int CharacterCount(std::string_view text) {
  int count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

void ShowStatus(StatusLine& status, const std::string& text) {
  status.StatusMessage = text;
  status.StatusLength = CharacterCount(text);
  status.StatusScrollPos = status.StatusLength;
}

void InitVar(GameState& state) {
  Board& b = state.board;
  Scoring& s = state.scoring;
  s.CurrentPlayer = 0;
  s.PlayerTime1 = 0;
  s.PlayerTime2 = 0;
  s.TurnCount = 0;
  b.GameFinished = false;
  b.GameOverShown = false;
  b.HintIndex = 0;
  b.HintA = 0;
  b.HintB = 0;
  s.GameScore = 0;
  b.FirstPick = 0;
  b.SecondPick = 0;
  s.PenaltySeconds = 0;
  state.status.StatusBounce = false;
  state.RevealCountdown = 0;
  // A new board has no tile under the pointer yet: the next move marks it afresh.
  state.pointer = {};
}

} // namespace engine
