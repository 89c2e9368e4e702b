#include "qt/game_number_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace qt {

namespace {

constexpr int ClientWidth = 396, ClientHeight = 172;
constexpr int GameNumberDigits = 9;

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

} // namespace

TRandomWindow::TRandomWindow(QWidget* parent, const GameNumberDialog& dialog)
    : QDialog(parent), randomSeed_(new QLineEdit(Text(dialog.text))), ok_(new QPushButton("OK")),
      randomDraw_(new QPushButton("New random game seed")),
      smallDraw_(new QPushButton("New seed (limit to 0-9999)")) {
  setWindowTitle("New Specific (Seed) Game");
  setFixedSize(ClientWidth, ClientHeight);

  auto* group = new QGroupBox("Random Seed");
  auto* inside = new QVBoxLayout(group);
  inside->addWidget(new QLabel("Choose a specific game number (from 1 to 999,999,999)"));
  randomSeed_->setMaxLength(GameNumberDigits);
  inside->addWidget(randomSeed_);
  auto* draws = new QHBoxLayout;
  draws->addWidget(randomDraw_);
  draws->addWidget(smallDraw_);
  inside->addLayout(draws);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(ok_, 0, Qt::AlignHCenter);
  // Only "OK" answers Enter: a draw button taking the default would redraw instead of closing.
  for (QPushButton* draw : {randomDraw_, smallDraw_}) draw->setAutoDefault(false);
  ok_->setDefault(true);

  // Only the player's edits report: a number the owner drew is already the owner's.
  connect(randomSeed_, &QLineEdit::textEdited, this,
          [edited = dialog.edited](const QString& text) { edited(text.toStdString()); });
  connect(randomDraw_, &QPushButton::clicked, this,
          [this, draw = dialog.newRandomSeed] { randomSeed_->setText(Text(draw())); });
  connect(smallDraw_, &QPushButton::clicked, this,
          [this, draw = dialog.newSmallSeed] { randomSeed_->setText(Text(draw())); });
  connect(ok_, &QPushButton::clicked, this, [this, accepted = dialog.accepted] {
    accepted(randomSeed_->text().toStdString());
    accept();
  });
}

void TRandomWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = this->screen()) {
    const QRect room = screen->geometry();
    move(room.center() - QPoint(width() / 2, height() / 2));
  }
}

void RunGameNumberDialog(QWidget& parent, const GameNumberDialog& dialog) {
  TRandomWindow window(&parent, dialog);
  window.exec();
}

} // namespace qt
