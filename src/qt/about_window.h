#pragma once

#include <QDialog>
#include <QImage>
#include <QPushButton>

#include "platform/about_view.h"

namespace qt {
using namespace platform;

// The about window over the clouds, with the program's name on its violet panel.
class AboutWindow final : public QDialog {
public:
  AboutWindow(const AboutBox& box, QWidget* parent);
  static constexpr int Width = 420, Height = 250;

  QPushButton& OkButton() { return *ok_; }
  QPushButton& StatisticsButton() { return *statistics_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  const AboutBox& box_;
  QImage clouds_, violet_;
  QPushButton* ok_;
  QPushButton* statistics_;
};

// Shows the window modally, centred on the screen; returns when it closed.
void RunAboutWindow(QWidget& parent, const AboutBox& box);

} // namespace qt
