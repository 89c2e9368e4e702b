#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "games/hashira/hashira_game.h"
#include "platform/jpeg_reader.h"
#include "qt/builtin_files.h"
#include "window_fixture.h"

namespace {

using qt::GamesPanelView;
using window_testing::WindowTest;

class GamesPanelWindowTest : public WindowTest {
protected:
  GamesPanelView& Panel() { return *Window().GamesPanel(); }

  QPushButton* ButtonCaptioned(const QString& caption) {
    for (QPushButton* b : Panel().findChildren<QPushButton*>())
      if (b->text() == caption) return b;
    return nullptr;
  }

  // The panel's top-left corner in board-widget pixels, where the formula wants it.
  QPoint CentredOrigin() {
    const qt::BoardFit fit = Window().Board().Fit();
    return {fit.left + (fit.width - 505) / 2, fit.top + (fit.height - 401) / 2};
  }

  // The pointer moves through the window system, as the player's would.
  void MovePointerOverPanel(QPoint at) {
    QTest::mouseMove(&Window(), Panel().mapTo(&Window(), at));
    QApplication::processEvents();
  }

  void StartGame() {
    QPushButton* classic = ButtonCaptioned("Classic");
    ASSERT_NE(classic, nullptr);
    classic->click();
    ASSERT_EQ(pelmar_.State().board.GameMode, engine::ModeSolitaire);
  }

  QAction* Pause() { return Window().Action(static_cast<int>(shell::CommandId::Pause)); }
};

TEST_F(GamesPanelWindowTest, StartsShownCentredWithTitleAndDescription) {
  ASSERT_NE(Window().GamesPanel(), nullptr);
  EXPECT_TRUE(Panel().isVisible());
  EXPECT_EQ(Panel().size(), QSize(505, 401));
  EXPECT_EQ(Panel().pos(), CentredOrigin());
  QStringList texts;
  for (const QLabel* label : Panel().findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains("Welcome to"));
  EXPECT_TRUE(texts.contains("Pelmar !"));
  EXPECT_EQ(Panel().Description().text(), "Game Description...");
  EXPECT_FALSE(Panel().SameGameButton().isVisible());
  EXPECT_TRUE(ButtonCaptioned("Classic")->isDefault());
}

TEST_F(GamesPanelWindowTest, StaysCentredWhenTheWindowChangesSize) {
  for (const QSize size : {QSize(1700, 1300), QSize(900, 700), QSize(1200, 640)}) {
    Window().resize(size);
    QApplication::processEvents();
    EXPECT_EQ(Panel().pos(), CentredOrigin()) << size.width() << "x" << size.height();
  }
}

TEST_F(GamesPanelWindowTest, OnlyBuiltGamesCanBeStartedFromIt) {
  struct Case {
    const char* caption;
    bool enabled;
  } cases[] = {{"Classic", true},
               {"Two Players", true},
               {"Easy Rivers (84 tiles)", true},
               {"Hard Rivers (144 tiles)", true},
               {"Easy Memory (32 tiles)", true},
               {"Hard Memory (60 tiles)", true},
               {"Easy", true},
               {"Normal", true},
               {"Hard", true},
               {"Slider New game", true},
               {"Hashira", true},
               {"Level 1", true}}; // "Start Level" shows the level a game starts at
  for (const Case& c : cases) {
    QPushButton* button = ButtonCaptioned(c.caption);
    ASSERT_NE(button, nullptr) << c.caption;
    EXPECT_EQ(button->isEnabled(), c.enabled) << c.caption;
  }
  const auto& pictures = Panel().Pictures();
  ASSERT_EQ(pictures.size(), 6u);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    EXPECT_EQ(pictures[i]->size(), QSize(154, 104));
    EXPECT_TRUE(pictures[i]->isEnabled()) << "picture " << i + 1;
  }
}

TEST_F(GamesPanelWindowTest, PicturesShowTheirBuiltInImagesPixelForPixel) {
  for (std::size_t i = 0; i < Panel().Pictures().size(); ++i) {
    const std::string name = "screen" + std::to_string(i + 1) + ".jpg";
    const platform::DecodedPicture decoded = platform::DecodeJpeg(qt::ReadBuiltin(name));
    ASSERT_TRUE(decoded.ok) << name;
    // Enabled ones only: a disabled picture is shown dimmed on purpose.
    if (!Panel().Pictures()[i]->isEnabled()) continue;
    const QImage shown =
        Panel().Pictures()[i]->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const auto& [x, y] : {std::pair{0, 0}, {77, 52}, {153, 103}, {20, 90}})
      EXPECT_TRUE(platform::SameColour(shown.pixel(x, y), decoded.bitmap.Pixel(x, y)))
          << name << " at " << x << "," << y;
  }
}

