#include "qt/help_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTabBar>

#include "qt/printing.h"
#include "qt/rich_text_document.h"

namespace qt {

namespace {

// The print job's title.
constexpr const char* PrintTitle = "Pelmar Help";
constexpr int Margin = 6, ButtonHeight = 28;

QTextEdit* DocumentPage(const RichText& text, QWidget* parent) {
  auto* view = new QTextEdit(parent);
  view->setReadOnly(true);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The pages read like a large tooltip.
  QPalette colours = view->palette();
  colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
  colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
  view->setPalette(colours);
  FillDocument(*view->document(), text);
  view->moveCursor(QTextCursor::Start);
  return view;
}

} // namespace

LegendView::LegendView(const HelpViewModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {}

void LegendView::paintEvent(QPaintEvent*) {
  const Bitmap& legend = model_.Legend();
  if (legend.Empty()) return;
  const QImage picture(reinterpret_cast<const uchar*>(legend.Pixels()), legend.Width(),
                       legend.Height(), legend.Width() * 4, QImage::Format_RGB32);
  QPainter(this).drawImage(QPoint((width() - legend.Width()) / 2, (height() - legend.Height()) / 2),
                           picture);
}

HelpWindow::HelpWindow(const HelpViewModel& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), model_(model) {
  setWindowTitle(QStringLiteral("Pelmar Help "));
  setFixedSize(Width, Height);
  tabs_ = new QTabWidget(this);
  tabs_->setGeometry(Margin, Margin, Width - 2 * Margin, Height - 3 * Margin - ButtonHeight);
  // Slimmer tabs, so that all eight captions fit the window's width without scroll arrows.
  tabs_->tabBar()->setStyleSheet(
      QStringLiteral("QTabBar::tab { padding: 4px 5px; font-size: 8pt; }"));
  tabs_->setUsesScrollButtons(false);
  for (const HelpPage& page : model_.Pages()) {
    QWidget* content = nullptr;
    if (page.legend) {
      content = legend_ = new LegendView(model_, tabs_);
      views_.push_back(nullptr);
    } else {
      content = DocumentPage(page.document, tabs_);
      views_.push_back(static_cast<QTextEdit*>(content));
    }
    tabs_->addTab(content, QString::fromStdString(page.caption));
  }

  const int top = Height - Margin - ButtonHeight;
  print_ = new QPushButton(QStringLiteral("Print"), this);
  print_->setAutoDefault(false);
  print_->setGeometry(Margin, top, 100, ButtonHeight);
  return_ = new QPushButton(QStringLiteral("Return to Pelmar"), this);
  return_->setGeometry(Width - Margin - 150, top, 150, ButtonHeight);
  return_->setDefault(true);
  connect(return_, &QPushButton::clicked, this, &QDialog::accept);
  connect(print_, &QPushButton::clicked, this, [this] {
    QPrinter printer;
    if (AskPrinter(printer, this)) PrintActivePage(printer);
  });
}

void HelpWindow::Run() {
  tabs_->setCurrentIndex(model_.ActivePage());
  if (legend_) legend_->update();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  exec();
}

void HelpWindow::PrintActivePage(QPrinter& printer) {
  const int page = tabs_->currentIndex();
  if (page < 0) return;
  printer.setDocName(QString::fromLatin1(PrintTitle));
  if (QTextEdit* view = views_.at(page))
    view->document()->print(&printer);
  else if (model_.Pages().at(page).legend)
    PrintPicture(grab().toImage(), printer);
}

} // namespace qt
