#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/window_port.h"
#include "support/test_platform.h"

namespace testing_support {

// The main window without a screen: it keeps what the program asked it to show (menus, marks,
// status fields, dialogs, repaints) and answers dialogs from a script. Hooks let a test act
// while an animation frame is presented or a dialog is open, as a player's input would arrive.
class FakeWindow final : public platform::WindowPort {
public:
  explicit FakeWindow(platform::WindowEvents& events) : events_(events) {}

  platform::Ui& ui() override { return scriptedUi; }
  void SetBoardPicture(platform::Bitmap& game) override { board = &game; }
  void SetBackgroundPicture(platform::Bitmap&) override {}
  void ShowBoard(platform::Rect changed) override {
    ++boardShows;
    lastShown = changed;
  }
  void Present() override;
  void SetSidePanelPicture(platform::Bitmap&) override {}
  void ShowSidePanel() override { ++sidePanelShows; }
  void SetMenus(const std::vector<platform::MenuItem>& items,
                const std::vector<platform::ToolItem>& tools) override;
  void AddMenuItems(const std::vector<platform::MenuItem>& menuItems) override;
  void ShowMenuBar(platform::MenuBar bar) override { menuBar = bar; }
  void SetEnabled(int id, bool enabled) override { items[id].enabled = enabled; }
  void SetVisible(int id, bool visible) override { hidden[id] = !visible; }
  void SetBoardPopup(const std::vector<platform::PopupItem>& items) override { popup = items; }
  void EnableBoardPopup(bool enabled) override { popupEnabled = enabled; }
  void SetChecked(int id, bool checked) override { items[id].checked = checked; }
  void SetCaptions(int id, const std::string& menuCaption,
                   const std::string& buttonCaption) override;
  void SetButtonLook(int, bool) override {}
  void SetStatusField(int field, const std::string& text) override { status[field] = text; }
  void SetBoardCursor(platform::BoardCursor shape) override { cursor = shape; }
  void ShowResult(const platform::ResultWindow& result) override;
  void ShowHallWindow(platform::HallViewModel& model) override;
  void ShowHelpWindow(const platform::HelpViewModel& model) override;
  void ShowAbout(const platform::AboutBox& box) override;
  void ShowLayoutChooser(platform::LayoutChooserModel& model) override;
  void ShowInfoStrip(const std::vector<platform::InfoField>& fields) override;
  void SetInfoValue(int field, const std::string& value) override { infoValues[field] = value; }
  std::string InfoText(int field) const override;
  void FocusBoard() override { ++boardFocused; }
  void SetGamesPanel(const platform::GamesPanelItems& panel) override { gamesPanel = panel; }
  void ShowGamesPanel(bool shown) override { gamesPanelShown = shown; }
  void PlaceGamesPanel(int, int) override {}
  void ShowSameGameButton() override { sameGameButton = true; }
  int PopUpMenu(int command, const std::vector<std::string>& entries, int checked) override;
  void StartClock() override { clockRunning = true; }
  void StartThreadTimer(int) override { threadTimerRunning = true; }
  void ShowFirstTime(const platform::Placement&) override { shown = true; }
  void AfterFirstPaint(std::function<void()> task) override { task(); }
  void ShowPart(platform::WindowPart part, bool shown) override { parts[part] = shown; }
  void SetLook(const platform::WindowLook&) override {}
  int ScreenWidth() const override { return screenWidth; }
  platform::WindowGeometry Geometry() const override { return {}; }
  void Close() override;
  void AskGameNumber(const platform::GameNumberDialog& dialog) override;

  // Whether the command's menu item is enabled now.
  bool Enabled(int id) const;

  ScriptedUi scriptedUi;
  platform::Bitmap* board = nullptr;
  std::map<int, platform::MenuItem> items;
  std::map<int, bool> hidden; // by SetVisible
  platform::MenuBar menuBar = platform::MenuBar::Main;
  // The information strip on show (none: hidden), its values, and the box's text as typed.
  std::vector<platform::InfoField> infoStrip;
  std::map<int, std::string> infoValues;
  // What the player does in the layout chooser while it is open; nothing closes it at once.
  std::function<void(platform::LayoutChooserModel&)> chooserScript;
  int chooserOpenings = 0, boardFocused = 0;
  std::vector<platform::ToolItem> tools;
  std::vector<platform::PopupItem> popup;
  bool popupEnabled = true;
  std::map<int, std::string> buttonCaptions;
  std::map<int, std::string> status;
  platform::BoardCursor cursor = platform::BoardCursor::Arrow;
  std::vector<platform::ResultWindow> results;
  platform::GamesPanelItems gamesPanel;
  bool gamesPanelShown = false, sameGameButton = false, shown = false, closed = false;
  bool clockRunning = false, threadTimerRunning = false;
  std::map<platform::WindowPart, bool> parts;
  int screenWidth = 1280;
  int boardShows = 0, presents = 0, sidePanelShows = 0, hallWindows = 0;
  // The page each opening of the help window showed, the model of the last, and the about
  // windows shown.
  std::vector<int> helpPages;
  const platform::HelpViewModel* help = nullptr;
  std::vector<platform::AboutBox> aboutBoxes;
  platform::Rect lastShown;
  // Runs at every animation frame and while a dialog is open, as input arriving then would.
  std::function<void()> duringFrame, duringDialog;
  // What the game number dialog's box holds when "OK" is pressed; none cancels it.
  std::deque<std::string> gameNumbers;
  // The pop-up menus shown, and the entries chosen from them in turn; none closes a menu.
  struct PoppedMenu {
    int command;
    std::vector<std::string> entries;
    int checked;
  };
  std::vector<PoppedMenu> poppedMenus;
  std::deque<int> menuChoices;

private:
  platform::WindowEvents& events_;
};

} // namespace testing_support
