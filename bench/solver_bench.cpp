#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "allocation_counter.h"
#include "engine/solver.h"
#include "platform/clock.h"
#include "solve_command.h"

namespace {

// The game numbers each figure is taken over.
constexpr int GameNumbers = 1000;
// The budget the figures are taken with: a deal that needs more is counted as unknown.
constexpr std::uint32_t BudgetMs = 1000;

std::string LayoutPath(const std::string& name) {
  return std::string(PELMAR_LAYOUTS_DIR) + "/" + name + ".lay";
}

// Skips the benchmark when the layout could not be read; true when it may go on.
bool Read(benchmark::State& st, const std::string& name, engine::ParsedLayout& layout) {
  std::ostringstream err;
  layout = tool::ReadLayout(LayoutPath(name));
  if (!tool::ReportIfBroken(LayoutPath(name), layout, err)) return true;
  st.SkipWithError(err.str().c_str());
  return false;
}

void Report(benchmark::State& st, const tool::SolveStats& s) {
  st.counters["deals"] = s.deals;
  st.counters["winnable_pct"] = 100.0 * s.winnable / s.deals;
  st.counters["not_winnable"] = s.notWinnable;
  st.counters["unknown"] = s.unknown;
  st.counters["ms_median"] = s.medianMs;
  st.counters["ms_p90"] = s.p90Ms;
  st.counters["ms_max"] = s.maxMs;
  st.counters["most_nodes"] = static_cast<double>(s.maxNodes);
}

// Fresh deals of game numbers 1..1000 decided one after the other, as "Is this board still
// winnable?" meets them at the start of a game. Only measures; the counters are the figures.
void BM_SolveFreshDeals(benchmark::State& st, const std::string& name, bool winnable) {
  engine::ParsedLayout layout;
  if (!Read(st, name, layout)) return;
  tool::DealOptions options;
  options.seed = 1;
  options.winnable = winnable;
  engine::SolveBudget budget;
  budget.milliseconds = BudgetMs;
  tool::SolveStats stats;
  for (auto _ : st) stats = tool::SolveDeals(layout, options, GameNumbers, budget);
  Report(st, stats);
}
BENCHMARK_CAPTURE(BM_SolveFreshDeals, Traditional_plain, "Traditional", false)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_SolveFreshDeals, Traditional_winnable, "Traditional", true)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
// The shipped layout whose plain deals take the search longest.
BENCHMARK_CAPTURE(BM_SolveFreshDeals, Butterfly_plain, "Butterfly", false)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_SolveFreshDeals, Butterfly_winnable, "Butterfly", true)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

// What each technique buys: the same plain Traditional deals with one switched off, on fewer
// game numbers and a shorter budget, as some settings leave many deals undecided.
void BM_SolveWithout(benchmark::State& st, bool engine::SolverTechniques::*technique) {
  engine::ParsedLayout layout;
  if (!Read(st, "Traditional", layout)) return;
  tool::DealOptions options;
  options.seed = 1;
  engine::SolverTechniques techniques;
  if (technique != nullptr) techniques.*technique = false;
  engine::SolveBudget budget;
  budget.milliseconds = 200;
  tool::SolveStats stats;
  for (auto _ : st) stats = tool::SolveDeals(layout, options, 200, budget, techniques);
  Report(st, stats);
}
using T = engine::SolverTechniques;
BENCHMARK_CAPTURE(BM_SolveWithout, nothing, nullptr)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_SolveWithout, deadTable, &T::deadTable)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_SolveWithout, clearFreeGroups, &T::clearFreeGroups)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_SolveWithout, blockedGroups, &T::blockedGroups)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_SolveWithout, waitingCycles, &T::waitingCycles)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_SolveWithout, moveOrdering, &T::moveOrdering)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_SolveWithout, restarts, &T::restarts)->Unit(benchmark::kSecond)->Iterations(1);

// The search runs a slice at a time between window events, so it must not touch the
// allocator once the solver is made: one slice of a hard deal per iteration.
void BM_SolverSlice(benchmark::State& st) {
  engine::ParsedLayout layout;
  if (!Read(st, "Traditional", layout)) return;
  auto state = std::make_unique<engine::GameState>();
  tool::DealOptions options;
  options.seed = 218; // refuted only after some hundred thousand positions
  tool::DealNumberedGame(*state, layout, options);
  platform::SystemClock clock;
  auto solver = std::make_unique<engine::Solver>(clock);
  solver->Start(state->board, engine::FreeRule::Normal);
  constexpr std::uint64_t SliceNodes = 2000;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    if (solver->Run(SliceNodes) != engine::SolveStatus::InProgress)
      solver->Start(state->board, engine::FreeRule::Normal);
  }
  const std::uint64_t allocations = bench::AllocationCount() - before;
  st.counters["nodes_per_slice"] = SliceNodes;
  st.counters["allocations"] = static_cast<double>(allocations);
  if (allocations != 0) st.SkipWithError("the search allocated memory");
}
BENCHMARK(BM_SolverSlice)->Unit(benchmark::kMicrosecond);

} // namespace
