#pragma once

#include <QImage>
#include <QLabel>
#include <QString>
#include <QWidget>

#include "platform/window_port.h"

namespace qt {
using namespace platform;

// "v" and what follows the first blank of the application title: "Pelmar 7.77" gives "v7.77".
// A title without a blank gives "v" and the whole title.
QString SplashVersion(const QString& title);

// The borderless start-up picture with the version in its corner and a progress line above it.
class SplashWindow final : public QWidget, public SplashPort {
public:
  SplashWindow();

  void Splashing(const std::string& text) override;
  void Close() override { close(); }

  const QLabel& Progress() const { return *progress_; }
  // Where the version was printed, in window pixels.
  QRect VersionArea() const { return versionArea_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QImage picture_;
  QRect versionArea_;
  QLabel* progress_;
};

} // namespace qt
