#include "platform/qt/result_dialog.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform::qt {

void RunResultDialog(QWidget& parent, const ResultWindow& result) {
  QDialog dialog(&parent);
  dialog.setWindowTitle(QString::fromStdString(result.caption));
  auto* layout = new QVBoxLayout(&dialog);
  for (const std::string& line : result.lines) {
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

} // namespace platform::qt
