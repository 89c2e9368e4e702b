#include "qt/games_panel_view.h"

#include <QActionGroup>
#include <QEnterEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "platform/jpeg_reader.h"
#include "qt/builtin_files.h"

namespace qt {

namespace {

// The panel's own layout, in panel pixels: the title, the play-again button across the top,
// then two rows of pictures with their buttons beneath, and the description line at the foot.
constexpr int TitleTop = 4, TitleHeight = 32;
constexpr int SameGameTop = 40, SameGameHeight = 24;
constexpr int FirstRowTop = 70;
constexpr int ButtonHeight = 21, ButtonGap = 2;
// Room under a picture for two rows of buttons; three buttons share one row.
constexpr int RowsUnderPicture = 2;
constexpr int RowGap = 6;
constexpr int DescriptionHeight = 20;
constexpr int SideMargin = 11;

constexpr const char* PanelStyle =
    "QFrame#gamesPanel { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #243b6b,"
    " stop:1 #0f1a33); border: 2px outset #6d86bd; border-radius: 6px; }"
    "QLabel { color: #e8ecf7; background: transparent; }"
    "QLabel#programName { color: #ffd24a; }";

QImage BuiltinPicture(const std::string& name, QSize size) {
  DecodedPicture decoded = DecodeJpeg(ReadBuiltin(name));
  if (!decoded.ok) {
    // A missing picture must not hide the button: it shows as a plain dark face.
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(QColor(40, 40, 40));
    return blank;
  }
  const Bitmap& b = decoded.bitmap;
  return QImage(reinterpret_cast<const uchar*>(b.Pixels()), b.Width(), b.Height(), b.Width() * 4,
                QImage::Format_RGB32)
      .copy();
}

QFont Scaled(QFont font, double factor, bool bold) {
  font.setPointSizeF(font.pointSizeF() * factor);
  font.setBold(bold);
  return font;
}

} // namespace

PictureButton::PictureButton(QImage picture, QWidget* parent)
    : QAbstractButton(parent), picture_(std::move(picture)) {
  setFixedSize(picture_.size());
  setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int sink = isDown() ? 1 : 0;
  painter.drawImage(QPoint(sink, sink), picture_);
  if (!isEnabled()) {
    painter.fillRect(rect(), QColor(0, 0, 0, 150));
    return;
  }
  if (pointerOver_) {
    painter.setPen(QPen(QColor(255, 210, 74), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
  }
}

void PictureButton::enterEvent(QEnterEvent* event) {
  pointerOver_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
  pointerOver_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

GamesPanelView::GamesPanelView(const GamesPanelItems& items, WindowEvents& events, QWidget* parent)
    : QFrame(parent), events_(events) {
  setObjectName("gamesPanel");
  setStyleSheet(PanelStyle);
  setFixedSize(items.width, items.height);
  AddTitle(items);

  sameGame_ = AddButton(
      items.sameGame, QRect(SideMargin, SameGameTop, items.width - 2 * SideMargin, SameGameHeight));
  sameGame_->hide();

  const QSize picture(items.pictureWidth, items.pictureHeight);
  const int columns = std::max(items.columns, 1);
  const int gap =
      columns > 1 ? (items.width - 2 * SideMargin - columns * picture.width()) / (columns - 1) : 0;
  const int rowHeight = picture.height() + RowsUnderPicture * (ButtonHeight + ButtonGap) + RowGap;
  for (std::size_t i = 0; i < items.games.size(); ++i) {
    const int column = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
    AddGame(items.games[i],
            QPoint(SideMargin + column * (picture.width() + gap), FirstRowTop + row * rowHeight),
            picture);
  }

  description_ = new QLabel(QString::fromStdString(items.description), this);
  description_->setAlignment(Qt::AlignCenter);
  description_->setGeometry(0, items.height - DescriptionHeight - 3, items.width,
                            DescriptionHeight);

  defaultButton_ = ButtonOf(items.defaultButton.command);
  if (defaultButton_) defaultButton_->setDefault(true);
}

void GamesPanelView::AddTitle(const GamesPanelItems& items) {
  auto* title = new QLabel(QString::fromStdString(items.title), this);
  auto* name = new QLabel(QString::fromStdString(items.programName), this);
  name->setObjectName("programName");
  title->setFont(Scaled(font(), 1.5, false));
  name->setFont(Scaled(font(), 1.9, true));
  title->adjustSize();
  name->adjustSize();
  const int space = title->fontMetrics().horizontalAdvance(' ');
  const int both = title->width() + space + name->width();
  int left = (items.width - both) / 2;
  title->setGeometry(left, TitleTop, title->width(), TitleHeight);
  left += title->width() + space;
  name->setGeometry(left, TitleTop, name->width(), TitleHeight);
  title->setAlignment(Qt::AlignBottom | Qt::AlignLeft);
  name->setAlignment(Qt::AlignBottom | Qt::AlignLeft);
}

QPushButton* GamesPanelView::AddButton(const PanelButtonItem& item, QRect at) {
  auto* button = new QPushButton(QString::fromStdString(item.caption), this);
  button->setGeometry(at);
  button->setEnabled(item.enabled);
  button->setProperty("command", item.command);
  const int command = item.command;
  connect(button, &QPushButton::clicked, this, [this, command] { events_.OnCommand(command); });
  return button;
}

void GamesPanelView::AddGame(const PanelGameItem& game, QPoint at, QSize picture) {
  auto* button = new PictureButton(BuiltinPicture(game.picture, picture), this);
  button->move(at);
  button->setEnabled(game.pictureButton.enabled);
  const int command = game.pictureButton.command;
  connect(button, &QAbstractButton::clicked, this, [this, command] { events_.OnCommand(command); });
  // Watched from here, because a disabled picture handles no mouse event itself and its hint
  // must show all the same.
  button->setMouseTracking(true);
  button->installEventFilter(this);
  pictures_.push_back(button);
  hints_.push_back(game.hint);

  // Up to two buttons stack under the picture; more share one row, so the panel keeps its size.
  const int count = static_cast<int>(game.difficulties.size());
  const int perRow = count > RowsUnderPicture ? count : 1;
  const int width = (picture.width() - (perRow - 1) * ButtonGap) / perRow;
  for (int k = 0; k < count; ++k) {
    const int column = k % perRow, row = k / perRow;
    AddButton(game.difficulties[k],
              QRect(at.x() + column * (width + ButtonGap),
                    at.y() + picture.height() + ButtonGap + row * (ButtonHeight + ButtonGap), width,
                    ButtonHeight));
  }
}

void GamesPanelView::ShowSameGameButton() {
  sameGame_->show();
  if (defaultButton_) defaultButton_->setDefault(false);
  sameGame_->setDefault(true);
}

QPushButton* GamesPanelView::ButtonOf(int command) const {
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->property("command").toInt() == command) return b;
  return nullptr;
}

void GamesPanelView::SetButtonCaption(int command, const QString& caption) {
  if (QPushButton* b = ButtonOf(command)) b->setText(caption);
}

int GamesPanelView::PopUpMenu(int command, const std::vector<std::string>& entries, int checked) {
  QPushButton* button = ButtonOf(command);
  if (!button) return 0;
  QMenu menu(button);
  auto* group = new QActionGroup(&menu);
  std::vector<QAction*> actions;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    QAction* action = menu.addAction(QString::fromStdString(entries[i]));
    action->setCheckable(true);
    action->setChecked(static_cast<int>(i) + 1 == checked);
    group->addAction(action);
    actions.push_back(action);
  }
  // Just below the button's top edge, where the player's eye already is.
  const QAction* chosen = menu.exec(button->mapToGlobal(QPoint(0, 20)));
  const auto at = std::find(actions.begin(), actions.end(), chosen);
  return at == actions.end() ? 0 : static_cast<int>(at - actions.begin()) + 1;
}

bool GamesPanelView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove)
    for (std::size_t i = 0; i < pictures_.size(); ++i)
      if (pictures_[i] == watched) description_->setText(QString::fromStdString(hints_[i]));
  return QFrame::eventFilter(watched, event);
}

} // namespace qt
