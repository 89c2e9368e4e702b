#include "qt/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "qt/about_window.h"
#include "qt/banded_menu.h"
#include "qt/game_number_dialog.h"
#include "qt/hall_window.h"
#include "qt/help_window.h"
#include "qt/info_strip.h"
#include "qt/layout_chooser_window.h"
#include "qt/result_dialog.h"
#include "qt/wallpaper_toolbar.h"

namespace qt {

namespace {

constexpr int ClockInterval = 50;
constexpr std::array<const char*, StatusFieldCount> StatusCaptions{"Tiles", "Moves left", "Time",
                                                                   "Status"};
// Room for the widest value of each field: three digits, "99:59", a status message.
constexpr std::array<int, StatusFieldCount> StatusValueWidths{40, 40, 56, 0};

// The window takes the board's natural size when the screen has room, else a scale that fits.
constexpr double ScreenShareAtMost = 0.9;

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

} // namespace

MainWindow::MainWindow(WindowEvents& events)
    : events_(events), board_(new BoardWidget(events, this)) {
  setWindowTitle(QApplication::applicationName());
  setCentralWidget(board_);
  BuildStatusLine();
  clock_.setInterval(ClockInterval);
  connect(&clock_, &QTimer::timeout, this, [this] {
    if (!events_.OnClockTick()) clock_.stop();
  });
  // Single-shot and re-armed after each run: a slow run delays the next instead of piling up
  // ticks, and an idle program is not woken at all.
  threadTimer_.setSingleShot(true);
  connect(&threadTimer_, &QTimer::timeout, this, [this] {
    const int delay = events_.Timer1timer();
    if (delay != ThreadTimerStopped && !closing_) threadTimer_.start(delay);
  });
  // Activation is the application's, not one window's: moving between our own windows (a
  // message box, the result window) keeps the game running.
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive) return events_.FormActivate();
            // A key held while the player switches away is let go elsewhere: for us it is
            // released now.
            events_.OnKeyUp(Key::Other);
            events_.FormDeactivate();
          });
}

MainWindow::~MainWindow() {
  clock_.stop();
  threadTimer_.stop();
}

namespace {

// A status caption that reports clicks: two of them switch their value fields on and off.
class CaptionLabel final : public QLabel {
public:
  CaptionLabel(const char* text, int field, WindowEvents& events, QWidget* parent)
      : QLabel(text, parent), field_(field), events_(events) {}

protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
      events_.OnStatusCaptionClick(field_);
  }

private:
  int field_;
  WindowEvents& events_;
};

} // namespace

void MainWindow::BuildStatusLine() {
  for (int i = 0; i < StatusFieldCount; ++i) {
    auto* caption = new CaptionLabel(StatusCaptions[i], i, events_, this);
    statusCaptions_[i] = caption;
    auto* value = new QLabel(this);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    if (StatusValueWidths[i] > 0) value->setMinimumWidth(StatusValueWidths[i]);
    value->setAlignment(i + 1 == StatusFieldCount ? Qt::AlignLeft | Qt::AlignVCenter
                                                  : Qt::AlignCenter);
    statusBar()->addWidget(caption);
    statusBar()->addWidget(value, i + 1 == StatusFieldCount ? 1 : 0);
    statusValues_[i] = value;
  }
  statusBar()->setSizeGripEnabled(true);
}

void MainWindow::SetBoardPicture(platform::Bitmap& game) {
  board_->SetPicture(game);
}

void MainWindow::ShowBoard(platform::Rect changed) {
  board_->ShowChanged(changed);
}

