#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <memory>
#include <utility>

#include "allocation_counter.h"
#include "engine/game_state.h"
#include "games/hashira/hashira_rules.h"
#include "games/hashira/pit_drawing.h"
#include "render/board_renderer.h"

namespace {

using namespace hashira;

// Shaded tiles with a transparent corner: the drawing cost does not depend on what they show,
// but a tile moved by a pixel changes every row it covers, as a real one does.
ColumnsPictures PlainPictures() {
  ColumnsPictures p;
  for (int k = 0; k < KindCount; ++k) {
    platform::Bitmap tile(38, 38);
    for (int row = 0; row < 38; ++row)
      platform::FillRect(tile, {0, row, 38, row + 1}, platform::Rgb(40 * k, 100 + 4 * row, 90));
    platform::FillRect(tile, {0, 32, 6, 38}, platform::Rgb(0, 0, 0));
    p.Clicko[k] = Sprite(tile);
  }
  p.Digitaux = DigitSprites(platform::Bitmap(200, 22, platform::Rgb(250, 250, 60)));
  return p;
}

// Ten rows that form no line (eight under the entry), and above them either the falling column
// (arg 0) or three blocks falling into the gap a chain left, its points waving in the pit
// (arg 1).
ColumnsGame BusyPit(bool chain) {
  ColumnsGame g;
  for (int x = 0; x <= RightmostX; x += CellSize)
    for (int row = 0; row < (x == EntryX ? 8 : 10); ++row)
      g.ColumnBlocks[++g.BlockCount] = {x, static_cast<double>(FloorRowTop - CellSize * row),
                                        InPlay, (row + 2 * (x / CellSize)) % 4};
  for (int k = 0; k < ColumnLength; ++k)
    g.ColumnBlocks[++g.BlockCount] = {EntryX, (chain ? 0 : -3.5) + CellSize * k,
                                      chain ? Dropping : InPlay, 5};
  g.ColumnPhase = chain ? FillingGaps : ColumnFalls;
  g.LastPoints = 1500;
  return g;
}

// One run of the thread timer in mode 7: the step, then the part of the pit that changed
// composed anew, and what really differs copied to the board picture, as the window gets it. The
// step must stay far below the 10 ms between runs and must never touch the allocator.
void BM_HashiraStepAndPit(benchmark::State& st) {
  auto state = std::make_unique<engine::GameState>();
  auto board = std::make_unique<render::BoardPictures>();
  const ColumnsPictures pictures = PlainPictures();
  // Two states a step apart, taken in turn: each step then changes the picture, as in play,
  // and never reaches the landing.
  std::array<ColumnsGame, 2> starts{BusyPit(st.range(0) != 0), {}};
  starts[1] = starts[0];
  DoColumns(starts[1], *state);
  auto game = std::make_unique<ColumnsGame>();
  auto shown = std::make_unique<PitPicture>(), now = std::make_unique<PitPicture>();

  std::size_t turn = 0;
  std::int64_t shownPixels = 0;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    *game = starts[turn ^= 1];
    DoColumns(*game, *state);
    *now = PitShown(*game, true);
    const platform::Rect redrawn = PitChanges(*shown, *now);
    std::swap(shown, now);
    DrawPit(board->WorkBitmap, *game, pictures, true, redrawn);
    const platform::Rect changed = platform::ChangedArea(board->WorkBitmap, board->Game, redrawn);
    platform::Blit(board->Game, changed.left, changed.top, board->WorkBitmap, changed);
    shownPixels += std::int64_t{changed.Width()} * changed.Height();
    benchmark::ClobberMemory();
  }
  const std::uint64_t allocations = bench::AllocationCount() - before;
  st.counters["allocations"] = static_cast<double>(allocations);
  st.counters["blocks"] = game->BlockCount;
  st.counters["shown_px"] =
      benchmark::Counter(static_cast<double>(shownPixels), benchmark::Counter::kAvgIterations);
  if (allocations != 0) st.SkipWithError("the Hashira step allocated memory");
}
BENCHMARK(BM_HashiraStepAndPit)->ArgName("chain")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