TEST_F(GamesPanelWindowTest, TheDescriptionFollowsThePictureUnderThePointer) {
  const char* hints[] = {"Tile-Matching game - Match the pairs when they're free on their sides !",
                         "Rivers game - Connect the matching tiles !",
                         "Memory game - Play a Concentration game !",
                         "Clicks - Remove groups of tiles with a single click !",
                         "Slider - Form lines of tiles by sliding them !",
                         "Hashira - Remove columns of 3 or more tiles !"};
  // Backwards, so each hint replaces a different one; disabled pictures show theirs too.
  for (int i = 5; i >= 0; --i) {
    MovePointerOverPanel(Panel().Pictures()[static_cast<std::size_t>(i)]->geometry().center());
    EXPECT_EQ(Panel().Description().text(), hints[i]);
    EXPECT_EQ(Panel().Description().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  }
  // Away from the pictures the last hint stays.
  MovePointerOverPanel(QPoint(2, 2));
  EXPECT_EQ(Panel().Description().text(), hints[0]);
}

TEST_F(GamesPanelWindowTest, ThePictureAndClassicStartSolitaireAndHideThePanel) {
  Panel().Pictures()[0]->click();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModeSolitaire);
  EXPECT_FALSE(Panel().isVisible());
  Window().Action(static_cast<int>(shell::CommandId::Stop))->trigger();
  EXPECT_TRUE(Panel().isVisible());
  StartGame();
  EXPECT_FALSE(Panel().isVisible());
}

TEST_F(GamesPanelWindowTest, PlaySameGameAgainAppearsWithTheFirstGameAndStaysTheDefault) {
  StartGame();
  Window().Action(static_cast<int>(shell::CommandId::Stop))->trigger();
  QPushButton& same = Panel().SameGameButton();
  EXPECT_TRUE(same.isVisible());
  EXPECT_EQ(same.text(), "Play Same Game Again");
  EXPECT_TRUE(same.isDefault());
  EXPECT_FALSE(ButtonCaptioned("Classic")->isDefault());
  same.click();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModeSolitaire);
}

TEST_F(GamesPanelWindowTest, ThePauseScreenShowsThePanelOnlyWhenAskedTo) {
  StartGame();
  Pause()->trigger();
  EXPECT_FALSE(Panel().isVisible());
  Pause()->trigger();

  QAction* option = Window().Action(static_cast<int>(shell::CommandId::WelcomePause));
  ASSERT_NE(option, nullptr);
  EXPECT_EQ(option->text(), "Show Games Panel during Pause");
  option->trigger();
  EXPECT_TRUE(pelmar_.State().options.WelcomePause);
  Pause()->trigger();
  EXPECT_TRUE(Panel().isVisible());
  // A game started from it replaces the paused one, with the pause undone.
  StartGame();
  EXPECT_FALSE(Panel().isVisible());
  EXPECT_EQ(Pause()->text(), "&Pause");
}

TEST_F(GamesPanelWindowTest, LosingActivationPausesAndRegainingItResumes) {
  StartGame();
  pelmar_.FormDeactivate();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModePaused);
  EXPECT_EQ(Pause()->text(), "&Continue");
  EXPECT_EQ(Window().Button(static_cast<int>(shell::CommandId::Pause))->text(), "Play");
  pelmar_.FormDeactivate();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModePaused);
  pelmar_.FormActivate();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModeSolitaire);
  EXPECT_EQ(Pause()->text(), "&Pause");

  // A pause made by hand also ends when the program comes back.
  Pause()->trigger();
  pelmar_.FormDeactivate();
  pelmar_.FormActivate();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModeSolitaire);
}

TEST_F(GamesPanelWindowTest, ActivationLeavesThePanelAlone) {
  pelmar_.FormDeactivate();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModeGamesPanel);
  pelmar_.FormActivate();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModeGamesPanel);
  EXPECT_TRUE(Panel().isVisible());
}

TEST_F(GamesPanelWindowTest, NewGameAfterSolitaireStartsSolitaireAgain) {
  StartGame();
  Window().Action(static_cast<int>(shell::CommandId::Stop))->trigger();
  Window().Action(static_cast<int>(shell::CommandId::LastPlayedGame))->trigger();
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModeSolitaire);
  EXPECT_EQ(pelmar_.State().board.TilesLeft, 144);
}

// A game code of a game this program cannot play yet starts nothing in its place.

TEST_F(GamesPanelWindowTest, TheLevelMenuSetsTheLevelAndTheStartedGameTakesTheArrowKeys) {
  QPushButton* level = ButtonCaptioned("Level 1");
  ASSERT_NE(level, nullptr);
  QTimer::singleShot(0, [] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().at(0)->isChecked());
    menu->setActiveAction(menu->actions().at(6));
    QTest::keyClick(menu, Qt::Key_Return);
  });
  level->click();
  EXPECT_EQ(level->text(), "Level 7");
  EXPECT_EQ(pelmar_.State().options.StartLevel, 7);

  // The button that started the game had the focus; the arrows must reach the game all the same.
  QPushButton* hashira = ButtonCaptioned("Hashira");
  hashira->setFocus();
  hashira->click();
  ASSERT_EQ(pelmar_.State().board.GameMode, engine::ModeHashira);
  const auto& game = dynamic_cast<const hashira::HashiraGame&>(*pelmar_.ActiveGame());
  pelmar_.Timer1timer();
  QWidget* focus = Window().focusWidget();
  QTest::keyPress(focus ? focus : &Window(), Qt::Key_Left);
  pelmar_.Timer1timer();
  EXPECT_EQ(game.Columns().ColumnBlocks[game.Columns().BlockCount].x, 32);

  // Held while the player switches away, Down is let go elsewhere: it must not drop the column
  // when he comes back.
  QTest::keyPress(focus ? focus : &Window(), Qt::Key_Down);
  ASSERT_TRUE(game.Columns().flags.down);
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModePaused);
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  EXPECT_EQ(pelmar_.State().board.GameMode, engine::ModeHashira);
  EXPECT_FALSE(game.Columns().flags.down);
}

} // namespace
