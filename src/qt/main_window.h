#pragma once

#include <QAction>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <map>
#include <utility>
#include <vector>

#include "qt/board_widget.h"
#include "qt/games_panel_view.h"
#include "qt/message_boxes.h"
#include "platform/window_port.h"

class QActionGroup;

namespace qt {
using namespace platform;

class BandedMenu;
class HelpWindow;
class InfoStrip;
class WallpaperToolBar;

// The one main window: menu bar and toolbar from data, the board, the status line and the
// 50 ms clock. Every event becomes one call on WindowEvents.
class MainWindow final : public QMainWindow, public WindowPort {
public:
  explicit MainWindow(WindowEvents& events);
  ~MainWindow() override;

  platform::Ui& ui() override { return boxes_; }
  void SetBoardPicture(platform::Bitmap& game) override;
  void SetBackgroundPicture(platform::Bitmap& background) override {
    board_->SetBackground(background);
  }
  void ShowBoard(platform::Rect changed) override;
  void SetSidePanelPicture(platform::Bitmap& panel) override { board_->SetSidePanel(panel); }
  void ShowSidePanel() override { board_->ShowSidePanelChanged(); }
  void Present() override;
  void SetMenus(const std::vector<MenuItem>& items, const std::vector<ToolItem>& tools) override;
  void AddMenuItems(const std::vector<MenuItem>& items) override;
  void ShowMenuBar(MenuBar bar) override;
  void SetEnabled(int id, bool enabled) override;
  void SetVisible(int id, bool visible) override;
  void SetBoardPopup(const std::vector<PopupItem>& items) override;
  void EnableBoardPopup(bool enabled) override;
  void SetChecked(int id, bool checked) override;
  void SetCaptions(int id, const std::string& menuCaption,
                   const std::string& buttonCaption) override;
  void SetButtonLook(int id, bool other) override;
  void SetStatusField(int field, const std::string& text) override;
  void SetBoardCursor(BoardCursor cursor) override;
  void ShowResult(const ResultWindow& result) override;
  void ShowHallWindow(platform::HallViewModel& model) override;
  void ShowHelpWindow(const platform::HelpViewModel& model) override;
  void ShowAbout(const platform::AboutBox& box) override;
  void ShowLayoutChooser(platform::LayoutChooserModel& model) override;
  void ShowInfoStrip(const std::vector<InfoField>& fields) override;
  void SetInfoValue(int field, const std::string& value) override;
  std::string InfoText(int field) const override;
  void FocusBoard() override;
  void SetGamesPanel(const GamesPanelItems& panel) override;
  void ShowGamesPanel(bool shown) override;
  void PlaceGamesPanel(int left, int top) override;
  void ShowSameGameButton() override;
  int PopUpMenu(int command, const std::vector<std::string>& entries, int checked) override;
  void StartClock() override;
  void StartThreadTimer(int delayMs) override;
  bool ThreadTimerRunning() const { return threadTimer_.isActive(); }
  bool ClockRunning() const { return clock_.isActive(); }
  void ShowFirstTime(const Placement& placement) override;
  void AfterFirstPaint(std::function<void()> task) override;
  void ShowPart(WindowPart part, bool shown) override;
  void SetLook(const WindowLook& look) override;
  int ScreenWidth() const override;
  WindowGeometry Geometry() const override;
  void Close() override { close(); }
  void AskGameNumber(const GameNumberDialog& dialog) override;

  BoardWidget& Board() { return *board_; }
  bool ToolbarWallpaper() const;
  QAction* Action(int id) const;
  QLabel* StatusCaption(int field) const { return statusCaptions_[field]; }
  QAction* Button(int id) const;
  // Null until the layout editor first showed it.
  InfoStrip* Strip() const { return strip_; }
  // Null until the panel was set.
  GamesPanelView* GamesPanel() const { return panel_; }

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  QAction* AddMenuItem(QMenu& menu, const MenuItem& item);
  QMenu* MenuNamed(const std::string& title, QMenu* parent, MenuBar bar);
  // Shows or hides a part above or below the board, the window growing or shrinking by it.
  void ShowGrowing(QWidget* part, bool shown);
  void BuildStatusLine();
  void AddGlyph(int id, QAction& item);

  WindowEvents& events_;
  MessageBoxes boxes_{*this};
  BoardWidget* board_;
  GamesPanelView* panel_ = nullptr;
  // Made at the first opening, so that the documents' pages cost nothing at start-up.
  HelpWindow* help_ = nullptr;
  QTimer clock_;
  QTimer threadTimer_;
  std::map<int, QAction*> actions_;
  std::map<std::string, QMenu*> menus_;
  std::map<std::pair<QMenu*, int>, QActionGroup*> groups_;
  std::vector<std::pair<QMenu*, MenuBar>> barMenus_;
  struct Shortcut {
    MenuBar bar;
    QKeySequence keys;
  };
  std::map<QAction*, Shortcut> shortcuts_;
  MenuBar shownBar_ = MenuBar::Main;
  InfoStrip* strip_ = nullptr;
  std::map<int, QAction*> buttons_;
  WallpaperToolBar* toolbar_ = nullptr;
  std::vector<BandedMenu*> dropDowns_;
  std::map<int, ToolItem> tools_;
  std::map<int, std::vector<QAction*>> glyphs_; // menu items showing a button's picture
  std::array<QLabel*, StatusFieldCount> statusValues_{};
  std::array<QLabel*, StatusFieldCount> statusCaptions_{};
  bool closing_ = false;
  // When the last animation frame was shown.
  QElapsedTimer frameClock_;
  static constexpr qint64 FrameMs = 16;
};

} // namespace qt
