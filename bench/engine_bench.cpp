#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "engine/board.h"
#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/game_state.h"
#include "engine/layout_file.h"
#include "platform/files.h"
#include "quiet_services.h"

namespace {

using engine::GameState;

// The game numbers the deal benchmarks cycle through, so no single lucky or unlucky deal
// decides the figure.
constexpr int GameNumbersCycled = 1000;

struct LoadedLayout {
  engine::LayoutGrid cells;
  std::string error; // empty when the layout was read
};

LoadedLayout Load(const std::string& path) {
  LoadedLayout loaded;
  platform::FileRead file = platform::ReadWholeFile(path, engine::MaxLayoutFileBytes);
  if (!file.ok) {
    loaded.error = path + ": " + file.error;
    return loaded;
  }
  engine::ParsedLayout parsed = engine::ParseLay(file.bytes);
  if (parsed.outcome != engine::ParsedLayout::Outcome::Ok) {
    loaded.error = path + ": not a usable layout: " + parsed.fault;
    return loaded;
  }
  loaded.cells = parsed.cells;
  return loaded;
}

// Read once: the benchmarks time the rules, not the file system.
const LoadedLayout& Traditional() {
  static const LoadedLayout layout = Load(PELMAR_TRADITIONAL_LAY);
  return layout;
}

// Skips the benchmark when the layout could not be read; true when it may go on.
bool HaveLayout(benchmark::State& st) {
  if (Traditional().error.empty()) return true;
  st.SkipWithError(Traditional().error.c_str());
  return false;
}

// A fresh game on Traditional. GameState holds the whole board and its history, a few KB, so
// it lives on the heap rather than on the benchmark's stack.
std::unique_ptr<GameState> NewGame(bool winnable) {
  auto game = std::make_unique<GameState>();
  game->layouts.LayoutCells = Traditional().cells;
  game->options.Winnable = winnable;
  game->options.RandomSeed1 = true;
  return game;
}

void BeginNumberedGame(GameState& game, int number) {
  tool::QuietServices services(game);
  game.board.GameNumber = number;
  services.BeginGame();
}

// Reports the allocations a measured loop made, averaged per iteration.
void ReportAllocations(benchmark::State& st, std::uint64_t allocations) {
  st.counters["allocs/iter"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

// Recounting free tiles and moves runs after every pick and every redraw, so it has to stay
// far below a frame and must never touch the allocator. Arg 1 plays the vertical rule.
void BM_IsItFree(benchmark::State& st) {
  if (!HaveLayout(st)) return;
  auto game = NewGame(false);
  BeginNumberedGame(*game, 1);
  game->options.Vertical = st.range(0) != 0;
  if (game->board.GameMode != engine::ModeSolitaire) {
    st.SkipWithError("the deal did not leave the board in Solitaire mode");
    return;
  }

  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    engine::IsItFree(*game);
    benchmark::DoNotOptimize(game->board.FreeCount);
    benchmark::DoNotOptimize(game->board.MovesLeft);
    benchmark::ClobberMemory();
  }
  const std::uint64_t allocations = bench::AllocationCount() - before;

  st.counters["allocations"] = static_cast<double>(allocations);
  st.counters["tiles"] = game->board.TileCount;
  st.counters["free"] = game->board.FreeCount;
  st.counters["moves"] = game->board.MovesLeft;
  if (allocations != 0) st.SkipWithError("IsItFree allocated memory in the measured loop");
}
BENCHMARK(BM_IsItFree)->ArgName("vertical")->Arg(0)->Arg(1);

// Pointer hit-testing on every mouse move: one call per iteration, walking a grid of pointer
// positions that covers every tile picture with a margin of bare table all round.
void BM_WhatTileThere(benchmark::State& st) {
  if (!HaveLayout(st)) return;
  auto game = NewGame(false);
  BeginNumberedGame(*game, 1);

  struct Point {
    int x, y;
  };
  std::vector<Point> points;
  for (int py = -80; py < 520; py += 8)
    for (int px = -40; px < 720; px += 8) points.push_back({px, py});
  int hits = 0;
  for (const Point& p : points) hits += engine::WhatTileThere(game->board, p.x, p.y) != 0;

  const engine::Board& board = game->board;
  std::size_t next = 0;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    const Point& p = points[next];
    benchmark::DoNotOptimize(engine::WhatTileThere(board, p.x, p.y));
    if (++next == points.size()) next = 0;
  }
  const std::uint64_t allocations = bench::AllocationCount() - before;

  st.counters["allocations"] = static_cast<double>(allocations);
  st.counters["points"] = static_cast<double>(points.size());
  st.counters["on_a_tile"] = static_cast<double>(hits) / static_cast<double>(points.size());
}
BENCHMARK(BM_WhatTileThere);

// A whole new plain game as the menu starts it: fill from the layout, deal, status line.
void BM_BeginGamePlain(benchmark::State& st) {
  if (!HaveLayout(st)) return;
  auto game = NewGame(false);
  int number = 0;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    BeginNumberedGame(*game, number % GameNumbersCycled + 1);
    ++number;
    benchmark::DoNotOptimize(game->board.TilePos.data());
    benchmark::ClobberMemory();
  }
  ReportAllocations(st, bench::AllocationCount() - before);
}
BENCHMARK(BM_BeginGamePlain);

