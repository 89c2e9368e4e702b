#pragma once

#include <QToolBar>
#include <vector>

#include "platform/window_port.h"

namespace qt {
using namespace platform;

// The information strip across the top of the board: a bold caption before each value or text
// box, the field's hint on both.
class InfoStrip final : public QToolBar {
public:
  explicit InfoStrip(QWidget* parent);
  void SetFields(const std::vector<InfoField>& fields);
  void SetValue(int field, const QString& value);
  QString Text(int field) const;
  // The value label or the text box of a field; null for none.
  QWidget* Field(int field) const;

private:
  std::vector<QWidget*> fields_;
};

} // namespace qt
