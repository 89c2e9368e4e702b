#include "games/hashira/columns_panel.h"

#include <string>
#include <string_view>

namespace hashira {

namespace {

using platform::Bitmap;
using platform::Rect;

constexpr std::uint32_t Silver = platform::Rgb(192, 192, 192);
// What the panel shows if its picture could not be read.
constexpr std::uint32_t PanelFallback = platform::Rgb(180, 158, 214);
constexpr std::uint32_t PanelFrame = platform::Rgb(92, 58, 136);
constexpr std::uint32_t CaptionColour = platform::Rgb(64, 24, 104);
constexpr std::uint32_t FigureBox = platform::Rgb(44, 22, 74);
constexpr std::uint32_t FigureBoxEdge = platform::Rgb(226, 208, 250);
constexpr std::uint32_t FigureColour = platform::Rgb(255, 226, 120);

// Where the panel's lines stand, from the panel's top.
constexpr int NextCaptionTop = 14;
constexpr int FigureBoxWidth = 96, FigureBoxHeight = 26;
struct FigureLine {
  const char* caption;
  int PanelFigures::*figure;
  int captionTop;
};
constexpr FigureLine FigureLines[] = {
    {"Score", &PanelFigures::score, 170},
    {"Tiles removed", &PanelFigures::removed, 240},
    {"Level", &PanelFigures::level, 310},
};
constexpr int CaptionHeight = 20;

const platform::Font CaptionFont{"Arial", 10, true, false};
const platform::Font FigureFont{"Arial", 13, true, false};

void DrawCentred(Bitmap& work, int top, std::string_view text, const platform::Font& font,
                 std::uint32_t colour, platform::TextPainter& painter) {
  const int width = painter.TextWidth(text, font);
  painter.DrawText(work, PanelLeft + (PanelWidth - width) / 2, top, text, font, colour);
}

void DrawNextPicture(Bitmap& work, const std::array<int, ColumnLength>* next,
                     const ColumnsPictures& pictures) {
  platform::FillRect(work, NextPicRect, Silver);
  if (!next) return;
  for (int k = 0; k < ColumnLength; ++k) {
    const int kind = (*next)[static_cast<std::size_t>(k)];
    if (kind < 0 || kind >= KindCount) continue;
    pictures.Clicko[kind].Draw(work, NextPicLeft, NextPicTop + CellSize * k, NextPicRect);
  }
}

} // namespace

void DrawColumnsPanel(Bitmap& work, const PanelFigures& figures,
                      const std::array<int, ColumnLength>* next, const ColumnsPictures& pictures,
                      platform::TextPainter& painter) {
  platform::FillRect(work, PanelRect, PanelFallback);
  platform::Blit(work, PanelLeft, PanelTop, pictures.Violet, {0, 0, PanelWidth, PanelHeight});
  platform::FrameRect(work, PanelRect, PanelFrame, 2);
  DrawCentred(work, PanelTop + NextCaptionTop, "Next", CaptionFont, CaptionColour, painter);
  DrawNextPicture(work, next, pictures);
  for (const FigureLine& line : FigureLines) {
    DrawCentred(work, PanelTop + line.captionTop, line.caption, CaptionFont, CaptionColour,
                painter);
    const int boxTop = PanelTop + line.captionTop + CaptionHeight;
    const int boxLeft = PanelLeft + (PanelWidth - FigureBoxWidth) / 2;
    const Rect box{boxLeft, boxTop, boxLeft + FigureBoxWidth, boxTop + FigureBoxHeight};
    platform::FillRect(work, box, FigureBox);
    platform::FrameRect(work, box, FigureBoxEdge, 1);
    DrawCentred(work, boxTop + 3, std::to_string(figures.*line.figure), FigureFont, FigureColour,
                painter);
  }
}

} // namespace hashira
