#pragma once

#include <QImage>
#include <QMenu>
#include <QWidget>
#include <functional>

#include "platform/bitmap.h"
#include "qt/board_fit.h"
#include "platform/window_port.h"

namespace qt {
using namespace platform;

// Shows the board picture scaled to the widget and reports button releases in board pixels.
class BoardWidget final : public QWidget {
public:
  BoardWidget(WindowEvents& events, QWidget* parent);

  // Wraps the bitmap's pixels; the bitmap must outlive the widget and keep its size.
  void SetPicture(platform::Bitmap& game);
  // The board's clean background, wrapped the same way; it fills the widget around the board.
  void SetBackground(platform::Bitmap& background);
  void SetBoardCursor(BoardCursor cursor);
  // Runs `task` from the event loop once the widget has painted for the first time.
  void AfterFirstPaint(std::function<void()> task);
  // The side panel right of the board, scaled with it; wrapped like the board picture.
  void SetSidePanel(platform::Bitmap& panel);
  void ShowSidePanel(bool shown);
  bool SidePanelShown() const { return panelShown_; }
  // Paints the panel again at once.
  void ShowSidePanelChanged();
  // Where the panel stands in the widget.
  QRect SidePanelRect() const;
  // The menu a right-click opens once the click was handled; the widget does not own it.
  void SetPopup(QMenu* popup) { popup_ = popup; }
  void EnablePopup(bool enabled) { popupEnabled_ = enabled; }
  QMenu* Popup() const { return popupEnabled_ ? popup_ : nullptr; }
  // Paints the widget area of a changed board rectangle at once.
  void ShowChanged(platform::Rect changed);
  BoardFit Fit() const;

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  WindowEvents& events_;
  QSize SceneSize() const;
  // The widget outside the board and the panel.
  QRegion Surround() const;
  void PaintSurround(QPainter& painter, const QRegion& area);

  QImage picture_;
  QImage background_;
  QImage surroundSource_; // the background the texture below was made from
  QImage surround_;       // the background with its mirror images right, below and diagonally
  QImage panel_;
  bool panelShown_ = false;
  bool painted_ = false;
  std::function<void()> afterFirstPaint_;
  QMenu* popup_ = nullptr;
  bool popupEnabled_ = true;
};

} // namespace qt
