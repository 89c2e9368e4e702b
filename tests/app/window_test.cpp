#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>
#include <functional>

#include "app/pelmar.h"
#include "engine/deal.h"
#include "engine/free_rule.h"
#include "platform/qt/board_fit.h"
#include "platform/qt/main_window.h"
#include "support/test_platform.h"
#include "window_fixture.h"

namespace {

using window_testing::WindowTest;

namespace fs = std::filesystem;
using platform::qt::BoardFit;
using platform::qt::FitBoard;
using platform::qt::MainWindow;

TEST(BoardFitTest, FillsSmoothlyBelowTwiceAndByWholeFactorsFromThere) {
  struct Case {
    int widgetW, widgetH;
    double scale;
    int left, top;
  } cases[] = {
      {704, 468, 1.0, 0, 0},  {1000, 500, 500.0 / 468, 124, 0}, {1249, 880, 1249.0 / 704, 0, 25},
      {1408, 936, 2.0, 0, 0}, {1500, 1000, 2.0, 46, 32},        {352, 468, 0.5, 0, 117}};
  for (const Case& c : cases) {
    const BoardFit fit = FitBoard(704, 468, c.widgetW, c.widgetH);
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

TEST_F(WindowTest, StartsOnTheGamesPanelWithTheTraditionalLayout) {
  const engine::GameState& state = pelmar_.State();
  EXPECT_EQ(state.board.GameMode, engine::ModeGamesPanel);
  EXPECT_EQ(state.layouts.LayoutNames[state.layouts.LayoutIndex - 1], "Traditional");
  EXPECT_EQ(Window().windowTitle(), "Pelmar 7.77");
  EXPECT_FALSE(Window().Action(static_cast<int>(shell::CommandId::Back))->isEnabled());
  EXPECT_TRUE(Window().Action(static_cast<int>(shell::CommandId::RandomSolitaire))->isEnabled());
  EXPECT_FALSE(Window().Action(static_cast<int>(shell::CommandId::Pause))->isEnabled());
}

TEST_F(WindowTest, ClickingAMatchingFreePairRemovesIt) {
  DealNumberedGame(42);
  const engine::Board& b = pelmar_.State().board;
  ASSERT_EQ(b.GameMode, engine::ModeSolitaire);
  EXPECT_TRUE(Window().Action(static_cast<int>(shell::CommandId::Back))->isEnabled());
  const auto [first, second] = MatchingFreePair(b);
  ASSERT_GT(first, 0) << "game 42 offers no move";
  const int before = b.TilesLeft;

  ClickTile(first);
  EXPECT_EQ(b.FirstPick, first);
  ClickTile(second);

  EXPECT_FALSE(b.TilePos[first].OnBoard());
  EXPECT_FALSE(b.TilePos[second].OnBoard());
  EXPECT_EQ(b.TilesLeft, before - 2);
  EXPECT_TRUE(testing_support::BoardIsConsistent(b));
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
    platform::qt::BoardWidget& board = Window().Board();
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

TEST_F(WindowTest, StopReturnsToThePanelAndDisablesPlay) {
  DealNumberedGame(5);
  Window().Action(static_cast<int>(shell::CommandId::Stop))->trigger();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModeGamesPanel);
  EXPECT_FALSE(Window().Action(static_cast<int>(shell::CommandId::Stop))->isEnabled());
  EXPECT_FALSE(Window().Action(static_cast<int>(shell::CommandId::Hint))->isEnabled());
}

TEST_F(WindowTest, PauseHidesTheGameAndContinueBringsItBack) {
  DealNumberedGame(9);
  const engine::Board& b = pelmar_.State().board;
  const auto [first, second] = MatchingFreePair(b);
  ASSERT_GT(first, 0);
  QAction* pause = Window().Action(static_cast<int>(shell::CommandId::Pause));
  ASSERT_TRUE(pause->isEnabled());

  pause->trigger();
  EXPECT_EQ(b.GameMode, engine::ModePaused);
  EXPECT_EQ(pause->text(), "&Continue");
  EXPECT_EQ(Window().Button(static_cast<int>(shell::CommandId::Pause))->text(), "Play");
  EXPECT_FALSE(Window().Action(static_cast<int>(shell::CommandId::Back))->isEnabled());
  ClickTile(first);
  EXPECT_EQ(b.FirstPick, 0) << "a paused board takes no picks";

  pause->trigger();
  EXPECT_EQ(b.GameMode, engine::ModeSolitaire);
  EXPECT_EQ(pause->text(), "&Pause");
  EXPECT_EQ(Window().Button(static_cast<int>(shell::CommandId::Pause))->text(), "Pause");
  ClickTile(first);
  EXPECT_EQ(b.FirstPick, first);
}

TEST_F(WindowTest, NewGameDuringAPauseRestoresThePauseCaptions) {
  DealNumberedGame(9);
  QAction* pause = Window().Action(static_cast<int>(shell::CommandId::Pause));
  pause->trigger();
  Window().Action(static_cast<int>(shell::CommandId::Stop))->trigger();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModePaused)
      << "Stop is not offered while paused";
  Window().Action(static_cast<int>(shell::CommandId::RandomSolitaire))->trigger();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModeSolitaire);
  EXPECT_EQ(pause->text(), "&Pause");
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

// Answers every message box that opens while it lives, keeping the texts.
class MessageBoxAnswerer {
public:
  MessageBoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        box->accept();
      }
    });
    timer_.start(5);
  }
  QStringList texts;

