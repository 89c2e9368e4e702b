#pragma once

#include <QDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>

#include "platform/layout_chooser_view.h"

namespace qt {
using namespace platform;

// How the expanded view was closed.
enum class ExtendedChoice { Thumbnail, Reduce, Cancel };

// Every layout as a thumbnail, three to a row in the chooser's order. Thumbnails are drawn when
// they come into sight, so a folder of hundreds of layouts opens at once.
class ThumbnailSheet final : public QWidget {
public:
  ThumbnailSheet(LayoutChooserModel& model, QWidget* parent);
  static constexpr int Pitch = 202, Width = 206, Height = 138, Columns = 3;
  // The thumbnail under a point of the sheet, -1 for none; where two overlap, the later one.
  int ItemAt(const QPoint& point) const;
  // A thumbnail was clicked: its number, else -1.
  int ChosenThumbnail() const { return ChosenThumbnail_; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  LayoutChooserModel& model_;
  int count_;
  int ChosenThumbnail_ = -1;
};

// "Choose a Layout": the expanded view of the layout chooser.
class TExtendedChoose final : public QDialog {
public:
  TExtendedChoose(LayoutChooserModel& model, QWidget* parent);
  static constexpr int Width = 632, Height = 406, ScrollHeight = 369;

  ThumbnailSheet& Sheet() { return *sheet_; }
  QScrollArea& Scroll() { return *scroll_; }
  QPushButton& ReduceButton() { return *reduce_; }
  QPushButton& CancelButton() { return *cancel_; }
  ExtendedChoice Choice() const { return choice_; }

private:
  ThumbnailSheet* sheet_;
  QScrollArea* scroll_;
  QPushButton* reduce_;
  QPushButton* cancel_;
  ExtendedChoice choice_ = ExtendedChoice::Cancel;
};

// Shows the expanded view modally, centred on the screen. A chosen thumbnail goes to the model
// (ScrollClick) before this returns.
ExtendedChoice RunExtendedChoose(QWidget& parent, LayoutChooserModel& model);

} // namespace qt
