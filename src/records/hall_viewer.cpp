#include "records/hall_viewer.h"

#include <algorithm>

#include "play/clock.h"
#include "play/game_codes.h"

namespace records {

namespace {

constexpr std::string_view EmptyCell = "   ";

shell::CommandId StartCommand(int code) {
  using shell::CommandId;
  switch (code) {
  case play::game_code::RiversEasy:
    return CommandId::RiversEasy;
  case play::game_code::RiversHard:
    return CommandId::RiversHard;
  case play::game_code::MemoryEasy:
    return CommandId::MemoryEasy;
  case play::game_code::MemoryHard:
    return CommandId::MemoryHard;
  case play::game_code::ClicksEasy:
    return CommandId::ClicksEasy;
  case play::game_code::ClicksNormal:
    return CommandId::ClicksNormal;
  case play::game_code::ClicksHard:
    return CommandId::ClicksHard;
  case play::game_code::Slider:
    return CommandId::Slider;
  default:
    return CommandId::Hashira;
  }
}

std::string Time(int seconds) {
  return std::string(play::FormatTime(seconds).view());
}

// Numbers keep their right edge: long ones move the cell left, short ones get blanks in front.
void SetScoreCell(platform::HallRow& row, int value) {
  std::string text = std::to_string(value);
  const std::size_t digits = text.size();
  if (digits >= 6)
    row.mainLeft = 151;
  else if (digits == 5)
    row.mainLeft = 155;
  else if (digits == 4)
    row.mainLeft = 158;
  else
    text.insert(0, 4 - digits, ' ');
  row.main = text;
}

platform::HallRow RowOf(std::string_view entry, TableKind kind, bool highlighted) {
  platform::HallRow row;
  row.highlighted = highlighted;
  const std::optional<int> value = MainValue(entry);
  const int second = SecondValue(entry);
  row.name = value ? EntryName(entry) : " ";
  row.date = EntryDate(entry);
  switch (kind) {
  case TableKind::Timed:
    row.main = value ? Time(*value) : std::string(EmptyCell);
    row.second = value ? Time(second) : std::string(EmptyCell);
    break;
  case TableKind::Clicks:
  case TableKind::Slider:
    if (value)
      SetScoreCell(row, *value);
    else
      row.main = EmptyCell;
    break;
  case TableKind::Hashira:
    if (value)
      SetScoreCell(row, *value * 100);
    else
      row.main = EmptyCell;
    if (second > 0) row.second = (second > 9 ? "  " : "   ") + std::to_string(second);
    break;
  }
  return row;
}

} // namespace

std::optional<LaunchOrder> LaunchOrderFor(int slot) {
  if (IsLayoutSlot(slot)) return LaunchOrder{slot, std::nullopt};
  if (!IsHallSlot(slot)) return std::nullopt;
  return LaunchOrder{0, StartCommand(slot)};
}

int ListedLayouts(const std::vector<std::string>& layoutNames) {
  return std::min(static_cast<int>(layoutNames.size()), MaxLayoutSlot);
}

int SlotOfItem(int item, const std::vector<std::string>& layoutNames) {
  const int layouts = ListedLayouts(layoutNames);
  if (item < 0) return -1;
  if (item < layouts) return item + 1;
  const int game = item - layouts;
  return game < static_cast<int>(ViewerGameOrder.size()) ? ViewerGameOrder[game] : -1;
}

int ItemOfSlot(int slot, const std::vector<std::string>& layoutNames) {
  const int layouts = ListedLayouts(layoutNames);
  if (slot >= 1 && slot <= layouts) return slot - 1;
  const auto game = std::find(ViewerGameOrder.begin(), ViewerGameOrder.end(), slot);
  if (game == ViewerGameOrder.end()) return -1;
  return layouts + static_cast<int>(game - ViewerGameOrder.begin());
}

platform::HallRows GenerateRows(const HallOfFame& hall, int slot, int highlightRank) {
  platform::HallRows list;
  const TableKind kind = KindOf(slot);
  const bool scored = kind != TableKind::Timed;
  list.mainHeader = scored ? "Score" : "Time";
  list.secondHeader = kind == TableKind::Hashira ? "Level" : "Malus";
  for (int rank = 1; rank <= HallRanks; ++rank) {
    const std::string_view entry = IsHallSlot(slot) ? hall.Entry(slot, rank) : EmptyEntry;
    list.rows[rank - 1] = RowOf(entry, kind, rank == highlightRank);
  }
  return list;
}

HallViewer::HallViewer(HallState& hall, engine::GameState& game, platform::Ui& ui, HallHooks& hooks)
    : hall_(hall), game_(game), ui_(ui), hooks_(hooks) {
  GenerateList(game_.layouts.LayoutIndex);
}

std::vector<std::string> HallViewer::Items() const {
  const std::vector<std::string>& names = game_.layouts.LayoutNames;
  std::vector<std::string> items;
  for (int k = 0; k < ListedLayouts(names); ++k) items.push_back(names[k] + " Layout");
  for (int code : ViewerGameOrder)
    for (const GameTable& table : GameTables)
      if (table.code == code) items.emplace_back(table.item);
  return items;
}

void HallViewer::GenerateList(int slot) {
  const bool current = hall_.HallJustEntered && slot == game_.layouts.LayoutIndex;
  rows_ = GenerateRows(hall_.tables, slot, current ? game_.LastHallRank : 0);
  rows_.selectedItem = ItemOfSlot(slot, game_.layouts.LayoutNames);
}

void HallViewer::LayoutComboBoxChange(int item) {
  const int slot = SlotOfItem(item, game_.layouts.LayoutNames);
  if (slot > 0) GenerateList(slot);
}

void HallViewer::PlayerNameChange(const std::string& text) {
  const NameChange change =
      records::PlayerNameChange(hall_, game_.layouts.LayoutIndex, game_.LastHallRank, text);
  if (change.altGirls) hooks_.WriteAltGirls(*change.altGirls);
  if (change.regenerateRows) {
    changed_ = true;
    GenerateList(SlotOfItem(rows_.selectedItem, game_.layouts.LayoutNames));
  }
  if (change.rerenderPanel) hooks_.ShowPanelHOF();
}

void HallViewer::DeleteHighscoresClick() {
  const int slot = SlotOfItem(rows_.selectedItem, game_.layouts.LayoutNames);
  if (slot <= 0) return;
  if (ui_.AskOkCancel(ResetCaption, ResetQuestion)) {
    hall_.tables.Reset(slot);
    changed_ = true;
  }
  hooks_.ShowPanelHOF();
  GenerateList(slot);
  hall_.HallPanelRefresh = true;
}

bool HallViewer::BitBtn2Click() {
  const int slot = SlotOfItem(rows_.selectedItem, game_.layouts.LayoutNames);
  if (slot <= 0) return false;
  launchSlot_ = slot;
  return true;
}

} // namespace records
