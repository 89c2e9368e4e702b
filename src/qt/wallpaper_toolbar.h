#pragma once

#include <QToolBar>

namespace qt {

// A toolbar that can show a wallpaper of our own behind its buttons.
class WallpaperToolBar final : public QToolBar {
public:
  explicit WallpaperToolBar(QWidget* parent) : QToolBar(parent) {}
  void ShowWallpaper(bool shown);
  bool WallpaperShown() const { return wallpaper_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  bool wallpaper_ = false;
};

} // namespace qt
