#include "records/hall_of_fame.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace records {

const std::array<GameTable, 9> GameTables = {{
    {1000, "Rivers", "Rivers (Easy)", TableKind::Timed},
    {1001, "Rivers2", "Rivers (Hard)", TableKind::Timed},
    {1010, "Memory", "Memory (Easy)", TableKind::Timed},
    {1011, "Memory2", "Memory (Hard)", TableKind::Timed},
    {1020, "Clicks", "Clicks (Easy)", TableKind::Clicks},
    {1021, "Clicks2", "Clicks (Hard)", TableKind::Clicks},
    {1022, "Clicks3", "Clicks (Normal)", TableKind::Clicks},
    {1030, "Slider", "Slider", TableKind::Slider},
    {1040, "Columns", "Hashira", TableKind::Hashira},
}};

const std::array<int, 9> ViewerGameOrder = {1000, 1001, 1010, 1011, 1020, 1022, 1021, 1030, 1040};

namespace {

const GameTable* FindGame(int slot) {
  for (const GameTable& g : GameTables)
    if (g.code == slot) return &g;
  return nullptr;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Blanks then at least one digit, nothing after: how our values are right-aligned.
std::optional<int> RightAlignedNumber(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  if (i == field.size()) return std::nullopt;
  int value = 0;
  for (; i < field.size(); ++i) {
    if (!IsDigit(field[i])) return std::nullopt;
    value = value * 10 + (field[i] - '0');
  }
  return value;
}

int Clip(int value) {
  return std::clamp(value, 0, MaxHallValue);
}

void AppendRightAligned(std::string& out, int value) {
  char field[8];
  std::snprintf(field, sizeof field, "%4d", Clip(value));
  out += field;
}

const std::string& NeverUsed() {
  static const std::string entry(NeverUsedEntry);
  return entry;
}

// The field of four characters from `start`, which must end the record or be followed by a
// blank: a fifth digit would otherwise pass for a smaller number.
std::optional<int> FieldValue(std::string_view entry, std::size_t start) {
  constexpr std::size_t Width = 4;
  if (entry.size() < start + Width) return std::nullopt;
  if (entry.size() > start + Width && entry[start + Width] != ' ') return std::nullopt;
  return RightAlignedNumber(entry.substr(start, Width));
}

} // namespace

bool IsLayoutSlot(int slot) {
  return slot >= 1 && slot <= MaxLayoutSlot;
}

bool IsHallSlot(int slot) {
  return IsLayoutSlot(slot) || FindGame(slot) != nullptr;
}

TableKind KindOf(int slot) {
  const GameTable* game = FindGame(slot);
  return game ? game->kind : TableKind::Timed;
}

bool HigherIsBetter(int slot) {
  const TableKind kind = KindOf(slot);
  return kind == TableKind::Slider || kind == TableKind::Hashira;
}

std::string SectionName(int slot, const std::vector<std::string>& layoutNames) {
  if (const GameTable* game = FindGame(slot)) return std::string(game->section);
  if (!IsLayoutSlot(slot) || slot > static_cast<int>(layoutNames.size())) return {};
  std::string section;
  for (char c : layoutNames[slot - 1])
    if (c != ' ') section += c;
  // Section names match without regard to case, as the file is read.
  const auto sameName = [&section](const GameTable& g) {
    return std::equal(section.begin(), section.end(), g.section.begin(), g.section.end(),
                      [](char a, char b) {
                        return std::tolower(static_cast<unsigned char>(a)) ==
                               std::tolower(static_cast<unsigned char>(b));
                      });
  };
  if (std::any_of(GameTables.begin(), GameTables.end(), sameName))
    return std::string(LayoutPrefix) + section;
  return section;
}

std::string EntryName(std::string_view entry) {
  return std::string(entry.substr(0, std::min(entry.size(), HallNameLength)));
}

std::optional<int> MainValue(std::string_view entry) {
  if (entry.size() >= 13 && entry.substr(9, 4) == "0000") return std::nullopt;
  return FieldValue(entry, 9);
}

int SecondValue(std::string_view entry) {
  return FieldValue(entry, 14).value_or(0);
}

std::string EntryDate(std::string_view entry) {
  if (entry.size() < 20) return {};
  const std::string_view date = entry.substr(19, 8);
  return date == "00/00/00" ? std::string() : std::string(date);
}

std::string PadEntry(std::string value) {
  if (value.size() < ShortestEntry) value.insert(0, ShortestEntry - value.size(), '-');
  return value;
}

std::string NormalisedPlayerName(std::string_view typed) {
  if (typed.empty()) return "-";
  std::string name(typed);
  if (name[0] == ' ') name[0] = '-';
  return name;
}

std::string NameField(std::string_view playerName) {
  std::string name = NormalisedPlayerName(playerName);
  if (name.size() > HallNameLength) {
    std::size_t cut = HallNameLength;
    // Never keep half of a UTF-8 character: back off to the start of the one that is cut.
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  name.append(HallNameLength - name.size(), ' ');
  return name;
}

std::string FormatEntry(std::string_view nameField, int mainValue, int secondValue,
                        std::string_view date) {
  std::string entry(nameField);
  entry += ' ';
  AppendRightAligned(entry, mainValue);
  entry += ' ';
  AppendRightAligned(entry, secondValue);
  entry += ' ';
  entry += date;
  return entry;
}

std::string ShortDateText(int year, int month, int day, std::string_view localePattern) {
  std::string order;
  char separator = 0;
  int monthLetters = 0;
  for (std::size_t i = 0; i < localePattern.size();) {
    const char c = localePattern[i];
    std::size_t run = 1;
    while (i + run < localePattern.size() && localePattern[i + run] == c) ++run;
    if (c == 'd' || c == 'M' || c == 'y') {
      if (order.find(c) != std::string::npos) return ShortDateText(year, month, day, "dd/MM/yy");
      order += c;
      if (c == 'M') monthLetters = static_cast<int>(run);
      if (c == 'd' && run > 2) return ShortDateText(year, month, day, "dd/MM/yy"); // weekday
    } else if (!separator && !order.empty() && c != ' ' && c != '\'' &&
               !std::isalpha(static_cast<unsigned char>(c))) {
      separator = c;
    }
    i += run;
  }
  if (order.size() != 3 || monthLetters > 2) return ShortDateText(year, month, day, "dd/MM/yy");
  if (!separator) separator = '/';
  std::string text;
  for (char part : order) {
    if (!text.empty()) text += separator;
    const int value = part == 'd' ? day : part == 'M' ? month : year;
    const int twoDigits = ((value % 100) + 100) % 100;
    text += static_cast<char>('0' + twoDigits / 10);
    text += static_cast<char>('0' + twoDigits % 10);
  }
  return text;
}

const std::string& HallOfFame::Entry(int slot, int rank) const {
  const auto table = tables_.find(slot);
  if (table == tables_.end() || rank < 1 || rank > HallRanks) return NeverUsed();
  return table->second[rank - 1];
}

HallOfFame::Table& HallOfFame::TableFor(int slot) {
  auto [table, added] = tables_.try_emplace(slot);
  if (added) table->second.fill(NeverUsed());
  return table->second;
}

void HallOfFame::SetEntry(int slot, int rank, std::string entry) {
  if (!IsHallSlot(slot) || rank < 1 || rank > HallRanks) return;
  TableFor(slot)[rank - 1] = std::move(entry);
}

bool HallOfFame::Qualifies(int slot, int result) const {
  if (!IsHallSlot(slot)) return false;
  const std::optional<int> tenth = MainValue(Entry(slot, HallRanks));
  if (!tenth) return true;
  return HigherIsBetter(slot) ? result > *tenth : result < *tenth;
}

int HallOfFame::AddHall(int slot, int result, int secondValue, std::string_view playerName,
                        std::string_view date) {
  if (!IsHallSlot(slot)) return 0;
  const int stored = Clip(result);
  const bool higher = HigherIsBetter(slot);
  Table& table = TableFor(slot);
  int q = HallRanks;
  for (int rank = 1; rank <= HallRanks; ++rank) {
    const std::optional<int> v = MainValue(table[rank - 1]);
    if (!v || (higher ? *v <= stored : *v >= stored)) {
      q = rank;
      break;
    }
  }
  for (int rank = HallRanks; rank > q; --rank) table[rank - 1] = std::move(table[rank - 2]);
  table[q - 1] = FormatEntry(NameField(playerName), stored, secondValue, date);
  return q;
}

void HallOfFame::Reset(int slot) {
  if (!IsHallSlot(slot)) return;
  TableFor(slot).fill(std::string(EmptyEntry));
}

void HallOfFame::Rename(int slot, int rank, std::string_view playerName) {
  if (!IsHallSlot(slot) || rank < 1 || rank > HallRanks) return;
  std::string& entry = TableFor(slot)[rank - 1];
  if (entry.size() < HallNameLength) entry.append(HallNameLength - entry.size(), ' ');
  entry.replace(0, HallNameLength, NameField(playerName));
}

NameChange PlayerNameChange(HallState& hall, int currentSlot, int lastHallRank,
                            std::string_view typed) {
  NameChange change;
  if (typed == "Orchid" || typed == "Tranquil") {
    hall.AltGirls = typed == "Orchid";
    change.altGirls = hall.AltGirls;
    change.rerenderPanel = true;
  }
  if (hall.HallJustEntered) {
    if (typed != hall.CurrentPlayerName) {
      hall.CurrentPlayerName = NormalisedPlayerName(typed);
      if (lastHallRank >= 1) hall.tables.Rename(currentSlot, lastHallRank, hall.CurrentPlayerName);
      change.regenerateRows = true;
    }
    change.rerenderPanel = true;
  } else {
    hall.CurrentPlayerName = NormalisedPlayerName(typed);
  }
  return change;
}

} // namespace records
