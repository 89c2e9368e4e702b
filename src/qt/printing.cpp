#include "qt/printing.h"

#include <QPainter>
#include <QPrintDialog>

namespace qt {

void PrintPicture(const QImage& picture, QPrinter& printer) {
  QPainter painter;
  if (picture.isNull() || !painter.begin(&printer)) return;
  const QRect page = painter.viewport();
  const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(
      QRect(QPoint(page.left() + (page.width() - size.width()) / 2, page.top()), size), picture);
}

bool AskPrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace qt
