#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace records {

constexpr int HallRanks = 10;
constexpr int MaxLayoutSlot = 999;
// What the four characters of a value field can hold; larger results are stored as this.
constexpr int MaxHallValue = 9999;
constexpr std::size_t HallNameLength = 8;

// A rank that was never used, and one emptied by "Reset Scores". Both read as empty because
// their value field is "0000".
inline constexpr std::string_view NeverUsedEntry = "-------- 0000    0 00/00/00";
inline constexpr std::string_view EmptyEntry = "-------- 0000    0";
// The shortest record we accept from the file; shorter ones are filled in front with '-'.
constexpr std::size_t ShortestEntry = 18;

// How a table ranks and shows its results.
enum class TableKind {
  Timed,   // seconds plus penalty; lower is better
  Clicks,  // tiles left; lower is better
  Slider,  // points; higher is better
  Hashira, // points / 100 with the level reached; higher is better
};

struct GameTable {
  int code; // the LayoutIndex while the game runs
  std::string_view section;
  std::string_view item; // its name in the viewer's list
  TableKind kind;
};

// The nine tables of the games other than Solitaire, in the order the file keeps them.
extern const std::array<GameTable, 9> GameTables;
// The same codes in the order the viewer lists them (Clicks easy, normal, hard).
extern const std::array<int, 9> ViewerGameOrder;

// A Solitaire layout number 1..999, or one of the nine game codes.
bool IsHallSlot(int slot);
bool IsLayoutSlot(int slot);
TableKind KindOf(int slot); // Timed for layouts
bool HigherIsBetter(int slot);
// A layout whose name without blanks is a game table's section ("Slider", "Clicks 3") would
// share that section, and whichever table is written last would wipe the other. Its section is
// this prefix and its name without blanks instead ("Layout Slider"): no layout's section has a
// blank, so none can take it, and the game's table stays where every reader of the file looks.
inline constexpr std::string_view LayoutPrefix = "Layout ";

// A layout's name with every blank removed (see LayoutPrefix), or a game table's section; empty
// for no table.
std::string SectionName(int slot, const std::vector<std::string>& layoutNames);

// Columns 1-8 of a record.
std::string EntryName(std::string_view entry);
// The main value in columns 10-13, or nothing for an empty entry. Anything but right-aligned
// digits there (letters, a fifth digit, junk) counts as empty too, so a damaged record can
// neither rank nor show garbage.
std::optional<int> MainValue(std::string_view entry);
// The second value in columns 15-18; 0 where it is not a number.
int SecondValue(std::string_view entry);
inline bool IsEmptyEntry(std::string_view entry) {
  return !MainValue(entry).has_value();
}
// The 8 characters from column 20; empty for a never-used or undated entry.
std::string EntryDate(std::string_view entry);

// A record as read from the file: too short ones are filled in front with '-'.
std::string PadEntry(std::string value);
// The player name as a record's columns 1-8: "-" for an empty name, a leading blank made '-',
// cut to 8 bytes without splitting a character, padded with blanks.
std::string NameField(std::string_view playerName);
// The name a player typed as the program keeps it: never empty, never starting with a blank.
std::string NormalisedPlayerName(std::string_view typed);
// A whole record; both values are clipped to 0..9999.
std::string FormatEntry(std::string_view nameField, int mainValue, int secondValue,
                        std::string_view date);

// The user's short date in exactly 8 characters: the order and separator of the locale's
// pattern ("M/d/yy", "dd.MM.yyyy", "y-MM-dd" ...) with two digits for each part. A pattern
// without a day, a month and a year in numbers gives "dd/MM/yy".
std::string ShortDateText(int year, int month, int day, std::string_view localePattern);

// The ten ranks of every table. Tables that were never touched take no room.
class HallOfFame {
public:
  using Table = std::array<std::string, HallRanks>;

  // Rank 1..10 of a table; a never-used entry for an untouched table or an unknown slot.
  const std::string& Entry(int slot, int rank) const;
  void SetEntry(int slot, int rank, std::string entry);
  bool HasTable(int slot) const { return tables_.contains(slot); }

  // Whether a result would enter: the tenth rank is empty or the result beats it strictly.
  bool Qualifies(int slot, int result) const;
  // Inserts the result above every entry it equals or beats, pushing the rest down and the
  // tenth out; returns the rank it took (0 for an unknown slot).
  int AddHall(int slot, int result, int secondValue, std::string_view playerName,
              std::string_view date);
  // All ten ranks become emptied entries.
  void Reset(int slot);
  // Columns 1-8 of one rank become the name field of `playerName`.
  void Rename(int slot, int rank, std::string_view playerName);

private:
  Table& TableFor(int slot);
  std::map<int, Table> tables_;
};

// The hall of fame and what goes with it on the main window.
struct HallState {
  HallOfFame tables;
  std::string CurrentPlayerName = "Player1";
  bool HallJustEntered = false;
  bool HallPanelRefresh = false;
  bool AltGirls = false; // persisted under "Orchid"
};

// What an edit of the "Player Name" box asks of the caller.
struct NameChange {
  std::optional<bool> altGirls; // AltGirls changed: write it under "Orchid" at once
  bool regenerateRows = false;
  bool rerenderPanel = false;
};

// The name box was edited to `typed`. `currentSlot` and `lastHallRank` name the entry that may
// still take the new name while HallJustEntered is set.
NameChange PlayerNameChange(HallState& hall, int currentSlot, int lastHallRank,
                            std::string_view typed);

} // namespace records
