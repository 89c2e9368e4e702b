#include "qt/close_requests.h"

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace qt {

namespace {

constexpr std::array ClosingSignals{SIGTERM, SIGINT, SIGHUP};
// How often a close held back by a dialog is asked again.
constexpr int PersistMs = 50;

// The self-pipe: the handler only writes a byte, which the event loop reads in its own time.
int signalPipe[2] = {-1, -1};

extern "C" void OnClosingSignal(int) {
  const int saved = errno;
  const char byte = 1;
  // A full pipe holds enough requests already.
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
  errno = saved;
}

int SignalPipeReadEnd() {
  if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
  struct sigaction action {};
  action.sa_handler = OnClosingSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : ClosingSignals) ::sigaction(signal, &action, nullptr);
  return signalPipe[0];
}

} // namespace

CloseRequests::CloseRequests(QWidget& window)
    : window_(&window), notifier_(SignalPipeReadEnd(), QSocketNotifier::Read) {
  notifier_.setEnabled(false);
  connect(&notifier_, &QSocketNotifier::activated, this, &CloseRequests::SignalArrived);
  persist_.setInterval(PersistMs);
  connect(&persist_, &QTimer::timeout, this, &CloseRequests::RequestClose);
  // The session manager waits for this answer before it ends the session: the settings are
  // saved before it returns, unless a rule runs, which the close then waits for.
  connect(qApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager&) { RequestClose(); });
  // A quit that did not come through the window (the session manager's last word).
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
    if (window_ && window_->isVisible()) window_->close();
  });
  window.installEventFilter(this);
}

CloseRequests::~CloseRequests() = default;

bool CloseRequests::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Show) {
    notifier_.setEnabled(true);
    window_->removeEventFilter(this);
  }
  return QObject::eventFilter(watched, event);
}

void CloseRequests::SignalArrived() {
  char bytes[64];
  while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
  }
  RequestClose();
}

void CloseRequests::RequestClose() {
  if (!window_ || (requested_ && !window_->isVisible())) {
    persist_.stop();
    return;
  }
  requested_ = true;
  // Running before the close starts: the close itself may show a message (a file that cannot be
  // written), which the next tick cancels like any other dialog.
  persist_.start();
  CancelWhatHolds();
  window_->close();
  if (!window_ || !window_->isVisible()) persist_.stop();
}

void CloseRequests::CancelWhatHolds() {
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window_) {
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  }
}

} // namespace qt
