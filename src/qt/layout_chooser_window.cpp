#include "qt/layout_chooser_window.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>

#include "qt/extended_chooser_window.h"

namespace qt {

namespace {

constexpr const char* Explanation =
    "This is the list of layouts which appear in the Layouts menu. You can add layouts by "
    "dragging them from the top listbox and dropping them on the bottom listbox. Delete the "
    "layouts by doing the other way around...";

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QLabel* Label(const char* text, const QRect& where, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setGeometry(where);
  return label;
}

QPushButton* Button(const char* text, const QRect& where, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  button->setGeometry(where);
  return button;
}

} // namespace

BitmapView::BitmapView(std::function<const Bitmap&()> picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {}

void BitmapView::paintEvent(QPaintEvent*) {
  const Bitmap& b = picture_();
  QPainter p(this);
  p.drawImage(0, 0,
              QImage(reinterpret_cast<const uchar*>(b.Pixels()), b.Width(), b.Height(),
                     b.Width() * 4, QImage::Format_RGB32));
}

ChooserList::ChooserList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  // A copy, so that the list the drag came from never loses its row on its own: the model
  // decides what each list holds.
  setDefaultDropAction(Qt::CopyAction);
  setMouseTracking(true);
}

void ChooserList::TakeDropsFrom(const ChooserList* partner, std::function<void(int row)> dropped,
                                bool followPointer) {
  partner_ = partner;
  dropped_ = std::move(dropped);
  followPointer_ = followPointer;
}

void ChooserList::dragEnterEvent(QDragEnterEvent* event) {
  if (partner_ && event->source() == partner_) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void ChooserList::dragMoveEvent(QDragMoveEvent* event) {
  if (!partner_ || event->source() != partner_) {
    event->ignore();
    return;
  }
  if (followPointer_) {
    const QSignalBlocker quiet(this);
    setCurrentRow(indexAt(event->position().toPoint()).row());
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void ChooserList::dropEvent(QDropEvent* event) {
  if (!partner_ || event->source() != partner_) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  dropped_(indexAt(event->position().toPoint()).row());
}

void ChooserList::mouseMoveEvent(QMouseEvent* event) {
  setFocus();
  QListWidget::mouseMoveEvent(event);
}

TChooseLayout::TChooseLayout(LayoutChooserModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(QStringLiteral("Choose a new layout..."));
  setFixedSize(Width, Height);

  layoutList_ = new ChooserList(this);
  layoutList_->setGeometry(8, 8, 225, 209);
  for (const std::string& item : model_.Items()) layoutList_->addItem(Text(item));
  preview_ = new BitmapView([this]() -> const Bitmap& { return model_.Preview(); }, this);
  preview_->setGeometry(278, 8, 206, 138);
  background_ = new QCheckBox(QStringLiteral("Preview with current background"), this);
  background_->setGeometry(278, 150, 206, 20);
  background_->setChecked(model_.PreviewBack());

  Label("Nb. of Tiles :", {278, 174, 80, 18}, this);
  tiles_ = Label("", {362, 174, 120, 18}, this);
  Label("Free Tiles :", {278, 194, 80, 18}, this);
  freeTiles_ = Label("", {362, 194, 120, 18}, this);
  Label("Full Name :", {8, 222, 70, 18}, this);
  fullName_ = Label("", {80, 222, 404, 36}, this);
  fullName_->setWordWrap(true);
  fullName_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  play_ = Button("Play this layout", {8, 264, 120, 28}, this);
  play_->setDefault(true);
  expand_ = Button("Expand >>", {134, 264, 99, 28}, this);
  edit_ = Button("Edit", {278, 264, 64, 28}, this);
  create_ = Button("Create", {348, 264, 64, 28}, this);
  cancel_ = Button("Cancel", {418, 264, 66, 28}, this);

  faveLayouts_ = new ChooserList(this);
  faveLayouts_->setGeometry(8, 300, 225, 121);
  QLabel* caption = Label("<< Favorite Layouts", {240, 300, 244, 20}, this);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  QLabel* explanation = Label(Explanation, {240, 322, 244, 99}, this);
  explanation->setWordWrap(true);
  explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  faveLayouts_->TakeDropsFrom(
      layoutList_,
      [this](int row) {
        model_.FaveLayoutsDragDrop(layoutList_->currentRow(), row);
        ShowState();
      },
      true);
  layoutList_->TakeDropsFrom(
      faveLayouts_,
      [this](int) {
        model_.LayoutListDragDrop(faveLayouts_->currentRow());
        ShowState();
      },
      false);

  connect(layoutList_, &QListWidget::currentRowChanged, this, [this](int row) {
    model_.LayoutListClick(row);
    ShowState();
  });
  connect(layoutList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    model_.LayoutListClick(layoutList_->row(item));
    CloseIf(model_.BitBtn1Click());
  });
  connect(faveLayouts_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    model_.FaveLayoutsClick(faveLayouts_->row(item));
    ShowState();
  });
  connect(faveLayouts_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    CloseIf(model_.FaveLayoutsDblClick(faveLayouts_->row(item)));
  });
  connect(background_, &QCheckBox::toggled, this, [this](bool checked) {
    model_.CheckBox1Click(checked);
    ShowState();
  });
  connect(play_, &QPushButton::clicked, this, [this] { CloseIf(model_.BitBtn1Click()); });
  connect(edit_, &QPushButton::clicked, this, [this] { CloseIf(model_.BitBtn3Click()); });
  connect(create_, &QPushButton::clicked, this, [this] { CloseIf(model_.BitBtn4Click()); });
  connect(expand_, &QPushButton::clicked, this, [this] { Expand(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  ShowState();
}

void TChooseLayout::ShowState() {
  {
    const QSignalBlocker quiet(layoutList_);
    layoutList_->setCurrentRow(model_.SelectedItem());
  }
  const std::vector<std::string>& favourites = model_.Favourites();
  const int keep = faveLayouts_->currentRow();
  faveLayouts_->clear();
  for (const std::string& name : favourites) faveLayouts_->addItem(Text(name));
  if (keep < faveLayouts_->count()) faveLayouts_->setCurrentRow(keep);
  const LayoutPreviewLabels& labels = model_.Labels();
  tiles_->setText(Text(labels.tiles));
  freeTiles_->setText(Text(labels.freeTiles));
  fullName_->setText(Text(labels.fullName));
  preview_->update();
}

void TChooseLayout::CloseIf(bool closes) {
  ShowState();
  if (closes) accept();
}

void TChooseLayout::Expand() {
  fullName_->setText(QStringLiteral("PLEASE WAIT -- LOADING LAYOUTS"));
  fullName_->repaint();
  const ExtendedChoice choice = RunExtendedChoose(*this, model_);
  ShowState();
  if (choice == ExtendedChoice::Thumbnail) accept();
  if (choice == ExtendedChoice::Cancel) reject();
}

void RunLayoutChooser(QWidget& parent, LayoutChooserModel& model) {
  TChooseLayout window(model, &parent);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.exec();
}

} // namespace qt
