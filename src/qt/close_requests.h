#pragma once

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

namespace qt {

// Closes the main window as its close box does when the program is asked to end from outside:
// SIGTERM, SIGINT, SIGHUP, or the end of the desktop session. The close takes the window's own
// way, so the settings and the hall of fame are saved once, and a rule that is running (an
// animation, a modal dialog) ends first: open dialogs are cancelled so that it can.
//
// Requests that arrive before the window is first shown wait until it is, for start-up runs
// outside the event loop and cannot be closed halfway.
class CloseRequests final : public QObject {
public:
  explicit CloseRequests(QWidget& window);
  ~CloseRequests() override;
  CloseRequests(const CloseRequests&) = delete;
  CloseRequests& operator=(const CloseRequests&) = delete;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void SignalArrived();
  // Asks the window to close, and cancels whatever modal dialog or menu holds the close back,
  // again on every tick until the window has closed.
  void RequestClose();
  void CancelWhatHolds();

  QPointer<QWidget> window_;
  QSocketNotifier notifier_;
  QTimer persist_;
  bool requested_ = false;
};

} // namespace qt