void MainWindow::Present() {
  // The changed areas were painted as they were shown; the frame stands for one display frame,
  // and only painting (and the timers, which the program holds back itself) runs meanwhile.
  const qint64 wait = FrameMs - frameClock_.elapsed();
  if (frameClock_.isValid() && wait > 0) {
    QEventLoop frame;
    QTimer::singleShot(static_cast<int>(wait), &frame, &QEventLoop::quit);
    frame.exec(QEventLoop::ExcludeUserInputEvents);
  } else {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  frameClock_.start();
}

void MainWindow::SetBoardCursor(BoardCursor cursor) {
  board_->SetBoardCursor(cursor);
}

void MainWindow::SetStatusField(int field, const std::string& text) {
  if (field >= 0 && field < StatusFieldCount) statusValues_[field]->setText(Text(text));
}

void MainWindow::ShowResult(const ResultWindow& result) {
  RunResultDialog(*this, result);
}

void MainWindow::ShowHallWindow(platform::HallViewModel& model) {
  RunHallWindow(*this, model);
}

void MainWindow::ShowHelpWindow(const platform::HelpViewModel& model) {
  if (!help_) help_ = new HelpWindow(model, this);
  help_->Run();
}

void MainWindow::ShowAbout(const platform::AboutBox& box) {
  RunAboutWindow(*this, box);
}

void MainWindow::ShowLayoutChooser(platform::LayoutChooserModel& model) {
  RunLayoutChooser(*this, model);
}

void MainWindow::ShowInfoStrip(const std::vector<InfoField>& fields) {
  if (!fields.empty()) {
    if (!strip_) {
      strip_ = new InfoStrip(this);
      addToolBar(strip_);
      strip_->hide();
    }
    strip_->SetFields(fields);
  }
  ShowGrowing(strip_, !fields.empty());
}

void MainWindow::SetInfoValue(int field, const std::string& value) {
  if (strip_) strip_->SetValue(field, Text(value));
}

std::string MainWindow::InfoText(int field) const {
  return strip_ ? strip_->Text(field).toStdString() : std::string();
}

void MainWindow::FocusBoard() {
  board_->setFocus();
}

void MainWindow::SetGamesPanel(const GamesPanelItems& panel) {
  delete panel_;
  panel_ = new GamesPanelView(panel, events_, board_);
  panel_->hide();
}

void MainWindow::ShowGamesPanel(bool shown) {
  if (panel_) panel_->setVisible(shown);
  // The panel's button that started the game would keep the keys, and a button takes the arrows
  // for itself: the keys of the game go to the board.
  if (!shown) board_->setFocus();
}

void MainWindow::PlaceGamesPanel(int left, int top) {
  if (panel_) panel_->move(left, top);
}

void MainWindow::ShowSameGameButton() {
  if (panel_) panel_->ShowSameGameButton();
}

int MainWindow::PopUpMenu(int command, const std::vector<std::string>& entries, int checked) {
  return panel_ ? panel_->PopUpMenu(command, entries, checked) : 0;
}

void MainWindow::AskGameNumber(const GameNumberDialog& dialog) {
  RunGameNumberDialog(*this, dialog);
}

void MainWindow::StartClock() {
  if (!clock_.isActive() && !closing_) clock_.start();
}

void MainWindow::StartThreadTimer(int delayMs) {
  if (!threadTimer_.isActive() && !closing_) threadTimer_.start(delayMs);
}

void MainWindow::ShowFirstTime(const Placement& placement) {
  adjustSize();
  if (const QScreen* screen = this->screen()) {
    // The board grows with the screen, up to twice its size, so tiles stay easy to read on a
    // large screen while menus, toolbar and status line keep their natural size.
    const QRect room = screen->availableGeometry();
    const QSize board = board_->sizeHint();
    const QSize chrome = size() - board_->size();
    const double across = (room.width() * ScreenShareAtMost - chrome.width()) / board.width();
    const double down = (room.height() * ScreenShareAtMost - chrome.height()) / board.height();
    const double scale = std::clamp(std::min(across, down), 0.5, 2.0);
    QSize wanted = chrome + board * scale;
    wanted = wanted.boundedTo(room.size());
    resize(wanted);
    move(placement.atStoredPlace ? QPoint(placement.x, placement.y)
                                 : room.center() - QPoint(wanted.width() / 2, wanted.height() / 2));
  }
  // Instead of switching the display to a small mode, the board takes the whole screen.
  if (placement.fullScreen)
    showFullScreen();
  else
    show();
}

bool MainWindow::ToolbarWallpaper() const {
  return toolbar_ && toolbar_->WallpaperShown();
}

void MainWindow::SetLook(const WindowLook& look) {
  for (BandedMenu* menu : dropDowns_) menu->ShowBand(look.menuBand);
  if (!toolbar_) return;
  for (QToolButton* button : toolbar_->findChildren<QToolButton*>())
    button->setAutoRaise(look.flatButtons);
  toolbar_->ShowWallpaper(look.toolbarWallpaper);
}

void MainWindow::AfterFirstPaint(std::function<void()> task) {
  board_->AfterFirstPaint(std::move(task));
}

void MainWindow::ShowPart(WindowPart part, bool shown) {
  if (part == WindowPart::SidePanel) {
    if (board_->SidePanelShown() == shown) return;
    // The window grows or shrinks by the panel at the board's scale, so the board keeps its size.
    const int before = board_->SidePanelRect().width();
    board_->ShowSidePanel(shown);
    const int panel = shown ? board_->SidePanelRect().width() : -before;
    if (isVisible() && !isMaximized() && !isFullScreen()) resize(width() + panel, height());
    return;
  }
  ShowGrowing(part == WindowPart::Toolbar ? static_cast<QWidget*>(toolbar_) : statusBar(), shown);
}

void MainWindow::ShowGrowing(QWidget* part, bool shown) {
  if (!part || part->isVisibleTo(this) == shown) return;
  const int height = part->sizeHint().height();
  part->setVisible(shown);
  if (isVisible() && !isMaximized() && !isFullScreen())
    resize(width(), this->height() + (shown ? height : -height));
}

int MainWindow::ScreenWidth() const {
  const QScreen* s = screen();
  return s ? s->geometry().width() : 0;
}

WindowGeometry MainWindow::Geometry() const {
  const QRect frame = geometry();
  return {pos().x(), pos().y(), frame.width(), frame.height()};
}

namespace {

Key GameKey(int key) {
  switch (key) {
  case Qt::Key_Left:
    return Key::Left;
  case Qt::Key_Right:
    return Key::Right;
  case Qt::Key_Up:
    return Key::Up;
  case Qt::Key_Down:
    return Key::Down;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return Key::Enter;
  case Qt::Key_Space:
    return Key::Space;
  default:
    return Key::Other;
  }
}

} // namespace

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !(event->modifiers() & Qt::AltModifier)) {
    close();
    return;
  }
  events_.OnKeyDown(GameKey(event->key()));
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  // A held key repeats its press; only letting it go is a release.
  if (!event->isAutoRepeat()) events_.OnKeyUp(GameKey(event->key()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    if (!events_.MayClose()) {
      event->ignore();
      return;
    }
    closing_ = true;
    clock_.stop();
    threadTimer_.stop();
    events_.OnClosing();
  }
  event->accept();
}

} // namespace qt
