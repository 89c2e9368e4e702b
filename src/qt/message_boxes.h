#pragma once

#include <QWidget>

#include "platform/ui.h"

namespace qt {
using namespace platform;

// The questions of the rules as Qt's standard boxes, owned by the main window.
class MessageBoxes final : public platform::Ui {
public:
  explicit MessageBoxes(QWidget& parent) : parent_(parent) {}
  void ShowMessage(const std::string& text) override;
  bool AskOkCancel(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  std::string AskSaveFileName(const std::string& title, const std::string& filter,
                              const std::string& initialFolder) override;
  std::string AskOpenFileName(const std::string& title, const std::string& filter,
                              const std::string& initialFolder) override;
  std::optional<std::uint32_t> AskColour(std::uint32_t initial) override;

private:
  QWidget& parent_;
};

// "Background files (*.bmp; *.jpg)|*.bmp;*.jpg" -> "Background files (*.bmp *.jpg)": the
// description with the patterns in the form the file dialog reads.
QString DialogFilter(const std::string& filter);

} // namespace qt
