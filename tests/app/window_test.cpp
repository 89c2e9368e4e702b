#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>
#include <functional>

#include "app/pelmar.h"
#include "engine/free_rule.h"
#include "qt/board_fit.h"
#include "qt/info_strip.h"
#include "qt/main_window.h"
#include "qt/wallpaper_toolbar.h"
#include "window_fixture.h"

namespace {

namespace fs = std::filesystem;
using window_testing::WindowTest;

using qt::BoardFit;
using qt::FitBoard;
using qt::MainWindow;

TEST(BoardFitTest, FillsSmoothlyBelowTwiceAndByWholeFactorsFromThere) {
  struct Case {
    int widgetW, widgetH;
    double scale;
    int left, top;
    double pixelRatio = 1.0;
  } cases[] = {{704, 468, 1.0, 0, 0},
               {1000, 500, 500.0 / 468, 124, 0},
               {1249, 880, 1249.0 / 704, 0, 25},
               {1408, 936, 2.0, 0, 0},
               {1500, 1000, 2.0, 46, 32},
               {352, 468, 0.5, 0, 117},
               // Twice the density: whole screen pixels from the natural size on.
               {880, 585, 1.0, 88, 58, 2.0},
               {1056, 702, 1.5, 0, 0, 2.0},
               {600, 468, 600.0 / 704, 0, 34, 2.0}};
  for (const Case& c : cases) {
    const BoardFit fit = FitBoard(704, 468, c.widgetW, c.widgetH, c.pixelRatio);
    EXPECT_DOUBLE_EQ(fit.scale, c.scale) << c.widgetW << "x" << c.widgetH;
    EXPECT_EQ(fit.left, c.left) << c.widgetW << "x" << c.widgetH;
    EXPECT_EQ(fit.top, c.top) << c.widgetW << "x" << c.widgetH;
  }
}

TEST(BoardFitTest, MapsEveryWidgetPixelBackToItsBoardPixel) {
  for (const auto& [w, h] : {std::pair{704, 468}, {1500, 1000}, {2200, 1500}, {500, 400}}) {
    const BoardFit fit = FitBoard(704, 468, w, h);
    for (int x : {0, 1, 351, 702, 703}) {
      EXPECT_EQ(fit.BoardX(fit.WidgetX(x)), x) << w << "x" << h;
      EXPECT_EQ(fit.BoardY(fit.WidgetY(x % 468)), x % 468) << w << "x" << h;
    }
    EXPECT_LT(fit.BoardX(fit.left - 1), 0);
  }
}

std::pair<int, int> MatchingFreePair(const engine::Board& b) {
  for (int i = 1; i <= b.FreeCount; ++i)
    for (int j = i + 1; j <= b.FreeCount; ++j)
      if (engine::TileGroup(b.FreeList[i]) == engine::TileGroup(b.FreeList[j]))
        return {b.FreeList[i], b.FreeList[j]};
  return {0, 0};
}

TEST_F(WindowTest, ClicksLandOnTheSameTileWhenTheBoardIsScaled) {
  ShowBoardDoubled();
  DealNumberedGame(7);
  const engine::Board& b = pelmar_.State().board;
  const auto [first, second] = MatchingFreePair(b);
  ASSERT_GT(first, 0);
  ClickTile(first);
  ClickTile(second);
  EXPECT_FALSE(b.TilePos[first].OnBoard());
  EXPECT_FALSE(b.TilePos[second].OnBoard());
}

TEST_F(WindowTest, TheWidgetShowsTheBoardPicture) {
  ShowBoardDoubled();
  DealNumberedGame(3);
  const platform::Bitmap& game = pelmar_.Pictures().Game;
  const QImage shown = Window().Board().grab().toImage().convertToFormat(QImage::Format_RGB32);
  const BoardFit fit = Window().Board().Fit();
  for (const auto& [x, y] : {std::pair{10, 10}, {352, 234}, {200, 300}, {600, 100}}) {
    const QPoint at(static_cast<int>(fit.WidgetX(x)), static_cast<int>(fit.WidgetY(y)));
    EXPECT_TRUE(platform::SameColour(shown.pixel(at), game.Pixel(x, y))) << x << "," << y;
  }
}

// Wherever the window leaves room around the board, the board's background goes on there,
// meeting each edge of the board with the colour the board has at that edge.
TEST_F(WindowTest, TheBackgroundFillsTheRoomAroundTheBoard) {
  platform::Bitmap& background = pelmar_.Pictures().BackgroundBitmap;
  const std::uint32_t left = platform::Rgb(200, 0, 0), right = platform::Rgb(0, 0, 200);
  for (int y = 0; y < background.Height(); ++y)
    for (int x = 0; x < background.Width(); ++x)
      background.SetPixel(x, y, x < background.Width() / 2 ? left : right);
  // Room beside the board and the panel, then above and below them.
  for (const auto& [width, height] : {std::pair{1600, 700}, {800, 1100}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    Window().resize(width, height);
    QApplication::processEvents();
    pelmar_.ShowEmptyBoard();
    qt::BoardWidget& board = Window().Board();
    const QImage shown = board.grab().toImage();
    const BoardFit fit = board.Fit();
    const int beside = fit.left / 2,
              besidePanel = (board.SidePanelRect().right() + board.width()) / 2;
    const int above = fit.top / 2, below = (fit.top + fit.height + board.height()) / 2;
    const int middle = fit.top + fit.height / 2, centre = fit.left + fit.width / 2;
    const bool wide = width > height;
    ASSERT_GT(wide ? fit.left : fit.top, 20) << "room around the board";
    const std::vector<std::tuple<int, int, std::uint32_t>> points =
        wide ? std::vector{std::tuple{beside, middle, left}, {besidePanel, middle, right}}
             : std::vector{std::tuple{centre - 20, above, left},
                           {centre + 20, above, right},
                           {centre - 20, below, left}};
    for (const auto& [x, y, colour] : points)
      EXPECT_TRUE(platform::SameColour(shown.pixel(x, y), colour)) << x << "," << y;
  }
}

// The files that the dialog of a "Load from disk" command lists, read while it is open; then the
// dialog is cancelled. `wanted` files are waited for, as the dialog lists the folder in the
// background.
QStringList FilesListed(QAction& command, int wanted) {
  QStringList names;
  QTimer::singleShot(0, [&names, wanted] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    const auto* model = dialog->findChild<QFileSystemModel*>();
    const QModelIndex folder = model->index(dialog->directory().absolutePath());
    const auto files = [&] {
      QStringList listed;
      for (int row = 0; row < model->rowCount(folder); ++row)
        if (!model->isDir(model->index(row, 0, folder)))
          listed << model->index(row, 0, folder).data().toString();
      return listed;
    };
    static_cast<void>(QTest::qWaitFor([&] { return files().size() >= wanted; }, 5000));
    names = files();
    dialog->reject();
  });
  command.trigger();
  names.sort();
  return names;
}

TEST_F(WindowTest, LoadFromDiskListsEveryPictureTheMenusOffer) {
  struct Case {
    shell::CommandId command;
    const char* folder;
  } cases[] = {{shell::CommandId::LoadBackgroundFromDisk, "Backgrounds"},
               {shell::CommandId::LoadTilesetFromDisk, "Tilesets"}};
  for (const Case& c : cases) {
    QStringList shipped;
    for (const fs::directory_entry& e : fs::directory_iterator(folder_.Path() + c.folder))
      shipped << QString::fromStdString(e.path().filename().string());
    shipped.sort();
    const QStringList listed =
        FilesListed(*Window().Action(static_cast<int>(c.command)), shipped.size());
    EXPECT_EQ(listed.join(", ").toStdString(), shipped.join(", ").toStdString()) << c.folder;
  }
}

// Messages, questions and the result window open over the middle of the main window, wherever
// it stands on the screen.
TEST_F(WindowTest, DialogsOpenOverTheMiddleOfTheWindow) {
  Window().resize(560, 420);
  Window().move(0, 0);
  QApplication::processEvents();
  const QPoint middle = Window().frameGeometry().center();
  ASSERT_NE(middle, Window().screen()->availableGeometry().center());
  const std::function<void()> dialogs[] = {
      [this] { pelmar_.ui().ShowMessage("Here ?"); },
      [this] { static_cast<void>(pelmar_.ui().AskOkCancel("Please confirm...", "Here ?")); },
      [this] {
        Window().ShowResult({"Board finished !", {"Congratulations !"}, "Thank you !"});
      },
  };
  for (const std::function<void()>& open : dialogs) {
    QRect at;
    QTimer::singleShot(0, [&at] {
      if (QWidget* dialog = QApplication::activeModalWidget()) {
        at = dialog->frameGeometry();
        dialog->close();
      }
    });
    open();
    ASSERT_FALSE(at.isEmpty());
    EXPECT_LE((at.center() - middle).manhattanLength(), 2) << at.x() << "," << at.y();
  }
}

TEST_F(WindowTest, PointingAtAFreeTileHighlightsItAndShowsTheHand) {
  ShowBoardDoubled();
  DealNumberedGame(42);
  const engine::Board& b = pelmar_.State().board;
  const int first = b.FreeList[1], second = b.FreeList[2];
  QTest::mouseMove(&Window().Board(), TileCentre(first));
  EXPECT_EQ(pelmar_.State().pointer.HoverTile, first);
  EXPECT_EQ(Window().Board().cursor().shape(), Qt::BitmapCursor);
  QTest::mouseMove(&Window().Board(), TileCentre(second));
  EXPECT_EQ(pelmar_.State().pointer.HoverTile, second);
  // The board's lower right corner: within the grid, but no tile lies there.
  const BoardFit fit = Window().Board().Fit();
  QTest::mouseMove(&Window().Board(),
                   QPoint(static_cast<int>(fit.WidgetX(690)), static_cast<int>(fit.WidgetY(455))));
  EXPECT_EQ(pelmar_.State().pointer.HoverTile, 0);
  EXPECT_EQ(Window().Board().cursor().shape(), Qt::ArrowCursor);
}

} // namespace

