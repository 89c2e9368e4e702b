#pragma once

#include <QDialog>

#include "platform/window_port.h"

class QLineEdit;
class QPushButton;

namespace qt {
using namespace platform;

// The dialog that asks the number of a numbered game. It holds no rules of its own: every edit
// and every button goes to the owner's callbacks, which decide what the box shows.
class TRandomWindow final : public QDialog {
public:
  TRandomWindow(QWidget* parent, const GameNumberDialog& dialog);

  QLineEdit& RandomSeed() { return *randomSeed_; }
  QPushButton& BitBtn1() { return *ok_; }         // "OK"
  QPushButton& BitBtn2() { return *randomDraw_; } // "New random game seed"
  QPushButton& BitBtn3() { return *smallDraw_; }  // "New seed (limit to 0-9999)"

protected:
  void showEvent(QShowEvent* event) override;

private:
  QLineEdit* randomSeed_;
  QPushButton* ok_;
  QPushButton* randomDraw_;
  QPushButton* smallDraw_;
};

void RunGameNumberDialog(QWidget& parent, const GameNumberDialog& dialog);

} // namespace qt
