#include "qt/dialog_placement.h"

#include <QScreen>
#include <algorithm>

namespace qt {

void CentreOnWindow(QWidget& dialog, const QWidget& window) {
  const QWidget& main = *window.window();
  const QScreen* screen = main.screen();
  const QRect room = screen ? screen->availableGeometry() : QRect();
  QRect placed(QPoint(0, 0), dialog.frameGeometry().size());
  placed.moveCenter(main.isVisible() || room.isEmpty() ? main.frameGeometry().center()
                                                       : room.center());
  if (!room.isEmpty()) {
    placed.moveLeft(std::clamp(placed.left(), room.left(),
                               std::max(room.left(), room.right() + 1 - placed.width())));
    placed.moveTop(std::clamp(placed.top(), room.top(),
                              std::max(room.top(), room.bottom() + 1 - placed.height())));
  }
  dialog.move(placed.topLeft());
}

} // namespace qt
