#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/about_view.h"
#include "platform/bitmap.h"
#include "platform/hall_view.h"
#include "platform/help_view.h"
#include "platform/layout_chooser_view.h"
#include "platform/ui.h"

// The main window as the rest of the program sees it: plain data in, plain calls out. The Qt
// window implements it, and a fake one in the tests, so the whole program runs without a screen.
namespace platform {

// The main menu bar, and the one the layout editor shows in its place.
enum class MenuBar : std::uint8_t { Main, Editor };

struct MenuItem {
  int id = 0;
  MenuBar bar = MenuBar::Main;
  std::string menu;    // the menu bar title, with its & accelerator
  std::string submenu; // empty, or the title of a submenu of `menu`
  std::string caption;
  std::string shortcut; // "Ctrl+Z", "F2", ...
  bool checkable = false;
  bool checked = false;
  bool enabled = true;
  int radioGroup = 0; // items of one menu with the same non-zero group exclude each other
  bool separatorAfter = false;
};

struct ToolItem {
  int command = 0; // runs and mirrors the menu item with this id
  std::string caption;
  std::string hint;     // the tip while the pointer rests on the button; empty: the caption
  std::string icon;     // a freedesktop theme icon name
  std::string fallback; // a built-in picture, shown when the theme has no such icon
  // The menu items of the command and its pop-up entries show the button's picture too.
  bool menuGlyph = false;
  // The look of SetButtonLook(command, true), such as Pause's Play; empty if none.
  std::string otherIcon;
  std::string otherFallback;
};

// An entry of the board's pop-up menu. One that follows the menu bar is enabled and disabled
// with the menu item of the same command; the others keep `enabled`.
struct PopupItem {
  int command = 0;
  std::string caption;
  bool followsMenuBar = true;
  bool enabled = true;
  bool isDefault = false;
};

// The texts of a modal result window, top to bottom, and its one button.
struct ResultWindow {
  std::string caption;
  std::vector<std::string> lines;
  std::string button;
  std::string hallLine = {}; // "And you enter the Hall of Fame !", or empty for none
  // A picture beside the texts, its key colour shown as the dialog's own face; may be null.
  const Bitmap* picture = nullptr;
  std::uint32_t pictureKey = 0;
};

enum class PointerButton : std::uint8_t { Left, Right, Middle };

// The keys the games are played with; every other key is Other.
enum class Key : std::uint8_t { Left, Right, Up, Down, Enter, Space, Other };

// The game number dialog in plain terms: the text its box starts with, and what the owner does
// when the player edits the box or presses a button. A button that draws a number returns the
// box's new text. Closing the window any other way than by "OK" calls nothing more.
struct GameNumberDialog {
  std::string text;
  std::function<void(const std::string& text)> edited;
  std::function<std::string()> newRandomSeed;            // "New random game seed"
  std::function<std::string()> newSmallSeed;             // "New seed (limit to 0-9999)"
  std::function<void(const std::string& text)> accepted; // "OK", with the box's text
};

// A button of the games panel: the command it runs, as a menu item would.
struct PanelButtonItem {
  int command = 0;
  std::string caption; // empty for a picture button
  bool enabled = false;
};

// One game of the games panel: its built-in picture, the hint the description line shows while
// the pointer is over the picture, and the buttons beneath.
struct PanelGameItem {
  std::string picture;
  std::string hint;
  PanelButtonItem pictureButton;
  std::vector<PanelButtonItem> difficulties;
};

struct GamesPanelItems {
  int width = 0, height = 0;
  int pictureWidth = 0, pictureHeight = 0;
  int columns = 1;
  std::string title, programName, description;
  PanelButtonItem sameGame;      // hidden until ShowSameGameButton
  PanelButtonItem defaultButton; // the default until a game was started
  std::vector<PanelGameItem> games;
};

// A field of the information strip across the top of the board: a caption with a value, or with
// a box the player types in. Its hint shows while the pointer rests on it.
struct InfoField {
  std::string caption;
  std::string hint;
  int textBoxLength = 0; // a text box of at most this many characters; 0 for a value
};

// The pointer shapes over the board: the arrow, and the open and the closed hand.
enum class BoardCursor { Arrow, Hand, PressedHand };

// Where the board picture stands in the window, in window pixels.
struct BoardArea {
  int left = 0, top = 0, width = 0, height = 0;
};

// The parts of the window around the board that the player can show and hide.
enum class WindowPart { Toolbar, StatusLine, SidePanel };

// Where the window first appears: at a stored place, centred, or over the whole screen.
struct Placement {
  bool fullScreen = false;
  bool atStoredPlace = false;
  int x = 0, y = 0;
};

// The look options of the window's frame.
struct WindowLook {
  bool menuBand = false;         // the program's name down the drop-down menus
  bool toolbarWallpaper = false; // a picture behind the toolbar
  bool flatButtons = false;      // toolbar buttons drawn flat until pointed at
};

struct WindowGeometry {
  int x = 0, y = 0, width = 0, height = 0;
};

// What the window reports to its owner.
class WindowEvents {
public:
  virtual ~WindowEvents() = default;
  virtual void OnCommand(int id) = 0;
  // A button pressed, the pointer moved, or a button released over the board, at a board pixel.
  virtual void OnBoardPress() = 0;
  virtual void OnBoardMove(int x, int y) = 0;
  virtual void OnBoardRelease(PointerButton button, int x, int y) = 0;
  // A key was pressed (or repeats while held) and released, with the board's window active.
  virtual void OnKeyDown(Key key) = 0;
  virtual void OnKeyUp(Key key) = 0;
  // A caption of the status line was clicked ("Moves left" and "Time" toggle their fields).
  virtual void OnStatusCaptionClick(int field) = 0;
  // One tick of the 50 ms clock; false lets the clock rest until StartClock.
  virtual bool OnClockTick() = 0;
  // The player (or the desktop) asks the window to close. False postpones it while an
  // animation runs: the program closes the window itself when the animation is over.
  virtual bool MayClose() = 0;
  // The window is about to close; the timers are already stopped.
  virtual void OnClosing() = 0;
  // The program gained or lost activation (the player switched to or away from it).
  virtual void FormActivate() = 0;
  virtual void FormDeactivate() = 0;
  // The board picture moved or changed size on screen.
  virtual void FormResize(const BoardArea& board) = 0;
  // One run of the thread timer; returns how many milliseconds to sleep before the next run, or
  // ThreadTimerStopped when there is nothing more to do until StartThreadTimer.
  virtual int Timer1timer() = 0;
};

constexpr int ThreadTimerStopped = -1;

constexpr int StatusFieldCount = 4; // "Tiles", "Moves left", "Time", "Status"

class WindowPort {
public:
  virtual ~WindowPort() = default;
  virtual Ui& ui() = 0;

