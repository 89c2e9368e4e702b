#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "platform/window_port.h"

namespace qt {
using namespace platform;

// A game's picture as a button: the picture pixel for pixel, dimmed while the game cannot be
// played, framed while the pointer is over it.
class PictureButton final : public QAbstractButton {
public:
  PictureButton(QImage picture, QWidget* parent);
  QSize sizeHint() const override { return picture_.size(); }

protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  QImage picture_;
  bool pointerOver_ = false;
};

// The games panel: a thin view of the items it is given. Every button reports its command;
// the description line follows the picture under the pointer.
class GamesPanelView final : public QFrame {
public:
  GamesPanelView(const GamesPanelItems& items, WindowEvents& events, QWidget* parent);

  void ShowSameGameButton();
  void SetButtonCaption(int command, const QString& caption);
  // The menu under the button of `command`; the entry chosen (from 1), or 0.
  int PopUpMenu(int command, const std::vector<std::string>& entries, int checked);
  QPushButton& SameGameButton() { return *sameGame_; }
  QLabel& Description() { return *description_; }
  const std::vector<PictureButton*>& Pictures() const { return pictures_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QPushButton* AddButton(const PanelButtonItem& item, QRect at);
  void AddTitle(const GamesPanelItems& items);
  void AddGame(const PanelGameItem& game, QPoint at, QSize picture);
  QPushButton* ButtonOf(int command) const;

  WindowEvents& events_;
  QPushButton* sameGame_ = nullptr;
  QPushButton* defaultButton_ = nullptr;
  QLabel* description_ = nullptr;
  std::vector<PictureButton*> pictures_;
  std::vector<std::string> hints_;
};

} // namespace qt