private:
  QTimer timer_;
};

void CopyBuiltFolders(const testing_support::TempFolder& to,
                      std::initializer_list<const char*> folders) {
  for (const char* folder : folders)
    fs::copy(fs::path(PELMAR_BUILD_DIR) / folder, to.path() / folder,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

TEST(MissingDataTest, MissingPicturesAreReportedAndTheGameStillRuns) {
  WindowTest::SetUpTestSuite();
  testing_support::TempFolder folder;
  CopyBuiltFolders(folder, {"Layouts", "Musics"});
  platform::SilentAudio audio;
  TPelmar pelmar(folder.path().string() + "/", audio);
  MessageBoxAnswerer answerer;
  std::unique_ptr<platform::qt::WindowPort> window = WindowTest::App().CreateMainWindow(pelmar);
  ASSERT_TRUE(pelmar.Init(*window));
  ASSERT_EQ(answerer.texts.size(), 2);
  EXPECT_TRUE(answerer.texts[0].startsWith("No background picture was found"))
      << answerer.texts[0].toStdString();
  EXPECT_TRUE(answerer.texts[1].startsWith("No tileset was found"))
      << answerer.texts[1].toStdString();
  pelmar.FormShow();
  engine::BeginGame(pelmar.State(), pelmar);
  EXPECT_EQ(pelmar.State().board.GameMode, engine::ModeSolitaire);
  EXPECT_EQ(pelmar.State().board.TilesLeft, 144);
}

TEST(MissingDataTest, AnEmptyMusicOrLayoutFolderStopsTheStartNamingIt) {
  WindowTest::SetUpTestSuite();
  struct Case {
    std::initializer_list<const char*> copied;
    std::string message;
  } cases[] = {
      {{"Musics"}, "No layout was found in the folder \"%Layouts/\""},
      {{"Layouts"}, "No music track was found in the folder \"%Musics/\""},
  };
  for (const Case& c : cases) {
    testing_support::TempFolder folder;
    fs::create_directories(folder.path() / "Layouts");
    CopyBuiltFolders(folder, c.copied);
    const std::string dir = folder.path().string() + "/";
    platform::SilentAudio audio;
    TPelmar pelmar(dir, audio);
    MessageBoxAnswerer answerer;
    std::unique_ptr<platform::qt::WindowPort> window = WindowTest::App().CreateMainWindow(pelmar);
    EXPECT_FALSE(pelmar.Init(*window));
    ASSERT_EQ(answerer.texts.size(), 1);
    std::string expected = c.message;
    expected.replace(expected.find('%'), 1, dir);
    EXPECT_TRUE(answerer.texts[0].startsWith(QString::fromStdString(expected)))
        << answerer.texts[0].toStdString();
  }
}

// Tests run as root, who may read anything: files padded past the reading limit stand for
// files the player may not read. Each is reported once at start and left as it was at close.
TEST(UnreadableFilesTest, AreReportedOnceAndLeftAsTheyWereAtClose) {
  WindowTest::SetUpTestSuite();
  testing_support::TempFolder folder;
  CopyBuiltFolders(folder, {"Layouts", "Musics", "Tilesets", "Backgrounds"});
  const std::string dir = folder.path().string() + "/";
  std::vector<std::pair<std::string, std::string>> files;
  for (const char* name : {"Pelmar.ini", "Hallfame.ini"}) {
    const std::string path = folder.Write(name, "[Pelmar]\nCurrentPlayer1=Mia\n");
    fs::resize_file(path, platform::IniFile::MaxFileBytes + 1);
    files.emplace_back(path, testing_support::ReadText(path));
  }
  platform::SilentAudio audio;
  TPelmar pelmar(dir, audio);
  MessageBoxAnswerer answerer;
  std::unique_ptr<platform::qt::WindowPort> window = WindowTest::App().CreateMainWindow(pelmar);
  ASSERT_TRUE(pelmar.Init(*window));
  pelmar.ShowMainWindow();
  window->Close();
  ASSERT_EQ(answerer.texts.size(), 2) << answerer.texts.join('\n').toStdString();
  for (std::size_t i = 0; i < files.size(); ++i) {
    const auto& [path, before] = files[i];
    EXPECT_TRUE(answerer.texts[i].startsWith(QString::fromStdString("Unable to read " + path)))
        << answerer.texts[i].toStdString();
    EXPECT_EQ(testing_support::ReadText(path), before) << path;
  }
}

// Everything the result window said, read while it is open; then its button closes it. A
// hall-of-fame window that follows is closed too, and its title kept.
struct ResultSeen {
  QString caption, button, nextWindow;
  QStringList lines;
};

void CloseNextWindow(ResultSeen& seen) {
  QTimer::singleShot(0, [&seen] {
    if (QWidget* next = QApplication::activeModalWidget()) {
      seen.nextWindow = next->windowTitle();
      next->close();
    }
  });
}

void AnswerResultWindow(ResultSeen& seen) {
  QTimer::singleShot(0, [&seen] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    seen.caption = dialog->windowTitle();
    for (const QLabel* label : dialog->findChildren<QLabel*>())
      if (!label->text().isEmpty()) seen.lines << label->text();
    QPushButton* button = dialog->findChild<QPushButton*>();
    seen.button = button->text();
    CloseNextWindow(seen);
    button->click();
  });
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

TEST_F(WindowTest, FinishedBoardShowsTheResultAndReturnsToThePanel) {
  DealNumberedGame(11);
  engine::GameState& state = pelmar_.State();
  engine::Board& b = state.board;
  for (int t = 1; t <= engine::MaxTiles; ++t) {
    if (!b.TilePos[t].OnBoard()) continue;
    b.BoardGrid.Set(b.TilePos[t], 0);
    b.TilePos[t] = {};
  }
  b.TilesLeft = 0;
  state.scoring.GameStartTick = pelmar_.clock().TickCount() - 65'400;
  state.scoring.PenaltySeconds = 40;

  ResultSeen seen;
  AnswerResultWindow(seen);
  pelmar_.OnClockTick();

  EXPECT_EQ(seen.caption, "Board finished !");
  EXPECT_EQ(seen.lines,
            (QStringList{"Congratulations !", "You finished the board...",
                         "Your final time is 01:45", "And you enter the Hall of Fame !"}));
  EXPECT_EQ(seen.button, "Thank you !");
  EXPECT_EQ(seen.nextWindow, "Hall of Fame");
  // The record was written when it was made, before any close of the program.
  const std::string saved = testing_support::ReadText(folder_.Path() + "Hallfame.ini");
  EXPECT_NE(saved.find("[Traditional]"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Rank1=Player1   105   40 "), std::string::npos) << saved;
  EXPECT_TRUE(b.GameOverShown);
  EXPECT_EQ(b.GameMode, engine::ModeGamesPanel);
  // The clock goes on ticking on the panel without ending the game a second time.
  pelmar_.OnClockTick();
  EXPECT_EQ(b.GameMode, engine::ModeGamesPanel);
  EXPECT_TRUE(Window().Action(static_cast<int>(shell::CommandId::RandomSolitaire))->isEnabled());
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

TEST_F(WindowTest, ClickingTheMovesAndTimeCaptionsTogglesTheirFields) {
  DealNumberedGame(7);
  pelmar_.OnClockTick();
  engine::Options& options = pelmar_.State().options;
  struct Case {
    int field;
    bool engine::Options::*option;
    shell::CommandId command;
  } cases[] = {{1, &engine::Options::ShowMoves, shell::CommandId::ShowMoves},
               {2, &engine::Options::ShowTime, shell::CommandId::ShowTime}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    ASSERT_TRUE(options.*c.option);
    QTest::mouseClick(Window().StatusCaption(c.field), Qt::LeftButton);
    EXPECT_FALSE(options.*c.option);
    EXPECT_FALSE(Window().Action(static_cast<int>(c.command))->isChecked());
    pelmar_.OnClockTick();
    QTest::mouseClick(Window().StatusCaption(c.field), Qt::LeftButton);
    EXPECT_TRUE(options.*c.option);
    EXPECT_TRUE(Window().Action(static_cast<int>(c.command))->isChecked());
  }
  const engine::Options before = options;
  QTest::mouseClick(Window().StatusCaption(0), Qt::LeftButton); // "Tiles" toggles nothing
  EXPECT_EQ(options.ShowMoves, before.ShowMoves);
  EXPECT_EQ(options.ShowTime, before.ShowTime);
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
  EXPECT_FALSE(PopupAction(Window(), "Layout")->isEnabled()) << "the chooser is not built yet";
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

TEST_F(WindowTest, TheSolidBackgroundIsAMenuChoiceThatExcludesThePictures) {
  QAction* solid = Window().Action(static_cast<int>(shell::CommandId::SolidBackground));
  ASSERT_TRUE(solid->isEnabled());
  EXPECT_FALSE(solid->isChecked());
  QAction* fourth = Window().Action(shell::BackgroundEntryBase + 4);
  ASSERT_NE(fourth, nullptr);
  EXPECT_TRUE(fourth->isChecked()) << "a fresh installation shows the fourth picture";
  // As while starting, so the stored colour is painted without the colour dialog.
  pelmar_.State().board.GameMode = engine::ModeNone;
  solid->trigger();
  EXPECT_TRUE(solid->isChecked());
  EXPECT_FALSE(fourth->isChecked());
}

} // namespace window_testing

namespace window_testing {

TEST_F(WindowTest, TheClockRestsOnIdleScreensAndWakesForAGame) {
  // The start-up message slides in first; once it stands, the panel has nothing to tick for.
  for (int i = 0; i < 100 && pelmar_.OnClockTick(); ++i) {
  }
  EXPECT_FALSE(pelmar_.OnClockTick());
  DealNumberedGame(13);
  EXPECT_TRUE(Window().ClockRunning());
  EXPECT_TRUE(pelmar_.OnClockTick()) << "a running game is timed";
  Window().Action(static_cast<int>(shell::CommandId::Pause))->trigger();
  for (int i = 0; i < 100 && pelmar_.OnClockTick(); ++i) {
  }
  EXPECT_FALSE(pelmar_.OnClockTick()) << "a paused game's clock stands still";
  Window().Action(static_cast<int>(shell::CommandId::Pause))->trigger();
  EXPECT_TRUE(Window().ClockRunning());
}

} // namespace window_testing

namespace window_testing {

TEST_F(WindowTest, ATwoPlayerGameEndsWithTheVerdictAndNoRecord) {
  Window().Action(static_cast<int>(shell::CommandId::TwoPlayerSolitaire))->trigger();
  engine::GameState& state = pelmar_.State();
  engine::Board& b = state.board;
  ASSERT_EQ(b.GameMode, engine::ModeTwoPlayers);
  EXPECT_FALSE(Window().Action(static_cast<int>(shell::CommandId::Hint))->isEnabled());
  EXPECT_TRUE(Window().Action(static_cast<int>(shell::CommandId::Back))->isEnabled());
  for (int t = 1; t <= engine::MaxTiles; ++t) {
    if (!b.TilePos[t].OnBoard()) continue;
    b.BoardGrid.Set(b.TilePos[t], 0);
    b.TilePos[t] = {};
  }
  b.TilesLeft = 0;
  state.scoring.PlayerTime1 = 9'000;
  state.scoring.PlayerTime2 = 12'000;
  state.scoring.GameStartTick -= 21'000; // a board cleared in no time is not a finished game

  ResultSeen seen;
  AnswerResultWindow(seen);
  pelmar_.OnClockTick();
  EXPECT_EQ(seen.caption, "Board finished !");
  EXPECT_TRUE(seen.lines.contains("And the winner is... PLAYER 1 !"))
      << seen.lines.join("|").toStdString();
  EXPECT_TRUE(seen.nextWindow.isEmpty()) << "two players never enter the hall of fame";
  EXPECT_EQ(b.GameMode, engine::ModeGamesPanel);
  EXPECT_FALSE(fs::exists(folder_.Path() + "Hallfame.ini"));
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
