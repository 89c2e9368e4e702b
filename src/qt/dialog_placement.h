#pragma once

#include <QShowEvent>
#include <QWidget>
#include <utility>

namespace qt {

// Puts a dialog over the middle of the window it belongs to, where the player is looking on a
// large or a second screen, and keeps it on that window's screen. A window not shown yet (a
// message while the program starts) has no place of its own: the dialog goes to the middle of
// its screen.
void CentreOnWindow(QWidget& dialog, const QWidget& window);

// A dialog that places itself so as it is shown: only then has it the size it shows with (a
// message box, for one, fits itself to its text there), and it is not on screen yet.
template <class Dialog> class Centred final : public Dialog {
public:
  template <class... Args>
  explicit Centred(QWidget& window, Args&&... args)
      : Dialog(std::forward<Args>(args)...), window_(window) {}

protected:
  void showEvent(QShowEvent* event) override {
    Dialog::showEvent(event);
    CentreOnWindow(*this, window_);
  }

private:
  QWidget& window_;
};

} // namespace qt
