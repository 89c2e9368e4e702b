#pragma once

#include <string>
#include <vector>

#include "platform/ini_file.h"
#include "records/hall_of_fame.h"

namespace records {

inline constexpr const char* HallFileName = "Hallfame.ini";

// "Rank1" .. "Rank10".
std::string RankKey(int rank);

// Hallfame.ini as the program keeps it open: the tables are read from it once, and every save
// writes them back into it, so sections of layouts that are gone stay in the file untouched and
// come back when their layout does.
class HallFile {
public:
  explicit HallFile(std::string path) : path_(std::move(path)) {}

  // Loads the file and reads the table of every known layout (menu order) and of the nine
  // games. What is missing or damaged reads as empty entries. A file that is there but cannot
  // be read is never written over, for it may hold every record the player made: returns the
  // message for the player then ("Unable to read ..."), else empty.
  std::string Read(HallOfFame& hall, const std::vector<std::string>& layoutNames);
  // The table of a layout that joined the list after Read, from the file as it was read and
  // saved since: a name that had results before finds them again.
  void ReadLayoutTable(HallOfFame& hall, int slot, const std::vector<std::string>& layoutNames);
  // Reads from text already in memory, as Read does from the file.
  void ReadFrom(platform::IniFile file, HallOfFame& hall,
                const std::vector<std::string>& layoutNames);

  // Writes the tables into the file: a layout with no entry has its section erased, the nine
  // game sections are always written whole. The file is replaced atomically. Returns the
  // message for the player the first time a save fails ("Unable to write to ..."), else empty:
  // a folder that cannot be written is reported once, and play goes on. A file that could not
  // be read is left as it is, without a word: Read has told the player.
  std::string Save(const HallOfFame& hall, const std::vector<std::string>& layoutNames);
  // The last save failed (or none was tried yet after a failure).
  bool LastSaveFailed() const { return lastSaveFailed_; }

  const std::string& Path() const { return path_; }

private:
  void ReadTable(HallOfFame& hall, int slot, const std::string& section) const;
  void WriteTable(const HallOfFame& hall, int slot, const std::string& section);

  std::string path_;
  platform::IniFile file_;
  bool failureReported_ = false;
  bool lastSaveFailed_ = false;
};

} // namespace records
