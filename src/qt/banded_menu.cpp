#include "qt/banded_menu.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

namespace qt {

namespace {
constexpr int BandWidth = 16;
} // namespace

BandedMenu::BandedMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

void BandedMenu::ShowBand(bool shown) {
  band_ = shown;
  setContentsMargins(shown ? BandWidth : 0, 0, 0, 0);
  update();
}

void BandedMenu::paintEvent(QPaintEvent* event) {
  QMenu::paintEvent(event);
  if (!band_) return;
  QPainter painter(this);
  const QRect band(0, 0, BandWidth, height());
  QLinearGradient shade(band.topLeft(), band.bottomLeft());
  shade.setColorAt(0, QColor(40, 20, 60));
  shade.setColorAt(1, QColor(10, 10, 30));
  painter.fillRect(band, shade);
  QFont font("Arial");
  font.setPixelSize(BandWidth - 3);
  font.setBold(true);
  font.setItalic(true);
  painter.setFont(font);
  painter.setPen(QColor(192, 192, 192));
  // Read from the bottom up, as on the spine of a book lying on its back.
  painter.translate(BandWidth - 3, height() - 4);
  painter.rotate(-90);
  painter.drawText(0, 0, QApplication::applicationName().section(' ', 0, 0));
}

} // namespace qt