// The plain deal alone, without what BeginGame does around it.
void BM_PlainDeal(benchmark::State& st) {
  if (!HaveLayout(st)) return;
  auto game = NewGame(false);
  game->board.GameMode = engine::ModeSolitaire;
  tool::QuietServices services(*game);
  engine::Board& b = game->board;
  int number = 0;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    b.TilesLeft = b.TileCount = engine::FillFromLayout(b.BoardGrid, game->layouts.LayoutCells);
    b.GameNumber = number % GameNumbersCycled + 1;
    ++number;
    engine::PlainDeal(*game, services);
    benchmark::DoNotOptimize(b.TilePos.data());
    benchmark::ClobberMemory();
  }
  ReportAllocations(st, bench::AllocationCount() - before);
}
BENCHMARK(BM_PlainDeal);

// A whole new winnable game. Its cost swings with the number of restarts a game number needs,
// so the run is repeated and the median is the figure to read.
void BM_BeginGameWinnable(benchmark::State& st) {
  if (!HaveLayout(st)) return;
  auto game = NewGame(true);
  int number = 0;
  for (auto _ : st) {
    BeginNumberedGame(*game, number % GameNumbersCycled + 1);
    ++number;
    benchmark::DoNotOptimize(game->board.TilePos.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BeginGameWinnable)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Nearest-rank percentile of a sorted, non-empty list.
template <typename T> T Percentile(const std::vector<T>& sorted, int percent) {
  std::size_t rank = (sorted.size() * static_cast<std::size_t>(percent) + 99) / 100;
  return sorted[rank == 0 ? 0 : rank - 1];
}

template <typename T> double Median(const std::vector<T>& sorted) {
  std::size_t n = sorted.size();
  return n % 2 == 1
             ? static_cast<double>(sorted[n / 2])
             : (static_cast<double>(sorted[n / 2 - 1]) + static_cast<double>(sorted[n / 2])) / 2;
}

// One pass over game numbers 1..1000 of the winnable deal: how often the simulation has to
// start over, how many games give up and deal plainly, and what a single deal costs. Only
// measures; the counters are the result.
void BM_WinnableRestartsOver1000Games(benchmark::State& st) {
  if (!HaveLayout(st)) return;
  auto game = NewGame(true);
  tool::QuietServices services(*game);
  std::vector<int> restarts;
  std::vector<double> micros;
  int fallbacks = 0, incomplete = 0;

  for (auto _ : st) {
    restarts.clear();
    micros.clear();
    fallbacks = incomplete = 0;
    for (int n = 1; n <= GameNumbersCycled; ++n) {
      game->board.GameMode = engine::ModeSolitaire;
      game->board.GameNumber = n;
      auto start = std::chrono::steady_clock::now();
      engine::WinnableDeal deal = engine::CreateBoard(*game, services);
      auto stop = std::chrono::steady_clock::now();
      micros.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
      restarts.push_back(deal.restarts);
      fallbacks += deal.plainFallback;
      // Every position must end up with a tile and the removals must cover the whole layout.
      const engine::Board& b = game->board;
      bool complete = deal.plainFallback || deal.removalCount == b.TileCount;
      for (int t = 1; t <= b.TileCount; ++t) complete = complete && b.TilePos[t].OnBoard();
      incomplete += !complete;
    }
  }

  std::sort(restarts.begin(), restarts.end());
  std::sort(micros.begin(), micros.end());
  st.counters["games"] = static_cast<double>(restarts.size());
  st.counters["restarts_min"] = restarts.front();
  st.counters["restarts_median"] = Median(restarts);
  st.counters["restarts_p90"] = Percentile(restarts, 90);
  st.counters["restarts_max"] = restarts.back();
  st.counters["restarts_mean"] =
      std::accumulate(restarts.begin(), restarts.end(), 0.0) / static_cast<double>(restarts.size());
  st.counters["games_restarted"] = static_cast<double>(
      std::count_if(restarts.begin(), restarts.end(), [](int r) { return r > 0; }));
  st.counters["plain_fallbacks"] = fallbacks;
  st.counters["incomplete_deals"] = incomplete;
  st.counters["deal_us_median"] = Median(micros);
  st.counters["deal_us_p90"] = Percentile(micros, 90);
  st.counters["deal_us_max"] = micros.back();
}
BENCHMARK(BM_WinnableRestartsOver1000Games)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
