#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "allocation_counter.h"
#include "engine/deal.h"
#include "engine/game_state.h"
#include "engine/layout_file.h"
#include "games/memory/memory_game.h"
#include "platform/files.h"
#include "quiet_services.h"
#include "render/board_renderer.h"
#include "render/tile_sheet.h"

namespace {

using platform::Rgb;

class NullView final : public render::BoardView {
public:
  void Show(platform::Rect) override { ++shows; }
  render::BoardLook Look() const override {
    return {render::BoardContent::StackedBoard, faces, true};
  }
  void GameOver() override {}
  std::uint64_t shows = 0;
  render::TileFaces faces = render::TileFaces::Shown;
};

// A tileset of plain blocks: the drawing cost does not depend on what the pictures show.
platform::Bitmap SyntheticTileset() {
  platform::Bitmap tileset(369, 567, Rgb(40, 40, 40));
  platform::FillRect(tileset, render::TileBodyRect, Rgb(200, 190, 160));
  platform::FillRect(tileset, render::SelectedFaceRect, Rgb(250, 240, 90));
  platform::FillRect(tileset, render::HintFaceRect, Rgb(120, 230, 250));
  platform::FillRect(tileset, render::OutlineMaskRect, Rgb(0, 0, 0));
  for (int p = 1; p <= engine::PictureCount; ++p) {
    const platform::Rect face = render::FaceBox(p);
    platform::FillRect(tileset, face, Rgb(4 * p, 100, 50));
    platform::FillRect(
        tileset,
        {face.left, face.top + render::MaskOffsetY, face.right, face.bottom + render::MaskOffsetY},
        Rgb(255, 255, 255));
  }
  return tileset;
}

// A numbered Traditional deal in Solitaire, with shadows on, ready to draw.
struct Scene {
  std::unique_ptr<engine::GameState> state = std::make_unique<engine::GameState>();
  std::unique_ptr<tool::QuietServices> services = std::make_unique<tool::QuietServices>(*state);
  std::unique_ptr<render::BoardPictures> pictures = std::make_unique<render::BoardPictures>();
  NullView view;
  render::BoardRenderer renderer{*state, *pictures, view};
  std::string error;

  Scene() {
    platform::FileRead file =
        platform::ReadWholeFile(PELMAR_TRADITIONAL_LAY, engine::MaxLayoutFileBytes);
    engine::ParsedLayout parsed = engine::ParseLay(file.bytes);
    if (!file.ok || parsed.outcome != engine::ParsedLayout::Outcome::Ok) {
      error = std::string(PELMAR_TRADITIONAL_LAY) + ": not readable as a layout";
      return;
    }
    state->layouts.LayoutCells = parsed.cells;
    state->options.RandomSeed1 = true;
    state->options.Shadows = true;
    state->board.GameNumber = 1;
    services->BeginGame();
    pictures->TilesetBitmap = SyntheticTileset();
    render::ComposeTileSheet(pictures->TilesetBitmap, pictures->TileSheet);
    pictures->BackgroundBitmap.Fill(Rgb(10, 60, 110));
    renderer.ColorHighlight();
  }

  bool Ready(benchmark::State& st) const {
    const engine::Board& board = state->board;
    if (error.empty() && board.TilesLeft == engine::MaxTiles &&
        board.GameMode == engine::ModeSolitaire)
      return true;
    st.SkipWithError(error.empty() ? "the deal did not leave a full Solitaire board"
                                   : error.c_str());
    return false;
  }
};

void ReportAllocations(benchmark::State& st, std::uint64_t allocations) {
  st.counters["allocs/iter"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

// The whole board composed and shown, as after a deal, a shuffle or a tileset change.
void BM_FullRedraw(benchmark::State& st) {
  Scene scene;
  if (!scene.Ready(st)) return;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    scene.renderer.FullRedraw();
    benchmark::DoNotOptimize(scene.pictures->Game.Pixels());
    benchmark::ClobberMemory();
  }
  ReportAllocations(st, bench::AllocationCount() - before);
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);

// A hard Memory board, every tile face down but one turned up, the pointer over another.
void BM_MemoryFullRedraw(benchmark::State& st) {
  Scene scene;
  if (!scene.Ready(st)) return;
  engine::GameState& state = *scene.state;
  state.rng.RandSeed = 1;
  play::DealFlat(state.board, state.rng, memory::Layout(memory::Hard));
  state.board.GameMode = engine::ModeMemory;
  state.board.FirstPick = 1;
  state.pointer.HoverTile = 2;
  scene.view.faces = render::TileFaces::BacksButPicks;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    scene.renderer.FullRedraw();
    benchmark::DoNotOptimize(scene.pictures->Game.Pixels());
    benchmark::ClobberMemory();
  }
  ReportAllocations(st, bench::AllocationCount() - before);
}
BENCHMARK(BM_MemoryFullRedraw)->Unit(benchmark::kMicrosecond);

// The pointer moving from one tile to another: the old face loses its rectangle, the new one
// gets it.
void BM_PointerMove(benchmark::State& st) {
  Scene scene;
  if (!scene.Ready(st)) return;
  engine::PointerState& pointer = scene.state->pointer;
  const std::uint8_t tiles[2] = {1, 2};
  int next = 0;
  pointer.HoverTile = tiles[1];
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : st) {
    const int old = pointer.HoverTile;
    pointer.HoverTile = 0;
    scene.renderer.HLRedrawTile(old);
    pointer.HoverTile = tiles[next];
    scene.renderer.HLRedrawTile(pointer.HoverTile);
    next ^= 1;
    benchmark::ClobberMemory();
  }
  ReportAllocations(st, bench::AllocationCount() - before);
}
BENCHMARK(BM_PointerMove);

} // namespace
