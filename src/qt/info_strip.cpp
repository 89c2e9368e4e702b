#include "qt/info_strip.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace qt {

namespace {

constexpr int StripHeight = 33;
constexpr int ValueWidth = 40;

} // namespace

InfoStrip::InfoStrip(QWidget* parent) : QToolBar(parent) {
  setMovable(false);
  setFixedHeight(StripHeight);
  // Not the player's to switch on and off: it comes and goes with the layout editor.
  toggleViewAction()->setVisible(false);
}

void InfoStrip::SetFields(const std::vector<InfoField>& fields) {
  // Each field's action owns its widget: deleting the actions deletes the old fields.
  qDeleteAll(actions());
  fields_.clear();
  QFont bold("Arial");
  bold.setBold(true);
  for (const InfoField& field : fields) {
    auto* caption = new QLabel(QString::fromStdString(field.caption) + " ", this);
    caption->setFont(bold);
    QWidget* value = nullptr;
    if (field.textBoxLength > 0) {
      auto* box = new QLineEdit(this);
      box->setMaxLength(field.textBoxLength);
      // Room for what it can hold, not the whole width of the window.
      box->setMaximumWidth(box->fontMetrics().averageCharWidth() * (field.textBoxLength + 2));
      value = box;
    } else {
      auto* label = new QLabel(this);
      label->setFrameShape(QFrame::Panel);
      label->setFrameShadow(QFrame::Sunken);
      label->setMinimumWidth(ValueWidth);
      label->setAlignment(Qt::AlignCenter);
      value = label;
    }
    const QString hint = QString::fromStdString(field.hint);
    caption->setToolTip(hint);
    value->setToolTip(hint);
    addWidget(caption);
    addWidget(value);
    addSeparator();
    fields_.push_back(value);
  }
}

QWidget* InfoStrip::Field(int field) const {
  return field >= 0 && field < static_cast<int>(fields_.size()) ? fields_[field] : nullptr;
}

void InfoStrip::SetValue(int field, const QString& value) {
  if (auto* box = qobject_cast<QLineEdit*>(Field(field)))
    box->setText(value);
  else if (auto* label = qobject_cast<QLabel*>(Field(field)))
    label->setText(value);
}

QString InfoStrip::Text(int field) const {
  const auto* box = qobject_cast<const QLineEdit*>(Field(field));
  return box ? box->text() : QString();
}

} // namespace qt
