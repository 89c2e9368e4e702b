#pragma once

#include <QMenu>

namespace qt {

// A drop-down menu that can carry the program's name on a narrow band down its left edge.
class BandedMenu final : public QMenu {
public:
  BandedMenu(const QString& title, QWidget* parent);
  void ShowBand(bool shown);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  bool band_ = false;
};

} // namespace qt
