#include "qt/extended_chooser_window.h"

#include <algorithm>

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace qt {

ThumbnailSheet::ThumbnailSheet(LayoutChooserModel& model, QWidget* parent)
    : QWidget(parent), model_(model), count_(static_cast<int>(model.Items().size())) {
  const int rows = count_ > 0 ? (count_ - 1) / Columns + 1 : 0;
  setFixedSize((Columns - 1) * Pitch + Width, rows * Height);
}

int ThumbnailSheet::ItemAt(const QPoint& point) const {
  if (point.x() < 0 || point.y() < 0 || point.x() >= (Columns - 1) * Pitch + Width) return -1;
  const int item = point.y() / Height * Columns + std::min(point.x() / Pitch, Columns - 1);
  return item < count_ ? item : -1;
}

void ThumbnailSheet::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), Qt::black);
  const int first = event->rect().top() / Height * Columns;
  const int last = std::min(count_ - 1, (event->rect().bottom() / Height + 1) * Columns - 1);
  for (int item = first; item <= last; ++item) {
    const Bitmap thumbnail = model_.Thumbnail(item);
    p.drawImage(item % Columns * Pitch, item / Columns * Height,
                QImage(reinterpret_cast<const uchar*>(thumbnail.Pixels()), thumbnail.Width(),
                       thumbnail.Height(), thumbnail.Width() * 4, QImage::Format_RGB32));
  }
}

void ThumbnailSheet::mouseReleaseEvent(QMouseEvent* event) {
  ChosenThumbnail_ = ItemAt(event->position().toPoint());
  if (ChosenThumbnail_ >= 0)
    if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->accept();
}

TExtendedChoose::TExtendedChoose(LayoutChooserModel& model, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Choose a Layout"));
  setFixedSize(Width, Height);
  scroll_ = new QScrollArea(this);
  scroll_->setGeometry(0, 0, Width, ScrollHeight);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QPalette black = scroll_->palette();
  black.setColor(QPalette::Window, Qt::black);
  scroll_->setPalette(black);
  scroll_->setBackgroundRole(QPalette::Window);
  sheet_ = new ThumbnailSheet(model, scroll_);
  scroll_->setWidget(sheet_);

  reduce_ = new QPushButton(QStringLiteral("<< Reduce"), this);
  reduce_->setGeometry(Width - 240, ScrollHeight + 6, 110, 28);
  reduce_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setGeometry(Width - 122, ScrollHeight + 6, 110, 28);
  connect(reduce_, &QPushButton::clicked, this, [this] {
    choice_ = ExtendedChoice::Reduce;
    reject();
  });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(this, &QDialog::accepted, this, [this] { choice_ = ExtendedChoice::Thumbnail; });
}

ExtendedChoice RunExtendedChoose(QWidget& parent, LayoutChooserModel& model) {
  TExtendedChoose window(model, &parent);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.exec();
  if (window.Choice() == ExtendedChoice::Thumbnail)
    model.ScrollClick(window.Sheet().ChosenThumbnail());
  return window.Choice();
}

} // namespace qt
