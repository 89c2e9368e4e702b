#include "qt/message_boxes.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "qt/dialog_placement.h"

namespace qt {

void MessageBoxes::ShowMessage(const std::string& text) {
  Centred<QMessageBox> box(parent_, QMessageBox::Information, QApplication::applicationName(),
                           QString::fromStdString(text), QMessageBox::Ok, &parent_);
  box.exec();
}

bool MessageBoxes::AskOkCancel(const std::string& caption, const std::string& text) {
  Centred<QMessageBox> box(parent_, QMessageBox::Question, QString::fromStdString(caption),
                           QString::fromStdString(text), QMessageBox::Ok | QMessageBox::Cancel,
                           &parent_);
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok;
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
  QStringList filters;
  const QStringList parts = QString::fromStdString(filter).split('|');
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    if (i + 1 == parts.size()) {
      filters << parts[i];
      continue;
    }
    // The dialog takes its patterns from the parentheses, separated by blanks, so the list in
    // the description ("*.bmp; *.jpg") would give it a pattern "*.bmp;" that no file matches.
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts))
      patterns << pattern.trimmed();
    filters << parts[i].section('(', 0, 0).trimmed() + " (" + patterns.join(' ') + ')';
  }
  return filters.join(";;");
}

} // namespace qt