namespace window_testing {

// The popup's actions by caption.
QAction* PopupAction(MainWindow& window, const QString& caption) {
  QMenu* popup = window.Board().Popup();
  if (!popup) return nullptr;
  for (QAction* a : popup->actions())
    if (a->text() == caption) return a;
  return nullptr;
}

TEST_F(WindowTest, TheBoardPopupFollowsTheModeWhereTheMenuBarDoes) {
  QMenu* popup = Window().Board().Popup();
  ASSERT_NE(popup, nullptr);
  ASSERT_NE(popup->defaultAction(), nullptr);
  EXPECT_EQ(popup->defaultAction()->text(), "Redraw");
  EXPECT_FALSE(PopupAction(Window(), "Back")->isEnabled());
  EXPECT_TRUE(PopupAction(Window(), "Pause")->isEnabled()) << "its handler guards itself";
  EXPECT_TRUE(PopupAction(Window(), "Layout")->isEnabled()) << "the chooser opens on any screen";
  DealNumberedGame(11);
  EXPECT_TRUE(PopupAction(Window(), "Back")->isEnabled());
  EXPECT_TRUE(PopupAction(Window(), "Hint")->isEnabled());

  // Redraw clears the picks and the hint, then draws the whole board.
  engine::Board& b = pelmar_.State().board;
  const auto [first, second] = MatchingFreePair(b);
  ASSERT_GT(first, 0);
  ClickTile(first);
  ASSERT_EQ(b.FirstPick, first);
  PopupAction(Window(), "Redraw")->trigger();
  EXPECT_EQ(b.FirstPick, 0);
}

} // namespace window_testing

