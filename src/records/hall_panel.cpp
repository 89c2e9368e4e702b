#include "records/hall_panel.h"

#include <string>

#include "engine/tiles.h"
#include "games/clock.h"
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

int PanelShift(const engine::Options& options, int gameMode) {
  if (options.ShowGirls && gameMode != engine::ModeTwoPlayers &&
      !(options.ShowTile && gameMode == engine::ModeSolitaire))
    return 90;
  if (gameMode == engine::ModeTwoPlayers) return 20;
  return options.ShowTile ? 10 : -20;
}

int GirlsIndex(int mode, const engine::GameState& state, bool altGirls, engine::Generator& rng) {
  const engine::Board& b = state.board;
  if (altGirls) {
    switch (mode) {
    case engine::ModeClicks:
    case engine::ModeHashira:
      return 13;
    case engine::ModeSolitaire:
    case engine::ModeSlider:
      return 14;
    case engine::ModeRivers:
    case engine::ModeMemory:
      return 15;
    default:
      return 12;
    }
  }
  const int shown = games::ShownSeconds(state.scoring);
  switch (mode) {
  case engine::ModeSolitaire:
    return ByThresholds(b.MovesLeft, 2, 7, 11, 9, 10);
  case engine::ModeRivers:
    return ByThresholds(shown, 120, 240, 7, 6, 8);
  case engine::ModeMemory:
    return ByThresholds(shown, 60, 120, 7, 6, 8);
  case engine::ModeClicks:
    return ByThresholds(b.MovesLeft, 6, 24, 5, 3, 4);
  case engine::ModeSlider:
    return ByThresholds(b.TilesLeft, 29, 60, 10, 9, 11);
  case engine::ModeHashira:
    return 16 + rng.Random(3);
  default:
    return 1;
  }
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
      shown = std::string(games::FormatTime(*value).view());
    else
      shown = PanelScore(kind == TableKind::Hashira ? *value * 100 : *value);
    painter.DrawText(SaveHof, 32, 27 * rank + 94 - shift, shown, platform::Font{"Verdana", 9},
                     Cyan);
  }
}

void ShowPanelHOF(engine::GameState& state, int pictureMode, const HallState& hall,
                  const HallPictures& pictures, platform::Bitmap& SaveHof,
                  platform::TextPainter& painter, engine::GameServices& services) {
  PanelContent content;
  content.shift = PanelShift(state.options, state.board.GameMode);
  content.slot = state.layouts.LayoutIndex;
  content.lastHallRank = state.LastHallRank;
  if (content.shift == 90) {
    services.CountMoves();
    content.girl = GirlsIndex(pictureMode, state, hall.AltGirls, state.rng);
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
