#include "platform/qt/main_window.h"

#include <algorithm>

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/qt/about_window.h"
#include "platform/qt/banded_menu.h"
#include "platform/qt/game_number_dialog.h"
#include "platform/qt/hall_window.h"
#include "platform/qt/help_window.h"
#include "platform/qt/result_dialog.h"
#include "platform/qt/wallpaper_toolbar.h"

namespace platform::qt {

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

// The desktop's icon when its theme has one, else our own picture.
QIcon ThemeIcon(const std::string& name, const std::string& fallback) {
  return QIcon::fromTheme(Text(name),
                          fallback.empty() ? QIcon() : QIcon(Text(":/builtin/" + fallback)));
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

QAction* MainWindow::AddMenuItem(QMenu& menu, const MenuItem& item) {
  auto* action = menu.addAction(Text(item.caption));
  if (!item.shortcut.empty()) action->setShortcut(QKeySequence(Text(item.shortcut)));
  action->setCheckable(item.checkable);
  action->setChecked(item.checked);
  action->setEnabled(item.enabled);
  const int id = item.id;
  connect(action, &QAction::triggered, this, [this, id] { events_.OnCommand(id); });
  if (item.separatorAfter) menu.addSeparator();
  actions_[id] = action;
  return action;
}

void MainWindow::SetMenus(const std::vector<MenuItem>& items, const std::vector<ToolItem>& tools) {
  std::map<std::string, QMenu*> menus;
  std::map<std::pair<QMenu*, int>, QActionGroup*> groups;
  const auto menuNamed = [&](const std::string& title, QMenu* parent) {
    QMenu*& menu = menus[title];
    if (!menu) {
      auto* banded = new BandedMenu(Text(title), parent ? static_cast<QWidget*>(parent) : this);
      menu = banded;
      dropDowns_.push_back(banded);
      if (parent)
        parent->addMenu(menu);
      else
        menuBar()->addMenu(menu);
    }
    return menu;
  };
  for (const MenuItem& item : items) {
    QMenu* menu = menuNamed(item.menu, nullptr);
    if (!item.submenu.empty()) menu = menuNamed(item.submenu, menu);
    QAction* action = AddMenuItem(*menu, item);
    if (item.radioGroup == 0) continue;
    QActionGroup*& group = groups[{menu, item.radioGroup}];
    if (!group) group = new QActionGroup(menu);
    group->addAction(action);
  }

  auto* toolbar = toolbar_ = new WallpaperToolBar(this);
  toolbar->setWindowTitle("Toolbar");
  addToolBar(toolbar);
  toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  toolbar->setMovable(false);
  for (const ToolItem& tool : tools) {
    auto* button = toolbar->addAction(ThemeIcon(tool.icon, tool.fallback), Text(tool.caption));
    if (!tool.hint.empty()) button->setToolTip(Text(tool.hint));
    const int id = tool.command;
    buttons_[id] = button;
    tools_[id] = tool;
    if (QAction* twin = Action(id); twin && tool.menuGlyph) AddGlyph(id, *twin);
    connect(button, &QAction::triggered, this, [this, id] { events_.OnCommand(id); });
    // The button follows its menu item, so the mode table enables both at once.
    if (QAction* twin = Action(id)) {
      button->setEnabled(twin->isEnabled());
      connect(twin, &QAction::changed, button,
              [button, twin] { button->setEnabled(twin->isEnabled()); });
    }
  }
}

void MainWindow::SetBoardPopup(const std::vector<PopupItem>& items) {
  auto* popup = new QMenu(this);
  for (const PopupItem& item : items) {
    QAction* action = popup->addAction(Text(item.caption));
    const int id = item.command;
    connect(action, &QAction::triggered, this, [this, id] { events_.OnCommand(id); });
    action->setEnabled(item.enabled);
    if (item.isDefault) {
      QFont bold = action->font();
      bold.setBold(true);
      action->setFont(bold);
      popup->setDefaultAction(action);
    }
    if (Button(id) && tools_[id].menuGlyph) AddGlyph(id, *action);
    QAction* twin = item.followsMenuBar ? Action(id) : nullptr;
    if (!twin) continue;
    action->setEnabled(twin->isEnabled());
    connect(twin, &QAction::changed, action,
            [action, twin] { action->setEnabled(twin->isEnabled()); });
  }
  board_->SetPopup(popup);
}

void MainWindow::EnableBoardPopup(bool enabled) {
  board_->EnablePopup(enabled);
}

QAction* MainWindow::Action(int id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::Button(int id) const {
  const auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

void MainWindow::SetCaptions(int id, const std::string& menuCaption,
                             const std::string& buttonCaption) {
  if (QAction* action = Action(id)) action->setText(Text(menuCaption));
  if (QAction* button = Button(id)) button->setText(Text(buttonCaption));
  if (panel_) panel_->SetButtonCaption(id, Text(buttonCaption));
}

void MainWindow::SetButtonLook(int id, bool other) {
  QAction* button = Button(id);
  if (!button) return;
  const ToolItem& tool = tools_[id];
  const QIcon icon =
      other ? ThemeIcon(tool.otherIcon, tool.otherFallback) : ThemeIcon(tool.icon, tool.fallback);
  button->setIcon(icon);
  for (QAction* glyph : glyphs_[id]) glyph->setIcon(icon);
}

void MainWindow::AddGlyph(int id, QAction& item) {
  item.setIcon(Button(id)->icon());
  glyphs_[id].push_back(&item);
}

void MainWindow::SetEnabled(int id, bool enabled) {
  if (QAction* action = Action(id)) action->setEnabled(enabled);
}

void MainWindow::SetChecked(int id, bool checked) {
  if (QAction* action = Action(id)) action->setChecked(checked);
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
  QWidget* widget = part == WindowPart::Toolbar ? static_cast<QWidget*>(toolbar_) : statusBar();
  if (!widget || widget->isVisibleTo(this) == shown) return;
  const int height = widget->sizeHint().height();
  widget->setVisible(shown);
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

} // namespace platform::qt
