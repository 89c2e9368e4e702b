#include <gtest/gtest.h>

#include <chrono>

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "qt/about_window.h"
#include "qt/help_window.h"
#include "qt/rich_text_document.h"
#include "qt/text_painter.h"
#include "platform/rtf_reader.h"
#include "records/about_box.h"
#include "records/help_viewer.h"
#include "render/tile_sheet.h"
#include "support/test_platform.h"

namespace {

using records::HelpPageId;

class QtTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "help_window_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
  }
};

TEST_F(QtTest, DocumentsKeepTheirFormattingAndHangTheirMarkers) {
  QTextDocument document;
  qt::FillDocument(
      document,
      platform::ReadRtf(R"({\rtf1{\colortbl;\red128\green0\blue0;}\pard\qc\b\fs36\cf1 Title\par)"
                        R"(\pard\li400\fi-200\tx400\b0\fs20\bullet\tab item\par)"
                        R"(\pard{\*\pn\pnlvlbody\pndec\pnstart3}\li720\fi-360 third\par})"));
  ASSERT_EQ(document.blockCount(), 3);
  EXPECT_EQ(document.toPlainText().toStdString(), "Title\n\u2022\titem\n3.\tthird");

  const QTextBlock title = document.firstBlock();
  EXPECT_EQ(title.blockFormat().alignment(), Qt::AlignHCenter);
  const QTextCharFormat titleFormat = title.begin().fragment().charFormat();
  EXPECT_EQ(titleFormat.fontWeight(), QFont::Bold);
  EXPECT_DOUBLE_EQ(titleFormat.fontPointSize(), 18.0);
  EXPECT_EQ(titleFormat.foreground().color(), QColor(128, 0, 0));

  // The tab after a hanging marker reaches the paragraph's indent.
  for (const QTextBlock& item : {title.next(), title.next().next()}) {
    const QTextBlockFormat f = item.blockFormat();
    ASSERT_EQ(f.tabPositions().size(), 1);
    EXPECT_DOUBLE_EQ(f.tabPositions()[0].position, -f.textIndent());
    EXPECT_LT(f.textIndent(), 0);
  }
}

// Files made to be as tall, or as slow to lay out, as a file can be: Qt's layout stalls on text
// some eight million pixels tall, on long words and on paragraphs of many formats.
TEST_F(QtTest, TheWorstFilesStillLayOutQuickly) {
  std::string spaced = "{\\rtf1\\sa31680 ", letters = "{\\rtf1\\fs400 ", formats = "{\\rtf1 ";
  for (int i = 0; i < 5000; ++i) spaced += "x\\par ";
  for (int i = 0; i < 200000; ++i) letters += "W ";
  for (int i = 0; i < 100000; ++i) formats += "\\b a\\b0 b";
  const auto start = std::chrono::steady_clock::now();
  for (const std::string& file :
       {spaced, letters, formats, std::string(platform::MaxRtfBytes, 'x')}) {
    QTextDocument document;
    qt::FillDocument(document, platform::ReadRtf(file));
    document.setTextWidth(550);
    EXPECT_LT(document.size().height(), 2e6);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

class HelpWindowTest : public QtTest {
protected:
  HelpWindowTest() { viewer_.LoadDocuments(PELMAR_BUILD_DIR "/"); }

  // Prints the page to a PDF file and counts the file's pages.
  int PrintedPages(qt::HelpWindow& window, int page) {
    const QString path = folder_.filePath(QString("page%1.pdf").arg(page));
    window.Pages().setCurrentIndex(page);
    {
      QPrinter printer;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      window.PrintActivePage(printer);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF-")) return -1;
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?!s)")));
  }

  platform::Bitmap sheet_{render::TileSheetWidth, render::TileSheetHeight};
  qt::QtTextPainter painter_;
  records::HelpViewer viewer_{sheet_, painter_};
  QTemporaryDir folder_;
};

TEST_F(HelpWindowTest, OpensOnTheChosenPageOfItsDocuments) {
  qt::HelpWindow window(viewer_, nullptr);
  EXPECT_EQ(window.windowTitle(), "Pelmar Help ");
  EXPECT_EQ(window.size(), QSize(616, 437));
  ASSERT_EQ(window.Pages().count(), 8);
  EXPECT_EQ(window.Pages().tabText(4), "View Tileset");
  EXPECT_EQ(window.DocumentView(4), nullptr);
  QTextEdit& help = *window.DocumentView(0);
  EXPECT_TRUE(help.toPlainText().startsWith("Welcome to Pelmar\n"));
  EXPECT_TRUE(help.isReadOnly());
  EXPECT_EQ(help.palette().color(QPalette::Base), help.palette().color(QPalette::ToolTipBase));
  EXPECT_TRUE(window.DocumentView(7)->toPlainText().contains(QString::fromUtf8("r\u00e8gles")));
  EXPECT_TRUE(window.ReturnButton().isDefault());
  EXPECT_EQ(window.ReturnButton().text(), "Return to Pelmar");

  viewer_.CallHelp(HelpPageId::French);
  QTimer::singleShot(0, &window.ReturnButton(),
                     [&window] { QTest::mouseClick(&window.ReturnButton(), Qt::LeftButton); });
  window.Run();
  EXPECT_EQ(window.Pages().currentIndex(), 7);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(HelpWindowTest, PrintsTheDocumentOrTheLegendWindowToPdf) {
  viewer_.CallHelp(HelpPageId::SeeTiles);
  qt::HelpWindow window(viewer_, nullptr);
  EXPECT_EQ(PrintedPages(window, 4), 1) << "the legend";
  EXPECT_EQ(PrintedPages(window, 2), 1) << "the short \"What's Old\"";
  EXPECT_GT(PrintedPages(window, 3), 2) << "the long \"Game Rules\"";
}

TEST_F(QtTest, AboutWindowTellsTheLaunches) {
  testing_support::ScriptedUi ui;
  for (int launches : {1, 2, 37}) {
    const platform::AboutBox box = records::MakeAboutBox(launches, ui);
    qt::AboutWindow window(box, nullptr);
    EXPECT_EQ(window.windowTitle(), "About Pelmar ");
    EXPECT_TRUE(window.OkButton().isDefault());
    QTest::mouseClick(&window.StatisticsButton(), Qt::LeftButton);
  }
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"You launched Pelmar for the first time ! ;-)",
                                                   "You launched Pelmar twice ! ;-)",
                                                   "You launched Pelmar 37 times ! ;-)"}));
}

} // namespace
