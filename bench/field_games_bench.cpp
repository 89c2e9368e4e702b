// The rules of the two games on a field of their own, at the pace a click needs them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "allocation_counter.h"
#include "games/clicks/clicks_field.h"
#include "games/slider/slider_field.h"

namespace {

// Full Clicks fields of the normal difficulty from a run of seeds, so no single lucky or unlucky
// field decides a figure; each with the lowest clickable cell of its leftmost column.
struct ClicksCase {
  clicks::ClicksField field;
  clicks::Cell click;
};

std::vector<ClicksCase> ClicksCases() {
  std::vector<ClicksCase> cases;
  for (std::uint32_t seed = 1; cases.size() < 64; ++seed) {
    engine::Generator rng{seed};
    ClicksCase c;
    clicks::FillClicksField(c.field, rng, 5);
    for (int col = clicks::FirstColumn; col <= clicks::LastColumn && c.click.c == 0; ++col)
      for (int r = clicks::LastRow; r >= clicks::FirstRow && c.click.c == 0; --r)
        if (clicks::HasEqualNeighbour(c.field, col, r)) c.click = {col, r};
    if (c.click.c != 0) cases.push_back(c);
  }
  return cases;
}

void ReportAllocations(benchmark::State& st, std::uint64_t before) {
  const std::uint64_t allocations = bench::AllocationCount() - before;
  st.counters["allocations"] = static_cast<double>(allocations);
  if (allocations != 0) st.SkipWithError("the rules allocated memory in the measured loop");
}

// A click without the animation: the group goes, the field settles pass by pass, and the status
// refresh counts the groups left.
void BM_ClicksClickSettleAndCount(benchmark::State& st) {
  const std::vector<ClicksCase> cases = ClicksCases();
  std::size_t next = 0;
  clicks::ClicksField field;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    const ClicksCase& c = cases[next];
    field = c.field;
    benchmark::DoNotOptimize(clicks::RemoveGroup(field, c.click.c, c.click.r));
    while (clicks::SettlePass(field)) {
    }
    benchmark::DoNotOptimize(clicks::CountGroups(field));
    if (++next == cases.size()) next = 0;
  }
  ReportAllocations(st, before);
}
BENCHMARK(BM_ClicksClickSettleAndCount);

// The group count alone: twenty times a second while Clicks is played.
void BM_ClicksCountGroups(benchmark::State& st) {
  const std::vector<ClicksCase> cases = ClicksCases();
  std::size_t next = 0;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    benchmark::DoNotOptimize(clicks::CountGroups(cases[next].field));
    if (++next == cases.size()) next = 0;
  }
  ReportAllocations(st, before);
}
BENCHMARK(BM_ClicksCountGroups);

// Half-full Slider fields with jokers, a tile in the bottom-right corner to move and the target
// in the top-left one: the search crosses the field; then the line check runs over the field.
struct SliderCase {
  slider::SliderField field;
  slider::Cell target, selected;
};

std::vector<SliderCase> SliderCases() {
  std::vector<SliderCase> cases;
  for (std::uint32_t seed = 1; cases.size() < 64; ++seed) {
    engine::Generator rng{seed};
    SliderCase c{{}, {1, 1}, {slider::FieldSize, slider::FieldSize}};
    c.field.At(c.selected) = 1;
    for (int k = 0; k < 40; ++k)
      c.field.At(slider::DrawEmptyCell(c.field, rng)) =
          static_cast<std::uint8_t>(slider::DrawNextKind(rng, true) + 1);
    if (c.field(c.target) != 0) continue;
    slider::SliderPath path;
    if (slider::FindPath(c.field, c.target, c.selected, path)) cases.push_back(c);
  }
  return cases;
}

void BM_SliderPathAndLines(benchmark::State& st) {
  const std::vector<SliderCase> cases = SliderCases();
  std::size_t next = 0;
  slider::SliderPath path;
  slider::Grid<bool> remove;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    const SliderCase& c = cases[next];
    benchmark::DoNotOptimize(slider::FindPath(c.field, c.target, c.selected, path));
    benchmark::DoNotOptimize(slider::MarkLines(c.field, remove));
    if (++next == cases.size()) next = 0;
  }
  ReportAllocations(st, before);
}
BENCHMARK(BM_SliderPathAndLines);

} // namespace
