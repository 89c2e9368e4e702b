#include "qt/text_painter.h"

#include <cmath>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStringList>

namespace qt {

namespace {

// The families our pictures were laid out with, and what stands in for each where it is not
// installed: metric look-alikes first, then a face every system with fontconfig has.
QStringList FamiliesFor(const std::string& family) {
  struct Substitute {
    const char* requested;
    const char* lookAlike;
  };
  static constexpr Substitute Substitutes[] = {
      {"Arial", "Liberation Sans"},       {"Comic Sans MS", "Comic Neue"},
      {"Verdana", "DejaVu Sans"},         {"Small Fonts", "DejaVu Sans"},
      {"MS Sans Serif", "DejaVu Sans"},   {"Times New Roman", "Liberation Serif"},
      {"Courier New", "Liberation Mono"},
  };
  QStringList families{QString::fromStdString(family)};
  for (const Substitute& s : Substitutes)
    if (family == s.requested) families << QString::fromLatin1(s.lookAlike);
  families << QStringLiteral("DejaVu Sans");
  return families;
}

QFont ToQFont(const Font& font) {
  QFont q;
  q.setFamilies(FamiliesFor(font.family));
  // Our bitmaps have a fixed pixel geometry: a point is taken at 96 pixels per inch whatever
  // the screen says, so text takes the same room everywhere.
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSize * 96.0 / 72.0))));
  q.setBold(font.bold);
  q.setItalic(font.italic);
  return q;
}

} // namespace

void QtTextPainter::DrawText(Bitmap& target, int x, int y, std::string_view text, const Font& font,
                             std::uint32_t colour) {
  if (target.Empty() || text.empty()) return;
  // Paints through an image that wraps the bitmap's own pixels: nothing is copied back.
  QImage image(reinterpret_cast<uchar*>(target.Pixels()), target.Width(), target.Height(),
               target.Width() * 4, QImage::Format_RGB32);
  QPainter painter(&image);
  const QFont qfont = ToQFont(font);
  painter.setFont(qfont);
  painter.setPen(QColor::fromRgb(colour & kRgbMask));
  painter.setBackgroundMode(Qt::TransparentMode);
  const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  painter.drawText(QPoint(x, y + QFontMetrics(qfont).ascent()), line);
}

int QtTextPainter::TextWidth(std::string_view text, const Font& font) {
  const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return QFontMetrics(ToQFont(font)).horizontalAdvance(line);
}

} // namespace qt