  // The board picture; the window wraps its pixels without a copy, so it must outlive the window
  // and never be resized.
  virtual void SetBoardPicture(Bitmap& game) = 0;
  // The board's clean background, wrapped like the board picture: where the window is larger
  // than the board, it goes on around the board, scaled as the board is.
  virtual void SetBackgroundPicture(Bitmap& background) = 0;
  // Part of the board picture changed: it is on screen before this returns.
  virtual void ShowBoard(Rect changed) = 0;
  // One frame of an animation: what was shown reaches the display, and the next frame is drawn
  // a display frame after the last one. Only painting happens meanwhile: input waits.
  virtual void Present() = 0;
  // The side panel right of the board (92x472), wrapped without a copy like the board; shown
  // and hidden with ShowPart.
  virtual void SetSidePanelPicture(Bitmap& panel) = 0;
  virtual void ShowSidePanel() = 0;

  virtual void SetMenus(const std::vector<MenuItem>& items, const std::vector<ToolItem>& tools) = 0;
  // More items for the menus SetMenus made, each at the end of its menu.
  virtual void AddMenuItems(const std::vector<MenuItem>& items) = 0;
  // Shows the menus of one bar only; the items of the others are out of reach, shortcuts too.
  virtual void ShowMenuBar(MenuBar bar) = 0;
  virtual void SetEnabled(int id, bool enabled) = 0;
  virtual void SetVisible(int id, bool visible) = 0;
  // The menu a right-click on the board opens after the click itself was handled.
  virtual void SetBoardPopup(const std::vector<PopupItem>& items) = 0;
  virtual void EnableBoardPopup(bool enabled) = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  // New captions for a menu item and for the toolbar or games-panel button that runs the same
  // command.
  virtual void SetCaptions(int id, const std::string& menuCaption,
                           const std::string& buttonCaption) = 0;
  // Gives the toolbar button its other look (ToolItem::otherIcon) or its own back; the menu
  // items showing its picture follow.
  virtual void SetButtonLook(int id, bool other) = 0;
  virtual void SetStatusField(int field, const std::string& text) = 0;
  virtual void SetBoardCursor(BoardCursor cursor) = 0;
  virtual void ShowResult(const ResultWindow& result) = 0;
  // The modal "Hall of Fame" dialog over its model; returns when it closed.
  virtual void ShowHallWindow(HallViewModel& model) = 0;
  // The modal help window on the model's active page; returns when it closed. The window is
  // built from the model at its first opening and kept, hidden, for the next: the model must
  // outlive the window.
  virtual void ShowHelpWindow(const HelpViewModel& model) = 0;
  // The modal about window; returns when it closed.
  virtual void ShowAbout(const AboutBox& box) = 0;
  // The modal layout chooser over its model; returns when it closed.
  virtual void ShowLayoutChooser(LayoutChooserModel& model) = 0;

