#pragma once

#include "platform/text.h"

namespace qt {
using namespace platform;

// Letters drawn by Qt straight into our bitmaps. The fonts the program asks for by name are
// looked up first and replaced by their look-alikes where the system lacks them. Needs the GUI
// application to exist.
class QtTextPainter final : public platform::TextPainter {
public:
  void DrawText(Bitmap& target, int x, int y, std::string_view text, const Font& font,
                std::uint32_t colour) override;
  int TextWidth(std::string_view text, const Font& font) override;
};

} // namespace qt
