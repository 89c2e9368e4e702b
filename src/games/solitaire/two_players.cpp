#include "games/solitaire/two_players.h"

#include "engine/deal.h"
#include "games/solitaire/solitaire_start.h"

namespace solitaire {

using namespace engine;

void TwoPlayers(GameState& state, play::Host& host) {
  if (!LayoutCanBeDealt(state, host)) return;
  Board& b = state.board;
  host.RefreshHighlightColour();
  InitVar(state);
  host.ShowEmptyBoard();
  PrepareLayoutBoard(state);
  if (AnimatesDeal(state)) host.Repaint();
  DealLayout(state, host);
  if (b.GameMode == ModePaused) host.ResetPauseCaptions();
  ShowStatus(state.status, "Two-Player Solitaire started.");
  host.IM(ModeTwoPlayers);
  AnnounceNumberedGame(state);
  host.ShowPanelHOF();
  host.FullRedraw();
  AnnounceNewGame(state);
  Scoring& s = state.scoring;
  s.GameStartTick = s.TurnStartTick1 = s.TurnStartTick2 = host.clock().TickCount();
}

void EndTurn(GameState& state, std::uint32_t now) {
  Scoring& s = state.scoring;
  const bool first = s.CurrentPlayer == 0;
  int& total = first ? s.PlayerTime1 : s.PlayerTime2;
  const std::uint32_t started = first ? s.TurnStartTick1 : s.TurnStartTick2;
  const int turn = static_cast<int>(now - started);
  if (s.TurnCount < static_cast<int>(s.Turns.size()))
    s.Turns[s.TurnCount++] = {s.CurrentPlayer, total, turn};
  total += turn;
  s.CurrentPlayer = first ? 1 : 0;
  (first ? s.TurnStartTick2 : s.TurnStartTick1) = now;
}

void TakeBackTurn(GameState& state, std::uint32_t now) {
  Scoring& s = state.scoring;
  if (s.TurnCount == 0) return;
  const Scoring::Turn& last = s.Turns[--s.TurnCount];
  s.CurrentPlayer = last.player;
  const bool first = last.player == 0;
  (first ? s.PlayerTime1 : s.PlayerTime2) = last.totalBefore;
  (first ? s.TurnStartTick1 : s.TurnStartTick2) = now - static_cast<std::uint32_t>(last.turnTime);
}

std::string_view Verdict(const Scoring& s) {
  if (s.PlayerTime2 < s.PlayerTime1) return "And the winner is... PLAYER 2 !";
  if (s.PlayerTime2 == s.PlayerTime1) return "Same score for both players !";
  return "And the winner is... PLAYER 1 !";
}

} // namespace solitaire
