#include "games/hashira/hashira_drawing.h"

#include <charconv>
#include <cmath>
#include <string>

#include "games/hashira/column_order.h"

namespace hashira {

namespace {

using platform::Bitmap;
using platform::Rect;

constexpr std::uint32_t Black = platform::Rgb(0, 0, 0);
constexpr std::uint32_t Silver = platform::Rgb(192, 192, 192);
// What the panel shows if its picture could not be read.
constexpr std::uint32_t PanelFallback = platform::Rgb(180, 158, 214);
constexpr std::uint32_t PanelFrame = platform::Rgb(92, 58, 136);
constexpr std::uint32_t CaptionColour = platform::Rgb(64, 24, 104);
constexpr std::uint32_t FigureBox = platform::Rgb(44, 22, 74);
constexpr std::uint32_t FigureBoxEdge = platform::Rgb(226, 208, 250);
constexpr std::uint32_t FigureColour = platform::Rgb(255, 226, 120);

constexpr int DigitWidth = 20, DigitHeight = 22;
constexpr int PointsCharacters = 5;

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

void DrawBlock(Bitmap& work, const Block& b, const ColumnsPictures& pictures) {
  if (b.kind < 0 || b.kind >= KindCount) return;
  pictures.Clicko[b.kind].Draw(work, PitLeft + b.x - 4, static_cast<int>(b.y) + PitTop + 16,
                               PitRect);
}

// Right to left, so each column covers the edge on the left of the one beside it; top down, so
// each block covers the lower edge of the one above. Equal heights keep the list's order.
void DrawBlocks(Bitmap& work, const ColumnsGame& game, const ColumnsPictures& pictures) {
  const auto& blocks = game.ColumnBlocks;
  const bool blinkedOut = game.PhaseTicks % 2 != 0;
  for (int x = RightmostX; x >= 0; x -= CellSize) {
    const ColumnOrder column =
        BlocksOfColumn(game, x, [&](int a, int b) { return blocks[a].y < blocks[b].y; });
    for (int k = 0; k < column.count; ++k) {
      const Block& b = blocks[column.positions[k]];
      if (b.state == Marked && blinkedOut) continue;
      DrawBlock(work, b, pictures);
    }
  }
}

// The points of the last check wave and sink in the pit while the chain resolves. A figure of
// three digits stands in the middle of five places, one of four a place to the right.
void DrawPoints(Bitmap& work, const ColumnsGame& game, const ColumnsPictures& pictures) {
  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, game.LastPoints);
  const std::string_view number(digits, static_cast<std::size_t>(written.ptr - digits));
  std::array<char, PointsCharacters> text;
  text.fill(' ');
  const std::size_t lead = number.size() == 3 || number.size() == 4 ? 1 : 0;
  for (std::size_t i = 0; i < number.size() && lead + i < text.size(); ++i)
    text[lead + i] = number[i];
  for (int p = 1; p <= PointsCharacters; ++p) {
    const char c = text[static_cast<std::size_t>(p - 1)];
    if (c < '0' || c > '9') continue;
    const int digit = c - '0';
    const int x = PitLeft + 30 + 19 * p;
    const int y = static_cast<int>(25 * std::cos(0.25 * game.HashiraTicks + 0.5 * p)) + PitTop +
                  4 * game.PhaseTicks + 100;
    pictures.Digitaux[digit].Draw(work, x, y, PitRect);
  }
}

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

std::array<Sprite, 10> DigitSprites(const Bitmap& strip) {
  std::array<Sprite, 10> digits;
  for (int d = 0; d < 10; ++d) {
    Bitmap digit(DigitWidth, DigitHeight);
    platform::Blit(digit, 0, 0, strip, {DigitWidth * d, 0, DigitWidth * (d + 1), DigitHeight});
    digits[d] = Sprite(digit);
  }
  return digits;
}

ColumnsPictures LoadColumnsPictures(platform::Desktop& desktop) {
  ColumnsPictures pictures;
  for (int kind = 0; kind < KindCount; ++kind)
    pictures.Clicko[kind] =
        Sprite(platform::BuiltinPicture(desktop, "small_tile" + std::to_string(kind + 1) + ".bmp"));
  pictures.Digitaux = DigitSprites(platform::BuiltinPicture(desktop, "digits.bmp"));
  pictures.Violet = platform::BuiltinPicture(desktop, "violet.jpg");
  return pictures;
}

void DrawPit(Bitmap& work, const ColumnsGame& game, const ColumnsPictures& pictures,
             bool animateChain) {
  platform::FillRect(work, PitRect, Black);
  DrawBlocks(work, game, pictures);
  const bool chainShown = game.ColumnPhase == ShowingMarked || game.ColumnPhase == FillingGaps;
  if (animateChain && chainShown) DrawPoints(work, game, pictures);
}

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