namespace window_testing {

TEST_F(WindowTest, TheLookOptionsChangeTheFrame) {
  QToolBar* toolbar = Window().findChild<QToolBar*>();
  ASSERT_NE(toolbar, nullptr);
  const auto buttonsFlat = [&] {
    for (const QToolButton* b : toolbar->findChildren<QToolButton*>())
      if (!b->autoRaise()) return false;
    return true;
  };
  const auto menuBanded = [&] {
    return Window().menuBar()->actions().front()->menu()->contentsMargins().left() > 0;
  };
  EXPECT_TRUE(buttonsFlat()) << "a fresh installation has flat buttons";
  EXPECT_TRUE(menuBanded());
  EXPECT_TRUE(Window().ToolbarWallpaper());
  for (shell::CommandId id :
       {shell::CommandId::FlatButtons, shell::CommandId::CoolMenu, shell::CommandId::CoolToolbar})
    Window().Action(static_cast<int>(id))->trigger();
  EXPECT_FALSE(buttonsFlat());
  EXPECT_FALSE(menuBanded());
  EXPECT_FALSE(Window().ToolbarWallpaper());
}

} // namespace window_testing

namespace window_testing {

// The layout editor's menu bar and strip take the place of the main bar and the toolbar, and
// only the bar on show answers its keys: both bars use Ctrl+S and Ctrl+X.
TEST_F(WindowTest, TheEditorShowsItsOwnMenuBarStripAndKeys) {
  using shell::CommandId;
  const auto shownMenus = [&] {
    QStringList titles;
    for (const QAction* menu : Window().menuBar()->actions())
      if (menu->isVisible()) titles << menu->text();
    return titles;
  };
  const auto keys = [&](CommandId id) {
    return Window().Action(static_cast<int>(id))->shortcut().toString();
  };
  const QStringList mainMenus = shownMenus();
  EXPECT_FALSE(mainMenus.contains("Move Board"));
  pelmar_.OnCommand(static_cast<int>(CommandId::CreateLayout));
  EXPECT_EQ(shownMenus(), (QStringList{"Exit", "Move Board"}));
  EXPECT_EQ(keys(CommandId::MoveToLeft), "Ctrl+S");
  EXPECT_EQ(keys(CommandId::Shuffle), "");
  EXPECT_FALSE(Window().findChild<qt::WallpaperToolBar*>()->isVisible());
  ASSERT_NE(Window().Strip(), nullptr);
  EXPECT_TRUE(Window().Strip()->isVisible());
  auto* name = qobject_cast<QLineEdit*>(Window().Strip()->Field(3));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), "New Layout");
  EXPECT_EQ(name->maxLength(), 50);
  name->setText("Mine");
  EXPECT_EQ(Window().InfoText(3), "Mine");

  pelmar_.OnCommand(static_cast<int>(CommandId::EditorExit));
  EXPECT_EQ(shownMenus(), mainMenus);
  EXPECT_EQ(keys(CommandId::Shuffle), "Ctrl+S");
  EXPECT_EQ(keys(CommandId::MoveToLeft), "");
  EXPECT_FALSE(Window().Strip()->isVisible());
  EXPECT_TRUE(Window().findChild<qt::WallpaperToolBar*>()->isVisible());
}

} // namespace window_testing
