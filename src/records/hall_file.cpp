#include "records/hall_file.h"

#include <algorithm>

#include "shell/settings.h"

namespace records {

namespace {

// Layouts past the last slot have no table: their menu numbers would be game codes.
int LayoutSlots(const std::vector<std::string>& layoutNames) {
  return std::min(static_cast<int>(layoutNames.size()), MaxLayoutSlot);
}

// A section goes only when every rank is a placeholder. The placeholder's hyphens alone do not
// say so: a player may well call himself "--------", and his result must not vanish.
bool HasEntries(const HallOfFame& hall, int slot) {
  for (int rank = 1; rank <= HallRanks; ++rank) {
    const std::string& entry = hall.Entry(slot, rank);
    if (!IsEmptyEntry(entry) || entry.find("-------- ") == std::string::npos) return true;
  }
  return false;
}

} // namespace

std::string RankKey(int rank) {
  return "Rank" + std::to_string(rank);
}

std::string HallFile::Read(HallOfFame& hall, const std::vector<std::string>& layoutNames) {
  ReadFrom(platform::IniFile::Load(path_), hall, layoutNames);
  const std::string& reason = file_.ReadError();
  return reason.empty() ? std::string() : shell::UnableToReadMessage(path_, reason);
}

void HallFile::ReadFrom(platform::IniFile file, HallOfFame& hall,
                        const std::vector<std::string>& layoutNames) {
  file_ = std::move(file);
  for (int slot = 1; slot <= LayoutSlots(layoutNames); ++slot)
    ReadLayoutTable(hall, slot, layoutNames);
  for (const GameTable& game : GameTables) ReadTable(hall, game.code, std::string(game.section));
}

void HallFile::ReadLayoutTable(HallOfFame& hall, int slot,
                               const std::vector<std::string>& layoutNames) {
  if (slot < 1 || slot > LayoutSlots(layoutNames)) return;
  if (const std::string section = SectionName(slot, layoutNames); !section.empty())
    ReadTable(hall, slot, section);
}

void HallFile::ReadTable(HallOfFame& hall, int slot, const std::string& section) const {
  // A table the file does not mention stays untouched, and so takes no room.
  if (!file_.HasSection(section)) return;
  for (int rank = 1; rank <= HallRanks; ++rank)
    hall.SetEntry(slot, rank, PadEntry(file_.ReadString(section, RankKey(rank), NeverUsedEntry)));
}

void HallFile::WriteTable(const HallOfFame& hall, int slot, const std::string& section) {
  for (int rank = 1; rank <= HallRanks; ++rank)
    file_.WriteString(section, RankKey(rank), hall.Entry(slot, rank));
}

std::string HallFile::Save(const HallOfFame& hall, const std::vector<std::string>& layoutNames) {
  if (!file_.ReadError().empty()) {
    lastSaveFailed_ = true;
    return {};
  }
  for (int slot = 1; slot <= LayoutSlots(layoutNames); ++slot) {
    const std::string section = SectionName(slot, layoutNames);
    if (section.empty()) continue; // a name of blanks only has no section to be kept under
    if (HasEntries(hall, slot))
      WriteTable(hall, slot, section);
    else
      file_.EraseSection(section);
  }
  for (const GameTable& game : GameTables) WriteTable(hall, game.code, std::string(game.section));
  lastSaveFailed_ = !file_.Save(path_).empty();
  if (!lastSaveFailed_ || failureReported_) return {};
  failureReported_ = true;
  return shell::UnableToWriteMessage(path_);
}

} // namespace records
