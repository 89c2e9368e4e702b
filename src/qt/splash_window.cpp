#include "qt/splash_window.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

#include "qt/builtin_files.h"

namespace qt {

namespace {

constexpr int PictureWidth = 261, PictureHeight = 156;
constexpr QPoint VersionAt(228, 138);
constexpr int ProgressTop = 132;
constexpr int TextPoints = 8;
const QColor VersionInk(255, 255, 255), VersionFill(132, 0, 0);
const QColor ProgressInk(215, 215, 255);

QImage SplashPicture() {
  const std::string bytes = ReadBuiltin("splash.bmp");
  QImage picture = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                    static_cast<int>(bytes.size()), "BMP");
  // A picture that cannot be read leaves the dark red of its lower part, so the texts still
  // read.
  if (picture.isNull()) {
    picture = QImage(PictureWidth, PictureHeight, QImage::Format_RGB32);
    picture.fill(VersionFill);
  }
  return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QString SplashVersion(const QString& title) {
  return "v" + title.mid(title.indexOf(' ') + 1);
}

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(SplashPicture()),
      progress_(new QLabel(this)) {
  setFixedSize(picture_.size());

  // The version is printed into the picture once, on a fill of its own size, so it reads
  // whatever the picture shows beneath it.
  QFont versionFont = font();
  versionFont.setPointSize(TextPoints);
  const QString version = SplashVersion(QApplication::applicationName());
  const QFontMetrics metrics(versionFont);
  versionArea_ = QRect(VersionAt, QSize(metrics.horizontalAdvance(version), metrics.height()));
  QPainter p(&picture_);
  p.fillRect(versionArea_, VersionFill);
  p.setFont(versionFont);
  p.setPen(VersionInk);
  p.drawText(versionArea_, Qt::AlignLeft | Qt::AlignTop, version);
  p.end();

  QFont progressFont = font();
  progressFont.setPointSize(TextPoints);
  progressFont.setBold(true);
  progress_->setFont(progressFont);
  QPalette palette = progress_->palette();
  palette.setColor(QPalette::WindowText, ProgressInk);
  progress_->setPalette(palette);
  progress_->setAutoFillBackground(false); // the picture shows around the letters
  progress_->move(0, ProgressTop);

  if (const QScreen* screen = QApplication::primaryScreen()) {
    const QRect room = screen->geometry();
    move(room.center() - QPoint(width() / 2, height() / 2));
  }
}

void SplashWindow::Splashing(const std::string& text) {
  progress_->setText(QString::fromStdString(text));
  progress_->adjustSize();
  progress_->move((width() - progress_->width()) / 2, ProgressTop);
  repaint();
  // Start-up keeps the event loop busy: let the window system show the new line now.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

} // namespace qt