  // Shows the information strip with these fields, their values empty; the window grows by its
  // height, so the board keeps its size. No fields hide it again.
  virtual void ShowInfoStrip(const std::vector<InfoField>& fields) = 0;
  // A field's value, or the text in its box.
  virtual void SetInfoValue(int field, const std::string& value) = 0;
  virtual std::string InfoText(int field) const = 0;
  // The keys go to the board again, wherever the keyboard focus was.
  virtual void FocusBoard() = 0;

  // The games panel over the board: built once, then shown, placed and completed.
  virtual void SetGamesPanel(const GamesPanelItems& panel) = 0;
  virtual void ShowGamesPanel(bool shown) = 0;
  // The panel's top-left corner in window pixels of the board area.
  virtual void PlaceGamesPanel(int left, int top) = 0;
  // Reveals "Play Same Game Again" and makes it the panel's default button.
  virtual void ShowSameGameButton() = 0;
  // Pops up a menu of `entries` under the games-panel button that runs `command`, entry
  // `checked` (from 1; 0 for none) marked, and waits for the choice: the entry chosen (from 1),
  // or 0 when the menu was closed without one.
  virtual int PopUpMenu(int command, const std::vector<std::string>& entries, int checked) = 0;

  // Runs the 50 ms clock, unless it is running already.
  virtual void StartClock() = 0;
  // Runs the thread timer after `delayMs`, unless it is running already.
  virtual void StartThreadTimer(int delayMs) = 0;
  virtual void ShowFirstTime(const Placement& placement) = 0;
  // Runs `task` once the board has been drawn on screen for the first time, so that slow work
  // (loading a track) does not keep the player waiting for the window.
  virtual void AfterFirstPaint(std::function<void()> task) = 0;
  // Showing or hiding a part grows or shrinks the window by its size, so the board keeps its.
  virtual void ShowPart(WindowPart part, bool shown) = 0;
  virtual void SetLook(const WindowLook& look) = 0;
  virtual int ScreenWidth() const = 0;
  virtual WindowGeometry Geometry() const = 0;
  virtual void Close() = 0;

  // Runs the game number dialog modally; it returns when the dialog has closed.
  virtual void AskGameNumber(const GameNumberDialog& dialog) = 0;
};

// The start-up window with its progress line, shown while the program loads.
class SplashPort {
public:
  virtual ~SplashPort() = default;
  // Shows the text as the progress line now, even while start-up keeps the event loop busy.
  virtual void Splashing(const std::string& text) = 0;
  virtual void Close() = 0;
};

} // namespace platform
