#include "records/tile_legend.h"

#include <array>

#include "engine/tiles.h"

namespace records {

namespace {

using platform::Rgb;

// One row of faces: pictures first..last side by side from (left, top) of the legend picture,
// under their caption (none for the second row of winds).
struct LegendRow {
  const char* caption;
  int captionX, captionY;
  int first, last;
  int left, top;
};
constexpr std::array<LegendRow, 8> Rows{{
    {"Craks (4 times each)", 10, 14, 1, 9, 10, 34},
    {"Bamboos (4 times each)", 10, 92, 10, 18, 10, 114},
    {"Dots (4 times each)", 10, 172, 19, 27, 10, 194},
    {"Flowers (once each)", 10, 252, 28, 31, 10, 274},
    {"Seasons (once each)", 305, 252, 32, 35, 235, 274},
    {"Winds (4 times each)", 440, 14, 39, 40, 440, 34},
    {nullptr, 0, 0, 41, 42, 440, 114},
    {"Dragons (4 times each)", 440, 172, 36, 38, 440, 194},
}};
constexpr int FacePitch = 45;

constexpr int RuleX = 424;
const platform::Font CaptionFont{"MS Sans Serif", 8, false, false};
constexpr int CaptionHeight = 13;
constexpr std::uint32_t Ink = Rgb(0, 0, 0), Paper = Rgb(255, 255, 255);
constexpr std::uint32_t Shadow = Rgb(128, 128, 128), Light = Rgb(255, 255, 255);
constexpr std::uint32_t Sky = Rgb(170, 200, 240);

void StretchOver(platform::Bitmap& target, const platform::Bitmap& picture) {
  if (picture.Empty()) return target.Fill(Sky);
  for (int y = 0; y < target.Height(); ++y) {
    const std::uint32_t* from = picture.Pixels() + static_cast<long>(y) * picture.Height() /
                                                       target.Height() * picture.Width();
    std::uint32_t* to = target.Pixels() + static_cast<long>(y) * target.Width();
    for (int x = 0; x < target.Width(); ++x)
      to[x] = from[static_cast<long>(x) * picture.Width() / target.Width()];
  }
}

// A sunken frame round the panel, and the rule between the suits and the honours.
void DrawFrameAndRule(platform::Bitmap& panel) {
  const int right = LegendWidth - 1, bottom = LegendHeight - 1;
  platform::FillRect(panel, {0, 0, LegendWidth, 1}, Shadow);
  platform::FillRect(panel, {0, 0, 1, LegendHeight}, Shadow);
  platform::FillRect(panel, {0, bottom, LegendWidth, LegendHeight}, Light);
  platform::FillRect(panel, {right, 0, LegendWidth, LegendHeight}, Light);
  const int top = LegendInset + 8, end = LegendHeight - LegendInset - 8;
  platform::FillRect(panel, {RuleX, top, RuleX + 1, end}, Shadow);
  platform::FillRect(panel, {RuleX + 1, top, RuleX + 2, end}, Light);
}

} // namespace

render::SheetCell LegendPlace(int picture) {
  for (const LegendRow& row : Rows)
    if (picture >= row.first && picture <= row.last)
      return {LegendInset + row.left + FacePitch * (picture - row.first), LegendInset + row.top};
  return {};
}

void DrawTileLegend(platform::Bitmap& panel, const platform::Bitmap& clouds,
                    const platform::Bitmap& tileSheet, platform::TextPainter& painter) {
  panel.Resize(LegendWidth, LegendHeight);
  StretchOver(panel, clouds);
  DrawFrameAndRule(panel);
  for (const LegendRow& row : Rows) {
    if (!row.caption) continue;
    const int x = LegendInset + row.captionX, y = LegendInset + row.captionY;
    platform::FillRect(
        panel, {x, y, x + painter.TextWidth(row.caption, CaptionFont), y + CaptionHeight}, Paper);
    painter.DrawText(panel, x, y, row.caption, CaptionFont, Ink);
  }
  // The face of a finished tile, without its edge but with the first row under the face.
  for (int p = 1; p <= engine::PictureCount; ++p) {
    const render::SheetCell cell = render::TileCell(p), place = LegendPlace(p);
    platform::Blit(panel, place.x, place.y, tileSheet,
                   {cell.x + render::EdgeSize, cell.y + 1, cell.x + render::TileWidth,
                    cell.y + render::FaceHeight + 1});
  }
}

} // namespace records
