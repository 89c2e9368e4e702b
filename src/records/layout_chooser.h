#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "platform/layout_chooser_view.h"
#include "platform/ui.h"

namespace records {

// What the player chose, carried out by the main window once the chooser has closed.
struct ChooserOutcome {
  enum class Action { None, Play, Edit, Create };
  Action action = Action::None;
  int entry = 0; // the layout list entry to play or edit, 1..LayoutCount
  friend bool operator==(const ChooserOutcome&, const ChooserOutcome&) = default;
};

// A layout's preview as the chooser keeps it once read. Outside the chooser's class, where every
// compiler sees it whole before the chooser's cache of them needs its constructor.
struct LayoutPreview {
  bool shown = false;
  engine::LayoutGrid cells;
  platform::LayoutPreviewLabels labels;
};

// "Choose a new layout...": the layout list sorted without regard to case, a preview of the
// selected layout, and the favourites of Favelay.ini, read when the chooser opens.
class LayoutChooser final : public platform::LayoutChooserModel {
public:
  // `background` is the board's background picture and `minus` the miniature tile; `previewBack`
  // is the setting the check box shows and changes. `FaveLayout` stands in for a Favelay.ini that
  // cannot be read, which the chooser then leaves alone.
  LayoutChooser(const engine::LayoutState& layouts, const std::vector<std::string>& FaveLayout,
                const platform::Bitmap& background, const platform::Bitmap& minus,
                bool& previewBack, platform::Ui& ui);

  const std::vector<std::string>& Items() const override { return items_; }
  int SelectedItem() const override { return selected_; }
  const std::vector<std::string>& Favourites() const override { return favourites_; }
  const platform::Bitmap& Preview() const override { return MinusBuffer_; }
  const platform::LayoutPreviewLabels& Labels() const override { return labels_; }
  bool PreviewBack() const override { return previewBack_; }

  void LayoutListClick(int item) override;
  bool BitBtn1Click() override;
  bool BitBtn3Click() override;
  bool BitBtn4Click() override;
  void CheckBox1Click(bool checked) override;
  void FaveLayoutsDragDrop(int item, int before) override;
  void LayoutListDragDrop(int favourite) override;
  void FaveLayoutsClick(int favourite) override;
  bool FaveLayoutsDblClick(int favourite) override;
  platform::Bitmap Thumbnail(int item) override;
  void ScrollClick(int item) override;

  ChooserOutcome Outcome() const { return outcome_; }
  // Once the chooser has closed, however it closed: writes Favelay.ini whole (unless it could not
  // be read) and returns the favourites for FaveLayout.
  std::vector<std::string> SaveFavourites();

private:
  // What a layout file gave: its cells and labels, or the reason it shows nothing.
  const LayoutPreview& PreviewOf(int item);
  bool Choose(ChooserOutcome::Action action);

  const engine::LayoutState& layouts_;
  const platform::Bitmap& background_;
  const platform::Bitmap& Minus_;
  bool& previewBack_;
  platform::Ui& ui_;
  std::vector<std::string> items_;
  std::vector<int> entries_; // the list entry of each item
  std::vector<std::optional<LayoutPreview>> previews_;
  int selected_ = -1;
  platform::Bitmap Image1_; // the backdrop of every preview
  platform::Bitmap MinusBuffer_;
  platform::LayoutPreviewLabels labels_;
  std::vector<std::string> favourites_;
  std::string favouritesPath_;
  bool favouritesUnreadable_ = false;
  ChooserOutcome outcome_;
};

} // namespace records
