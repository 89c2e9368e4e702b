#include "records/layout_chooser.h"

#include <algorithm>
#include <numeric>

#include "engine/free_rule.h"
#include "engine/layout_entries.h"
#include "engine/layout_reader.h"
#include "records/favourites.h"
#include "render/layout_preview.h"
#include "shell/data_folders.h"

namespace records {

LayoutChooser::LayoutChooser(const engine::LayoutState& layouts,
                             const std::vector<std::string>& FaveLayout,
                             const platform::Bitmap& background, const platform::Bitmap& minus,
                             bool& previewBack, platform::Ui& ui)
    : layouts_(layouts), background_(background), Minus_(minus), previewBack_(previewBack), ui_(ui),
      Image1_(render::PreviewBackdrop(background, previewBack)) {
  entries_.resize(layouts.LayoutCount());
  std::iota(entries_.begin(), entries_.end(), 1);
  std::stable_sort(entries_.begin(), entries_.end(), [&](int a, int b) {
    return shell::LessIgnoringCase(layouts.LayoutNames[a - 1], layouts.LayoutNames[b - 1]);
  });
  for (int entry : entries_) items_.push_back(layouts.LayoutNames[entry - 1]);
  previews_.resize(items_.size());

  favouritesPath_ = layouts.Folders.player + FavouritesFileName;
  FavouritesRead read = ReadFavourites(favouritesPath_);
  if (read.status == FavouritesRead::Status::Unreadable) {
    favouritesUnreadable_ = true;
    favourites_ = FaveLayout;
    ui_.ShowMessage("The favourite layouts file \"" + favouritesPath_ + "\" cannot be read: " +
                    read.error + ". Your changes to the favourites will not be saved in it.");
  } else {
    favourites_ = std::move(read.names);
  }
  std::stable_sort(favourites_.begin(), favourites_.end(), shell::LessIgnoringCase);

  if (items_.empty())
    MinusBuffer_ = Image1_;
  else
    LayoutListClick(0);
}

const LayoutPreview& LayoutChooser::PreviewOf(int item) {
  std::optional<LayoutPreview>& cached = previews_[item];
  if (cached) return *cached;
  LayoutPreview& preview = cached.emplace();
  const engine::LayoutSource source = engine::SourceOfEntry(layouts_, entries_[item]);
  const engine::LayoutFileRead read = engine::ReadLayoutFile(source.path);
  const engine::ParsedLayout* parsed = engine::FindMap(read.layouts, source.map);
  std::string fault;
  if (!read.readError.empty())
    fault = read.readError;
  else if (!parsed)
    fault = "it holds no map named \"" + source.map + "\"";
  else if (parsed->outcome != engine::ParsedLayout::Outcome::Ok)
    fault = engine::FaultOf(*parsed);
  if (!fault.empty()) {
    // Never the previous layout's picture: an empty board says there is nothing to show.
    preview.labels.fullName = "Cannot be shown: " + fault;
    return preview;
  }
  preview.shown = true;
  preview.cells = parsed->cells;
  engine::TileGrid grid;
  for (int z = 1; z <= engine::GridLayers; ++z)
    for (int y = 1; y <= engine::GridHeight; ++y)
      for (int x = 1; x <= engine::GridWidth; ++x) grid.Set(x, y, z, parsed->cells(x, y, z));
  preview.labels = {std::to_string(parsed->cells.Positions()),
                    std::to_string(engine::FreeTiles(grid)), parsed->name};
  return preview;
}

void LayoutChooser::LayoutListClick(int item) {
  if (item < 0 || item >= static_cast<int>(items_.size())) return;
  selected_ = item;
  const LayoutPreview& preview = PreviewOf(item);
  labels_ = preview.labels;
  MinusBuffer_ = render::MinusRedraw(Image1_, preview.cells, Minus_);
}

bool LayoutChooser::Choose(ChooserOutcome::Action action) {
  if (selected_ < 0) return false;
  outcome_ = {action, entries_[selected_]};
  return true;
}

bool LayoutChooser::BitBtn1Click() {
  return Choose(ChooserOutcome::Action::Play);
}

bool LayoutChooser::BitBtn3Click() {
  return Choose(ChooserOutcome::Action::Edit);
}

bool LayoutChooser::BitBtn4Click() {
  outcome_ = {ChooserOutcome::Action::Create, 0};
  return true;
}

void LayoutChooser::CheckBox1Click(bool checked) {
  previewBack_ = checked;
  Image1_ = render::PreviewBackdrop(background_, checked);
  if (selected_ >= 0)
    LayoutListClick(selected_);
  else
    MinusBuffer_ = Image1_;
}

void LayoutChooser::FaveLayoutsDragDrop(int item, int before) {
  if (item < 0 || item >= static_cast<int>(items_.size())) return;
  DropFavourite(favourites_, items_[item], before);
}

void LayoutChooser::LayoutListDragDrop(int favourite) {
  if (favourite < 0 || favourite >= static_cast<int>(favourites_.size())) return;
  favourites_.erase(favourites_.begin() + favourite);
}

void LayoutChooser::FaveLayoutsClick(int favourite) {
  if (favourite < 0 || favourite >= static_cast<int>(favourites_.size())) return;
  const auto found = std::find(items_.begin(), items_.end(), favourites_[favourite]);
  if (found != items_.end()) LayoutListClick(static_cast<int>(found - items_.begin()));
}

bool LayoutChooser::FaveLayoutsDblClick(int favourite) {
  if (favourite < 0 || favourite >= static_cast<int>(favourites_.size())) return false;
  if (std::find(items_.begin(), items_.end(), favourites_[favourite]) == items_.end()) return false;
  FaveLayoutsClick(favourite);
  return BitBtn1Click();
}

platform::Bitmap LayoutChooser::Thumbnail(int item) {
  if (item < 0 || item >= static_cast<int>(items_.size())) return Image1_;
  return render::MinusRedraw(Image1_, PreviewOf(item).cells, Minus_);
}

void LayoutChooser::ScrollClick(int item) {
  LayoutListClick(item);
  BitBtn1Click();
}

std::vector<std::string> LayoutChooser::SaveFavourites() {
  if (!favouritesUnreadable_)
    if (const std::string failed = WriteFavourites(favouritesPath_, favourites_); !failed.empty())
      ui_.ShowMessage("Unable to write to " + favouritesPath_);
  return favourites_;
}

} // namespace records
