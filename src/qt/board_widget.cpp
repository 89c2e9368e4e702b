#include "qt/board_widget.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "qt/builtin_files.h"

namespace qt {

namespace {

struct ButtonOf {
  Qt::MouseButton qt;
  PointerButton ours;
};
constexpr std::array Buttons{ButtonOf{Qt::LeftButton, PointerButton::Left},
                             ButtonOf{Qt::RightButton, PointerButton::Right},
                             ButtonOf{Qt::MiddleButton, PointerButton::Middle}};

} // namespace

BoardWidget::BoardWidget(WindowEvents& events, QWidget* parent) : QWidget(parent), events_(events) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(176, 117);
  setMouseTracking(true); // the pointer highlight follows moves without a button held
  // A click on the board takes the keys back from a toolbar button: the games play by keys too.
  setFocusPolicy(Qt::ClickFocus);
}

namespace {

// The hand cursors built into the program; their finger tip is the hot spot.
QCursor HandCursor(const char* name) {
  const std::string bytes = ReadBuiltin(name);
  QPixmap picture;
  picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                       static_cast<uint>(bytes.size()), "PNG");
  return picture.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(picture, 13, 1);
}

} // namespace

void BoardWidget::SetBoardCursor(BoardCursor cursor) {
  static const QCursor hand = HandCursor("hand.png");
  static const QCursor pressed = HandCursor("hand_pressed.png");
  switch (cursor) {
  case BoardCursor::Arrow:
    unsetCursor();
    break;
  case BoardCursor::Hand:
    setCursor(hand);
    break;
  case BoardCursor::PressedHand:
    setCursor(pressed);
    break;
  }
}

void BoardWidget::SetPicture(platform::Bitmap& game) {
  // No copy: painting reads the pixels that the board drawing composes.
  picture_ = QImage(reinterpret_cast<uchar*>(game.Pixels()), game.Width(), game.Height(),
                    game.Width() * 4, QImage::Format_RGB32);
  update();
}

void BoardWidget::SetBackground(platform::Bitmap& background) {
  background_ = QImage(reinterpret_cast<uchar*>(background.Pixels()), background.Width(),
                       background.Height(), background.Width() * 4, QImage::Format_RGB32);
  update();
}

void BoardWidget::SetSidePanel(platform::Bitmap& panel) {
  panel_ = QImage(reinterpret_cast<uchar*>(panel.Pixels()), panel.Width(), panel.Height(),
                  panel.Width() * 4, QImage::Format_RGB32);
  update();
}

void BoardWidget::ShowSidePanel(bool shown) {
  panelShown_ = shown;
  update();
  const BoardFit fit = Fit();
  events_.FormResize({fit.left, fit.top, fit.width, fit.height});
}

void BoardWidget::ShowSidePanelChanged() {
  if (panelShown_) repaint(SidePanelRect());
}

QSize BoardWidget::SceneSize() const {
  const QSize board = picture_.isNull() ? QSize(704, 468) : picture_.size();
  if (!panelShown_ || panel_.isNull()) return board;
  return {board.width() + panel_.width(), std::max(board.height(), panel_.height())};
}

BoardFit BoardWidget::Fit() const {
  // The board and the panel scale as one picture; the fit describes the board's part of it.
  const QSize scene = SceneSize();
  BoardFit fit = FitBoard(scene.width(), scene.height(), width(), height(), devicePixelRatioF());
  const QSize board = picture_.isNull() ? QSize(704, 468) : picture_.size();
  fit.width = static_cast<int>(std::lround(board.width() * fit.scale));
  fit.height = static_cast<int>(std::lround(board.height() * fit.scale));
  return fit;
}

QRect BoardWidget::SidePanelRect() const {
  const BoardFit fit = Fit();
  return QRect(fit.left + fit.width, fit.top,
               static_cast<int>(std::lround(panel_.width() * fit.scale)),
               static_cast<int>(std::lround(panel_.height() * fit.scale)));
}

QSize BoardWidget::sizeHint() const {
  return SceneSize();
}

