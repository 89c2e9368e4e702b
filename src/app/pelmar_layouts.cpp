// The Layout menu, the layout chooser with its favourites, and the window parts of the layout
// editor.
#include "app/menu_items.h"
#include "app/pelmar.h"
#include "engine/layout_entries.h"
#include "records/favourites.h"
#include "records/layout_chooser.h"
#include "shell/pause.h"

using shell::CommandId;

bool TPelmar::LoadlayoutClick(int entry) {
  const bool loaded = engine::LoadLayoutEntry(state_, *this, entry);
  // The menu checked the entry clicked; a refused one leaves the layout of before checked.
  ShowLayouts();
  return loaded;
}

void TPelmar::LoadLayoutFromDisk() {
  WithPause([this] { engine::LoadLayoutFromDisk(state_, *this); });
  ShowLayouts();
}

void TPelmar::SelectLayout() {
  if (miniature_.Empty()) miniature_ = platform::BuiltinPicture(desktop_, "miniature_tile.bmp");
  records::LayoutChooser chooser(state_.layouts, FaveLayout_, pictures_.BackgroundBitmap,
                                 miniature_, settings_.PreviewBack, ui());
  WithPause([&] {
    window_->ShowLayoutChooser(chooser);
    // However it closed: "Cancel" keeps the favourites the player changed.
    FaveLayout_ = chooser.SaveFavourites();
    ShowLayouts();
  });
  using Action = records::ChooserOutcome::Action;
  const records::ChooserOutcome outcome = chooser.Outcome();
  switch (outcome.action) {
  case Action::Play:
    LoadlayoutClick(outcome.entry);
    break;
  case Action::Edit:
    // The layout is played first, as a double click does; it is edited only if it could be read.
    if (LoadlayoutClick(outcome.entry)) StartGameCommand(CommandId::EditLayout);
    break;
  case Action::Create:
    StartGameCommand(CommandId::CreateLayout);
    break;
  case Action::None:
    break;
  }
}

void TPelmar::ViewAllLayouts() {
  state_.options.ShowFave = false;
  ShowLayouts();
}

void TPelmar::ViewFavoritesOnly() {
  state_.options.ShowFave = true;
  ShowLayouts();
}

void TPelmar::ShowLayouts() {
  const std::vector<records::LayoutEntryMark> marks =
      records::ShowLayouts(state_.layouts, FaveLayout_, state_.options.ShowFave);
  for (int k = 0; k < static_cast<int>(marks.size()); ++k) {
    window_->SetVisible(shell::LayoutEntryBase + k + 1, marks[k].visible);
    window_->SetChecked(shell::LayoutEntryBase + k + 1, marks[k].checked);
  }
}

void TPelmar::LayoutAdded(int index) {
  const engine::LayoutState& layouts = state_.layouts;
  window_->AddMenuItems({app::LayoutEntryItem(layouts.LayoutNames[index - 1], index)});
  hallFile_.ReadLayoutTable(hall_.tables, index, layouts.LayoutNames);
  ShowLayouts();
}

bool TPelmar::OnShownMenuBar(int id) const {
  const shell::Command* command = shell::FindCommand(static_cast<CommandId>(id));
  return (command ? shell::MenuBarOf(command->menu) : platform::MenuBar::Main) == menuBar_;
}

void TPelmar::ShowEditorParts(const std::vector<platform::InfoField>& strip, bool canSave) {
  menuBar_ = platform::MenuBar::Editor;
  window_->ShowMenuBar(menuBar_);
  window_->SetEnabled(static_cast<int>(CommandId::EditorSave), canSave);
  window_->ShowPart(platform::WindowPart::Toolbar, false);
  window_->ShowInfoStrip(strip);
}

void TPelmar::HideEditorParts() {
  menuBar_ = platform::MenuBar::Main;
  window_->ShowMenuBar(menuBar_);
  window_->ShowInfoStrip({});
  // The player's choice stands: a toolbar he hid stays hidden.
  window_->ShowPart(platform::WindowPart::Toolbar, state_.options.ShowToolbar);
}

void TPelmar::SetStripValue(int field, const std::string& value) {
  window_->SetInfoValue(field, value);
}

std::string TPelmar::StripText(int field) {
  return window_->InfoText(field);
}

void TPelmar::FocusBoard() {
  window_->FocusBoard();
}

void TPelmar::SetCursorCell(const engine::Position& cell) {
  pictures_.EditorCursor = cell;
}

void TPelmar::RedrawArea(platform::Rect area) {
  renderer_.RedrawArea(area);
}
