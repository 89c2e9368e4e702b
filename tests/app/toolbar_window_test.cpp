#include <gtest/gtest.h>

#include <QAction>
#include <QIcon>
#include <QMenu>

#include "shell/commands.h"
#include "window_fixture.h"

namespace {

using window_testing::WindowTest;

// The main window on a desktop without an icon theme: only our own pictures can show.
class ToolbarWithoutThemeTest : public WindowTest {
protected:
  void SetUp() override {
    searchPaths_ = QIcon::themeSearchPaths();
    themeName_ = QIcon::themeName();
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName("pelmar-test-no-theme");
    WindowTest::SetUp();
  }
  void TearDown() override {
    QIcon::setThemeSearchPaths(searchPaths_);
    QIcon::setThemeName(themeName_);
  }

  static QImage Picture(const QIcon& icon) {
    return icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
  }
  static QImage BuiltIn(std::string_view file) {
    return QImage(QString::fromUtf8(":/builtin/" + std::string(file)))
        .convertToFormat(QImage::Format_ARGB32);
  }
  QAction* PopupEntry(const char* caption) {
    for (QAction* a : Window().Board().Popup()->actions())
      if (a->text() == caption) return a;
    return nullptr;
  }

private:
  QStringList searchPaths_;
  QString themeName_;
};

TEST_F(ToolbarWithoutThemeTest, ButtonsAndTheirMenuItemsShowOurPictures) {
  for (const shell::ToolbarButton& b : shell::ToolbarButtons()) {
    SCOPED_TRACE(std::string(b.caption));
    const int id = static_cast<int>(b.command);
    QAction* button = Window().Button(id);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(Picture(button->icon()), BuiltIn(b.fallback));
    EXPECT_EQ(button->toolTip().toStdString(), b.hint.empty() ? b.caption : b.hint);
    QAction* item = Window().Action(id);
    ASSERT_NE(item, nullptr);
    if (b.menuGlyph)
      EXPECT_EQ(Picture(item->icon()), BuiltIn(b.fallback));
    else
      EXPECT_TRUE(item->icon().isNull());
  }
  // The pop-up menu's entries of the same commands carry them too.
  for (const char* caption : {"Back", "Hint", "Shuffle", "Pause", "Layout"}) {
    SCOPED_TRACE(caption);
    QAction* entry = PopupEntry(caption);
    ASSERT_NE(entry, nullptr);
    EXPECT_FALSE(entry->icon().isNull());
  }
  EXPECT_TRUE(PopupEntry("Redraw")->icon().isNull()) << "no button, no picture";
}

TEST_F(ToolbarWithoutThemeTest, PauseTakesThePlayPictureAndGivesItBack) {
  const int pause = static_cast<int>(shell::CommandId::Pause);
  const shell::ToolbarButton* b = nullptr;
  for (const shell::ToolbarButton& each : shell::ToolbarButtons())
    if (each.command == shell::CommandId::Pause) b = &each;
  ASSERT_NE(b, nullptr);
  for (bool other : {true, false, true}) {
    SCOPED_TRACE(other);
    Window().SetButtonLook(pause, other);
    const QImage wanted = BuiltIn(other ? b->otherFallback : b->fallback);
    EXPECT_EQ(Picture(Window().Button(pause)->icon()), wanted);
    EXPECT_EQ(Picture(Window().Action(pause)->icon()), wanted);
    EXPECT_EQ(Picture(PopupEntry("Pause")->icon()), wanted);
  }
}

} // namespace
