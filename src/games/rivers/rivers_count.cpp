#include "games/rivers/rivers_count.h"

#include <array>

#include "games/rivers/river_path.h"

namespace rivers {

namespace {

constexpr int GroupSize = 4;

// The six pairs of a group's four slots, in the order they are counted and hinted.
struct SlotPair {
  int first, second;
};
constexpr std::array<SlotPair, 6> PairsOfAGroup{{{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}};

} // namespace

bool Joinable(const engine::Board& board, int a, int b) {
  // The cheap tests first: most pairs fail them, and the path search is the costly one.
  const engine::Position &p = board.TilePos[a], &q = board.TilePos[b];
  return p.OnBoard() && q.OnBoard() && p.z == q.z && BothUncovered(board, a, b) &&
         CanBeReached(board, a, b);
}

void CountMoves(engine::Board& board) {
  board.MovesLeft = 0;
  board.FreeCount = 0;
  for (int o = 1; o + GroupSize - 1 <= board.TileCount; o += GroupSize) {
    std::array<bool, GroupSize> marked{};
    for (const SlotPair& pair : PairsOfAGroup) {
      if (!Joinable(board, o + pair.first, o + pair.second)) continue;
      ++board.MovesLeft;
      marked[pair.first] = marked[pair.second] = true;
    }
    for (int k = 0; k < GroupSize; ++k)
      if (marked[k]) board.FreeList[++board.FreeCount] = static_cast<std::uint8_t>(o + k);
  }
}

bool MarkMove(engine::Board& board, int n) {
  for (int o = 1; o + GroupSize - 1 <= board.TileCount; o += GroupSize)
    for (const SlotPair& pair : PairsOfAGroup) {
      if (!Joinable(board, o + pair.first, o + pair.second) || --n > 0) continue;
      board.HintA = o + pair.first;
      board.HintB = o + pair.second;
      return true;
    }
  return false;
}

bool Playable(const engine::GameState& state, int tile) {
  const engine::Board& b = state.board;
  for (int k = 1; k <= b.FreeCount; ++k)
    if (b.FreeList[k] == tile) return true;
  return false;
}

} // namespace rivers
