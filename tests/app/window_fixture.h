#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>

#include "app/pelmar.h"
#include "engine/deal.h"
#include "engine/free_rule.h"
#include "qt/application.h"
#include "qt/board_fit.h"
#include "qt/main_window.h"
#include "platform/silent_audio.h"
#include "shell/settings.h"
#include "support/test_platform.h"

// The real main window on Qt's offscreen platform, over a copy of the data the build made.
namespace window_testing {

using qt::BoardFit;
using qt::MainWindow;

class WindowTest : public ::testing::Test {
public:
  static qt::Application& App() { return *application_; }
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "window_tests";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: Qt wants one application for every window of the run.
    static qt::Application* application =
        new qt::Application(argc, argv, std::string(shell::ApplicationTitle));
    application_ = application;
  }

protected:
  void SetUp() override {
    window_ = application_->CreateMainWindow(pelmar_);
    ASSERT_TRUE(pelmar_.Init(*window_));
    pelmar_.ShowMainWindow();
    // The window system's news of showing (activation among it) arrives now, not in mid-test.
    QApplication::processEvents();
  }

  MainWindow& Window() { return dynamic_cast<MainWindow&>(*window_); }

  // Room for the board at twice its size, so that every board pixel covers 2x2 screen pixels.
  void ShowBoardDoubled() {
    Window().resize(1700, 1300);
    QApplication::processEvents();
    ASSERT_DOUBLE_EQ(Window().Board().Fit().scale, 2.0);
  }

  void DealNumberedGame(int number) {
    engine::GameState& state = pelmar_.State();
    state.board.GameNumber = number;
    state.options.RandomSeed1 = true;
    pelmar_.BeginGame();
    engine::IsItFree(state);
  }

  // The middle of a tile's face where the window shows it.
  QPoint TileCentre(int tile) {
    const engine::Board& b = pelmar_.State().board;
    const engine::Position& p = b.TilePos[tile];
    const int x = 20 * p.x + 6 * p.z + b.BoardLeft - 46 + 20;
    const int y = 25 * p.y - 6 * p.z + b.BoardTop - 59 + 25;
    const BoardFit fit = Window().Board().Fit();
    return QPoint(static_cast<int>(fit.WidgetX(x)), static_cast<int>(fit.WidgetY(y)));
  }

  void ClickTile(int tile) {
    QTest::mouseClick(&Window().Board(), Qt::LeftButton, {}, TileCentre(tile));
  }

  static inline qt::Application* application_ = nullptr;
  testing_support::ProgramFolder folder_;
  platform::SilentAudio audio_;
  TPelmar pelmar_{folder_.Path(), audio_, *application_};
  std::unique_ptr<platform::WindowPort> window_;
};

} // namespace window_testing
