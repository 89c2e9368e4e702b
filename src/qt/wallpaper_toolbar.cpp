#include "qt/wallpaper_toolbar.h"

#include <QLinearGradient>
#include <QPainter>

namespace qt {

void WallpaperToolBar::ShowWallpaper(bool shown) {
  wallpaper_ = shown;
  update();
}

void WallpaperToolBar::paintEvent(QPaintEvent* event) {
  QToolBar::paintEvent(event);
  if (!wallpaper_) return;
  // A soft lilac sheen from the top edge down; the buttons are painted over it.
  QPainter painter(this);
  QLinearGradient sheen(0, 0, 0, height());
  sheen.setColorAt(0, QColor(0xf4, 0xee, 0xfc));
  sheen.setColorAt(0.5, QColor(0xe2, 0xd6, 0xf2));
  sheen.setColorAt(1, QColor(0xcd, 0xbf, 0xe6));
  painter.fillRect(rect(), sheen);
}

} // namespace qt
