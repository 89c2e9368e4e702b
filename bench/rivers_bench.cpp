#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "allocation_counter.h"
#include "engine/game_state.h"
#include "games/rivers/river_path.h"
#include "games/rivers/rivers_count.h"
#include "games/rivers/rivers_game.h"

namespace {

// The deals the count benchmarks cycle through, so no single lucky or unlucky deal decides.
constexpr int DealsCycled = 64;

// A hard deal from RandSeed `seed`, then, for `pairsRemoved`, the first move of each count taken
// off as a player would (a board without a move loses the first two tiles of a group instead).
std::unique_ptr<engine::Board> HardBoard(int seed, int pairsRemoved) {
  engine::Generator rng{static_cast<std::uint32_t>(seed)};
  auto b = std::make_unique<engine::Board>();
  play::DealFlat(*b, rng, rivers::Layout(rivers::Hard));
  for (int pair = 0; pair < pairsRemoved; ++pair) {
    rivers::CountMoves(*b);
    if (!rivers::MarkMove(*b, 1)) {
      for (int t = 1; t < b->TileCount; ++t)
        if (b->TilePos[t].OnBoard() && b->TilePos[t + 1].OnBoard() &&
            engine::TileGroup(t) == engine::TileGroup(t + 1)) {
          b->HintA = t;
          b->HintB = t + 1;
          break;
        }
    }
    for (int t : {b->HintA, b->HintB}) {
      b->BoardGrid.Set(b->TilePos[t], 0);
      b->TilePos[t] = {};
    }
    b->TilesLeft -= 2;
  }
  return b;
}

// The Rivers count of every status refresh, twenty times a second: it must stay far below a
// frame and never touch the allocator. Arg: the pairs already removed (0 fresh, 36 half-cleared).
void BM_RiversCountMoves(benchmark::State& st) {
  std::unique_ptr<engine::Board> boards[DealsCycled];
  for (int i = 0; i < DealsCycled; ++i) boards[i] = HardBoard(i + 1, static_cast<int>(st.range(0)));
  int next = 0;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    rivers::CountMoves(*boards[next]);
    benchmark::DoNotOptimize(boards[next]->MovesLeft);
    next = (next + 1) % DealsCycled;
  }
  const std::uint64_t allocations = bench::AllocationCount() - before;
  st.counters["allocations"] = static_cast<double>(allocations);
  st.counters["tiles"] = boards[0]->TilesLeft;
  if (allocations != 0) st.SkipWithError("the Rivers count allocated memory");
}
BENCHMARK(BM_RiversCountMoves)->ArgName("removed")->Arg(0)->Arg(36);

// The costliest search: alone on the layer, the start tries every turn of all four directions
// and every third segment runs to its end, where a wall of tiles keeps the target out of reach.
void BM_CanBeReachedWorst(benchmark::State& st) {
  auto b = std::make_unique<engine::Board>();
  const auto put = [&](int t, engine::Position p) {
    b->BoardGrid.Set(p, static_cast<std::uint8_t>(t));
    b->TilePos[t] = p;
  };
  put(1, {16, 11, 1});
  put(2, {30, 15, 1});
  int wall = 5;
  for (engine::Position p : {engine::Position{28, 15, 1}, {32, 15, 1}, {30, 13, 1}, {30, 17, 1}})
    put(wall++, p);
  for (auto _ : st) benchmark::DoNotOptimize(rivers::CanBeReached(*b, 1, 2));
}
BENCHMARK(BM_CanBeReachedWorst);

} // namespace
