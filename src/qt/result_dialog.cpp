#include "qt/result_dialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/dialog_placement.h"

namespace qt {

namespace {

// The picture with its key colour turned into the dialog's face colour.
QPixmap OnFace(const Bitmap& picture, std::uint32_t key, const QColor& face) {
  QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
  const QRgb faceRgb = face.rgb();
  for (int y = 0; y < picture.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width(); ++x) {
      const std::uint32_t pixel = picture.Pixel(x, y);
      line[x] = SameColour(pixel, key) ? faceRgb : (pixel | kOpaque);
    }
  }
  return QPixmap::fromImage(image);
}

} // namespace

void RunResultDialog(QWidget& parent, const ResultWindow& result) {
  Centred<QDialog> dialog(parent, &parent);
  dialog.setWindowTitle(QString::fromStdString(result.caption));
  auto* columns = new QHBoxLayout(&dialog);
  if (result.picture && !result.picture->Empty()) {
    auto* picture = new QLabel(&dialog);
    picture->setObjectName(QStringLiteral("resultPicture"));
    picture->setPixmap(
        OnFace(*result.picture, result.pictureKey, dialog.palette().color(QPalette::Button)));
    columns->addWidget(picture, 0, Qt::AlignTop);
  }
  auto* layout = new QVBoxLayout;
  columns->addLayout(layout);
  std::vector<std::string> lines = result.lines;
  if (!result.hallLine.empty()) lines.push_back(result.hallLine);
  for (const std::string& line : lines) {
    auto* label = new QLabel(QString::fromStdString(line), &dialog);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  auto* button = new QPushButton(QString::fromStdString(result.button), &dialog);
  button->setDefault(true);
  QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
  layout->addWidget(button, 0, Qt::AlignHCenter);
  dialog.exec();
}

} // namespace qt
