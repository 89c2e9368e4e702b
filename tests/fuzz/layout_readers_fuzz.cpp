// Feeds arbitrary bytes to every layout reader and checks what an accepted layout promises.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/foreign_layouts.h"
#include "engine/layout_file.h"
#include "engine/layout_reader.h"

namespace {

void CheckAccepted(const engine::ParsedLayout& parsed) {
  if (parsed.outcome != engine::ParsedLayout::Outcome::Ok) return;
  int n = parsed.cells.Positions();
  if (n < 1 || n > engine::MaxTiles) std::abort();
  for (std::uint8_t c : parsed.cells.cells)
    if (c > 1) std::abort();
  // What the writer makes of an accepted layout must read back to the same cells.
  engine::ParsedLayout again = engine::ParseLay(engine::FormatLay(parsed.cells, "fuzz"));
  if (again.outcome != engine::ParsedLayout::Outcome::Ok || !(again.cells == parsed.cells))
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckAccepted(engine::ParseLay(text));
  CheckAccepted(engine::ParseShp(text));
  CheckAccepted(engine::ParseQuarterGrid(text));
  for (const engine::ParsedLayout& map : engine::ParseLayoutMaps(text)) CheckAccepted(map);
  // Whatever the content, the reader that a file's name chooses never gives an empty answer.
  for (const char* path : {"x.layout", "x.map", "x.dat"})
    if (engine::ParseLayoutText(text, path).empty()) std::abort();
  return 0;
}
