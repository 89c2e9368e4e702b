#pragma once

#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace platform {

// The values beside the preview.
struct LayoutPreviewLabels {
  std::string tiles;     // "Nb. of Tiles :"
  std::string freeTiles; // "Free Tiles :"
  std::string fullName;  // "Full Name :", or why the layout cannot be shown
};

// The layout chooser and its expanded view as their windows see them: what to show and what
// each control does. The rules live behind it, so the windows only forward clicks and drops.
class LayoutChooserModel {
public:
  virtual ~LayoutChooserModel() = default;

  // LayoutList and FaveLayouts, in the order they are shown.
  virtual const std::vector<std::string>& Items() const = 0;
  virtual int SelectedItem() const = 0; // -1 for none
  virtual const std::vector<std::string>& Favourites() const = 0;
  // The preview of the selected layout, 206 x 138, and its labels.
  virtual const Bitmap& Preview() const = 0;
  virtual const LayoutPreviewLabels& Labels() const = 0;
  // "Preview with current background".
  virtual bool PreviewBack() const = 0;

  // A layout chosen in LayoutList: it is selected and previewed.
  virtual void LayoutListClick(int item) = 0;
  // "Play this layout", "Edit" and "Create": true when the dialog is to close.
  virtual bool BitBtn1Click() = 0;
  virtual bool BitBtn3Click() = 0;
  virtual bool BitBtn4Click() = 0;
  virtual void CheckBox1Click(bool checked) = 0;
  // Item `item` of LayoutList dropped on FaveLayouts before favourite `before` (-1: below them).
  virtual void FaveLayoutsDragDrop(int item, int before) = 0;
  // A favourite dropped back on LayoutList.
  virtual void LayoutListDragDrop(int favourite) = 0;
  // A favourite clicked: its layout is selected and previewed, if the list holds it. A double
  // click plays it too: true when the dialog is to close.
  virtual void FaveLayoutsClick(int favourite) = 0;
  virtual bool FaveLayoutsDblClick(int favourite) = 0;

  // The expanded view: a thumbnail of every item of LayoutList, drawn when it is shown.
  virtual Bitmap Thumbnail(int item) = 0;
  // A thumbnail clicked: its layout is selected and played; both windows close.
  virtual void ScrollClick(int item) = 0;
};

} // namespace platform
