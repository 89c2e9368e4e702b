#include "qt/hall_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>

#include "platform/jpeg_reader.h"
#include "qt/builtin_files.h"

namespace qt {

namespace {

constexpr const char* Explanation =
    "Choose a layout from the combo box below. You will get the 10 best scores for this layout. "
    "Press \"Reset Scores\" to delete the High Scores for this specific layout. When you win a "
    "game, you can still change the Player Name in real time.";

constexpr int MaxNameLength = 8;
const QColor Teal(0, 128, 128);

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// The built-in clouds; a plain sky when the picture cannot be read.
QImage Clouds() {
  const DecodedPicture decoded = DecodeJpeg(ReadBuiltin("nuages.jpg"));
  if (!decoded.ok) return {};
  const Bitmap& b = decoded.bitmap;
  return QImage(reinterpret_cast<const uchar*>(b.Pixels()), b.Width(), b.Height(), b.Width() * 4,
                QImage::Format_RGB32)
      .copy();
}

} // namespace

HallRowsView::HallRowsView(const HallViewModel& model, QWidget* parent)
    : QWidget(parent), model_(model), clouds_(Clouds()) {}

void HallRowsView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (clouds_.isNull())
    p.fillRect(rect(), QColor(170, 200, 240));
  else
    p.drawImage(rect(), clouds_);
  const HallRows& list = model_.Rows();
  const QFontMetrics metrics(font());
  const int baseline = (RowHeight + metrics.ascent() - metrics.descent()) / 2;
  QFont bold = font();
  bold.setBold(true);
  p.setFont(bold);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(157, baseline + 2, Text(list.mainHeader));
  p.drawText(SecondLeft, baseline + 2, Text(list.secondHeader));
  p.setFont(font());
  for (int i = 0; i < static_cast<int>(list.rows.size()); ++i) {
    const HallRow& row = list.rows[i];
    const int top = HeaderHeight + i * RowHeight;
    const int y = top + baseline;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(RankLeft, y, QString::number(i + 1) + QLatin1Char('.'));
    p.drawText(row.mainLeft, y, Text(row.main));
    p.drawText(SecondLeft, y, Text(row.second));
    p.drawText(DateLeft, y, Text(row.date));
    const QString name = Text(row.name);
    if (row.highlighted) {
      p.fillRect(NameLeft, top + 1, metrics.horizontalAdvance(name), RowHeight - 2, Teal);
      p.setPen(Qt::white);
    }
    p.drawText(NameLeft, y, name);
  }
}

HallWindow::HallWindow(HallViewModel& model, QWidget* parent) : QDialog(parent), model_(model) {
  setWindowTitle(QStringLiteral("Hall of Fame"));
  setFixedSize(Width, Height);

  auto* explanation = new QLabel(QString::fromLatin1(Explanation), this);
  explanation->setWordWrap(true);
  explanation->setGeometry(12, 6, Width - 24, 52);

  tables_ = new QComboBox(this);
  for (const std::string& item : model_.Items()) tables_->addItem(Text(item));
  tables_->setGeometry(12, 62, 300, 24);

  auto* nameLabel = new QLabel(QStringLiteral("Player Name"), this);
  nameLabel->setGeometry(330, 62, 90, 24);
  name_ = new QLineEdit(Text(model_.PlayerName()), this);
  name_->setMaxLength(MaxNameLength);
  name_->setGeometry(420, 62, 118, 24);

  rows_ = new HallRowsView(model_, this);
  rows_->setGeometry(12, 94, Width - 24,
                     HallRowsView::HeaderHeight + 10 * HallRowsView::RowHeight + 4);

  reset_ = new QPushButton(QStringLiteral("Reset Scores"), this);
  reset_->setGeometry(12, Height - 40, 120, 28);
  launch_ = new QPushButton(QStringLiteral("Launch"), this);
  launch_->setGeometry(Width - 264, Height - 40, 120, 28);
  auto* close = new QPushButton(QStringLiteral("OK"), this);
  close->setGeometry(Width - 132, Height - 40, 120, 28);
  close->setDefault(true);

  connect(tables_, &QComboBox::currentIndexChanged, this, [this](int item) {
    model_.LayoutComboBoxChange(item);
    ShowRows();
  });
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.PlayerNameChange(text.toStdString());
    ShowRows();
  });
  connect(reset_, &QPushButton::clicked, this, [this] {
    model_.DeleteHighscoresClick();
    ShowRows();
  });
  connect(launch_, &QPushButton::clicked, this, [this] {
    if (model_.BitBtn2Click()) accept();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  ShowRows();
}

void HallWindow::ShowRows() {
  const QSignalBlocker quiet(tables_);
  tables_->setCurrentIndex(model_.Rows().selectedItem);
  rows_->update();
}

void RunHallWindow(QWidget& parent, HallViewModel& model) {
  HallWindow window(model, &parent);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.exec();
}

} // namespace qt
