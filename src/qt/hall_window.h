#pragma once

#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "platform/hall_view.h"

namespace qt {
using namespace platform;

// The ten ranks of one table over the clouds, with the column headers.
class HallRowsView final : public QWidget {
public:
  HallRowsView(const HallViewModel& model, QWidget* parent);
  static constexpr int RowHeight = 19, HeaderHeight = 22;
  static constexpr int RankLeft = 8, NameLeft = 36, SecondLeft = 232, DateLeft = 300;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  const HallViewModel& model_;
  QImage clouds_;
};

// "Hall of Fame": a thin view over the model. Every control forwards to it and then shows the
// rows it keeps.
class HallWindow final : public QDialog {
public:
  HallWindow(HallViewModel& model, QWidget* parent);
  static constexpr int Width = 550, Height = 360;

  QComboBox& Tables() { return *tables_; }
  QLineEdit& PlayerName() { return *name_; }
  QPushButton& ResetButton() { return *reset_; }
  QPushButton& LaunchButton() { return *launch_; }
  HallRowsView& Rows() { return *rows_; }

private:
  void ShowRows();

  HallViewModel& model_;
  QComboBox* tables_;
  QLineEdit* name_;
  QPushButton* reset_;
  QPushButton* launch_;
  HallRowsView* rows_;
};

// Shows the dialog modally, centred on the screen.
void RunHallWindow(QWidget& parent, HallViewModel& model);

} // namespace qt