void BoardWidget::ShowChanged(platform::Rect changed) {
  // A new background is always shown by a redraw of the whole board; the surround follows it.
  const QRect whole(QPoint(0, 0), picture_.size());
  if (QRect(changed.left, changed.top, changed.Width(), changed.Height()).contains(whole) &&
      background_ != surroundSource_)
    return repaint();
  const BoardFit fit = Fit();
  const int left = static_cast<int>(std::floor(fit.left + changed.left * fit.scale));
  const int top = static_cast<int>(std::floor(fit.top + changed.top * fit.scale));
  const int right = static_cast<int>(std::ceil(fit.left + changed.right * fit.scale));
  const int bottom = static_cast<int>(std::ceil(fit.top + changed.bottom * fit.scale));
  // A neighbouring pixel more on each side: a fractional scale blends across the edge.
  repaint(QRect(QPoint(left - 1, top - 1), QPoint(right, bottom)));
}

void BoardWidget::AfterFirstPaint(std::function<void()> task) {
  if (painted_)
    QTimer::singleShot(0, this, std::move(task));
  else
    afterFirstPaint_ = std::move(task);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
  if (!painted_) {
    painted_ = true;
    // Queued, not run here: the picture must reach the screen before the task starts.
    if (afterFirstPaint_) QTimer::singleShot(0, this, std::move(afterFirstPaint_));
    afterFirstPaint_ = nullptr;
  }
  QPainter painter(this);
  if (picture_.isNull()) return painter.fillRect(event->rect(), Qt::black);
  const BoardFit fit = Fit();
  const double onScreen = fit.scale * devicePixelRatioF();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, onScreen != std::floor(onScreen));
  painter.drawImage(QRect(fit.left, fit.top, fit.width, fit.height), picture_);
  if (panelShown_ && !panel_.isNull()) painter.drawImage(SidePanelRect(), panel_);
  if (const QRegion surround = Surround().intersected(event->rect()); !surround.isEmpty())
    PaintSurround(painter, surround);
}

QRegion BoardWidget::Surround() const {
  const BoardFit fit = Fit();
  QRegion surround = QRegion(rect()).subtracted(QRect(fit.left, fit.top, fit.width, fit.height));
  return panelShown_ && !panel_.isNull() ? surround.subtracted(SidePanelRect()) : surround;
}

void BoardWidget::PaintSurround(QPainter& painter, const QRegion& area) {
  painter.setClipRegion(area);
  if (background_.isNull()) return painter.fillRect(rect(), Qt::black);
  if (background_ != surroundSource_) {
    // Mirrored at each edge, the background goes on without a seam, pictures and gradients
    // alike, and the texture repeats it seamlessly however far the widget reaches.
    surroundSource_ = background_.copy();
    const int w = background_.width(), h = background_.height();
    surround_ = QImage(2 * w, 2 * h, QImage::Format_RGB32);
    QPainter texture(&surround_);
    texture.drawImage(0, 0, surroundSource_);
    texture.drawImage(w, 0, surroundSource_.mirrored(true, false));
    texture.drawImage(0, h, surroundSource_.mirrored(false, true));
    texture.drawImage(w, h, surroundSource_.mirrored(true, true));
  }
  // Laid from the board's corner at the board's scale, the texture's first quarter is the
  // board's own background, so the surround meets the board where its picture ends.
  const BoardFit fit = Fit();
  QBrush brush(surround_);
  brush.setTransform(QTransform::fromTranslate(fit.left, fit.top)
                         .scale(static_cast<double>(fit.width) / background_.width(),
                                static_cast<double>(fit.height) / background_.height()));
  painter.fillRect(rect(), brush);
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const BoardFit fit = Fit();
  events_.FormResize({fit.left, fit.top, fit.width, fit.height});
}

void BoardWidget::mousePressEvent(QMouseEvent*) {
  events_.OnBoardPress();
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  const BoardFit fit = Fit();
  const QPointF at = event->position();
  events_.OnBoardMove(fit.BoardX(at.x()), fit.BoardY(at.y()));
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  const BoardFit fit = Fit();
  const QPointF at = event->position();
  for (const ButtonOf& b : Buttons)
    if (b.qt == event->button())
      events_.OnBoardRelease(b.ours, fit.BoardX(at.x()), fit.BoardY(at.y()));
  // The click is a move first, then the menu opens, as the player's right button always did.
  if (event->button() == Qt::RightButton && Popup())
    Popup()->popup(event->globalPosition().toPoint());
}

} // namespace qt
