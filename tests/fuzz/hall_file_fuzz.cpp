// Feeds arbitrary bytes to the settings file reader and to the hall-of-fame reading and record
// parser, and checks what the tables promise whatever the file held.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ini_file.h"
#include "records/hall_file.h"
#include "records/hall_viewer.h"

namespace {

const std::vector<std::string> Layouts = {"Green Dragon", "Arena", "The Big One"};

void CheckRecord(std::string_view entry) {
  const std::optional<int> value = records::MainValue(entry);
  if (value && (*value < 0 || *value > records::MaxHallValue)) std::abort();
  const int second = records::SecondValue(entry);
  if (second < 0 || second > records::MaxHallValue) std::abort();
  if (records::EntryDate(entry).size() > 8) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckRecord(text);
  CheckRecord(records::PadEntry(std::string(text)));

  const platform::IniFile file = platform::IniFile::Parse(text);
  // What the writer makes of a parsed file must parse to the same file.
  const std::string formatted = file.Format();
  if (platform::IniFile::Parse(formatted).Format() != formatted) std::abort();

  records::HallOfFame hall;
  records::HallFile reader("unused");
  reader.ReadFrom(file, hall, Layouts);
  for (int slot : {1, 2, 3, 1000, 1001, 1010, 1011, 1020, 1021, 1022, 1030, 1040}) {
    for (int rank = 1; rank <= records::HallRanks; ++rank) {
      const std::string& entry = hall.Entry(slot, rank);
      if (entry.size() < records::ShortestEntry) std::abort();
      CheckRecord(entry);
    }
    records::GenerateRows(hall, slot, 1);
    // Whatever was read, a result enters at a valid rank.
    const int rank = hall.AddHall(slot, 100, 0, "Fuzz", "07/12/26");
    if (rank < 1 || rank > records::HallRanks) std::abort();
    if (records::MainValue(hall.Entry(slot, rank)) != 100) std::abort();
  }
  return 0;
}
