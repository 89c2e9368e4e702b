#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "platform/layout_chooser_view.h"

namespace qt {
using namespace platform;

// One of our bitmaps shown as it is; `picture` is asked again at every paint.
class BitmapView final : public QWidget {
public:
  BitmapView(std::function<const Bitmap&()> picture, QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  std::function<const Bitmap&()> picture_;
};

// A list of the chooser: a drag source that takes drops from its partner list only, and takes
// the keyboard focus when the pointer moves over it.
class ChooserList final : public QListWidget {
public:
  explicit ChooserList(QWidget* parent);
  // A drop from `partner` calls `dropped` with the row under the drop point (-1 below the last).
  // With `followPointer` the row under a drag is selected while it moves.
  void TakeDropsFrom(const ChooserList* partner, std::function<void(int row)> dropped,
                     bool followPointer);

protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

private:
  const ChooserList* partner_ = nullptr;
  std::function<void(int row)> dropped_;
  bool followPointer_ = false;
};

// "Choose a new layout...": a thin view over the model. Every control forwards to it and then
// shows what it keeps.
class TChooseLayout final : public QDialog {
public:
  TChooseLayout(LayoutChooserModel& model, QWidget* parent);
  static constexpr int Width = 492, Height = 429;

  ChooserList& LayoutList() { return *layoutList_; }
  ChooserList& FaveLayouts() { return *faveLayouts_; }
  BitmapView& Preview() { return *preview_; }
  QLabel& Tiles() { return *tiles_; }
  QLabel& FreeTiles() { return *freeTiles_; }
  QLabel& FullName() { return *fullName_; }
  QCheckBox& PreviewBackground() { return *background_; }
  QPushButton& PlayButton() { return *play_; }
  QPushButton& ExpandButton() { return *expand_; }
  QPushButton& EditButton() { return *edit_; }
  QPushButton& CreateButton() { return *create_; }
  QPushButton& CancelButton() { return *cancel_; }

private:
  // The lists, the preview and the labels as the model has them now.
  void ShowState();
  void CloseIf(bool closes);
  void Expand();

  LayoutChooserModel& model_;
  ChooserList* layoutList_;
  ChooserList* faveLayouts_;
  BitmapView* preview_;
  QLabel* tiles_;
  QLabel* freeTiles_;
  QLabel* fullName_;
  QCheckBox* background_;
  QPushButton* play_;
  QPushButton* expand_;
  QPushButton* edit_;
  QPushButton* create_;
  QPushButton* cancel_;
};

// Shows the chooser modally, centred on the screen; it returns when the chooser has closed.
void RunLayoutChooser(QWidget& parent, LayoutChooserModel& model);

} // namespace qt
