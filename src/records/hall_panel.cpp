#include "records/hall_panel.h"

#include <string>

#include "engine/tiles.h"
#include "play/clock.h"
#include "render/tile_sheet.h"

namespace records {

namespace {

constexpr std::uint32_t Green = platform::Rgb(132, 255, 132);
constexpr std::uint32_t OrchidKey = platform::Rgb(124, 65, 123);
constexpr std::uint32_t HashiraKey = platform::Rgb(125, 64, 124);

constexpr std::uint32_t Yellow = platform::Rgb(255, 255, 0);
constexpr std::uint32_t White = platform::Rgb(255, 255, 255);
constexpr std::uint32_t Cyan = platform::Rgb(0, 255, 255);

constexpr int MascotTop = 302;

int ByThresholds(int measure, int low, int high, int lowPicture, int midPicture, int highPicture) {
  if (measure <= low) return lowPicture;
  if (measure <= high) return midPicture;
  return highPicture;
}

// A score with blanks in front, so that numbers of up to six digits end in the same place.
std::string PanelScore(int value) {
  static constexpr int Blanks[] = {8, 8, 6, 4, 2, 1}; // by digit count 0..5
  std::string text = std::to_string(value);
  if (text.size() < 6) text.insert(0, Blanks[text.size()], ' ');
  return text;
}

} // namespace

const std::array<GirlsPicture, GirlsCount> GirlsFiles = {{
    {"hof_welcome_content.bmp", Green},
    {"hof_welcome_delighted.bmp", Green},
    {"hof_welcome_worried.bmp", Green},
    {"hof_clicks_content.bmp", Green},
    {"hof_clicks_delighted.bmp", Green},
    {"hof_clicks_worried.bmp", Green},
    {"hof_rivers_content.bmp", Green},
    {"hof_rivers_delighted.bmp", Green},
    {"hof_rivers_worried.bmp", Green},
    {"hof_solitaire_content.bmp", Green},
    {"hof_solitaire_delighted.bmp", Green},
    {"hof_solitaire_worried.bmp", Green},
    {"hof_orchid_other.bmp", OrchidKey},
    {"hof_orchid_clicks.bmp", OrchidKey},
    {"hof_orchid_solitaire.bmp", platform::Rgb(124, 66, 123)},
    {"hof_orchid_rivers.bmp", OrchidKey},
    {"hof_hashira_focused.bmp", HashiraKey},
    {"hof_hashira_cheer.bmp", HashiraKey},
    {"hof_hashira_surprised.bmp", HashiraKey},
}};

int PanelShift(const engine::Options& options, const play::Traits* game) {
  const bool turnClocks = game && game->turnClocks;
  const bool currentTile = game && game->pointer.showsCurrentTile && options.ShowTile;
  if (options.ShowGirls && !turnClocks && !currentTile) return 90;
  if (turnClocks) return 20;
  return options.ShowTile ? 10 : -20;
}

int GirlsIndex(const play::Traits* game, const engine::GameState& state, bool altGirls,
               engine::Generator& rng) {
  const play::Mascot mascot = game ? game->mascot : play::Mascot{};
  if (altGirls) return mascot.other;
  using Measure = play::Mascot::Measure;
  const engine::Board& b = state.board;
  const auto banded = [&](int measure) {
    return ByThresholds(measure, mascot.low, mascot.high, mascot.belowLow, mascot.middle,
                        mascot.above);
  };
  switch (mascot.measure) {
  case Measure::MovesLeft:
    return banded(b.MovesLeft);
  case Measure::ShownSeconds:
    return banded(play::ShownSeconds(state.scoring));
  case Measure::TilesLeft:
    return banded(b.TilesLeft);
  case Measure::Random:
    return mascot.belowLow + rng.Random(mascot.above - mascot.belowLow + 1);
  case Measure::None:
    break;
  }
  return mascot.belowLow;
}

void ComposePanel(platform::Bitmap& SaveHof, const HallPictures& pictures, const HallOfFame& hall,
                  const PanelContent& content, platform::TextPainter& painter) {
  const int shift = content.shift;
  platform::Blit(SaveHof, 0, 0, pictures.HofPic, pictures.HofPic.Bounds());
  if (content.girl >= 0 && content.girl < GirlsCount) {
    const platform::Bitmap& girl = pictures.Girls[content.girl];
    platform::DrawTransparent(SaveHof, 0, MascotTop, girl, girl.Bounds(),
                              GirlsFiles[content.girl].key);
  } else {
    const platform::Font title{"Comic Sans MS", 10, true, false};
    painter.DrawText(SaveHof, 21, 50 - shift, "HALL OF", title, Yellow);
    painter.DrawText(SaveHof, 31, 70 - shift, "FAME", title, Yellow);
  }
  if (!IsHallSlot(content.slot)) return;
  const TableKind kind = KindOf(content.slot);
  for (int rank = 1; rank <= HallRanks; ++rank) {
    const std::string& entry = hall.Entry(content.slot, rank);
    const std::optional<int> value = MainValue(entry);
    if (!value) continue;
    const platform::Font name{"Verdana", 9, true, rank == content.lastHallRank};
    painter.DrawText(SaveHof, 15, 27 * rank + 81 - shift, EntryName(entry), name, White);
    std::string shown;
    if (kind == TableKind::Timed)
      shown = std::string(play::FormatTime(*value).view());
    else
      shown = PanelScore(kind == TableKind::Hashira ? *value * 100 : *value);
    painter.DrawText(SaveHof, 32, 27 * rank + 94 - shift, shown, platform::Font{"Verdana", 9},
                     Cyan);
  }
}

void ShowPanelHOF(engine::GameState& state, const play::Traits* game, const play::Traits* pictured,
                  const HallState& hall, const HallPictures& pictures, platform::Bitmap& SaveHof,
                  platform::TextPainter& painter, engine::GameServices& services) {
  PanelContent content;
  content.shift = PanelShift(state.options, game);
  content.slot = state.layouts.LayoutIndex;
  content.lastHallRank = state.LastHallRank;
  if (content.shift == 90) {
    services.CountMoves();
    content.girl = GirlsIndex(pictured, state, hall.AltGirls, state.rng);
  }
  ComposePanel(SaveHof, pictures, hall.tables, content, painter);
}

void ShowCurrentTile(platform::Bitmap& SaveHof, const platform::Bitmap& HofPic,
                     const engine::Board& board, const render::BoardPictures& boardPictures,
                     int tile) {
  const platform::Rect spot = CurrentTileSpot;
  bool covered = tile <= 0 || tile > engine::MaxTiles;
  if (!covered) {
    const engine::Position p = board.TilePos[tile];
    const int above = board.BoardGrid(p.x, p.y, p.z + 1);
    covered = p.z < engine::GridLayers && above >= 1 && above <= engine::MaxTiles;
  }
  if (covered) {
    platform::Blit(SaveHof, spot.left, spot.top, HofPic, spot);
    return;
  }
  platform::Blit(SaveHof, spot.left, spot.top, boardPictures.TilesetBitmap, render::OutlineMaskRect,
                 platform::RasterOp::And);
  const render::SheetCell cell = render::TileCell(engine::FaceOf[tile]);
  platform::Blit(SaveHof, spot.left, spot.top, boardPictures.TileSheet,
                 {cell.x, cell.y, cell.x + render::TileWidth, cell.y + render::TileHeight},
                 platform::RasterOp::Or);
}

} // namespace records
