#include "qt/about_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "platform/jpeg_reader.h"
#include "qt/builtin_files.h"

namespace qt {

namespace {

constexpr QRect PanelRect(14, 14, 120, 180);
constexpr int TextLeft = 150, ButtonHeight = 28;
const QColor PanelInk(255, 255, 255), CreditsInk(20, 30, 70);

// A built-in picture; null when it cannot be read, and the window then paints plain colour.
QImage Builtin(const char* name) {
  const DecodedPicture decoded = DecodeJpeg(ReadBuiltin(name));
  if (!decoded.ok) return {};
  const Bitmap& b = decoded.bitmap;
  return QImage(reinterpret_cast<const uchar*>(b.Pixels()), b.Width(), b.Height(), b.Width() * 4,
                QImage::Format_RGB32)
      .copy();
}

void DrawPicture(QPainter& p, const QRect& where, const QImage& picture, const QColor& plain) {
  if (picture.isNull())
    p.fillRect(where, plain);
  else
    p.drawImage(where, picture);
}

} // namespace

AboutWindow::AboutWindow(const AboutBox& box, QWidget* parent)
    : QDialog(parent), box_(box), clouds_(Builtin("nuages.jpg")), violet_(Builtin("violet.jpg")) {
  setWindowTitle(QString::fromStdString(box_.caption));
  setFixedSize(Width, Height);
  const int top = Height - 12 - ButtonHeight;
  statistics_ = new QPushButton(QStringLiteral("View Statistics"), this);
  statistics_->setAutoDefault(false);
  statistics_->setGeometry(Width - 12 - 100 - 8 - 130, top, 130, ButtonHeight);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setGeometry(Width - 12 - 100, top, 100, ButtonHeight);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(statistics_, &QPushButton::clicked, this, [this] {
    if (box_.viewStatistics) box_.viewStatistics();
  });
}

void AboutWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawPicture(p, rect(), clouds_, QColor(170, 200, 240));
  DrawPicture(p, PanelRect, violet_, QColor(150, 120, 210));
  p.setPen(QColor(90, 70, 140));
  p.drawRect(PanelRect.adjusted(0, 0, -1, -1));

  QFont name = font();
  name.setPointSize(20);
  name.setBold(true);
  p.setFont(name);
  p.setPen(PanelInk);
  p.drawText(PanelRect.adjusted(0, 40, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
             QString::fromStdString(box_.programName));
  QFont version = font();
  version.setBold(true);
  p.setFont(version);
  p.drawText(PanelRect.adjusted(0, 90, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
             QString::fromStdString(box_.version));

  p.setFont(font());
  p.setPen(CreditsInk);
  QString credits;
  for (const std::string& line : box_.credits)
    credits += QString::fromStdString(line) + QStringLiteral("\n\n");
  p.drawText(QRect(TextLeft, PanelRect.top() + 8, Width - TextLeft - 14, PanelRect.height()),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, credits);
}

void RunAboutWindow(QWidget& parent, const AboutBox& box) {
  AboutWindow window(box, &parent);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.exec();
}

} // namespace qt
