#pragma once

#include <vector>

#include <QDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include "platform/help_view.h"

namespace qt {
using namespace platform;

// The legend's panel, centred in its page.
class LegendView final : public QWidget {
public:
  LegendView(const HelpViewModel& model, QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  const HelpViewModel& model_;
};

// "Pelmar Help ": built once with its documents and kept, hidden, between openings.
class HelpWindow final : public QDialog {
public:
  HelpWindow(const HelpViewModel& model, QWidget* parent);
  static constexpr int Width = 616, Height = 437;

  // Opens modally, centred on the screen, on the model's active page with the legend as the
  // model drew it; returns when the player closed the window.
  void Run();
  // "Print" once a printer is chosen: the document of the page on display, or on the legend's
  // page the window's whole picture, scaled to the page.
  void PrintActivePage(QPrinter& printer);

  QTabWidget& Pages() { return *tabs_; }
  // The view of a document page; null on the legend's page.
  QTextEdit* DocumentView(int page) { return views_.at(page); }
  QPushButton& PrintButton() { return *print_; }
  QPushButton& ReturnButton() { return *return_; }

private:
  const HelpViewModel& model_;
  QTabWidget* tabs_;
  std::vector<QTextEdit*> views_;
  LegendView* legend_ = nullptr;
  QPushButton* print_;
  QPushButton* return_;
};

} // namespace qt
