#pragma once

#include <array>

#include "games/hashira/hashira_rules.h"
#include "games/hashira/hashira_state.h"
#include "games/hashira/sprite.h"
#include "platform/bitmap.h"
#include "platform/desktop.h"
#include "platform/text.h"

namespace hashira {

// The pictures of the pit and its panel, loaded with the first game.
struct ColumnsPictures {
  std::array<Sprite, KindCount> Clicko; // the small tiles
  std::array<Sprite, 10> Digitaux;      // the digits of the points shown in the pit
  platform::Bitmap Violet;              // the panel's background
};
ColumnsPictures LoadColumnsPictures(platform::Desktop& desktop);
// The ten digits of a strip in which digit d is the 20 x 22 cell at x = 20 d.
std::array<Sprite, 10> DigitSprites(const platform::Bitmap& strip);

// The pit on the board picture: the whole of what a step redraws and shows.
constexpr platform::Rect PitRect{PitLeft - 4, PitTop + 22, PitLeft - 4 + 198, PitTop + 22 + 392};

// ColumnsPanel, right beside the pit, with the next-piece picture (NextPic) near its top.
constexpr int PanelLeft = 395, PanelTop = 68, PanelWidth = 120, PanelHeight = 390;
constexpr platform::Rect PanelRect{PanelLeft, PanelTop, PanelLeft + PanelWidth,
                                   PanelTop + PanelHeight};
constexpr int NextPicWidth = 38, NextPicHeight = 102;
constexpr int NextPicLeft = PanelLeft + (PanelWidth - NextPicWidth) / 2, NextPicTop = PanelTop + 36;
constexpr platform::Rect NextPicRect{NextPicLeft, NextPicTop, NextPicLeft + NextPicWidth,
                                     NextPicTop + NextPicHeight};

// The pit: black, then the blocks column by column from the right, each column from the top,
// with the marked blocks blinking and, while a chain resolves, its points waving in the pit.
// Nothing is drawn outside the pit.
void DrawPit(platform::Bitmap& work, const ColumnsGame& game, const ColumnsPictures& pictures,
             bool animateChain);

// The whole panel; `next` is null while "Show Next Tiles" is unchecked (a silver picture).
void DrawColumnsPanel(platform::Bitmap& work, const PanelFigures& figures,
                      const std::array<int, ColumnLength>* next, const ColumnsPictures& pictures,
                      platform::TextPainter& painter);

} // namespace hashira
