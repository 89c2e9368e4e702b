#pragma once

#include <array>

#include "games/hashira/columns_pictures.h"
#include "games/hashira/hashira_rules.h"
#include "platform/bitmap.h"
#include "platform/text.h"

namespace hashira {

// ColumnsPanel, right beside the pit, with the next-piece picture (NextPic) near its top.
constexpr int PanelLeft = 395, PanelTop = 68, PanelWidth = 120, PanelHeight = 390;
constexpr platform::Rect PanelRect{PanelLeft, PanelTop, PanelLeft + PanelWidth,
                                   PanelTop + PanelHeight};
constexpr int NextPicWidth = 38, NextPicHeight = 102;
constexpr int NextPicLeft = PanelLeft + (PanelWidth - NextPicWidth) / 2, NextPicTop = PanelTop + 36;
constexpr platform::Rect NextPicRect{NextPicLeft, NextPicTop, NextPicLeft + NextPicWidth,
                                     NextPicTop + NextPicHeight};

// The whole panel; `next` is null while "Show Next Tiles" is unchecked (a silver picture).
void DrawColumnsPanel(platform::Bitmap& work, const PanelFigures& figures,
                      const std::array<int, ColumnLength>* next, const ColumnsPictures& pictures,
                      platform::TextPainter& painter);

} // namespace hashira
