#include "platform/qt/message_boxes.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace platform::qt {

void MessageBoxes::ShowMessage(const std::string& text) {
  QMessageBox::information(&parent_, QApplication::applicationName(), QString::fromStdString(text));
}

bool MessageBoxes::AskOkCancel(const std::string& caption, const std::string& text) {
  return QMessageBox::question(&parent_, QString::fromStdString(caption),
                               QString::fromStdString(text), QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

bool MessageBoxes::AskYesNo(const std::string& caption, const std::string& text) {
  return QMessageBox::question(&parent_, QString::fromStdString(caption),
                               QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

std::string MessageBoxes::AskSaveFileName(const std::string& title, const std::string& filter,
                                          const std::string& initialFolder) {
  return QFileDialog::getSaveFileName(&parent_, QString::fromStdString(title),
                                      QString::fromStdString(initialFolder), DialogFilter(filter))
      .toStdString();
}

std::string MessageBoxes::AskOpenFileName(const std::string& title, const std::string& filter,
                                          const std::string& initialFolder) {
  return QFileDialog::getOpenFileName(&parent_, QString::fromStdString(title),
                                      QString::fromStdString(initialFolder), DialogFilter(filter))
      .toStdString();
}

std::optional<std::uint32_t> MessageBoxes::AskColour(std::uint32_t initial) {
  const QColor chosen = QColorDialog::getColor(QColor::fromRgb(initial), &parent_);
  if (!chosen.isValid()) return std::nullopt;
  return static_cast<std::uint32_t>(chosen.rgb()) & 0xFFFFFFu;
}

QString DialogFilter(const std::string& filter) {
  QStringList descriptions;
  const QStringList parts = QString::fromStdString(filter).split('|');
  for (qsizetype i = 0; i < parts.size(); i += 2) descriptions << parts[i];
  return descriptions.join(";;");
}

} // namespace platform::qt
