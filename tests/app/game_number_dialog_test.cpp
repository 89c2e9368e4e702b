#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "qt/game_number_dialog.h"
#include "records/game_number.h"
#include "window_fixture.h"

namespace {

using qt::TRandomWindow;
using window_testing::WindowTest;

// The dialog driven by the model, as the application object drives it.
class GameNumberDialogTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { WindowTest::SetUpTestSuite(); }

  platform::GameNumberDialog Callbacks() {
    platform::GameNumberDialog d;
    d.text = model.Text();
    d.edited = [this](const std::string& t) { model.RandomSeedChange(t); };
    d.newRandomSeed = [this] {
      model.BitBtn2Click();
      return model.Text();
    };
    d.newSmallSeed = [this] {
      model.BitBtn3Click();
      return model.Text();
    };
    d.accepted = [this](const std::string& t) { messages.push_back(model.BitBtn1Click(t)); };
    return d;
  }

  int gameNumber = 314;
  engine::Generator rng{42};
  records::GameNumberModel model{gameNumber, rng};
  std::vector<std::string> messages;
};

TEST_F(GameNumberDialogTest, ShowsItsTextsAndTheNumber) {
  TRandomWindow window(nullptr, Callbacks());
  window.show();
  EXPECT_EQ(window.windowTitle(), "New Specific (Seed) Game");
  EXPECT_EQ(window.size(), QSize(396, 172));
  EXPECT_EQ(window.RandomSeed().text(), "314");
  EXPECT_EQ(window.RandomSeed().maxLength(), 9);
  EXPECT_EQ(window.BitBtn1().text(), "OK");
  EXPECT_TRUE(window.BitBtn1().isDefault());
  EXPECT_EQ(window.BitBtn2().text(), "New random game seed");
  EXPECT_EQ(window.BitBtn3().text(), "New seed (limit to 0-9999)");
}

TEST_F(GameNumberDialogTest, TypingDrawingAndOk) {
  TRandomWindow window(nullptr, Callbacks());
  window.show();
  window.RandomSeed().selectAll();
  QTest::keyClicks(&window.RandomSeed(), "1234567890");
  EXPECT_EQ(window.RandomSeed().text(), "123456789");
  EXPECT_EQ(gameNumber, 123456789);

  QTest::mouseClick(&window.BitBtn3(), Qt::LeftButton);
  EXPECT_GE(gameNumber, 1);
  EXPECT_LE(gameNumber, 9999);
  EXPECT_EQ(window.RandomSeed().text(), QString::number(gameNumber));
  const int drawn = gameNumber;

  QTest::keyClicks(&window.RandomSeed(), "x");
  EXPECT_EQ(gameNumber, drawn);
  QTest::mouseClick(&window.BitBtn1(), Qt::LeftButton);
  ASSERT_EQ(messages.size(), 1u);
  // Built by appending: GCC 12 warns falsely of overlapping copies in "'" + std::string.
  std::string expected = "'";
  expected += std::to_string(drawn);
  expected += "x' is not a valid integer value";
  EXPECT_EQ(messages[0], expected);
  EXPECT_EQ(gameNumber, drawn);
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(GameNumberDialogTest, EnterIsOk) {
  TRandomWindow window(nullptr, Callbacks());
  window.show();
  QTest::mouseClick(&window.BitBtn2(), Qt::LeftButton);
  const int drawn = gameNumber;
  EXPECT_GE(drawn, 1);
  QTest::keyClick(&window.RandomSeed(), Qt::Key_Return);
  EXPECT_EQ(messages, std::vector<std::string>{""});
  EXPECT_EQ(gameNumber, drawn) << "Enter closed the dialog instead of drawing again";
  EXPECT_FALSE(window.isVisible());
}

} // namespace
